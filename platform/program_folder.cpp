#include "platform/program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QStandardPaths>

namespace platform {
namespace {

QString &programFolderOverride()
{
    static QString folder;
    return folder;
}

} // namespace

QString HelpFileFor(const QString &language)
{
    return language.isEmpty() ? QString::fromLatin1(kHelpFile) : QStringLiteral("vlt.%1.chm").arg(language);
}

QString HelpPagesFor(const QString &language)
{
    const QString folder = QString::fromLatin1(kHelpPagesFolder);
    return language.isEmpty() ? folder + QStringLiteral("/index.html")
                              : QStringLiteral("%1/%2/index.html").arg(folder, language);
}

QString ProgramFolder()
{
    if (!programFolderOverride().isEmpty())
        return programFolderOverride();
    return QCoreApplication::applicationDirPath();
}

void SetProgramFolder(const QString &folder)
{
    programFolderOverride() = folder;
}

QStringList ProgramOwnFiles()
{
    const QDir folder(ProgramFolder());
    QStringList files = {QCoreApplication::applicationFilePath(), folder.filePath(QString::fromLatin1(kCatalogueFile)),
        folder.filePath(QString::fromLatin1(kFeedbackFile))};
    // vlt.chm and the help in other languages beside it.
    for (const QString &help : folder.entryList({HelpFileFor(QStringLiteral("*"))}, QDir::Files))
        files << folder.filePath(help);
    files << folder.filePath(QString::fromLatin1(kHelpFile));
    // The help's web pages and their pictures.
    QDirIterator pages(
        folder.filePath(QString::fromLatin1(kHelpPagesFolder)), QDir::Files, QDirIterator::Subdirectories);
    while (pages.hasNext())
        files << pages.next();
    const QString userData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (!userData.isEmpty())
        files << QDir(userData).filePath(QString::fromLatin1(kCatalogueFile));
    return files;
}

} // namespace platform
