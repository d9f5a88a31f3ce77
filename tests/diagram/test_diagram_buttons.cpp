// From a click on a diagram picture to the discs on the relative size window
// and the report file: the diagram windows' relative-size button and "Print
// Data" with the dialogs answered by a script.
#include "app/window_composition.h"
#include "diagram/general_diagram_window.h"
#include "diagram/main_sequence_window.h"
#include "relsize/relative_size_window.h"
#include "tests/diagram/diagram_tests.h"
#include "tests/support/pixel_check.h"
#include "tests/support/window_test.h"
#include "windows/window_registry.h"

#include <QAction>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QColor kBlack(0, 0, 0), kSun(251, 251, 0), kOrange(255, 138, 21), kRed(226, 15, 3);

QByteArray Contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Opens the diagram window named `form` as the user meets it and presses the
// mouse on its picture at column x, row y of the drawing area.
QWidget *Open(const QString &form)
{
    if (form == QLatin1String("Form1"))
        return windows::Registry().show<diagram::GeneralDiagramWindow>();
    return windows::Registry().show<diagram::MainSequenceWindow>();
}

QWidget *OpenAndClick(const QString &form, int x, int y)
{
    QWidget *window = Open(form);
    auto *picture = Control<QFrame>(window, "Picture1");
    QTest::mouseClick(picture, Qt::LeftButton, {}, picture->contentsRect().topLeft() + QPoint(x, y));
    return window;
}

} // namespace

class TestDiagramButtons : public WindowTest {
    Q_OBJECT
private slots:
    void initTestCase();

    void sunClickedOnEitherDiagram_data();
    void sunClickedOnEitherDiagram();
    void eachWindowPassesItsOwnKind();
    void nothingClickedYet_data();
    void nothingClickedYet();

private:
};

void TestDiagramButtons::initTestCase()
{
    WindowTest::initTestCase();
    // The relative size view comes up as the program composes the windows.
    app::RegisterWindows();
}

void TestDiagramButtons::sunClickedOnEitherDiagram_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("report");
    QTest::newRow("general") << "Form1"
                             << "general_187_249.txt";
    QTest::newRow("main sequence") << "Form2"
                                   << "main_sequence_187_249.txt";
}

void TestDiagramButtons::sunClickedOnEitherDiagram()
{
    QFETCH(QString, form);
    QFETCH(QString, report);
    QWidget *window = OpenAndClick(form, 187, 249);

    // 5963 K at 4.78 is yellow in band 3 (k = 15): R .994 gives the star 26.6
    // pixels, the Sun 26.7, at (419.3, 200.5) and (104.8, 200.5).
    auto *button = window->findChild<QPushButton *>(QStringLiteral("ARButton3"));
    QVERIFY(button);
    button->click();
    relsize::RelativeSizeWindow *form3 = windows::Registry().loaded<relsize::RelativeSizeWindow>();
    QVERIFY2(form3 && form3->isVisible(), "the relative size window comes up");
    const QImage image = form3->image();
    for (int centre : {419, 104}) {
        QCOMPARE_PIXEL(image, centre, 200, kSun);
        QCOMPARE_PIXEL(image, centre + 25, 200, kSun);
        QCOMPARE_PIXEL(image, centre, 200 - 25, kSun);
        QCOMPARE_PIXEL(image, centre + 29, 200, kBlack);
        QCOMPARE_PIXEL(image, centre, 200 + 29, kBlack);
    }

    auto *print = window->findChild<QAction *>(QStringLiteral("Fileprint"));
    QVERIFY(print);
    m_desktop.fileNames.enqueue(m_dir->filePath("sun.txt"));
    m_desktop.answers.enqueue(platform::Answer::Yes);
    print->trigger();
    QFile expected(QStringLiteral(VELTRANE_REPORT_EXPECTED "/") + report);
    QVERIFY(expected.open(QIODevice::ReadOnly));
    QCOMPARE(Contents(m_dir->filePath("sun.txt")), expected.readAll());
    QCOMPARE(m_desktop.opens.size(), 1);
    QCOMPARE(m_desktop.opens[0].owner.data(), window);
    QCOMPARE(m_desktop.opens[0].file, m_dir->filePath("sun.txt"));
}

void TestDiagramButtons::eachWindowPassesItsOwnKind()
{
    // Column 300, row 400: about 3300 K at magnitude 14.4, band 1 (k = 3). The
    // general diagram draws it orange, the main-sequence diagram red; the
    // second drawing lands on the first, on the same window.
    for (const auto &[form, colour] : {std::pair {QStringLiteral("Form1"), kOrange}, {QStringLiteral("Form2"), kRed}}) {
        QWidget *window = OpenAndClick(form, 300, 400);
        window->findChild<QPushButton *>(QStringLiteral("ARButton3"))->click();
        relsize::RelativeSizeWindow *form3 = windows::Registry().loaded<relsize::RelativeSizeWindow>();
        QVERIFY(form3);
        QCOMPARE_PIXEL(form3->image(), 419, 200, colour);
        QCOMPARE_PIXEL(form3->image(), 419 + 80, 200, colour);
        QCOMPARE_PIXEL(form3->image(), 419 + 95, 200, kBlack);
        QCOMPARE_PIXEL(form3->image(), 104 + 120, 200, kSun);
    }
    QVERIFY(m_desktop.messages.isEmpty());
}

void TestDiagramButtons::nothingClickedYet_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("printMessage");
    QTest::newRow("general") << "Form1"
                             << "Click The Image First To Get Data";
    QTest::newRow("main sequence") << "Form2"
                                   << "Click The Image First To Get Data ";
}

void TestDiagramButtons::nothingClickedYet()
{
    QFETCH(QString, form);
    QFETCH(QString, printMessage);
    QWidget *window = Open(form);
    window->findChild<QPushButton *>(QStringLiteral("ARButton3"))->click();
    window->findChild<QAction *>(QStringLiteral("Fileprint"))->trigger();
    QCOMPARE(m_desktop.messages.size(), 2);
    QCOMPARE(m_desktop.messages[0].text, QStringLiteral("Click The Image First !"));
    for (const platform::MessageRequest &message : m_desktop.messages) {
        QCOMPARE(message.title, QStringLiteral("Error"));
        QCOMPARE(message.icon, platform::Icon::Critical);
        QCOMPARE(message.buttons, platform::Buttons::Ok);
    }
    QCOMPARE(m_desktop.messages[1].text, printMessage);
    QVERIFY(!windows::Registry().loaded<relsize::RelativeSizeWindow>());
    QVERIFY(m_desktop.saves.isEmpty());
}

QObject *NewDiagramButtonsTest()
{
    return new TestDiagramButtons;
}

#include "test_diagram_buttons.moc"
