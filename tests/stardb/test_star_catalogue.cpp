// The star catalogue's record set on fresh temporary copies: order, bookmarks,
// adding, deleting, stepping, the failures of opening, read-only files, two
// copies writing at once, and the catalogue that ships with the program; and
// where the catalogue lives: beside the program or in the user's own copy.
#include "model/number_format.h"
#include "model/stellar_model.h"
#include "platform/program_folder.h"
#include "stardb/catalogue_location.h"
#include "stardb/catalogue_numbers.h"
#include "stardb/star_catalogue.h"
#include "tools/diagram/real_stars.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <map>
#include <memory>
#include <thread>

using namespace stardb;

Q_DECLARE_METATYPE(stardb::ErrorKind)

namespace {

// The starting catalogue's rows as the build reads them: name, temperature,
// magnitude, type, Hipparcos number, then the source (which may hold commas).
QList<QStringList> shippedRows()
{
    QList<QStringList> rows;
    QFile csv(QStringLiteral(VELTRANE_STARS_CSV));
    if (!csv.open(QIODevice::ReadOnly | QIODevice::Text))
        return rows;
    while (!csv.atEnd()) {
        const QString line = QString::fromUtf8(csv.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList fields = line.split(QLatin1Char(','));
        if (fields.size() >= 6)
            rows.append(fields);
    }
    return rows;
}

const QList<StarRecord> kFixture = {
    {QStringLiteral("Alpha"), QStringLiteral("1000"), QStringLiteral("1.0")},
    {QStringLiteral("Beta"), QStringLiteral("2000"), QStringLiteral("2.0")},
    {QStringLiteral("Gamma"), QStringLiteral("3000"), QStringLiteral("3.0")},
};

QStringList names(const StarRecordSet &set)
{
    QStringList result;
    for (const ListEntry &entry : set.list())
        result << entry.name;
    return result;
}

// What is in the file, read by a record set of its own.
QStringList namesInFile(const QString &path)
{
    StarRecordSet reader;
    if (!reader.open(path))
        return {QStringLiteral("<cannot open: %1>").arg(reader.lastError().reason)};
    return names(reader);
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

const QFileDevice::Permissions kReadOnlyFolder = QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup
    | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;
const QFileDevice::Permissions kWritableFolder = kReadOnlyFolder | QFileDevice::WriteOwner;

// Runs SQL on a file directly, for fixtures the record set must refuse.
bool execOn(const QString &path, const QStringList &statements)
{
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fixture"));
        db.setDatabaseName(path);
        ok = db.open();
        QSqlQuery query(db);
        for (const QString &sql : statements)
            ok = ok && query.exec(sql);
        query.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fixture"));
    return ok;
}

} // namespace

class TestStarCatalogue : public QObject {
    Q_OBJECT
private slots:
    void init();

    // Browsing
    void opensInTableOrderWithFirstCurrent();
    void bookmarkMakesItsRecordCurrent();
    void steppingReachesBothEnds();
    void emptyTableIsAtBothEnds();

    // Adding
    void addThenRefreshShowsFirstRecord();
    void cancelledAddWritesNothing();
    void movingWhileAddingDropsThePendingRecord();
    void emptyNameIsRejectedByTheTable_data();
    void emptyNameIsRejectedByTheTable();
    void textsAreStoredAsTyped();

    // Deleting
    void deleteThenRefreshShowsFirstRemaining_data();
    void deleteThenRefreshShowsFirstRemaining();
    void stepAfterDelete_data();
    void stepAfterDelete();
    void deletingTheOnlyRecordLeavesBothEnds();
    void deletingTwiceIsAlreadyDeleted();
    void recordDeletedByAnotherCopyIsAlreadyDeleted();
    void listFollowsThisCopyAndTheOther();

    // Opening
    void openFailures_data();
    void openFailures();
    void engineErrorsSayWhatTheyMean_data();
    void engineErrorsSayWhatTheyMean();
    void readOnlyFileBrowsesButRefusesWrites();
    void closingRemovesTheConnection();

    // Two copies of the program on one file
    void concurrentAddsLoseNothing();

    // Writing a whole catalogue (the build's starting one)
    void writingReplacesTheWholeFile();

    // The catalogue built beside the program
    void shippedCatalogue();
    void shippedStarsLieOnTheDiagram();
    void shippedStarsAgreeWithTheRealStars();
    void shippedMagnitudesFollowFromTheirSources();

    // Numbers kept with a point, shown with the user's separator
    void shownNumber_data();
    void shownNumber();
    void storedNumber_data();
    void storedNumber();

    // Where the catalogue lives
    void location_data();
    void location();
    void readOnlyProgramFolderUsesTheUserCopy();
    void installedProgramUsesTheUserCopyWhoeverRunsIt();
    void userCopyOfAReadOnlyShippedFileCanBeWritten();
    void failedCopyLeavesTheShippedCatalogueToBrowse();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
};

void TestStarCatalogue::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_path = CataloguePath(m_dir->path());
    QString error;
    QVERIFY2(WriteCatalogue(m_path, kFixture, &error), qPrintable(error));
}

void TestStarCatalogue::opensInTableOrderWithFirstCurrent()
{
    StarRecordSet set;
    QVERIFY2(set.open(m_path), qPrintable(set.lastError().reason));
    QVERIFY(!set.isReadOnly());
    QCOMPARE(names(set), (QStringList {"Alpha", "Beta", "Gamma"}));
    QVERIFY(set.hasCurrent());
    QCOMPARE(set.current(), kFixture.at(0));
    QVERIFY(!set.isBOF());
    QVERIFY(!set.isEOF());
}

void TestStarCatalogue::bookmarkMakesItsRecordCurrent()
{
    StarRecordSet set;
    QVERIFY(set.open(m_path));
    const QList<ListEntry> list = set.list();
    QCOMPARE(list.size(), 3);
    for (int i : {2, 0, 1}) {
        QVERIFY(set.setBookmark(list.at(i).bookmark));
        QCOMPARE(set.current(), kFixture.at(i));
        QCOMPARE(set.bookmark(), list.at(i).bookmark);
    }
    QVERIFY(!set.setBookmark(9999));
    QCOMPARE(set.current(), kFixture.at(1)); // an unknown bookmark leaves the position
}

void TestStarCatalogue::steppingReachesBothEnds()
{
    StarRecordSet set;
    QVERIFY(set.open(m_path));
    set.moveNext();
    set.moveNext();
    QCOMPARE(set.current().name, QStringLiteral("Gamma"));
    set.moveNext();
    QVERIFY(set.isEOF());
    QVERIFY(!set.hasCurrent());
    QCOMPARE(set.current(), StarRecord {});
    set.moveNext(); // stays past the end
    set.movePrevious();
    QCOMPARE(set.current().name, QStringLiteral("Gamma"));
    set.movePrevious();
    set.movePrevious();
    set.movePrevious();
    QVERIFY(set.isBOF());
    QVERIFY(!set.isEOF());
    set.moveNext();
    QCOMPARE(set.current().name, QStringLiteral("Alpha"));
}

void TestStarCatalogue::emptyTableIsAtBothEnds()
{
    QVERIFY(WriteCatalogue(m_path, {}, nullptr));
    StarRecordSet set;
    QVERIFY(set.open(m_path));
    QVERIFY(set.isEOF());
    QVERIFY(set.isBOF());
    QVERIFY(set.list().isEmpty());
    QCOMPARE(set.current(), StarRecord {});
    QCOMPARE(set.deleteCurrent(), false);
    QCOMPARE(set.lastError().kind, ErrorKind::NoCurrentRecord);
}

void TestStarCatalogue::addThenRefreshShowsFirstRecord()
{
    StarRecordSet set;
    QVERIFY(set.open(m_path));
    set.moveNext(); // Beta
    set.addNew();
    QVERIFY(set.isAdding());
    QCOMPARE(set.current(), StarRecord {});
    const StarRecord delta {QStringLiteral("Delta"), QStringLiteral("4000"), QStringLiteral("-4.5")};
    QVERIFY2(set.update(delta), qPrintable(set.lastError().reason));
    QVERIFY(!set.isAdding());
    QVERIFY(set.refresh());
    QCOMPARE(set.current(), kFixture.at(0));
    QCOMPARE(names(set), (QStringList {"Alpha", "Beta", "Gamma", "Delta"}));
    QCOMPARE(namesInFile(m_path), names(set));
    QVERIFY(set.setBookmark(set.list().last().bookmark));
    QCOMPARE(set.current(), delta);
}

void TestStarCatalogue::cancelledAddWritesNothing()
{
    StarRecordSet set;
    QVERIFY(set.open(m_path));
    set.moveNext();
    set.addNew();
    set.cancelUpdate();
    QVERIFY(!set.isAdding());
    QCOMPARE(set.current(), kFixture.at(1)); // back where it was
    QCOMPARE(set.update(kFixture.at(0)), false); // nothing pending any more
    QCOMPARE(set.lastError().kind, ErrorKind::NoCurrentRecord);
    QCOMPARE(namesInFile(m_path), (QStringList {"Alpha", "Beta", "Gamma"}));
}

void TestStarCatalogue::movingWhileAddingDropsThePendingRecord()
{
    StarRecordSet set;
    QVERIFY(set.open(m_path));
    set.addNew();
    QVERIFY(set.setBookmark(set.list().at(2).bookmark));
    QVERIFY(!set.isAdding());
    QCOMPARE(set.current(), kFixture.at(2));
    set.addNew();
    QVERIFY(set.refresh());
    QVERIFY(!set.isAdding());
    QCOMPARE(set.recordCount(), 3);
}

void TestStarCatalogue::emptyNameIsRejectedByTheTable_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("empty") << QString();
    QTest::newRow("blanks") << QStringLiteral("   ");
}

void TestStarCatalogue::emptyNameIsRejectedByTheTable()
{
    QFETCH(QString, name);
    StarRecordSet set;
    QVERIFY(set.open(m_path));
    set.addNew();
    QCOMPARE(set.update({name, QStringLiteral("5000"), QStringLiteral("1")}), false);
    QCOMPARE(set.lastError().kind, ErrorKind::Rejected);
    QVERIFY(set.isAdding()); // still pending: the window decides what becomes of it
    QCOMPARE(namesInFile(m_path), (QStringList {"Alpha", "Beta", "Gamma"}));
    // A failed write leaves no transaction open behind it.
    QVERIFY2(set.update({QStringLiteral("Epsilon"), {}, {}}), qPrintable(set.lastError().reason));
}

void TestStarCatalogue::textsAreStoredAsTyped()
{
    StarRecordSet set;
    QVERIFY(set.open(m_path));
    set.addNew();
    const StarRecord typed {QStringLiteral("  Odd  "), QStringLiteral("hot"), QString()};
    QVERIFY(set.update(typed));
    QVERIFY(set.refresh());
    QVERIFY(set.setBookmark(set.list().last().bookmark));
    QCOMPARE(set.current(), typed);
    set.addNew();
    const StarRecord leadingZero {QStringLiteral("Zero"), QStringLiteral("05000"), QStringLiteral("1.50")};
    QVERIFY(set.update(leadingZero));
    QVERIFY(set.refresh());
    QVERIFY(set.setBookmark(set.list().last().bookmark));
    QCOMPARE(set.current(), leadingZero); // text, not a number turned back into text
}

void TestStarCatalogue::deleteThenRefreshShowsFirstRemaining_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("remaining");
    QTest::newRow("first") << 0 << QStringList {"Beta", "Gamma"};
    QTest::newRow("middle") << 1 << QStringList {"Alpha", "Gamma"};
    QTest::newRow("last") << 2 << QStringList {"Alpha", "Beta"};
}

void TestStarCatalogue::deleteThenRefreshShowsFirstRemaining()
{
    QFETCH(int, index);
    QFETCH(QStringList, remaining);
    StarRecordSet set;
    QVERIFY(set.open(m_path));
    QVERIFY(set.setBookmark(set.list().at(index).bookmark));
    QVERIFY2(set.deleteCurrent(), qPrintable(set.lastError().reason));
    QVERIFY(!set.hasCurrent());
    QVERIFY(set.refresh());
    QCOMPARE(names(set), remaining);
    QCOMPARE(set.current().name, remaining.first());
    QVERIFY(!set.isEOF());
    QCOMPARE(namesInFile(m_path), remaining);
}

void TestStarCatalogue::stepAfterDelete_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("forward");
    QTest::addColumn<QString>("expected"); // "" = at an end
    QTest::newRow("middle, next") << 1 << true << "Gamma";
    QTest::newRow("middle, previous") << 1 << false << "Alpha";
    QTest::newRow("last, next") << 2 << true << "";
    QTest::newRow("first, previous") << 0 << false << "";
}

void TestStarCatalogue::stepAfterDelete()
{
    QFETCH(int, index);
    QFETCH(bool, forward);
    QFETCH(QString, expected);
    StarRecordSet set;
    QVERIFY(set.open(m_path));
    QVERIFY(set.setBookmark(set.list().at(index).bookmark));
    QVERIFY(set.deleteCurrent());
    forward ? set.moveNext() : set.movePrevious();
    QCOMPARE(set.current().name, expected);
    if (expected.isEmpty())
        QVERIFY(forward ? set.isEOF() : set.isBOF());
}

void TestStarCatalogue::deletingTheOnlyRecordLeavesBothEnds()
{
    QVERIFY(WriteCatalogue(m_path, {kFixture.at(0)}, nullptr));
    StarRecordSet set;
    QVERIFY(set.open(m_path));
    QVERIFY(set.deleteCurrent());
    QVERIFY(set.refresh());
    QVERIFY(set.isEOF());
    QVERIFY(set.isBOF());
    QCOMPARE(namesInFile(m_path), QStringList {});
}

void TestStarCatalogue::deletingTwiceIsAlreadyDeleted()
{
    StarRecordSet set;
    QVERIFY(set.open(m_path));
    QVERIFY(set.deleteCurrent());
    QCOMPARE(set.deleteCurrent(), false);
    QCOMPARE(set.lastError().kind, ErrorKind::AlreadyDeleted);
    QCOMPARE(namesInFile(m_path), (QStringList {"Beta", "Gamma"}));
}

void TestStarCatalogue::recordDeletedByAnotherCopyIsAlreadyDeleted()
{
    StarRecordSet mine;
    StarRecordSet theirs;
    QVERIFY(mine.open(m_path));
    QVERIFY(theirs.open(m_path));
    QVERIFY(theirs.deleteCurrent()); // Alpha, behind my back
    QCOMPARE(mine.current().name, QStringLiteral("Alpha"));
    QCOMPARE(mine.deleteCurrent(), false);
    QCOMPARE(mine.lastError().kind, ErrorKind::AlreadyDeleted);
    QVERIFY(mine.refresh());
    QCOMPARE(names(mine), (QStringList {"Beta", "Gamma"}));
    QCOMPARE(mine.current().name, QStringLiteral("Beta"));
}

// The list a view shows: the names with their bookmarks, kept up to date by
// this copy's own adds and deletes, and read again when a refresh finds that
// another copy wrote.
void TestStarCatalogue::listFollowsThisCopyAndTheOther()
{
    const auto shown = [](const StarRecordSet &set) {
        const QAbstractItemModel *model = set.listModel();
        QList<ListEntry> rows;
        for (int row = 0; row < model->rowCount(); ++row)
            rows.append({model->index(row, 0).data(kBookmarkRole).toLongLong(),
                model->index(row, 0).data(Qt::DisplayRole).toString()});
        return rows;
    };
    StarRecordSet mine;
    StarRecordSet theirs;
    QVERIFY(mine.open(m_path));
    QVERIFY(theirs.open(m_path));
    QCOMPARE(shown(mine), mine.list());
    mine.moveNext(); // Beta
    QCOMPARE(mine.currentRow(), 1);
    QVERIFY(mine.deleteCurrent());
    QCOMPARE(mine.currentRow(), -1);
    mine.addNew();
    QVERIFY(mine.update({QStringLiteral("Delta"), QStringLiteral("4000"), QStringLiteral("4")}));
    QCOMPARE(shown(mine), mine.list());
    QCOMPARE(names(mine), (QStringList {"Alpha", "Gamma", "Delta"}));
    QVERIFY(mine.refresh());
    QCOMPARE(mine.currentRow(), 0);

    theirs.addNew();
    QVERIFY(theirs.update({QStringLiteral("Epsilon"), QStringLiteral("5000"), QStringLiteral("5")}));
    QVERIFY(theirs.deleteCurrent()); // Alpha
    mine.moveNext(); // Gamma, as far as this copy knows
    mine.addNew();
    QVERIFY(mine.update({QStringLiteral("Zeta"), QStringLiteral("6000"), QStringLiteral("6")}));
    QVERIFY(mine.refresh());
    QCOMPARE(names(mine), (QStringList {"Gamma", "Delta", "Epsilon", "Zeta"}));
    QCOMPARE(shown(mine), mine.list());
    QCOMPARE(mine.current().name, QStringLiteral("Gamma"));
    QVERIFY(theirs.refresh());
    QCOMPARE(names(theirs), names(mine));
}

void TestStarCatalogue::openFailures_data()
{
    QTest::addColumn<QByteArray>("content"); // written as the file, unless "-"
    QTest::addColumn<QStringList>("sql"); // run on a fresh SQLite file instead
    QTest::addColumn<stardb::ErrorKind>("kind");
    QTest::newRow("missing") << QByteArray("-") << QStringList {} << ErrorKind::Missing;
    // A symbolic link in its place that leads nowhere, or round in a loop.
    QTest::newRow("link to nothing") << QByteArray("link") << QStringList {"gone.vlt"} << ErrorKind::BrokenLink;
    QTest::newRow("link loop") << QByteArray("link") << QStringList {"stars.vlt"} << ErrorKind::BrokenLink;
    QTest::newRow("garbage bytes") << QByteArray(4096, '\x5a') << QStringList {} << ErrorKind::NotADatabase;
    QTest::newRow("text file") << QByteArray("Sun,5772,4.83\r\nSirius,9940,1.42\r\n") << QStringList {}
                               << ErrorKind::NotADatabase;
    QTest::newRow("empty file") << QByteArray() << QStringList {} << ErrorKind::NoTable;
    QTest::newRow("other table") << QByteArray("sql") << QStringList {"CREATE TABLE Stars (\"Star Name\" TEXT)"}
                                 << ErrorKind::NoTable;
    QTest::newRow("temperature spelt otherwise")
        << QByteArray("sql")
        << QStringList {"CREATE TABLE \"Star_Q-T\" (\"Star Name\" TEXT, \"Average Surface Temperature\" TEXT, "
                        "\"Absolute Magnitude\" TEXT)"}
        << ErrorKind::MissingField;
}

void TestStarCatalogue::openFailures()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, sql);
    QFETCH(stardb::ErrorKind, kind);
    QVERIFY(QFile::remove(m_path));
    const bool link = content == "link";
    if (content == "sql") {
        QVERIFY(execOn(m_path, sql));
    } else if (link) {
        QVERIFY(QFile::link(sql.constFirst(), m_path));
        content = "-";
    } else if (content != "-") {
        QFile file(m_path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(content), content.size());
    }
    const QByteArray before = content == "-" ? QByteArray() : [this] {
        QFile file(m_path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("unreadable");
    }();

    StarRecordSet set;
    QCOMPARE(set.open(m_path), false);
    QCOMPARE(set.lastError().kind, kind);
    QVERIFY(!set.lastError().reason.isEmpty());
    QCOMPARE(set.lastError().reason.contains(QStringLiteral("symbolic link")), link);
    QVERIFY(!set.isOpen());
    QVERIFY(set.list().isEmpty());
    QVERIFY(set.isEOF() && set.isBOF());
    // Opening looks only: it neither creates nor changes the file.
    QCOMPARE(QFile::exists(m_path), content != "-");
    QCOMPARE(QFileInfo(m_path).isSymLink(), link);
    if (content != "-") {
        QFile file(m_path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
    }
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).size(), content == "-" ? 0 : 1);
}

void TestStarCatalogue::engineErrorsSayWhatTheyMean_data()
{
    QTest::addColumn<QString>("code"); // SQLite's extended result code
    QTest::addColumn<stardb::ErrorKind>("kind");
    QTest::addColumn<QString>("says");
    QTest::newRow("disk full") << "13" << ErrorKind::DiskFull << "the disk it is on is full (database or disk is full)";
    QTest::newRow("busy") << "5" << ErrorKind::Locked << "Another program";
    QTest::newRow("busy, snapshot") << "517" << ErrorKind::Locked << "Another program";
    QTest::newRow("not a database") << "26" << ErrorKind::NotADatabase << "not a star catalogue";
    QTest::newRow("constraint") << "275" << ErrorKind::Rejected << "database or disk is full";
    QTest::newRow("other") << "1" << ErrorKind::Engine << "database or disk is full";
}

// The engine's words come with what they mean; a full disk names the file,
// as the report and the bitmap do.
void TestStarCatalogue::engineErrorsSayWhatTheyMean()
{
    QFETCH(QString, code);
    QFETCH(stardb::ErrorKind, kind);
    QFETCH(QString, says);
    const QString path = QStringLiteral("/media/stick/stars.vlt");
    const CatalogueError error
        = ErrorFor(QSqlError(QStringLiteral("driver"), QStringLiteral("database or disk is full"),
                       QSqlError::StatementError, code),
            path);
    QCOMPARE(error.kind, kind);
    QVERIFY2(error.reason.contains(says), qPrintable(error.reason));
    QCOMPARE(error.reason.contains(path), kind == ErrorKind::DiskFull);
}

void TestStarCatalogue::readOnlyFileBrowsesButRefusesWrites()
{
    QVERIFY(QFile::setPermissions(m_path, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
    StarRecordSet set;
    QVERIFY2(set.open(m_path), qPrintable(set.lastError().reason));
    QVERIFY(set.isReadOnly());
    QCOMPARE(names(set), (QStringList {"Alpha", "Beta", "Gamma"}));
    QVERIFY(set.setBookmark(set.list().at(1).bookmark));
    QCOMPARE(set.current(), kFixture.at(1));

    set.addNew();
    QCOMPARE(set.update({QStringLiteral("Delta"), {}, {}}), false);
    QCOMPARE(set.lastError().kind, ErrorKind::ReadOnly);
    QVERIFY2(set.lastError().reason.contains(QStringLiteral("read-only")), qPrintable(set.lastError().reason));
    set.cancelUpdate();
    QCOMPARE(set.deleteCurrent(), false);
    QCOMPARE(set.lastError().kind, ErrorKind::ReadOnly);
    QCOMPARE(set.current(), kFixture.at(1)); // still there
    QVERIFY(set.refresh());
    QCOMPARE(names(set), (QStringList {"Alpha", "Beta", "Gamma"}));
    QVERIFY(QFile::setPermissions(m_path, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
}

void TestStarCatalogue::closingRemovesTheConnection()
{
    const QStringList before = QSqlDatabase::connectionNames();
    {
        StarRecordSet a;
        StarRecordSet b;
        QVERIFY(a.open(m_path));
        QVERIFY(b.open(m_path));
        QCOMPARE(QSqlDatabase::connectionNames().size(), before.size() + 2);
        b.close();
        QVERIFY(!b.isOpen());
        QCOMPARE(QSqlDatabase::connectionNames().size(), before.size() + 1);
        QVERIFY(b.open(m_path)); // reopens after a close
    }
    QCOMPARE(QSqlDatabase::connectionNames(), before);
    StarRecordSet failed;
    QVERIFY(!failed.open(m_path + QStringLiteral(".none")));
    QCOMPARE(QSqlDatabase::connectionNames(), before);
}

void TestStarCatalogue::concurrentAddsLoseNothing()
{
    constexpr int kEach = 40;
    QStringList failures[2];
    const auto writer = [this, &failures](int copy) {
        StarRecordSet set; // a connection of its own in its own thread
        if (!set.open(m_path)) {
            failures[copy] << set.lastError().reason;
            return;
        }
        for (int i = 0; i < kEach; ++i) {
            set.addNew();
            if (!set.update(
                    {QStringLiteral("Copy %1 star %2").arg(copy).arg(i), QStringLiteral("5000"), QStringLiteral("1")}))
                failures[copy] << set.lastError().reason;
            if (!set.refresh())
                failures[copy] << set.lastError().reason;
        }
    };
    std::thread first(writer, 0);
    std::thread second(writer, 1);
    first.join();
    second.join();
    QVERIFY2(failures[0].isEmpty(), qPrintable(failures[0].join(QLatin1Char('\n'))));
    QVERIFY2(failures[1].isEmpty(), qPrintable(failures[1].join(QLatin1Char('\n'))));
    const QStringList inFile = namesInFile(m_path);
    QCOMPARE(inFile.size(), 3 + 2 * kEach);
    for (int copy : {0, 1})
        for (int i = 0; i < kEach; ++i)
            QVERIFY2(inFile.contains(QStringLiteral("Copy %1 star %2").arg(copy).arg(i)), "a record was lost");
}

void TestStarCatalogue::writingReplacesTheWholeFile()
{
    QString error;
    QVERIFY2(WriteCatalogue(m_path, {kFixture.at(2)}, &error), qPrintable(error));
    QCOMPARE(namesInFile(m_path), QStringList {"Gamma"});
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList {platform::kCatalogueFile});
    // A record the table refuses leaves the old file as it was.
    QVERIFY(!WriteCatalogue(m_path, {kFixture.at(0), {QString(), QStringLiteral("1"), QStringLiteral("2")}}, &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(namesInFile(m_path), QStringList {"Gamma"});
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList {platform::kCatalogueFile});
}

void TestStarCatalogue::shippedCatalogue()
{
    const QString shipped = CataloguePath(qEnvironmentVariable("VELTRANE_PROGRAM_DIR"));
    QVERIFY2(QFile::exists(shipped), qPrintable(shipped + QStringLiteral(" was not built")));
    QVERIFY(QFile::remove(m_path));
    QVERIFY(QFile::copy(shipped, m_path));
    StarRecordSet set;
    QVERIFY2(set.open(m_path), qPrintable(set.lastError().reason));
    QVERIFY2(set.recordCount() >= 30 && set.recordCount() <= 60, qPrintable(QString::number(set.recordCount())));
    QStringList seen;
    StarRecord sirius, sun;
    for (const ListEntry &entry : set.list()) {
        QVERIFY2(!seen.contains(entry.name), qPrintable(entry.name + QStringLiteral(" twice")));
        seen << entry.name;
        QVERIFY(set.setBookmark(entry.bookmark));
        if (entry.name == QStringLiteral("Sirius"))
            sirius = set.current();
        if (entry.name == QStringLiteral("Sun"))
            sun = set.current();
    }
    QCOMPARE(sirius, (StarRecord {"Sirius", "9940", "1.42"}));
    QCOMPARE(sun, (StarRecord {"Sun", "5772", "4.83"}));
}

// Every catalogued star reads as two numbers and lands inside the 320 x 472
// picture, and the catalogue spans the diagram: hot and cool, bright and faint.
void TestStarCatalogue::shippedStarsLieOnTheDiagram()
{
    StarRecordSet set;
    QVERIFY(set.open(CataloguePath(qEnvironmentVariable("VELTRANE_PROGRAM_DIR"))));
    double hottest = 0, coolest = 1e9, brightest = 99, faintest = -99;
    for (const ListEntry &entry : set.list()) {
        QVERIFY(set.setBookmark(entry.bookmark));
        const StarRecord star = set.current();
        const double t = model::ReadNumber(star.temperature.toStdString());
        const double mv = model::ReadNumber(star.magnitude.toStdString());
        const std::optional<double> column = model::ColumnFromTemperature(t);
        QVERIFY2(column && *column >= 0 && *column < 320, qPrintable(star.name + QStringLiteral(" off the columns")));
        const double row = model::RowFromHeight(model::HeightFromMagnitude(mv), 472);
        QVERIFY2(row >= 0 && row < 472, qPrintable(star.name + QStringLiteral(" off the rows")));
        hottest = std::max(hottest, t);
        coolest = std::min(coolest, t);
        brightest = std::min(brightest, mv);
        faintest = std::max(faintest, mv);
    }
    QVERIFY2(hottest >= 30000 && coolest <= 4000, "the temperatures do not span the diagram");
    QVERIFY2(brightest <= -7 && faintest >= 10, "the magnitudes do not span the diagram");
}

// Every star of the starting catalogue that is also among the real stars of
// the diagram pictures agrees with that table within 0.10 mag and 8 % in
// temperature, unless its source says why not ("temperature not as the
// table: ...", "magnitude not as the table: ...").
void TestStarCatalogue::shippedStarsAgreeWithTheRealStars()
{
    std::map<int, real_stars::RealStar> table;
    for (const real_stars::RealStar &star : real_stars::ReadTable(VELTRANE_REAL_STARS))
        table[star.hip] = star;
    int compared = 0;
    QStringList disagreeing;
    for (const QStringList &fields : shippedRows()) {
        const auto found = table.find(fields.at(4).toInt());
        if (fields.at(4).isEmpty() || found == table.end())
            continue;
        ++compared;
        const real_stars::RealStar &real = found->second;
        const double dT = fields.at(1).toDouble() / real.temperature - 1;
        const double dMv = fields.at(2).toDouble() - real.absMagnitude;
        const QString source = fields.mid(5).join(QLatin1Char(','));
        if ((std::fabs(dT) > 0.08 && !source.contains(QStringLiteral("temperature not as the table: ")))
            || (std::fabs(dMv) > 0.10 && !source.contains(QStringLiteral("magnitude not as the table: "))))
            disagreeing << QStringLiteral("%1: %2 % in temperature, %3 mag (table %4 K, %5)")
                               .arg(fields.at(0))
                               .arg(100 * dT, 0, 'f', 1)
                               .arg(dMv, 0, 'f', 2)
                               .arg(real.temperature)
                               .arg(real.absMagnitude);
    }
    QVERIFY2(disagreeing.isEmpty(), qPrintable(disagreeing.join(QStringLiteral("; "))));
    QVERIFY2(compared >= 20, qPrintable(QStringLiteral("only %1 stars found in the table").arg(compared)));
}

// A starting star whose source gives the V and the parallax (or the distance)
// its magnitude comes from has the magnitude they give, to its last digit.
void TestStarCatalogue::shippedMagnitudesFollowFromTheirSources()
{
    const QRegularExpression fromV(QStringLiteral("Mv from V (-?[0-9.]+)"));
    const QRegularExpression parallax(QStringLiteral("parallax ([0-9.]+) "));
    const QRegularExpression distance(QStringLiteral("distance of ([0-9.]+) pc"));
    int checked = 0;
    QStringList wrong;
    for (const QStringList &fields : shippedRows()) {
        const QString source = fields.mid(5).join(QLatin1Char(','));
        const QRegularExpressionMatch v = fromV.match(source);
        if (!v.hasMatch())
            continue;
        const QRegularExpressionMatch p = parallax.match(source, v.capturedEnd());
        const QRegularExpressionMatch d = distance.match(source, v.capturedEnd());
        // The first of them after the V: a later parallax is one not trusted.
        double parsecs = 0;
        if (p.hasMatch() && (!d.hasMatch() || p.capturedStart() < d.capturedStart()))
            parsecs = 1000 / p.captured(1).toDouble();
        else if (d.hasMatch())
            parsecs = d.captured(1).toDouble();
        else
            continue; // the parallax is not quoted
        ++checked;
        const double mv = v.captured(1).toDouble() + 5 - 5 * std::log10(parsecs);
        if (std::fabs(mv - fields.at(2).toDouble()) > 0.005 + 1e-9)
            wrong << QStringLiteral("%1: %2, its source gives %3").arg(fields.at(0), fields.at(2)).arg(mv, 0, 'f', 3);
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral("; "))));
    QVERIFY2(checked >= 8, qPrintable(QStringLiteral("only %1 magnitudes checked").arg(checked)));
}

void TestStarCatalogue::shownNumber_data()
{
    // What the user reads, and the number it is read as once, with a point
    // or else with the user's separator; NaN for a text that is no number.
    QTest::addColumn<QString>("stored");
    QTest::addColumn<char>("separator");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<double>("value");
    const double none = std::nan("");
    QTest::newRow("point user") << "4.83" << '.' << "4.83" << 4.83;
    QTest::newRow("comma user") << "4.83" << ',' << "4,83" << 4.83;
    QTest::newRow("negative") << "-5.85" << ',' << "-5,85" << -5.85;
    QTest::newRow("whole number") << "5772" << ',' << "5772" << 5772.0;
    QTest::newRow("exponent") << "1.5E+3" << ',' << "1,5E+3" << 1500.0;
    QTest::newRow("blanks kept") << " 4.83 " << ',' << " 4,83 " << 4.83;
    QTest::newRow("kept with a comma") << "4,78" << ',' << "4,78" << 4.78;
    QTest::newRow("comma text for a point user") << "4,78" << '.' << "4,78" << none;
    QTest::newRow("not a number") << "hot.ish" << ',' << "hot.ish" << none;
    QTest::newRow("two points") << "1.2.3" << ',' << "1.2.3" << none;
    QTest::newRow("empty") << "" << ',' << "" << none;
}

void TestStarCatalogue::shownNumber()
{
    QFETCH(QString, stored);
    QFETCH(char, separator);
    QFETCH(QString, shown);
    QFETCH(double, value);
    QCOMPARE(ShownNumber(stored, separator), shown);
    const model::TypedNumber number = CatalogueNumber(stored, separator);
    QCOMPARE(QString::fromStdString(number.text), shown);
    QCOMPARE(number.value.has_value(), !std::isnan(value));
    if (number.value)
        QCOMPARE(*number.value, value);
    else
        QCOMPARE(QString::fromStdString(number.error), QString::fromLatin1(model::kTypeMismatch));
}

void TestStarCatalogue::storedNumber_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<char>("separator");
    QTest::addColumn<QString>("stored");
    QTest::newRow("comma user") << "4,78" << ',' << "4.78";
    QTest::newRow("comma user, whole number") << "5963" << ',' << "5963";
    QTest::newRow("comma user, exponent") << "-1,5e3" << ',' << "-1.5e3";
    QTest::newRow("comma user types a point") << "4.78" << ',' << "4.78";
    QTest::newRow("point user") << "4.78" << '.' << "4.78";
    QTest::newRow("point user types a comma") << "4,78" << '.' << "4,78";
    QTest::newRow("not a number") << "4,7,8" << ',' << "4,7,8";
    QTest::newRow("empty") << "" << ',' << "";
    QTest::newRow("blanks around, point user") << " 5800 " << '.' << "5800";
    QTest::newRow("blanks around, comma user") << " 4,5 " << ',' << "4.5";
    QTest::newRow("tab and blank, comma user") << "\t-1,5 " << ',' << "-1.5";
    QTest::newRow("blanks around text") << " hot " << ',' << " hot ";
}

// Whatever a comma user types comes back to them as typed, less the blanks
// around a number, and a number is kept so that a point user reads it too.
void TestStarCatalogue::storedNumber()
{
    QFETCH(QString, typed);
    QFETCH(char, separator);
    QFETCH(QString, stored);
    QCOMPARE(StoredNumber(typed, separator), stored);
    if (stored != typed) {
        QCOMPARE(ShownNumber(stored, separator), typed.trimmed());
        QCOMPARE(model::ReadNumber(stored.toStdString(), '.'), model::ReadNumber(typed.toStdString(), separator));
    }
}

void TestStarCatalogue::location_data()
{
    QTest::addColumn<bool>("writable"); // the program's folder
    QTest::addColumn<bool>("shipped"); // a catalogue beside the program
    QTest::addColumn<bool>("ownCopy"); // the user's copy made earlier
    QTest::addColumn<QString>("opened"); // "beside" or "own"
    QTest::newRow("portable") << true << true << false << "beside";
    QTest::newRow("portable, an own copy ignored") << true << true << true << "beside";
    QTest::newRow("portable, nothing shipped") << true << false << false << "beside";
    QTest::newRow("installed, first time") << false << true << false << "own";
    QTest::newRow("installed, later") << false << true << true << "own";
    QTest::newRow("installed, later, nothing shipped") << false << false << true << "own";
    QTest::newRow("installed, nothing shipped") << false << false << false << "beside";
}

// The decision with the folder's writability given, so that it holds whoever
// runs the tests (root writes into read-only folders).
void TestStarCatalogue::location()
{
    QFETCH(bool, writable);
    QFETCH(bool, shipped);
    QFETCH(bool, ownCopy);
    QFETCH(QString, opened);
    const QString program = m_dir->filePath(QStringLiteral("program"));
    const QString user = m_dir->filePath(QStringLiteral("share/veltrane"));
    QVERIFY(QDir().mkpath(program));
    if (shipped)
        QVERIFY(QFile::rename(m_path, CataloguePath(program)));
    if (ownCopy) {
        QVERIFY(QDir().mkpath(user));
        QVERIFY(WriteCatalogue(CataloguePath(user), {{QStringLiteral("Own"), {}, {}}}, nullptr));
    }
    const QByteArray shippedBefore = bytesOf(CataloguePath(program));
    const QByteArray ownBefore = bytesOf(CataloguePath(user));

    const CataloguePlace place = CatalogueLocation(program, writable, user);
    QVERIFY2(place.error.isEmpty(), qPrintable(place.error));
    QVERIFY(!place.readOnly);
    QCOMPARE(place.path, CataloguePath(opened == QStringLiteral("beside") ? program : user));

    // The shipped catalogue is never touched, an own copy never replaced, and
    // a copy is made only for an installed program that ships one.
    QCOMPARE(bytesOf(CataloguePath(program)), shippedBefore);
    const bool copyMade = !writable && shipped && !ownCopy;
    if (ownCopy)
        QCOMPARE(bytesOf(CataloguePath(user)), ownBefore);
    else if (copyMade)
        QCOMPARE(bytesOf(CataloguePath(user)), shippedBefore);
    else
        QVERIFY(!QFileInfo::exists(user)); // not even the folder
    if (QFileInfo::exists(user))
        QCOMPARE(QDir(user).entryList(QDir::Files | QDir::Hidden), QStringList {platform::kCatalogueFile});

    StarRecordSet set;
    QCOMPARE(set.open(place.path), shipped || (ownCopy && !writable));
    if (!set.isOpen())
        QCOMPARE(set.lastError().kind, ErrorKind::Missing);
    else
        QCOMPARE(names(set), (ownCopy && !writable ? QStringList {"Own"} : QStringList {"Alpha", "Beta", "Gamma"}));
}

// A folder marked read-only counts as such even for root: the user works on a
// copy of their own from then on, and the shipped catalogue stays as it is.
void TestStarCatalogue::readOnlyProgramFolderUsesTheUserCopy()
{
    const QString program = m_dir->path();
    const QTemporaryDir home;
    const QString user = home.filePath(QStringLiteral("share/veltrane"));
    QVERIFY(IsWritableFolder(program));
    QVERIFY(!IsWritableFolder(m_path)); // a file is no folder
    QVERIFY(!IsWritableFolder(m_dir->filePath(QStringLiteral("nowhere"))));
    QCOMPARE(CatalogueLocation(program, user).path, m_path);

    QVERIFY(QFile::setPermissions(program, kReadOnlyFolder));
    const auto restore = qScopeGuard([&program] { QFile::setPermissions(program, kWritableFolder); });
    const QByteArray shippedBefore = bytesOf(m_path);
    QVERIFY(!IsWritableFolder(program));
    const CataloguePlace first = CatalogueLocation(program, user);
    QVERIFY2(first.error.isEmpty(), qPrintable(first.error));
    QCOMPARE(first.path, CataloguePath(user));

    StarRecordSet set;
    QVERIFY2(set.open(first.path), qPrintable(set.lastError().reason));
    QVERIFY(!set.isReadOnly());
    set.addNew();
    QVERIFY2(set.update({QStringLiteral("Delta"), QStringLiteral("4000"), QStringLiteral("5.0")}),
        qPrintable(set.lastError().reason));
    set.close();

    const CataloguePlace later = CatalogueLocation(program, user);
    QCOMPARE(later.path, first.path);
    QCOMPARE(namesInFile(later.path), (QStringList {"Alpha", "Beta", "Gamma", "Delta"}));
    QCOMPARE(bytesOf(m_path), shippedBefore);
    QCOMPARE(QDir(program).entryList(QDir::Files | QDir::Hidden), QStringList {platform::kCatalogueFile});
}

// Root can write into /usr/lib/veltrane, but the catalogue there belongs to the
// package: an installed program works on the user's copy even in a folder it
// can write, and the same folder elsewhere is a portable copy that keeps its own.
void TestStarCatalogue::installedProgramUsesTheUserCopyWhoeverRunsIt()
{
    // The package's folder is known to every build, whatever prefix it was configured with.
    QVERIFY2(InstalledProgramFolders().contains(QStringLiteral("/usr/lib/veltrane")),
        qPrintable(InstalledProgramFolders().join(QStringLiteral(", "))));

    const QString program = m_dir->filePath(QStringLiteral("usr/lib/veltrane"));
    const QString user = m_dir->filePath(QStringLiteral("home/.local/share/veltrane"));
    QVERIFY(QDir().mkpath(program));
    QVERIFY(QFile::rename(m_path, CataloguePath(program)));
    QVERIFY(IsWritableFolder(program)); // the write test would keep the file beside the program
    const QByteArray shippedBefore = bytesOf(CataloguePath(program));
    // Installed under a name that reaches the folder through a link, as
    // /lib/veltrane reaches /usr/lib/veltrane on a merged-/usr system.
    QVERIFY(QFile::link(m_dir->filePath(QStringLiteral("usr/lib")), m_dir->filePath(QStringLiteral("lib"))));
    const QStringList installed {m_dir->filePath(QStringLiteral("lib/veltrane"))};
    QVERIFY(IsInstalledProgramFolder(program, installed));

    const CataloguePlace place = CatalogueLocation(program, installed, user);
    QVERIFY2(place.error.isEmpty(), qPrintable(place.error));
    QCOMPARE(place.path, CataloguePath(user));
    StarRecordSet set;
    QVERIFY2(set.open(place.path), qPrintable(set.lastError().reason));
    set.addNew();
    QVERIFY2(set.update({QStringLiteral("Delta"), QStringLiteral("4000"), QStringLiteral("5.0")}),
        qPrintable(set.lastError().reason));
    set.close();
    QCOMPARE(namesInFile(place.path), (QStringList {"Alpha", "Beta", "Gamma", "Delta"}));
    QCOMPARE(bytesOf(CataloguePath(program)), shippedBefore);
    QCOMPARE(QDir(program).entryList(QDir::Files | QDir::Hidden), QStringList {platform::kCatalogueFile});

    // Not installed there: a portable copy, which keeps its catalogue beside it.
    const QStringList elsewhere {m_dir->filePath(QStringLiteral("opt/veltrane"))};
    QVERIFY(!IsInstalledProgramFolder(program, elsewhere));
    QCOMPARE(CatalogueLocation(program, elsewhere, user).path, CataloguePath(program));
}

// Installed files are often read-only; the user's copy of one is not.
void TestStarCatalogue::userCopyOfAReadOnlyShippedFileCanBeWritten()
{
    const QString user = m_dir->filePath(QStringLiteral("share/veltrane"));
    QVERIFY(QFile::setPermissions(m_path, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
    const CataloguePlace place = CatalogueLocation(m_dir->path(), false, user);
    QVERIFY2(place.error.isEmpty(), qPrintable(place.error));
    QVERIFY(QFileInfo(place.path).permissions() & QFileDevice::WriteOwner);
    StarRecordSet set;
    QVERIFY(set.open(place.path));
    QVERIFY(!set.isReadOnly());
    QVERIFY(set.setBookmark(set.list().at(1).bookmark));
    QVERIFY2(set.deleteCurrent(), qPrintable(set.lastError().reason));
    QCOMPARE(namesInFile(place.path), (QStringList {"Alpha", "Gamma"}));
    QCOMPARE(namesInFile(m_path), (QStringList {"Alpha", "Beta", "Gamma"}));
    QVERIFY(QFile::setPermissions(m_path, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
}

void TestStarCatalogue::failedCopyLeavesTheShippedCatalogueToBrowse()
{
    // A file where the user's data folder should be stops even root.
    const QString blocker = m_dir->filePath(QStringLiteral("share"));
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const QString user = blocker + QStringLiteral("/veltrane");
    const CataloguePlace place = CatalogueLocation(m_dir->path(), false, user);
    QCOMPARE(place.path, m_path);
    QVERIFY(place.readOnly);
    QVERIFY2(place.error.contains(QDir::toNativeSeparators(user)), qPrintable(place.error));
    QVERIFY2(place.error.contains(QStringLiteral("Not a directory")), qPrintable(place.error)); // the system's reason

    StarRecordSet set;
    QVERIFY(set.open(place.path, StarRecordSet::Access::ReadOnly));
    QVERIFY(set.isReadOnly());
    QCOMPARE(names(set), (QStringList {"Alpha", "Beta", "Gamma"}));
    QCOMPARE(set.canWrite(), false);
    QCOMPARE(set.lastError().kind, ErrorKind::ReadOnly);

    // No folder to hold a copy at all.
    const CataloguePlace nowhere = CatalogueLocation(m_dir->path(), false, QString());
    QCOMPARE(nowhere.path, m_path);
    QVERIFY(nowhere.readOnly);
    QVERIFY(!nowhere.error.isEmpty());
}

QTEST_GUILESS_MAIN(TestStarCatalogue)
#include "test_star_catalogue.moc"
