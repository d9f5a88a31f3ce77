// What the picture generators share: smooth steps, the stars' blended
// colours, and the logarithmic axes and labels of the plotted relations.
#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QString>

#include <algorithm>
#include <initializer_list>
#include <optional>

class QPainter;
class QPainterPath;

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

// A title turned `degrees` about `centre` and centred there, in `colour` if
// one is given, else in black.
struct TurnedTitle {
    QPointF centre;
    qreal degrees;
    QString text;
    std::optional<QColor> colour;
};

// A plot's titles: `across` in bold under the plotting area, the titles of
// the upright axes, and the footnote along the bottom of the picture.
void DrawTitles(QPainter &p, const QRectF &area, int w, int h, const QString &across,
    std::initializer_list<TurnedTitle> upright, const QString &footnote);

// Adds a point to a curve: the first point starts it, each later one
// continues it.
void Extend(QPainterPath &curve, QPointF point);

// The plots' labels: DejaVu Sans at `points`.
QFont PlotFont(double points, bool bold = false);
// "10" with the exponent in superscript digits, e.g. 10⁻³.
QString Power10(int e);
// A number of at least zero with `decimals` decimals, as the language of the
// picture being drawn writes it (the default QLocale while it is drawn):
// "0.5" in English, "0,5" in German; a translated picture groups the digits
// of 10 000 and more in threes with a narrow no-break space, as print does in
// those languages, where English keeps "40000".
QString PlotNumber(double value, int decimals);

} // namespace app_pictures
