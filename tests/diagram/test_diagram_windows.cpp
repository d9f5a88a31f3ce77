// The two diagram windows as the user and the star database use them.
#include "diagram/diagram_colours.h"
#include "diagram/diagram_picture.h"
#include "diagram/general_diagram_window.h"
#include "diagram/main_sequence_window.h"
#include "tests/diagram/diagram_tests.h"
#include "tests/support/window_test.h"
#include "windows/window_registry.h"

#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cmath>

namespace {

using diagram::DiagramPicture;
using diagram::GeneralDiagramWindow;
using diagram::MainSequenceWindow;
using windows::Registry;

// A star as the star database hands it over: the numbers and the texts they
// were typed as.
model::GivenStar Typed(const char *temperature, const char *magnitude, char separator = '.')
{
    return {model::ReadNumber(temperature, separator), model::ReadNumber(magnitude, separator), temperature, magnitude};
}

DiagramPicture *Picture(const QWidget *window)
{
    return Control<DiagramPicture>(window, "Picture1");
}

int countPixels(const QImage &image, const QColor &colour, QPointF centre, double within)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == colour.rgb() && std::hypot(x + 0.5 - centre.x(), y + 0.5 - centre.y()) <= within)
                ++n;
    return n;
}

int countPixels(const QImage &image, const QColor &colour)
{
    return countPixels(image, colour, {0, 0}, 1e9);
}

void trigger(QWidget *window, const char *action)
{
    auto *item = window->findChild<QAction *>(QString::fromLatin1(action));
    QVERIFY2(item, action);
    item->trigger();
}

void click(QWidget *window, const char *button)
{
    auto *b = window->findChild<QAbstractButton *>(QString::fromLatin1(button));
    QVERIFY2(b, button);
    b->click();
}

} // namespace

class TestDiagramWindows : public WindowTest {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    void layout_data();
    void layout();
    void clientAreaBelowTheMenuBar();
    void clickOnTheSun();
    void clickReadOutsFollowTheLocale();
    void drawMarksAndRecomputes();
    void twoPlotsLeaveTwoMarks();
    void drawHotterThanTheCalibration();
    void drawFailures_data();
    void drawFailures();
    void liveReadoutWhileDragging();
    void promptBlinks();
    void promptBlinksBetweenRedAndBlue();
    void circleMarks();
    void mainSequenceClick_data();
    void mainSequenceClick();
    void draw2();
    void draw2FailureLeavesNoStar();
    void okAndBackAreAskedFor();
    void importDataIsAskedFor();
    void printDataGetsTheReadOuts();
    void helpAndAbout();
    void exitIsAskedFor();

private:
    QImage m_generalBare;
};

void TestDiagramWindows::initTestCase()
{
    WindowTest::initTestCase();
    Registry().add<GeneralDiagramWindow>();
    Registry().add<MainSequenceWindow>();
    m_generalBare = diagram::GeneralDiagramPicture().convertToFormat(QImage::Format_RGB32);
    QVERIFY(!m_generalBare.isNull());
}

void TestDiagramWindows::init()
{
    WindowTest::init();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestDiagramWindows::layout_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("geometry");
    const QString f1 = QStringLiteral("Form1"), f2 = QStringLiteral("Form2");
    QTest::newRow("Form1 Picture1") << f1 << "Picture1" << QRect(8, 8, 324, 476);
    QTest::newRow("Form1 Frame1") << f1 << "Frame1" << QRect(344, 16, 305, 201);
    QTest::newRow("Form1 Label6") << f1 << "Label6" << QRect(8, 96, 129, 17);
    QTest::newRow("Form1 Text4") << f1 << "Text4" << QRect(144, 160, 153, 25);
    QTest::newRow("Form1 ARButton3") << f1 << "ARButton3" << QRect(360, 240, 273, 33);
    QTest::newRow("Form1 Frame3") << f1 << "Frame3" << QRect(344, 296, 305, 73);
    QTest::newRow("Form1 Label1") << f1 << "Label1" << QRect(56, 24, 185, 41);
    QTest::newRow("Form1 Label7") << f1 << "Label7" << QRect(376, 392, 249, 25);
    QTest::newRow("Form1 ARButton1") << f1 << "ARButton1" << QRect(376, 440, 97, 25);
    QTest::newRow("Form1 ARButton2") << f1 << "ARButton2" << QRect(520, 440, 97, 25);
    QTest::newRow("Form2 Picture1") << f2 << "Picture1" << QRect(8, 8, 324, 476);
    QTest::newRow("Form2 Frame1") << f2 << "Frame1" << QRect(344, 16, 305, 265);
    QTest::newRow("Form2 Label8") << f2 << "Label8" << QRect(8, 89, 137, 17);
    QTest::newRow("Form2 Text8") << f2 << "Text8" << QRect(160, 83, 137, 25);
    QTest::newRow("Form2 Text7") << f2 << "Text7" << QRect(160, 232, 137, 25);
    QTest::newRow("Form2 ARButton3") << f2 << "ARButton3" << QRect(360, 296, 265, 33);
    QTest::newRow("Form2 Frame2") << f2 << "Frame2" << QRect(344, 344, 305, 81);
    QTest::newRow("Form2 Label10") << f2 << "Label10" << QRect(56, 24, 177, 41);
    QTest::newRow("Form2 ARButton1") << f2 << "ARButton1" << QRect(360, 448, 105, 25);
    QTest::newRow("Form2 ARButton2") << f2 << "ARButton2" << QRect(512, 448, 105, 25);
}

void TestDiagramWindows::layout()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QWidget *w = Registry().window(window);
    QVERIFY(w);
    auto *child = w->findChild<QWidget *>(control);
    QVERIFY2(child, qPrintable(control));
    QTEST(child->geometry(), "geometry");
}

void TestDiagramWindows::clientAreaBelowTheMenuBar()
{
    for (QMainWindow *w : std::initializer_list<QMainWindow *> {
             Registry().show<GeneralDiagramWindow>(), Registry().show<MainSequenceWindow>()}) {
        const int menu = w->menuBar()->height();
        const int client = w == Registry().loaded<GeneralDiagramWindow>() ? 505 : 503;
        QCOMPARE(w->size(), QSize(660, menu + client));
        QCOMPARE(w->centralWidget()->geometry(), QRect(0, menu, 660, client));
        auto *bar = Control<QStatusBar>(w, "StatusBar1");
        QVERIFY(bar);
        QCOMPARE(QRect(bar->mapTo(w, QPoint(0, 0)), bar->size()), QRect(0, menu + client - 17, 660, 17));
        // The panels take the bar's whole height, so their text is not cut off.
        QCOMPARE(bar->findChildren<QLabel *>().size(), 3);
        for (const QLabel *panel : bar->findChildren<QLabel *>())
            QCOMPARE(panel->height(), 17);
    }
    QCOMPARE(Registry().loaded<GeneralDiagramWindow>()->windowTitle(), QStringLiteral("Veltrane"));
    QCOMPARE(Registry().loaded<MainSequenceWindow>()->windowTitle(), QStringLiteral("Veltrane [Main - Sequence]"));
    QCOMPARE(Picture(Registry().loaded<GeneralDiagramWindow>())->scaleHeight(), 472.0);
}

void TestDiagramWindows::clickOnTheSun()
{
    GeneralDiagramWindow *form = Registry().show<GeneralDiagramWindow>();
    QVERIFY(!form->selectedStar());
    Control<QLabel>(form, "Label1")->setText(QStringLiteral("unchanged"));
    // A real press on the picture: the border is two pixels wide.
    QTest::mouseClick(Picture(form), Qt::RightButton, Qt::ShiftModifier, QPoint(189, 251));
    QCOMPARE(Texts(form, {"Text1", "Text2", "Text5", "Text3", "Text4"}),
        QStringList({"5963", "4.78", "1.00", ".9941", "691407.728"}));
    QCOMPARE(Picture(form)->image(), m_generalBare); // a click draws nothing
    QCOMPARE(Control<QLabel>(form, "Label1")->text(), QStringLiteral("unchanged"));
    QVERIFY(form->selectedStar());
    QCOMPARE(form->selectedStar()->point.PlotColumn, 0.0);
}

void TestDiagramWindows::clickReadOutsFollowTheLocale()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    GeneralDiagramWindow *form = Registry().window<GeneralDiagramWindow>();
    PressPicture(form, 187, 249);
    QCOMPARE(Texts(form, {"Text1", "Text2", "Text5", "Text3", "Text4"}),
        QStringList({"5963", "4,78", "1,00", ",9941", "691407,728"}));
    // The star database writes the values with the same separator.
    form->plot(Typed("5963", "4,78", ','));
    QVERIFY(m_desktop.messages.isEmpty());
    QCOMPARE(Texts(form, {"Text1", "Text2", "Text3"}), QStringList({"5963", "4,78", ",9943"}));
}

void TestDiagramWindows::drawMarksAndRecomputes()
{
    GeneralDiagramWindow *form = Registry().window<GeneralDiagramWindow>();
    form->plot(Typed("5963", "4.78"));
    QVERIFY(m_desktop.messages.isEmpty());
    QCOMPARE(Texts(form, {"Text1", "Text2", "Text5", "Text3", "Text4"}),
        QStringList({"5963", "4.78", "1.00", ".9943", "691515.672"}));
    const QImage &image = Picture(form)->image();
    const QPointF centre(186.46, 249.64);
    QCOMPARE(QColor(image.pixel(186, 249)), diagram::kDotColour);
    QVERIFY(countPixels(image, diagram::kDotColour, centre, 3.5) >= 12);
    QCOMPARE(countPixels(image, diagram::kDotColour), countPixels(image, diagram::kDotColour, centre, 3.5));
    const int ring = countPixels(image, diagram::kGeneralRing, centre, 6.2);
    QVERIFY2(ring >= 20, qPrintable(QString::number(ring)));
    QCOMPARE(countPixels(image, diagram::kGeneralRing), ring);

    form->clearMarks();
    QCOMPARE(Picture(form)->image(), m_generalBare);
}

void TestDiagramWindows::twoPlotsLeaveTwoMarks()
{
    GeneralDiagramWindow *form = Registry().window<GeneralDiagramWindow>();
    form->plot(Typed("5963", "4.78"));
    form->plot(Typed("10000", "1.4"));
    const QImage &image = Picture(form)->image();
    const QPointF first(186.46, 249.64);
    QVERIFY(form->selectedStar());
    const QPointF second(form->selectedStar()->point.PlotColumn, form->selectedStar()->point.PlotRow);
    QVERIFY(std::fabs(second.x() - 90.77) < 0.01);
    QVERIFY(countPixels(image, diagram::kDotColour, first, 3.5) >= 12);
    QVERIFY(countPixels(image, diagram::kDotColour, second, 3.5) >= 12);
}

void TestDiagramWindows::drawHotterThanTheCalibration()
{
    GeneralDiagramWindow *form1 = Registry().window<GeneralDiagramWindow>();
    form1->plot(Typed("90000", "4.78")); // no plot before: the left edge
    QVERIFY(form1->selectedStar());
    QCOMPARE(form1->selectedStar()->point.PlotColumn, 0.0);
    form1->plot(Typed("5963", "4.78"));
    form1->plot(Typed("95000", "4.78"));
    QVERIFY(std::fabs(form1->selectedStar()->point.PlotColumn - 186.46) < 0.01);

    MainSequenceWindow *form2 = Registry().window<MainSequenceWindow>();
    form2->plot(Typed("5963", "4.78"));
    form2->clearMarks();
    form2->plot(Typed("95000", "4.78"));
    QVERIFY(form2->selectedStar());
    QCOMPARE(form2->selectedStar()->point.PlotColumn, 0.0);
    QCOMPARE(QColor(Picture(form2)->image().pixel(0, 249)), diagram::kDotColour);
    QCOMPARE(countPixels(Picture(form2)->image(), diagram::kDotColour, {186.46, 249.64}, 3.5), 0);
    QVERIFY(m_desktop.messages.isEmpty());
}

void TestDiagramWindows::drawFailures_data()
{
    QTest::addColumn<double>("temperature");
    QTest::addColumn<double>("magnitude");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("marked");
    QTest::newRow("zero kelvin") << 0.0 << 4.78 << "Invalid procedure call or argument" << false;
    QTest::newRow("negative temperature") << -300.0 << 4.78 << "Invalid procedure call or argument" << false;
    QTest::newRow("luminosity overflows") << 7000.0 << -1000.0 << "Overflow" << true;
}

void TestDiagramWindows::drawFailures()
{
    QFETCH(double, temperature);
    QFETCH(double, magnitude);
    QFETCH(QString, message);
    QFETCH(bool, marked);
    GeneralDiagramWindow *form = Registry().window<GeneralDiagramWindow>();
    PressPicture(form, 187, 249); // a star selected before
    form->plot({temperature, magnitude});
    QCOMPARE(m_desktop.messages.size(), 1);
    QCOMPARE(m_desktop.messages[0].text, message);
    QCOMPARE(m_desktop.messages[0].title, QStringLiteral("Veltrane"));
    QCOMPARE(m_desktop.messages[0].buttons, platform::Buttons::Ok);
    // No mix of the new values and the old star: nothing is selected any more,
    // so the relative size view and the report ask for a click.
    QVERIFY(!form->selectedStar());
    QCOMPARE(Texts(form, {"Text1", "Text2", "Text5", "Text3", "Text4"}), QStringList(5, QString()));
    if (!marked)
        QCOMPARE(Picture(form)->image(), m_generalBare);
    m_desktop.messages.clear();
    form->findChild<QPushButton *>(QStringLiteral("ARButton3"))->click();
    QCOMPARE(m_desktop.messages.size(), 1);
    QCOMPARE(m_desktop.messages[0].text, QStringLiteral("Click The Image First !"));
}

void TestDiagramWindows::liveReadoutWhileDragging()
{
    GeneralDiagramWindow *form = Registry().show<GeneralDiagramWindow>();
    const QLabel *display = Control<QLabel>(form, "Label1");
    double x = -1;
    connect(Picture(form), &DiagramPicture::mouseMove, this, [&](double px, double) { x = px; });
    MovePointer(form, 200, 249);
    QCOMPARE(x, 200.0);
    QCOMPARE(display->text(),
        QStringLiteral("TEMPERATURE(K) = 5760") + QString(14, QLatin1Char(' '))
            + QStringLiteral("ABS. MAGNITUDE = 4.78"));
    // Dragged out to the right, beyond the calibration: the read-out stays.
    const QString shown = display->text();
    MovePointer(form, 398, 98, Qt::LeftButton);
    QCOMPARE(x, 398.0);
    QCOMPARE(display->text(), shown);
    // Dragged out to the left: hotter than the picture's left edge.
    MovePointer(form, -22, 98, Qt::LeftButton);
    const QString hot = display->text().section(QLatin1Char(' '), 2, 2);
    QVERIFY2(hot.toInt() > 75700, qPrintable(display->text()));

    MainSequenceWindow *form2 = Registry().window<MainSequenceWindow>();
    MovePointer(form2, 230, 249);
    QVERIFY(Control<QLabel>(form2, "Label10")
                ->text()
                .contains(QStringLiteral("5631") + QString(13, QLatin1Char(' ')) + QStringLiteral("ABS.")));
}

void TestDiagramWindows::promptBlinks()
{
    GeneralDiagramWindow *form = Registry().window<GeneralDiagramWindow>();
    auto *timer = Control<QTimer>(form, "Timer1");
    QVERIFY(timer);
    QCOMPARE(timer->interval(), 400);
    QVERIFY(timer->isActive());
    auto colour = [form] { return Control<QLabel>(form, "Label7")->palette().color(QPalette::WindowText); };
    const auto tick = [timer] { QVERIFY(QMetaObject::invokeMethod(timer, "timeout")); };
    QCOMPARE(colour(), diagram::kPromptRed);
    tick();
    QCOMPARE(colour(), diagram::kPromptBlue);
    tick();
    QCOMPARE(colour(), diagram::kPromptRed);
}

void TestDiagramWindows::promptBlinksBetweenRedAndBlue()
{
    QColor colour(255, 0, 0); // the design colour
    QCOMPARE(diagram::NextPromptColour(colour), diagram::kPromptRed);
    colour = diagram::kPromptRed;
    for (int tick = 0; tick < 4; ++tick) {
        const QColor next = diagram::NextPromptColour(colour);
        QCOMPARE(next, tick % 2 == 0 ? diagram::kPromptBlue : diagram::kPromptRed);
        colour = next;
    }
}

void TestDiagramWindows::circleMarks()
{
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(Qt::black);
    diagram::DrawCircleMark(image, 20.4f, 19.6f, 2.36f, diagram::kDotColour, diagram::kDotColour, true);
    diagram::DrawCircleMark(image, 20.4f, 19.6f, 4.72f, diagram::kGeneralRing, diagram::kGeneralRing, false);
    int ring = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const double d = std::hypot(x + 0.5 - 20.4, y + 0.5 - 19.6);
            const QRgb pixel = image.pixel(x, y);
            if (pixel == diagram::kGeneralRing.rgb()) {
                ++ring;
                QVERIFY2(d > 3 && d < 6.2, qPrintable(QStringLiteral("ring pixel at %1,%2").arg(x).arg(y)));
            } else if (pixel == diagram::kDotColour.rgb()) {
                QVERIFY2(d < 3.5, qPrintable(QStringLiteral("dot pixel at %1,%2").arg(x).arg(y)));
            }
        }
    QVERIFY2(ring >= 20, qPrintable(QString::number(ring)));
    QCOMPARE(QColor(image.pixel(20, 19)), diagram::kDotColour);
    // Transparent fill: inside the ring, between it and the dot, the picture shows through.
    QCOMPARE(QColor(image.pixel(20, 16)), QColor(Qt::black));
}

void TestDiagramWindows::mainSequenceClick_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<QStringList>("readOuts"); // Text1 Text2 Text8 Text3 Text4 Text5 Text6 Text7
    QTest::newRow("sun") << 187.0 << 249.0
                         << QStringList {
                                "5963", "4.78", "1.00", ".9941", "691407.728", "1.00", "1.990 E+30", "1.01 E+10"};
    QTest::newRow("top left") << 0.0 << 0.0
                              << QStringList {"75700", "-11.06", "2045498.37", "8.8707", "6169563.415", "37.82",
                                     "7.522 E+31", "1.01 E+8"};
}

void TestDiagramWindows::mainSequenceClick()
{
    QFETCH(double, x);
    QFETCH(double, y);
    MainSequenceWindow *form = Registry().window<MainSequenceWindow>();
    PressPicture(form, int(x), int(y));
    QTEST(Texts(form, {"Text1", "Text2", "Text8", "Text3", "Text4", "Text5", "Text6", "Text7"}), "readOuts");
}

void TestDiagramWindows::draw2()
{
    MainSequenceWindow *form = Registry().window<MainSequenceWindow>();
    form->plot(Typed("5963", "4.780"));
    QVERIFY(m_desktop.messages.isEmpty());
    QCOMPARE(Texts(form, {"Text1", "Text2", "Text8", "Text5", "Text6", "Text7"}),
        QStringList({"5963", "4.78", "1.00", "1.00", "1.989 E+30", "1.00 E+10"}));
    const QImage &image = Picture(form)->image();
    QCOMPARE(QColor(image.pixel(186, 249)), diagram::kDotColour);
    QVERIFY(countPixels(image, diagram::kMainSequenceRing, {186.46, 249.64}, 6.2) >= 20);
    QCOMPARE(countPixels(image, diagram::kGeneralRing), 0);
}

void TestDiagramWindows::draw2FailureLeavesNoStar()
{
    MainSequenceWindow *form = Registry().window<MainSequenceWindow>();
    PressPicture(form, 187, 249);
    form->plot({-6000, 4.78});
    QCOMPARE(m_desktop.messages.size(), 1);
    QCOMPARE(m_desktop.messages[0].text, QStringLiteral("Invalid procedure call or argument"));
    QVERIFY(!form->selectedStar());
    QCOMPARE(Texts(form, {"Text1", "Text2", "Text8", "Text3", "Text4", "Text5", "Text6", "Text7"}),
        QStringList(8, QString()));
    QCOMPARE(Picture(form)->image(), diagram::MainSequenceDiagramPicture().convertToFormat(QImage::Format_RGB32));
}

// Which window comes next is not this library's to decide: OK and BACK ask
// for the other diagram window.
void TestDiagramWindows::okAndBackAreAskedFor()
{
    GeneralDiagramWindow *form1 = Registry().show<GeneralDiagramWindow>();
    QSignalSpy mainSequence(form1, &GeneralDiagramWindow::mainSequenceRequested);
    click(form1, "ARButton1");
    QCOMPARE(mainSequence.count(), 1);
    MainSequenceWindow *form2 = Registry().show<MainSequenceWindow>();
    QSignalSpy general(form2, &MainSequenceWindow::generalDiagramRequested);
    click(form2, "ARButton1");
    trigger(form2, "Back");
    QCOMPARE(general.count(), 2);
    processDeletes();
    QCOMPARE(Registry().loadedNames(), (QStringList {"Form1", "Form2"}));
}

// The star database is not this library's to open: the window asks for it.
// Showing and hiding the live read-outs is its own.
void TestDiagramWindows::importDataIsAskedFor()
{
    GeneralDiagramWindow *form1 = Registry().show<GeneralDiagramWindow>();
    QSignalSpy asked(form1, &GeneralDiagramWindow::importDataRequested);
    trigger(form1, "Fileimport");
    QCOMPARE(asked.count(), 1);
    form1->setLiveReadoutVisible(false);
    QVERIFY(Control<QLabel>(form1, "Label1")->isHidden());
    form1->setLiveReadoutVisible(true);
    QVERIFY(!Control<QLabel>(form1, "Label1")->isHidden());
}

void TestDiagramWindows::printDataGetsTheReadOuts()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    MainSequenceWindow *form = Registry().window<MainSequenceWindow>();
    PressPicture(form, 187, 249);
    m_desktop.fileNames.enqueue(folder.filePath(QStringLiteral("sun.txt")));
    m_desktop.answers.enqueue(platform::Answer::No);
    trigger(form, "Fileprint");
    QCOMPARE(m_desktop.saves.size(), 1);
    QFile written(folder.filePath(QStringLiteral("sun.txt")));
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray report = written.readAll();
    for (const char *value : {"5963", "691407.728", "1.990 E+30", "1.01 E+10"})
        QVERIFY2(report.contains(value), value);
}

void TestDiagramWindows::helpAndAbout()
{
    GeneralDiagramWindow *form1 = Registry().show<GeneralDiagramWindow>();
    trigger(form1, "Filehelp");
    trigger(Registry().window<MainSequenceWindow>(), "Filehelp");
    QCOMPARE(m_desktop.opens.size(), 2);
    QCOMPARE(m_desktop.opens[0].file, QStringLiteral("vlt.chm"));
    QCOMPARE(m_desktop.opens[1].owner.data(), Registry().loaded<MainSequenceWindow>());
    // The about box is not this library's to show: both windows ask for it.
    for (diagram::DiagramWindow *window :
        std::initializer_list<diagram::DiagramWindow *> {form1, Registry().loaded<MainSequenceWindow>()}) {
        QSignalSpy asked(window, &diagram::DiagramWindow::aboutRequested);
        trigger(window, "fileabout");
        QCOMPARE(asked.count(), 1);
    }
}

// Ending the program is not this library's either: EXIT and Exit ask for it.
void TestDiagramWindows::exitIsAskedFor()
{
    GeneralDiagramWindow *form1 = Registry().show<GeneralDiagramWindow>();
    MainSequenceWindow *form2 = Registry().window<MainSequenceWindow>();
    QSignalSpy fromGeneral(form1, &diagram::DiagramWindow::exitRequested);
    QSignalSpy fromMainSequence(form2, &diagram::DiagramWindow::exitRequested);
    click(form1, "ARButton2");
    trigger(form1, "FileExit");
    click(form2, "ARButton2");
    trigger(form2, "Exit");
    QCOMPARE(fromGeneral.count(), 2);
    QCOMPARE(fromMainSequence.count(), 2);
}

QObject *NewDiagramWindowsTest()
{
    return new TestDiagramWindows;
}

#include "test_diagram_windows.moc"
