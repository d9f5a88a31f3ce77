// The save dialogs of the program: ask for a name, refuse the program's own
// files, write, and say why when writing fails.
#pragma once

#include "platform/desktop.h"

#include <QStringList>

#include <functional>

namespace platform {

// Whether `path` names one of `files` (the same file by any name: a link, a
// relative path, a second hard link), whether or not it exists yet.
bool IsOneOf(const QString &path, const QStringList &files);

// Asks for a file name in the save dialog (a bare name lands in
// request.folder) and hands the path to `write`, which returns the system's
// reason on failure. A name that is one of the program's own files is refused
// with a message and the dialog comes back. A failed write is reported with
// the path and the reason. Returns the path written, or an empty string when
// the user cancelled or the write failed.
QString SaveWithDialog(Desktop &desktop, QWidget *owner, const SaveRequest &request,
    const std::function<QString(const QString &path)> &write);

} // namespace platform
