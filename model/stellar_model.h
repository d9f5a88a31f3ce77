// Calibration of the stellar diagram and the physics behind its read-outs.
// Pure functions: no window, no Qt. Every arithmetic failure is a ModelError.
#pragma once

#include <optional>
#include <stdexcept>

namespace model {

// The click set belongs to points picked on a picture, the plot set to stars
// typed in and plotted; they differ only in small correction terms.
enum class ConstantSet { Click, Plot };

struct StarPoint {
    double Temperature = 0, AbsMagnitude = 0, Luminosity = 0, Radius = 0, RadiusKm = 0, PlotColumn = 0, PlotHeight = 0,
           PlotRow = 0, Mass = 0, MassKg = 0, Lifetime = 0;
};

// The Sun as the star catalogue lists it (tools/stardb/stars.csv): the nominal
// effective temperature of IAU 2015 Resolution B3 and the absolute visual
// magnitude of Allen's Astrophysical Quantities (Cox 2000). A star that plots
// on both diagrams, and the example the star database gives.
inline constexpr double kSunTemperature = 5772;
inline constexpr double kSunAbsMagnitude = 4.83;

class ModelError : public std::runtime_error {
    using runtime_error::runtime_error;
};

// Point to star.
std::optional<double> TemperatureFromColumn(double x); // no value for x > 340
double MagnitudeFromRow(double y, double scaleHeight);
double LuminosityFromMagnitude(double mv, ConstantSet set);
double RadiusFromLuminosity(double l, double t, ConstantSet set);
double RadiusKmFromRadius(double r, ConstantSet set);
// The luminosity of a star of radius r (Sun = 1) at temperature t: the
// relation RadiusFromLuminosity inverts, without its correction terms.
double LuminosityFromRadius(double r, double t);

// Star to point.
std::optional<double> ColumnFromTemperature(double t); // no value for t > 80000
double HeightFromMagnitude(double mv);
double RowFromHeight(double h, double scaleHeight);

// Main sequence: mass from luminosity, lifetime from mass.
double MassFromLuminosity(double l);
double MassKgFromMass(double m);
double LifetimeFromMass(double m, ConstantSet set);

// Descriptions carried by ModelError, worded as the user sees them.
inline constexpr const char *kDivisionByZero = "Division by zero";
inline constexpr const char *kOverflow = "Overflow";
inline constexpr const char *kInvalidCall = "Invalid procedure call or argument";

} // namespace model
