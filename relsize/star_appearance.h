// The colour and scale of a star drawn beside the Sun: pure rules, no window.
#pragma once

#include <optional>

namespace relsize {

// Which diagram window asks; it moves one bound of the colour classes only.
enum class DiagramKind { General, MainSequence };

struct StarAppearance {
    int red = 0, green = 0, blue = 0; // fill colour of the star's disc
    double divisor = 1;               // k: the Sun's disc has radius H / k
};

// Nothing for a star hotter than 75700 K.
std::optional<StarAppearance> ClassifyStar(double temperature, double absMagnitude, DiagramKind kind);

} // namespace relsize
