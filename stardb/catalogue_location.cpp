#include "stardb/catalogue_location.h"

#include "platform/program_folder.h"
#include "stardb/star_catalogue.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <filesystem>
#include <system_error>

#include <unistd.h>

namespace stardb {
namespace {

CataloguePlace placeAt(const QString &path)
{
    return {path, false, QString()};
}

std::filesystem::path fsPath(const QString &path)
{
    return std::filesystem::path(path.toStdU16String());
}

QString systemText(const std::error_code &error)
{
    return QString::fromLocal8Bit(error.message());
}

// Copies the shipped catalogue into the user's folder as `target`. Nothing
// appears under the target's name until the copy is complete and on disk.
bool copyOnce(const QString &shipped, const QString &folder, const QString &target, QString *reason)
{
    std::error_code error;
    std::filesystem::create_directories(fsPath(folder), error);
    if (error) {
        *reason = systemText(error);
        return false;
    }
    QFile source(shipped);
    if (!source.open(QIODevice::ReadOnly)) {
        *reason = source.errorString();
        return false;
    }
    // Created for the owner to read and write, whatever the shipped file's
    // own bits: an installed file is often read-only.
    QTemporaryFile partial(
        QDir(folder).filePath(QString::fromLatin1(platform::kCatalogueFile) + QStringLiteral(".XXXXXX")));
    if (!partial.open()) {
        *reason = partial.errorString();
        return false;
    }
    char buffer[64 * 1024];
    for (;;) {
        const qint64 got = source.read(buffer, sizeof buffer);
        if (got < 0) {
            *reason = source.errorString();
            return false;
        }
        if (got == 0)
            break;
        if (partial.write(buffer, got) != got) {
            *reason = partial.errorString();
            return false;
        }
    }
    if (!partial.flush()) {
        *reason = partial.errorString();
        return false;
    }
    if (::fsync(partial.handle()) != 0) {
        *reason = systemText(std::error_code(errno, std::system_category()));
        return false;
    }
    // A hard link never replaces a file: should another copy of the program
    // have put its catalogue there meanwhile (and perhaps written to it), that
    // one is kept. The temporary name goes when `partial` does.
    std::filesystem::create_hard_link(fsPath(partial.fileName()), fsPath(target), error);
    if (!error || error == std::errc::file_exists)
        return true;
    // A file system without hard links: rename, which is just as whole.
    std::error_code renameError;
    std::filesystem::rename(fsPath(partial.fileName()), fsPath(target), renameError);
    if (renameError) {
        *reason = systemText(renameError);
        return false;
    }
    partial.setAutoRemove(false);
    return true;
}

} // namespace

bool IsWritableFolder(const QString &folder)
{
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable() && (info.permissions() & QFileDevice::WriteOwner);
}

QStringList InstalledProgramFolders()
{
    QStringList folders;
    for (const char *folder : {VELTRANE_INSTALLED_FOLDER, VELTRANE_PACKAGED_FOLDER}) {
        const QString clean = QDir::cleanPath(QString::fromUtf8(folder));
        if (!folders.contains(clean))
            folders << clean;
    }
    return folders;
}

bool IsInstalledProgramFolder(const QString &programFolder, const QStringList &installedFolders)
{
    // The same folder by another name (/lib/veltrane for /usr/lib/veltrane
    // where /lib links to /usr/lib) is the same folder.
    const auto resolved = [](const QString &folder) {
        const QString canonical = QFileInfo(folder).canonicalFilePath();
        return canonical.isEmpty() ? QDir::cleanPath(QFileInfo(folder).absoluteFilePath()) : canonical;
    };
    if (programFolder.isEmpty())
        return false;
    const QString program = resolved(programFolder);
    for (const QString &installed : installedFolders) {
        if (!installed.isEmpty() && resolved(installed) == program)
            return true;
    }
    return false;
}

CataloguePlace CatalogueLocation(const QString &programFolder, const QString &userDataFolder)
{
    return CatalogueLocation(programFolder, InstalledProgramFolders(), userDataFolder);
}

CataloguePlace CatalogueLocation(
    const QString &programFolder, const QStringList &installedFolders, const QString &userDataFolder)
{
    // The path decides for an installed program, not the write test: root can
    // write into /usr/lib/veltrane, but the file there is the package's.
    const bool beside = !IsInstalledProgramFolder(programFolder, installedFolders) && IsWritableFolder(programFolder);
    return CatalogueLocation(programFolder, beside, userDataFolder);
}

CataloguePlace CatalogueLocation(const QString &programFolder, bool besideProgram, const QString &userDataFolder)
{
    const QString shipped = CataloguePath(programFolder);
    if (besideProgram)
        return placeAt(shipped);
    // Without a copy of their own the user can still browse and plot.
    const auto browseShipped = [&shipped](const QString &reason) {
        return CataloguePlace {shipped, true,
            QCoreApplication::translate(
                "stardb::CatalogueLocation", "%1 It can be browsed and plotted, but no star can be added or deleted.")
                .arg(reason)};
    };
    if (userDataFolder.isEmpty())
        return browseShipped(QCoreApplication::translate(
            "stardb::CatalogueLocation", "There is no folder for your own copy of the star catalogue."));
    const QString copy = CataloguePath(userDataFolder);
    if (QFileInfo::exists(copy))
        return placeAt(copy);
    if (!QFileInfo(shipped).isFile())
        return placeAt(shipped); // opening it says what is wrong
    QString reason;
    if (!copyOnce(shipped, userDataFolder, copy, &reason))
        return browseShipped(
            QCoreApplication::translate("stardb::CatalogueLocation", "The star catalogue cannot be copied to %1 (%2).")
                .arg(QDir::toNativeSeparators(userDataFolder), reason));
    return placeAt(copy);
}

} // namespace stardb
