// The diagram pictures compiled into the program: they load, and the curves
// stand where a click reads the reference stars' published values.
#include "diagram/diagram_picture.h"
#include "model/stellar_model.h"
#include "tests/diagram/diagram_tests.h"
#include "tools/diagram/diagram_art.h"

#include <QTest>

#include <cmath>

namespace {

bool bright(const QImage &image, int x, int y)
{
    return image.rect().contains(x, y) && qGray(image.pixel(x, y)) >= 128;
}

// Distance from `p` to the nearest bright pixel, looked for within `reach`.
double nearestBright(const QImage &image, QPointF p, int reach)
{
    double best = HUGE_VAL;
    for (int y = int(p.y()) - reach; y <= int(p.y()) + reach; ++y)
        for (int x = int(p.x()) - reach; x <= int(p.x()) + reach; ++x)
            if (bright(image, x, y))
                best = std::min(best, std::hypot(x + 0.5 - p.x(), y + 0.5 - p.y()));
    return best;
}

} // namespace

class TestDiagramPictures : public QObject {
    Q_OBJECT
private slots:
    void picturesLoad_data();
    void picturesLoad();
    void sunDot_data();
    void sunDot();
    void curvesThroughTheReferenceStars_data();
    void curvesThroughTheReferenceStars();
    void referencePlacementReadsBack();
};

void TestDiagramPictures::picturesLoad_data()
{
    QTest::addColumn<QImage>("picture");
    QTest::newRow("general") << diagram::GeneralDiagramPicture();
    QTest::newRow("main sequence") << diagram::MainSequenceDiagramPicture();
}

void TestDiagramPictures::picturesLoad()
{
    QFETCH(QImage, picture);
    QVERIFY2(!picture.isNull(), "the diagram picture is missing from the resources");
    QCOMPARE(picture.size(), QSize(320, 472));
    int black = 0, white = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const int grey = qGray(picture.pixel(x, y));
            black += grey < 16;
            white += grey >= 128;
        }
    const int all = picture.width() * picture.height();
    QVERIFY2(black > all * 9 / 10, "a black field");
    QVERIFY2(white > 800, "with white curves on it");
}

void TestDiagramPictures::sunDot_data()
{
    QTest::addColumn<QImage>("picture");
    QTest::addColumn<QPoint>("sun");
    QTest::newRow("general") << diagram::GeneralDiagramPicture() << QPoint(187, 249);
    QTest::newRow("main sequence") << diagram::MainSequenceDiagramPicture() << QPoint(188, 248);
}

void TestDiagramPictures::sunDot()
{
    QFETCH(QImage, picture);
    QFETCH(QPoint, sun);
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            QVERIFY2(bright(picture, sun.x() + dx, sun.y() + dy),
                qPrintable(QStringLiteral("SUN dot pixel %1,%2").arg(sun.x() + dx).arg(sun.y() + dy)));
}

void TestDiagramPictures::curvesThroughTheReferenceStars_data()
{
    QTest::addColumn<QImage>("picture");
    QTest::addColumn<QString>("star");
    QTest::addColumn<QPointF>("where");
    const QImage general = diagram::GeneralDiagramPicture();
    const QImage mainSequence = diagram::MainSequenceDiagramPicture();
    for (const diagram_art::StarGroup &group : diagram_art::StarGroups())
        for (const diagram_art::ReferenceStar &star : group.stars) {
            const QPointF where = diagram_art::ClickPosition(star);
            QTest::addRow("general: %s", star.name) << general << QString::fromLatin1(star.name) << where;
            if (&group == &diagram_art::MainSequence())
                QTest::addRow("main sequence: %s", star.name)
                    << mainSequence << QString::fromLatin1(star.name) << where;
        }
}

void TestDiagramPictures::curvesThroughTheReferenceStars()
{
    QFETCH(QImage, picture);
    QFETCH(QPointF, where);
    const double distance = nearestBright(picture, where, 5);
    QVERIFY2(distance <= 3,
        qPrintable(QStringLiteral("nearest curve %1 pixels from %2,%3").arg(distance).arg(where.x()).arg(where.y())));
}

void TestDiagramPictures::referencePlacementReadsBack()
{
    // The placement inverts the click calibration: a click there reads the star's values.
    for (const diagram_art::StarGroup &group : diagram_art::StarGroups())
        for (const diagram_art::ReferenceStar &star : group.stars) {
            const QPointF p = diagram_art::ClickPosition(star);
            QVERIFY2(p.x() >= 0 && p.x() < 320 && p.y() >= 0 && p.y() < 472, star.name);
            const double t = *model::TemperatureFromColumn(p.x());
            QVERIFY2(std::fabs(t - star.temperature) < 0.5, star.name);
            QVERIFY2(std::fabs(model::MagnitudeFromRow(p.y(), 472) - star.absMagnitude) < 1e-9, star.name);
        }
}

QObject *NewDiagramPicturesTest()
{
    return new TestDiagramPictures;
}

#include "test_diagram_pictures.moc"
