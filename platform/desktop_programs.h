// Which programs of the desktop open a file, by the freedesktop.org rules the
// desktops share: the file's MIME type, the mimeapps.list files of the user,
// the system and the desktop (defaults, added and removed associations), and
// the types each program's desktop entry names (through mimeinfo.cache where
// the folder has one).
#pragma once

#include <QStringList>

namespace platform {

struct DesktopFolders {
    QStringList config; // $XDG_CONFIG_HOME, then each of $XDG_CONFIG_DIRS
    QStringList applications; // $XDG_DATA_HOME/applications, then each of $XDG_DATA_DIRS
    QStringList desktops; // $XDG_CURRENT_DESKTOP, in lower case ("gnome", "kde")
};

// The folders of this user's session, with the defaults the rules give.
DesktopFolders SessionDesktopFolders();

// The desktop entries ("xchm.desktop") that open files of these MIME types,
// in the order given; empty when no installed program does.
QStringList ProgramsFor(const QStringList &mimeTypes, const DesktopFolders &folders);

// Whether a program of this session opens the file: one for its type, or for
// a type it is a kind of (a mail message is plain text too).
bool HasProgramFor(const QString &path);

} // namespace platform
