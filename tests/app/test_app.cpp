// Startup, navigation between the windows, the end of the program, the
// information windows and their resources.
#include "app/about_box.h"
#include "app/introduction_window.h"
#include "app/other_aspects_window.h"
#include "app/startup.h"
#include "app/startup_window.h"
#include "app/window_composition.h"
#include "app/window_look.h"
#include "diagram/general_diagram_window.h"
#include "diagram/main_sequence_window.h"
#include "platform/accessibility.h"
#include "platform/common_controls.h"
#include "platform/language.h"
#include "platform/program_folder.h"
#include "resources/app/app_resources.h"
#include "resources/pixel_file.h"
#include "stardb/star_database_window.h"
#include "tests/support/in_language.h"
#include "tests/support/window_test.h"
#include "windows/diagram_link.h"
#include "windows/dialogs.h"
#include "windows/window_registry.h"

#include <QAbstractButton>
#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDateTime>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextLayout>
#include <QTimer>
#include <algorithm>
#include <memory>

using windows::Registry;

namespace {

QStringList VisibleWindows()
{
    QStringList names;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible())
            names << w->objectName();
    names.sort();
    return names;
}

// The menu item or the button of `window` with this designer name, chosen
// as the user chooses it; false if the window has neither.
bool Use(QWidget *window, const QString &control)
{
    if (auto *action = window->findChild<QAction *>(control))
        action->trigger();
    else if (auto *button = window->findChild<QPushButton *>(control))
        button->click();
    else
        return false;
    return true;
}

// Lines a word-wrapped plain-text label lays its text out in.
QStringList WrappedLines(const QLabel *label)
{
    QTextLayout layout(label->text(), label->font());
    layout.beginLayout();
    QStringList lines;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(label->width());
        lines << label->text().mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    return lines;
}

// The names of the pictures a rich-text document shows, each checked to load.
QStringList ShownImages(QTextDocument *doc)
{
    QStringList names;
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (!format.isImageFormat())
                continue;
            const QString name = format.toImageFormat().name();
            const QVariant image = doc->resource(QTextDocument::ImageResource, QUrl(name));
            if (image.isValid() && !image.value<QImage>().isNull())
                names << name;
            else
                names << QStringLiteral("(missing) ") + name;
        }
    }
    return names;
}

// What the window's own shortcuts are called in AltKeys.
const QString kWindowShortcut = QStringLiteral("a shortcut of the window");

// The Alt+letter keys a window answers to, each with what claims it: the
// access keys of its buttons, of frames and of labels that lead to a
// control, the marked letters of its menu bar, and its own shortcuts (a
// diagram window opens a menu without a marked letter with Alt and the
// menu's first letter). A control counts whichever mode of the window shows
// it, so that no mode can bring two claims together.
QMultiMap<QString, QString> AltKeys(const QWidget *window)
{
    QMultiMap<QString, QString> keys;
    const auto claim = [&keys](const QKeySequence &key, const QString &by) {
        if (!key.isEmpty() && key[0].keyboardModifiers() == Qt::AltModifier)
            keys.insert(key.toString(QKeySequence::PortableText), by);
    };
    for (const QAbstractButton *button : window->findChildren<QAbstractButton *>())
        claim(QKeySequence::mnemonic(button->text()), button->objectName());
    for (const QGroupBox *frame : window->findChildren<QGroupBox *>())
        claim(QKeySequence::mnemonic(frame->title()), frame->objectName());
    for (const QLabel *label : window->findChildren<QLabel *>())
        if (label->buddy())
            claim(QKeySequence::mnemonic(label->text()), label->objectName());
    for (const QMenuBar *bar : window->findChildren<QMenuBar *>())
        for (const QAction *menu : bar->actions())
            claim(QKeySequence::mnemonic(menu->text()), menu->menu() ? menu->menu()->objectName() : menu->text());
    for (const QAction *action : window->findChildren<QAction *>())
        for (const QKeySequence &key : action->shortcuts())
            claim(key, action->objectName());
    for (const QShortcut *shortcut : window->findChildren<QShortcut *>())
        for (const QKeySequence &key : shortcut->keys())
            claim(key, kWindowShortcut);
    return keys;
}

// Every caption, label, button, frame title and menu bar of these windows
// that does not fit its control at its font, and so is cut off.
QStringList TextsThatDoNotFit(std::initializer_list<const char *> windows)
{
    QStringList problems;
    const auto check = [&problems](const QWidget *control, const QString &text, QSize room, int flags) {
        const QRect needed = QFontMetrics(control->font()).boundingRect(QRect(0, 0, room.width(), 10000), flags, text);
        if (needed.width() > room.width() || needed.height() > room.height())
            problems << QStringLiteral("%1/%2 \"%3\" needs %4 x %5 of %6 x %7")
                            .arg(control->window()->objectName(), control->objectName(), text.simplified())
                            .arg(needed.width())
                            .arg(needed.height())
                            .arg(room.width())
                            .arg(room.height());
    };
    for (const char *name : windows) {
        QWidget *window = Registry().show(QString::fromLatin1(name));
        if (!window) {
            problems << QStringLiteral("no window %1").arg(QLatin1String(name));
            continue;
        }
        // The live read-outs, at a column with each run of blanks.
        if (auto *picture = Control<QFrame>(window, "Picture1"); picture && qobject_cast<QMainWindow *>(window)) {
            for (const QPoint at : {QPoint(187, 249), QPoint(300, 60)}) {
                QTest::mouseMove(picture, picture->contentsRect().topLeft() + at);
                for (const char *readout : {"Label1", "Label10"})
                    if (auto *label = Control<QLabel>(window, readout); label && label->parent() != window)
                        check(label, label->text(), label->contentsRect().size(),
                            int(label->alignment()) | Qt::TextWordWrap);
            }
        }
        for (const QLabel *label : window->findChildren<QLabel *>()) {
            if (label->text().isEmpty() || !label->pixmap().isNull())
                continue;
            check(label, label->text(), label->contentsRect().size(),
                int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0));
        }
        for (const QPushButton *button : window->findChildren<QPushButton *>()) {
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
            check(button, button->text(), room.size(), Qt::TextShowMnemonic);
        }
        for (const QGroupBox *frame : window->findChildren<QGroupBox *>())
            check(frame, frame->title(), QSize(frame->width() - 16, frame->height()), 0);
        if (auto *main = qobject_cast<QMainWindow *>(window);
            main && main->menuBar()->sizeHint().width() > main->width())
            problems << QStringLiteral("%1's menus need %2 of %3")
                            .arg(window->objectName())
                            .arg(main->menuBar()->sizeHint().width())
                            .arg(main->width());
    }
    return problems;
}

} // namespace

class TestApp : public WindowTest {
    Q_OBJECT
private slots:
    void initTestCase();

    // Navigation
    void everyWindowReachedByNameIsRegistered_data();
    void everyWindowReachedByNameIsRegistered();
    void startupChoice_data();
    void startupChoice();
    void introductionPathsEndInTheGeneralDiagram_data();
    void introductionPathsEndInTheGeneralDiagram();
    void closingTheStartupWindowEndsTheProgram();
    void exitUnloadsEveryWindow();
    void exitFromEitherDiagram_data();
    void exitFromEitherDiagram();
    void okAndBackStartEmpty();
    void windowsComeBackAtTheirDesignState();
    void importDataHidesTheLiveReadouts();
    void starGivenAsNumbersPlotsOnBoth();
    void programEnds_data();
    void programEnds();

    // Information windows
    void feedbackTwiceMakesTwoShellCallsAndTheBoxStays();
    void aboutBoxIsBroughtForwardNotDuplicated();
    void helpFromEveryWindowOpensTheSameFile_data();
    void helpFromEveryWindowOpensTheSameFile();
    void everyTextFitsItsControl_data();
    void everyTextFitsItsControl();
    void accessKeysDifferInEveryWindow_data();
    void accessKeysDifferInEveryWindow();
    void welcomeWrapsOntoTwoLines();
    void ownLookWhateverTheDesktop_data();
    void ownLookWhateverTheDesktop();

    // Resources
    void everyPictureLoads_data();
    void everyPictureLoads();
    void pixelFileKeepsThePicture_data();
    void pixelFileKeepsThePicture();
    void introductionShowsItsPicture();
    void introductionInTheUserLanguage_data();
    void introductionInTheUserLanguage();
    void feedbackMessageIsAConformingDraft();
};

void TestApp::initTestCase()
{
    WindowTest::initTestCase();
    platform::InitCommonControls();
    app::RegisterWindows();
}

void TestApp::everyWindowReachedByNameIsRegistered_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"Form1", "Form2", "Form4", "Form5", "Form6", "Form7", "Form8", "frmAbout"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestApp::everyWindowReachedByNameIsRegistered()
{
    // A name nobody registered is shown as nothing at all: the user would be
    // left without a window.
    QFETCH(QString, name);
    QVERIFY2(Registry().isRegistered(name), qPrintable(name + " is not registered"));
    QWidget *w = Registry().window(name);
    QVERIFY(w);
    QCOMPARE(w->objectName(), name); // the designer name
    QVERIFY2(!w->isVisible(), "referring to a window loads it without showing it");
}

void TestApp::startupChoice_data()
{
    QTest::addColumn<bool>("ticked");
    QTest::addColumn<QString>("next");
    QTest::newRow("ticked skips the introduction") << true << "Form1";
    QTest::newRow("unticked opens the introduction") << false << "Form4";
}

void TestApp::startupChoice()
{
    QFETCH(bool, ticked);
    QFETCH(QString, next);
    auto *startup = Registry().show<app::StartupWindow>();
    QVERIFY(!Control<QCheckBox>(startup, "Check1")->isChecked());
    if (ticked)
        QTest::mouseClick(Control<QCheckBox>(startup, "Check1"), Qt::LeftButton, {}, QPoint(8, 8));
    QCOMPARE(Control<QCheckBox>(startup, "Check1")->isChecked(), ticked);
    QTest::mouseClick(Control<QPushButton>(startup, "ARButton1"), Qt::LeftButton);
    processDeletes();
    QCOMPARE(Registry().loadedNames(), QStringList {next});
    QCOMPARE(VisibleWindows(), QStringList {next});
}

void TestApp::introductionPathsEndInTheGeneralDiagram_data()
{
    QTest::addColumn<bool>("furtherProceed");
    QTest::newRow("OK") << false;
    QTest::newRow("Further Proceed, then OK") << true;
}

void TestApp::introductionPathsEndInTheGeneralDiagram()
{
    QFETCH(bool, furtherProceed);
    auto *intro = Registry().show<app::IntroductionWindow>();
    if (furtherProceed) {
        QTest::mouseClick(Control<QPushButton>(intro, "ARButton1"), Qt::LeftButton);
        processDeletes();
        QCOMPARE(VisibleWindows(), QStringList {"Form5"});
        QTest::mouseClick(
            Control<QPushButton>(Registry().loaded<app::OtherAspectsWindow>(), "ARButton1"), Qt::LeftButton);
    } else {
        QCOMPARE(Control<QPushButton>(intro, "ARButton2")->toolTip(), QStringLiteral("Go to program"));
        QTest::mouseClick(Control<QPushButton>(intro, "ARButton2"), Qt::LeftButton);
    }
    processDeletes();
    QCOMPARE(Registry().loadedNames(), QStringList {"Form1"});
    QCOMPARE(VisibleWindows(), QStringList {"Form1"});
}

void TestApp::closingTheStartupWindowEndsTheProgram()
{
    // The startup window is a tool window, which Qt does not count for
    // "last window closed"; the registry's end signal must still come.
    QSignalSpy ended(&Registry(), &windows::WindowRegistry::allUnloaded);
    auto *startup = Registry().show<app::StartupWindow>();
    QVERIFY(startup->close());
    processDeletes();
    QVERIFY(Registry().loadedNames().isEmpty());
    QVERIFY(ended.count() >= 1);
}

void TestApp::exitUnloadsEveryWindow()
{
    QSignalSpy ended(&Registry(), &windows::WindowRegistry::allUnloaded);
    const QStringList open = {"Form1", "Form3", "Form6", "frmAbout"};
    for (const QString &name : open)
        QVERIFY2(Registry().show(name), qPrintable(name));
    Registry().window("Form2"); // loaded, not shown, as "Import Data" leaves it
    QCOMPARE(Registry().loadedNames().size(), open.size() + 1);

    Registry().unloadAll();
    QVERIFY(Registry().loadedNames().isEmpty());
    QCOMPARE(VisibleWindows(), QStringList {});
    QVERIFY(ended.count() >= 1);
    processDeletes();
    const QWidgetList alive = QApplication::topLevelWidgets();
    const bool anyLeft = std::any_of(alive.cbegin(), alive.cend(),
        [&open](QWidget *w) { return open.contains(w->objectName()) || w->objectName() == QLatin1String("Form2"); });
    QVERIFY2(!anyLeft, "an unloaded window is still alive");
}

void TestApp::exitFromEitherDiagram_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::newRow("general, EXIT") << "Form1"
                                   << "ARButton2";
    QTest::newRow("general, Exit") << "Form1"
                                   << "FileExit";
    QTest::newRow("main sequence, EXIT") << "Form2"
                                         << "ARButton2";
    QTest::newRow("main sequence, Exit") << "Form2"
                                         << "Exit";
}

void TestApp::exitFromEitherDiagram()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    Registry().show<diagram::GeneralDiagramWindow>();
    Registry().window<diagram::MainSequenceWindow>();
    Registry().show<app::AboutBox>();
    // "Star Evolution" in the File menu of either diagram window brings the
    // star evolution window, which Exit closes with the others.
    QVERIFY(Use(Registry().loaded(window), QStringLiteral("Fileevolution")));
    QVERIFY(Registry().loaded(QStringLiteral("Form7")) && Registry().loaded(QStringLiteral("Form7"))->isVisible());
    QVERIFY(Use(Registry().loaded(window), control));
    processDeletes();
    QVERIFY(Registry().loadedNames().isEmpty());
}

// OK and BACK put the other diagram window in the one's place, each time
// afresh: no star selected, the prompt at its first colour.
void TestApp::okAndBackStartEmpty()
{
    auto *form1 = Registry().show<diagram::GeneralDiagramWindow>();
    PressPicture(form1, 187, 249);
    Control<QPushButton>(form1, "ARButton1")->click();
    processDeletes();
    QCOMPARE(VisibleWindows(), QStringList {"Form2"});
    auto *form2 = Registry().loaded<diagram::MainSequenceWindow>();
    QCOMPARE(Texts(form2, {"Text1"}), QStringList {QString()});
    QVERIFY(!form2->selectedStar());
    PressPicture(form2, 100, 100);
    form2->findChild<QAction *>(QStringLiteral("Back"))->trigger();
    processDeletes();
    QCOMPARE(Registry().loadedNames(), QStringList {"Form1"});
    form1 = Registry().loaded<diagram::GeneralDiagramWindow>();
    QVERIFY(form1->isVisible());
    QCOMPARE(Texts(form1, {"Text1"}), QStringList {QString()});
    QVERIFY(!form1->selectedStar());
    QCOMPARE(Control<QLabel>(form1, "Label7")->palette().color(QPalette::WindowText), QColor(252, 3, 47));
    Control<QPushButton>(form1, "ARButton1")->click();
    processDeletes();
    Control<QPushButton>(Registry().loaded<diagram::MainSequenceWindow>(), "ARButton1")->click();
    processDeletes();
    QCOMPARE(Registry().loadedNames(), QStringList {"Form1"});
    QCOMPARE(VisibleWindows(), QStringList {"Form1"});
}

void TestApp::windowsComeBackAtTheirDesignState()
{
    auto *startup = Registry().show<app::StartupWindow>();
    Control<QCheckBox>(startup, "Check1")->setChecked(true);
    QPointer<app::StartupWindow> old = startup;
    Registry().unload<app::StartupWindow>();
    processDeletes();
    QVERIFY(old.isNull());
    QVERIFY(!Control<QCheckBox>(Registry().window<app::StartupWindow>(), "Check1")->isChecked());

    auto *intro = Registry().show<app::IntroductionWindow>();
    Control<QTextBrowser>(intro, "RichTextBox1")->setHtml(QStringLiteral("changed"));
    Registry().unload<app::IntroductionWindow>();
    processDeletes();
    QTextDocument design;
    design.setHtml(app::IntroductionWindow::IntroductionDocument());
    QCOMPARE(Control<QTextBrowser>(Registry().window<app::IntroductionWindow>(), "RichTextBox1")->toPlainText(),
        design.toPlainText());
}

// "Import Data" opens the star database and hides the live read-outs of both
// diagram windows, loading the main-sequence window (not shown) for that.
void TestApp::importDataHidesTheLiveReadouts()
{
    auto *general = Registry().show<diagram::GeneralDiagramWindow>();
    general->findChild<QAction *>(QStringLiteral("Fileimport"))->trigger();
    QVERIFY(Registry().loaded<stardb::StarDatabaseWindow>()->isVisible());
    QVERIFY(Control<QLabel>(general, "Label1")->isHidden());
    auto *mainSequence = Registry().loaded<diagram::MainSequenceWindow>();
    QVERIFY2(mainSequence, "Form2 is loaded to hide its read-out");
    QVERIFY(!mainSequence->isVisible());
    QVERIFY(Control<QLabel>(mainSequence, "Label10")->isHidden());
}

// A window that works out a star shows it on both diagrams with its two
// numbers, as the star database's Plot does with a catalogued star.
void TestApp::starGivenAsNumbersPlotsOnBoth()
{
    windows::DiagramLink &diagrams = app::TheDiagrams();
    diagrams.showGeneralDiagram();
    diagrams.plotOnBoth({5772, 4.83});
    QVERIFY2(m_desktop.messages.isEmpty(), qPrintable(m_desktop.messages.value(0).text));
    auto *general = Registry().loaded<diagram::GeneralDiagramWindow>();
    auto *mainSequence = Registry().loaded<diagram::MainSequenceWindow>();
    QVERIFY(general && general->isVisible() && mainSequence && !mainSequence->isVisible());
    for (const diagram::DiagramWindow *window :
        {static_cast<diagram::DiagramWindow *>(general), static_cast<diagram::DiagramWindow *>(mainSequence)}) {
        QVERIFY(window->selectedStar());
        QCOMPARE(window->selectedStar()->point.Temperature, 5772.0);
        QCOMPARE(Texts(window, {"Text1", "Text2"}), (QStringList {"5772", "4.83"}));
    }
}

void TestApp::programEnds_data()
{
    QTest::addColumn<bool>("byExit");
    QTest::newRow("exit unloads every window") << true;
    QTest::newRow("last visible window closed, another loaded but hidden") << false;
}

void TestApp::programEnds()
{
    // The whole run: the startup window first, straight on to the general
    // diagram, then the end; afterwards no window may be left alive.
    QFETCH(bool, byExit);
    bool startedAtForm8 = false;
    bool timedOut = false;
    QTimer::singleShot(0, this, [&] {
        startedAtForm8
            = Registry().loadedNames() == QStringList {"Form8"} && Registry().loaded<app::StartupWindow>()->isVisible();
        auto *startup = Registry().loaded<app::StartupWindow>();
        Control<QCheckBox>(startup, "Check1")->setChecked(true);
        Control<QPushButton>(startup, "ARButton1")->click();
        Registry().window("Form2"); // loaded, not shown
        QTimer::singleShot(0, this, [byExit] {
            if (byExit)
                Registry().unloadAll();
            else
                Registry().loaded("Form1")->close();
        });
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, this, [&timedOut] {
        timedOut = true;
        QCoreApplication::quit();
    });
    watchdog.start(10000);
    const int result = app::Run(*qApp);
    watchdog.stop();
    QVERIFY(startedAtForm8);
    QVERIFY2(!timedOut, "the program did not end");
    QCOMPARE(result, 0);
    QVERIFY(Registry().loadedNames().isEmpty());
    QCOMPARE(QApplication::topLevelWidgets().size(), 0);
}

void TestApp::feedbackTwiceMakesTwoShellCallsAndTheBoxStays()
{
    auto *about = Registry().show<app::AboutBox>();
    QTest::mouseClick(Control<QPushButton>(about, "Command2"), Qt::LeftButton);
    QTest::mouseClick(Control<QPushButton>(about, "Command2"), Qt::LeftButton);
    processDeletes();
    QCOMPARE(m_desktop.opens.size(), 2);
    for (const auto &call : m_desktop.opens) {
        QCOMPARE(call.file, QStringLiteral("fdbk.eml"));
        QCOMPARE(call.directory, platform::ProgramFolder());
        QCOMPARE(call.owner.data(), about);
    }
    QCOMPARE(Registry().loaded<app::AboutBox>(), about);
    QVERIFY(about->isVisible());
    QVERIFY(m_desktop.messages.isEmpty());
    // Without a mail program the user is told what to install.
    m_desktop.openAnswers.insert(QStringLiteral("eml"), platform::Opened::NoProgram);
    QTest::mouseClick(Control<QPushButton>(about, "Command2"), Qt::LeftButton);
    QCOMPARE(m_desktop.messages.size(), 1);
    QVERIFY2(m_desktop.messages.at(0).text.contains(QStringLiteral("fdbk.eml"))
            && m_desktop.messages.at(0).text.contains(QStringLiteral("mail program")),
        qPrintable(m_desktop.messages.at(0).text));
    QVERIFY(about->isVisible());

    QTest::mouseClick(Control<QPushButton>(about, "cmdOK"), Qt::LeftButton);
    processDeletes();
    QVERIFY(!Registry().loaded<app::AboutBox>());
}

void TestApp::aboutBoxIsBroughtForwardNotDuplicated()
{
    // "About" of either diagram window shows the one about box.
    Registry().window<diagram::GeneralDiagramWindow>()->findChild<QAction *>(QStringLiteral("fileabout"))->trigger();
    QWidget *first = Registry().loaded<app::AboutBox>();
    QVERIFY(first && first->isVisible());
    Registry().window<diagram::MainSequenceWindow>()->findChild<QAction *>(QStringLiteral("fileabout"))->trigger();
    QWidget *second = Registry().loaded<app::AboutBox>();
    QCOMPARE(second, first);
    const auto boxes = QApplication::topLevelWidgets();
    QCOMPARE(std::count_if(boxes.cbegin(), boxes.cend(), [](QWidget *w) { return w->objectName() == "frmAbout"; }), 1);
    QVERIFY(Control<QPushButton>(first, "cmdOK")->isDefault());
}

void TestApp::helpFromEveryWindowOpensTheSameFile_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::newRow("general diagram, Help menu") << "Form1"
                                                << "Filehelp";
    QTest::newRow("main-sequence diagram, Help menu") << "Form2"
                                                      << "Filehelp";
    QTest::newRow("relative size, HELP button") << "Form3"
                                                << "Command2";
    QTest::newRow("star evolution, Help button") << "Form7"
                                                 << "Command4";
}

void TestApp::helpFromEveryWindowOpensTheSameFile()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QWidget *w = Registry().show(window);
    QVERIFY2(w, qPrintable(window));
    QVERIFY2(Use(w, control), qPrintable(window + " has no " + control));

    windows::OpenHelp(w); // the way every window is meant to open it
    QCOMPARE(m_desktop.opens.size(), 2);
    for (const auto &call : m_desktop.opens) {
        QCOMPARE(call.file, QStringLiteral("vlt.chm"));
        QCOMPARE(call.directory, platform::ProgramFolder());
        QCOMPARE(call.owner.data(), w);
    }
}

void TestApp::everyTextFitsItsControl_data()
{
    AddLanguageRows();
}

void TestApp::everyTextFitsItsControl()
{
    // The layouts are fixed and name Windows fonts; with their free twins,
    // and in German, French and Spanish too, every caption, label, button,
    // frame title and menu must fit its control at its font, or part of it
    // is cut off.
    QFETCH(QString, language);
    const InLanguage translation(language);
    QVERIFY(translation.loaded());
    QStringList problems
        = TextsThatDoNotFit({"Form8", "Form4", "Form5", "Form1", "Form2", "Form3", "Form6", "Form7", "frmAbout"});
    // The welcome stands on two lines, the second part alone on the second.
    const QStringList lines = WrappedLines(Control<QLabel>(Registry().loaded<app::StartupWindow>(), "Label2"));
    if (lines.size() != 2)
        problems << QStringLiteral("the welcome wraps onto %1 lines: %2").arg(lines.size()).arg(lines.join(" / "));
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

void TestApp::accessKeysDifferInEveryWindow_data()
{
    AddLanguageRows();
}

void TestApp::accessKeysDifferInEveryWindow()
{
    // Where two controls of a window claim one Alt+letter, Qt fires neither
    // and only moves the focus between them. Every registered window, in
    // English and in every translation: the buttons' access keys against
    // each other, against the menus' letters and against the window's own
    // Alt shortcuts; and every menu opens with some Alt+letter.
    QFETCH(QString, language);
    const InLanguage translation(language);
    QVERIFY(translation.loaded());
    QStringList problems;
    const QStringList names = Registry().registeredNames();
    QVERIFY(names.size() >= 8);
    for (const QString &name : names) {
        QWidget *window = Registry().window(name);
        QVERIFY2(window, qPrintable(name));
        const QMultiMap<QString, QString> keys = AltKeys(window);
        for (const QString &key : keys.uniqueKeys())
            if (keys.count(key) > 1)
                problems << QStringLiteral("%1: %2 is claimed by %3").arg(name, key, keys.values(key).join(" and "));
        if (auto *main = qobject_cast<QMainWindow *>(window)) {
            for (const QAction *menu : main->menuBar()->actions()) {
                const QString first = QStringLiteral("Alt+") + platform::SpokenCaption(menu->text()).left(1).toUpper();
                if (QKeySequence::mnemonic(menu->text()).isEmpty() && !keys.values(first).contains(kWindowShortcut))
                    problems << QStringLiteral("%1: no Alt+letter opens the menu \"%2\"").arg(name, menu->text());
            }
        }
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

void TestApp::ownLookWhateverTheDesktop_data()
{
    QTest::addColumn<QString>("style");
    QTest::addColumn<QString>("styleSheet");
    QTest::addColumn<bool>("dark");
    QTest::newRow("default style") << QString() << QString() << false;
    QTest::newRow("Windows style") << "Windows" << QString() << false;
    QTest::newRow("Fusion with a style sheet")
        << "Fusion"
        << "QLabel, QPushButton, QGroupBox { font: 11pt \"DejaVu Sans\"; padding: 2px; }" << false;
    QTest::newRow("dark palette") << "Fusion" << QString() << true;
}

// Whatever style, style sheet and colours the desktop hands the program, the
// windows keep their layouts: every text fits, and the texts the layouts
// colour stand on the light windows they were chosen for.
void TestApp::ownLookWhateverTheDesktop()
{
    QFETCH(QString, style);
    QFETCH(QString, styleSheet);
    QFETCH(bool, dark);
    auto *application = qobject_cast<QApplication *>(QCoreApplication::instance());
    const QString styleBefore = QApplication::style()->name();
    const QPalette paletteBefore = QApplication::palette();
    const auto restore = qScopeGuard([&] {
        unloadEveryWindow();
        application->setStyleSheet(QString());
        QApplication::setStyle(styleBefore);
        QApplication::setPalette(paletteBefore);
    });
    // The desktop's choices, as a platform theme or the command line makes them.
    if (!style.isEmpty())
        QApplication::setStyle(style);
    application->setStyleSheet(styleSheet);
    if (dark) {
        QPalette night(QColor(30, 30, 30), QColor(40, 40, 40));
        night.setColor(QPalette::WindowText, Qt::white);
        night.setColor(QPalette::Text, Qt::white);
        night.setColor(QPalette::Base, QColor(20, 20, 20));
        night.setColor(QPalette::Button, QColor(50, 50, 50));
        QApplication::setPalette(night);
        QApplication::setPalette(night, "QLineEdit");
    }

    app::UseOwnLook(*application);
    const QStringList problems
        = TextsThatDoNotFit({"Form8", "Form4", "Form5", "Form1", "Form2", "Form3", "Form6", "Form7", "frmAbout"});
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    QVERIFY(application->styleSheet().isEmpty());
    for (const char *name : {"Form1", "Form2", "Form6", "frmAbout"}) {
        QWidget *window = Registry().loaded(QString::fromLatin1(name));
        QVERIFY(window);
        QVERIFY2(window->palette().color(QPalette::Window).lightness() > 200, name);
        for (const QLineEdit *box : window->findChildren<QLineEdit *>()) {
            QVERIFY2(box->palette().color(QPalette::Base).lightness() > 200, qPrintable(box->objectName()));
            QVERIFY2(box->palette().color(QPalette::Text).lightness() < 60, qPrintable(box->objectName()));
        }
    }
}

void TestApp::welcomeWrapsOntoTwoLines()
{
    auto *startup = Registry().window<app::StartupWindow>();
    QCOMPARE(Control<QLabel>(startup, "Label2")->text().count(QLatin1Char(' ')), 8 + 43 + 1);
    const QStringList lines = WrappedLines(Control<QLabel>(startup, "Label2"));
    QCOMPARE(lines, (QStringList {"WELCOME TO THE MOST USEFUL SOFTWARE FOR THE ASTRONOMERS", "AND ASTROPHYSICST"}));
}

void TestApp::everyPictureLoads_data()
{
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QSize>("size");
    for (int size : app::res::kIconSizes)
        QTest::newRow(qPrintable(app::res::IconFile(size))) << app::res::IconFile(size) << QSize(size, size);
    QTest::newRow("large icon") << app::res::kLargeIcon << QSize(256, 256);
    QTest::newRow("icon as SVG") << app::res::kIconSvg << QSize(32, 32);
    QTest::newRow("startup sky") << app::res::kStartupPicture << QSize(481, 215);
    QTest::newRow("upper portrait") << app::res::kUpperPortrait << QSize(145, 168);
    QTest::newRow("lower portrait") << app::res::kLowerPortrait << QSize(145, 168);
    // The pictures with captions, in English and in every language the program speaks.
    for (const QString &suffix : QStringList {QString()} + platform::kTranslations) {
        const auto named = [&suffix](const QString &path) {
            return suffix.isEmpty() ? path : path.chopped(4) + QLatin1Char('.') + suffix + path.right(4);
        };
        QTest::newRow(qPrintable(named(app::res::kRadiusRelation)))
            << named(app::res::kRadiusRelation) << QSize(242, 225);
        QTest::newRow(qPrintable(named(app::res::kLifetimeRelation)))
            << named(app::res::kLifetimeRelation) << QSize(292, 222);
        QTest::newRow(qPrintable(named(":/app/intro_diagram.png")))
            << named(":/app/intro_diagram.png") << QSize(220, 250);
        QTest::newRow(qPrintable(named(":/diagram/general.png"))) << named(":/diagram/general.png") << QSize(320, 472);
        QTest::newRow(qPrintable(named(":/diagram/main_sequence.png")))
            << named(":/diagram/main_sequence.png") << QSize(320, 472);
    }
}

void TestApp::everyPictureLoads()
{
    QFETCH(QString, resource);
    QFETCH(QSize, size);
    if (resource.endsWith(QLatin1String(".svg"))) {
        // No SVG module here: check that it is a whole SVG document of that size.
        QFile file(resource);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray svg = file.readAll();
        QVERIFY(svg.contains("<svg") && svg.trimmed().endsWith("</svg>"));
        QVERIFY(svg.contains(QStringLiteral("viewBox=\"0 0 %1 %2\"").arg(size.width()).arg(size.height()).toLatin1()));
        return;
    }
    const QPixmap picture = resource.endsWith(QLatin1String(".pixels"))
        ? QPixmap::fromImage(resources::ReadPixelFile(resource))
        : QPixmap(resource);
    QVERIFY2(!picture.isNull(), qPrintable(resource + " does not load"));
    QCOMPARE(picture.size(), size);
    // Not a blank: a picture has at least a few distinct colours.
    const QImage image = picture.toImage();
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3)
            colours.insert(image.pixel(x, y));
    QVERIFY2(colours.size() > 4, qPrintable(resource + " is blank"));
}

void TestApp::pixelFileKeepsThePicture_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QImage>("picture"); // null: not a pixel file
    const auto painted = [](QSize size, QImage::Format format) {
        QImage image(size, format);
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                image.setPixel(x, y, qRgba(40 * x, 60 * y, 7, 30 + 50 * y));
        return image;
    };
    const QImage sky = painted({5, 3}, QImage::Format_RGB32);
    const QImage icon = painted({3, 4}, QImage::Format_ARGB32);
    const QByteArray skyFile = resources::PixelFile(sky);
    QTest::newRow("opaque") << skyFile << sky;
    QTest::newRow("with alpha") << resources::PixelFile(icon) << icon;
    // One byte off a word boundary, as a resource may lie: read by copying.
    static QByteArray shifted;
    shifted = QByteArray(1, '\0') + skyFile;
    QTest::newRow("off a word boundary") << QByteArray::fromRawData(shifted.constData() + 1, skyFile.size()) << sky;
    QTest::newRow("cut short") << skyFile.chopped(1) << QImage();
    QTest::newRow("header only") << skyFile.left(16) << QImage();
    QTest::newRow("another tag") << QByteArray("PNG!" + skyFile.mid(4)) << QImage();
    QTest::newRow("8-bit picture not written")
        << resources::PixelFile(sky.convertToFormat(QImage::Format_Grayscale8)) << QImage();
}

void TestApp::pixelFileKeepsThePicture()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QImage, picture);
    const QImage read = resources::PixelFilePicture(bytes);
    QCOMPARE(read.isNull(), picture.isNull());
    if (!picture.isNull()) {
        QCOMPARE(read.format(), picture.format());
        QCOMPARE(read, picture);
    }
}

void TestApp::introductionShowsItsPicture()
{
    auto *intro = Registry().window<app::IntroductionWindow>();
    QTextDocument *doc = Control<QTextBrowser>(intro, "RichTextBox1")->document();
    QVERIFY(Control<QTextBrowser>(intro, "RichTextBox1")->isReadOnly());
    QVERIFY(doc->toPlainText().contains(QStringLiteral("Hertzsprung")));
    QCOMPARE(ShownImages(doc), QStringList {QStringLiteral(":/app/intro_diagram.png")});
    QVERIFY(!Control<QLabel>(intro, "Picture1")->pixmap().isNull());
    QVERIFY(!Control<QLabel>(intro, "Picture2")->pixmap().isNull());
}

void TestApp::introductionInTheUserLanguage_data()
{
    QTest::addColumn<QStringList>("languages");
    QTest::addColumn<QString>("document");
    const QString english = app::res::kIntroduction;
    QTest::newRow("Austrian German") << QStringList {"de-AT", "de"} << ":/app/intro.de.html";
    QTest::newRow("German, POSIX spelling") << QStringList {"de_DE"} << ":/app/intro.de.html";
    QTest::newRow("Canadian French") << QStringList {"fr-CA", "fr"} << ":/app/intro.fr.html";
    QTest::newRow("Latin American Spanish") << QStringList {"es-419", "es"} << ":/app/intro.es.html";
    QTest::newRow("Japanese") << QStringList {"ja-JP", "ja"} << english;
    QTest::newRow("Japanese, then French") << QStringList {"ja", "fr-FR", "fr"} << ":/app/intro.fr.html";
    QTest::newRow("English before German") << QStringList {"en-GB", "en", "de"} << english;
    QTest::newRow("no language") << QStringList {} << english;
    QTest::newRow("not a language code") << QStringList {"../de", ""} << english;
}

void TestApp::introductionInTheUserLanguage()
{
    // The translated introduction is chosen by the user's languages, and it
    // is the English one's twin: the same paragraphs, headings and list
    // items, its picture found, its accents read as UTF-8.
    QFETCH(QStringList, languages);
    QFETCH(QString, document);
    QCOMPARE(app::res::IntroductionFor(platform::ChooseLanguage(languages)), document);

    const auto shown = [](const QString &path) {
        auto browser = std::make_unique<QTextBrowser>();
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            browser->setHtml(QString::fromUtf8(file.readAll()));
        return browser;
    };
    const auto english = shown(app::res::kIntroduction);
    const auto translated = shown(document);
    QTextDocument *doc = translated->document();
    QVERIFY2(doc->toPlainText().contains(QStringLiteral("Hertzsprung")), qPrintable(document));
    QVERIFY(!doc->toPlainText().contains(QChar::ReplacementCharacter));
    QCOMPARE(doc->blockCount(), english->document()->blockCount());
    // The same picture, with its captions in the document's language.
    const QString language = platform::ChooseLanguage(languages);
    QCOMPARE(ShownImages(doc),
        QStringList {language.isEmpty() ? QStringLiteral(":/app/intro_diagram.png")
                                        : QStringLiteral(":/app/intro_diagram.%1.png").arg(language)});
}

void TestApp::feedbackMessageIsAConformingDraft()
{
    // The file the FEEDBACK button opens: a mail message with CR LF line
    // ends that mail programs open as an unsent draft.
    QFile file(qEnvironmentVariable("VELTRANE_PROGRAM_DIR") + QStringLiteral("/fdbk.eml"));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName() + ": " + file.errorString()));
    const QByteArray message = file.readAll();
    QVERIFY(message.endsWith("\r\n"));
    QCOMPARE(message.count('\n'), message.count("\r\n"));
    QCOMPARE(message.count('\r'), message.count("\r\n"));
    for (char c : message)
        QVERIFY2(uchar(c) < 128 && (c >= ' ' || c == '\r' || c == '\n'), "not plain 7-bit text");
    const QList<QByteArray> lines = message.chopped(2).split('\n');
    for (const QByteArray &line : lines)
        QVERIFY2(line.size() <= 79, line.constData()); // 78 characters and the CR

    const qsizetype end = lines.indexOf("\r");
    QVERIFY2(end > 0, "no blank line after the header");
    QHash<QByteArray, QByteArray> fields;
    for (qsizetype i = 0; i < end; ++i) {
        const QByteArray line = lines[i].chopped(1);
        const qsizetype colon = line.indexOf(':');
        QVERIFY2(colon > 0, line.constData());
        fields.insert(line.left(colon).toLower(), line.mid(colon + 1).trimmed());
    }
    for (const char *required : {"date", "from", "to", "subject", "x-unsent", "mime-version", "content-type"})
        QVERIFY2(fields.contains(required), required);
    QVERIFY(QDateTime::fromString(QString::fromLatin1(fields["date"]), Qt::RFC2822Date).isValid());
    QCOMPARE(fields["x-unsent"], QByteArray("1"));
    QVERIFY(fields["to"].endsWith("@example.org>"));
    QVERIFY(lines.size() > end + 3);
}

QTEST_MAIN(TestApp)
#include "test_app.moc"
