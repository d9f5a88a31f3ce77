// "Print Data" on both diagram windows: the report of the read-out texts.
#pragma once

#include <QString>

class QWidget;

namespace report {

enum class Variant { General, MainSequence };

// The read-out texts exactly as the boxes show them; mass, massKg and
// lifetime are used by the main-sequence variant only.
struct ReadOuts {
    QString temperature, magnitude, luminosity, radius, radiusKm, mass, massKg, lifetime;
};

// The whole Click of "Print Data": selection check, save dialog, write, and
// the offer to open the file.
void PrintData(QWidget *owner, Variant variant, const ReadOuts &readOuts);

} // namespace report
