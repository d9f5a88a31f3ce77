#include "platform/widget_helpers.h"

#include "platform/common_controls.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace platform {

void SetUpWindow(QWidget *window)
{
    InitCommonControls();
    window->setFont(DialogFont());
}

void FixSizeAndCentre(QWidget *window, QSize size)
{
    window->setFixedSize(size);
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    window->move(available.center() - QPoint(window->width() / 2, window->height() / 2));
}

void SetTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

} // namespace platform
