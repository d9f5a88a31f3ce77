#include "report/print_data.h"

#include "app/window_registry.h"
#include "platform/common_controls.h"

#include <QDir>
#include <QSaveFile>

namespace report {
namespace {

// The report appears under its name only once it is complete; an existing file
// stays as it was when anything fails. Returns the system's reason on failure.
QString WriteWhole(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
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

} // namespace

void PrintData(QWidget *owner, Variant variant, const ReadOuts &readOuts)
{
    if (readOuts.temperature.isEmpty()) {
        // The main-sequence window's text ends in a blank; the general one's does not.
        const QString text = variant == Variant::General ? QStringLiteral("Click The Image First To Get Data")
                                                         : QStringLiteral("Click The Image First To Get Data ");
        app::MsgBox(owner, text, platform::Buttons::Ok, platform::Icon::Critical, QStringLiteral("Error"));
        return;
    }
    const QString folder = platform::ProgramFolder();
    const QString chosen =
        app::Desktop().saveFileName(owner, {QStringLiteral(" Text files(*.txt)|*.txt"), 1, folder, true});
    if (chosen.isEmpty())
        return;
    // A bare name lands in the program's folder, where the dialog opened.
    const QString path = QDir(folder).absoluteFilePath(chosen);
    const QString failure = WriteWhole(path, ReportText(variant, readOuts));
    if (!failure.isEmpty()) {
        app::MsgBox(owner, QDir::toNativeSeparators(path) + QStringLiteral("\n\n") + failure, platform::Buttons::Ok,
                    platform::Icon::Critical);
        return;
    }
    if (app::MsgBox(owner, QStringLiteral("Open The Printed Data File?"), platform::Buttons::YesNo,
                    platform::Icon::None, QStringLiteral("Info")) == platform::Answer::Yes)
        app::Desktop().shellOpen(owner, path, folder);
}

} // namespace report
