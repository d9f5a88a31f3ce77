// Draws the pictures of the startup, introduction, other-aspects and about
// windows: the program icon (PNG sizes and an SVG), the night-sky background of
// the startup window, the two engraved medallions of the introduction and the
// two relations of the other-aspects window. The relations are drawn from the
// stellar model itself, so they show what the program computes. (The small
// diagram in the introduction text comes from tools/diagram, with the
// diagram pictures.)
//
// Usage: veltrane_app_pictures <output folder>
#include "model/stellar_model.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <optional>
#include <random>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;

QString g_outDir;

bool save(const QImage &image, const QString &name, const char *format, int quality = -1)
{
    QSaveFile file(QDir(g_outDir).filePath(name));
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, format, quality) || !file.commit()) {
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(file.fileName()), qPrintable(file.errorString()));
        return false;
    }
    return true;
}

double clamp01(double v)
{
    return std::clamp(v, 0.0, 1.0);
}

double smoothstep(double e0, double e1, double x)
{
    const double t = clamp01((x - e0) / (e1 - e0));
    return t * t * (3 - 2 * t);
}

// A star's colour from its temperature: red below 3500 K through orange,
// yellow and white to blue-white above 20000 K (the colours the eye gives
// the star classes, not an exact black body).
QColor StarColour(double t)
{
    struct Stop {
        double t;
        int r, g, b;
    };
    static const Stop stops[]
        = {{2500, 255, 90, 40}, {3500, 255, 150, 80}, {5000, 255, 215, 150}, {6000, 255, 245, 220},
            {7500, 250, 250, 255}, {10000, 200, 215, 255}, {20000, 160, 185, 255}, {40000, 140, 170, 255}};
    if (t <= stops[0].t)
        return QColor(stops[0].r, stops[0].g, stops[0].b);
    for (size_t i = 1; i < std::size(stops); ++i) {
        if (t <= stops[i].t) {
            const double f = (t - stops[i - 1].t) / (stops[i].t - stops[i - 1].t);
            auto mix = [f](int a, int b) { return int(std::lround(a + (b - a) * f)); };
            return QColor(
                mix(stops[i - 1].r, stops[i].r), mix(stops[i - 1].g, stops[i].g), mix(stops[i - 1].b, stops[i].b));
        }
    }
    const Stop &last = stops[std::size(stops) - 1];
    return QColor(last.r, last.g, last.b);
}

// ---------------------------------------------------------------- the icon

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
        dots.push_back({7 + 18 * f, 8 + 16 * f + 2.5 * std::sin(f * kPi), 2.2 - 1.1 * f, StarColour(t)});
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
        const double a = i * kPi / 4 - kPi / 2;
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

bool WriteIconSvg()
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
    QSaveFile file(QDir(g_outDir).filePath("icon.svg"));
    if (!file.open(QIODevice::WriteOnly) || file.write(svg.toUtf8()) < 0 || !file.commit()) {
        std::fprintf(stderr, "cannot write icon.svg: %s\n", qPrintable(file.errorString()));
        return false;
    }
    return true;
}

// --------------------------------------------------------- the night sky

// A long-exposure look: deep blue-black sky, a faint milky band crossing from
// lower left to upper right with dark lanes, thousands of faint stars (more
// of them in the band), a few bright ones with a soft glow, and grain.
QImage NightSky(int w, int h)
{
    std::mt19937 rng(19051911);
    std::uniform_real_distribution<double> uni(0.0, 1.0);
    std::normal_distribution<double> grain(0.0, 1.0);

    std::vector<double> r(size_t(w * h)), g(r.size()), b(r.size());
    auto bandDistance = [w, h](double x, double y) {
        // Line through (0, 0.95h) and (w, 0.15h); distance in pixels.
        const double x0 = 0, y0 = 0.95 * h, x1 = w, y1 = 0.15 * h;
        const double dx = x1 - x0, dy = y1 - y0;
        return ((x - x0) * dy - (y - y0) * dx) / std::hypot(dx, dy);
    };
    auto noise = [](double x, double y) {
        // Smooth value noise from a few sines: enough for cloudy structure.
        return 0.5 + 0.18 * std::sin(x * 0.031 + 1.7 * std::sin(y * 0.021))
            + 0.14 * std::sin(y * 0.057 + 0.9 * std::sin(x * 0.043)) + 0.1 * std::sin((x + y) * 0.11)
            + 0.08 * std::sin(x * 0.19 - y * 0.07);
    };
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const size_t i = size_t(y * w + x);
            const double sky = 0.3 + 0.7 * double(y) / h; // darker at the top
            r[i] = 3 + 4 * sky;
            g[i] = 5 + 6 * sky;
            b[i] = 14 + 16 * sky;
            const double d = bandDistance(x, y);
            const double band = std::exp(-(d * d) / (2 * 34.0 * 34.0));
            const double n = noise(x, y);
            const double lane = 1.0 - 0.6 * std::exp(-std::pow((d + 6 - 10 * std::sin(x * 0.02)) / 7.0, 2));
            const double glow = 58 * band * n * lane;
            r[i] += glow * 0.95;
            g[i] += glow * 0.9;
            b[i] += glow * 1.0;
        }
    }
    auto addStar = [&](double cx, double cy, double brightness, const QColor &c, double radius) {
        const int x0 = int(std::floor(cx - 3 * radius)), x1 = int(std::ceil(cx + 3 * radius));
        const int y0 = int(std::floor(cy - 3 * radius)), y1 = int(std::ceil(cy + 3 * radius));
        for (int y = std::max(0, y0); y <= std::min(h - 1, y1); ++y) {
            for (int x = std::max(0, x0); x <= std::min(w - 1, x1); ++x) {
                const double dd = (x - cx) * (x - cx) + (y - cy) * (y - cy);
                const double f = brightness * std::exp(-dd / (2 * radius * radius));
                const size_t i = size_t(y * w + x);
                r[i] += f * c.redF();
                g[i] += f * c.greenF();
                b[i] += f * c.blueF();
            }
        }
    };
    const int count = 2200;
    for (int k = 0; k < count; ++k) {
        double x = uni(rng) * w, y = uni(rng) * h;
        // Half of the stars are drawn towards the band.
        if (uni(rng) < 0.5) {
            const double d = bandDistance(x, y);
            const double pull = 0.75 * uni(rng);
            const double nx = -0.8 * h / std::hypot(double(w), 0.8 * h),
                         ny = -double(w) / std::hypot(double(w), 0.8 * h);
            x -= d * pull * nx;
            y -= d * pull * ny;
        }
        const double m = std::pow(uni(rng), 6.0); // many faint, few bright
        const double t = 3000 + 25000 * std::pow(uni(rng), 2.0);
        addStar(x, y, 25 + 320 * m, StarColour(t), 0.4 + 0.5 * m);
    }
    // A few bright stars with a halo, kept away from the window's texts.
    const struct {
        double x, y, t;
    } bright[] = {{455, 40, 9000}, {30, 110, 4200}, {300, 15, 20000}, {440, 190, 3600}, {20, 180, 11000}};
    for (const auto &s : bright) {
        addStar(s.x, s.y, 500, StarColour(s.t), 0.9);
        addStar(s.x, s.y, 45, StarColour(s.t), 3.5);
    }

    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const size_t i = size_t(y * w + x);
            const double gr = 2.2 * grain(rng);
            line[x] = qRgb(std::clamp(int(r[i] + gr), 0, 255), std::clamp(int(g[i] + gr), 0, 255),
                std::clamp(int(b[i] + gr), 0, 255));
        }
    }
    return image;
}

// ------------------------------------------------------ the two medallions

// The portraits are engraved medallions: an oval frame holding a head and
// shoulders drawn as a field of darkness, turned into ink by the parallel
// wavy lines of a line engraving (thicker where darker). They are drawn, not
// copied from any photograph: they show a bearded man of the 1900s in one and
// a clean-shaven man with round spectacles in the other, after the two
// astronomers the diagram is named after.
struct Sitter {
    bool moustache;
    bool spectacles;
    double hairDarkness;
    double hairline; // how high the hairline stands, in head heights
    double seed;
};

double InsideEllipse(double x, double y, double cx, double cy, double rx, double ry)
{
    const double dx = (x - cx) / rx, dy = (y - cy) / ry;
    return dx * dx + dy * dy; // < 1 inside
}

// Darkness 0 (paper) to 1 (full ink) at the point (x, y) of a unit portrait:
// x from -1 to 1, y from -1 (top) to 1 (bottom).
double Darkness(double x, double y, const Sitter &s)
{
    // Background inside the medallion: light, darker towards the rim.
    double dark = 0.1 + 0.18 * smoothstep(0.3, 1.0, InsideEllipse(x, y, 0, 0, 1, 1));

    // Coat and shoulders.
    const double shoulder = 0.55 + 0.35 * x * x;
    if (y > shoulder) {
        dark = 0.72 + 0.15 * smoothstep(-0.2, 0.9, x);
        // Lapels: lighter V-shaped edges.
        const double lapel = std::abs(std::abs(x) - (y - 0.45) * 0.55);
        if (lapel < 0.04 && y > 0.6)
            dark = 0.35;
        // Shirt front and collar.
        if (std::abs(x) < (y - 0.52) * 0.5 && y > 0.55)
            dark = 0.06 + 0.08 * smoothstep(0.6, 1.0, y);
        // Tie.
        if (std::abs(x) < 0.045 + (y - 0.62) * 0.05 && y > 0.62)
            dark = s.spectacles ? 0.85 : 0.6;
        if (s.spectacles && std::abs(y - 0.64) < 0.035 && std::abs(x) < 0.13)
            dark = 0.9; // bow tie
    }
    // Neck.
    if (std::abs(x) < 0.14 && y > 0.25 && y <= 0.62 && y <= shoulder + 0.05)
        dark = 0.55 + 0.3 * smoothstep(-0.05, 0.14, x);

    // Head: an ellipsoid lit from the upper left, the hair standing a little
    // above and beside it.
    const double hx = 0, hy = -0.12, rx = 0.34, ry = 0.47;
    if (InsideEllipse(x, y, hx, hy - 0.05, rx + 0.05, ry + 0.02) < 1 && y < hy - 0.1)
        dark = s.hairDarkness + 0.1;
    const double e = InsideEllipse(x, y, hx, hy, rx, ry);
    // Ears.
    if (InsideEllipse(x, y, -0.36, -0.08, 0.06, 0.11) < 1 || InsideEllipse(x, y, 0.36, -0.08, 0.06, 0.11) < 1)
        dark = 0.45 + 0.2 * smoothstep(-0.4, 0.4, x);
    if (e < 1) {
        const double nx = (x - hx) / rx, ny = (y - hy) / ry;
        const double nz = std::sqrt(std::max(0.0, 1 - nx * nx - ny * ny));
        const double lambert = std::max(0.0, -0.55 * nx - 0.45 * ny + 0.7 * nz);
        dark = 0.04 + 0.6 * (1 - lambert) * (1 - lambert) + 0.15 * smoothstep(0.5, 1.0, nx);
        // Hair: cap above the hairline, with a side parting.
        const double hairline = hy - ry * s.hairline + 0.06 * std::cos(nx * 2.2);
        if (y < hairline || (std::abs(nx) > 0.82 && y < hy + 0.05)) {
            dark = s.hairDarkness + 0.15 * (1 - lambert);
            if (std::abs(x + 0.12) < 0.012 && y < hairline)
                dark = 0.15;
        }
        // Brows and eyes.
        for (double side : {-1.0, 1.0}) {
            const double ex = 0.14 * side, ey = -0.14;
            if (InsideEllipse(x, y, ex, ey - 0.07, 0.09, 0.022) < 1)
                dark = 0.8;
            if (InsideEllipse(x, y, ex, ey, 0.06, 0.028) < 1)
                dark = 0.95;
            if (InsideEllipse(x, y, ex, ey + 0.04, 0.07, 0.03) < 1 && y > ey + 0.02)
                dark = std::max(dark, 0.4); // shadow under the eye
            if (s.spectacles) {
                const double ring = std::sqrt(InsideEllipse(x, y, ex, ey, 0.11, 0.09));
                if (std::abs(ring - 1) < 0.13)
                    dark = 0.9;
            }
        }
        if (s.spectacles && std::abs(y + 0.15) < 0.012 && std::abs(x) < 0.04)
            dark = 0.9; // bridge
        // Nose: a shadow on its right side and under its tip.
        if (x > 0.0 && x < 0.05 && y > -0.12 && y < 0.08)
            dark = std::max(dark, 0.45 + 0.1 * x / 0.05);
        if (InsideEllipse(x, y, 0.0, 0.1, 0.07, 0.025) < 1)
            dark = std::max(dark, 0.55);
        // Moustache or mouth.
        if (s.moustache) {
            const double my = 0.17 + 0.06 * x * x / 0.04;
            if (std::abs(x) < 0.19 && std::abs(y - my) < 0.045 - 0.1 * std::abs(x) * std::abs(x))
                dark = 0.88;
        }
        if (std::abs(x) < 0.1 && std::abs(y - (0.24 + 0.3 * x * x)) < 0.012)
            dark = 0.8;
        // Jaw line.
        if (e > 0.86 && y > hy + 0.22)
            dark = 0.85;
    }
    (void)s.seed;
    return clamp01(dark);
}

QImage Medallion(int w, int h, const Sitter &s)
{
    // Supersampled: draw at 3x and scale down for smooth lines.
    const int k = 3, W = w * k, H = h * k;
    QImage big(W, H, QImage::Format_RGB32);
    const QColor paper(246, 238, 220), ink(54, 36, 22);
    const double cx = W / 2.0, cy = H / 2.0, ox = W / 2.0 - 4 * k, oy = H / 2.0 - 4 * k;
    for (int py = 0; py < H; ++py) {
        auto *line = reinterpret_cast<QRgb *>(big.scanLine(py));
        for (int px = 0; px < W; ++px) {
            const double u = (px - cx) / ox, v = (py - cy) / oy;
            const double rim = InsideEllipse(u, v, 0, 0, 1, 1);
            double inkAmount = 0;
            if (rim < 0.86) {
                // Inside: the portrait, engraved with gently waving lines that
                // follow the head's roundness.
                const double darkness = Darkness(u * 1.1, v * 1.05 + 0.05, s);
                const double phase = (v * 1.05 + 0.06 * std::sin(u * 3.0 + s.seed)
                                         + 0.08 * std::exp(-4 * (u * u + (v + 0.1) * (v + 0.1))) * u * u)
                    * 58.0;
                const double stripe = 0.5 + 0.5 * std::cos(phase * kPi); // 1 on a line's centre
                inkAmount = smoothstep(1.0 - darkness - 0.12, 1.0 - darkness + 0.12, stripe);
                // A second, crossing set of lines in the darkest places.
                if (darkness > 0.62) {
                    const double cross = 0.5 + 0.5 * std::cos((u * 0.8 - v * 0.6) * 52.0 * kPi);
                    inkAmount = std::max(inkAmount, smoothstep(1.62 - darkness, 1.85 - darkness, cross));
                }
            } else if (rim < 0.9) {
                inkAmount = 1; // inner frame line
            } else if (rim < 0.93) {
                inkAmount = 0;
            } else if (rim < 1.0) {
                // Outer frame: a band of fine radial strokes.
                const double angle = std::atan2(v, u);
                inkAmount = 0.5 + 0.5 * std::cos(angle * 140);
                inkAmount = smoothstep(0.3, 0.7, inkAmount);
            } else if (rim < 1.03) {
                inkAmount = 1; // outer frame line
            }
            const double f = clamp01(inkAmount);
            line[px] = qRgb(int(paper.red() + (ink.red() - paper.red()) * f),
                int(paper.green() + (ink.green() - paper.green()) * f),
                int(paper.blue() + (ink.blue() - paper.blue()) * f));
        }
    }
    return big.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// ----------------------------------------------- plots from the stellar model

// A logarithmic axis: value to pixel between two bounds.
struct LogAxis {
    double lo, hi; // values
    double p0, p1; // pixels for lo and hi
    double map(double v) const
    {
        return p0 + (p1 - p0) * (std::log10(v) - std::log10(lo)) / (std::log10(hi) - std::log10(lo));
    }
    double unmap(double p) const
    {
        return std::pow(10.0, std::log10(lo) + (p - p0) / (p1 - p0) * (std::log10(hi) - std::log10(lo)));
    }
};

QFont PlotFont(double points, bool bold = false)
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

// Temperature - luminosity - radius: the radius the program computes
// (model::RadiusFromLuminosity, plot set) over the temperature-luminosity
// plane, shaded by size, with the lines of equal radius marked.
QImage RadiusRelation(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QRect area(40, 10, w - 50, h - 46);
    const LogAxis tAxis {40000, 2500, double(area.left()), double(area.right())}; // hot on the left
    const LogAxis lAxis {1e-3, 1e6, double(area.bottom()), double(area.top())};
    auto radiusAt = [&](double px, double py) -> std::optional<double> {
        try {
            const double r = model::RadiusFromLuminosity(lAxis.unmap(py), tAxis.unmap(px), model::ConstantSet::Plot);
            if (r > 0)
                return std::log10(r);
        } catch (const model::ModelError &) { }
        return std::nullopt;
    };
    for (int py = area.top(); py <= area.bottom(); ++py) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(py));
        for (int px = area.left(); px <= area.right(); ++px) {
            const auto lr = radiusAt(px, py);
            if (!lr) {
                line[px] = qRgb(225, 225, 225);
                continue;
            }
            // Small stars pale, large stars deep purple.
            const double f = clamp01((*lr + 2) / 5.0);
            QColor c = StarColour(tAxis.unmap(px));
            const double shade = 0.95 - 0.55 * f;
            line[px] = qRgb(int(c.red() * shade * 0.6 + 255 * (1 - f) * 0.25 + 60 * f),
                int(c.green() * shade * 0.6 + 255 * (1 - f) * 0.25),
                int(c.blue() * shade * 0.6 + 255 * (1 - f) * 0.25 + 80 * f));
            // Lines of equal radius where log10 R crosses a whole number.
            const auto right = radiusAt(px + 1, py), below = radiusAt(px, py + 1);
            for (const auto &n : {right, below}) {
                if (n && std::floor(*n) != std::floor(*lr))
                    line[px] = qRgb(255, 255, 255);
            }
        }
    }
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(QPen(QColor(128, 0, 128), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(area.adjusted(0, 0, -1, -1));
    p.setFont(PlotFont(6));
    // Radius labels along the lines, placed where the line meets T = 4500 K or
    // the top edge.
    for (int e = -1; e <= 3; ++e) {
        const double radius = std::pow(10.0, e);
        for (double t : {18000.0, 7000.0, 3400.0}) {
            // L for radius R at T by the relation the model inverts: L = R^2 (T/5964.26)^4.
            double l = radius * radius * std::pow(t / 5964.26, 4);
            const double px = tAxis.map(t), py = lAxis.map(l);
            if (py > area.top() + 8 && py < area.bottom() - 4 && px > area.left() + 10) {
                const QString label = QStringLiteral("%1 R\u2609")
                                          .arg(radius < 1 ? QString::number(radius) : QString::number(radius, 'f', 0));
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
    // The Sun.
    const double sx = tAxis.map(5963), sy = lAxis.map(1.0);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(255, 220, 0));
    p.drawEllipse(QPointF(sx, sy), 3, 3);
    p.drawText(QRectF(sx + 4, sy - 2, 30, 10), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Sun"));
    // Axes.
    p.setPen(Qt::black);
    for (double t : {40000.0, 20000.0, 10000.0, 5000.0, 2500.0}) {
        const double x = tAxis.map(t);
        p.drawLine(QPointF(x, area.bottom()), QPointF(x, area.bottom() + 3));
        p.drawText(QRectF(x - 18, area.bottom() + 3, 36, 10), Qt::AlignCenter, QString::number(t, 'f', 0));
    }
    for (int e = -3; e <= 6; e += 3) {
        const double y = lAxis.map(std::pow(10.0, e));
        p.drawLine(QPointF(area.left() - 3, y), QPointF(area.left(), y));
        p.drawText(QRectF(2, y - 5, area.left() - 6, 10), Qt::AlignRight | Qt::AlignVCenter, Power10(e));
    }
    p.setFont(PlotFont(6.5, true));
    p.drawText(
        QRectF(area.left(), h - 22, area.width(), 10), Qt::AlignCenter, QStringLiteral("Surface temperature (K)"));
    p.save();
    p.translate(9, area.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-60, -6, 120, 10), Qt::AlignCenter, QStringLiteral("Luminosity (Sun = 1)"));
    p.restore();
    p.setFont(PlotFont(6));
    p.drawText(QRectF(0, h - 11, w, 10), Qt::AlignCenter,
        QStringLiteral("white lines: equal radius, R = \u221aL \u00b7 (5964 K / T)\u00b2"));
    return image;
}

// Main sequence: lifetime against mass (model::LifetimeFromMass, plot set)
// and luminosity against mass, sampled through model::MassFromLuminosity.
QImage MassLifetime(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF area(44, 10, w - 88, h - 46);
    // The masses the program can produce: from about 0.44 (the faintest
    // point) to about 38 (the brightest) solar masses.
    const LogAxis mAxis {0.4, 40, area.left(), area.right()};
    const LogAxis yearsAxis {1e7, 1e13, area.bottom(), area.top()};
    const LogAxis lumAxis {1e-2, 1e7, area.bottom(), area.top()};

    // Background: stellar colours along the mass axis, faint.
    for (int px = int(area.left()); px < int(area.right()); ++px) {
        const double m = mAxis.unmap(px);
        // A rough temperature only for the tint: hotter with more mass.
        QColor c = StarColour(5800 * std::pow(m, 0.55));
        c = QColor((c.red() + 3 * 255) / 4, (c.green() + 3 * 255) / 4, (c.blue() + 3 * 255) / 4);
        p.setPen(c);
        p.drawLine(QPointF(px, area.top()), QPointF(px, area.bottom()));
    }
    p.setPen(QPen(QColor(200, 200, 220), 0.6, Qt::DotLine));
    for (int e = 8; e <= 12; ++e) {
        const double y = yearsAxis.map(std::pow(10.0, e));
        p.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
    }
    for (double m : {1.0, 10.0}) {
        const double x = mAxis.map(m);
        p.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
    }

    // Luminosity: walk L on a log scale, take the model's mass for it.
    QPainterPath lum;
    bool first = true;
    for (double e = -2; e <= 7.0001; e += 0.02) {
        const double l = std::pow(10.0, e);
        const double m = model::MassFromLuminosity(l);
        if (m < mAxis.lo || m > mAxis.hi)
            continue;
        const QPointF pt(mAxis.map(m), lumAxis.map(l));
        if (first)
            lum.moveTo(pt);
        else
            lum.lineTo(pt);
        first = false;
    }
    p.setPen(QPen(QColor(220, 120, 0), 1.4, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawPath(lum);

    // Lifetime.
    QPainterPath life;
    first = true;
    for (double x = area.left(); x <= area.right(); x += 1) {
        const double years = model::LifetimeFromMass(mAxis.unmap(x), model::ConstantSet::Plot);
        const QPointF pt(x, yearsAxis.map(years));
        if (first)
            life.moveTo(pt);
        else
            life.lineTo(pt);
        first = false;
    }
    p.setPen(QPen(QColor(0, 0, 255), 2));
    p.drawPath(life);

    // The Sun on both curves.
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(255, 220, 0));
    const double sunYears = model::LifetimeFromMass(1.0, model::ConstantSet::Plot);
    p.drawEllipse(QPointF(mAxis.map(1), yearsAxis.map(sunYears)), 3, 3);
    p.drawEllipse(QPointF(mAxis.map(1), lumAxis.map(1)), 3, 3);
    p.setFont(PlotFont(6));
    p.drawText(QRectF(mAxis.map(1) + 4, yearsAxis.map(sunYears) - 1, 30, 10), Qt::AlignLeft, QStringLiteral("Sun"));

    // Frame and axes.
    p.setBrush(Qt::NoBrush);
    p.setPen(Qt::black);
    p.drawRect(area);
    for (double m : {0.5, 1.0, 2.0, 5.0, 10.0, 20.0, 40.0}) {
        const double x = mAxis.map(m);
        p.drawLine(QPointF(x, area.bottom()), QPointF(x, area.bottom() + 3));
        p.drawText(QRectF(x - 12, area.bottom() + 3, 24, 10), Qt::AlignCenter, QString::number(m));
    }
    p.setPen(QColor(0, 0, 255));
    for (int e = 7; e <= 13; e += 2) {
        const double y = yearsAxis.map(std::pow(10.0, e));
        p.drawLine(QPointF(area.left() - 3, y), QPointF(area.left(), y));
        p.drawText(QRectF(2, y - 5, area.left() - 6, 10), Qt::AlignRight | Qt::AlignVCenter, Power10(e));
    }
    p.setPen(QColor(200, 100, 0));
    for (int e = -2; e <= 6; e += 2) {
        const double y = lumAxis.map(std::pow(10.0, e));
        p.drawLine(QPointF(area.right(), y), QPointF(area.right() + 3, y));
        p.drawText(QRectF(area.right() + 5, y - 5, 40, 10), Qt::AlignLeft | Qt::AlignVCenter, Power10(e));
    }
    p.setFont(PlotFont(6.5, true));
    p.setPen(Qt::black);
    p.drawText(QRectF(area.left(), h - 22, area.width(), 10), Qt::AlignCenter, QStringLiteral("Mass (Sun = 1)"));
    p.save();
    p.setPen(QColor(0, 0, 255));
    p.translate(9, area.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-60, -6, 120, 10), Qt::AlignCenter, QStringLiteral("Lifetime (years)"));
    p.restore();
    p.save();
    p.setPen(QColor(200, 100, 0));
    p.translate(w - 8, area.center().y());
    p.rotate(90);
    p.drawText(QRectF(-60, -6, 120, 10), Qt::AlignCenter, QStringLiteral("Luminosity (Sun = 1)"));
    p.restore();
    p.setFont(PlotFont(6));
    p.setPen(Qt::black);
    p.drawText(QRectF(0, h - 11, w, 10), Qt::AlignCenter,
        QStringLiteral("L = M\u2074 (dashed)     lifetime = 10\u00b9\u00b9 years / M\u00b2\u00b7\u2075"));
    return image;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    g_outDir = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(g_outDir)) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    bool ok = true;
    for (int size : {16, 32, 48, 64, 256})
        ok = save(Icon(size), QStringLiteral("icon%1.png").arg(size), "PNG") && ok;
    ok = WriteIconSvg() && ok;
    ok = save(NightSky(481, 215), QStringLiteral("startup.jpg"), "JPEG", 90) && ok;
    ok = save(Medallion(145, 168, {true, false, 0.7, 0.55, 0.3}), QStringLiteral("portrait_upper.jpg"), "JPEG", 92)
        && ok;
    ok = save(Medallion(145, 168, {false, true, 0.45, 0.75, 1.9}), QStringLiteral("portrait_lower.jpg"), "JPEG", 92)
        && ok;
    ok = save(RadiusRelation(242, 225), QStringLiteral("aspects_radius.png"), "PNG") && ok;
    ok = save(MassLifetime(292, 222), QStringLiteral("aspects_lifetime.png"), "PNG") && ok;
    return ok ? 0 : 1;
}
