// The diagram windows' steps without the windows: clicks, plots and their
// failures, and the live read-out.
#include "model/diagram_steps.h"
#include "model/number_format.h"

#include <QTest>

#include <cmath>

using namespace model;

namespace {

constexpr double kScaleHeight = 472;

QString show(double value, Pattern pattern)
{
    return QString::fromStdString(FormatNumber(value, pattern));
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
    void commaSeparator();
};

void TestDiagramSteps::clickOnTheSun()
{
    StarPoint star;
    star.PlotColumn = 12; // a click never touches the plot fields
    const Progress progress = ClickStar(star, 187, 249, kScaleHeight, false);
    QVERIFY(!progress.failed());
    QVERIFY(progress.temperatureChanged);
    QCOMPARE(progress.reached, Stage::RadiusKm);
    QCOMPARE(show(star.Temperature, Pattern::Whole), QStringLiteral("5963"));
    QCOMPARE(show(star.AbsMagnitude, Pattern::Fixed2), QStringLiteral("4.78"));
    QCOMPARE(show(star.Luminosity, Pattern::Fixed2), QStringLiteral("1.00"));
    QCOMPARE(show(star.Radius, Pattern::Fixed4), QStringLiteral(".9941"));
    QCOMPARE(show(star.RadiusKm, Pattern::Fixed3), QStringLiteral("691407.728"));
    QCOMPARE(star.PlotColumn, 12.0);
    QCOMPARE(star.Mass, 0.0);
}

void TestDiagramSteps::clickBeyondTheCalibrationKeepsTheTemperature()
{
    StarPoint star;
    QVERIFY(!ClickStar(star, 187, 249, kScaleHeight, false).failed());
    const double before = star.Temperature;
    const Progress progress = ClickStar(star, 341, 0, kScaleHeight, false);
    QVERIFY(!progress.temperatureChanged);
    QCOMPARE(star.Temperature, before);
    QCOMPARE(show(star.AbsMagnitude, Pattern::Fixed2), QStringLiteral("-11.06"));

    // With no temperature at all the radius would divide by zero: reported, not thrown.
    StarPoint fresh;
    const Progress failed = ClickStar(fresh, 400, 10, kScaleHeight, false);
    QCOMPARE(failed.error, std::string(kDivisionByZero));
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
                         << "1.01 E+10";
    QTest::newRow("hottest, brightest") << 0.0 << 0.0 << "37.82"
                                        << "7.522 E+31"
                                        << "1.01 E+8";
    QTest::newRow("faintest") << 104.0 << 471.0 << ".45"
                              << "8.895 E+29"
                              << "7.49 E+10";
}

void TestDiagramSteps::clickOnTheMainSequence()
{
    QFETCH(double, x);
    QFETCH(double, y);
    StarPoint star;
    QVERIFY(!ClickStar(star, x, y, kScaleHeight, true).failed());
    QTEST(show(star.Mass, Pattern::Fixed2), "mass");
    QTEST(show(star.MassKg, Pattern::Scientific3), "massKg");
    QTEST(show(star.Lifetime, Pattern::Scientific2), "lifetime");
}

void TestDiagramSteps::plotFromTypedValues()
{
    StarPoint star;
    const Progress progress = PlotStar(star, "5963", "4.78", '.', kScaleHeight, ColumnRule::KeepPrevious, true);
    QVERIFY2(!progress.failed(), progress.error.c_str());
    QVERIFY2(std::fabs(star.PlotColumn - 186.4606) < 1e-3, qPrintable(QString::number(star.PlotColumn)));
    QVERIFY2(std::fabs(star.PlotRow - 249.6371) < 1e-3, qPrintable(QString::number(star.PlotRow)));
    QCOMPARE(show(star.Luminosity, Pattern::Fixed2), QStringLiteral("1.00"));
    QCOMPARE(show(star.Radius, Pattern::Fixed4), QStringLiteral(".9943"));
    QCOMPARE(show(star.RadiusKm, Pattern::Fixed3), QStringLiteral("691515.672"));
    QCOMPARE(show(star.MassKg, Pattern::Scientific3), QStringLiteral("1.989 E+30"));
    QCOMPARE(show(star.Lifetime, Pattern::Scientific2), QStringLiteral("1.00 E+10"));
}

void TestDiagramSteps::plotHotterThanTheCalibration()
{
    StarPoint general;
    general.PlotColumn = 77;
    QVERIFY(!PlotStar(general, "90000", "0", '.', kScaleHeight, ColumnRule::KeepPrevious, false).failed());
    QCOMPARE(general.PlotColumn, 77.0);

    StarPoint mainSequence;
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
    const QString mismatch = QString::fromLatin1(kTypeMismatch);
    const QString invalid = QString::fromLatin1(kInvalidCall);
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
        << "-1000" << Stage::Position << QString::fromLatin1(kOverflow) << 5963.0;
}

void TestDiagramSteps::plotStopsAtTheFirstFailure()
{
    QFETCH(QString, temperature);
    QFETCH(QString, magnitude);
    QFETCH(Stage, reached);
    QFETCH(QString, error);
    QFETCH(double, storedTemperature);
    StarPoint star;
    star.Temperature = 1234;
    star.Luminosity = 42;
    const Progress progress = PlotStar(
        star, temperature.toStdString(), magnitude.toStdString(), '.', kScaleHeight, ColumnRule::KeepPrevious, false);
    QCOMPARE(QString::fromStdString(progress.error), error);
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
    QTEST(QString::fromStdString(*text), "expected");
    QVERIFY2(!LiveReadout(340.5, y, kScaleHeight, '.'), "beyond column 340 the read-out keeps what it shows");
}

void TestDiagramSteps::commaSeparator()
{
    StarPoint star;
    const Progress progress = PlotStar(star, "5963", "4,78", ',', kScaleHeight, ColumnRule::KeepPrevious, false);
    const auto readout = LiveReadout(187, 249, kScaleHeight, ',');
    QVERIFY2(!progress.failed(), progress.error.c_str());
    QCOMPARE(FormatNumber(star.Radius, Pattern::Fixed4, ','), std::string(",9943"));
    QCOMPARE(FormatNumber(star.RadiusKm, Pattern::Fixed3, ','), std::string("691515,672"));
    QVERIFY(readout && readout->ends_with("= 4,78"));
    // A point typed where the comma is the separator is not a number there.
    StarPoint other;
    QCOMPARE(PlotStar(other, "5963", "4.78", ',', kScaleHeight, ColumnRule::KeepPrevious, false).error,
        std::string(kTypeMismatch));
}

QTEST_GUILESS_MAIN(TestDiagramSteps)
#include "test_diagram_steps.moc"
