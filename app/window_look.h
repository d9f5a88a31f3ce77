// Small helpers the startup and information windows share: the program
// icon and the labels and pictures of the layouts.
#pragma once

#include <QColor>
#include <QIcon>
#include <QRect>
#include <QString>

class QApplication;
class QFont;
class QLabel;
class QWidget;

namespace app {

// The windows' fixed layouts are drawn for one style and a light palette:
// start-up makes the program use them whatever the desktop prefers, and drops
// a style sheet the desktop handed it.
void UseOwnLook(QApplication &application);

// The program icon in all its sizes.
QIcon ProgramIcon();

// A transparent label at a fixed place, as the layouts give it.
QLabel *PlaceLabel(QWidget *parent, const char *designerName, const QString &text, const QRect &geometry,
    const QColor &colour, const QFont &font);

// The program icon at 32 pixels, at a fixed place.
QLabel *PlaceProgramIcon(QWidget *parent, const QRect &geometry);

// A picture box showing a resource picture at a fixed place.
QLabel *PlacePicture(QWidget *parent, const char *designerName, const QString &resource, const QRect &geometry);

} // namespace app
