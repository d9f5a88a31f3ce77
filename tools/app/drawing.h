// What the picture generators share: smooth steps, the stars' blended
// colours, and the logarithmic axes and labels of the plotted relations.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <algorithm>

namespace app_pictures {

inline double Clamp01(double v)
{
    return std::clamp(v, 0.0, 1.0);
}

inline double Smoothstep(double e0, double e1, double x)
{
    const double t = Clamp01((x - e0) / (e1 - e0));
    return t * t * (3 - 2 * t);
}

// A star's colour from its temperature, as the relative size rules blend it.
QColor StarColour(double temperature);

// A logarithmic axis: value to pixel between two bounds.
struct LogAxis {
    double lo, hi; // values
    double p0, p1; // pixels for lo and hi
    double map(double v) const;
    double unmap(double p) const;
};

// The plots' labels: DejaVu Sans at `points`.
QFont PlotFont(double points, bool bold = false);
// "10" with the exponent in superscript digits, e.g. 10⁻³.
QString Power10(int e);

} // namespace app_pictures
