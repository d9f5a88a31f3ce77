#include "platform/desktop_programs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMimeDatabase>
#include <QSet>
#include <QStandardPaths>

namespace platform {
namespace {

// The "key=value;value;" lines of each [group] of a desktop-style file.
using Groups = QHash<QString, QHash<QString, QStringList>>;

Groups readGroups(const QString &path)
{
    Groups groups;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return groups;
    QString group;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            group = line.mid(1, line.size() - 2);
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals > 0)
            groups[group][line.left(equals).trimmed()]
                = line.mid(equals + 1).trimmed().split(QLatin1Char(';'), Qt::SkipEmptyParts);
    }
    return groups;
}

QStringList pathList(const char *variable, const QString &fallback)
{
    const QString value = qEnvironmentVariable(variable);
    return (value.isEmpty() ? fallback : value).split(QLatin1Char(':'), Qt::SkipEmptyParts);
}

QString homeFolder(const char *variable, const QString &underHome)
{
    const QString value = qEnvironmentVariable(variable);
    return value.isEmpty() ? QDir::home().filePath(underHome) : value;
}

// The mimeapps.list files, the first the most important.
QStringList mimeappsLists(const DesktopFolders &folders)
{
    QStringList lists;
    for (const QStringList *dirs : {&folders.config, &folders.applications}) {
        for (const QString &dir : *dirs) {
            for (const QString &desktop : folders.desktops)
                lists << QDir(dir).filePath(desktop + QStringLiteral("-mimeapps.list"));
            lists << QDir(dir).filePath(QStringLiteral("mimeapps.list"));
        }
    }
    return lists;
}

// The types a folder's programs name: its mimeinfo.cache, or, where there is
// none, the MimeType line of each of its desktop entries.
QHash<QString, QStringList> typesOfFolder(const QString &folder)
{
    const QString cache = QDir(folder).filePath(QStringLiteral("mimeinfo.cache"));
    if (QFileInfo::exists(cache))
        return readGroups(cache).value(QStringLiteral("MIME Cache"));
    QHash<QString, QStringList> programs;
    const QDir dir(folder);
    for (const QString &entry : dir.entryList({QStringLiteral("*.desktop")}, QDir::Files)) {
        const QHash<QString, QStringList> fields
            = readGroups(dir.filePath(entry)).value(QStringLiteral("Desktop Entry"));
        if (fields.value(QStringLiteral("Hidden")).value(0) == QLatin1String("true"))
            continue;
        for (const QString &type : fields.value(QStringLiteral("MimeType")))
            programs[type] << entry;
    }
    return programs;
}

// A desktop entry id names a file in an applications folder, where a dash
// may stand for a subfolder ("kde4-okular.desktop" is kde4/okular.desktop).
bool isInstalled(const QString &id, const QStringList &applications)
{
    for (const QString &folder : applications) {
        const QDir dir(folder);
        if (QFileInfo(dir.filePath(id)).isFile())
            return true;
        const qsizetype dash = id.indexOf(QLatin1Char('-'));
        if (dash > 0 && QFileInfo(dir.filePath(id.left(dash) + QLatin1Char('/') + id.mid(dash + 1))).isFile())
            return true;
    }
    return false;
}

} // namespace

DesktopFolders SessionDesktopFolders()
{
    DesktopFolders folders;
    folders.config << homeFolder("XDG_CONFIG_HOME", QStringLiteral(".config"))
                   << pathList("XDG_CONFIG_DIRS", QStringLiteral("/etc/xdg"));
    folders.applications
        << QDir(homeFolder("XDG_DATA_HOME", QStringLiteral(".local/share"))).filePath(QStringLiteral("applications"));
    for (const QString &data : pathList("XDG_DATA_DIRS", QStringLiteral("/usr/local/share:/usr/share")))
        folders.applications << QDir(data).filePath(QStringLiteral("applications"));
    for (const QString &desktop : pathList("XDG_CURRENT_DESKTOP", QString()))
        folders.desktops << desktop.toLower();
    return folders;
}

QStringList ProgramsFor(const QStringList &mimeTypes, const DesktopFolders &folders)
{
    QList<Groups> lists;
    for (const QString &list : mimeappsLists(folders))
        lists << readGroups(list);
    QList<QHash<QString, QStringList>> folderTypes;
    for (const QString &folder : folders.applications)
        folderTypes << typesOfFolder(folder);

    QStringList programs;
    for (const QString &type : mimeTypes) {
        QStringList candidates;
        QSet<QString> removed;
        for (const Groups &list : lists) {
            candidates << list.value(QStringLiteral("Default Applications")).value(type)
                       << list.value(QStringLiteral("Added Associations")).value(type);
            for (const QString &id : list.value(QStringLiteral("Removed Associations")).value(type))
                removed.insert(id);
        }
        for (const QHash<QString, QStringList> &types : folderTypes)
            candidates << types.value(type);
        for (const QString &id : candidates)
            if (!removed.contains(id) && !programs.contains(id) && isInstalled(id, folders.applications))
                programs << id;
    }
    return programs;
}

bool HasProgramFor(const QString &path)
{
    const QMimeType type = QMimeDatabase().mimeTypeForFile(path);
    QStringList types = {type.name()};
    types << type.aliases() << type.allAncestors();
    // Every file is a stream of bytes: a program for those is no program for it.
    types.removeAll(QStringLiteral("application/octet-stream"));
    return !ProgramsFor(types, SessionDesktopFolders()).isEmpty();
}

} // namespace platform
