// Files the program writes appear under their name only once complete.
#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// Writes `bytes` to `path` through a temporary file renamed into place; an
// existing file stays untouched when anything fails. Only where the folder
// takes no temporary file is an existing file written in place. Returns the system's
// reason on failure, an empty string on success.
QString WriteWholeFile(const QString &path, const QByteArray &bytes);

} // namespace platform
