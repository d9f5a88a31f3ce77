#include "platform/whole_file.h"

#include <QSaveFile>

namespace platform {

QString WriteWholeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    // Where no temporary file can be made beside it (a folder the user cannot
    // write holding a file the user can), the file is written in place.
    file.setDirectWriteFallback(true);
    // Unbuffered: a short write shows at once. Through the buffer, a write that
    // fails while commit() flushes still renames the truncated file into place.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    // A short write carries no reason; the next attempt fails with the system's.
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return reason;
        }
        done += written;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

} // namespace platform
