// Small helpers every window uses: its place on the screen, a label's text
// colour and the layouts' twips.
#pragma once

#include <QRect>

class QColor;
class QWidget;

namespace platform {

// The layouts give sizes in twips, 15 to a pixel.
inline constexpr int kTwipsPerPixel = 15;

// Pixels from twips.
constexpr int Px(int twips)
{
    return twips / kTwipsPerPixel;
}
// A rectangle of the layouts (left, top, width, height in twips) in pixels.
constexpr QRect TwipsRect(int left, int top, int width, int height)
{
    return {Px(left), Px(top), Px(width), Px(height)};
}

// Moves a top-level window so that it stands in the middle of the screen's
// available area.
void CentreOnScreen(QWidget *window);

// The colour a label (or any widget) writes its text in.
void SetTextColour(QWidget *widget, const QColor &colour);

} // namespace platform
