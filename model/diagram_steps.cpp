#include "model/diagram_steps.h"

#include "model/number_format.h"

namespace model {
namespace {

// Luminosity, then the main-sequence quantities that follow from it, then the
// radius and its kilometres; `progress.reached` advances after each.
void starFromLuminosity(StarPoint &star, Progress &progress, ConstantSet set, bool mainSequence)
{
    star.Luminosity = LuminosityFromMagnitude(star.AbsMagnitude, set);
    if (mainSequence) {
        star.Mass = MassFromLuminosity(star.Luminosity);
        star.MassKg = MassKgFromMass(star.Mass);
        star.Lifetime = LifetimeFromMass(star.Mass, set);
    }
    progress.reached = Stage::Luminosity;
    star.Radius = RadiusFromLuminosity(star.Luminosity, star.Temperature, set);
    progress.reached = Stage::Radius;
    star.RadiusKm = RadiusKmFromRadius(star.Radius, set);
    progress.reached = Stage::RadiusKm;
}

} // namespace

Progress ClickStar(StarPoint &star, double x, double y, double scaleHeight, bool mainSequence)
{
    Progress progress;
    try {
        if (const auto t = TemperatureFromColumn(x)) {
            star.Temperature = *t;
            progress.temperatureChanged = true;
        }
        progress.reached = Stage::Temperature;
        star.AbsMagnitude = MagnitudeFromRow(y, scaleHeight);
        progress.reached = Stage::Magnitude;
        // A click does not plot: the plot fields stay as they are.
        progress.reached = Stage::Position;
        starFromLuminosity(star, progress, ConstantSet::Click, mainSequence);
    } catch (const ModelError &e) {
        // Unreachable from the picture (every column reads at least 2703 K),
        // but a click beyond column 340 before any other would divide by zero.
        progress.error = e.what();
    }
    return progress;
}

Progress PlotStar(StarPoint &star, std::string_view temperatureText, std::string_view magnitudeText,
    char decimalSeparator, double scaleHeight, ColumnRule rule, bool mainSequence)
{
    Progress progress;
    try {
        star.Temperature = ReadNumber(temperatureText, decimalSeparator);
        progress.temperatureChanged = true;
        progress.reached = Stage::Temperature;
        star.AbsMagnitude = ReadNumber(magnitudeText, decimalSeparator);
        progress.reached = Stage::Magnitude;
        if (rule == ColumnRule::StartAtZero)
            star.PlotColumn = 0;
        if (const auto column = ColumnFromTemperature(star.Temperature))
            star.PlotColumn = *column;
        star.PlotHeight = HeightFromMagnitude(star.AbsMagnitude);
        star.PlotRow = RowFromHeight(star.PlotHeight, scaleHeight);
        progress.reached = Stage::Position;
        starFromLuminosity(star, progress, ConstantSet::Plot, mainSequence);
    } catch (const ModelError &e) {
        progress.error = e.what();
    }
    return progress;
}

PlotCheck CheckPlottable(std::string_view temperatureText, std::string_view magnitudeText, char decimalSeparator)
{
    // The main-sequence plot runs every step the general one does, and more.
    const auto failure = [decimalSeparator](std::string_view temperature, std::string_view magnitude) {
        StarPoint scratch;
        return PlotStar(
            scratch, temperature, magnitude, decimalSeparator, kDiagramHeight, ColumnRule::StartAtZero, true)
            .error;
    };
    const std::string both = failure(temperatureText, magnitudeText);
    if (both.empty())
        return {};
    // Each text beside the Sun's other value tells which one is at fault.
    const std::string sunTemperature = "5772";
    const std::string sunMagnitude = FormatNumber(4.83, Pattern::Fixed2, decimalSeparator);
    if (std::string alone = failure(temperatureText, sunMagnitude); !alone.empty())
        return {PlotCheck::Fault::Temperature, alone};
    if (std::string alone = failure(sunTemperature, magnitudeText); !alone.empty())
        return {PlotCheck::Fault::Magnitude, alone};
    return {PlotCheck::Fault::Both, both};
}

std::optional<std::string> LiveReadout(double x, double y, double scaleHeight, char decimalSeparator,
    std::string_view temperatureCaption, std::string_view magnitudeCaption)
{
    try {
        const auto t = TemperatureFromColumn(x);
        if (!t)
            return std::nullopt;
        const double mv = MagnitudeFromRow(y, scaleHeight);
        // The label is 185 pixels wide and wraps at the blanks, so the
        // magnitude stands on the second line.
        const std::size_t blanks = x <= 229 ? 14 : 13;
        return std::string(temperatureCaption) + FormatNumber(*t, Pattern::Whole, decimalSeparator)
            + std::string(blanks, ' ') + std::string(magnitudeCaption)
            + FormatNumber(mv, Pattern::Fixed2, decimalSeparator);
    } catch (const ModelError &) {
        // Far outside the picture while dragging: leave the read-out as it is.
        return std::nullopt;
    }
}

} // namespace model
