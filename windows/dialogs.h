// The dialog service: the desktop every window asks for message boxes, the
// save dialog and the shell, and the calls made through it everywhere (a
// message box, the help file, saving into a file the user names).
#pragma once

#include "platform/desktop.h"

#include <QString>

#include <functional>

class QWidget;

namespace windows {

// The real desktop, unless a test installed a scripted one (nullptr puts the
// real one back).
platform::Desktop &Desktop();
void SetDesktop(platform::Desktop *desktop);

// Message box; the title is the program's unless the caller names one.
platform::Answer MsgBox(QWidget *owner, const QString &text, platform::Buttons buttons = platform::Buttons::Ok,
    platform::Icon icon = platform::Icon::None, const QString &title = platform::kAppTitle);

// "Help" everywhere: the shell opens vlt.chm in the program's folder, or the
// help in the user's language beside it (vlt.de.chm) where there is one. Where
// no program opens it, the same help as web pages (help/index.html,
// help/de/index.html) goes to the web browser; where that fails too, a
// message names the help file and what to install.
void OpenHelp(QWidget *owner);
// Opens a file (relative names in the program's folder) with the desktop's
// program for it. Where no program takes it, a message names the file and
// says `install`: what to install to read it. False when it was not opened.
bool OpenDocument(QWidget *owner, const QString &file, const QString &install);

// The save dialog, opening in the program's folder with `filter` and its
// entry `filterIndex` (1-based) chosen and asking before a file is replaced;
// then `write` as platform::SaveWithDialog does it. Returns the path written,
// or an empty string when the user cancelled or the write failed.
QString SaveInProgramFolder(
    QWidget *owner, const QString &filter, int filterIndex, const std::function<QString(const QString &path)> &write);

} // namespace windows
