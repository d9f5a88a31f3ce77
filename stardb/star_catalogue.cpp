#include "stardb/star_catalogue.h"

#include "platform/program_folder.h"

#include <QAbstractListModel>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <system_error>

namespace stardb {
namespace {

// A second copy of the program may hold the file for a moment while it
// writes. Longer than that, the window would only freeze: a catalogue held
// for longer is reported as in use and opened again at the next action.
constexpr int kBusyTimeoutMs = 1500;

QString quoted(const char *identifier)
{
    return QLatin1Char('"') + QString::fromLatin1(identifier) + QLatin1Char('"');
}

QString recordSql()
{
    return QStringLiteral("SELECT %1, %2, %3 FROM %4 WHERE rowid = ?")
        .arg(quoted(kNameField), quoted(kTemperatureField), quoted(kMagnitudeField), quoted(kTableName));
}

QString insertSql()
{
    return QStringLiteral("INSERT INTO %4 (%1, %2, %3) VALUES (?, ?, ?)")
        .arg(quoted(kNameField), quoted(kTemperatureField), quoted(kMagnitudeField), quoted(kTableName));
}

QString newConnectionName()
{
    static std::atomic<int> counter {0};
    return QStringLiteral("veltrane-stardb-%1").arg(++counter);
}

QString engineText(const QSqlError &error)
{
    QString text = error.databaseText();
    if (text.isEmpty())
        text = error.text();
    return text;
}

// SQLite's primary result codes that the window answers differently.
constexpr int kSqliteBusy = 5, kSqliteLocked = 6, kSqliteCorrupt = 11, kSqliteFull = 13, kSqliteConstraint = 19,
              kSqliteNotADb = 26;

int primaryCode(const QSqlError &error)
{
    return error.nativeErrorCode().toInt() & 0xff;
}

ErrorKind kindOf(const QSqlError &error)
{
    switch (primaryCode(error)) {
    case kSqliteBusy:
    case kSqliteLocked:
        return ErrorKind::Locked;
    case kSqliteCorrupt:
    case kSqliteNotADb:
        return ErrorKind::NotADatabase;
    case kSqliteFull:
        return ErrorKind::DiskFull;
    case kSqliteConstraint:
        return ErrorKind::Rejected;
    default:
        return ErrorKind::Engine;
    }
}

// The engine's own words, with a sentence for the cases a student meets most.
QString reasonFor(const QSqlError &error, const QString &path)
{
    switch (kindOf(error)) {
    case ErrorKind::DiskFull:
        return QCoreApplication::translate("stardb::StarRecordSet",
            "%1\n\nThe star catalogue cannot be changed: the disk it is on is full (%2). Make room on the disk and "
            "try again.")
            .arg(QDir::toNativeSeparators(path), engineText(error));
    case ErrorKind::Locked:
        return QCoreApplication::translate("stardb::StarRecordSet",
            "Another program is using the star catalogue just now (%1). Wait a moment and try "
            "again.")
            .arg(engineText(error));
    case ErrorKind::NotADatabase:
        return QCoreApplication::translate("stardb::StarRecordSet", "It is not a star catalogue (%1).")
            .arg(engineText(error));
    default:
        return engineText(error);
    }
}

// Values that are NULL in the file show as empty text.
QString fieldText(const QVariant &value)
{
    return value.isNull() ? QString() : value.toString();
}

QSqlDatabase openConnection(const QString &name, const QString &path, bool readOnly)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    // Through a URI so that "mode" can forbid SQLite to create a missing file.
    QString uri = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString(QUrl::FullyEncoded);
    uri += readOnly ? QStringLiteral("?mode=ro") : QStringLiteral("?mode=rw");
    db.setDatabaseName(uri);
    QString options = QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs);
    if (readOnly)
        options += QStringLiteral(";QSQLITE_OPEN_READONLY");
    db.setConnectOptions(options);
    db.open();
    return db;
}

// The file's own read-only flag counts even for a user the system would let
// write anyway.
bool isReadOnlyFile(const QFileInfo &info)
{
    return !info.isWritable() || !(info.permissions() & QFileDevice::WriteOwner);
}

// A symbolic link that cannot be followed: round in a loop, or to a file that
// is not there.
QString brokenLinkReason(const QString &path)
{
    std::error_code error;
    (void)std::filesystem::status(std::filesystem::path(path.toStdU16String()), error);
    if (error == std::errc::too_many_symbolic_link_levels)
        return QCoreApplication::translate(
            "stardb::StarRecordSet", "It is a symbolic link that cannot be followed: its links lead round in a loop.");
    return QCoreApplication::translate("stardb::StarRecordSet", "It is a symbolic link to %1, which does not exist.")
        .arg(QDir::toNativeSeparators(QFileInfo(path).symLinkTarget()));
}

} // namespace

// The star list as a view sees it. Names are read a page at a time when a row
// is first shown and kept; a change of rows drops the pages from there on.
class StarRecordSet::NameList final : public QAbstractListModel {
public:
    explicit NameList(const StarRecordSet &records)
        : m_records(records)
    { }

    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : int(m_records.m_ids.size());
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || index.row() >= m_records.m_ids.size())
            return {};
        if (role == kBookmarkRole)
            return m_records.m_ids.at(index.row());
        if (role != Qt::DisplayRole)
            return {};
        const qsizetype page = index.row() / kPageSize;
        auto found = m_pages.constFind(page);
        if (found == m_pages.constEnd()) {
            const qsizetype first = page * kPageSize;
            found
                = m_pages.insert(page, m_records.readNames(first, std::min(kPageSize, m_records.m_ids.size() - first)));
        }
        return found->value(index.row() % kPageSize);
    }

    // The record set changes its rows only through these.
    template <class Change> void insert(qsizetype row, Change change)
    {
        beginInsertRows({}, int(row), int(row));
        change();
        forgetFrom(row);
        endInsertRows();
    }
    template <class Change> void remove(qsizetype row, Change change)
    {
        beginRemoveRows({}, int(row), int(row));
        change();
        forgetFrom(row);
        endRemoveRows();
    }
    template <class Change> void reset(Change change)
    {
        beginResetModel();
        change();
        m_pages.clear();
        endResetModel();
    }

private:
    static constexpr qsizetype kPageSize = 128;

    void forgetFrom(qsizetype row)
    {
        for (auto it = m_pages.begin(); it != m_pages.end();)
            it = it.key() >= row / kPageSize ? m_pages.erase(it) : std::next(it);
    }

    const StarRecordSet &m_records;
    mutable QHash<qsizetype, QStringList> m_pages;
};

QString CataloguePath(const QString &folder)
{
    return QDir(folder).filePath(QString::fromLatin1(platform::kCatalogueFile));
}

QString CreateTableSql()
{
    return QStringLiteral("CREATE TABLE %4 ("
                          "%1 TEXT NOT NULL CHECK (length(trim(%1)) > 0), "
                          "%2 TEXT, "
                          "%3 TEXT)")
        .arg(quoted(kNameField), quoted(kTemperatureField), quoted(kMagnitudeField), quoted(kTableName));
}

StarRecordSet::StarRecordSet()
    : m_names(std::make_unique<NameList>(*this))
{ }

StarRecordSet::~StarRecordSet()
{
    close();
}

bool StarRecordSet::fail(ErrorKind kind, const QString &reason)
{
    m_error = {kind, reason};
    return false;
}

bool StarRecordSet::failOn(const QSqlError &error)
{
    m_error = ErrorFor(error, m_path);
    return false;
}

CatalogueError ErrorFor(const QSqlError &error, const QString &path)
{
    return {kindOf(error), reasonFor(error, path)};
}

bool StarRecordSet::succeed()
{
    m_error = {};
    return true;
}

bool StarRecordSet::open(const QString &path, Access access)
{
    close();
    m_path = path;
    const QFileInfo info(path);
    if (!info.exists() && info.isSymLink())
        return fail(ErrorKind::BrokenLink, brokenLinkReason(path));
    if (!info.exists())
        return fail(
            ErrorKind::Missing, QCoreApplication::translate("stardb::StarRecordSet", "The file does not exist."));
    if (!info.isFile())
        return fail(ErrorKind::NotADatabase, QCoreApplication::translate("stardb::StarRecordSet", "It is not a file."));
    m_readOnly = access == Access::ReadOnly || isReadOnlyFile(info);

    m_connection = newConnectionName();
    {
        QSqlDatabase db = openConnection(m_connection, path, m_readOnly);
        if (!db.isOpen()) {
            const QString text = engineText(db.lastError());
            db = QSqlDatabase();
            close();
            return fail(QFileInfo::exists(path) ? ErrorKind::Engine : ErrorKind::Missing,
                QCoreApplication::translate("stardb::StarRecordSet", "The database engine cannot open it (%1).")
                    .arg(text));
        }
    }
    m_changedElsewhere = true; // nothing read yet
    if (!probe() || !refresh()) {
        const CatalogueError error = m_error;
        close();
        m_error = error;
        return false;
    }
    return true;
}

// SQLite opens any file lazily; the first statement tells whether it is a
// database at all and whether it holds the table with the three fields.
bool StarRecordSet::probe()
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery query(db);
    if (!query.prepare(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = ?")))
        return failOn(query.lastError());
    query.addBindValue(QString::fromLatin1(kTableName));
    if (!query.exec() || !query.next())
        return failOn(query.lastError());
    if (query.value(0).toInt() == 0)
        return fail(ErrorKind::NoTable,
            QCoreApplication::translate("stardb::StarRecordSet", "It has no table %1.").arg(quoted(kTableName)));
    query.finish();

    if (!query.exec(QStringLiteral("PRAGMA table_info(%1)").arg(quoted(kTableName))))
        return failOn(query.lastError());
    QStringList columns;
    while (query.next())
        columns << query.value(1).toString();
    for (const char *field : {kNameField, kTemperatureField, kMagnitudeField})
        if (!columns.contains(QString::fromLatin1(field)))
            return fail(ErrorKind::MissingField,
                QCoreApplication::translate("stardb::StarRecordSet", "Its table %1 has no field %2.")
                    .arg(quoted(kTableName), quoted(field)));
    return succeed();
}

void StarRecordSet::close()
{
    if (!m_connection.isEmpty()) {
        {
            QSqlDatabase db = QSqlDatabase::database(m_connection, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(m_connection);
        m_connection.clear();
    }
    m_names->reset([this] { m_ids.clear(); });
    m_current = {};
    m_dataVersion = -1;
    m_changedElsewhere = false;
    m_position = -1;
    m_onDeleted = false;
    m_adding = false;
    m_readOnly = false;
}

QList<ListEntry> StarRecordSet::list() const
{
    const QStringList names = readNames(0, m_ids.size());
    QList<ListEntry> entries;
    entries.reserve(m_ids.size());
    for (qsizetype i = 0; i < m_ids.size(); ++i)
        entries.append({m_ids.at(i), names.value(i)});
    return entries;
}

QAbstractItemModel *StarRecordSet::listModel() const
{
    return m_names.get();
}

bool StarRecordSet::hasCurrent() const
{
    return !m_adding && !m_onDeleted && m_position >= 0 && m_position < m_ids.size();
}

StarRecord StarRecordSet::current() const
{
    return hasCurrent() ? m_current : StarRecord {};
}

qint64 StarRecordSet::bookmark() const
{
    return hasCurrent() ? m_ids.at(m_position) : -1;
}

bool StarRecordSet::setBookmark(qint64 bookmark)
{
    dropPending();
    const auto found = std::lower_bound(m_ids.cbegin(), m_ids.cend(), bookmark);
    StarRecord fields;
    // A record another program deleted meanwhile is not made current.
    if (found == m_ids.cend() || *found != bookmark || !readRecord(bookmark, &fields))
        return fail(ErrorKind::AlreadyDeleted,
            QCoreApplication::translate("stardb::StarRecordSet", "The record no longer exists."));
    m_position = found - m_ids.cbegin();
    m_onDeleted = false;
    m_current = fields;
    return succeed();
}

bool StarRecordSet::readRecord(qint64 id, StarRecord *record) const
{
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    if (!query.prepare(recordSql()))
        return false;
    query.addBindValue(id);
    if (!query.exec() || !query.next())
        return false;
    *record = {fieldText(query.value(0)), fieldText(query.value(1)), fieldText(query.value(2))};
    return true;
}

QStringList StarRecordSet::readNames(qsizetype first, qsizetype count) const
{
    QStringList names;
    if (count <= 0 || first < 0 || first + count > m_ids.size())
        return names;
    names.reserve(count);
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    const bool read
        = query.prepare(QStringLiteral("SELECT rowid, %1 FROM %2 WHERE rowid BETWEEN ? AND ? ORDER BY rowid")
                            .arg(quoted(kNameField), quoted(kTableName)));
    query.addBindValue(m_ids.at(first));
    query.addBindValue(m_ids.at(first + count - 1));
    bool more = read && query.exec() && query.next();
    // Both run in rowid order; a record gone meanwhile has no name.
    for (qsizetype i = first; i < first + count; ++i) {
        while (more && query.value(0).toLongLong() < m_ids.at(i))
            more = query.next();
        names << (more && query.value(0).toLongLong() == m_ids.at(i) ? fieldText(query.value(1)) : QString());
    }
    return names;
}

void StarRecordSet::readCurrent()
{
    m_current = {};
    if (hasCurrent())
        readRecord(m_ids.at(m_position), &m_current);
}

int StarRecordSet::dataVersion() const
{
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    return query.exec(QStringLiteral("PRAGMA data_version")) && query.next() ? query.value(0).toInt() : -1;
}

bool StarRecordSet::readBookmarks()
{
    // The version first: a write that comes between only makes the next
    // refresh read again.
    const int version = dataVersion();
    QList<qint64> ids;
    {
        QSqlQuery query(QSqlDatabase::database(m_connection, false));
        query.setForwardOnly(true);
        if (!query.exec(QStringLiteral("SELECT rowid FROM %1 ORDER BY rowid").arg(quoted(kTableName))))
            return failOn(query.lastError());
        while (query.next())
            ids.append(query.value(0).toLongLong());
        if (query.lastError().isValid())
            return failOn(query.lastError());
    }
    m_names->reset([this, &ids] { m_ids = std::move(ids); });
    m_dataVersion = version;
    m_changedElsewhere = false;
    return true;
}

void StarRecordSet::addNew()
{
    if (m_adding)
        return;
    m_positionBeforeAdd = m_position;
    m_onDeletedBeforeAdd = m_onDeleted;
    m_adding = true;
}

void StarRecordSet::dropPending()
{
    if (!m_adding)
        return;
    m_adding = false;
    m_position = m_positionBeforeAdd;
    m_onDeleted = m_onDeletedBeforeAdd;
}

void StarRecordSet::cancelUpdate()
{
    dropPending();
}

bool StarRecordSet::canWrite()
{
    if (!isOpen())
        return fail(ErrorKind::Engine,
            QCoreApplication::translate("stardb::StarRecordSet",
                "The star catalogue %1 is not open; no star can be added or "
                "deleted.")
                .arg(QDir::toNativeSeparators(m_path)));
    if (m_readOnly)
        return fail(ErrorKind::ReadOnly,
            QCoreApplication::translate("stardb::StarRecordSet",
                "The star catalogue %1 is read-only; it can be browsed and plotted but not changed.")
                .arg(QDir::toNativeSeparators(m_path)));
    return succeed();
}

bool StarRecordSet::write(const QString &sql, const QList<QVariant> &values, qint64 *rowsAffected, qint64 *newId)
{
    if (!canWrite())
        return false;
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery query(db);
    // The write lock is taken up front so that the busy timeout, not a lock
    // upgrade half-way, settles a race with another copy of the program.
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return failOn(query.lastError());
    // This program's own writes leave the version as it is.
    if (dataVersion() != m_dataVersion)
        m_changedElsewhere = true;
    query.prepare(sql);
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!query.exec()) {
        const QSqlError error = query.lastError();
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        return failOn(error);
    }
    if (rowsAffected)
        *rowsAffected = query.numRowsAffected();
    if (newId)
        *newId = query.lastInsertId().toLongLong();
    query.finish();
    if (!query.exec(QStringLiteral("COMMIT"))) {
        const QSqlError error = query.lastError();
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        return failOn(error);
    }
    return succeed();
}

bool StarRecordSet::update(const StarRecord &record)
{
    if (!m_adding)
        return fail(ErrorKind::NoCurrentRecord,
            QCoreApplication::translate("stardb::StarRecordSet", "There is no new record to save."));
    // Texts are stored as typed; an empty name is left for the table to refuse.
    const QList<QVariant> values = {record.name, record.temperature, record.magnitude};
    qint64 id = -1;
    if (!write(insertSql(), values, nullptr, &id))
        return false;
    m_adding = false;
    m_position = m_positionBeforeAdd;
    m_onDeleted = m_onDeletedBeforeAdd;
    // The new record takes its place in the list without the table being read again.
    const qsizetype row = std::lower_bound(m_ids.cbegin(), m_ids.cend(), id) - m_ids.cbegin();
    m_names->insert(row, [this, row, id] { m_ids.insert(row, id); });
    if (m_position >= row)
        ++m_position;
    return succeed();
}

bool StarRecordSet::refresh()
{
    dropPending();
    if (!isOpen())
        return fail(
            ErrorKind::Engine, QCoreApplication::translate("stardb::StarRecordSet", "The star catalogue is not open."));
    // The list already holds this program's own changes; the table is read
    // again only when another program wrote to it.
    if ((m_changedElsewhere || dataVersion() != m_dataVersion) && !readBookmarks())
        return false;
    m_position = m_ids.isEmpty() ? -1 : 0;
    m_onDeleted = false;
    readCurrent();
    return succeed();
}

bool StarRecordSet::deleteCurrent()
{
    if (m_onDeleted)
        return fail(ErrorKind::AlreadyDeleted,
            QCoreApplication::translate("stardb::StarRecordSet", "The record has already been deleted."));
    if (!hasCurrent())
        return fail(ErrorKind::NoCurrentRecord,
            QCoreApplication::translate("stardb::StarRecordSet", "There is no current record."));
    const qint64 id = m_ids.at(m_position);
    qint64 affected = 0;
    if (!write(QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(quoted(kTableName)), {id}, &affected))
        return false;
    m_names->remove(m_position, [this] { m_ids.removeAt(m_position); });
    m_current = {};
    m_onDeleted = true; // m_position now names the record after the deleted one
    if (affected == 0)
        return fail(ErrorKind::AlreadyDeleted,
            QCoreApplication::translate("stardb::StarRecordSet", "The record has already been deleted."));
    return true;
}

void StarRecordSet::moveNext()
{
    dropPending();
    if (m_onDeleted)
        m_onDeleted = false; // onto the record that followed the deleted one
    else if (m_position < m_ids.size())
        ++m_position;
    readCurrent();
}

void StarRecordSet::movePrevious()
{
    dropPending();
    if (m_onDeleted) {
        m_onDeleted = false;
        --m_position;
    } else if (m_position >= 0) {
        --m_position;
    }
    readCurrent();
}

bool StarRecordSet::isEOF() const
{
    return m_ids.isEmpty() || m_position >= m_ids.size();
}

bool StarRecordSet::isBOF() const
{
    return m_ids.isEmpty() || m_position < 0;
}

bool WriteCatalogue(const QString &path, const QList<StarRecord> &records, QString *error)
{
    const auto failWith = [error](const QString &text) {
        if (error)
            *error = text;
        return false;
    };
    // Built beside the target under another name and renamed when complete.
    const QString partial = path + QStringLiteral(".partial");
    QFile::remove(partial);
    const QString connection = newConnectionName();
    bool ok = false;
    QString text;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(partial);
        if (!db.open()) {
            text = engineText(db.lastError());
        } else {
            QSqlQuery query(db);
            ok = query.exec(QStringLiteral("BEGIN")) && query.exec(CreateTableSql());
            if (ok && query.prepare(insertSql())) {
                for (const StarRecord &record : records) {
                    query.addBindValue(record.name);
                    query.addBindValue(record.temperature);
                    query.addBindValue(record.magnitude);
                    if (!query.exec()) {
                        ok = false;
                        break;
                    }
                }
            } else {
                ok = false;
            }
            ok = ok && query.exec(QStringLiteral("COMMIT"));
            if (!ok)
                text = engineText(query.lastError());
            query.finish();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    if (!ok) {
        QFile::remove(partial);
        return failWith(text);
    }
    // rename() replaces the old file in one step.
    std::error_code renameError;
    std::filesystem::rename(
        std::filesystem::path(partial.toStdU16String()), std::filesystem::path(path.toStdU16String()), renameError);
    if (renameError) {
        QFile::remove(partial);
        return failWith(QString::fromStdString(renameError.message()));
    }
    return true;
}

} // namespace stardb
