// The text of the data report: fixed lines around the read-out texts, pure.
#pragma once

#include <QByteArray>
#include <QString>

namespace report {

enum class Variant { General, MainSequence };

// The read-out texts exactly as the boxes show them; mass, massKg and
// lifetime are used by the main-sequence variant only.
struct ReadOuts {
    QString temperature, magnitude, luminosity, radius, radiusKm, mass, massKg, lifetime;
};

// The whole file: 15 lines (general) or 21 lines (main sequence), each ending
// in CR LF, in the single-byte code page (Latin-1).
QByteArray ReportText(Variant variant, const ReadOuts &readOuts);

} // namespace report
