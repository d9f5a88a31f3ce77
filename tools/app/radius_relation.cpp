// "Temperature - Luminosity - Radius Relation": the radius the program
// computes (model::RadiusFromLuminosity, plot set) over the
// temperature-luminosity plane, shaded by size, with the lines of equal
// radius marked and labelled.
#include "model/stellar_model.h"
#include "tools/app/app_pictures.h"
#include "tools/app/drawing.h"

#include <QCoreApplication>
#include <QPainter>

#include <cmath>
#include <optional>

namespace app_pictures {
namespace {

// The plotting area and its axes: temperature across (hot on the left),
// luminosity up.
struct Plane {
    QRect area;
    LogAxis temperature, luminosity;

    Plane(int w, int h)
        : area(40, 10, w - 50, h - 46)
        , temperature {40000, 2500, double(area.left()), double(area.right())}
        , luminosity {1e-3, 1e6, double(area.bottom()), double(area.top())}
    { }

    // log10 of the radius at a pixel; nothing where the model has no radius.
    std::optional<double> logRadiusAt(double px, double py) const
    {
        try {
            const double r
                = model::RadiusFromLuminosity(luminosity.unmap(py), temperature.unmap(px), model::ConstantSet::Plot);
            if (r > 0)
                return std::log10(r);
        } catch (const model::ModelError &) { }
        return std::nullopt;
    }
};

// Small stars pale, large stars deep purple, in the stars' own colour; white
// where log10 R crosses a whole number.
void ShadeByRadius(QImage &image, const Plane &plane)
{
    const QRect &area = plane.area;
    for (int py = area.top(); py <= area.bottom(); ++py) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(py));
        for (int px = area.left(); px <= area.right(); ++px) {
            const auto lr = plane.logRadiusAt(px, py);
            if (!lr) {
                line[px] = qRgb(225, 225, 225);
                continue;
            }
            const double f = Clamp01((*lr + 2) / 5.0);
            QColor c = StarColour(plane.temperature.unmap(px));
            const double shade = 0.95 - 0.55 * f;
            line[px] = qRgb(int(c.red() * shade * 0.6 + 255 * (1 - f) * 0.25 + 60 * f),
                int(c.green() * shade * 0.6 + 255 * (1 - f) * 0.25),
                int(c.blue() * shade * 0.6 + 255 * (1 - f) * 0.25 + 80 * f));
            const auto right = plane.logRadiusAt(px + 1, py), below = plane.logRadiusAt(px, py + 1);
            for (const auto &n : {right, below}) {
                if (n && std::floor(*n) != std::floor(*lr))
                    line[px] = qRgb(255, 255, 255);
            }
        }
    }
}

// Radius labels along the lines of equal radius, at the first of three
// temperatures where the label fits inside the area.
void LabelRadii(QPainter &p, const Plane &plane)
{
    const QRect &area = plane.area;
    for (int e = -1; e <= 3; ++e) {
        const double radius = std::pow(10.0, e);
        for (double t : {18000.0, 7000.0, 3400.0}) {
            const double l = model::LuminosityFromRadius(radius, t);
            const double px = plane.temperature.map(t), py = plane.luminosity.map(l);
            if (py > area.top() + 8 && py < area.bottom() - 4 && px > area.left() + 10) {
                const QString label = QStringLiteral("%1 R\u2609").arg(PlotNumber(radius, radius < 1 ? 1 : 0));
                QRectF box(px - 18, py - 10, 36, 9);
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(255, 255, 255, 190));
                p.drawRoundedRect(box, 2, 2);
                p.setPen(QColor(80, 0, 80));
                p.drawText(box, Qt::AlignCenter, label);
                break;
            }
        }
    }
}

void MarkTheSun(QPainter &p, const Plane &plane)
{
    const double sx = plane.temperature.map(5963), sy = plane.luminosity.map(1.0);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(255, 220, 0));
    p.drawEllipse(QPointF(sx, sy), 3, 3);
    p.drawText(QRectF(sx + 4, sy - 2, 30, 10), Qt::AlignLeft | Qt::AlignVCenter,
        QCoreApplication::translate("tools::AppPictures", "Sun"));
}

// Ticks and numbers on both axes, the axis titles and the note on the lines.
void DrawAxes(QPainter &p, const Plane &plane, int w, int h)
{
    const QRect &area = plane.area;
    p.setPen(Qt::black);
    for (double t : {40000.0, 20000.0, 10000.0, 5000.0, 2500.0}) {
        const double x = plane.temperature.map(t);
        p.drawLine(QPointF(x, area.bottom()), QPointF(x, area.bottom() + 3));
        p.drawText(QRectF(x - 18, area.bottom() + 3, 36, 10), Qt::AlignCenter, PlotNumber(t, 0));
    }
    for (int e = -3; e <= 6; e += 3) {
        const double y = plane.luminosity.map(std::pow(10.0, e));
        p.drawLine(QPointF(area.left() - 3, y), QPointF(area.left(), y));
        p.drawText(QRectF(2, y - 5, area.left() - 6, 10), Qt::AlignRight | Qt::AlignVCenter, Power10(e));
    }
    DrawTitles(p, area, w, h, QCoreApplication::translate("tools::AppPictures", "Surface temperature (K)"),
        {{QPointF(9, area.center().y()), -90, QCoreApplication::translate("tools::AppPictures", "Luminosity (Sun = 1)"),
            std::nullopt}},
        QCoreApplication::translate(
            "tools::AppPictures", "white lines: equal radius, R = \u221aL \u00b7 (5964 K / T)\u00b2"));
}

} // namespace

QImage RadiusRelation(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    const Plane plane(width, height);
    ShadeByRadius(image, plane);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(QPen(QColor(128, 0, 128), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(plane.area.adjusted(0, 0, -1, -1));
    p.setFont(PlotFont(6));
    LabelRadii(p, plane);
    MarkTheSun(p, plane);
    DrawAxes(p, plane, width, height);
    return image;
}

} // namespace app_pictures
