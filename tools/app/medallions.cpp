// The introduction's portraits as engraved medallions: an oval frame holding
// a head and shoulders drawn as a field of darkness, turned into ink by the
// parallel wavy lines of a line engraving (thicker where darker). They are
// drawn, not copied from any photograph: a bearded man of the 1900s in one and
// a clean-shaven man with round spectacles in the other, after the two
// astronomers the diagram is named after.
#include "tools/app/app_pictures.h"
#include "tools/app/drawing.h"

#include <cmath>
#include <numbers>

namespace app_pictures {
namespace {

double InsideEllipse(double x, double y, double cx, double cy, double rx, double ry)
{
    const double dx = (x - cx) / rx, dy = (y - cy) / ry;
    return dx * dx + dy * dy; // < 1 inside
}

// The head: an ellipsoid lit from the upper left, the hair standing a little
// above and beside it.
constexpr double kHeadX = 0, kHeadY = -0.12, kHeadRx = 0.34, kHeadRy = 0.47;

// The background inside the medallion (light, darker towards the rim), the
// coat with its lapels, shirt and tie, and the neck.
double ShouldersDarkness(double x, double y, const Sitter &s)
{
    double dark = 0.1 + 0.18 * Smoothstep(0.3, 1.0, InsideEllipse(x, y, 0, 0, 1, 1));
    const double shoulder = 0.55 + 0.35 * x * x;
    if (y > shoulder) {
        dark = 0.72 + 0.15 * Smoothstep(-0.2, 0.9, x);
        // Lapels: lighter V-shaped edges.
        const double lapel = std::abs(std::abs(x) - (y - 0.45) * 0.55);
        if (lapel < 0.04 && y > 0.6)
            dark = 0.35;
        // Shirt front and collar.
        if (std::abs(x) < (y - 0.52) * 0.5 && y > 0.55)
            dark = 0.06 + 0.08 * Smoothstep(0.6, 1.0, y);
        // Tie.
        if (std::abs(x) < 0.045 + (y - 0.62) * 0.05 && y > 0.62)
            dark = s.spectacles ? 0.85 : 0.6;
        if (s.spectacles && std::abs(y - 0.64) < 0.035 && std::abs(x) < 0.13)
            dark = 0.9; // bow tie
    }
    if (std::abs(x) < 0.14 && y > 0.25 && y <= 0.62 && y <= shoulder + 0.05)
        dark = 0.55 + 0.3 * Smoothstep(-0.05, 0.14, x);
    return dark;
}

// Brows and eyes, and spectacles where the sitter wears them, over `dark`.
double EyesDarkness(double x, double y, const Sitter &s, double dark)
{
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
    return dark;
}

// The face within the head's outline (`e` < 1): the lit skin, the hair with
// its parting, the eyes, the nose, the mouth or moustache and the jaw.
double FaceDarkness(double x, double y, const Sitter &s, double e)
{
    const double nx = (x - kHeadX) / kHeadRx, ny = (y - kHeadY) / kHeadRy;
    const double nz = std::sqrt(std::max(0.0, 1 - nx * nx - ny * ny));
    const double lambert = std::max(0.0, -0.55 * nx - 0.45 * ny + 0.7 * nz);
    double dark = 0.04 + 0.6 * (1 - lambert) * (1 - lambert) + 0.15 * Smoothstep(0.5, 1.0, nx);
    // Hair: cap above the hairline, with a side parting.
    const double hairline = kHeadY - kHeadRy * s.hairline + 0.06 * std::cos(nx * 2.2);
    if (y < hairline || (std::abs(nx) > 0.82 && y < kHeadY + 0.05)) {
        dark = s.hairDarkness + 0.15 * (1 - lambert);
        if (std::abs(x + 0.12) < 0.012 && y < hairline)
            dark = 0.15;
    }
    dark = EyesDarkness(x, y, s, dark);
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
    if (e > 0.86 && y > kHeadY + 0.22)
        dark = 0.85;
    return dark;
}

// Darkness 0 (paper) to 1 (full ink) at the point (x, y) of a unit portrait:
// x from -1 to 1, y from -1 (top) to 1 (bottom).
double Darkness(double x, double y, const Sitter &s)
{
    double dark = ShouldersDarkness(x, y, s);
    if (InsideEllipse(x, y, kHeadX, kHeadY - 0.05, kHeadRx + 0.05, kHeadRy + 0.02) < 1 && y < kHeadY - 0.1)
        dark = s.hairDarkness + 0.1;
    const double e = InsideEllipse(x, y, kHeadX, kHeadY, kHeadRx, kHeadRy);
    // Ears.
    if (InsideEllipse(x, y, -0.36, -0.08, 0.06, 0.11) < 1 || InsideEllipse(x, y, 0.36, -0.08, 0.06, 0.11) < 1)
        dark = 0.45 + 0.2 * Smoothstep(-0.4, 0.4, x);
    if (e < 1)
        dark = FaceDarkness(x, y, s, e);
    return Clamp01(dark);
}

// How much ink lies at (u, v) of the medallion (the oval is the unit circle):
// the portrait engraved with gently waving lines that follow the head's
// roundness, crossed by a second set in the darkest places, inside a frame of
// two lines around a band of fine radial strokes.
double InkAt(double u, double v, const Sitter &s)
{
    const double rim = InsideEllipse(u, v, 0, 0, 1, 1);
    if (rim < 0.86) {
        const double darkness = Darkness(u * 1.1, v * 1.05 + 0.05, s);
        const double phase = (v * 1.05 + 0.06 * std::sin(u * 3.0 + s.seed)
                                 + 0.08 * std::exp(-4 * (u * u + (v + 0.1) * (v + 0.1))) * u * u)
            * 58.0;
        const double stripe = 0.5 + 0.5 * std::cos(phase * std::numbers::pi); // 1 on a line's centre
        double inkAmount = Smoothstep(1.0 - darkness - 0.12, 1.0 - darkness + 0.12, stripe);
        if (darkness > 0.62) {
            const double cross = 0.5 + 0.5 * std::cos((u * 0.8 - v * 0.6) * 52.0 * std::numbers::pi);
            inkAmount = std::max(inkAmount, Smoothstep(1.62 - darkness, 1.85 - darkness, cross));
        }
        return inkAmount;
    }
    if (rim < 0.9)
        return 1; // inner frame line
    if (rim < 0.93)
        return 0;
    if (rim < 1.0) {
        const double angle = std::atan2(v, u);
        return Smoothstep(0.3, 0.7, 0.5 + 0.5 * std::cos(angle * 140));
    }
    if (rim < 1.03)
        return 1; // outer frame line
    return 0;
}

} // namespace

QImage Medallion(int width, int height, const Sitter &sitter)
{
    // Supersampled: drawn at 3x and scaled down for smooth lines.
    const int k = 3, W = width * k, H = height * k;
    QImage big(W, H, QImage::Format_RGB32);
    const QColor paper(246, 238, 220), ink(54, 36, 22);
    const double cx = W / 2.0, cy = H / 2.0, ox = W / 2.0 - 4 * k, oy = H / 2.0 - 4 * k;
    for (int py = 0; py < H; ++py) {
        auto *line = reinterpret_cast<QRgb *>(big.scanLine(py));
        for (int px = 0; px < W; ++px) {
            const double f = Clamp01(InkAt((px - cx) / ox, (py - cy) / oy, sitter));
            line[px] = qRgb(int(paper.red() + (ink.red() - paper.red()) * f),
                int(paper.green() + (ink.green() - paper.green()) * f),
                int(paper.blue() + (ink.blue() - paper.blue()) * f));
        }
    }
    return big.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace app_pictures
