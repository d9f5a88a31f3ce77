// Small helpers the startup and information windows share: the program
// icon, centring on the screen and the labels of the layouts.
#pragma once

#include <QColor>
#include <QIcon>
#include <QRect>
#include <QString>

class QFont;
class QLabel;
class QWidget;

namespace app {

// The program icon in all its sizes.
QIcon ProgramIcon();

// Moves a top-level window so that it stands in the middle of the screen's
// available area.
void CentreOnScreen(QWidget *window);

// A transparent label at a fixed place, as the layouts give it.
QLabel *PlaceLabel(QWidget *parent, const QString &objectName, const QString &text, const QRect &geometry,
    const QColor &colour, const QFont &font);

// A picture box showing a resource picture at a fixed place.
QLabel *PlacePicture(QWidget *parent, const QString &objectName, const QString &resource, const QRect &geometry);

} // namespace app
