#include "platform/arbutton.h"

#include <QEnterEvent>

namespace platform {

ARButton::ARButton(const QString &caption, QWidget *parent)
    : QPushButton(caption, parent)
{
    setAutoDefault(false);
    updateCaptionColour();
}

void ARButton::enterEvent(QEnterEvent *event)
{
    m_hovered = true;
    updateCaptionColour();
    QPushButton::enterEvent(event);
}

void ARButton::leaveEvent(QEvent *event)
{
    m_hovered = false;
    updateCaptionColour();
    QPushButton::leaveEvent(event);
}

void ARButton::focusInEvent(QFocusEvent *event)
{
    QPushButton::focusInEvent(event);
    updateCaptionColour();
}

void ARButton::focusOutEvent(QFocusEvent *event)
{
    QPushButton::focusOutEvent(event);
    updateCaptionColour();
}

void ARButton::updateCaptionColour()
{
    QPalette p = palette();
    QColor colour = QPalette().color(QPalette::ButtonText);
    if (m_hovered)
        colour = hoverColor();
    else if (hasFocus())
        colour = focusColor();
    p.setColor(QPalette::ButtonText, colour);
    setPalette(p);
}

} // namespace platform
