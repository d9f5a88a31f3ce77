// The program icon, as PNG pictures and as an SVG document.
#include "tools/app/app_pictures.h"
#include "tools/app/drawing.h"

#include <QPainter>
#include <QPainterPath>
#include <QTextStream>

#include <cmath>
#include <numbers>
#include <vector>

namespace app_pictures {
namespace {

// The icon is a handful of shapes on a 32-unit grid, drawn by QPainter for the
// PNG sizes and written out as SVG, so both show the same picture: a dark
// sky disc, the diagonal band of the main sequence from hot blue to cool red,
// a few giants in the upper right and a bright star with four rays.
struct IconDot {
    double x, y, r;
    QColor colour;
};

std::vector<IconDot> IconDots()
{
    std::vector<IconDot> dots;
    // Main sequence: from (7,8) to (25,25), hot to cool.
    for (int i = 0; i < 8; ++i) {
        const double f = i / 7.0;
        const double t = 30000 * std::pow(3200.0 / 30000.0, f);
        dots.push_back({7 + 18 * f, 8 + 16 * f + 2.5 * std::sin(f * std::numbers::pi), 2.2 - 1.1 * f, StarColour(t)});
    }
    dots.push_back({22, 10, 1.9, StarColour(4200)}); // giants
    dots.push_back({25.5, 13.5, 1.6, StarColour(3600)});
    dots.push_back({9, 24, 1.0, StarColour(12000)}); // a white dwarf
    return dots;
}

QPainterPath IconSparkle()
{
    // Four-rayed star at (16.5,16.5), the Sun's place on the band.
    QPainterPath path;
    const double cx = 16.5, cy = 16.5, outer = 6.5, inner = 1.4;
    for (int i = 0; i < 8; ++i) {
        const double a = i * std::numbers::pi / 4 - std::numbers::pi / 2;
        const double r = (i % 2 == 0) ? outer : inner;
        const QPointF p(cx + r * std::cos(a), cy + r * std::sin(a));
        if (i == 0)
            path.moveTo(p);
        else
            path.lineTo(p);
    }
    path.closeSubpath();
    return path;
}

const QColor kIconSky(16, 24, 64);
const QColor kIconRim(90, 140, 230);
const QColor kIconSun(255, 232, 120);

} // namespace

QImage Icon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    QRadialGradient sky(QPointF(12, 10), 22);
    sky.setColorAt(0, kIconSky.lighter(160));
    sky.setColorAt(1, kIconSky);
    p.setPen(QPen(kIconRim, 1.2));
    p.setBrush(sky);
    p.drawEllipse(QPointF(16, 16), 15, 15);
    p.setPen(Qt::NoPen);
    for (const IconDot &d : IconDots()) {
        p.setBrush(d.colour);
        p.drawEllipse(QPointF(d.x, d.y), d.r, d.r);
    }
    p.setBrush(kIconSun);
    p.drawPath(IconSparkle());
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(16.5, 16.5), 1.3, 1.3);
    return image;
}

QByteArray IconSvg()
{
    QString svg;
    QTextStream out(&svg);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"32\" height=\"32\" viewBox=\"0 0 32 32\">\n"
        << "  <title>Veltrane</title>\n"
        << "  <defs><radialGradient id=\"sky\" cx=\"12\" cy=\"10\" r=\"22\" gradientUnits=\"userSpaceOnUse\">"
        << "<stop offset=\"0\" stop-color=\"" << kIconSky.lighter(160).name() << "\"/>"
        << "<stop offset=\"1\" stop-color=\"" << kIconSky.name() << "\"/></radialGradient></defs>\n"
        << "  <circle cx=\"16\" cy=\"16\" r=\"15\" fill=\"url(#sky)\" stroke=\"" << kIconRim.name()
        << "\" stroke-width=\"1.2\"/>\n";
    for (const IconDot &d : IconDots())
        out << "  <circle cx=\"" << d.x << "\" cy=\"" << d.y << "\" r=\"" << d.r << "\" fill=\"" << d.colour.name()
            << "\"/>\n";
    const QPainterPath sparkle = IconSparkle();
    out << "  <path fill=\"" << kIconSun.name() << "\" d=\"";
    for (int i = 0; i < sparkle.elementCount(); ++i) {
        const auto e = sparkle.elementAt(i);
        out << (i == 0 ? "M" : " L") << QString::number(e.x, 'f', 3) << "," << QString::number(e.y, 'f', 3);
    }
    out << " Z\"/>\n"
        << "  <circle cx=\"16.5\" cy=\"16.5\" r=\"1.3\" fill=\"#ffffff\"/>\n"
        << "</svg>\n";
    return svg.toUtf8();
}

} // namespace app_pictures
