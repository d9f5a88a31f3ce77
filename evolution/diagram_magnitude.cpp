#include "evolution/diagram_magnitude.h"

#include "model/stellar_model.h"

#include <algorithm>
#include <cmath>

namespace evolution {

namespace {

double PlotLuminosity(double magnitude)
{
    return model::LuminosityFromMagnitude(magnitude, model::ConstantSet::Plot);
}

// Fainter than any star: the relation has reached its floor long before.
constexpr double kFaintBound = 60;

} // namespace

double FaintestDiagramLuminosity()
{
    return PlotLuminosity(kFaintBound);
}

std::optional<double> DiagramMagnitude(double luminosity)
{
    // The relation falls steadily with the magnitude: bisect it. Between these
    // bounds it spans every luminosity a star of the model reaches and more.
    double bright = -100, faint = kFaintBound;
    if (!std::isfinite(luminosity) || luminosity <= PlotLuminosity(faint) || luminosity > PlotLuminosity(bright))
        return std::nullopt;
    for (int i = 0; i < 200 && faint - bright > 1e-15 * std::max(1.0, std::fabs(bright)); ++i) {
        const double middle = bright + (faint - bright) / 2;
        (PlotLuminosity(middle) >= luminosity ? bright : faint) = middle;
    }
    return std::fabs(PlotLuminosity(bright) - luminosity) <= std::fabs(PlotLuminosity(faint) - luminosity) ? bright
                                                                                                           : faint;
}

} // namespace evolution
