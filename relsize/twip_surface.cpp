#include "relsize/twip_surface.h"

#include "platform/widget_helpers.h"

#include <QPainter>

#include <cmath>

namespace relsize {
namespace {

constexpr double kTwipsPerPixel = platform::kTwipsPerPixel;

// Far beyond the corners of any window this surface belongs to: a larger disc
// looks the same on it, and the painter stays away from coordinates that
// overflow its fixed-point rasteriser.
constexpr double kLargestRadius = 1e6;

} // namespace

TwipSurface::TwipSurface(int width, int height)
    : m_image(width, height, QImage::Format_RGB32)
{
    m_image.fill(Qt::black);
}

float TwipSurface::scaleWidth() const
{
    return static_cast<float>(m_image.width() * kTwipsPerPixel);
}
float TwipSurface::scaleHeight() const
{
    return static_cast<float>(m_image.height() * kTwipsPerPixel);
}

void TwipSurface::circle(float x, float y, float radius, const QColor &outline)
{
    if (!(radius > 0) || !std::isfinite(x) || !std::isfinite(y))
        return;
    const double r = std::min<double>(radius, kLargestRadius);
    QPainter painter(&m_image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(outline);
    pen.setWidth(0); // cosmetic: one pixel wide whatever the scale
    painter.setPen(pen);
    painter.setBrush(m_fill);
    painter.scale(1 / kTwipsPerPixel, 1 / kTwipsPerPixel);
    painter.drawEllipse(QPointF(x, y), r, r);
}

} // namespace relsize
