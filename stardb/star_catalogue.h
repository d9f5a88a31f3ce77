// The star catalogue: the table "Star_Q-T" in stars.vlt, an SQLite file beside
// the program, seen through one record set the way the star database window
// browses, adds and deletes. Qt Core and Sql only; no widgets.
#pragma once

#include <QList>
#include <QString>
#include <QVariant>
#include <QtGlobal>

#include <memory>

class QAbstractItemModel;
class QSqlError;

namespace stardb {

inline constexpr const char *kTableName = "Star_Q-T";
// Field names exactly as the catalogue has always spelt them.
inline constexpr const char *kNameField = "Star Name";
inline constexpr const char *kTemperatureField = "Avarage Surface Temperature";
inline constexpr const char *kMagnitudeField = "Absolute Magnitude";

// The catalogue file (platform::kCatalogueFile, stars.vlt) in the given folder.
QString CataloguePath(const QString &folder);

// One record's fields, as the text the window shows and the user typed.
struct StarRecord {
    QString name;
    QString temperature;
    QString magnitude;
    friend bool operator==(const StarRecord &, const StarRecord &) = default;
};

// The role under which a row of the star list keeps its record's bookmark.
inline constexpr int kBookmarkRole = Qt::UserRole;

// A row of the star list: the name and the bookmark of its record.
struct ListEntry {
    qint64 bookmark = -1;
    QString name;
    friend bool operator==(const ListEntry &, const ListEntry &) = default;
};

enum class ErrorKind {
    None,
    Missing, // the file does not exist
    BrokenLink, // a symbolic link that leads to no file or round in a loop
    NotADatabase, // the file is not an SQLite database, or is damaged
    NoTable, // no table Star_Q-T
    MissingField, // the table lacks one of the three fields
    ReadOnly, // a write on a catalogue that can only be read
    NoCurrentRecord, // delete or update with nothing current or pending
    AlreadyDeleted, // the record is gone already (deleted here or by another copy)
    Rejected, // the engine refused the record (an empty name, say)
    Locked, // another program holds the file just now; trying again later may work
    DiskFull, // the disk holding the file is full
    Engine // any other failure of the engine, with its own text
};

struct CatalogueError {
    ErrorKind kind = ErrorKind::None;
    QString reason; // a sentence for the user
};

// What an error of the engine on the catalogue at `path` means for the user.
CatalogueError ErrorFor(const QSqlError &error, const QString &path);

// The bound record set: open, a current record, bookmarks, a pending new
// record, update, refresh, delete and stepping, with end and beginning tests.
// Each record set has a connection of its own; every write is one transaction.
// It keeps the bookmarks of all records and the fields of the current one; the
// names are read as the list shows them, so a catalogue of a hundred thousand
// stars opens, adds and deletes at once. A refresh reads the table again only
// when another program has changed the file since.
class StarRecordSet {
public:
    StarRecordSet();
    ~StarRecordSet();
    StarRecordSet(const StarRecordSet &) = delete;
    StarRecordSet &operator=(const StarRecordSet &) = delete;

    enum class Access { ReadWrite, ReadOnly };

    // Opens an existing catalogue (never creates one) and reads it; the first
    // record becomes current. A catalogue that cannot be written, or that is
    // asked for ReadOnly, is opened for reading only.
    bool open(const QString &path, Access access = Access::ReadWrite);
    void close();
    bool isOpen() const { return !m_connection.isEmpty(); }
    bool isReadOnly() const { return m_readOnly; }
    // Whether records can be added and deleted; if not, lastError() says why.
    bool canWrite();
    QString path() const { return m_path; }

    // All records in table order.
    QList<ListEntry> list() const;
    int recordCount() const { return int(m_ids.size()); }
    // The list of the records for a view, in table order: the name as each
    // row's text, the bookmark under kBookmarkRole. It follows the record set,
    // and reads the names from the file as they are shown.
    QAbstractItemModel *listModel() const;
    // The row of the current record in that list; -1 when nothing is current.
    int currentRow() const { return hasCurrent() ? int(m_position) : -1; }

    // The current record; false (and empty fields) at either end, after a
    // delete, or while a new record is pending.
    bool hasCurrent() const;
    StarRecord current() const;
    qint64 bookmark() const;
    // Makes the record with this bookmark current; a pending record is dropped.
    bool setBookmark(qint64 bookmark);

    // Starts a new, empty record; nothing is written until update().
    void addNew();
    bool isAdding() const { return m_adding; }
    // Drops the pending record; the record current before addNew() is back.
    void cancelUpdate();
    // Writes the pending record with these fields.
    bool update(const StarRecord &record);

    // Re-reads the table; the first record becomes current.
    bool refresh();
    // Removes the current record from the file; nothing is current until the
    // position moves.
    bool deleteCurrent();
    void moveNext();
    void movePrevious();
    // Past the last / before the first record; an empty set is at both ends.
    bool isEOF() const;
    bool isBOF() const;

    const CatalogueError &lastError() const { return m_error; }

private:
    class NameList;
    friend class NameList;

    bool fail(ErrorKind kind, const QString &reason);
    bool failOn(const QSqlError &error);
    bool succeed();
    bool probe();
    // One write in a transaction of its own; notes whether another program
    // wrote to the file since the table was read.
    bool write(const QString &sql, const QList<QVariant> &values, qint64 *rowsAffected, qint64 *newId = nullptr);
    bool readBookmarks();
    int dataVersion() const;
    // The fields of a record; false when the file no longer holds it.
    bool readRecord(qint64 id, StarRecord *record) const;
    // The names of `count` records from row `first` on; "" for one that is gone.
    QStringList readNames(qsizetype first, qsizetype count) const;
    void readCurrent();
    void dropPending();

    QString m_connection;
    QString m_path;
    bool m_readOnly = false;
    QList<qint64> m_ids; // the bookmarks (rowids) of all records, ascending
    StarRecord m_current; // the fields of the record at m_position
    int m_dataVersion = -1; // the file's version as the bookmarks were read
    bool m_changedElsewhere = false; // another program wrote since they were read
    std::unique_ptr<NameList> m_names;
    qsizetype m_position = -1; // -1 before the first record, size() past the last
    bool m_onDeleted = false; // the current record was deleted
    bool m_adding = false;
    qsizetype m_positionBeforeAdd = -1;
    bool m_onDeletedBeforeAdd = false;
    CatalogueError m_error;
};

// Writes a new catalogue file with these records, replacing any file of that
// name only once the new one is complete. For the build's starting catalogue
// and for tests; the program itself never creates the catalogue.
bool WriteCatalogue(const QString &path, const QList<StarRecord> &records, QString *error);

// The table as the starting catalogue defines it: the name is required.
QString CreateTableSql();

} // namespace stardb
