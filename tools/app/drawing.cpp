#include "tools/app/drawing.h"

#include "relsize/star_appearance.h"

#include <QLocale>
#include <QPainter>
#include <QPainterPath>

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

void DrawTitles(QPainter &p, const QRectF &area, int w, int h, const QString &across,
    std::initializer_list<TurnedTitle> upright, const QString &footnote)
{
    p.setFont(PlotFont(6.5, true));
    p.setPen(Qt::black);
    p.drawText(QRectF(area.left(), h - 22, area.width(), 10), Qt::AlignCenter, across);
    for (const TurnedTitle &title : upright) {
        p.save();
        if (title.colour)
            p.setPen(*title.colour);
        p.translate(title.centre);
        p.rotate(title.degrees);
        p.drawText(QRectF(-60, -6, 120, 10), Qt::AlignCenter, title.text);
        p.restore();
    }
    p.setFont(PlotFont(6));
    p.setPen(Qt::black);
    p.drawText(QRectF(0, h - 11, w, 10), Qt::AlignCenter, footnote);
}

void Extend(QPainterPath &curve, QPointF point)
{
    if (curve.elementCount() == 0)
        curve.moveTo(point);
    else
        curve.lineTo(point);
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

QString PlotNumber(double value, int decimals)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    QString text = locale.toString(value, 'f', decimals);
    if (locale.language() == QLocale::C)
        return text;
    const qsizetype point = text.indexOf(locale.decimalPoint());
    const qsizetype whole = point < 0 ? text.size() : point;
    if (whole >= 5)
        for (qsizetype at = whole - 3; at > 0; at -= 3)
            text.insert(at, QChar(0x202F));
    return text;
}

} // namespace app_pictures
