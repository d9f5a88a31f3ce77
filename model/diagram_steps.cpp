#include "model/diagram_steps.h"

#include "model/number_format.h"

namespace model {
namespace {

// Luminosity, then the main-sequence quantities that follow from it, then the
// radius and its kilometres; `progress.reached` advances after each.
void starFromLuminosity(StarPoint &star, Progress &progress, ConstantSet set, DiagramKind kind)
{
    star.Luminosity = LuminosityFromMagnitude(star.AbsMagnitude, set);
    if (kind == DiagramKind::MainSequence) {
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

// The one place a star's read-outs are written: each quantity in its
// pattern, except the texts a plot keeps as they were typed (the
// temperature, and on the general diagram the magnitude).
StarValue valueOf(DiagramKind kind, const StarPoint &point, char separator, const GivenStar *typed)
{
    const auto show = [separator](double value, Pattern pattern) { return FormatNumber(value, pattern, separator); };
    const bool mainSequence = kind == DiagramKind::MainSequence;
    ReadOuts readOuts;
    readOuts.temperature
        = typed && typed->temperatureText ? *typed->temperatureText : show(point.Temperature, Pattern::Whole);
    readOuts.magnitude = typed && typed->magnitudeText && !mainSequence ? *typed->magnitudeText
                                                                        : show(point.AbsMagnitude, Pattern::Fixed2);
    readOuts.luminosity = show(point.Luminosity, Pattern::Fixed2);
    readOuts.radius = show(point.Radius, Pattern::Fixed4);
    readOuts.radiusKm = show(point.RadiusKm, Pattern::Fixed3);
    if (mainSequence) {
        readOuts.mass = show(point.Mass, Pattern::Fixed2);
        readOuts.massKg = show(point.MassKg, Pattern::Scientific3);
        readOuts.lifetime = show(point.Lifetime, Pattern::Scientific2);
    }
    return {kind, point, readOuts};
}

} // namespace

StarReading ClickStar(
    DiagramKind kind, const StarPoint &previous, double x, double y, double scaleHeight, char decimalSeparator)
{
    StarReading reading {{}, previous, std::nullopt};
    StarPoint &star = reading.point;
    Progress &progress = reading.progress;
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
        starFromLuminosity(star, progress, ConstantSet::Click, kind);
        reading.star = valueOf(kind, star, decimalSeparator, nullptr);
    } catch (const ModelError &e) {
        // Unreachable from the picture (every column reads at least 2703 K),
        // but a click beyond column 340 before any other would divide by zero.
        progress.error = e.what();
    }
    return reading;
}

StarReading PlotStar(
    DiagramKind kind, const GivenStar &given, double previousColumn, double scaleHeight, char decimalSeparator)
{
    StarReading reading;
    StarPoint &star = reading.point;
    Progress &progress = reading.progress;
    star.PlotColumn = kind == DiagramKind::MainSequence ? 0 : previousColumn;
    try {
        star.Temperature = given.temperature;
        progress.temperatureChanged = true;
        progress.reached = Stage::Temperature;
        star.AbsMagnitude = given.absMagnitude;
        progress.reached = Stage::Magnitude;
        if (const auto column = ColumnFromTemperature(star.Temperature))
            star.PlotColumn = *column;
        star.PlotHeight = HeightFromMagnitude(star.AbsMagnitude);
        star.PlotRow = RowFromHeight(star.PlotHeight, scaleHeight);
        progress.reached = Stage::Position;
        starFromLuminosity(star, progress, ConstantSet::Plot, kind);
        reading.star = valueOf(kind, star, decimalSeparator, &given);
    } catch (const ModelError &e) {
        progress.error = e.what();
    }
    return reading;
}

PlotCheck CheckPlottable(const TypedNumber &temperature, const TypedNumber &magnitude)
{
    // The main-sequence plot runs every step the general one does, and more;
    // a text that is no number fails where the plot takes it.
    const auto failure = [](const TypedNumber &t, const TypedNumber &m) {
        if (!t.value)
            return t.error;
        if (!m.value)
            return m.error;
        return PlotStar(DiagramKind::MainSequence, {*t.value, *m.value}, 0, kDiagramHeight, '.').progress.error;
    };
    const std::string both = failure(temperature, magnitude);
    if (both.empty())
        return {};
    // Each beside the Sun's other value tells which one is at fault.
    const TypedNumber sunTemperature {{}, kSunTemperature, {}};
    const TypedNumber sunMagnitude {{}, kSunAbsMagnitude, {}};
    if (std::string alone = failure(temperature, sunMagnitude); !alone.empty())
        return {PlotCheck::Fault::Temperature, alone};
    if (std::string alone = failure(sunTemperature, magnitude); !alone.empty())
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
