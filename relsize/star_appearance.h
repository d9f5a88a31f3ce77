// The colour and scale of a star drawn beside the Sun: pure rules, no window.
#pragma once

#include "model/star_value.h"

#include <optional>
#include <string>

namespace relsize {

struct StarAppearance {
    int red = 0, green = 0, blue = 0; // fill colour of the star's disc
    double divisor = 1; // k: the Sun's disc has radius H / k

    // The usual 24-bit value red + 256 * green + 65536 * blue.
    int rgb() const { return red + 256 * green + 65536 * blue; }
    friend bool operator==(const StarAppearance &, const StarAppearance &) = default;
};

// Colour of the Sun's disc; the yellow class has the same colour.
inline constexpr int kSunRed = 251, kSunGreen = 251, kSunBlue = 0;

// Nothing for a star hotter than 75700 K. The kind of diagram that read the
// star moves one bound of the colour classes only.
std::optional<StarAppearance> ClassifyStar(double temperature, double absMagnitude, model::DiagramKind kind);

// One disc on the drawing surface, in the surface's units (twips).
struct Disc {
    double x = 0, y = 0, radius = 0;
};

// Where the star and the Sun go on a surface `width` x `height`: the star at
// two thirds of the width with radius height * R / k, the Sun at one sixth
// with radius height / k, both on the middle line.
struct StarAndSun {
    Disc star, sun;
};
StarAndSun DiscsFor(const StarAppearance &appearance, double radius, double width, double height);

// The spoken name of the appearance's colour class ("white", "deep blue"),
// "coloured" for a colour that is none of them.
const char *ColourName(const StarAppearance &appearance);

// The colour the eye gives a star of this temperature, blended smoothly from
// red below 3500 K through orange, yellow and white to blue-white above
// 20000 K: the colour of the pictures that show many stars at once (the
// program icon, the startup sky, the other-aspects relations). Not an exact
// black body, and not the seven classes of the relative size drawing.
struct Rgb {
    int red = 0, green = 0, blue = 0;
    friend bool operator==(const Rgb &, const Rgb &) = default;
};
Rgb BlendedStarColour(double temperature);

} // namespace relsize
