// The star evolution window's words and numbers in the user's language: the
// phases as a student names them, ages in years, million years or billion
// years, quantities in the user's number format, and the drawings in words
// for screen readers.
#pragma once

#include "evolution/phases.h"

#include <QString>

#include <optional>

namespace starlife {

// "main-sequence star", "red giant", ... (evolution::PhaseLabel, translated).
QString PhaseName(evolution::Phase phase);
// The short name of the legend and the phase table: "main sequence", "AGB", ...
QString ShortPhaseName(evolution::Phase phase);

// An age or a duration (Myr) as fits: "350,000 years", "104.0 million years",
// "4.600 billion years", with `digits` significant digits.
QString AgeText(double myr, int digits = 4);
// The same, short, for the phase table: "350,000 yr", "104 Myr", "4.60 Gyr".
QString ShortAgeText(double myr, int digits = 3);

// A positive quantity with `digits` significant digits in the user's number
// format; below a thousandth or from a million on as "2.3 × 10⁻⁸".
QString Quantity(double value, int digits = 3);
// A temperature in whole kelvin, without a group separator, as the diagram
// windows show it ("5772").
QString Kelvin(double temperature);
// "10⁻⁴", "10⁶": a power of ten as the pictures and the quantities write it.
QString PowerOfTen(int exponent);
// An absolute magnitude to two decimals, or a dash where there is none.
QString Magnitude(std::optional<double> magnitude);

// What the diagram shows, e.g. "Red giant, 12.00 billion years old, 170 times
// the Sun's luminosity, 4210 K, 25 times the Sun's radius"; for a star
// cluster the isochrone and its turn-off first.
struct DescribedStar {
    evolution::Phase phase;
    double age, luminosity, temperature, radius;
};
QString DiagramDescription(const DescribedStar &star, std::optional<double> turnOffMass, bool cluster);

} // namespace starlife
