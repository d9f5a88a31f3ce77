// The relative size window: its design state, the discs as pixels of the saved
// bitmap, and SAVE, HELP and EXIT with the dialogs answered by a script.
#include "platform/scripted_desktop.h"
#include "relsize/relative_size_window.h"
#include "tests/support/in_language.h"
#include "tests/support/pixel_check.h"
#include "tests/support/window_test.h"
#include "windows/window_registry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <csignal>
#include <sys/resource.h>

using model::DiagramKind;
using platform::Icon;

namespace {

const QColor kBlack(0, 0, 0), kSun(251, 251, 0), kWhite(255, 255, 255), kOrange(255, 138, 21), kRed(226, 15, 3);

model::StarPoint Star(double t, double m, double r)
{
    model::StarPoint star;
    star.Temperature = t;
    star.AbsMagnitude = m;
    star.Radius = r;
    return star;
}

// The relative size view of a diagram's star, as the program brings it up.
void Show(const model::StarPoint &star, DiagramKind kind = DiagramKind::General)
{
    windows::Registry().show<relsize::RelativeSizeWindow>()->drawStar({kind, star, {}});
}

} // namespace

class TestRelativeSizeWindow : public WindowTest {
    Q_OBJECT
private slots:
    void initTestCase();

    void designState();
    void workedGeometryInTheSavedBitmap();
    void drawingsAccumulate();
    void radiusNotPositiveDrawsOnlyTheSun_data();
    void radiusNotPositiveDrawsOnlyTheSun();
    void hugeRadiusFillsTheArea();
    void tooHotShowsTheWindowBlack();
    void captionsStayCentredAndLeaveTheDiscsWhole_data();
    void captionsStayCentredAndLeaveTheDiscsWhole();
    void drawingIsDescribedForScreenReaders();
    void exitDiscardsTheDrawing_data();
    void exitDiscardsTheDrawing();
    void drawingSurvivesBeingCovered();
    void saveCancelledWritesNothing();
    void saveReplacesAnExistingFile();
    void saveFailureIsReported_data();
    void saveFailureIsReported();
    void failingWriteLeavesExistingFileIntact();
    void helpOpensTheHelpFile();

private:
    QImage saved(const QString &name);
};

void TestRelativeSizeWindow::initTestCase()
{
    WindowTest::initTestCase();
    windows::Registry().add<relsize::RelativeSizeWindow>();
}

// Saves the window's drawing through SAVE under `name` and reads it back.
QImage TestRelativeSizeWindow::saved(const QString &name)
{
    relsize::RelativeSizeWindow *form = windows::Registry().loaded<relsize::RelativeSizeWindow>();
    if (!form)
        return {};
    const QString path = m_dir->filePath(name);
    m_desktop.fileNames.enqueue(path);
    Control<QPushButton>(form, "Command1")->click();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    if (!bytes.startsWith("BM"))
        return {};
    return QImage::fromData(bytes, "BMP");
}

void TestRelativeSizeWindow::designState()
{
    relsize::RelativeSizeWindow *form = windows::Registry().window<relsize::RelativeSizeWindow>();
    QCOMPARE(form->windowTitle(), QStringLiteral("Relative Size"));
    QCOMPARE(form->size(), QSize(629, 401));
    QCOMPARE(form->minimumSize(), form->maximumSize());
    QVERIFY(!(form->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(form->scaleWidth(), 9435.0f);
    QCOMPARE(form->scaleHeight(), 6015.0f);
    QCOMPARE(form->image().size(), QSize(629, 401));
    QVERIFY2(form->image().allGray() && form->image().pixelColor(300, 200) == kBlack, "a new window is black");

    struct Designed {
        const char *name, *text;
        QRect geometry;
    };
    // Twips of the layout table at 15 to a pixel.
    const Designed controls[] = {{"Label1", "SUN", {88, 288, 25, 17}}, {"Label2", "STAR", {400, 288, 33, 17}},
        {"Command1", "&SAVE", {102, 360, 97, 25}}, {"Command2", "&HELP", {262, 360, 97, 25}},
        {"Command3", "&EXIT", {430, 360, 97, 25}}};
    for (const Designed &c : controls) {
        auto *w = form->findChild<QWidget *>(QLatin1String(c.name));
        QVERIFY2(w, c.name);
        QCOMPARE(w->geometry(), c.geometry);
        if (auto *label = qobject_cast<QLabel *>(w)) {
            QCOMPARE(label->text(), QLatin1String(c.text));
            QCOMPARE(label->palette().color(QPalette::WindowText), kWhite);
            QCOMPARE(label->palette().color(QPalette::Window), kBlack);
        } else {
            QCOMPARE(qobject_cast<QPushButton *>(w)->text(), QLatin1String(c.text));
        }
    }
    QCOMPARE(Control<QPushButton>(form, "Command1")->toolTip(), QStringLiteral("Save picture to a bitmap file"));
    QCOMPARE(Control(form, "Command1")->nextInFocusChain(), Control(form, "Command2"));
    QCOMPARE(Control(form, "Command2")->nextInFocusChain(), Control(form, "Command3"));
}

void TestRelativeSizeWindow::workedGeometryInTheSavedBitmap()
{
    // Band 4 (k = 30), R = 2, white: star (6290, 3007.5) r 401, Sun (1572.5, 3007.5)
    // r 200.5 twips, i.e. (419.3, 200.5) r 26.7 and (104.8, 200.5) r 13.4 pixels.
    Show(Star(10000, -2, 2));
    QVERIFY(windows::Registry().loaded<relsize::RelativeSizeWindow>()->isVisible());
    // Typed without extension under the bitmap filter: kept as typed.
    const QImage image = saved(QStringLiteral("pair"));
    QVERIFY2(!image.isNull(), "SAVE writes a Windows bitmap");
    QVERIFY(!QFile::exists(m_dir->filePath("pair.bmp")));
    QCOMPARE(image.size(), QSize(629, 401));

    QCOMPARE_PIXEL(image, 419, 200, kWhite);
    QCOMPARE_PIXEL(image, 419 - 25, 200, kWhite);
    QCOMPARE_PIXEL(image, 419 + 25, 200, kWhite);
    QCOMPARE_PIXEL(image, 419, 200 - 25, kWhite);
    QCOMPARE_PIXEL(image, 419, 200 + 25, kWhite);
    QCOMPARE_PIXEL(image, 419 - 29, 200, kBlack);
    QCOMPARE_PIXEL(image, 419 + 29, 200, kBlack);
    QCOMPARE_PIXEL(image, 419, 200 - 29, kBlack);
    QCOMPARE_PIXEL(image, 419 + 20, 200 + 20, kBlack); // the disc is round, not square

    QCOMPARE_PIXEL(image, 104, 200, kSun);
    QCOMPARE_PIXEL(image, 104 - 12, 200, kSun);
    QCOMPARE_PIXEL(image, 104 + 12, 200, kSun);
    QCOMPARE_PIXEL(image, 104 - 15, 200, kBlack);
    QCOMPARE_PIXEL(image, 104 + 16, 200, kBlack);
    QCOMPARE_PIXEL(image, 104, 200 + 15, kBlack);

    // The captions and buttons are controls, not part of the drawing.
    QCOMPARE_PIXEL(image, 95, 296, kBlack);
    QCOMPARE_PIXEL(image, 150, 370, kBlack);
    QCOMPARE(image.pixelColor(300, 100), kBlack);
}

void TestRelativeSizeWindow::drawingsAccumulate()
{
    // First an orange dwarf at band 1 (k = 3): star r 40 px, Sun r 134 px.
    Show(Star(3000, 12, 0.3));
    // Then the white star of band 4 (k = 30) on top, without closing the window.
    Show(Star(10000, -2, 2));
    QCOMPARE(windows::Registry().loadedNames(), QStringList {"Form3"});
    const QImage image = saved(QStringLiteral("both.bmp"));
    QVERIFY(!image.isNull());
    QCOMPARE_PIXEL(image, 419, 200, kWhite);
    QCOMPARE_PIXEL(image, 419 + 34, 200, kOrange); // the larger earlier disc shows around the new one
    QCOMPARE_PIXEL(image, 419 + 45, 200, kBlack);
    QCOMPARE_PIXEL(image, 104, 200, kSun);
    QCOMPARE_PIXEL(image, 104 + 100, 200, kSun);
    QCOMPARE_PIXEL(image, 104 + 140, 200, kBlack);
}

void TestRelativeSizeWindow::radiusNotPositiveDrawsOnlyTheSun_data()
{
    QTest::addColumn<double>("radius");
    QTest::newRow("zero") << 0.0;
    QTest::newRow("slightly negative") << -0.0012;
}

void TestRelativeSizeWindow::radiusNotPositiveDrawsOnlyTheSun()
{
    QFETCH(double, radius);
    Show(Star(75000, 18.9, radius)); // the hottest, faintest corner of the diagram
    const QImage image = windows::Registry().loaded<relsize::RelativeSizeWindow>()->image();
    QCOMPARE_PIXEL(image, 419, 200, kBlack);
    QCOMPARE_PIXEL(image, 104, 200, kSun);
}

void TestRelativeSizeWindow::hugeRadiusFillsTheArea()
{
    // Typed values can make a star far larger than the window; only the area shows.
    Show(Star(3000, -11, 1e300));
    const QImage image = windows::Registry().loaded<relsize::RelativeSizeWindow>()->image();
    QCOMPARE_PIXEL(image, 0, 0, kRed);
    QCOMPARE_PIXEL(image, 628, 400, kRed);
    QCOMPARE_PIXEL(image, 104, 200, kSun);
}

void TestRelativeSizeWindow::tooHotShowsTheWindowBlack()
{
    Show(Star(75700.01, 3, 1));
    relsize::RelativeSizeWindow *form = windows::Registry().loaded<relsize::RelativeSizeWindow>();
    QVERIFY(form && form->isVisible());
    QVERIFY(m_desktop.messages.isEmpty());
    const QImage image = saved(QStringLiteral("black.bmp"));
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), QSize(629, 401));
    for (int y = 0; y < image.height(); y += 7)
        for (int x = 0; x < image.width(); x += 7)
            QCOMPARE_PIXEL(image, x, y, kBlack);
}

// The window's accessible description says what the last drawing shows.
void TestRelativeSizeWindow::captionsStayCentredAndLeaveTheDiscsWhole_data()
{
    AddLanguageRows();
}

void TestRelativeSizeWindow::captionsStayCentredAndLeaveTheDiscsWhole()
{
    // SONNE, SOLEIL, ESTRELLA are wider than the layout's boxes; each caption
    // stays centred where the layout puts it, and a disc reaching under it
    // shows round, with the letters on it rather than a black box cut into it.
    QFETCH(QString, language);
    const InLanguage translation(language);
    QVERIFY(translation.loaded());
    // Band 1 (k = 3), R = 1: both discs of radius 134 px reach down to row 334.
    Show(Star(3000, 12, 1));
    relsize::RelativeSizeWindow *form = windows::Registry().loaded<relsize::RelativeSizeWindow>();
    const QImage shown = form->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QColor sunDisc(kSun), starDisc = form->image().pixelColor(419, 200);
    struct Under {
        const char *caption;
        double centre; // of the layout's box
        QColor disc;
    };
    for (const Under &under : {Under {"Label1", 100.5, sunDisc}, Under {"Label2", 416.5, starDisc}}) {
        auto *caption = Control<QLabel>(form, under.caption);
        QVERIFY(caption);
        const QRect box = caption->geometry();
        QVERIFY2(qAbs(box.left() + box.width() / 2.0 - under.centre) <= 1, qPrintable(caption->text()));
        QVERIFY2(caption->fontMetrics().horizontalAdvance(caption->text()) <= box.width(), qPrintable(caption->text()));
        // The corners of the caption's box show the disc; its letters are
        // white (smoothed at their edges), which no disc is.
        for (const QPoint corner : {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight()})
            QCOMPARE_PIXEL(shown, corner.x(), corner.y(), under.disc);
        bool lettered = false;
        for (int y = box.top(); y <= box.bottom(); ++y) {
            for (int x = box.left(); x <= box.right(); ++x) {
                const QRgb pixel = shown.pixel(x, y);
                lettered = lettered || std::min({qRed(pixel), qGreen(pixel), qBlue(pixel)}) >= 200;
            }
        }
        QVERIFY2(lettered, qPrintable(caption->text()));
    }
}

void TestRelativeSizeWindow::drawingIsDescribedForScreenReaders()
{
    struct Step {
        double t, m, r;
        const char *locale, *description;
    };
    const Step steps[] = {
        {10000, -2, 2, "C",
            "Star drawn beside the Sun: white, about 2 times the Sun's radius, drawn at one thirtieth scale"},
        {3000, 12, 0.3, "de_DE",
            "Star drawn beside the Sun: orange, about 0,3 times the Sun's radius, drawn at one third scale"},
        {20000, -9, 42.4, "C",
            "Star drawn beside the Sun: blue, about 42 times the Sun's radius, drawn at one eightieth scale"},
        // Too hot to draw: nothing is drawn, and the words stay those of the drawing shown.
        {75700.01, 3, 1, "C",
            "Star drawn beside the Sun: blue, about 42 times the Sun's radius, drawn at one eightieth scale"},
        {5800, 4.8, 1.04, "C",
            "Star drawn beside the Sun: yellow, about as large as the Sun, drawn at one fifteenth scale"},
        {3500, 1, 0.004, "C",
            "Star drawn beside the Sun: red, less than a hundredth of the Sun's radius, drawn at one hundredth scale"},
        {75000, 18.9, -0.0012, "C", "Sun drawn alone at one third scale: the deep blue star is too small to draw"},
    };
    QCOMPARE(windows::Registry().window<relsize::RelativeSizeWindow>()->accessibleDescription(),
        QStringLiteral("No star drawn yet"));
    const auto restore = qScopeGuard([before = QLocale()] { QLocale::setDefault(before); });
    for (const Step &step : steps) {
        QLocale::setDefault(QLocale(QLatin1String(step.locale)));
        Show(Star(step.t, step.m, step.r));
        QCOMPARE(windows::Registry().loaded<relsize::RelativeSizeWindow>()->accessibleDescription(),
            QLatin1String(step.description));
    }
}

void TestRelativeSizeWindow::exitDiscardsTheDrawing_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("EXIT button") << false;
    QTest::newRow("title-bar close box") << true;
}

void TestRelativeSizeWindow::exitDiscardsTheDrawing()
{
    QFETCH(bool, closeBox);
    Show(Star(3000, 12, 0.3));
    relsize::RelativeSizeWindow *first = windows::Registry().loaded<relsize::RelativeSizeWindow>();
    QCOMPARE_PIXEL(first->image(), 104 + 100, 200, kSun);
    if (closeBox)
        first->close();
    else
        Control<QPushButton>(first, "Command3")->click();
    // The close box unloads once the event loop has run.
    QTRY_VERIFY(!windows::Registry().loaded<relsize::RelativeSizeWindow>());

    Show(Star(10000, -2, 2));
    const QImage image = windows::Registry().loaded<relsize::RelativeSizeWindow>()->image();
    QCOMPARE_PIXEL(image, 104 + 100, 200, kBlack);
    QCOMPARE_PIXEL(image, 419 + 34, 200, kBlack);
    QCOMPARE_PIXEL(image, 419, 200, kWhite);
}

void TestRelativeSizeWindow::drawingSurvivesBeingCovered()
{
    Show(Star(10000, -2, 2));
    relsize::RelativeSizeWindow *form = windows::Registry().loaded<relsize::RelativeSizeWindow>();
    form->hide();
    form->show();
    const QImage shown = form->grab().toImage();
    QCOMPARE_PIXEL(shown, 419, 200, kWhite);
    QCOMPARE_PIXEL(shown, 104, 200, kSun);
    QCOMPARE_PIXEL(shown, 300, 100, kBlack);
}

void TestRelativeSizeWindow::saveCancelledWritesNothing()
{
    Show(Star(10000, -2, 2));
    Control<QPushButton>(windows::Registry().loaded<relsize::RelativeSizeWindow>(), "Command1")->click();
    QCOMPARE(m_desktop.saves.size(), 1);
    const auto &request = m_desktop.saves[0];
    QCOMPARE(request.filter, QStringLiteral(" All files(*.*)|*.*|Bitmap files(*.bmp)|*.bmp"));
    QCOMPARE(request.filterIndex, 2);
    QCOMPARE(request.folder, m_dir->path());
    QVERIFY(request.overwritePrompt);
    QVERIFY(m_desktop.messages.isEmpty());
    QVERIFY(QDir(m_dir->path()).isEmpty());
}

void TestRelativeSizeWindow::saveReplacesAnExistingFile()
{
    QFile old(m_dir->filePath("old.bmp"));
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(2 << 20, 'x')); // larger than the bitmap: a leftover tail would show
    old.close();
    Show(Star(10000, -2, 2));
    const QImage image = saved(QStringLiteral("old.bmp"));
    QVERIFY(!image.isNull());
    QCOMPARE_PIXEL(image, 419, 200, kWhite);
    QVERIFY(QFileInfo(old).size() < (2 << 20));
}

void TestRelativeSizeWindow::saveFailureIsReported_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    // Both fail for any user, root included.
    QTest::newRow("folder is a file") << "plain/star.bmp"
                                      << "Not a directory";
    QTest::newRow("vanished folder") << "gone/star.bmp"
                                     << "No such file or directory";
    QTest::newRow("name too long") << QString(300, QLatin1Char('n')) << "File name too long";
}

void TestRelativeSizeWindow::saveFailureIsReported()
{
    QFETCH(QString, name);
    QFETCH(QString, reason);
    QFile plain(m_dir->filePath("plain"));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    Show(Star(10000, -2, 2));
    relsize::RelativeSizeWindow *form = windows::Registry().loaded<relsize::RelativeSizeWindow>();
    const QImage before = form->image();
    m_desktop.fileNames.enqueue(m_dir->filePath(name));
    Control<QPushButton>(form, "Command1")->click();

    QCOMPARE(m_desktop.messages.size(), 1);
    QCOMPARE(m_desktop.messages[0].icon, Icon::Critical);
    QVERIFY2(m_desktop.messages[0].text.contains(reason, Qt::CaseInsensitive), qPrintable(m_desktop.messages[0].text));
    QCOMPARE(windows::Registry().loaded<relsize::RelativeSizeWindow>(), form);
    QVERIFY(form->image() == before);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot), QStringList {"plain"});
}

void TestRelativeSizeWindow::failingWriteLeavesExistingFileIntact()
{
    const QByteArray old = "yesterday's picture";
    QFile kept(m_dir->filePath("kept.bmp"));
    QVERIFY(kept.open(QIODevice::WriteOnly));
    kept.write(old);
    kept.close();
    Show(Star(10000, -2, 2));
    m_desktop.fileNames.enqueue(kept.fileName());

    // A file size limit far below the bitmap's size makes the write itself fail.
    rlimit saved {};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 4096;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    Control<QPushButton>(windows::Registry().loaded<relsize::RelativeSizeWindow>(), "Command1")->click();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), old);
    QCOMPARE(m_desktop.messages.size(), 1);
    QVERIFY2(m_desktop.messages[0].text.contains(QStringLiteral("too large"), Qt::CaseInsensitive),
        qPrintable(m_desktop.messages[0].text));
    QCOMPARE(
        QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot), QStringList {"kept.bmp"});
}

void TestRelativeSizeWindow::helpOpensTheHelpFile()
{
    Show(Star(10000, -2, 2));
    relsize::RelativeSizeWindow *form = windows::Registry().loaded<relsize::RelativeSizeWindow>();
    Control<QPushButton>(form, "Command2")->click();
    QCOMPARE(m_desktop.opens.size(), 1);
    QCOMPARE(m_desktop.opens[0].owner.data(), form);
    QCOMPARE(m_desktop.opens[0].file, QStringLiteral("vlt.chm"));
    QCOMPARE(m_desktop.opens[0].directory, m_dir->path());
}

QTEST_MAIN(TestRelativeSizeWindow)
#include "test_relative_size_window.moc"
