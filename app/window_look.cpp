#include "app/window_look.h"

#include "platform/widget_helpers.h"
#include "resources/app/app_resources.h"
#include "resources/pixel_file.h"

#include <QApplication>
#include <QLabel>
#include <QPixmap>
#include <QStyle>
#include <QWidget>

namespace app {

void UseOwnLook(QApplication &application)
{
    // Fusion is Qt's own style, the same on every desktop; it is only made
    // when the desktop chose another, as making a style takes time at start-up.
    if (QApplication::style()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0)
        QApplication::setStyle(QStringLiteral("Fusion"));
    application.setStyleSheet(QString());
    // The texts the layouts colour themselves (dark blue, purple, the live
    // read-outs) are meant for a light window, whatever colours the desktop uses.
    QApplication::setPalette(QApplication::style()->standardPalette());
}

QIcon ProgramIcon()
{
    // The window system is handed every size the icon has when a window is
    // shown. Pixel files: no decoder at start-up.
    QIcon icon;
    for (int size : res::kIconSizes)
        icon.addPixmap(QPixmap::fromImage(resources::ReadPixelFile(res::IconFile(size))));
    return icon;
}

QLabel *PlaceLabel(QWidget *parent, const char *designerName, const QString &text, const QRect &geometry,
    const QColor &colour, const QFont &font)
{
    auto *label = platform::Place<QLabel>(parent, designerName, geometry, text);
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    platform::SetTextColour(label, colour);
    return label;
}

QLabel *PlaceProgramIcon(QWidget *parent, const QRect &geometry)
{
    auto *icon = platform::Place<QLabel>(parent, "Image1", geometry);
    // Only the size shown is read, not the whole icon again.
    icon->setPixmap(QPixmap::fromImage(resources::ReadPixelFile(res::IconFile(32))));
    icon->setAccessibleName(QCoreApplication::translate("app::WindowLook", "Veltrane program icon"));
    return icon;
}

QLabel *PlacePicture(QWidget *parent, const char *designerName, const QString &resource, const QRect &geometry)
{
    auto *picture = platform::Place<QLabel>(parent, designerName, geometry);
    picture->setAlignment(Qt::AlignCenter);
    picture->setPixmap(QPixmap(resource));
    return picture;
}

} // namespace app
