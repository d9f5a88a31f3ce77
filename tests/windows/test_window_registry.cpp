// Single-instance windows: created on first reference, fresh after unloading.
#include "platform/program_folder.h"
#include "tests/support/window_test.h"
#include "windows/dialogs.h"
#include "windows/window_registry.h"

#include <QSignalSpy>
#include <QTest>

Q_DECLARE_METATYPE(platform::Opened)

class Form1 : public QWidget {
    Q_OBJECT
public:
    static constexpr const char *kDesignerName = "Form1";
    Form1() { ++created; }
    ~Form1() override { ++destroyed; }
    int designState = 0;
    static inline int created = 0;
    static inline int destroyed = 0;
};

class Form3 : public QWidget {
    Q_OBJECT
public:
    static constexpr const char *kDesignerName = "Form3";
};

// Never registered.
class Form7 : public QWidget {
    Q_OBJECT
public:
    static constexpr const char *kDesignerName = "Form7";
};

class TestWindowRegistry : public WindowTest {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void createdOnFirstReferenceOnly();
    void unloadedWindowComesBackFresh();
    void titleBarCloseUnloads();
    void unloadAllEndsWithNothingLoaded();
    void exitOrderIsTheProgramsToGive();
    void unregisteredWindowIsRefused();
    void helpOpensTheHelpFileInTheProgramFolder();
    void helpWithoutAViewer_data();
    void helpWithoutAViewer();
    void documentWithoutAProgram_data();
    void documentWithoutAProgram();
};

void TestWindowRegistry::initTestCase()
{
    WindowTest::initTestCase();
    windows::Registry().add<Form1>();
    windows::Registry().add<Form3>();
}

void TestWindowRegistry::cleanup()
{
    windows::Registry().setExitOrder({});
    WindowTest::cleanup();
}

void TestWindowRegistry::createdOnFirstReferenceOnly()
{
    const int before = Form1::created;
    QVERIFY(!windows::Registry().loaded<Form1>());
    QCOMPARE(Form1::created, before);
    Form1 *first = windows::Registry().window<Form1>();
    QVERIFY(first);
    QVERIFY(!first->isVisible()); // loaded, not shown
    QCOMPARE(first->objectName(), QString("Form1"));
    QCOMPARE(windows::Registry().window<Form1>(), first);
    QCOMPARE(windows::Registry().show<Form1>(), first);
    QVERIFY(first->isVisible());
    QCOMPARE(Form1::created, before + 1);
}

void TestWindowRegistry::unloadedWindowComesBackFresh()
{
    Form1 *first = windows::Registry().show<Form1>();
    first->designState = 42;
    QPointer<Form1> old(first);
    windows::Registry().unload<Form1>();
    QVERIFY(!first->isVisible());
    QVERIFY(!windows::Registry().loaded<Form1>());
    // Unloading from the window's own handler is safe: it goes once control returns.
    QVERIFY(old);
    processDeletes();
    QVERIFY(!old);
    Form1 *second = windows::Registry().window<Form1>();
    QCOMPARE(second->designState, 0);
}

void TestWindowRegistry::titleBarCloseUnloads()
{
    QPointer<Form1> w = windows::Registry().show<Form1>();
    QVERIFY(w->close());
    processDeletes();
    QVERIFY(!w);
    QVERIFY(!windows::Registry().loaded<Form1>());
}

void TestWindowRegistry::unloadAllEndsWithNothingLoaded()
{
    QSignalSpy ended(&windows::Registry(), &windows::WindowRegistry::allUnloaded);
    windows::Registry().show<Form1>();
    windows::Registry().window<Form3>(); // loaded but hidden
    QCOMPARE(windows::Registry().loadedNames(), (QStringList {"Form1", "Form3"}));
    const int destroyedBefore = Form1::destroyed;
    windows::Registry().unloadAll();
    QVERIFY(windows::Registry().loadedNames().isEmpty());
    QVERIFY(ended.count() >= 1);
    processDeletes();
    QCOMPARE(Form1::destroyed, destroyedBefore + 1);
    // Windows that were never loaded are not created just to be unloaded.
    const int createdBefore = Form1::created;
    windows::Registry().unloadAll();
    QCOMPARE(Form1::created, createdBefore);
}

void TestWindowRegistry::exitOrderIsTheProgramsToGive()
{
    // The registry knows no names of its own: the windows named in the exit
    // order go first, in that order, then the rest by name.
    static QStringList destroyed; // the factories outlive this function
    destroyed.clear();
    for (const char *name : {"Help", "Main", "Tools"}) {
        const QString designerName = QString::fromLatin1(name);
        windows::Registry().add(designerName, [designerName] {
            auto *window = new QWidget;
            QObject::connect(window, &QObject::destroyed, [designerName] { destroyed << designerName; });
            return window;
        });
        windows::Registry().window(designerName);
    }
    windows::Registry().setExitOrder({"Tools", "Main", "Never loaded"});
    windows::Registry().unloadAll();
    processDeletes();
    QCOMPARE(destroyed, (QStringList {"Tools", "Main", "Help"}));
    QVERIFY(!windows::Registry().window("Never loaded"));
}

// A window nobody registered would come up unwired: it is not created.
void TestWindowRegistry::unregisteredWindowIsRefused()
{
    QTest::ignoreMessage(QtWarningMsg, "No window is registered as Form7");
    QVERIFY(!windows::Registry().window<Form7>());
    QTest::ignoreMessage(QtWarningMsg, "No window is registered as Form7");
    QVERIFY(!windows::Registry().show<Form7>());
    QVERIFY(!windows::Registry().isRegistered(QStringLiteral("Form7")));
    QVERIFY(windows::Registry().loadedNames().isEmpty());
    QVERIFY(!windows::Registry().window("Form6"));
    QVERIFY(!windows::Registry().show("frmAbout"));
    windows::Registry().unload("Form6"); // nothing to do, nothing breaks
}

void TestWindowRegistry::helpOpensTheHelpFileInTheProgramFolder()
{
    platform::SetProgramFolder("/opt/veltrane");
    Form1 *w = windows::Registry().window<Form1>();
    windows::OpenHelp(w);
    windows::OpenHelp(nullptr);
    QCOMPARE(m_desktop.opens.size(), 2);
    for (const auto &call : m_desktop.opens) {
        QCOMPARE(call.file, QString("vlt.chm"));
        QCOMPARE(call.directory, QString("/opt/veltrane"));
    }
    QCOMPARE(m_desktop.opens.first().owner.data(), static_cast<QWidget *>(w));
}

using platform::Opened;

void TestWindowRegistry::helpWithoutAViewer_data()
{
    QTest::addColumn<Opened>("help"); // what opening vlt.chm comes to
    QTest::addColumn<Opened>("pages"); // and its web pages
    QTest::addColumn<QStringList>("opened");
    QTest::addColumn<QString>("says"); // the message, or "" for none
    const QStringList both = {"vlt.chm", "help/index.html"};
    QTest::newRow("a CHM viewer") << Opened::Yes << Opened::Yes << QStringList {"vlt.chm"} << "";
    QTest::newRow("a browser only") << Opened::NoProgram << Opened::Yes << both << "";
    QTest::newRow("no viewer, no browser") << Opened::NoProgram << Opened::NoProgram << both << "xchm";
    QTest::newRow("no viewer, no pages") << Opened::NoProgram << Opened::NoFile << both << "web browser";
    QTest::newRow("help not installed") << Opened::NoFile << Opened::NoFile << both << "missing";
}

// Help opens the help file, or its web pages in the browser; when neither
// opens, the user learns which file it is and what to install.
void TestWindowRegistry::helpWithoutAViewer()
{
    QFETCH(Opened, help);
    QFETCH(Opened, pages);
    QFETCH(QStringList, opened);
    QFETCH(QString, says);
    platform::SetProgramFolder("/opt/veltrane");
    m_desktop.clear();
    m_desktop.openAnswers = {{"chm", help}, {"html", pages}};
    windows::OpenHelp(nullptr);
    QStringList files;
    for (const auto &call : m_desktop.opens) {
        files << call.file;
        QCOMPARE(call.directory, QString("/opt/veltrane"));
    }
    QCOMPARE(files, opened);
    QCOMPARE(m_desktop.messages.size(), says.isEmpty() ? 0 : 1);
    if (!says.isEmpty()) {
        const QString text = m_desktop.messages.at(0).text;
        QVERIFY2(text.contains(says) && text.contains(QStringLiteral("/opt/veltrane/vlt.chm")), qPrintable(text));
        QCOMPARE(m_desktop.messages.at(0).icon, platform::Icon::Exclamation);
    }
}

void TestWindowRegistry::documentWithoutAProgram_data()
{
    QTest::addColumn<Opened>("result");
    QTest::addColumn<QString>("says");
    QTest::newRow("opened") << Opened::Yes << "";
    QTest::newRow("no program") << Opened::NoProgram << "No program on this computer can open this file. Install one.";
    QTest::newRow("no file") << Opened::NoFile << "The file does not exist.";
}

// The feedback message and a saved report: a file no program opens is named,
// with what to install.
void TestWindowRegistry::documentWithoutAProgram()
{
    QFETCH(Opened, result);
    QFETCH(QString, says);
    platform::SetProgramFolder("/opt/veltrane");
    m_desktop.clear();
    m_desktop.openAnswers = {{"eml", result}};
    QCOMPARE(windows::OpenDocument(nullptr, "fdbk.eml", "Install one."), result == Opened::Yes);
    QCOMPARE(m_desktop.opens.size(), 1);
    QCOMPARE(m_desktop.messages.size(), says.isEmpty() ? 0 : 1);
    if (!says.isEmpty())
        QVERIFY2(m_desktop.messages.at(0).text.startsWith(QStringLiteral("/opt/veltrane/fdbk.eml\n\n"))
                && m_desktop.messages.at(0).text.endsWith(says),
            qPrintable(m_desktop.messages.at(0).text));
}

QTEST_MAIN(TestWindowRegistry)
#include "test_window_registry.moc"
