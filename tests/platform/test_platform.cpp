// The desktop stand-ins: filters, the scripted dialogs, fonts and the button.
#include "platform/arbutton.h"
#include "platform/common_controls.h"
#include "platform/desktop_programs.h"
#include "platform/program_folder.h"
#include "platform/qt_desktop.h"
#include "platform/save_dialog.h"
#include "platform/scripted_desktop.h"
#include "platform/user_numbers.h"
#include "platform/whole_file.h"
#include "platform/widget_helpers.h"

#include <QFontInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sys/wait.h>
#include <unistd.h>

using namespace platform;

class TestPlatform : public QObject {
    Q_OBJECT
private slots:
    void nameFilters_data();
    void nameFilters();
    void scriptedDesktopAnswersInOrder();
    void programsForAType_data();
    void programsForAType();
    void layoutFontsResolveToInstalledTwins_data();
    void layoutFontsResolveToInstalledTwins();
    void buttonCaptionColours();
    void programFolderOverride();
    void decimalSeparatorFollowsTheLocale();
    void saveRefusesTheProgramsOwnFiles();
    void writesInPlaceWhereNoTemporaryFileFits();
};

void TestPlatform::nameFilters_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("expected");
    // A description that names its pattern already does not name it twice.
    QTest::newRow("report") << " Text files(*.txt)|*.txt" << QStringList {" Text files(*.txt)"};
    QTest::newRow("bitmap") << " All files(*.*)|*.*|Bitmap files(*.bmp)|*.bmp"
                            << QStringList {" All files(*.*) (*)", "Bitmap files(*.bmp)"};
    QTest::newRow("several patterns") << "Pictures|*.bmp;*.png" << QStringList {"Pictures (*.bmp *.png)"};
    QTest::newRow("dangling description") << "Orphan" << QStringList {};
}

void TestPlatform::nameFilters()
{
    QFETCH(QString, filter);
    QFETCH(QStringList, expected);
    QCOMPARE(QtNameFilters(filter), expected);
}

void TestPlatform::scriptedDesktopAnswersInOrder()
{
    ScriptedDesktop desktop;
    desktop.answers << Answer::Yes;
    desktop.fileNames << "/tmp/a.txt";
    QCOMPARE(desktop.message(nullptr, {"Sure?", "Info", Icon::None, Buttons::YesNo}), Answer::Yes);
    QCOMPARE(desktop.message(nullptr, {"Again?", "Info", Icon::None, Buttons::YesNo}), Answer::No);
    QCOMPARE(desktop.message(nullptr, {"Done"}), Answer::Ok);
    QCOMPARE(desktop.saveFileName(nullptr, {" Text files(*.txt)|*.txt", 1, "/tmp", true}), QString("/tmp/a.txt"));
    QCOMPARE(desktop.saveFileName(nullptr, {}), QString());
    desktop.shellOpen(nullptr, "vlt.chm", "/opt");
    QCOMPARE(desktop.messages.size(), 3);
    QCOMPARE(desktop.messages.last().title, kAppTitle);
    QCOMPARE(desktop.saves.size(), 2);
    QCOMPARE(desktop.opens.size(), 1);
    QCOMPARE(desktop.opens.first().file, QString("vlt.chm"));
}

void TestPlatform::programsForAType_data()
{
    // Files of a session's folders, "path=contents", under config/ (the
    // user's settings) and apps/ (the applications folder).
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("expected"); // for application/vnd.ms-htmlhelp, then text/plain
    const QString xchm = "apps/xchm.desktop=[Desktop Entry]\nExec=xchm %f\nMimeType=application/vnd.ms-htmlhelp;\n";
    const QString cache = "apps/mimeinfo.cache=[MIME Cache]\napplication/vnd.ms-htmlhelp=xchm.desktop;\n";
    QTest::newRow("nothing installed") << QStringList {} << QStringList {};
    QTest::newRow("a viewer naming the type") << QStringList {xchm} << QStringList {"xchm.desktop"};
    QTest::newRow("the folder's cache") << QStringList {xchm, cache} << QStringList {"xchm.desktop"};
    QTest::newRow("a cache naming a program that is gone") << QStringList {cache} << QStringList {};
    QTest::newRow("a hidden entry") << QStringList {xchm + "Hidden=true\n"} << QStringList {};
    QTest::newRow("an entry in a subfolder") << QStringList {"apps/kde4/okular.desktop=[Desktop Entry]\n",
        "apps/mimeinfo.cache=[MIME Cache]\napplication/vnd.ms-htmlhelp=kde4-okular.desktop;\n"}
                                             << QStringList {"kde4-okular.desktop"};
    QTest::newRow("removed by the user") << QStringList {xchm,
        "config/mimeapps.list=[Removed Associations]\napplication/vnd.ms-htmlhelp=xchm.desktop\n"}
                                         << QStringList {};
    QTest::newRow("added by the user") << QStringList {"apps/editor.desktop=[Desktop Entry]\n",
        "config/mimeapps.list=[Added Associations]\ntext/plain=editor.desktop;\n"}
                                       << QStringList {"editor.desktop"};
    QTest::newRow("the desktop's default") << QStringList {"apps/editor.desktop=[Desktop Entry]\n",
        "config/gnome-mimeapps.list=[Default Applications]\ntext/plain=editor.desktop\n"}
                                           << QStringList {"editor.desktop"};
    QTest::newRow("another desktop's default") << QStringList {"apps/editor.desktop=[Desktop Entry]\n",
        "config/kde-mimeapps.list=[Default Applications]\ntext/plain=editor.desktop\n"}
                                               << QStringList {};
}

void TestPlatform::programsForAType()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, expected);
    QTemporaryDir root;
    for (const QString &file : files) {
        const QString path = root.filePath(file.section(QLatin1Char('='), 0, 0));
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(file.section(QLatin1Char('='), 1).toUtf8());
    }
    const DesktopFolders folders {{root.filePath("config")}, {root.filePath("apps")}, {"gnome"}};
    QCOMPARE(ProgramsFor({"application/vnd.ms-htmlhelp", "text/plain"}, folders), expected);
}

void TestPlatform::layoutFontsResolveToInstalledTwins_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<QStringList>("acceptable");
    QTest::newRow("Palatino Linotype") << "Palatino Linotype"
                                       << QStringList {"P052", "URW Palladio L", "TeX Gyre Pagella", "DejaVu Serif"};
    QTest::newRow("Tahoma") << "Tahoma" << QStringList {"DejaVu Sans", "Liberation Sans"};
    QTest::newRow("Times New Roman") << "Times New Roman"
                                     << QStringList {"Liberation Serif", "Nimbus Roman", "DejaVu Serif"};
    QTest::newRow("Arial") << "Arial" << QStringList {"Liberation Sans", "Nimbus Sans", "DejaVu Sans"};
}

void TestPlatform::layoutFontsResolveToInstalledTwins()
{
    QFETCH(QString, family);
    QFETCH(QStringList, acceptable);
    const QFont font = LayoutFont(family, 9.75, true);
    QCOMPARE(font.pointSizeF(), 9.75);
    QVERIFY(font.bold());
    const QString resolved = QFontInfo(font).family().section(QStringLiteral(" ["), 0, 0); // drop "[foundry]"
    // An exact match means the machine has the original; a twin is the usual case.
    QVERIFY2(resolved == family || acceptable.contains(resolved), qPrintable(family + " became " + resolved));
}

void TestPlatform::buttonCaptionColours()
{
    QWidget window;
    auto *button = platform::Place<ARButton>(&window, "ARButton1", {0, 0, 80, 25}, "&OK");
    auto *other = new QPushButton("other", &window);
    const QColor plain = QPalette().color(QPalette::ButtonText);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(button->objectName(), QString("ARButton1"));
    QCOMPARE(button->geometry(), QRect(0, 0, 80, 25));
    QCOMPARE(button->text(), QString("&OK"));

    button->setFocus();
    QTRY_COMPARE(button->palette().color(QPalette::ButtonText), ARButton::focusColor());
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(button, &enter);
    QCOMPARE(button->palette().color(QPalette::ButtonText), ARButton::hoverColor());
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(button, &leave);
    QCOMPARE(button->palette().color(QPalette::ButtonText), ARButton::focusColor());
    other->setFocus();
    QTRY_COMPARE(button->palette().color(QPalette::ButtonText), plain);
}

void TestPlatform::programFolderOverride()
{
    QCOMPARE(ProgramFolder(), QCoreApplication::applicationDirPath());
    SetProgramFolder("/somewhere/else");
    QCOMPARE(ProgramFolder(), QString("/somewhere/else"));
    SetProgramFolder(QString());
    QCOMPARE(ProgramFolder(), QCoreApplication::applicationDirPath());
}

namespace {
QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}
} // namespace

void TestPlatform::decimalSeparatorFollowsTheLocale()
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const char comma = platform::DecimalSeparator();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const char point = platform::DecimalSeparator();
    QLocale::setDefault(saved);
    QCOMPARE(comma, ',');
    QCOMPARE(point, '.');
}

void TestPlatform::saveRefusesTheProgramsOwnFiles()
{
    // Both save dialogs open in the program's folder, beside the catalogue.
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir folder, elsewhere;
    SetProgramFolder(folder.path());
    const QString catalogue = folder.filePath("stars.vlt");
    const QString userCopy
        = QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath("stars.vlt");
    for (const QString &own : {catalogue, folder.filePath("vlt.chm"), folder.filePath("vlt.de.chm")}) {
        QFile file(own);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("SQLite format 3") > 0);
    }
    QVERIFY(QFile::link(catalogue, elsewhere.filePath("link.vlt")));
    QVERIFY(
        ::link(QFile::encodeName(catalogue).constData(), QFile::encodeName(elsewhere.filePath("hard.vlt")).constData())
        == 0);

    ScriptedDesktop desktop;
    desktop.fileNames << "stars.vlt" << elsewhere.filePath("link.vlt") << elsewhere.filePath("hard.vlt")
                      << folder.filePath("sub/../stars.vlt") << "vlt.de.chm" << userCopy
                      << QCoreApplication::applicationFilePath() << "report.txt";
    int writes = 0;
    const QString written = SaveWithDialog(
        desktop, nullptr, {" Text files(*.txt)|*.txt", 1, folder.path(), true}, [&writes](const QString &path) {
            ++writes;
            return WriteWholeFile(path, "report");
        });
    SetProgramFolder({});
    QCOMPARE(written, folder.filePath("report.txt"));
    QCOMPARE(writes, 1);
    QCOMPARE(desktop.saves.size(), 8); // the dialog came back after every refusal
    QCOMPARE(desktop.messages.size(), 7);
    QVERIFY2(desktop.messages.first().text.contains("cannot be replaced"), qPrintable(desktop.messages.first().text));
    QCOMPARE(contents(catalogue), QByteArray("SQLite format 3"));
    QVERIFY(!QFile::exists(userCopy));
}

void TestPlatform::writesInPlaceWhereNoTemporaryFileFits()
{
    // A file the user may write in a folder the user may not: the temporary
    // file cannot be made, so the file is written where it is. Root may write
    // anywhere, so the writing runs as nobody in a child process.
    QTemporaryDir folder;
    const QString path = folder.filePath("report.txt");
    QVERIFY(WriteWholeFile(path, "old").isEmpty());
    const uid_t nobody = 65534;
    if (geteuid() == 0)
        QVERIFY(::chown(QFile::encodeName(path).constData(), nobody, nobody) == 0);
    QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    QVERIFY(
        QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ExeOther));
    const pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0 && (setgid(nobody) != 0 || setuid(nobody) != 0))
            _exit(2);
        _exit(WriteWholeFile(path, "new report").isEmpty() ? 0 : 1);
    }
    int status = -1;
    waitpid(child, &status, 0);
    QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QVERIFY2(WIFEXITED(status) && WEXITSTATUS(status) == 0, "the write in place failed");
    QCOMPARE(contents(path), QByteArray("new report"));
}

QTEST_MAIN(TestPlatform)
#include "test_platform.moc"
