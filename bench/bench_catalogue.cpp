// A large catalogue in the star database window: the shipped catalogue plus
// 100,000 generated stars, used the way a teacher would. Each action is timed
// (CPU time of the process and wall time, the window painted at its end), and
// the resident memory is read before the window opens and at its peak.
//
//     cmake --build build --target bench_catalogue
//     QT_QPA_PLATFORM=offscreen build/bench/bench_catalogue [STARS]
#include "app/window_composition.h"
#include "platform/program_folder.h"
#include "platform/scripted_desktop.h"
#include "stardb/star_catalogue.h"
#include "stardb/star_database_window.h"
#include "windows/dialogs.h"
#include "windows/window_registry.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>

#include <cstdio>
#include <ctime>

namespace {

double CpuSeconds()
{
    timespec now {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// Resident memory now, from /proc/self/statm, in MiB.
double ResidentMiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? double(fields.at(1).toLongLong()) * double(getpagesize()) / (1024.0 * 1024.0) : 0;
}

double PeakMiB()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

// The shipped catalogue with `count` generated stars after its own.
bool MakeCatalogue(const QString &shipped, const QString &path, int count)
{
    if (!QFile::copy(shipped, path))
        return false;
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("generate"));
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery query(db);
            ok = query.exec(QStringLiteral("BEGIN"))
                && query.prepare(QStringLiteral("INSERT INTO \"Star_Q-T\" (\"Star Name\", \"Avarage Surface "
                                                "Temperature\", \"Absolute Magnitude\") VALUES (?, ?, ?)"));
            for (int i = 1; ok && i <= count; ++i) {
                query.addBindValue(QStringLiteral("Star %1").arg(i, 6, 10, QLatin1Char('0')));
                query.addBindValue(QString::number(3000 + (i * 37) % 27000));
                query.addBindValue(QString::number(-5.0 + double((i * 13) % 200) / 10.0, 'f', 2));
                ok = query.exec();
            }
            ok = ok && query.exec(QStringLiteral("COMMIT"));
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("generate"));
    return ok;
}

void Settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

template <class T = QWidget> T *Control(const QWidget *window, const char *name)
{
    return window ? window->findChild<T *>(QString::fromLatin1(name)) : nullptr;
}

struct Timing {
    const char *action;
    double cpu = 0;
    double wall = 0;
    QString shown;
};

template <class Action> Timing Time(const char *what, Action action)
{
    const double cpuBefore = CpuSeconds();
    QElapsedTimer wall;
    wall.start();
    action();
    Settle();
    return {what, CpuSeconds() - cpuBefore, double(wall.nsecsElapsed()) / 1e9, {}};
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const int count = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 100000;
    QStandardPaths::setTestModeEnabled(true);

    QTemporaryDir folder;
    const QString path = stardb::CataloguePath(folder.path());
    if (!folder.isValid() || !MakeCatalogue(stardb::CataloguePath(QStringLiteral(VELTRANE_PROGRAM_DIR)), path, count)) {
        std::fprintf(stderr, "cannot make the catalogue in %s\n", qPrintable(folder.path()));
        return 1;
    }
    platform::SetProgramFolder(folder.path());
    platform::ScriptedDesktop desktop;
    windows::SetDesktop(&desktop);
    app::RegisterWindows();
    // Everything the window shows at start-up is drawn once, so the first
    // timing is the catalogue's and not the fonts' or the style's.
    {
        QWidget warmUp;
        warmUp.show();
        Settle();
    }
    const double before = ResidentMiB();

    QList<Timing> timings;
    stardb::StarDatabaseWindow *form = nullptr;
    const auto shown = [&form] { return Control<QLineEdit>(form, "Text3")->text(); };
    const auto press
        = [&form](const char *button) { QTest::mouseClick(Control<QPushButton>(form, button), Qt::LeftButton); };

    timings << Time("open the window", [&] { form = windows::Registry().show<stardb::StarDatabaseWindow>(); });
    timings.last().shown = shown();
    press("upd");
    Settle();
    timings << Time("move to the last record (End)",
        [&] { QTest::keyClick(Control<QAbstractItemView>(form, "DBList1"), Qt::Key_End); });
    timings.last().shown = shown();
    // Type-ahead for a name no star has looks at every name.
    timings << Time("type-ahead, no such name",
        [&] { QTest::keyClicks(Control<QAbstractItemView>(form, "DBList1"), QStringLiteral("Qz")); });
    timings.last().shown = shown();
    timings << Time("add -> OK", [&] {
        press("add");
        Control<QLineEdit>(form, "Text3")->setText(QStringLiteral("Vega"));
        Control<QLineEdit>(form, "Text1")->setText(QStringLiteral("9602"));
        Control<QLineEdit>(form, "Text2")->setText(QStringLiteral("0.58"));
        press("ok");
    });
    timings.last().shown = shown();
    QTest::keyClick(Control<QAbstractItemView>(form, "DBList1"), Qt::Key_End);
    Settle();
    desktop.answers.enqueue(platform::Answer::Yes);
    timings << Time("delete the last record -> Yes", [&] { press("del"); });
    timings.last().shown = shown();
    press("ex");
    timings << Time("close (Close)", [&] {
        press("Clse");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    });
    timings << Time("reopen the window", [&] { form = windows::Registry().show<stardb::StarDatabaseWindow>(); });
    timings.last().shown = shown();

    std::printf("star database window, shipped catalogue + %d stars\n", count);
    for (const Timing &t : timings)
        std::printf("  %-32s CPU %6.3f s  wall %6.3f s  %s\n", t.action, t.cpu, t.wall,
            t.shown.isEmpty() ? "" : qPrintable(QStringLiteral("(shows \"%1\")").arg(t.shown)));
    std::printf("  resident memory before opening %.1f MiB, peak %.1f MiB\n", before, PeakMiB());
    for (const platform::MessageRequest &message : desktop.messages)
        std::printf("  message: %s\n", qPrintable(message.text.simplified()));

    windows::Registry().unloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    windows::SetDesktop(nullptr);
    return 0;
}
