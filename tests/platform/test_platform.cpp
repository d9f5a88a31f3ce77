// The desktop stand-ins: filters, the scripted dialogs, fonts and the button.
#include "platform/arbutton.h"
#include "platform/common_controls.h"
#include "platform/qt_desktop.h"
#include "platform/scripted_desktop.h"

#include <QFontInfo>
#include <QTest>

using namespace platform;

class TestPlatform : public QObject {
    Q_OBJECT
private slots:
    void nameFilters_data();
    void nameFilters();
    void scriptedDesktopAnswersInOrder();
    void layoutFontsResolveToInstalledTwins_data();
    void layoutFontsResolveToInstalledTwins();
    void buttonCaptionColours();
    void programFolderOverride();
};

void TestPlatform::nameFilters_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("report") << " Text files(*.txt)|*.txt" << QStringList {" Text files(*.txt) (*.txt)"};
    QTest::newRow("bitmap") << " All files(*.*)|*.*|Bitmap files(*.bmp)|*.bmp"
                            << QStringList {" All files(*.*) (*)", "Bitmap files(*.bmp) (*.bmp)"};
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
    auto *button = new ARButton("ARButton1", "&OK", &window);
    auto *other = new QPushButton("other", &window);
    const QColor plain = QPalette().color(QPalette::ButtonText);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(button->objectName(), QString("ARButton1"));
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

QTEST_MAIN(TestPlatform)
#include "test_platform.moc"
