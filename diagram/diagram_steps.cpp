#include "diagram/diagram_steps.h"

namespace diagram {
namespace {

using model::ConstantSet;

// Luminosity, then the main-sequence quantities that follow from it, then the
// radius and its kilometres; `progress.reached` advances after each.
void starFromLuminosity(model::StarPoint &star, Progress &progress, ConstantSet set, bool mainSequence)
{
    star.Luminosity = model::LuminosityFromMagnitude(star.AbsMagnitude, set);
    if (mainSequence) {
        star.Mass = model::MassFromLuminosity(star.Luminosity);
        star.MassKg = model::MassKgFromMass(star.Mass);
        star.Lifetime = model::LifetimeFromMass(star.Mass, set);
    }
    progress.reached = Stage::Luminosity;
    star.Radius = model::RadiusFromLuminosity(star.Luminosity, star.Temperature, set);
    progress.reached = Stage::Radius;
    star.RadiusKm = model::RadiusKmFromRadius(star.Radius, set);
    progress.reached = Stage::RadiusKm;
}

} // namespace

Progress ClickStar(model::StarPoint &star, double x, double y, double scaleHeight, bool mainSequence)
{
    Progress progress;
    try {
        if (const auto t = model::TemperatureFromColumn(x)) {
            star.Temperature = *t;
            progress.temperatureChanged = true;
        }
        progress.reached = Stage::Temperature;
        star.AbsMagnitude = model::MagnitudeFromRow(y, scaleHeight);
        progress.reached = Stage::Magnitude;
        // A click does not plot: the plot fields stay as they are.
        progress.reached = Stage::Position;
        starFromLuminosity(star, progress, ConstantSet::Click, mainSequence);
    } catch (const model::ModelError &e) {
        // Unreachable from the picture (every column reads at least 2703 K),
        // but a click beyond column 340 before any other would divide by zero.
        progress.error = QString::fromUtf8(e.what());
    }
    return progress;
}

Progress PlotStar(model::StarPoint &star, const QString &temperatureText, const QString &magnitudeText,
    char decimalSeparator, double scaleHeight, ColumnRule rule, bool mainSequence)
{
    Progress progress;
    try {
        star.Temperature = model::ReadNumber(temperatureText.toStdString(), decimalSeparator);
        progress.temperatureChanged = true;
        progress.reached = Stage::Temperature;
        star.AbsMagnitude = model::ReadNumber(magnitudeText.toStdString(), decimalSeparator);
        progress.reached = Stage::Magnitude;
        if (rule == ColumnRule::StartAtZero)
            star.PlotColumn = 0;
        if (const auto column = model::ColumnFromTemperature(star.Temperature))
            star.PlotColumn = *column;
        star.PlotHeight = model::HeightFromMagnitude(star.AbsMagnitude);
        star.PlotRow = model::RowFromHeight(star.PlotHeight, scaleHeight);
        progress.reached = Stage::Position;
        starFromLuminosity(star, progress, ConstantSet::Plot, mainSequence);
    } catch (const model::ModelError &e) {
        progress.error = QString::fromUtf8(e.what());
    }
    return progress;
}

PlotCheck CheckPlottable(const QString &temperatureText, const QString &magnitudeText, char decimalSeparator)
{
    // The main-sequence plot runs every step the general one does, and more.
    const auto failure = [decimalSeparator](const QString &temperature, const QString &magnitude) {
        model::StarPoint scratch;
        return PlotStar(
            scratch, temperature, magnitude, decimalSeparator, kDiagramHeight, ColumnRule::StartAtZero, true)
            .error;
    };
    const QString both = failure(temperatureText, magnitudeText);
    if (both.isEmpty())
        return {};
    // Each text beside the Sun's other value tells which one is at fault.
    const QString sunTemperature = QStringLiteral("5772");
    const QString sunMagnitude = Show(4.83, model::Pattern::Fixed2, decimalSeparator);
    if (const QString alone = failure(temperatureText, sunMagnitude); !alone.isEmpty())
        return {PlotCheck::Fault::Temperature, alone};
    if (const QString alone = failure(sunTemperature, magnitudeText); !alone.isEmpty())
        return {PlotCheck::Fault::Magnitude, alone};
    return {PlotCheck::Fault::Both, both};
}

std::optional<QString> LiveReadout(double x, double y, double scaleHeight, char decimalSeparator)
{
    try {
        const auto t = model::TemperatureFromColumn(x);
        if (!t)
            return std::nullopt;
        const double mv = model::MagnitudeFromRow(y, scaleHeight);
        // The label is 185 pixels wide and wraps at the blanks, so the
        // magnitude stands on the second line.
        const int blanks = x <= 229 ? 14 : 13;
        return QStringLiteral("TEMPERATURE(K) = ") + Show(*t, model::Pattern::Whole, decimalSeparator)
            + QString(blanks, QLatin1Char(' ')) + QStringLiteral("ABS. MAGNITUDE = ")
            + Show(mv, model::Pattern::Fixed2, decimalSeparator);
    } catch (const model::ModelError &) {
        // Far outside the picture while dragging: leave the read-out as it is.
        return std::nullopt;
    }
}

QString Show(double value, model::Pattern pattern, char decimalSeparator)
{
    return QString::fromStdString(model::FormatNumber(value, pattern, decimalSeparator));
}

QColor NextPromptColour(const QColor &current)
{
    return current.rgb() == kPromptRed.rgb() ? kPromptBlue : kPromptRed;
}

} // namespace diagram
