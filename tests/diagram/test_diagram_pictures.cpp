// The diagram pictures compiled into the program: real stars where a click
// reads their values, in their colours, on a field mostly left dark; the SUN
// mark where a click reads the Sun; and the table they come from refused,
// with its file and line, when it is damaged.
#include "diagram/diagram_picture.h"
#include "model/number_format.h"
#include "model/stellar_model.h"
#include "tests/diagram/diagram_tests.h"
#include "tools/diagram/diagram_art.h"
#include "tools/diagram/real_stars.h"

#include <QFont>
#include <QFontMetricsF>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <fstream>
#include <map>
#include <set>

namespace {

bool drawn(const QImage &image, QPoint p)
{
    return image.rect().contains(p) && image.pixel(p) != diagram_art::kBackground;
}

const std::vector<real_stars::RealStar> &table()
{
    static const std::vector<real_stars::RealStar> stars = real_stars::ReadTable(VELTRANE_REAL_STARS);
    return stars;
}

} // namespace

class TestDiagramPictures : public QObject {
    Q_OBJECT
private slots:
    void picturesAreMostlyDark_data();
    void picturesAreMostlyDark();
    void sunMark_data();
    void sunMark();
    void aClickOnAStarReadsIt_data();
    void aClickOnAStarReadsIt();
    void starColours();
    void captionsKeepApart_data();
    void captionsKeepApart();
    void damagedTableNamesFileAndLine_data();
    void damagedTableNamesFileAndLine();
};

void TestDiagramPictures::picturesAreMostlyDark_data()
{
    QTest::addColumn<QImage>("picture");
    QTest::newRow("general") << diagram::GeneralDiagramPicture();
    QTest::newRow("main sequence") << diagram::MainSequenceDiagramPicture();
}

// A student must be able to click between the stars.
void TestDiagramPictures::picturesAreMostlyDark()
{
    QFETCH(QImage, picture);
    QVERIFY2(!picture.isNull(), "the diagram picture is missing from the resources");
    QCOMPARE(picture.size(), QSize(320, 472));
    int count = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            count += drawn(picture, {x, y});
    const int all = picture.width() * picture.height();
    QVERIFY2(count * 3 < all, qPrintable(QStringLiteral("%1 of %2 pixels drawn").arg(count).arg(all)));
    QVERIFY2(count > 3000, qPrintable(QStringLiteral("only %1 pixels drawn").arg(count)));
}

void TestDiagramPictures::sunMark_data()
{
    QTest::addColumn<QImage>("picture");
    QTest::addColumn<QPoint>("sun");
    QTest::addColumn<QString>("temperature");
    QTest::addColumn<QString>("magnitude");
    QTest::newRow("general") << diagram::GeneralDiagramPicture() << QPoint(187, 249) << "5963"
                             << "4.78";
    QTest::newRow("main sequence") << diagram::MainSequenceDiagramPicture() << QPoint(188, 248) << "5946"
                                   << "4.72";
}

// The white SUN mark stands where a click reads the Sun of the read-out frames.
void TestDiagramPictures::sunMark()
{
    QFETCH(QImage, picture);
    QFETCH(QPoint, sun);
    QFETCH(QString, temperature);
    QFETCH(QString, magnitude);
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            QVERIFY2(qGray(picture.pixel(sun + QPoint(dx, dy))) >= 240,
                qPrintable(QStringLiteral("SUN mark pixel %1,%2").arg(sun.x() + dx).arg(sun.y() + dy)));
    QCOMPARE(QString::fromStdString(model::FormatNumber(*model::TemperatureFromColumn(sun.x()), model::Pattern::Whole)),
        temperature);
    QCOMPARE(QString::fromStdString(model::FormatNumber(model::MagnitudeFromRow(sun.y(), 472), model::Pattern::Fixed2)),
        magnitude);
}

void TestDiagramPictures::aClickOnAStarReadsIt_data()
{
    QTest::addColumn<QImage>("picture");
    QTest::addColumn<bool>("mainSequenceOnly");
    QTest::newRow("general") << diagram::GeneralDiagramPicture() << false;
    QTest::newRow("main sequence") << diagram::MainSequenceDiagramPicture() << true;
}

// Every star of the table is a dot at the pixel where a click reads its
// temperature (the nearest reading of the columns about it) and its magnitude
// (within half a row's step); the main-sequence picture leaves the other
// classes out. No temperature holds more than 20 stars of one class: stars
// placed by their type alone would stand in one column per subtype.
void TestDiagramPictures::aClickOnAStarReadsIt()
{
    QFETCH(QImage, picture);
    QFETCH(bool, mainSequenceOnly);
    const double halfRow = 0.0636 / 2 + 1e-9;
    std::set<std::pair<int, int>> mainSequenceNear;
    for (const real_stars::RealStar &star : table())
        if (star.luminosityClass == "V") {
            const QPoint p = diagram_art::ClickPixel(star);
            for (int dy = -2; dy <= 2; ++dy)
                for (int dx = -2; dx <= 2; ++dx)
                    mainSequenceNear.insert({p.x() + dx, p.y() + dy});
        }
    int shown = 0, othersAway = 0, othersAwayDark = 0;
    std::map<std::pair<std::string, double>, int> sharingTemperature;
    for (const real_stars::RealStar &star : table()) {
        const QPoint p = diagram_art::ClickPixel(star);
        if (!QRect(0, 0, 320, 472).contains(p))
            continue;
        const QString name = QStringLiteral("HIP %1 (%2 K, Mv %3) at %4,%5")
                                 .arg(star.hip)
                                 .arg(star.temperature)
                                 .arg(star.absMagnitude)
                                 .arg(p.x())
                                 .arg(p.y());
        if (mainSequenceOnly && star.luminosityClass != "V") {
            if (!mainSequenceNear.count({p.x(), p.y()})) {
                ++othersAway;
                othersAwayDark += !drawn(picture, p);
            }
            continue;
        }
        ++shown;
        const int sharing = ++sharingTemperature[std::make_pair(star.luminosityClass, star.temperature)];
        QVERIFY2(sharing <= 20,
            qPrintable(name
                + QStringLiteral(": more than 20 stars of class %1 at this temperature")
                      .arg(QString::fromStdString(star.luminosityClass))));
        QVERIFY2(drawn(picture, p), qPrintable(name + QStringLiteral(": nothing drawn there")));
        const double t = star.temperature;
        const double here = std::fabs(*model::TemperatureFromColumn(p.x()) - t);
        for (int side : {p.x() - 1, p.x() + 1})
            QVERIFY2(here <= std::fabs(*model::TemperatureFromColumn(side) - t) + 1e-6,
                qPrintable(name + QStringLiteral(": column %1 reads nearer").arg(side)));
        QVERIFY2(std::fabs(model::MagnitudeFromRow(p.y(), 472) - star.absMagnitude) <= halfRow,
            qPrintable(name + QStringLiteral(": the row reads %1").arg(model::MagnitudeFromRow(p.y(), 472))));
    }
    QVERIFY2(shown * 100 >= 99
                * int(mainSequenceOnly ? std::count_if(
                          table().begin(), table().end(), [](const auto &s) { return s.luminosityClass == "V"; })
                                       : table().size()),
        qPrintable(QStringLiteral("only %1 stars on the picture").arg(shown)));
    if (mainSequenceOnly)
        QVERIFY2(othersAwayDark * 100 >= 97 * othersAway,
            qPrintable(QStringLiteral("%1 of %2 stars of other classes drawn")
                           .arg(othersAway - othersAwayDark)
                           .arg(othersAway)));
}

// Hot stars blue-white, the Sun yellow-white, M stars orange-red.
void TestDiagramPictures::starColours()
{
    const QColor hot = diagram_art::BlackbodyColour(25000);
    const QColor sun = diagram_art::BlackbodyColour(5772);
    const QColor cool = diagram_art::BlackbodyColour(3300);
    QVERIFY(hot.blue() == 255 && hot.red() < 200 && hot.green() < hot.blue());
    QVERIFY(sun.red() == 255 && sun.green() > 225 && sun.blue() > 200 && sun.blue() < sun.green());
    QVERIFY(cool.red() == 255 && cool.green() < 210 && cool.blue() < 150);
}

void TestDiagramPictures::captionsKeepApart_data()
{
    // A second caption on the line of the first, `gap` pixels after its end,
    // or `below` pixels under it.
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<double>("gap");
    QTest::addColumn<double>("below");
    QTest::addColumn<bool>("tooClose");
    QTest::newRow("Spanish SECUENCIA PRINCIPAL 6 px before SOL") << "SECUENCIA PRINCIPAL"
                                                                 << "SOL" << 11 << 6.0 << 0.0 << true;
    QTest::newRow("French PRINCIPALE 10 px before SOLEIL") << "SÉQUENCE PRINCIPALE"
                                                           << "SOLEIL" << 11 << 10.0 << 0.0 << true;
    QTest::newRow("Spanish SUPERGIGANTES one line over GIGANTES") << "SUPERGIGANTES"
                                                                  << "GIGANTES" << 8 << -60.0 << 10.0 << true;
    QTest::newRow("three word spaces and more") << "SECUENCIA PRINCIPAL"
                                                << "SOL" << 11 << 24.0 << 0.0 << false;
    QTest::newRow("two lines apart") << "SUPERGIGANTES"
                                     << "GIGANTES" << 8 << -60.0 << 20.0 << false;
}

// Two captions nearer than the gap are named; farther ones pass.
void TestDiagramPictures::captionsKeepApart()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(int, pixelSize);
    QFETCH(double, gap);
    QFETCH(double, below);
    QFETCH(bool, tooClose);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    const QFontMetricsF metrics(font);
    diagram_art::Caption a(first, pixelSize), b(second, pixelSize);
    a.centre = QPointF(120, 100);
    const double end = a.centre.x() + metrics.horizontalAdvance(first) / 2;
    b.centre = QPointF(end + gap + metrics.horizontalAdvance(second) / 2, 100 + below + metrics.capHeight());
    const QStringList close = diagram_art::CaptionsTooClose({a, b}, QSize(320, 472));
    QVERIFY2(close.isEmpty() != tooClose, qPrintable(close.join(QStringLiteral("; "))));
    if (tooClose)
        QVERIFY2(close.front().contains(first) && close.front().contains(second), qPrintable(close.front()));
}

void TestDiagramPictures::damagedTableNamesFileAndLine_data()
{
    const QByteArray header = "# a comment\nhip,name,v,b_v,b_v_error,photometry,parallax_mas,parallax_error_mas,"
                              "spectral_type,class,teff_k,teff_from,teff_read_at,mv\n";
    const QByteArray good = "91262,Vega,0.03,-0.001,0.005,Hipparcos,130.23,0.3600,A0Va,V,10141,B-V,-0.001,0.60\n";
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("expected");
    QTest::newRow("good") << header + good << QString();
    QTest::newRow("no header") << good << ":1: the column header";
    QTest::newRow("a field missing") << header + good + "5,x,1,2,,stellarium,3,4,A0V,V,9000,B-V,2\n"
                                     << ":4: 14 fields";
    QTest::newRow("not a number") << header + "7,x,1,2,,stellarium,3,4,A0V,V,9000,B-V,2,4.8x\n"
                                  << ":3: mv is not a number";
    QTest::newRow("comma decimal") << header + "7,x,1,2,,stellarium,3,4,A0V,V,9000,B-V,2,4,8\n"
                                   << ":3: 14 fields";
    QTest::newRow("unknown photometry") << header + "7,x,1,2,0.01,Tycho,3,4,A0V,V,9000,B-V,2,4.8\n"
                                        << ":3: photometry";
    QTest::newRow("unknown class") << header + "7,x,1,2,,stellarium,3,4,A0V,VII,9000,B-V,2,4.8\n"
                                   << ":3: unknown class";
    QTest::newRow("no parallax") << header + "7,x,1,2,,stellarium,0,4,A0V,V,9000,B-V,2,4.8\n"
                                 << ":3: parallax";
    QTest::newRow("twice") << header + good + good << ":4: HIP 91262 twice";
    QTest::newRow("no stars") << header << ":2: no stars";
    QTest::newRow("missing") << QByteArray() << ": cannot be read";
}

void TestDiagramPictures::damagedTableNamesFileAndLine()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    const std::string path = (dir.path() + QStringLiteral("/real_stars.csv")).toStdString();
    if (!content.isEmpty()) {
        std::ofstream file(path, std::ios::binary);
        file.write(content.constData(), content.size());
    }
    try {
        const auto stars = real_stars::ReadTable(path);
        QVERIFY2(expected.isEmpty(), "a damaged table was read");
        QCOMPARE(stars.size(), std::size_t(1));
        QCOMPARE(stars.front().absMagnitude, 0.60);
        QCOMPARE(stars.front().bvError.value_or(-1), 0.005);
    } catch (const real_stars::TableError &error) {
        const QString what = QString::fromStdString(error.what());
        QVERIFY2(!expected.isEmpty(), qPrintable(what));
        QVERIFY2(what.startsWith(QString::fromStdString(path) + expected), qPrintable(what));
    }
}

QObject *NewDiagramPicturesTest()
{
    return new TestDiagramPictures;
}

#include "test_diagram_pictures.moc"
