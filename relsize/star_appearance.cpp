#include "relsize/star_appearance.h"

namespace relsize {
namespace {

enum class ColourClass { Red, Orange, Yellow, YellowWhite, White, Blue, DeepBlue };

// Magnitude bands, brightest last; the first band whose floor M reaches wins.
int BandOf(double m)
{
    if (m >= 10)
        return 1;
    if (m >= 5)
        return 2;
    if (m >= 0)
        return 3;
    if (m >= -5)
        return 4;
    if (m >= -8)
        return 5;
    if (m >= -10)
        return 6;
    return 7;
}

// The faint band draws its red dwarfs from a lower bound on the general
// diagram than on the main-sequence one, and splits blue from deep blue at a
// slightly lower temperature than the other bands do.
std::optional<ColourClass> ClassOf(double t, int band, DiagramKind kind)
{
    const double redBound = (band == 1 && kind == DiagramKind::General) ? 2620 : 3625.71;
    const double blueBound = band == 1 ? 31189 : 31189.38;
    if (t <= redBound)
        return ColourClass::Red;
    if (t <= 5223.72)
        return ColourClass::Orange;
    if (t <= 6211.69)
        return ColourClass::Yellow;
    if (t <= 8028.75)
        return ColourClass::YellowWhite;
    if (t <= 12490.24)
        return ColourClass::White;
    if (t <= blueBound)
        return ColourClass::Blue;
    if (t <= 75700)
        return ColourClass::DeepBlue;
    return std::nullopt; // hotter than the diagram reaches (or not a number)
}

double DivisorOf(int band, ColourClass colour)
{
    switch (band) {
    case 1:
        return 3;
    case 2:
        return 7;
    case 3:
        // The only band whose scale depends on the colour as well.
        if (colour == ColourClass::Red)
            return 100;
        if (colour == ColourClass::Orange)
            return 70;
        return 15;
    case 4:
        return 30;
    case 5:
        return 50;
    case 6:
        return 80;
    default:
        return 90;
    }
}

StarAppearance Painted(ColourClass colour, double divisor)
{
    switch (colour) {
    case ColourClass::Red:
        return {226, 15, 3, divisor};
    case ColourClass::Orange:
        return {255, 138, 21, divisor};
    case ColourClass::Yellow:
        return {kSunRed, kSunGreen, kSunBlue, divisor};
    case ColourClass::YellowWhite:
        return {255, 255, 147, divisor};
    case ColourClass::White:
        return {255, 255, 255, divisor};
    case ColourClass::Blue:
        return {64, 64, 255, divisor};
    case ColourClass::DeepBlue:
        break;
    }
    return {0, 0, 232, divisor};
}

} // namespace

std::optional<StarAppearance> ClassifyStar(double temperature, double absMagnitude, DiagramKind kind)
{
    const int band = BandOf(absMagnitude);
    const auto colour = ClassOf(temperature, band, kind);
    if (!colour)
        return std::nullopt;
    return Painted(*colour, DivisorOf(band, *colour));
}

StarAndSun DiscsFor(const StarAppearance &appearance, double radius, double width, double height)
{
    const double k = appearance.divisor;
    StarAndSun discs;
    discs.star = {width * 4 / 6, height / 2, height * radius / k};
    discs.sun = {width / 6, height / 2, height / k};
    return discs;
}

} // namespace relsize
