// The data report: its bytes against whole expected files, and the Click of
// "Print Data" with its dialogs answered by a scripted desktop.
#include "platform/program_folder.h"
#include "platform/scripted_desktop.h"
#include "report/print_data.h"
#include "tests/support/window_test.h"
#include "windows/window_registry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <csignal>
#include <sys/resource.h>

using model::DiagramKind;
using model::ReadOuts;
using platform::Answer;
using platform::Buttons;
using platform::Icon;

Q_DECLARE_METATYPE(model::DiagramKind)
Q_DECLARE_METATYPE(model::ReadOuts)

namespace {

// The boxes after a click on the Sun's dot (column 187, row 249).
ReadOuts SunGeneral()
{
    return {"5963", "4.78", "1.00", ".9941", "691407.728", {}, {}, {}};
}
ReadOuts SunMainSequence()
{
    return {"5963", "4.78", "1.00", ".9941", "691407.728", "1.00", "1.990 E+30", "1.01 E+10"};
}

// The selected star of a diagram of this kind, with these read-outs.
model::StarValue Star(DiagramKind kind, const ReadOuts &readOuts)
{
    return {kind, {}, readOuts};
}

QByteArray Expected(const char *name)
{
    QFile file(QStringLiteral(VELTRANE_REPORT_EXPECTED "/") + QString::fromLatin1(name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing expected report %s", name);
    return file.readAll();
}

QByteArray Contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Names the first differing line, so a failure says where the layout broke.
QByteArray FirstDifference(const QByteArray &actual, const QByteArray &expected)
{
    const auto a = actual.split('\n'), e = expected.split('\n');
    for (qsizetype i = 0; i < std::max(a.size(), e.size()); ++i) {
        const QByteArray x = i < a.size() ? a[i] : "<none>", y = i < e.size() ? e[i] : "<none>";
        if (x != y)
            return "line " + QByteArray::number(i + 1) + ": got [" + x + "], expected [" + y + "]";
    }
    return "identical";
}

} // namespace

class TestReport : public WindowTest {
    Q_OBJECT
private slots:
    // The text.
    void reportText_data();
    void reportText();
    void everyLineEndsInCrLf_data();
    void everyLineEndsInCrLf();

    // The Click of "Print Data".
    void noStarSelected_data();
    void noStarSelected();
    void writesTheChosenFileAndOpensItOnYes_data();
    void writesTheChosenFileAndOpensItOnYes();
    void answerNoOpensNothing();
    void reportNoProgramOpensIsNamed();
    void cancelWritesNothing();
    void replacesAnExistingFile();
    void bareNameLandsInProgramFolder();
    void unwritablePathIsReported_data();
    void unwritablePathIsReported();
    void failingWriteLeavesExistingFileIntact();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
};

void TestReport::reportText_data()
{
    QTest::addColumn<DiagramKind>("kind");
    QTest::addColumn<ReadOuts>("readOuts");
    QTest::addColumn<QString>("expected");

    // The general kind ignores the main-sequence boxes even when they are filled.
    QTest::newRow("general, Sun") << DiagramKind::General << SunMainSequence() << "general_187_249.txt";
    QTest::newRow("main sequence, Sun") << DiagramKind::MainSequence << SunMainSequence()
                                        << "main_sequence_187_249.txt";
    ReadOuts emptyRadius = SunGeneral();
    emptyRadius.radius.clear();
    QTest::newRow("general, empty radius box") << DiagramKind::General << emptyRadius << "general_empty_radius.txt";
}

void TestReport::reportText()
{
    QFETCH(DiagramKind, kind);
    QFETCH(ReadOuts, readOuts);
    QFETCH(QString, expected);
    const QByteArray actual = report::ReportText(Star(kind, readOuts));
    const QByteArray wanted = Expected(expected.toLatin1().constData());
    QVERIFY2(actual == wanted, FirstDifference(actual, wanted).constData());
}

void TestReport::everyLineEndsInCrLf_data()
{
    QTest::addColumn<DiagramKind>("kind");
    QTest::addColumn<int>("lines");
    QTest::newRow("general") << DiagramKind::General << 15;
    QTest::newRow("main sequence") << DiagramKind::MainSequence << 21;
}

void TestReport::everyLineEndsInCrLf()
{
    QFETCH(DiagramKind, kind);
    QFETCH(int, lines);
    // An empty temperature box: the label runs straight into its blanks.
    ReadOuts values = SunMainSequence();
    values.temperature.clear();
    const QByteArray text = report::ReportText(Star(kind, values));
    QVERIFY(text.endsWith("\r\n"));
    QCOMPARE(text.count("\r\n"), lines);
    QCOMPARE(text.count('\n'), lines);
    QCOMPARE(text.count('\r'), lines);
    QVERIFY(text.contains("\r\nAVERAGE SURFACE TEMPERATURE (K)=        \r\n"));
}

void TestReport::noStarSelected_data()
{
    QTest::addColumn<DiagramKind>("kind");
    QTest::addColumn<QString>("text");
    QTest::newRow("general") << DiagramKind::General << "Click The Image First To Get Data";
    QTest::newRow("main sequence, trailing blank") << DiagramKind::MainSequence << "Click The Image First To Get Data ";
}

void TestReport::noStarSelected()
{
    QFETCH(DiagramKind, kind);
    QFETCH(QString, text);
    m_desktop.fileNames.enqueue(path("never.txt"));
    report::PrintData(nullptr, kind, std::nullopt);
    QCOMPARE(m_desktop.messages.size(), 1);
    QCOMPARE(m_desktop.messages[0].text, text);
    QCOMPARE(m_desktop.messages[0].title, QStringLiteral("Error"));
    QCOMPARE(m_desktop.messages[0].icon, Icon::Critical);
    QCOMPARE(m_desktop.messages[0].buttons, Buttons::Ok);
    QVERIFY(m_desktop.saves.isEmpty());
    QVERIFY(!QFile::exists(path("never.txt")));
}

void TestReport::writesTheChosenFileAndOpensItOnYes_data()
{
    QTest::addColumn<DiagramKind>("kind");
    QTest::addColumn<QString>("expected");
    QTest::newRow("general") << DiagramKind::General << "general_187_249.txt";
    QTest::newRow("main sequence") << DiagramKind::MainSequence << "main_sequence_187_249.txt";
}

void TestReport::writesTheChosenFileAndOpensItOnYes()
{
    QFETCH(DiagramKind, kind);
    QFETCH(QString, expected);
    QWidget owner;
    // Typed without ".txt": used exactly as typed.
    const QString chosen = path("sun report");
    m_desktop.fileNames.enqueue(chosen);
    m_desktop.answers.enqueue(Answer::Yes);
    report::PrintData(&owner, kind, Star(kind, SunMainSequence()));

    QCOMPARE(m_desktop.saves.size(), 1);
    QCOMPARE(m_desktop.saves[0].filter, QStringLiteral(" Text files(*.txt)|*.txt"));
    QCOMPARE(m_desktop.saves[0].filterIndex, 1);
    QCOMPARE(m_desktop.saves[0].folder, m_dir->path());
    QVERIFY(m_desktop.saves[0].overwritePrompt);

    QCOMPARE(Contents(chosen), Expected(expected.toLatin1().constData()));
    QVERIFY(!QFile::exists(chosen + ".txt"));

    QCOMPARE(m_desktop.messages.size(), 1);
    QCOMPARE(m_desktop.messages[0].text, QStringLiteral("Open The Printed Data File?"));
    QCOMPARE(m_desktop.messages[0].title, QStringLiteral("Info"));
    QCOMPARE(m_desktop.messages[0].icon, Icon::None);
    QCOMPARE(m_desktop.messages[0].buttons, Buttons::YesNo);

    QCOMPARE(m_desktop.opens.size(), 1);
    QCOMPARE(m_desktop.opens[0].owner.data(), &owner);
    QCOMPARE(m_desktop.opens[0].file, chosen);
    QCOMPARE(m_desktop.opens[0].directory, m_dir->path());
}

// A desktop without a program for text files: the report is written, and the
// user learns which file it is and what would open it.
void TestReport::reportNoProgramOpensIsNamed()
{
    m_desktop.fileNames.enqueue(path("a.txt"));
    m_desktop.answers.enqueue(Answer::Yes);
    m_desktop.openAnswers.insert(QStringLiteral("txt"), platform::Opened::NoProgram);
    report::PrintData(nullptr, DiagramKind::General, Star(DiagramKind::General, SunGeneral()));
    QCOMPARE(Contents(path("a.txt")), Expected("general_187_249.txt"));
    QCOMPARE(m_desktop.messages.size(), 2);
    const QString text = m_desktop.messages[1].text;
    QVERIFY2(text.startsWith(path("a.txt")) && text.contains(QStringLiteral("text editor")), qPrintable(text));
}

void TestReport::answerNoOpensNothing()
{
    m_desktop.fileNames.enqueue(path("a.txt"));
    m_desktop.answers.enqueue(Answer::No);
    report::PrintData(nullptr, DiagramKind::General, Star(DiagramKind::General, SunGeneral()));
    QCOMPARE(Contents(path("a.txt")), Expected("general_187_249.txt"));
    QCOMPARE(m_desktop.messages.size(), 1);
    QVERIFY(m_desktop.opens.isEmpty());
}

void TestReport::cancelWritesNothing()
{
    report::PrintData(nullptr, DiagramKind::MainSequence, Star(DiagramKind::MainSequence, SunMainSequence()));
    QCOMPARE(m_desktop.saves.size(), 1);
    QVERIFY2(m_desktop.messages.isEmpty(), "a cancelled dialog asks nothing more");
    QVERIFY(m_desktop.opens.isEmpty());
    QVERIFY(QDir(m_dir->path()).isEmpty());
}

void TestReport::replacesAnExistingFile()
{
    // Longer than the report: a file that was only overwritten, not truncated, would keep its tail.
    WriteFile(path("old.txt"), QByteArray(4096, 'x'));
    m_desktop.fileNames.enqueue(path("old.txt"));
    report::PrintData(nullptr, DiagramKind::General, Star(DiagramKind::General, SunGeneral()));
    QCOMPARE(Contents(path("old.txt")), Expected("general_187_249.txt"));
}

void TestReport::bareNameLandsInProgramFolder()
{
    m_desktop.fileNames.enqueue(QStringLiteral("bare"));
    m_desktop.answers.enqueue(Answer::Yes);
    report::PrintData(nullptr, DiagramKind::General, Star(DiagramKind::General, SunGeneral()));
    QCOMPARE(Contents(path("bare")), Expected("general_187_249.txt"));
    QCOMPARE(m_desktop.opens.size(), 1);
    QCOMPARE(m_desktop.opens[0].file, path("bare"));
}

void TestReport::unwritablePathIsReported_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    // Both fail for any user, root included.
    QTest::newRow("folder is a file") << "plain/report.txt"
                                      << "Not a directory";
    QTest::newRow("name too long") << QString(300, QLatin1Char('n')) << "File name too long";
}

void TestReport::unwritablePathIsReported()
{
    QFETCH(QString, name);
    QFETCH(QString, reason);
    WriteFile(path("plain"), "not a folder");
    m_desktop.fileNames.enqueue(path(name));
    m_desktop.answers.enqueue(Answer::Yes);
    report::PrintData(nullptr, DiagramKind::General, Star(DiagramKind::General, SunGeneral()));

    QCOMPARE(m_desktop.messages.size(), 1);
    const auto &message = m_desktop.messages[0];
    QCOMPARE(message.icon, Icon::Critical);
    QCOMPARE(message.buttons, Buttons::Ok);
    QCOMPARE(message.title, platform::kAppTitle);
    QVERIFY2(message.text.contains(reason, Qt::CaseInsensitive), qPrintable(message.text));
    QVERIFY2(m_desktop.opens.isEmpty(), "nothing to open when nothing was written");
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot), QStringList {"plain"});
}

void TestReport::failingWriteLeavesExistingFileIntact()
{
    const QByteArray old = "the report of yesterday\r\n";
    WriteFile(path("kept.txt"), old);
    m_desktop.fileNames.enqueue(path("kept.txt"));
    m_desktop.answers.enqueue(Answer::Yes);

    // A file size limit below the report's size makes the write itself fail.
    rlimit saved {};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 100;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    report::PrintData(nullptr, DiagramKind::MainSequence, Star(DiagramKind::MainSequence, SunMainSequence()));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    QCOMPARE(Contents(path("kept.txt")), old);
    QCOMPARE(m_desktop.messages.size(), 1);
    QCOMPARE(m_desktop.messages[0].icon, Icon::Critical);
    QVERIFY2(m_desktop.messages[0].text.contains(QStringLiteral("too large"), Qt::CaseInsensitive),
        qPrintable(m_desktop.messages[0].text));
    QVERIFY(m_desktop.opens.isEmpty());
    QCOMPARE(
        QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot), QStringList {"kept.txt"});
}

QTEST_MAIN(TestReport)
#include "test_report.moc"
