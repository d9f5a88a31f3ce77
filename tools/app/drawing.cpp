#include "tools/app/drawing.h"

#include "relsize/star_appearance.h"

#include <cmath>
#include <cstdlib>

namespace app_pictures {

QColor StarColour(double temperature)
{
    const relsize::Rgb colour = relsize::BlendedStarColour(temperature);
    return QColor(colour.red, colour.green, colour.blue);
}

double LogAxis::map(double v) const
{
    return p0 + (p1 - p0) * (std::log10(v) - std::log10(lo)) / (std::log10(hi) - std::log10(lo));
}

double LogAxis::unmap(double p) const
{
    return std::pow(10.0, std::log10(lo) + (p - p0) / (p1 - p0) * (std::log10(hi) - std::log10(lo)));
}

QFont PlotFont(double points, bool bold)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

QString Power10(int e)
{
    static const char *const sup[]
        = {"\u2070", "\u00b9", "\u00b2", "\u00b3", "\u2074", "\u2075", "\u2076", "\u2077", "\u2078", "\u2079"};
    QString s = QStringLiteral("10");
    if (e < 0)
        s += QString::fromUtf8("\u207b");
    for (QChar c : QString::number(std::abs(e)))
        s += QString::fromUtf8(sup[c.digitValue()]);
    return s;
}

} // namespace app_pictures
