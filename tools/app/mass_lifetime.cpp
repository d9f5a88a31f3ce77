// "Main - Sequence Mass - Lifetime Relation": lifetime against mass
// (model::LifetimeFromMass, plot set) and luminosity against mass, sampled
// through model::MassFromLuminosity.
#include "model/stellar_model.h"
#include "tools/app/app_pictures.h"
#include "tools/app/drawing.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace app_pictures {
namespace {

// The plotting area and its axes: mass across, lifetime up on the left,
// luminosity up on the right.
struct Plot {
    QRectF area;
    LogAxis mass, years, luminosity;

    Plot(int w, int h)
        : area(44, 10, w - 88, h - 46)
        // The masses the program can produce: from about 0.44 (the faintest
        // point) to about 38 (the brightest) solar masses.
        , mass {0.4, 40, area.left(), area.right()}
        , years {1e6, 1e12, area.bottom(), area.top()}
        , luminosity {1e-2, 1e7, area.bottom(), area.top()}
    { }
};

// Background: stellar colours along the mass axis, faint, and a dotted grid.
void TintAndGrid(QPainter &p, const Plot &plot)
{
    const QRectF &area = plot.area;
    for (int px = int(area.left()); px < int(area.right()); ++px) {
        const double m = plot.mass.unmap(px);
        // A rough temperature only for the tint: hotter with more mass.
        QColor c = StarColour(5800 * std::pow(m, 0.55));
        c = QColor((c.red() + 3 * 255) / 4, (c.green() + 3 * 255) / 4, (c.blue() + 3 * 255) / 4);
        p.setPen(c);
        p.drawLine(QPointF(px, area.top()), QPointF(px, area.bottom()));
    }
    p.setPen(QPen(QColor(200, 200, 220), 0.6, Qt::DotLine));
    for (int e = 7; e <= 11; ++e) {
        const double y = plot.years.map(std::pow(10.0, e));
        p.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
    }
    for (double m : {1.0, 10.0}) {
        const double x = plot.mass.map(m);
        p.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
    }
}

// Luminosity, dashed: L walked on a log scale, the model's mass for each.
QPainterPath LuminosityCurve(const Plot &plot)
{
    QPainterPath lum;
    for (double e = -2; e <= 7.0001; e += 0.02) {
        const double l = std::pow(10.0, e);
        const double m = model::MassFromLuminosity(l);
        if (m < plot.mass.lo || m > plot.mass.hi)
            continue;
        Extend(lum, QPointF(plot.mass.map(m), plot.luminosity.map(l)));
    }
    return lum;
}

// Lifetime, one point a pixel column.
QPainterPath LifetimeCurve(const Plot &plot)
{
    QPainterPath life;
    for (double x = plot.area.left(); x <= plot.area.right(); x += 1)
        Extend(life, QPointF(x, plot.years.map(model::LifetimeFromMass(plot.mass.unmap(x), model::ConstantSet::Plot))));
    return life;
}

// The Sun on both curves.
void MarkTheSun(QPainter &p, const Plot &plot)
{
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(255, 220, 0));
    const double sunYears = model::LifetimeFromMass(1.0, model::ConstantSet::Plot);
    p.drawEllipse(QPointF(plot.mass.map(1), plot.years.map(sunYears)), 3, 3);
    p.drawEllipse(QPointF(plot.mass.map(1), plot.luminosity.map(1)), 3, 3);
    p.setFont(PlotFont(6));
    p.drawText(QRectF(plot.mass.map(1) + 4, plot.years.map(sunYears) - 1, 30, 10), Qt::AlignLeft,
        QCoreApplication::translate("tools::AppPictures", "Sun"));
}

// The frame, and ticks and numbers on the three axes.
void DrawAxes(QPainter &p, const Plot &plot)
{
    const QRectF &area = plot.area;
    p.setBrush(Qt::NoBrush);
    p.setPen(Qt::black);
    p.drawRect(area);
    for (double m : {0.5, 1.0, 2.0, 5.0, 10.0, 20.0, 40.0}) {
        const double x = plot.mass.map(m);
        p.drawLine(QPointF(x, area.bottom()), QPointF(x, area.bottom() + 3));
        p.drawText(QRectF(x - 12, area.bottom() + 3, 24, 10), Qt::AlignCenter, PlotNumber(m, m < 1 ? 1 : 0));
    }
    p.setPen(QColor(0, 0, 255));
    for (int e = 6; e <= 12; e += 2) {
        const double y = plot.years.map(std::pow(10.0, e));
        p.drawLine(QPointF(area.left() - 3, y), QPointF(area.left(), y));
        p.drawText(QRectF(2, y - 5, area.left() - 6, 10), Qt::AlignRight | Qt::AlignVCenter, Power10(e));
    }
    p.setPen(QColor(200, 100, 0));
    for (int e = -2; e <= 6; e += 2) {
        const double y = plot.luminosity.map(std::pow(10.0, e));
        p.drawLine(QPointF(area.right(), y), QPointF(area.right() + 3, y));
        p.drawText(QRectF(area.right() + 5, y - 5, 40, 10), Qt::AlignLeft | Qt::AlignVCenter, Power10(e));
    }
}

} // namespace

QImage MassLifetime(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const Plot plot(width, height);
    TintAndGrid(p, plot);
    p.setPen(QPen(QColor(220, 120, 0), 1.4, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawPath(LuminosityCurve(plot));
    p.setPen(QPen(QColor(0, 0, 255), 2));
    p.drawPath(LifetimeCurve(plot));
    MarkTheSun(p, plot);
    DrawAxes(p, plot);
    // Each upright axis's title in its curve's colour.
    const QRectF &area = plot.area;
    DrawTitles(p, area, width, height, QCoreApplication::translate("tools::AppPictures", "Mass (Sun = 1)"),
        {{QPointF(9, area.center().y()), -90, QCoreApplication::translate("tools::AppPictures", "Lifetime (years)"),
             QColor(0, 0, 255)},
            {QPointF(width - 8, area.center().y()), 90,
                QCoreApplication::translate("tools::AppPictures", "Luminosity (Sun = 1)"), QColor(200, 100, 0)}},
        QCoreApplication::translate(
            "tools::AppPictures", "L = M\u2074 (dashed)     lifetime = 10\u00b9\u2070 years / M\u00b2\u00b7\u2075"));
    return image;
}

} // namespace app_pictures
