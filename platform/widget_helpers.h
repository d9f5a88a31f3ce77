// Small helpers every window uses: its set-up, its controls made at their
// places under their designer names, a label's text colour and the layouts'
// twips.
#pragma once

#include <QRect>
#include <QSize>
#include <QString>

#include <utility>

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

// The start of every window's constructor, before any control is made: the
// common controls initialised and the layouts' dialog font.
void SetUpWindow(QWidget *window);
// Once the layout's size is known: fixed at that size, in the middle of the
// screen's available area.
void FixSizeAndCentre(QWidget *window, QSize size);

// A control of the layouts: made in `parent` from `arguments` (its caption,
// say), named with its designer name and placed at `geometry` (pixels).
template <class Control, class... Arguments>
Control *Place(QWidget *parent, const char *designerName, const QRect &geometry, Arguments &&...arguments)
{
    auto *control = new Control(std::forward<Arguments>(arguments)..., parent);
    control->setObjectName(QString::fromLatin1(designerName));
    control->setGeometry(geometry);
    return control;
}

// The colour a label (or any widget) writes its text in.
void SetTextColour(QWidget *widget, const QColor &colour);

} // namespace platform
