// The program as users run it: under a real X server (xcb, not offscreen), in
// a real glibc locale (LC_ALL from CTest, so Qt hands LC_NUMERIC to the C
// library as it does in a de_DE or fr_FR session), with the real message
// boxes and file dialog, and title-bar closes sent by X as WM_DELETE_WINDOW.
// Each scenario runs app::Run, the program's own event loop, and drives it by
// a script of steps; a scenario passes when its checks hold and the program
// ends by itself.
#include "app/startup.h"
#include "stardb/star_catalogue.h"
#include "tests/support/window_test.h"
#include "windows/window_registry.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QProcess>
#include <QScopeGuard>
#include <QSlider>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <xcb/xcb.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <iostream>
#include <string>

namespace {

// One step of a scenario. An action runs once; a wait runs until it returns
// true. An action may open a modal box: the steps after it then run inside
// that box's own event loop, as a user's next click would.
struct Step {
    QString what;
    std::function<bool()> run;
    bool action = true;
};

class Scenario : public QObject {
public:
    QStringList failures;

    void act(const QString &what, std::function<void()> run)
    {
        m_steps.append({what,
            [run] {
                run();
                return true;
            },
            true});
    }
    void waitFor(const QString &what, std::function<bool()> condition)
    {
        m_steps.append({what, std::move(condition), false});
    }
    void check(bool condition, const QString &what)
    {
        if (!condition)
            failures << QStringLiteral("step \"%1\": %2").arg(currentStep(), what);
    }

    // Runs the program with the script; true when the program ended by itself
    // after the last step.
    bool runProgram()
    {
        m_running = -1;
        QTimer::singleShot(0, this, &Scenario::tick);
        app::Run(*static_cast<QApplication *>(QCoreApplication::instance()));
        m_stopped = true;
        // A quit the program queued as it ended must not end the next run.
        QCoreApplication::sendPostedEvents();
        if (m_forced)
            return false;
        if (m_index < m_steps.size())
            failures << QStringLiteral("the program ended before step \"%1\"").arg(m_steps.at(m_index).what);
        return true;
    }

private:
    QString currentStep() const { return m_running >= 0 ? m_steps.at(m_running).what : QStringLiteral("-"); }

    void tick()
    {
        if (m_stopped)
            return;
        // A new timer each time: Qt does not run a timer again while its
        // handler still runs, and a step may be waiting inside a modal box.
        QTimer::singleShot(30, this, &Scenario::tick);
        if (m_index >= m_steps.size()) {
            // Every step done: the program should be ending now.
            if (!m_finished.isValid())
                m_finished.start();
            else if (m_finished.elapsed() > 5000)
                force(QStringLiteral("the program is still running after the last step, with %1 loaded")
                          .arg(windows::Registry().loadedNames().join(QStringLiteral(", "))));
            return;
        }
        const qsizetype k = m_index;
        if (m_startedStep != k) {
            m_startedStep = k;
            m_stepTimer.start();
        }
        m_running = k;
        const Step &step = m_steps.at(k);
        if (step.action) {
            ++m_index; // before running: the steps after it may run inside a box it opens
            step.run();
        } else if (step.run()) {
            if (m_index == k)
                ++m_index;
        } else if (m_stepTimer.elapsed() > 10000) {
            force(QStringLiteral("timed out waiting for \"%1\"").arg(step.what));
        }
    }

    void force(const QString &why)
    {
        failures << why;
        m_forced = true;
        m_index = m_steps.size();
        m_finished = {};
        while (QWidget *modal = QApplication::activeModalWidget())
            modal->close();
        windows::Registry().unloadAll();
        QCoreApplication::exit(1);
    }

    QList<Step> m_steps;
    qsizetype m_index = 0;
    qsizetype m_running = -1;
    qsizetype m_startedStep = -1;
    QElapsedTimer m_stepTimer;
    QElapsedTimer m_finished;
    bool m_forced = false;
    bool m_stopped = false;
};

QWidget *window(const char *name)
{
    return windows::Registry().loaded(QString::fromLatin1(name));
}

template <class T = QWidget> T *control(const char *windowName, const char *name)
{
    QWidget *w = window(windowName);
    return w ? w->findChild<T *>(QString::fromLatin1(name)) : nullptr;
}

bool shown(const char *name)
{
    QWidget *w = window(name);
    return w && w->isVisible() && w->windowHandle() && w->windowHandle()->isExposed();
}

void click(const char *windowName, const char *name)
{
    if (auto *button = control<QAbstractButton>(windowName, name))
        QTest::mouseClick(button, Qt::LeftButton);
    else
        QFAIL(qPrintable(QStringLiteral("no %1 in %2").arg(name, windowName)));
}

void choose(const char *windowName, const char *menuItem)
{
    if (auto *action = control<QAction>(windowName, menuItem))
        action->trigger();
}

void clickPicture(const char *windowName, QPoint at)
{
    auto *picture = control<QFrame>(windowName, "Picture1");
    QTest::mouseClick(picture, Qt::LeftButton, Qt::NoModifier, picture->contentsRect().topLeft() + at);
}

void type(const char *windowName, const char *box, const QString &text)
{
    auto *edit = control<QLineEdit>(windowName, box);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

void chooseStar(const QString &name)
{
    auto *list = control<QListView>("Form6", "DBList1");
    const QModelIndexList found
        = list->model()->match(list->model()->index(0, 0), Qt::DisplayRole, name, 1, Qt::MatchExactly);
    if (found.isEmpty())
        return;
    list->scrollTo(found.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualRect(found.first()).center());
}

QString text(const char *windowName, const char *box)
{
    auto *edit = control<QLineEdit>(windowName, box);
    return edit ? edit->text() : QStringLiteral("<no %1>").arg(box);
}

xcb_atom_t atom(xcb_connection_t *connection, const char *atomName)
{
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, std::uint16_t(std::strlen(atomName)), atomName), nullptr);
    const xcb_atom_t result = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return result;
}

// The close that a window manager sends when the title bar's close box is
// pressed: a WM_DELETE_WINDOW client message through the X server.
void closeByTitleBar(const char *name)
{
    QWidget *w = window(name);
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!w || !x11)
        return;
    xcb_connection_t *connection = x11->connection();
    xcb_client_message_event_t event {};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = static_cast<xcb_window_t>(w->winId());
    event.type = atom(connection, "WM_PROTOCOLS");
    event.data.data32[0] = atom(connection, "WM_DELETE_WINDOW");
    event.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(connection, 0, event.window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char *>(&event));
    xcb_flush(connection);
}

// The title the X server holds for a window (_NET_WM_NAME), which the
// window manager shows in its title bar.
QString titleOnTheServer(const char *name)
{
    QWidget *w = window(name);
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!w || !x11)
        return QStringLiteral("<no window>");
    xcb_connection_t *connection = x11->connection();
    const xcb_get_property_cookie_t cookie = xcb_get_property(
        connection, 0, static_cast<xcb_window_t>(w->winId()), atom(connection, "_NET_WM_NAME"), XCB_ATOM_ANY, 0, 1024);
    xcb_get_property_reply_t *reply = xcb_get_property_reply(connection, cookie, nullptr);
    if (!reply)
        return QStringLiteral("<no title>");
    const QString title = QString::fromUtf8(
        static_cast<const char *>(xcb_get_property_value(reply)), xcb_get_property_value_length(reply));
    std::free(reply);
    return title;
}

// The modal box or dialog that is up, if it is of this kind.
template <class T> T *modal()
{
    return qobject_cast<T *>(QApplication::activeModalWidget());
}

// Answers the message box that comes up, after checking what it says.
void answer(Scenario &s, const QString &expected, QMessageBox::StandardButton button, QString *seen = nullptr)
{
    s.waitFor(QStringLiteral("a box saying \"%1\"").arg(expected), [&s, expected, button, seen] {
        auto *box = modal<QMessageBox>();
        if (!box || !box->isVisible())
            return false;
        s.check(box->text().contains(expected), QStringLiteral("the box says \"%1\"").arg(box->text()));
        if (seen)
            *seen = box->text();
        if (QAbstractButton *b = box->button(button))
            b->click();
        else
            box->close();
        return true;
    });
}

void typeIntoFileDialog(Scenario &s, const QString &name)
{
    s.waitFor(QStringLiteral("the save dialog"), [] {
        auto *dialog = modal<QFileDialog>();
        return dialog && dialog->isVisible() && dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    });
    s.act(QStringLiteral("type %1 and press Enter").arg(name), [name] {
        auto *edit = modal<QFileDialog>()->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, name);
        QTest::keyClick(edit, Qt::Key_Return);
    });
}

// Startup window with the introduction skipped, then the general diagram.
void openGeneralDiagram(Scenario &s)
{
    s.waitFor(QStringLiteral("the startup window"), [] { return shown("Form8"); });
    s.act(QStringLiteral("tick and OK"), [] {
        click("Form8", "Check1");
        click("Form8", "ARButton1");
    });
    s.waitFor(QStringLiteral("the general diagram"), [] { return shown("Form1"); });
}

void openStarDatabase(Scenario &s)
{
    s.act(QStringLiteral("Import Data"), [] { choose("Form1", "Fileimport"); });
}

// A text as the session's language has it: the suite runs under de_DE and fr_FR.
QString inSessionLanguage(const char *german, const char *french)
{
    return QString::fromUtf8(qEnvironmentVariable("LC_ALL").startsWith(QLatin1String("fr")) ? french : german);
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Holds an exclusive lock on the catalogue until its standard input closes:
// another program using the file, in a process of its own.
int holdLock(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const char *path = argv[2];
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    db.setDatabaseName(QString::fromLocal8Bit(path));
    QSqlQuery query(db);
    if (!db.open() || !query.exec(QStringLiteral("BEGIN EXCLUSIVE"))
        || !query.exec(QStringLiteral("DELETE FROM \"Star_Q-T\" WHERE rowid = (SELECT min(rowid) FROM \"Star_Q-T\")")))
        return 1;
    std::cout << "locked" << std::endl;
    std::string line;
    while (std::getline(std::cin, line)) { }
    query.exec(QStringLiteral("ROLLBACK"));
    return 0;
}

} // namespace

// The real program with the real dialogs.
class TestEndToEnd : public WindowTest {
    Q_OBJECT
public:
    TestEndToEnd()
        : WindowTest(Dialogs::Real)
    { }

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void commaLocalePlot();
    void programEndsWithItsLastVisibleWindow_data();
    void programEndsWithItsLastVisibleWindow();
    void saveOverTheCatalogueIsRefused();
    void lockedCatalogue();
    void garbageCatalogue();
    void helpAndFeedbackWithoutPrograms();
    void starEvolutionToTheDiagramsAndACsv();

private:
    QString catalogue() const { return stardb::CataloguePath(m_dir->path()); }
};

void TestEndToEnd::initTestCase()
{
    WindowTest::initTestCase();
    QVERIFY2(QGuiApplication::platformName() == QLatin1String("xcb"),
        "run under an X server with the xcb platform (xvfb-run), not offscreen");
    // The session's locale as Qt set it for the C library from LC_ALL.
    const std::string numeric = std::setlocale(LC_NUMERIC, nullptr);
    QVERIFY2(numeric != "C", "LC_ALL names no installed locale: generate it (see tests/CMakeLists.txt)");
    QCOMPARE(std::localeconv()->decimal_point, std::string(","));
}

void TestEndToEnd::init()
{
    // A program folder of its own with the shipped catalogue beside the program.
    WindowTest::init();
    useShippedCatalogue();
}

void TestEndToEnd::cleanup()
{
    // The program ended by itself, leaving no window behind.
    QVERIFY(windows::Registry().loadedNames().isEmpty());
    WindowTest::cleanup();
}

void TestEndToEnd::commaLocalePlot()
{
    // A star typed with a decimal comma, stored, chosen and plotted; then a
    // shipped star, stored with a point, plotted for the same user.
    Scenario s;
    s.waitFor(QStringLiteral("the startup window"), [] { return shown("Form8"); });
    s.act(QStringLiteral("the startup window speaks the session's language"), [&s] {
        const QString text = control<QLabel>("Form8", "Label4")->text();
        s.check(text
                == inSessionLanguage(
                    "Ich brauche keine Einführung in Veltrane", "Je n'ai pas besoin de l'introduction à Veltrane"),
            text);
        // It has no caption: its title bar shows nothing, not the program's name.
        const QString title = titleOnTheServer("Form8");
        s.check(title.trimmed().isEmpty(), QStringLiteral("the title bar reads \"%1\"").arg(title));
    });
    openGeneralDiagram(s);
    s.act(QStringLiteral("the diagram and the about box speak it too"), [&s] {
        const QString button = control<QAbstractButton>("Form1", "ARButton3")->text();
        s.check(
            button == inSessionLanguage("&RELATIVE GRÖSSE UND FARBE ZEIGEN", "AFFICHER &TAILLE ET COULEUR RELATIVES"),
            button);
        choose("Form1", "fileabout");
        s.check(window("frmAbout")->windowTitle() == inSessionLanguage("Info ", "À propos "),
            window("frmAbout")->windowTitle());
        click("frmAbout", "cmdOK");
    });
    openStarDatabase(s);
    s.waitFor(QStringLiteral("the star database"), [] { return shown("Form6"); });
    s.act(QStringLiteral("type a new star"), [&s] {
        s.check(window("Form6")->windowTitle() == inSessionLanguage("Sterndatenbank", "Base de données d'étoiles"),
            window("Form6")->windowTitle());
        click("Form6", "upd");
        click("Form6", "add");
        type("Form6", "Text3", QStringLiteral("Comma star"));
        type("Form6", "Text1", QStringLiteral("9940"));
        type("Form6", "Text2", QStringLiteral("1,42"));
        click("Form6", "ok");
        click("Form6", "ex");
    });
    s.act(QStringLiteral("plot it"), [&s] {
        chooseStar(QStringLiteral("Comma star"));
        s.check(text("Form6", "Text2") == QStringLiteral("1,42"), text("Form6", "Text2"));
        click("Form6", "plot");
    });
    s.act(QStringLiteral("read the diagrams"), [&s] {
        const QStringList general
            = {text("Form1", "Text1"), text("Form1", "Text2"), text("Form1", "Text5"), text("Form1", "Text3")};
        s.check(general == QStringList({"9940", "1,42", "21,23", "1,6527"}), general.join(QLatin1Char(' ')));
        s.check(text("Form2", "Text8") == QStringLiteral("21,23"), text("Form2", "Text8"));
        chooseStar(QStringLiteral("Sun"));
        click("Form6", "plot");
        const QStringList sun = {text("Form1", "Text2"), text("Form1", "Text5"), text("Form2", "Text5")};
        s.check(sun == QStringList({"4,83", ",96", ",99"}), sun.join(QLatin1Char(' ')));
    });
    s.act(QStringLiteral("EXIT"), [] { click("Form1", "ARButton2"); });
    QVERIFY(s.runProgram());
    QVERIFY2(s.failures.isEmpty(), qPrintable(s.failures.join(QLatin1Char('\n'))));
}

void TestEndToEnd::programEndsWithItsLastVisibleWindow_data()
{
    // The main-sequence window is loaded but hidden in each, and the last
    // window on screen goes by a button of its own.
    QTest::addColumn<int>("sequence");
    QTest::newRow("Import Data, title bar, Close") << 1;
    QTest::newRow("Import Data, Close, About, title bar, OK") << 2;
    QTest::newRow("Import Data, Close, relative size, title bar, EXIT") << 3;
    QTest::newRow("Import Data, Plot, title bar, Close") << 4;
}

void TestEndToEnd::programEndsWithItsLastVisibleWindow()
{
    QFETCH(int, sequence);
    Scenario s;
    openGeneralDiagram(s);
    openStarDatabase(s);
    s.waitFor(QStringLiteral("the star database"), [] { return shown("Form6"); });
    const auto titleBarCloseOfTheDiagram = [&s] {
        s.act(QStringLiteral("title-bar close of Veltrane"), [] { closeByTitleBar("Form1"); });
        s.waitFor(QStringLiteral("the general diagram gone"), [] { return !window("Form1"); });
    };
    switch (sequence) {
    case 1:
        titleBarCloseOfTheDiagram();
        s.act(QStringLiteral("Close"), [] { click("Form6", "Clse"); });
        break;
    case 2:
        s.act(QStringLiteral("Close, About"), [] {
            click("Form6", "Clse");
            choose("Form1", "fileabout");
        });
        s.waitFor(QStringLiteral("the about box"), [] { return shown("frmAbout"); });
        titleBarCloseOfTheDiagram();
        s.act(QStringLiteral("OK"), [] { click("frmAbout", "cmdOK"); });
        break;
    case 3:
        s.act(QStringLiteral("Close, click, relative size"), [] {
            click("Form6", "Clse");
            clickPicture("Form1", {187, 249});
            click("Form1", "ARButton3");
        });
        s.waitFor(QStringLiteral("the relative size window"), [] { return shown("Form3"); });
        titleBarCloseOfTheDiagram();
        s.act(QStringLiteral("EXIT"), [] { click("Form3", "Command3"); });
        break;
    case 4:
        s.act(QStringLiteral("Plot"), [] {
            chooseStar(QStringLiteral("Sirius"));
            click("Form6", "plot");
        });
        titleBarCloseOfTheDiagram();
        s.act(QStringLiteral("Close"), [] { click("Form6", "Clse"); });
        break;
    }
    QVERIFY2(s.runProgram(), qPrintable(s.failures.join(QLatin1Char('\n'))));
    QVERIFY2(s.failures.isEmpty(), qPrintable(s.failures.join(QLatin1Char('\n'))));
}

void TestEndToEnd::saveOverTheCatalogueIsRefused()
{
    // "Print Data" opens in the program's folder, beside stars.vlt; the user
    // types its name and confirms the replace prompt.
    const QByteArray before = contents(catalogue());
    Scenario s;
    openGeneralDiagram(s);
    s.act(QStringLiteral("click the Sun, Print Data"), [] {
        clickPicture("Form1", {187, 249});
        choose("Form1", "Fileprint");
    });
    typeIntoFileDialog(s, QStringLiteral("stars.vlt"));
    answer(s, QStringLiteral("stars.vlt"), QMessageBox::Yes); // Qt's own prompt before replacing a file
    answer(s, inSessionLanguage("kann nicht ersetzt werden", "ne peut pas être remplacé"), QMessageBox::Ok);
    typeIntoFileDialog(s, QStringLiteral("sun.txt"));
    answer(s, inSessionLanguage("Die gespeicherte Datendatei öffnen?", "Ouvrir le fichier de données enregistré ?"),
        QMessageBox::No);
    s.act(QStringLiteral("EXIT"), [] { click("Form1", "ARButton2"); });
    QVERIFY(s.runProgram());
    QVERIFY2(s.failures.isEmpty(), qPrintable(s.failures.join(QLatin1Char('\n'))));
    QCOMPARE(contents(catalogue()), before);
    const QByteArray report = contents(QDir(m_dir->path()).filePath(QStringLiteral("sun.txt")));
    QCOMPARE(report.count("\r\n"), 15);
    QVERIFY(report.contains("AVERAGE SURFACE TEMPERATURE (K)= 5963       \r\n"));
    QVERIFY(report.contains("ABSOLUTE MAGNITUDE = 4,78       \r\n"));
}

void TestEndToEnd::lockedCatalogue()
{
    // Another process holds the catalogue while the window opens.
    QProcess holder;
    holder.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--hold-lock"), catalogue()});
    QVERIFY(holder.waitForReadyRead(10000));
    QCOMPARE(holder.readLine().trimmed(), QByteArray("locked"));
    Scenario s;
    openGeneralDiagram(s);
    openStarDatabase(s);
    QString said;
    answer(s, QStringLiteral("database is locked"), QMessageBox::Ok, &said);
    s.act(QStringLiteral("the other program lets go"), [&s, &holder] {
        s.check(control<QListView>("Form6", "DBList1")->model()->rowCount() == 0,
            QStringLiteral("stars listed while locked"));
        holder.closeWriteChannel();
        s.check(holder.waitForFinished(10000) && holder.exitCode() == 0, QStringLiteral("the lock holder failed"));
    });
    s.act(QStringLiteral("Update Database"), [&s] {
        click("Form6", "upd");
        s.check(!modal<QMessageBox>(), QStringLiteral("a message came up"));
        s.check(control<QListView>("Form6", "DBList1")->model()->rowCount() > 30,
            QStringLiteral("the stars are not listed"));
    });
    s.act(QStringLiteral("EXIT"), [] { click("Form1", "ARButton2"); });
    QVERIFY(s.runProgram());
    QVERIFY2(s.failures.isEmpty(), qPrintable(s.failures.join(QLatin1Char('\n'))));
    QVERIFY2(!said.contains(QStringLiteral("not a star catalogue")), qPrintable(said));
}

void TestEndToEnd::garbageCatalogue()
{
    QFile file(catalogue());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QByteArray(762, 'x'));
    file.close();
    Scenario s;
    QElapsedTimer opening;
    openGeneralDiagram(s);
    s.act(QStringLiteral("Import Data"), [&opening] {
        opening.start();
        choose("Form1", "Fileimport");
    });
    QString said;
    answer(s, QStringLiteral("file is not a database"), QMessageBox::Ok, &said);
    qint64 waited = -1;
    s.act(QStringLiteral("EXIT"), [&waited, &opening] {
        waited = opening.elapsed();
        click("Form1", "ARButton2");
    });
    QVERIFY(s.runProgram());
    QVERIFY2(s.failures.isEmpty(), qPrintable(s.failures.join(QLatin1Char('\n'))));
    QVERIFY2(said.contains(QDir::toNativeSeparators(catalogue())), qPrintable(said));
    qInfo("the message came after %lld ms", waited);
}

void TestEndToEnd::helpAndFeedbackWithoutPrograms()
{
    // A desktop where no program opens a help file, a web page or a mail: the
    // session's folders of programs and associations are empty.
    QTemporaryDir session;
    const QByteArray empty = session.path().toLocal8Bit();
    const char *variables[] = {"XDG_DATA_HOME", "XDG_DATA_DIRS", "XDG_CONFIG_HOME", "XDG_CONFIG_DIRS"};
    QList<QByteArray> before;
    for (const char *variable : variables) {
        before << qgetenv(variable);
        qputenv(variable, empty);
    }
    const auto restore = qScopeGuard([&] {
        for (int i = 0; i < 4; ++i)
            before.at(i).isNull() ? qunsetenv(variables[i]) : qputenv(variables[i], before.at(i));
    });
    const QDir program(qEnvironmentVariable("VELTRANE_PROGRAM_DIR"));
    for (const char *file : {"vlt.chm", "fdbk.eml"})
        QVERIFY(QFile::copy(program.filePath(QLatin1String(file)), QDir(m_dir->path()).filePath(QLatin1String(file))));
    Scenario s;
    openGeneralDiagram(s);
    s.act(QStringLiteral("Help"), [] { choose("Form1", "Filehelp"); });
    QString help;
    answer(s, QStringLiteral("xchm"), QMessageBox::Ok, &help);
    s.act(QStringLiteral("About"), [] { choose("Form1", "fileabout"); });
    s.waitFor(QStringLiteral("the about box"), [] { return shown("frmAbout"); });
    s.act(QStringLiteral("FEEDBACK"), [] { click("frmAbout", "Command2"); });
    answer(s, QStringLiteral("fdbk.eml"), QMessageBox::Ok);
    s.act(QStringLiteral("OK, EXIT"), [] {
        click("frmAbout", "cmdOK");
        click("Form1", "ARButton2");
    });
    QVERIFY(s.runProgram());
    QVERIFY2(s.failures.isEmpty(), qPrintable(s.failures.join(QLatin1Char('\n'))));
    QVERIFY2(help.contains(QDir::toNativeSeparators(QDir(m_dir->path()).filePath(QStringLiteral("vlt.chm")))),
        qPrintable(help));
}

void TestEndToEnd::starEvolutionToTheDiagramsAndACsv()
{
    // A Sun-like star chosen with a decimal comma, moved on to the red-giant
    // branch, shown on both diagrams (which read back its temperature and
    // luminosity) and its track saved: the file is what the command line prints.
    Scenario s;
    openGeneralDiagram(s);
    s.act(QStringLiteral("File, Star Evolution"), [] { choose("Form1", "Fileevolution"); });
    s.waitFor(QStringLiteral("the star evolution window"), [] { return shown("Form7"); });
    s.act(QStringLiteral("type 1,0 solar masses"), [&s] {
        s.check(window("Form7")->windowTitle() == inSessionLanguage("Sternentwicklung", "Évolution des étoiles"),
            window("Form7")->windowTitle());
        type("Form7", "Text1", QStringLiteral("1,0"));
        QTest::keyClick(control<QLineEdit>("Form7", "Text1"), Qt::Key_Return);
        s.check(text("Form7", "Text5") == QStringLiteral("1,00"), text("Form7", "Text5"));
    });
    s.act(QStringLiteral("the age on to the red-giant branch"), [&s] {
        const QString redGiant = inSessionLanguage("Roter Riese", "géante rouge");
        auto *age = control<QSlider>("Form7", "Slider2");
        age->setFocus();
        for (int i = 0; i <= age->maximum() && text("Form7", "Text2") != redGiant; ++i)
            QTest::keyClick(age, Qt::Key_Right);
        s.check(text("Form7", "Text2") == redGiant, text("Form7", "Text2"));
    });
    s.act(QStringLiteral("Show on the diagrams"), [&s] {
        const QString temperature = text("Form7", "Text8"), luminosity = text("Form7", "Text7");
        click("Form7", "Command2");
        s.check(!modal<QMessageBox>(), QStringLiteral("a message came up"));
        s.check(shown("Form1"), QStringLiteral("the general diagram is not shown"));
        for (const char *diagram : {"Form1", "Form2"}) {
            s.check(text(diagram, "Text1") == temperature,
                QStringLiteral("%1 reads %2 K for %3 K").arg(diagram, text(diagram, "Text1"), temperature));
            const double read
                = QLocale().toDouble(text(diagram, diagram == QLatin1String("Form1") ? "Text5" : "Text8"));
            s.check(std::fabs(read / QLocale().toDouble(luminosity) - 1) < 0.01,
                QStringLiteral("%1 reads the luminosity %2 for %3").arg(diagram).arg(read).arg(luminosity));
        }
    });
    s.act(QStringLiteral("Save as CSV"), [] { click("Form7", "Command3"); });
    typeIntoFileDialog(s, QStringLiteral("sun.csv"));
    s.act(QStringLiteral("EXIT"), [&s] {
        s.check(!modal<QMessageBox>(), QStringLiteral("a message came up"));
        click("Form1", "ARButton2");
    });
    QVERIFY(s.runProgram());
    QVERIFY2(s.failures.isEmpty(), qPrintable(s.failures.join(QLatin1Char('\n'))));

    QProcess commandLine;
    commandLine.start(qEnvironmentVariable("VELTRANE_PROGRAM_DIR") + QStringLiteral("/veltrane"),
        {QStringLiteral("--track"), QStringLiteral("1")});
    QVERIFY(commandLine.waitForFinished(30000));
    QCOMPARE(commandLine.exitCode(), 0);
    const QByteArray printed = commandLine.readAllStandardOutput();
    QVERIFY(printed.startsWith("t_Myr,type,mass,core_mass,log_L,log_R,log_Teff\n"));
    QCOMPARE(contents(QDir(m_dir->path()).filePath(QStringLiteral("sun.csv"))), printed);
}

int main(int argc, char *argv[])
{
    if (argc == 3 && std::string(argv[1]) == "--hold-lock")
        return holdLock(argc, argv);
    QApplication application(argc, argv);
    TestEndToEnd test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_end_to_end.moc"
