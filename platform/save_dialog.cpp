#include "platform/save_dialog.h"

#include "platform/common_controls.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QStandardPaths>

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

QStringList ProgramOwnFiles()
{
    const QDir folder(ProgramFolder());
    QStringList files = {QCoreApplication::applicationFilePath(), folder.filePath(QStringLiteral("stars.vlt")),
        folder.filePath(QStringLiteral("fdbk.eml"))};
    // vlt.chm and the help in other languages beside it.
    for (const QString &help : folder.entryList({QStringLiteral("*.chm")}, QDir::Files))
        files << folder.filePath(help);
    files << folder.filePath(QStringLiteral("vlt.chm"));
    // The help's web pages and their pictures.
    QDirIterator pages(folder.filePath(QStringLiteral("help")), QDir::Files, QDirIterator::Subdirectories);
    while (pages.hasNext())
        files << pages.next();
    const QString userData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (!userData.isEmpty())
        files << QDir(userData).filePath(QStringLiteral("stars.vlt"));
    return files;
}

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
