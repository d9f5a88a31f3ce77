#include "platform/save_dialog.h"

#include "platform/program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <filesystem>

namespace platform {
namespace {

// The folder's canonical form and the name: the same place for a file that
// does not exist yet, whichever way its folder was written.
QString placeOf(const QString &path)
{
    const QFileInfo info(path);
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return (folder.isEmpty() ? info.absolutePath() : folder) + QLatin1Char('/') + info.fileName();
}

} // namespace

bool IsOneOf(const QString &path, const QStringList &files)
{
    const std::filesystem::path target(path.toStdU16String());
    const QString place = placeOf(path);
    for (const QString &file : files) {
        std::error_code error;
        if (std::filesystem::equivalent(target, std::filesystem::path(file.toStdU16String()), error))
            return true;
        if (placeOf(file) == place)
            return true;
    }
    return false;
}

QString SaveWithDialog(Desktop &desktop, QWidget *owner, const SaveRequest &request,
    const std::function<QString(const QString &path)> &write)
{
    for (;;) {
        const QString chosen = desktop.saveFileName(owner, request);
        if (chosen.isEmpty())
            return {};
        const QString path = QDir(request.folder).absoluteFilePath(chosen);
        if (IsOneOf(path, ProgramOwnFiles())) {
            desktop.message(owner,
                {QDir::toNativeSeparators(path) + QStringLiteral("\n\n")
                        + QCoreApplication::translate("platform::SaveWithDialog",
                            "This file belongs to Veltrane itself (its star catalogue, the program or its help) and "
                            "cannot be replaced. Please choose another name."),
                    kAppTitle, Icon::Exclamation, Buttons::Ok});
            continue;
        }
        const QString failure = write(path);
        if (!failure.isEmpty()) {
            desktop.message(owner,
                {QDir::toNativeSeparators(path) + QStringLiteral("\n\n") + failure, kAppTitle, Icon::Critical,
                    Buttons::Ok});
            return {};
        }
        return path;
    }
}

} // namespace platform
