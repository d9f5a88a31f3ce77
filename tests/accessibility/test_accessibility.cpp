// Every window as a screen reader and a keyboard-only user meet it: the names
// read out for its controls, the order Tab visits them in, and the diagram
// pictures selecting a star and printing its data with keys alone.
#include "app/window_composition.h"
#include "diagram/diagram_picture.h"
#include "diagram/general_diagram_window.h"
#include "diagram/main_sequence_window.h"
#include "platform/accessibility.h"
#include "tests/support/window_test.h"
#include "windows/window_registry.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

#include <memory>

using windows::Registry;

namespace {

QString AccessibleName(QWidget *w)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(w);
    return face ? face->text(QAccessible::Name) : QString();
}

// Controls a screen reader stops at or reads out.
bool ReadOut(QWidget *w)
{
    return (w->focusPolicy() & Qt::TabFocus) || qobject_cast<QLabel *>(w) || qobject_cast<QAbstractButton *>(w)
        || qobject_cast<QLineEdit *>(w) || qobject_cast<QTextEdit *>(w) || qobject_cast<QAbstractItemView *>(w)
        || qobject_cast<diagram::DiagramPicture *>(w) || qobject_cast<QGroupBox *>(w);
}

// Of a group of option buttons Tab visits the chosen one; the arrow keys
// choose among them.
bool PassedByTab(const QWidget *w)
{
    const auto *option = qobject_cast<const QRadioButton *>(w);
    return option && option->autoExclusive() && !option->isChecked();
}

// The controls Tab visits, in order, starting from the first after the window.
QStringList FocusChain(QWidget *window)
{
    QStringList names;
    for (QWidget *w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain())
        if (w->isVisibleTo(window) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) && !PassedByTab(w))
            names << w->objectName();
    return names;
}

QWidget *ShowWindow(const QString &name)
{
    QWidget *w = Registry().show(name);
    if (w && !QTest::qWaitForWindowActive(w))
        qWarning("%s did not become active", qPrintable(name));
    return w;
}

QByteArray ExpectedReport(const QString &name)
{
    QFile file(QStringLiteral(VELTRANE_SOURCE_DIR "/tests/report/expected/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing expected report %s", qPrintable(name));
    return file.readAll();
}

// The buttons named in `buttons` (blank-separated), clicked in turn as the
// user reaches a mode of the window.
bool PressButtons(QWidget *window, const QString &buttons)
{
    for (const QString &name : buttons.split(u' ', Qt::SkipEmptyParts)) {
        auto *button = window->findChild<QPushButton *>(name);
        if (!button || !button->isVisible())
            return false;
        button->click();
    }
    return true;
}

// A row of a test window: a caption at the left, a box at `boxLeft`.
QLabel *AddLabel(QWidget *parent, const QString &text, const QRect &geometry)
{
    auto *label = new QLabel(text, parent);
    label->setGeometry(geometry);
    return label;
}

} // namespace

class TestAccessibility : public WindowTest {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    // The naming rule by itself
    void spokenCaption_data();
    void spokenCaption();
    void captionLabel_data();
    void captionLabel();
    void namesAreNotReplaced();

    // The windows
    void everyControlIsNamed_data();
    void everyControlIsNamed();
    void namesReadOut_data();
    void namesReadOut();
    void tabOrder_data();
    void tabOrder();

    // The diagram pictures by keyboard
    void cursorMovesAndStaysInside_data();
    void cursorMovesAndStaysInside();
    void cursorStartsAtTheLastClick();
    void cursorIsDrawnOnlyOnTheScreen();
    void keyboardOnlySelectionAndReport_data();
    void keyboardOnlySelectionAndReport();
    void menusByKeyboard_data();
    void menusByKeyboard();
};

void TestAccessibility::initTestCase()
{
    WindowTest::initTestCase();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    app::RegisterWindows();
}

void TestAccessibility::init()
{
    WindowTest::init();
    // The star database works on its own copy of the starting catalogue.
    useShippedCatalogue();
}

void TestAccessibility::spokenCaption_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("access key") << "&OK"
                                << "OK";
    QTest::newRow("access key inside") << "Clo&se"
                                       << "Close";
    QTest::newRow("trailing blank") << "&Plot "
                                    << "Plot";
    QTest::newRow("literal ampersand") << "Salt && Pepper"
                                       << "Salt & Pepper";
    QTest::newRow("plain") << "TEMPERATURE"
                           << "TEMPERATURE";
    QTest::newRow("blanks only") << "   "
                                 << "";
}

void TestAccessibility::spokenCaption()
{
    QFETCH(QString, caption);
    QFETCH(QString, spoken);
    QCOMPARE(platform::SpokenCaption(caption), spoken);
}

void TestAccessibility::captionLabel_data()
{
    // A box at 200, 40, 100 x 25 and one label placed around it.
    QTest::addColumn<QRect>("label");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("buddy");
    QTest::addColumn<QString>("expected");
    QTest::newRow("left on the row") << QRect(8, 44, 120, 17) << "RADIUS (km)" << false << "RADIUS (km)";
    QTest::newRow("left, taller box overlaps") << QRect(8, 56, 120, 17) << "MASS" << false << "MASS";
    QTest::newRow("row above") << QRect(8, 8, 120, 17) << "ABOVE" << false << "";
    QTest::newRow("row below") << QRect(8, 70, 120, 17) << "BELOW" << false << "";
    QTest::newRow("right of the box") << QRect(320, 44, 120, 17) << "RIGHT" << false << "";
    QTest::newRow("empty caption") << QRect(8, 44, 120, 17) << "" << false << "";
    QTest::newRow("buddy anywhere") << QRect(320, 100, 120, 17) << "&Name" << true << "Name";
}

void TestAccessibility::captionLabel()
{
    QFETCH(QRect, label);
    QFETCH(QString, text);
    QFETCH(bool, buddy);
    QFETCH(QString, expected);
    QWidget window;
    auto *box = new QLineEdit(&window);
    box->setGeometry(200, 40, 100, 25);
    QLabel *caption = AddLabel(&window, text, label);
    if (buddy)
        caption->setBuddy(box);
    platform::NameControlsForAccessibility(&window);
    QCOMPARE(box->accessibleName(), expected);
}

void TestAccessibility::namesAreNotReplaced()
{
    // Of two captions left of a box the nearer names it; a name given by the
    // window stays; a list in a frame takes the frame's caption.
    QWidget window;
    AddLabel(&window, QStringLiteral("FAR"), {0, 10, 40, 17});
    AddLabel(&window, QStringLiteral("NEAR"), {60, 10, 40, 17});
    auto *box = new QLineEdit(&window);
    box->setGeometry(120, 8, 60, 25);
    auto *named = new QLineEdit(&window);
    named->setGeometry(120, 8, 60, 25);
    named->setAccessibleName(QStringLiteral("Given"));
    auto *frame = new QGroupBox(QStringLiteral("STAR &NAME"), &window);
    auto *list = new QListWidget(frame);
    platform::NameControlsForAccessibility(&window);
    QCOMPARE(box->accessibleName(), QStringLiteral("NEAR"));
    QCOMPARE(named->accessibleName(), QStringLiteral("Given"));
    QCOMPARE(list->accessibleName(), QStringLiteral("STAR NAME"));
}

void TestAccessibility::everyControlIsNamed_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("mode");
    for (const char *name : {"Form1", "Form2", "Form3", "Form4", "Form5", "Form7", "Form8", "frmAbout"})
        QTest::newRow(name) << name << "";
    QTest::newRow("Form6 browsing") << "Form6"
                                    << "";
    QTest::newRow("Form6 updating") << "Form6"
                                    << "upd";
    QTest::newRow("Form6 adding") << "Form6"
                                  << "upd add";
}

void TestAccessibility::everyControlIsNamed()
{
    QFETCH(QString, window);
    QFETCH(QString, mode);
    QWidget *w = ShowWindow(window);
    QVERIFY(w);
    QVERIFY(PressButtons(w, mode));
    int checked = 0;
    for (QWidget *child : w->findChildren<QWidget *>()) {
        if (!child->isVisibleTo(w) || child->objectName().startsWith(QLatin1String("qt_")) || !ReadOut(child))
            continue;
        ++checked;
        QVERIFY2(!AccessibleName(child).trimmed().isEmpty(),
            qPrintable(QStringLiteral("%1: %2 (%3) has no accessible name")
                           .arg(window, child->objectName(), QString::fromLatin1(child->metaObject()->className()))));
    }
    QVERIFY(checked > 0);
}

void TestAccessibility::namesReadOut_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::newRow("Form1 temperature") << "Form1"
                                       << "Text1"
                                       << "TEMPERATURE";
    QTest::newRow("Form1 luminosity") << "Form1"
                                      << "Text5"
                                      << "LUMINOSITY (SUN=1)";
    QTest::newRow("Form1 radius km") << "Form1"
                                     << "Text4"
                                     << "RADIUS (km)";
    QTest::newRow("Form1 display") << "Form1"
                                   << "Label1"
                                   << "DISPLAY";
    QTest::newRow("Form1 picture") << "Form1"
                                   << "Picture1"
                                   << "Stellar diagram";
    QTest::newRow("Form1 button") << "Form1"
                                  << "ARButton3"
                                  << "SHOW RELATIVE SIZE AND COLOUR";
    QTest::newRow("Form2 lifetime") << "Form2"
                                    << "Text7"
                                    << "LIFE EXPECTENCY";
    QTest::newRow("Form2 mass") << "Form2"
                                << "Text5"
                                << "MASS (SUN=1)";
    QTest::newRow("Form2 luminosity") << "Form2"
                                      << "Text8"
                                      << "LUMINOSITY (SUN=1)";
    QTest::newRow("Form2 display") << "Form2"
                                   << "Label10"
                                   << "DISPLAY";
    QTest::newRow("Form2 picture") << "Form2"
                                   << "Picture1"
                                   << "Main-sequence diagram";
    QTest::newRow("Form6 temperature") << "Form6"
                                       << "Text1"
                                       << "Avarage Surface Temperature (K)";
    QTest::newRow("Form6 magnitude") << "Form6"
                                     << "Text2"
                                     << "Absolute Magnitude";
    QTest::newRow("Form6 name") << "Form6"
                                << "Text3"
                                << "Star Name";
    QTest::newRow("Form6 list") << "Form6"
                                << "DBList1"
                                << "STAR NAME";
    QTest::newRow("Form6 close") << "Form6"
                                 << "Clse"
                                 << "Close";
    QTest::newRow("Form8 check box") << "Form8"
                                     << "Check1"
                                     << "I Don't Need Introduction About Veltrane";
    QTest::newRow("Form4 upper portrait") << "Form4"
                                          << "Picture1"
                                          << "Portrait of Ejnar Hertzsprung";
    QTest::newRow("Form4 document") << "Form4"
                                    << "RichTextBox1"
                                    << "An Introduction To Veltrane";
    QTest::newRow("Form5 graph") << "Form5"
                                 << "Picture2"
                                 << "Main - Sequence Mass - Lifetime Relation";
}

void TestAccessibility::namesReadOut()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QString, name);
    QWidget *w = Registry().window(window);
    QVERIFY(w);
    auto *c = w->findChild<QWidget *>(control);
    QVERIFY(c);
    QCOMPARE(AccessibleName(c), name);
}

void TestAccessibility::tabOrder_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("Form1") << "Form1"
                           << ""
                           << QStringList {"Picture1", "Text1", "Text2", "Text5", "Text3", "Text4", "ARButton3",
                                  "ARButton1", "ARButton2"};
    QTest::newRow("Form2") << "Form2"
                           << ""
                           << QStringList {"Picture1", "Text1", "Text2", "Text8", "Text3", "Text4", "Text5", "Text6",
                                  "Text7", "ARButton3", "ARButton1", "ARButton2"};
    QTest::newRow("Form3") << "Form3"
                           << "" << QStringList {"Command1", "Command2", "Command3"};
    QTest::newRow("Form6 browsing") << "Form6"
                                    << "" << QStringList {"plot", "upd", "Clse", "Text2", "Text1", "DBList1"};
    QTest::newRow("Form6 updating") << "Form6"
                                    << "upd" << QStringList {"add", "del", "ex", "Text3", "Text2", "Text1", "DBList1"};
    QTest::newRow("Form6 adding") << "Form6"
                                  << "upd add" << QStringList {"ok", "cancel", "Text3", "Text2", "Text1", "DBList1"};
    QTest::newRow("Form7") << "Form7"
                           << ""
                           << QStringList {"Text1", "Slider1", "Option1", "Picture1", "Slider2", "Command1", "Text2",
                                  "Text3", "Text4", "Text5", "Text6", "Text7", "Text8", "Text9", "Text10", "Grid1",
                                  "Command2", "Command3", "Command4", "Command5"};
    QTest::newRow("Form8") << "Form8"
                           << "" << QStringList {"ARButton1", "Check1"};
    QTest::newRow("Form4") << "Form4"
                           << "" << QStringList {"RichTextBox1", "ARButton1", "ARButton2"};
    QTest::newRow("frmAbout") << "frmAbout"
                              << "" << QStringList {"cmdOK", "Command2"};
}

void TestAccessibility::tabOrder()
{
    QFETCH(QString, window);
    QFETCH(QString, mode);
    QFETCH(QStringList, order);
    QWidget *w = ShowWindow(window);
    QVERIFY(w);
    QVERIFY(PressButtons(w, mode));
    // The chain is a circle: whichever control starts, the order is the same.
    QStringList chain = FocusChain(w);
    const qsizetype first = chain.indexOf(order.front());
    QVERIFY2(first >= 0, qPrintable(chain.join(u' ')));
    chain = chain.mid(first) + chain.mid(0, first);
    QCOMPARE(chain, order);

    // The Tab key itself walks the same way round, back to the first control:
    // no control keeps Tab for itself.
    auto *start = w->findChild<QWidget *>(order.front());
    QVERIFY(start);
    start->setFocus(Qt::TabFocusReason);
    QStringList visited;
    for (qsizetype i = 0; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget());
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, order.mid(1) + order.mid(0, 1));
}

void TestAccessibility::cursorMovesAndStaysInside_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("shift");
    QTest::addColumn<int>("presses");
    QTest::addColumn<QPoint>("expected");
    // From the centre of the 320 x 472 drawing area.
    QTest::newRow("right") << int(Qt::Key_Right) << false << 3 << QPoint(163, 236);
    QTest::newRow("left by tens") << int(Qt::Key_Left) << true << 2 << QPoint(140, 236);
    QTest::newRow("down") << int(Qt::Key_Down) << false << 1 << QPoint(160, 237);
    QTest::newRow("up by tens") << int(Qt::Key_Up) << true << 4 << QPoint(160, 196);
    QTest::newRow("left edge") << int(Qt::Key_Left) << true << 40 << QPoint(0, 236);
    QTest::newRow("right edge") << int(Qt::Key_Right) << true << 40 << QPoint(319, 236);
    QTest::newRow("top edge") << int(Qt::Key_Up) << true << 30 << QPoint(160, 0);
    QTest::newRow("bottom edge") << int(Qt::Key_Down) << false << 300 << QPoint(160, 471);
}

void TestAccessibility::cursorMovesAndStaysInside()
{
    QFETCH(int, key);
    QFETCH(bool, shift);
    QFETCH(int, presses);
    QFETCH(QPoint, expected);
    auto *form = Registry().window<diagram::MainSequenceWindow>();
    auto *picture = Control<diagram::DiagramPicture>(form, "Picture1");
    auto *display = Control<QLabel>(form, "Label10");
    QCOMPARE(picture->cursorPosition(), QPoint(160, 236));
    for (int i = 0; i < presses; ++i)
        QTest::keyClick(picture, Qt::Key(key), shift ? Qt::ShiftModifier : Qt::NoModifier);
    QCOMPARE(picture->cursorPosition(), expected);
    // The live read-out is that of the pointer over the same pixel.
    const QString byKeys = display->text();
    display->clear();
    MovePointer(form, expected.x(), expected.y());
    QCOMPARE(byKeys, display->text());
    QVERIFY(!byKeys.isEmpty());
    QVERIFY(Texts(form, {"Text1"}).constFirst().isEmpty()); // moving selects nothing
    QVERIFY(!form->selectedStar());
}

void TestAccessibility::cursorStartsAtTheLastClick()
{
    auto *form = ShowWindow(QStringLiteral("Form1"));
    auto *picture = Control<diagram::DiagramPicture>(form, "Picture1");
    const QPoint origin = picture->contentsRect().topLeft();
    // The sunken border is not the diagram: a press there reads nothing.
    for (const QPoint border : {QPoint(0, 100), QPoint(100, 1), QPoint(picture->width() - 1, 100)})
        QTest::mouseClick(picture, Qt::LeftButton, Qt::NoModifier, border);
    QVERIFY(Texts(form, {"Text1"}).constFirst().isEmpty());
    QTest::mouseClick(picture, Qt::LeftButton, Qt::NoModifier, origin + QPoint(50, 60));
    QCOMPARE(picture->cursorPosition(), QPoint(50, 60));
    QTest::keyClick(picture, Qt::Key_Right);
    QCOMPARE(picture->cursorPosition(), QPoint(51, 60));
}

void TestAccessibility::cursorIsDrawnOnlyOnTheScreen()
{
    auto *form = static_cast<diagram::GeneralDiagramWindow *>(ShowWindow(QStringLiteral("Form1")));
    auto *picture = Control<diagram::DiagramPicture>(form, "Picture1");
    const QImage bare = picture->image();
    picture->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(picture, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(picture, Qt::Key_Return);
    QCOMPARE(picture->cursorPosition(), QPoint(190, 236));
    QCOMPARE(picture->image(), bare);
    // On the screen: the cross beside the chosen pixel, the pixel itself as drawn.
    const QPoint origin = picture->contentsRect().topLeft();
    const QImage shown = picture->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QPoint at = origin + picture->cursorPosition();
    QCOMPARE(QColor(shown.pixel(at + QPoint(5, 0))), QColor(255, 255, 0));
    QCOMPARE(QColor(shown.pixel(at + QPoint(0, -5))), QColor(255, 255, 0));
    QCOMPARE(shown.pixel(at), bare.pixel(picture->cursorPosition()));
    // A plot and a clear know nothing of the cursor.
    form->plot({5963, 4.78});
    QVERIFY(picture->image() != bare);
    form->clearMarks();
    QCOMPARE(picture->image(), bare);
    // Without the focus the picture shows no cursor.
    form->findChild<QWidget *>(QStringLiteral("ARButton2"))->setFocus();
    const QImage unfocused = picture->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(unfocused.copy(picture->contentsRect()), bare);
    // Nor with a focus the mouse or the window's opening gave it: a click
    // draws nothing, not even a cursor on the clicked star.
    picture->setFocus(Qt::TabFocusReason);
    QTest::mouseClick(picture, Qt::LeftButton, Qt::NoModifier, origin + QPoint(187, 249));
    QVERIFY(picture->hasFocus());
    QCOMPARE(Texts(form, {"Text1"}), QStringList {"5963"});
    QCOMPARE(picture->grab().toImage().convertToFormat(QImage::Format_RGB32).copy(picture->contentsRect()), bare);
    form->findChild<QWidget *>(QStringLiteral("ARButton2"))->setFocus();
    picture->setFocus(Qt::ActiveWindowFocusReason);
    QCOMPARE(picture->grab().toImage().convertToFormat(QImage::Format_RGB32).copy(picture->contentsRect()), bare);
}

void TestAccessibility::keyboardOnlySelectionAndReport_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QStringList>("readOuts");
    QTest::addColumn<QString>("report");
    const QString display
        = QStringLiteral("TEMPERATURE(K) = 5963") + QString(14, u' ') + QStringLiteral("ABS. MAGNITUDE = 4.78");
    // Temperature, magnitude, luminosity, radius, radius in km (and mass, mass in kg).
    QTest::newRow("general") << "Form1" << display << QStringList {"5963", "4.78", "1.00", ".9941", "691407.728"}
                             << "general_187_249.txt";
    QTest::newRow("main sequence") << "Form2" << display
                                   << QStringList {"5963", "4.78", "1.00", ".9941", "691407.728", "1.00", "1.990 E+30"}
                                   << "main_sequence_187_249.txt";
}

void TestAccessibility::keyboardOnlySelectionAndReport()
{
    QFETCH(QString, window);
    QFETCH(QString, display);
    QFETCH(QStringList, readOuts);
    QFETCH(QString, report);
    QWidget *w = ShowWindow(window);
    QVERIFY(w);
    auto *picture = w->findChild<diagram::DiagramPicture *>(QStringLiteral("Picture1"));
    QVERIFY(picture);
    auto focused = [w] { return QApplication::focusWidget() ? QApplication::focusWidget() : w; };

    // Round the whole chain to the picture.
    int tabs = 0;
    do
        QTest::keyClick(focused(), Qt::Key_Tab);
    while (focused() != picture && ++tabs < 30);
    QCOMPARE(focused(), picture);

    // To column 187, row 249: tens with Shift, then single pixels.
    const QPoint start = picture->cursorPosition();
    auto move = [&](int distance, Qt::Key forward, Qt::Key back) {
        const Qt::Key key = distance >= 0 ? forward : back;
        for (int i = 0; i < std::abs(distance) / 10; ++i)
            QTest::keyClick(focused(), key, Qt::ShiftModifier);
        for (int i = 0; i < std::abs(distance) % 10; ++i)
            QTest::keyClick(focused(), key);
    };
    move(187 - start.x(), Qt::Key_Right, Qt::Key_Left);
    move(249 - start.y(), Qt::Key_Down, Qt::Key_Up);
    QCOMPARE(picture->cursorPosition(), QPoint(187, 249));
    auto *display1 = w->findChild<QLabel *>(window == QLatin1String("Form1") ? "Label1" : "Label10");
    QVERIFY(display1);
    QCOMPARE(display1->text(), display);
    QCOMPARE(display1->accessibleDescription(), display);

    QTest::keyClick(focused(), Qt::Key_Return);
    const char *boxes[]
        = {"Text1", "Text2", window == QLatin1String("Form1") ? "Text5" : "Text8", "Text3", "Text4", "Text5", "Text6"};
    for (qsizetype i = 0; i < readOuts.size(); ++i) {
        auto *box = w->findChild<QLineEdit *>(QString::fromLatin1(boxes[i]));
        QVERIFY(box);
        QCOMPARE(box->text(), readOuts[i]);
    }

    // File, Print Data: into a temporary file, not opened afterwards.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("star.txt"));
    m_desktop.fileNames.enqueue(path);
    m_desktop.answers.enqueue(platform::Answer::No);
    QTest::keyClick(focused(), Qt::Key_F, Qt::AltModifier);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QCOMPARE(menu->objectName(), QStringLiteral("FileMenu"));
    QTest::keyClick(menu, Qt::Key_P);
    QVERIFY(!QApplication::activePopupWidget());
    QCOMPARE(m_desktop.saves.size(), 1);
    QFile written(path);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), ExpectedReport(report));
    QVERIFY(m_desktop.opens.isEmpty());
}

void TestAccessibility::menusByKeyboard_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QKeySequence>("opener");
    QTest::addColumn<QString>("menu");
    QTest::addColumn<int>("letter");
    QTest::addColumn<QString>("shown"); // the window the item shows, or "" for the help file
    QTest::newRow("Form1 About") << "Form1" << QKeySequence(QStringLiteral("Alt+H")) << "Helpmenu" << int(Qt::Key_A)
                                 << "frmAbout";
    QTest::newRow("Form1 Help") << "Form1" << QKeySequence(QStringLiteral("Alt+H")) << "Helpmenu" << int(Qt::Key_H)
                                << "";
    QTest::newRow("Form1 Import Data") << "Form1" << QKeySequence(Qt::Key_F10) << "FileMenu" << int(Qt::Key_I)
                                       << "Form6";
    QTest::newRow("Form2 Back") << "Form2" << QKeySequence(QStringLiteral("Alt+F")) << "FileMenu" << int(Qt::Key_B)
                                << "Form1";
}

void TestAccessibility::menusByKeyboard()
{
    QFETCH(QString, window);
    QFETCH(QKeySequence, opener);
    QFETCH(QString, menu);
    QFETCH(int, letter);
    QFETCH(QString, shown);
    QWidget *w = ShowWindow(window);
    QVERIFY(w);
    QTest::keySequence(w, opener);
    auto *popup = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(popup);
    QCOMPARE(popup->objectName(), menu);
    QTest::keyClick(popup, Qt::Key(letter));
    QVERIFY(!QApplication::activePopupWidget());
    if (shown.isEmpty()) {
        QCOMPARE(m_desktop.opens.size(), 1);
        QCOMPARE(m_desktop.opens.front().file, QStringLiteral("vlt.chm"));
    } else {
        QWidget *next = Registry().loaded(shown);
        QVERIFY(next);
        QVERIFY(next->isVisible());
    }
}

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
