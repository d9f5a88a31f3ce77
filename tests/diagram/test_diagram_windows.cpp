// The two diagram windows as the user and the star database use them.
#include "diagram/diagram_colours.h"
#include "diagram/diagram_picture.h"
#include "diagram/general_diagram_window.h"
#include "diagram/main_sequence_window.h"
#include "platform/scripted_desktop.h"
#include "tests/diagram/diagram_tests.h"
#include "windows/window_registry.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cmath>

namespace {

void processUnloads()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Stand-ins for the windows of other libraries that these windows reach by name.
class StandIn : public QWidget { };

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

QStringList texts(std::initializer_list<const QLineEdit *> boxes)
{
    QStringList list;
    for (const QLineEdit *box : boxes)
        list << box->text();
    return list;
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

class TestDiagramWindows : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

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
    void okAndBackStartEmpty();
    void importDataHidesTheLiveReadouts();
    void printDataGetsTheReadOuts();
    void helpAndAbout();
    void exitUnloadsEverything();

private:
    platform::ScriptedDesktop m_desktop;
    QImage m_generalBare;
};

void TestDiagramWindows::initTestCase()
{
    windows::Registry().setDesktop(&m_desktop);
    windows::Registry().add<diagram::GeneralDiagramWindow>();
    windows::Registry().add<diagram::MainSequenceWindow>();
    windows::Registry().add(QStringLiteral("Form6"), [] { return new StandIn; });
    windows::Registry().add(QStringLiteral("frmAbout"), [] { return new StandIn; });
    m_generalBare = diagram::GeneralDiagramPicture().convertToFormat(QImage::Format_RGB32);
    QVERIFY(!m_generalBare.isNull());
}

void TestDiagramWindows::init()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    m_desktop.clear();
}

void TestDiagramWindows::cleanup()
{
    windows::Registry().unloadAll();
    processUnloads();
    QVERIFY(windows::Registry().loadedNames().isEmpty());
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
    QWidget *w = windows::Registry().window(window);
    QVERIFY(w);
    auto *child = w->findChild<QWidget *>(control);
    QVERIFY2(child, qPrintable(control));
    QTEST(child->geometry(), "geometry");
}

void TestDiagramWindows::clientAreaBelowTheMenuBar()
{
    for (QMainWindow *w :
        std::initializer_list<QMainWindow *> {windows::Registry().show<diagram::GeneralDiagramWindow>(),
            windows::Registry().show<diagram::MainSequenceWindow>()}) {
        const int menu = w->menuBar()->height();
        const int client = w == windows::Registry().loaded<diagram::GeneralDiagramWindow>() ? 505 : 503;
        QCOMPARE(w->size(), QSize(660, menu + client));
        QCOMPARE(w->centralWidget()->geometry(), QRect(0, menu, 660, client - 17));
        QCOMPARE(w->statusBar()->geometry(), QRect(0, menu + client - 17, 660, 17));
        QCOMPARE(w->statusBar()->findChildren<QLabel *>().size(), 3);
    }
    QCOMPARE(windows::Registry().loaded<diagram::GeneralDiagramWindow>()->windowTitle(), QStringLiteral("Veltrane"));
    QCOMPARE(windows::Registry().loaded<diagram::MainSequenceWindow>()->windowTitle(),
        QStringLiteral("Veltrane [Main - Sequence]"));
    QCOMPARE(windows::Registry().loaded<diagram::GeneralDiagramWindow>()->Picture1->scaleHeight(), 472.0);
}

void TestDiagramWindows::clickOnTheSun()
{
    diagram::GeneralDiagramWindow *form = windows::Registry().show<diagram::GeneralDiagramWindow>();
    form->Label1->setText(QStringLiteral("unchanged"));
    // A real press on the picture: the border is two pixels wide.
    QTest::mouseClick(form->Picture1, Qt::RightButton, Qt::ShiftModifier, QPoint(189, 251));
    QCOMPARE(texts({form->Text1, form->Text2, form->Text5, form->Text3, form->Text4}),
        QStringList({"5963", "4.78", "1.00", ".9941", "691407.728"}));
    QCOMPARE(form->Picture1->image(), m_generalBare); // a click draws nothing
    QCOMPARE(form->Label1->text(), QStringLiteral("unchanged"));
    QCOMPARE(form->star.PlotColumn, 0.0);
}

void TestDiagramWindows::clickReadOutsFollowTheLocale()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    diagram::GeneralDiagramWindow *form = windows::Registry().window<diagram::GeneralDiagramWindow>();
    form->Picture1_MouseDown(1, 0, 187, 249);
    QCOMPARE(texts({form->Text1, form->Text2, form->Text5, form->Text3, form->Text4}),
        QStringList({"5963", "4,78", "1,00", ",9941", "691407,728"}));
    // The star database writes the values with the same separator.
    form->Text1->setText(QStringLiteral("5963"));
    form->Text2->setText(QStringLiteral("4,78"));
    form->Draw();
    QVERIFY(m_desktop.messages.isEmpty());
    QCOMPARE(form->Text3->text(), QStringLiteral(",9943"));
}

void TestDiagramWindows::drawMarksAndRecomputes()
{
    diagram::GeneralDiagramWindow *form = windows::Registry().window<diagram::GeneralDiagramWindow>();
    form->Text1->setText(QStringLiteral("5963"));
    form->Text2->setText(QStringLiteral("4.78"));
    form->Draw();
    QVERIFY(m_desktop.messages.isEmpty());
    QCOMPARE(texts({form->Text1, form->Text2, form->Text5, form->Text3, form->Text4}),
        QStringList({"5963", "4.78", "1.00", ".9943", "691515.672"}));
    const QImage &image = form->Picture1->image();
    const QPointF centre(186.46, 249.64);
    QCOMPARE(QColor(image.pixel(186, 249)), diagram::kDotColour);
    QVERIFY(countPixels(image, diagram::kDotColour, centre, 3.5) >= 12);
    QCOMPARE(countPixels(image, diagram::kDotColour), countPixels(image, diagram::kDotColour, centre, 3.5));
    const int ring = countPixels(image, diagram::kGeneralRing, centre, 6.2);
    QVERIFY2(ring >= 20, qPrintable(QString::number(ring)));
    QCOMPARE(countPixels(image, diagram::kGeneralRing), ring);

    form->ClearPicture();
    QCOMPARE(form->Picture1->image(), m_generalBare);
}

void TestDiagramWindows::twoPlotsLeaveTwoMarks()
{
    diagram::GeneralDiagramWindow *form = windows::Registry().window<diagram::GeneralDiagramWindow>();
    form->Text1->setText(QStringLiteral("5963"));
    form->Text2->setText(QStringLiteral("4.78"));
    form->Draw();
    form->Text1->setText(QStringLiteral("10000"));
    form->Text2->setText(QStringLiteral("1.4"));
    form->Draw();
    const QImage &image = form->Picture1->image();
    const QPointF first(186.46, 249.64);
    const QPointF second(form->star.PlotColumn, form->star.PlotRow);
    QVERIFY(std::fabs(second.x() - 90.77) < 0.01);
    QVERIFY(countPixels(image, diagram::kDotColour, first, 3.5) >= 12);
    QVERIFY(countPixels(image, diagram::kDotColour, second, 3.5) >= 12);
}

void TestDiagramWindows::drawHotterThanTheCalibration()
{
    diagram::GeneralDiagramWindow *form1 = windows::Registry().window<diagram::GeneralDiagramWindow>();
    form1->Text1->setText(QStringLiteral("90000"));
    form1->Text2->setText(QStringLiteral("4.78"));
    form1->Draw(); // no plot before: the left edge
    QCOMPARE(form1->star.PlotColumn, 0.0);
    form1->Text1->setText(QStringLiteral("5963"));
    form1->Draw();
    form1->Text1->setText(QStringLiteral("95000"));
    form1->Draw();
    QVERIFY(std::fabs(form1->star.PlotColumn - 186.46) < 0.01);

    diagram::MainSequenceWindow *form2 = windows::Registry().window<diagram::MainSequenceWindow>();
    form2->Text1->setText(QStringLiteral("5963"));
    form2->Text2->setText(QStringLiteral("4.78"));
    form2->Draw2();
    form2->ClearPicture();
    form2->Text1->setText(QStringLiteral("95000"));
    form2->Draw2();
    QCOMPARE(form2->star.PlotColumn, 0.0);
    QCOMPARE(QColor(form2->Picture1->image().pixel(0, 249)), diagram::kDotColour);
    QCOMPARE(countPixels(form2->Picture1->image(), diagram::kDotColour, {186.46, 249.64}, 3.5), 0);
    QVERIFY(m_desktop.messages.isEmpty());
}

void TestDiagramWindows::drawFailures_data()
{
    QTest::addColumn<QString>("temperature");
    QTest::addColumn<QString>("magnitude");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("marked");
    QTest::newRow("empty temperature") << ""
                                       << "4.78"
                                       << "Type mismatch" << false;
    QTest::newRow("temperature not a number") << "warm"
                                              << "4.78"
                                              << "Type mismatch" << false;
    QTest::newRow("zero kelvin") << "0"
                                 << "4.78"
                                 << "Invalid procedure call or argument" << false;
    QTest::newRow("negative temperature") << "-300"
                                          << "4.78"
                                          << "Invalid procedure call or argument" << false;
    QTest::newRow("magnitude not a number") << "7000"
                                            << "x"
                                            << "Type mismatch" << false;
    QTest::newRow("luminosity overflows") << "7000"
                                          << "-1000"
                                          << "Overflow" << true;
}

void TestDiagramWindows::drawFailures()
{
    QFETCH(QString, temperature);
    QFETCH(QString, magnitude);
    QFETCH(QString, message);
    QFETCH(bool, marked);
    diagram::GeneralDiagramWindow *form = windows::Registry().window<diagram::GeneralDiagramWindow>();
    form->Picture1_MouseDown(1, 0, 187, 249); // a star selected before
    form->Text1->setText(temperature);
    form->Text2->setText(magnitude);
    form->Draw();
    QCOMPARE(m_desktop.messages.size(), 1);
    QCOMPARE(m_desktop.messages[0].text, message);
    QCOMPARE(m_desktop.messages[0].title, QStringLiteral("Veltrane"));
    QCOMPARE(m_desktop.messages[0].buttons, platform::Buttons::Ok);
    // No mix of the new texts and the old star: nothing is selected any more,
    // so the relative size view and the report ask for a click.
    QCOMPARE(form->star.Temperature, 0.0);
    QCOMPARE(form->star.Radius, 0.0);
    QCOMPARE(texts({form->Text1, form->Text2, form->Text5, form->Text3, form->Text4}), QStringList(5, QString()));
    if (!marked)
        QCOMPARE(form->Picture1->image(), m_generalBare);
    m_desktop.messages.clear();
    form->findChild<QPushButton *>(QStringLiteral("ARButton3"))->click();
    QCOMPARE(m_desktop.messages.size(), 1);
    QCOMPARE(m_desktop.messages[0].text, QStringLiteral("Click The Image First !"));
}

void TestDiagramWindows::liveReadoutWhileDragging()
{
    diagram::GeneralDiagramWindow *form = windows::Registry().show<diagram::GeneralDiagramWindow>();
    int button = -1;
    double x = -1;
    connect(form->Picture1, &diagram::DiagramPicture::mouseMove, this, [&](int b, int, double px, double) {
        button = b;
        x = px;
    });
    const auto move = [&](QPoint at, Qt::MouseButtons buttons) {
        QMouseEvent event(QEvent::MouseMove, QPointF(at), form->Picture1->mapToGlobal(QPointF(at)), Qt::NoButton,
            buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(form->Picture1, &event);
    };
    move({202, 251}, Qt::NoButton);
    QCOMPARE(x, 200.0);
    QCOMPARE(form->Label1->text(),
        QStringLiteral("TEMPERATURE(K) = 5760") + QString(14, QLatin1Char(' '))
            + QStringLiteral("ABS. MAGNITUDE = 4.78"));
    // Dragged out to the right, beyond the calibration: the read-out stays.
    const QString shown = form->Label1->text();
    move({400, 100}, Qt::LeftButton);
    QCOMPARE(button, 1);
    QCOMPARE(x, 398.0);
    QCOMPARE(form->Label1->text(), shown);
    // Dragged out to the left: hotter than the picture's left edge.
    move({-20, 100}, Qt::LeftButton);
    const QString hot = form->Label1->text().section(QLatin1Char(' '), 2, 2);
    QVERIFY2(hot.toInt() > 75700, qPrintable(form->Label1->text()));

    diagram::MainSequenceWindow *form2 = windows::Registry().window<diagram::MainSequenceWindow>();
    form2->Picture1_MouseMove(0, 0, 230, 249);
    QVERIFY(form2->Label10->text().contains(
        QStringLiteral("5631") + QString(13, QLatin1Char(' ')) + QStringLiteral("ABS.")));
}

void TestDiagramWindows::promptBlinks()
{
    diagram::GeneralDiagramWindow *form = windows::Registry().window<diagram::GeneralDiagramWindow>();
    QCOMPARE(form->Timer1->interval(), 400);
    QVERIFY(form->Timer1->isActive());
    auto colour = [form] { return form->Label7->palette().color(QPalette::WindowText); };
    QCOMPARE(colour(), diagram::kPromptRed);
    form->Timer1_Timer();
    QCOMPARE(colour(), diagram::kPromptBlue);
    form->Timer1_Timer();
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
                                "5963", "4.78", "1.00", ".9941", "691407.728", "1.00", "1.990 E+30", "1.00 E+11"};
    QTest::newRow("top left") << 0.0 << 0.0
                              << QStringList {"75700", "-11.06", "2045498.37", "8.8707", "6169563.415", "37.82",
                                     "7.522 E+31", "1.11 E+8"};
}

void TestDiagramWindows::mainSequenceClick()
{
    QFETCH(double, x);
    QFETCH(double, y);
    diagram::MainSequenceWindow *form = windows::Registry().window<diagram::MainSequenceWindow>();
    form->Picture1_MouseDown(1, 0, x, y);
    QTEST(
        texts({form->Text1, form->Text2, form->Text8, form->Text3, form->Text4, form->Text5, form->Text6, form->Text7}),
        "readOuts");
}

void TestDiagramWindows::draw2()
{
    diagram::MainSequenceWindow *form = windows::Registry().window<diagram::MainSequenceWindow>();
    form->Text1->setText(QStringLiteral("5963"));
    form->Text2->setText(QStringLiteral("4.780"));
    form->Draw2();
    QVERIFY(m_desktop.messages.isEmpty());
    QCOMPARE(texts({form->Text1, form->Text2, form->Text8, form->Text5, form->Text6, form->Text7}),
        QStringList({"5963", "4.78", "1.00", "1.00", "1.989 E+30", "1.00 E+11"}));
    const QImage &image = form->Picture1->image();
    QCOMPARE(QColor(image.pixel(186, 249)), diagram::kDotColour);
    QVERIFY(countPixels(image, diagram::kMainSequenceRing, {186.46, 249.64}, 6.2) >= 20);
    QCOMPARE(countPixels(image, diagram::kGeneralRing), 0);
}

void TestDiagramWindows::draw2FailureLeavesNoStar()
{
    diagram::MainSequenceWindow *form = windows::Registry().window<diagram::MainSequenceWindow>();
    form->Picture1_MouseDown(1, 0, 187, 249);
    form->Text1->setText(QStringLiteral("6000"));
    form->Text2->setText(QStringLiteral("dim"));
    form->Draw2();
    QCOMPARE(m_desktop.messages.size(), 1);
    QCOMPARE(m_desktop.messages[0].text, QStringLiteral("Type mismatch"));
    QCOMPARE(form->star.Temperature, 0.0);
    QCOMPARE(
        texts({form->Text1, form->Text2, form->Text8, form->Text3, form->Text4, form->Text5, form->Text6, form->Text7}),
        QStringList(8, QString()));
    QCOMPARE(form->Picture1->image(), diagram::MainSequenceDiagramPicture().convertToFormat(QImage::Format_RGB32));
}

void TestDiagramWindows::okAndBackStartEmpty()
{
    diagram::GeneralDiagramWindow *form1 = windows::Registry().show<diagram::GeneralDiagramWindow>();
    form1->Picture1_MouseDown(1, 0, 187, 249);
    click(form1, "ARButton1");
    processUnloads();
    QVERIFY(!windows::Registry().loaded<diagram::GeneralDiagramWindow>());
    diagram::MainSequenceWindow *form2 = windows::Registry().loaded<diagram::MainSequenceWindow>();
    QVERIFY(form2 && form2->isVisible());
    QCOMPARE(form2->Text1->text(), QString());
    form2->Picture1_MouseDown(1, 0, 100, 100);
    trigger(form2, "Back");
    processUnloads();
    QVERIFY(!windows::Registry().loaded<diagram::MainSequenceWindow>());
    form1 = windows::Registry().loaded<diagram::GeneralDiagramWindow>();
    QVERIFY(form1 && form1->isVisible());
    QCOMPARE(form1->Text1->text(), QString());
    QCOMPARE(form1->Label7->palette().color(QPalette::WindowText), diagram::kPromptRed);
    click(form1, "ARButton1");
    processUnloads();
    QCOMPARE(windows::Registry().loaded<diagram::MainSequenceWindow>()->Text1->text(), QString());
    click(windows::Registry().loaded<diagram::MainSequenceWindow>(), "ARButton1");
    processUnloads();
    QCOMPARE(windows::Registry().loadedNames(), QStringList {QStringLiteral("Form1")});
}

void TestDiagramWindows::importDataHidesTheLiveReadouts()
{
    diagram::GeneralDiagramWindow *form1 = windows::Registry().show<diagram::GeneralDiagramWindow>();
    trigger(form1, "Fileimport");
    QVERIFY(windows::Registry().loaded(QStringLiteral("Form6"))->isVisible());
    QVERIFY(form1->Label1->isHidden());
    diagram::MainSequenceWindow *form2 = windows::Registry().loaded<diagram::MainSequenceWindow>();
    QVERIFY2(form2, "Form2 is loaded to hide its read-out");
    QVERIFY(!form2->isVisible());
    QVERIFY(form2->Label10->isHidden());
}

void TestDiagramWindows::printDataGetsTheReadOuts()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    diagram::MainSequenceWindow *form = windows::Registry().window<diagram::MainSequenceWindow>();
    form->Picture1_MouseDown(1, 0, 187, 249);
    m_desktop.fileNames.enqueue(folder.filePath(QStringLiteral("sun.txt")));
    m_desktop.answers.enqueue(platform::Answer::No);
    trigger(form, "Fileprint");
    QCOMPARE(m_desktop.saves.size(), 1);
    QFile written(folder.filePath(QStringLiteral("sun.txt")));
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray report = written.readAll();
    for (const char *value : {"5963", "691407.728", "1.990 E+30", "1.00 E+11"})
        QVERIFY2(report.contains(value), value);
}

void TestDiagramWindows::helpAndAbout()
{
    diagram::GeneralDiagramWindow *form1 = windows::Registry().show<diagram::GeneralDiagramWindow>();
    trigger(form1, "Filehelp");
    trigger(windows::Registry().window<diagram::MainSequenceWindow>(), "Filehelp");
    QCOMPARE(m_desktop.opens.size(), 2);
    QCOMPARE(m_desktop.opens[0].file, QStringLiteral("vlt.chm"));
    QCOMPARE(m_desktop.opens[1].owner.data(), windows::Registry().loaded<diagram::MainSequenceWindow>());
    trigger(windows::Registry().loaded<diagram::MainSequenceWindow>(), "fileabout");
    QVERIFY(windows::Registry().loaded(QStringLiteral("frmAbout"))->isVisible());
}

void TestDiagramWindows::exitUnloadsEverything()
{
    for (const char *exit : {"ARButton2", "FileExit", "Exit"}) {
        diagram::GeneralDiagramWindow *form1 = windows::Registry().show<diagram::GeneralDiagramWindow>();
        diagram::MainSequenceWindow *form2 = windows::Registry().window<diagram::MainSequenceWindow>();
        windows::Registry().show(QStringLiteral("frmAbout"));
        if (QByteArray(exit) == "ARButton2")
            click(form1, exit);
        else
            trigger(QByteArray(exit) == "Exit" ? static_cast<QWidget *>(form2) : form1, exit);
        processUnloads();
        QVERIFY2(windows::Registry().loadedNames().isEmpty(), exit);
    }
}

QObject *NewDiagramWindowsTest()
{
    return new TestDiagramWindows;
}

#include "test_diagram_windows.moc"
