#include "relsize/star_appearance.h"

#include <cmath>
#include <iterator>

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
std::optional<ColourClass> ClassOf(double t, int band, model::DiagramKind kind)
{
    const double redBound = (band == 1 && kind == model::DiagramKind::General) ? 2620 : 3625.71;
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

// The fill colour and the spoken name of each class, in the order of ColourClass.
struct Look {
    int red, green, blue;
    const char *name;
};
constexpr Look kLooks[] = {{226, 15, 3, "red"}, {255, 138, 21, "orange"}, {kSunRed, kSunGreen, kSunBlue, "yellow"},
    {255, 255, 147, "yellow-white"}, {255, 255, 255, "white"}, {64, 64, 255, "blue"}, {0, 0, 232, "deep blue"}};

StarAppearance Painted(ColourClass colour, double divisor)
{
    const Look &look = kLooks[static_cast<int>(colour)];
    return {look.red, look.green, look.blue, divisor};
}

} // namespace

const char *ColourName(const StarAppearance &appearance)
{
    for (const Look &look : kLooks) {
        if (look.red == appearance.red && look.green == appearance.green && look.blue == appearance.blue)
            return look.name;
    }
    return "coloured";
}

std::optional<StarAppearance> ClassifyStar(double temperature, double absMagnitude, model::DiagramKind kind)
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

Rgb BlendedStarColour(double temperature)
{
    struct Stop {
        double t;
        int r, g, b;
    };
    static constexpr Stop stops[]
        = {{2500, 255, 90, 40}, {3500, 255, 150, 80}, {5000, 255, 215, 150}, {6000, 255, 245, 220},
            {7500, 250, 250, 255}, {10000, 200, 215, 255}, {20000, 160, 185, 255}, {40000, 140, 170, 255}};
    if (temperature <= stops[0].t)
        return {stops[0].r, stops[0].g, stops[0].b};
    for (std::size_t i = 1; i < std::size(stops); ++i) {
        if (temperature <= stops[i].t) {
            const double f = (temperature - stops[i - 1].t) / (stops[i].t - stops[i - 1].t);
            auto mix = [f](int a, int b) { return int(std::lround(a + (b - a) * f)); };
            return {mix(stops[i - 1].r, stops[i].r), mix(stops[i - 1].g, stops[i].g), mix(stops[i - 1].b, stops[i].b)};
        }
    }
    const Stop &last = stops[std::size(stops) - 1];
    return {last.r, last.g, last.b};
}

} // namespace relsize
