// The window-free steps: clicks, plots and their failures, the live read-out,
// the prompt colours and the circle marks.
#include "diagram/diagram_picture.h"
#include "diagram/diagram_steps.h"
#include "platform/widget_helpers.h"
#include "tests/diagram/diagram_tests.h"

#include <QImage>
#include <QLocale>
#include <QTest>

#include <cmath>

using namespace diagram;

namespace {

constexpr double kScaleHeight = 472;

QString show(double value, model::Pattern pattern)
{
    return Show(value, pattern, '.');
}

} // namespace

class TestDiagramSteps : public QObject {
    Q_OBJECT
private slots:
    void clickOnTheSun();
    void clickBeyondTheCalibrationKeepsTheTemperature();
    void clickOnTheMainSequence_data();
    void clickOnTheMainSequence();
    void plotFromTypedValues();
    void plotHotterThanTheCalibration();
    void plotStopsAtTheFirstFailure_data();
    void plotStopsAtTheFirstFailure();
    void liveReadout_data();
    void liveReadout();
    void commaLocale();
    void promptBlinksBetweenRedAndBlue();
    void circleMarks();
};

void TestDiagramSteps::clickOnTheSun()
{
    model::StarPoint star;
    star.PlotColumn = 12; // a click never touches the plot fields
    const Progress progress = ClickStar(star, 187, 249, kScaleHeight, false);
    QVERIFY(!progress.failed());
    QVERIFY(progress.temperatureChanged);
    QCOMPARE(progress.reached, Stage::RadiusKm);
    QCOMPARE(show(star.Temperature, model::Pattern::Whole), QStringLiteral("5963"));
    QCOMPARE(show(star.AbsMagnitude, model::Pattern::Fixed2), QStringLiteral("4.78"));
    QCOMPARE(show(star.Luminosity, model::Pattern::Fixed2), QStringLiteral("1.00"));
    QCOMPARE(show(star.Radius, model::Pattern::Fixed4), QStringLiteral(".9941"));
    QCOMPARE(show(star.RadiusKm, model::Pattern::Fixed3), QStringLiteral("691407.728"));
    QCOMPARE(star.PlotColumn, 12.0);
    QCOMPARE(star.Mass, 0.0);
}

void TestDiagramSteps::clickBeyondTheCalibrationKeepsTheTemperature()
{
    model::StarPoint star;
    QVERIFY(!ClickStar(star, 187, 249, kScaleHeight, false).failed());
    const double before = star.Temperature;
    const Progress progress = ClickStar(star, 341, 0, kScaleHeight, false);
    QVERIFY(!progress.temperatureChanged);
    QCOMPARE(star.Temperature, before);
    QCOMPARE(show(star.AbsMagnitude, model::Pattern::Fixed2), QStringLiteral("-11.06"));

    // With no temperature at all the radius would divide by zero: reported, not thrown.
    model::StarPoint fresh;
    const Progress failed = ClickStar(fresh, 400, 10, kScaleHeight, false);
    QCOMPARE(failed.error, QString::fromLatin1(model::kDivisionByZero));
    QCOMPARE(failed.reached, Stage::Luminosity);
}

void TestDiagramSteps::clickOnTheMainSequence_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<QString>("mass");
    QTest::addColumn<QString>("massKg");
    QTest::addColumn<QString>("lifetime");
    QTest::newRow("sun") << 187.0 << 249.0 << "1.00"
                         << "1.990 E+30"
                         << "1.00 E+11";
    QTest::newRow("hottest, brightest") << 0.0 << 0.0 << "37.82"
                                        << "7.522 E+31"
                                        << "1.11 E+8";
    QTest::newRow("faintest") << 104.0 << 471.0 << ".45"
                              << "8.895 E+29"
                              << "7.48 E+11";
}

void TestDiagramSteps::clickOnTheMainSequence()
{
    QFETCH(double, x);
    QFETCH(double, y);
    model::StarPoint star;
    QVERIFY(!ClickStar(star, x, y, kScaleHeight, true).failed());
    QTEST(show(star.Mass, model::Pattern::Fixed2), "mass");
    QTEST(show(star.MassKg, model::Pattern::Scientific3), "massKg");
    QTEST(show(star.Lifetime, model::Pattern::Scientific2), "lifetime");
}

void TestDiagramSteps::plotFromTypedValues()
{
    model::StarPoint star;
    const Progress progress = PlotStar(star, "5963", "4.78", '.', kScaleHeight, ColumnRule::KeepPrevious, true);
    QVERIFY2(!progress.failed(), qPrintable(progress.error));
    QVERIFY2(std::fabs(star.PlotColumn - 186.4606) < 1e-3, qPrintable(QString::number(star.PlotColumn)));
    QVERIFY2(std::fabs(star.PlotRow - 249.6371) < 1e-3, qPrintable(QString::number(star.PlotRow)));
    QCOMPARE(show(star.Luminosity, model::Pattern::Fixed2), QStringLiteral("1.00"));
    QCOMPARE(show(star.Radius, model::Pattern::Fixed4), QStringLiteral(".9943"));
    QCOMPARE(show(star.RadiusKm, model::Pattern::Fixed3), QStringLiteral("691515.672"));
    QCOMPARE(show(star.MassKg, model::Pattern::Scientific3), QStringLiteral("1.989 E+30"));
    QCOMPARE(show(star.Lifetime, model::Pattern::Scientific2), QStringLiteral("1.00 E+11"));
}

void TestDiagramSteps::plotHotterThanTheCalibration()
{
    model::StarPoint general;
    general.PlotColumn = 77;
    QVERIFY(!PlotStar(general, "90000", "0", '.', kScaleHeight, ColumnRule::KeepPrevious, false).failed());
    QCOMPARE(general.PlotColumn, 77.0);

    model::StarPoint mainSequence;
    mainSequence.PlotColumn = 77;
    QVERIFY(!PlotStar(mainSequence, "90000", "0", '.', kScaleHeight, ColumnRule::StartAtZero, true).failed());
    QCOMPARE(mainSequence.PlotColumn, 0.0);
}

void TestDiagramSteps::plotStopsAtTheFirstFailure_data()
{
    QTest::addColumn<QString>("temperature");
    QTest::addColumn<QString>("magnitude");
    QTest::addColumn<Stage>("reached");
    QTest::addColumn<QString>("error");
    QTest::addColumn<double>("storedTemperature");
    const QString mismatch = QString::fromLatin1(model::kTypeMismatch);
    const QString invalid = QString::fromLatin1(model::kInvalidCall);
    QTest::newRow("empty temperature") << ""
                                       << "4.78" << Stage::None << mismatch << 1234.0;
    QTest::newRow("temperature not a number") << "hot"
                                              << "4.78" << Stage::None << mismatch << 1234.0;
    QTest::newRow("zero kelvin") << "0"
                                 << "4.78" << Stage::Magnitude << invalid << 0.0;
    QTest::newRow("negative temperature") << "-5000"
                                          << "4.78" << Stage::Magnitude << invalid << -5000.0;
    QTest::newRow("magnitude not a number") << "5963"
                                            << "bright" << Stage::Temperature << mismatch << 5963.0;
    QTest::newRow("luminosity overflows after the marks")
        << "5963"
        << "-1000" << Stage::Position << QString::fromLatin1(model::kOverflow) << 5963.0;
}

void TestDiagramSteps::plotStopsAtTheFirstFailure()
{
    QFETCH(QString, temperature);
    QFETCH(QString, magnitude);
    QFETCH(Stage, reached);
    QFETCH(QString, error);
    QFETCH(double, storedTemperature);
    model::StarPoint star;
    star.Temperature = 1234;
    star.Luminosity = 42;
    const Progress progress
        = PlotStar(star, temperature, magnitude, '.', kScaleHeight, ColumnRule::KeepPrevious, false);
    QCOMPARE(progress.error, error);
    QCOMPARE(progress.reached, reached);
    QCOMPARE(star.Temperature, storedTemperature);
    QCOMPARE(star.Luminosity, 42.0);
}

void TestDiagramSteps::liveReadout_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<QString>("expected");
    const QString blanks14(14, QLatin1Char(' ')), blanks13(13, QLatin1Char(' '));
    QTest::newRow("column 200") << 200.0 << 249.0 << "TEMPERATURE(K) = 5760" + blanks14 + "ABS. MAGNITUDE = 4.78";
    QTest::newRow("column 229, last of 14 blanks")
        << 229.0 << 249.0 << "TEMPERATURE(K) = 5447" + blanks14 + "ABS. MAGNITUDE = 4.78";
    QTest::newRow("column 230, first of 13 blanks")
        << 230.0 << 249.0 << "TEMPERATURE(K) = 5631" + blanks13 + "ABS. MAGNITUDE = 4.78";
    QTest::newRow("column 340, last read")
        << 340.0 << 471.0 << "TEMPERATURE(K) = 2112" + blanks13 + "ABS. MAGNITUDE = 18.90";
    QTest::newRow("left of the picture") << -5.0 << 0.0
                                         << "TEMPERATURE(K) = 92676" + blanks14 + "ABS. MAGNITUDE = -11.06";
}

void TestDiagramSteps::liveReadout()
{
    QFETCH(double, x);
    QFETCH(double, y);
    const auto text = LiveReadout(x, y, kScaleHeight, '.');
    QVERIFY(text.has_value());
    QTEST(*text, "expected");
    QVERIFY2(!LiveReadout(340.5, y, kScaleHeight, '.'), "beyond column 340 the read-out keeps what it shows");
}

void TestDiagramSteps::commaLocale()
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const char separator = platform::DecimalSeparator();
    model::StarPoint star;
    const Progress progress = PlotStar(star, "5963", "4,78", separator, kScaleHeight, ColumnRule::KeepPrevious, false);
    const auto readout = LiveReadout(187, 249, kScaleHeight, separator);
    QLocale::setDefault(saved);

    QCOMPARE(separator, ',');
    QVERIFY2(!progress.failed(), qPrintable(progress.error));
    QCOMPARE(Show(star.Radius, model::Pattern::Fixed4, separator), QStringLiteral(",9943"));
    QCOMPARE(Show(star.RadiusKm, model::Pattern::Fixed3, separator), QStringLiteral("691515,672"));
    QVERIFY(readout && readout->endsWith(QStringLiteral("= 4,78")));
    // A point typed into a comma locale is not a number there.
    model::StarPoint other;
    QCOMPARE(PlotStar(other, "5963", "4.78", ',', kScaleHeight, ColumnRule::KeepPrevious, false).error,
        QString::fromLatin1(model::kTypeMismatch));
}

void TestDiagramSteps::promptBlinksBetweenRedAndBlue()
{
    QColor colour(255, 0, 0); // the design colour
    QCOMPARE(NextPromptColour(colour), kPromptRed);
    colour = kPromptRed;
    for (int tick = 0; tick < 4; ++tick) {
        const QColor next = NextPromptColour(colour);
        QCOMPARE(next, tick % 2 == 0 ? kPromptBlue : kPromptRed);
        colour = next;
    }
}

void TestDiagramSteps::circleMarks()
{
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(Qt::black);
    DrawCircleMark(image, 20.4f, 19.6f, 2.36f, kDotColour, kDotColour, true);
    DrawCircleMark(image, 20.4f, 19.6f, 4.72f, kGeneralRing, kGeneralRing, false);
    int ring = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const double d = std::hypot(x + 0.5 - 20.4, y + 0.5 - 19.6);
            const QRgb pixel = image.pixel(x, y);
            if (pixel == kGeneralRing.rgb()) {
                ++ring;
                QVERIFY2(d > 3 && d < 6.2, qPrintable(QStringLiteral("ring pixel at %1,%2").arg(x).arg(y)));
            } else if (pixel == kDotColour.rgb()) {
                QVERIFY2(d < 3.5, qPrintable(QStringLiteral("dot pixel at %1,%2").arg(x).arg(y)));
            }
        }
    QVERIFY2(ring >= 20, qPrintable(QString::number(ring)));
    QCOMPARE(QColor(image.pixel(20, 19)), kDotColour);
    // Transparent fill: inside the ring, between it and the dot, the picture shows through.
    QCOMPARE(QColor(image.pixel(20, 16)), QColor(Qt::black));
}

QObject *NewDiagramStepsTest()
{
    return new TestDiagramSteps;
}

#include "test_diagram_steps.moc"
