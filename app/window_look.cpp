#include "app/window_look.h"

#include "platform/widget_helpers.h"
#include "resources/app/app_resources.h"

#include <QApplication>
#include <QFileInfo>
#include <QImageReader>
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

namespace {

// One size of the program icon, read as PNG by name: left to guess the
// format, the reader would load every image plugin installed just to ask
// it, a large part of the start-up time.
QPixmap IconPicture(const QString &file)
{
    QImageReader reader(file, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

} // namespace

QIcon ProgramIcon()
{
    // The window system is handed every size the icon has when a window is
    // shown, so the large one, meant for the desktop entry, stays out.
    QIcon icon;
    for (const QString &file : res::IconSizes()) {
        const int size = QFileInfo(file).baseName().mid(4).toInt(); // ":/app/icon32.png" -> 32
        if (size <= 64)
            icon.addPixmap(IconPicture(file));
    }
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
    icon->setPixmap(IconPicture(QStringLiteral(":/app/icon32.png")));
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
