// The startup window's night sky: a long-exposure look, a deep blue-black sky,
// a faint milky band crossing from lower left to upper right with dark lanes,
// thousands of faint stars (more of them in the band), a few bright ones with
// a soft glow, and grain.
#include "tools/app/app_pictures.h"
#include "tools/app/drawing.h"

#include <cmath>
#include <random>
#include <vector>

namespace app_pictures {
namespace {

// The sky's light, one value per pixel and colour, before it becomes a picture.
struct SkyLight {
    int w, h;
    std::vector<double> r, g, b;

    SkyLight(int width, int height)
        : w(width)
        , h(height)
        , r(size_t(width * height))
        , g(r.size())
        , b(r.size())
    { }

    // A star as a Gaussian spot of `brightness` and `radius` pixels.
    void addStar(double cx, double cy, double brightness, const QColor &c, double radius)
    {
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
    }
};

// Distance in pixels from the band's middle line, through (0, 0.95h) and (w, 0.15h).
double BandDistance(int w, int h, double x, double y)
{
    const double x0 = 0, y0 = 0.95 * h, x1 = w, y1 = 0.15 * h;
    const double dx = x1 - x0, dy = y1 - y0;
    return ((x - x0) * dy - (y - y0) * dx) / std::hypot(dx, dy);
}

// Smooth value noise from a few sines: enough for cloudy structure.
double Clouds(double x, double y)
{
    return 0.5 + 0.18 * std::sin(x * 0.031 + 1.7 * std::sin(y * 0.021))
        + 0.14 * std::sin(y * 0.057 + 0.9 * std::sin(x * 0.043)) + 0.1 * std::sin((x + y) * 0.11)
        + 0.08 * std::sin(x * 0.19 - y * 0.07);
}

// The sky, darker at the top, and the cloudy band with its dark lane.
void PaintMilkyWay(SkyLight &sky)
{
    const int w = sky.w, h = sky.h;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const size_t i = size_t(y * w + x);
            const double level = 0.3 + 0.7 * double(y) / h; // darker at the top
            sky.r[i] = 3 + 4 * level;
            sky.g[i] = 5 + 6 * level;
            sky.b[i] = 14 + 16 * level;
            const double d = BandDistance(w, h, x, y);
            const double band = std::exp(-(d * d) / (2 * 34.0 * 34.0));
            const double n = Clouds(x, y);
            const double lane = 1.0 - 0.6 * std::exp(-std::pow((d + 6 - 10 * std::sin(x * 0.02)) / 7.0, 2));
            const double glow = 58 * band * n * lane;
            sky.r[i] += glow * 0.95;
            sky.g[i] += glow * 0.9;
            sky.b[i] += glow * 1.0;
        }
    }
}

// Many faint stars, half of them drawn towards the band, then a few bright
// ones with a halo, kept away from the window's texts.
void ScatterStars(SkyLight &sky, std::mt19937 &rng)
{
    const int w = sky.w, h = sky.h;
    std::uniform_real_distribution<double> uni(0.0, 1.0);
    const int count = 2200;
    for (int k = 0; k < count; ++k) {
        double x = uni(rng) * w, y = uni(rng) * h;
        if (uni(rng) < 0.5) {
            const double d = BandDistance(w, h, x, y);
            const double pull = 0.75 * uni(rng);
            const double nx = -0.8 * h / std::hypot(double(w), 0.8 * h),
                         ny = -double(w) / std::hypot(double(w), 0.8 * h);
            x -= d * pull * nx;
            y -= d * pull * ny;
        }
        const double m = std::pow(uni(rng), 6.0); // many faint, few bright
        const double t = 3000 + 25000 * std::pow(uni(rng), 2.0);
        sky.addStar(x, y, 25 + 320 * m, StarColour(t), 0.4 + 0.5 * m);
    }
    const struct {
        double x, y, t;
    } bright[] = {{455, 40, 9000}, {30, 110, 4200}, {300, 15, 20000}, {440, 190, 3600}, {20, 180, 11000}};
    for (const auto &s : bright) {
        sky.addStar(s.x, s.y, 500, StarColour(s.t), 0.9);
        sky.addStar(s.x, s.y, 45, StarColour(s.t), 3.5);
    }
}

// The light as a picture, with the grain of a long exposure.
QImage WithGrain(const SkyLight &sky, std::mt19937 &rng)
{
    std::normal_distribution<double> grain(0.0, 1.0);
    QImage image(sky.w, sky.h, QImage::Format_RGB32);
    for (int y = 0; y < sky.h; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < sky.w; ++x) {
            const size_t i = size_t(y * sky.w + x);
            const double gr = 2.2 * grain(rng);
            line[x] = qRgb(std::clamp(int(sky.r[i] + gr), 0, 255), std::clamp(int(sky.g[i] + gr), 0, 255),
                std::clamp(int(sky.b[i] + gr), 0, 255));
        }
    }
    return image;
}

} // namespace

QImage NightSky(int width, int height)
{
    std::mt19937 rng(19051911);
    SkyLight sky(width, height);
    PaintMilkyWay(sky);
    ScatterStars(sky, rng);
    return WithGrain(sky, rng);
}

} // namespace app_pictures
