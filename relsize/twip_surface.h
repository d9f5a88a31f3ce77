// A drawing surface measured in twips that keeps what is drawn on it in a
// persistent image, as the relative size window's client area does.
#pragma once

#include <QColor>
#include <QImage>

namespace relsize {

class TwipSurface {
public:
    // A black surface of `width` x `height` pixels (15 twips to a pixel).
    TwipSurface(int width, int height);

    // Size in twips, as the drawing rules read it.
    float scaleWidth() const;
    float scaleHeight() const;

    // The colour inside every circle drawn from now on (the fill is solid).
    void setFillColor(const QColor &colour) { m_fill = colour; }

    // A filled circle with a solid outline one pixel wide; centre and radius
    // in twips. A radius that is not positive draws nothing.
    void circle(float x, float y, float radius, const QColor &outline);

    // Background and everything drawn so far, one pixel per 15 twips.
    const QImage &image() const { return m_image; }

private:
    QImage m_image;
    QColor m_fill = Qt::black;
};

} // namespace relsize
