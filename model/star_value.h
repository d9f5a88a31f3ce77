// A diagram window's star as one value: what the stellar model computed and
// the read-outs it shows, under the kind of diagram that read it. The report,
// the relative size view and the tests read this value, never the boxes.
// Pure, no Qt.
#pragma once

#include "model/stellar_model.h"

#include <optional>
#include <string>

namespace model {

// Which diagram reads the star. The main-sequence diagram takes every point
// for a main-sequence star: mass, mass in kg and lifetime join the read-outs,
// a plot rewrites the magnitude in its pattern and starts at column 0 (the
// general diagram keeps the last plot column for a star hotter than the
// calibration reaches), and the relative size view draws the faintest red
// stars from a higher bound.
enum class DiagramKind { General, MainSequence };

// A star handed to the diagrams by its temperature (K) and absolute
// magnitude: typed in the star database, or worked out by another window.
// Where the numbers were typed, their texts come with them, and the
// temperature box (and the general diagram's magnitude box) show them as
// typed; without a text the read-outs write the number in their pattern.
// A plain call with numbers: `diagrams.plotOnBoth({5772, 4.83})`.
struct GivenStar {
    double temperature = 0;
    double absMagnitude = 0;
    std::optional<std::string> temperatureText = std::nullopt;
    std::optional<std::string> magnitudeText = std::nullopt;
};

// The read-outs exactly as the boxes show them, in the user's decimal
// separator (UTF-8). Mass, mass in kg and lifetime only on the main-sequence
// diagram; empty on the general one.
struct ReadOuts {
    std::string temperature, magnitude, luminosity, radius, radiusKm, mass, massKg, lifetime;
    friend bool operator==(const ReadOuts &, const ReadOuts &) = default;
};

// The read-outs in the order of the diagram windows' rows.
inline constexpr std::string ReadOuts::*kReadOutRows[]
    = {&ReadOuts::temperature, &ReadOuts::magnitude, &ReadOuts::luminosity, &ReadOuts::radius, &ReadOuts::radiusKm,
        &ReadOuts::mass, &ReadOuts::massKg, &ReadOuts::lifetime};

struct StarValue {
    DiagramKind kind = DiagramKind::General;
    StarPoint point;
    ReadOuts readOuts;
};

} // namespace model
