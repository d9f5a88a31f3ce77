// Any bytes as stars.vlt: the record set opens it or says why not, browses it
// to both ends, adds a star and deletes one, and every failure on the way is a
// clean catalogue error with a reason; nothing crashes, leaks or hangs.
#include "stardb/star_catalogue.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

using stardb::ErrorKind;
using stardb::StarRecordSet;

namespace {

QString catalogue;

void expect(bool condition)
{
    if (!condition)
        std::abort();
}

// A call that reported failure left an error that says what it was.
void expectCleanFailure(bool succeeded, const StarRecordSet &set)
{
    if (succeeded)
        expect(set.lastError().kind == ErrorKind::None);
    else
        expect(set.lastError().kind != ErrorKind::None && !set.lastError().reason.isEmpty());
}

void expectConsistentPosition(const StarRecordSet &set)
{
    if (set.hasCurrent()) {
        expect(!set.isEOF() && !set.isBOF());
    } else {
        expect(set.current() == stardb::StarRecord {});
        expect(set.bookmark() == -1);
    }
    expect(set.list().size() == set.recordCount());
}

// Forward to the end and back to the beginning; never more steps than records.
void browse(StarRecordSet &set)
{
    for (int steps = 0; !set.isEOF(); ++steps) {
        expect(steps <= set.recordCount());
        expectConsistentPosition(set);
        (void)set.current();
        set.moveNext();
    }
    for (int steps = 0; !set.isBOF(); ++steps) {
        expect(steps <= set.recordCount() + 1);
        set.movePrevious();
        expectConsistentPosition(set);
    }
}

void silent(QtMsgType, const QMessageLogContext &, const QString &) { }

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // The SQL driver is a plugin, found through the application.
    static QCoreApplication application(*argc, *argv);
    qInstallMessageHandler(silent);
    static QTemporaryDir folder;
    if (!folder.isValid())
        std::abort();
    catalogue = stardb::CataloguePath(folder.path());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // Each input on its own: no journal of an earlier one may roll anything back.
    for (const char *suffix : {"", "-journal", "-wal", "-shm"})
        QFile::remove(catalogue + QLatin1String(suffix));
    {
        QFile file(catalogue);
        if (!file.open(QIODevice::WriteOnly))
            std::abort();
        if (file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
            std::abort();
    }

    StarRecordSet set;
    const bool opened = set.open(catalogue);
    expectCleanFailure(opened, set);
    expect(opened == set.isOpen());
    if (!opened) {
        expect(set.list().isEmpty() && set.isEOF() && set.isBOF());
        return 0;
    }
    expectConsistentPosition(set);
    browse(set);

    set.addNew();
    expect(set.isAdding() && !set.hasCurrent());
    const bool added = set.update({QStringLiteral("Fuzz"), QStringLiteral("5772"), QStringLiteral("4.83")});
    expectCleanFailure(added, set);
    if (!added)
        set.cancelUpdate();
    expect(!set.isAdding());
    expectCleanFailure(set.refresh(), set);
    browse(set);

    const QList<stardb::ListEntry> entries = set.list();
    if (!entries.isEmpty()) {
        expectCleanFailure(set.setBookmark(entries.constLast().bookmark), set);
        expectCleanFailure(set.deleteCurrent(), set);
        set.moveNext();
        set.movePrevious();
        expectConsistentPosition(set);
        expectCleanFailure(set.refresh(), set);
        browse(set);
    }
    return 0;
}
