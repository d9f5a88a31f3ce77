// The diagram windows' steps without the windows: clicks, plots and their
// failures, and the live read-out.
#include "model/diagram_steps.h"
#include "model/number_format.h"

#include <QTest>

#include <cmath>

using namespace model;

Q_DECLARE_METATYPE(model::PlotCheck::Fault)

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
    void plotCheckNamesTheFaultyNumber_data();
    void plotCheckNamesTheFaultyNumber();
    void liveReadout_data();
    void liveReadout();
    void commaSeparator();
};

void TestDiagramSteps::clickOnTheSun()
{
    StarPoint previous;
    previous.PlotColumn = 12; // a click never touches the plot fields
    const StarReading reading = ClickStar(DiagramKind::General, previous, 187, 249, kScaleHeight, '.');
    const Progress &progress = reading.progress;
    const StarPoint &star = reading.point;
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
    // The boxes' texts come with the star.
    QVERIFY(reading.star);
    QCOMPARE(reading.star->kind, DiagramKind::General);
    QCOMPARE(reading.star->readOuts, (ReadOuts {"5963", "4.78", "1.00", ".9941", "691407.728", {}, {}, {}}));
}

void TestDiagramSteps::clickBeyondTheCalibrationKeepsTheTemperature()
{
    const StarPoint sun = ClickStar(DiagramKind::General, {}, 187, 249, kScaleHeight, '.').point;
    const StarReading beyond = ClickStar(DiagramKind::General, sun, 341, 0, kScaleHeight, '.');
    QVERIFY(!beyond.progress.temperatureChanged);
    QCOMPARE(beyond.point.Temperature, sun.Temperature);
    QCOMPARE(show(beyond.point.AbsMagnitude, Pattern::Fixed2), QStringLiteral("-11.06"));

    // With no temperature at all the radius would divide by zero: reported, not thrown.
    const StarReading failed = ClickStar(DiagramKind::General, {}, 400, 10, kScaleHeight, '.');
    QCOMPARE(failed.progress.error, std::string(kDivisionByZero));
    QCOMPARE(failed.progress.reached, Stage::Luminosity);
    QVERIFY(!failed.star);
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
    const StarReading reading = ClickStar(DiagramKind::MainSequence, {}, x, y, kScaleHeight, '.');
    QVERIFY(reading.star);
    QTEST(QString::fromStdString(reading.star->readOuts.mass), "mass");
    QTEST(QString::fromStdString(reading.star->readOuts.massKg), "massKg");
    QTEST(QString::fromStdString(reading.star->readOuts.lifetime), "lifetime");
}

void TestDiagramSteps::plotFromTypedValues()
{
    const GivenStar typed {5963, 4.78, "5963", "4.780"};
    const StarReading reading = PlotStar(DiagramKind::MainSequence, typed, 0, kScaleHeight, '.');
    const StarPoint &star = reading.point;
    QVERIFY2(!reading.progress.failed(), reading.progress.error.c_str());
    QVERIFY2(std::fabs(star.PlotColumn - 186.4606) < 1e-3, qPrintable(QString::number(star.PlotColumn)));
    QVERIFY2(std::fabs(star.PlotRow - 249.6371) < 1e-3, qPrintable(QString::number(star.PlotRow)));
    QVERIFY(reading.star);
    const ReadOuts &shown = reading.star->readOuts;
    QCOMPARE(shown.luminosity, "1.00");
    QCOMPARE(shown.radius, ".9943");
    QCOMPARE(shown.radiusKm, "691515.672");
    QCOMPARE(shown.massKg, "1.989 E+30");
    QCOMPARE(shown.lifetime, "1.00 E+10");
    // Both diagrams keep the temperature as typed; the main-sequence one
    // writes the magnitude in its pattern, the general one keeps it too.
    QCOMPARE(shown.temperature, "5963");
    QCOMPARE(shown.magnitude, "4.78");
    const StarReading general = PlotStar(DiagramKind::General, typed, 0, kScaleHeight, '.');
    QCOMPARE(general.star->readOuts.magnitude, "4.780");
    QCOMPARE(general.star->readOuts.mass, "");
    // Numbers given without texts are written in the read-outs' patterns.
    const StarReading numbers = PlotStar(DiagramKind::General, {5963.4, 4.783}, 0, kScaleHeight, '.');
    QCOMPARE(numbers.star->readOuts.temperature, "5963");
    QCOMPARE(numbers.star->readOuts.magnitude, "4.78");
}

void TestDiagramSteps::plotHotterThanTheCalibration()
{
    // The general diagram keeps the last plot column; the main-sequence one starts at column 0.
    QCOMPARE(PlotStar(DiagramKind::General, {90000, 0}, 77, kScaleHeight, '.').point.PlotColumn, 77.0);
    QCOMPARE(PlotStar(DiagramKind::MainSequence, {90000, 0}, 77, kScaleHeight, '.').point.PlotColumn, 0.0);
}

void TestDiagramSteps::plotStopsAtTheFirstFailure_data()
{
    QTest::addColumn<double>("temperature");
    QTest::addColumn<double>("magnitude");
    QTest::addColumn<Stage>("reached");
    QTest::addColumn<QString>("error");
    const QString invalid = QString::fromLatin1(kInvalidCall);
    QTest::newRow("zero kelvin") << 0.0 << 4.78 << Stage::Magnitude << invalid;
    QTest::newRow("negative temperature") << -5000.0 << 4.78 << Stage::Magnitude << invalid;
    QTest::newRow("luminosity overflows after the marks")
        << 5963.0 << -1000.0 << Stage::Position << QString::fromLatin1(kOverflow);
}

void TestDiagramSteps::plotStopsAtTheFirstFailure()
{
    QFETCH(double, temperature);
    QFETCH(double, magnitude);
    QFETCH(Stage, reached);
    QFETCH(QString, error);
    const StarReading reading = PlotStar(DiagramKind::General, {temperature, magnitude}, 0, kScaleHeight, '.');
    QCOMPARE(QString::fromStdString(reading.progress.error), error);
    QCOMPARE(reading.progress.reached, reached);
    QCOMPARE(reading.point.Temperature, temperature);
    QCOMPARE(reading.point.Luminosity, 0.0);
    QVERIFY(!reading.star);
}

void TestDiagramSteps::plotCheckNamesTheFaultyNumber_data()
{
    QTest::addColumn<QString>("temperature");
    QTest::addColumn<QString>("magnitude");
    QTest::addColumn<PlotCheck::Fault>("fault");
    QTest::addColumn<QString>("error");
    const QString mismatch = QString::fromLatin1(kTypeMismatch);
    QTest::newRow("plottable") << "5772"
                               << "4.83" << PlotCheck::Fault::None << "";
    QTest::newRow("temperature not a number") << "hot"
                                              << "4.78" << PlotCheck::Fault::Temperature << mismatch;
    QTest::newRow("empty magnitude") << "5963"
                                     << "" << PlotCheck::Fault::Magnitude << mismatch;
    // The temperature is tried first, beside the Sun's magnitude.
    QTest::newRow("zero kelvin and no magnitude")
        << "0"
        << "x" << PlotCheck::Fault::Temperature << QString::fromLatin1(kInvalidCall);
    QTest::newRow("magnitude overflows the luminosity")
        << "5963"
        << "-1000" << PlotCheck::Fault::Magnitude << QString::fromLatin1(kOverflow);
    // Each beside the Sun's other value plots; together the radius overflows.
    QTest::newRow("only together") << "1e-60"
                                   << "-130" << PlotCheck::Fault::Both << QString::fromLatin1(kOverflow);
}

void TestDiagramSteps::plotCheckNamesTheFaultyNumber()
{
    QFETCH(QString, temperature);
    QFETCH(QString, magnitude);
    const PlotCheck check
        = CheckPlottable(ReadTypedNumber(temperature.toStdString()), ReadTypedNumber(magnitude.toStdString()));
    QTEST(check.fault, "fault");
    QTEST(QString::fromStdString(check.error), "error");
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
    const StarReading reading = PlotStar(DiagramKind::General, {5963, 4.78}, 0, kScaleHeight, ',');
    const auto readout = LiveReadout(187, 249, kScaleHeight, ',');
    QVERIFY2(reading.star, reading.progress.error.c_str());
    QCOMPARE(reading.star->readOuts.radius, ",9943");
    QCOMPARE(reading.star->readOuts.radiusKm, "691515,672");
    QCOMPARE(reading.star->readOuts.magnitude, "4,78");
    QVERIFY(readout && readout->ends_with("= 4,78"));
    // A point typed where the comma is the separator is not a number there.
    QCOMPARE(ReadTypedNumber("4.78", ',').error, std::string(kTypeMismatch));
    QCOMPARE(ReadTypedNumber(" 4,78 ", ',').value, std::optional<double>(4.78));
}

QTEST_GUILESS_MAIN(TestDiagramSteps)
#include "test_diagram_steps.moc"
