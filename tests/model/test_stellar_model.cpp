// The calibration against the golden values the diagram was designed around.
#include "model/stellar_model.h"

#include <QTest>

#include <cmath>

using namespace model;

namespace {

bool near(double actual, double expected, double tolerance)
{
    return std::fabs(actual - expected) <= tolerance;
}

QByteArray describe(const char *what, double actual, double expected)
{
    return QByteArray(what) + ": got " + QByteArray::number(actual, 'f', 9) + ", expected "
        + QByteArray::number(expected, 'f', 9);
}

#define QVERIFY_NEAR(actual, expected, tolerance)                                                                      \
    QVERIFY2(near((actual), (expected), (tolerance)), describe(#actual, (actual), (expected)).constData())

struct ClickStar {
    double temperature, magnitude, luminosity, radius, radiusKm;
};

// A click on a picture 472 pixels high, as a diagram window computes it.
ClickStar click(double x, double y)
{
    ClickStar s {};
    s.temperature = TemperatureFromColumn(x).value();
    s.magnitude = MagnitudeFromRow(y, 472);
    s.luminosity = LuminosityFromMagnitude(s.magnitude, ConstantSet::Click);
    s.radius = RadiusFromLuminosity(s.luminosity, s.temperature, ConstantSet::Click);
    s.radiusKm = RadiusKmFromRadius(s.radius, ConstantSet::Click);
    return s;
}

} // namespace

class TestStellarModel : public QObject {
    Q_OBJECT
private slots:
    void pointToStar_data();
    void pointToStar();
    void starToPoint();
    void pieceBoundaries();
    void magnitudeScaleIsLinearAndUnclamped();
    void mainSequence_data();
    void mainSequence();
    void mainSequencePlotSet();
    void failures();
    void nothingNonFiniteEscapes();
};

void TestStellarModel::pointToStar_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("temperature");
    QTest::addColumn<double>("magnitude");
    QTest::addColumn<double>("luminosity");
    QTest::addColumn<double>("radius");
    QTest::addColumn<double>("radiusKm");
    QTest::newRow("top-left corner") << 0.0 << 0.0 << 75700.0 << -11.0556 << 2045498.37 << 8.870689 << 6169563.415;
    QTest::newRow("last hot column") << 104.0 << 471.0 << 9138.85 << 18.9 << 0.040002 << 0.077757 << 54079.235;
    QTest::newRow("first middle column") << 105.0 << 471.0 << 8839.05 << 18.9 << 0.040002 << 0.083633 << 58166.437;
    QTest::newRow("sun dot") << 187.0 << 249.0 << 5963.21 << 4.7808 << 1.002390 << 0.994117 << 691407.728;
    QTest::newRow("last middle column") << 229.0 << 300.0 << 5446.92 << 8.0244 << 0.088682 << 0.349620 << 243160.147;
    QTest::newRow("first cool column") << 230.0 << 300.0 << 5631.21 << 8.0244 << 0.088682 << 0.326632 << 227171.894;
    QTest::newRow("bottom-right corner") << 319.0 << 471.0 << 2702.66 << 18.9 << 0.040002 << 0.966603 << 672271.708;
}

void TestStellarModel::pointToStar()
{
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(double, temperature);
    QFETCH(double, magnitude);
    QFETCH(double, luminosity);
    QFETCH(double, radius);
    QFETCH(double, radiusKm);
    const ClickStar s = click(x, y);
    QVERIFY_NEAR(s.temperature, temperature, 0.005);
    QVERIFY_NEAR(s.magnitude, magnitude, 0.00005);
    QVERIFY_NEAR(s.luminosity, luminosity, std::max(0.005, luminosity * 1e-8) + 0.0000005);
    QVERIFY_NEAR(s.radius, radius, 0.0000005);
    // Radius in km is shown to three decimals: it must agree to them.
    QVERIFY_NEAR(s.radiusKm, radiusKm, 0.0005);
}

void TestStellarModel::starToPoint()
{
    const double column = ColumnFromTemperature(5963).value();
    const double height = HeightFromMagnitude(4.78);
    const double row = RowFromHeight(height, 472);
    const double luminosity = LuminosityFromMagnitude(4.78, ConstantSet::Plot);
    const double radius = RadiusFromLuminosity(luminosity, 5963, ConstantSet::Plot);
    QVERIFY_NEAR(column, 186.4606, 0.00005);
    QVERIFY_NEAR(height, 221.3629, 0.00005);
    QVERIFY_NEAR(row, 249.6371, 0.00005);
    QVERIFY_NEAR(luminosity, 1.0, 0.00005);
    QVERIFY_NEAR(radius, 0.9943, 0.00005);
    QVERIFY_NEAR(RadiusKmFromRadius(radius, ConstantSet::Plot), 691515.672, 0.0005);

    // The radius relation backwards: the Sun's temperature for the radius
    // gives the Sun's luminosity, and the plot set reads back the radius less
    // its correction.
    QVERIFY_NEAR(LuminosityFromRadius(1, 5964.26), 1.0, 1e-12);
    QVERIFY_NEAR(
        RadiusFromLuminosity(LuminosityFromRadius(10, 4000), 4000, ConstantSet::Plot), 10 - 0.00615137503, 1e-9);

    QVERIFY_NEAR(ColumnFromTemperature(10000).value(), 90.77, 0.005);
    QVERIFY_NEAR(ColumnFromTemperature(3000).value(), 368.07, 0.005);
    QVERIFY_NEAR(ColumnFromTemperature(2500).value(), 559.14, 0.005);
}

void TestStellarModel::pieceBoundaries()
{
    // Column to temperature: each bound belongs to the piece on its left.
    QVERIFY_NEAR(TemperatureFromColumn(104).value(), 9138.85, 0.005);
    QVERIFY_NEAR(TemperatureFromColumn(105).value(), 8839.05, 0.005);
    QVERIFY_NEAR(TemperatureFromColumn(229).value(), 5446.92, 0.005);
    QVERIFY_NEAR(TemperatureFromColumn(230).value(), 5631.21, 0.005);
    QVERIFY(TemperatureFromColumn(340).has_value());
    QVERIFY(!TemperatureFromColumn(340.5).has_value());
    QVERIFY(!TemperatureFromColumn(341).has_value());
    // Left of the picture the hot polynomial goes on above 75700 K.
    QVERIFY(TemperatureFromColumn(-1).value() > 75700);

    // Temperature to column.
    QVERIFY_NEAR(ColumnFromTemperature(8700).value(), 99.44, 0.005);
    QVERIFY_NEAR(ColumnFromTemperature(8701).value(), 105.08, 0.005);
    QVERIFY_NEAR(ColumnFromTemperature(5520).value(), 233.13, 0.005);
    QVERIFY_NEAR(ColumnFromTemperature(5521).value(), 225.24, 0.005);
    QVERIFY(ColumnFromTemperature(80000).has_value());
    QVERIFY(!ColumnFromTemperature(80000.01).has_value());
}

void TestStellarModel::magnitudeScaleIsLinearAndUnclamped()
{
    QVERIFY_NEAR(MagnitudeFromRow(0, 472), -11.0556, 1e-9);
    QVERIFY_NEAR(MagnitudeFromRow(471, 472), 18.9, 1e-12);
    QVERIFY_NEAR(MagnitudeFromRow(-10, 472), -11.0556 - 0.636, 1e-9);
    QVERIFY_NEAR(MagnitudeFromRow(481, 472), 18.9 + 0.636, 1e-9);
    // The lowest luminosity any row gives: never zero.
    QVERIFY_NEAR(LuminosityFromMagnitude(18.9, ConstantSet::Click), 0.040002, 0.0000005);
    QVERIFY(LuminosityFromMagnitude(1000, ConstantSet::Plot) >= 0.0369);
}

void TestStellarModel::mainSequence_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("luminosity");
    QTest::addColumn<double>("mass");
    QTest::addColumn<double>("massKg");
    QTest::addColumn<double>("lifetime");
    QTest::newRow("brightest hot") << 0.0 << 0.0 << 2045498.3702 << 37.818107 << 7.522021e31 << 1.0113697e8;
    QTest::newRow("faintest at 104") << 104.0 << 471.0 << 0.0400022 << 0.447220 << 8.895201e29 << 7.4864871e10;
    QTest::newRow("229, 300") << 229.0 << 300.0 << 0.0886819 << 0.545706 << 1.085409e30 << 4.5557247e10;
}

void TestStellarModel::mainSequence()
{
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(double, luminosity);
    QFETCH(double, mass);
    QFETCH(double, massKg);
    QFETCH(double, lifetime);
    const ClickStar s = click(x, y);
    QVERIFY_NEAR(s.luminosity, luminosity, luminosity * 1e-7);
    const double m = MassFromLuminosity(s.luminosity);
    QVERIFY_NEAR(m, mass, 0.0000005);
    QVERIFY_NEAR(MassKgFromMass(m), massKg, massKg * 1e-6);
    QVERIFY_NEAR(LifetimeFromMass(m, ConstantSet::Click), lifetime, lifetime * 1e-6);
}

void TestStellarModel::mainSequencePlotSet()
{
    const double l = LuminosityFromMagnitude(4.78, ConstantSet::Plot);
    const double m = MassFromLuminosity(l);
    QVERIFY_NEAR(m, 1.0, 0.00005);
    QVERIFY_NEAR(LifetimeFromMass(m, ConstantSet::Plot), 1e10, 1e10 * 1e-4);
    QCOMPARE(LifetimeFromMass(1.0, ConstantSet::Plot), 1e10);
    QCOMPARE(LifetimeFromMass(1.0, ConstantSet::Click), 1.01e10);
    QVERIFY_NEAR(MassFromLuminosity(0.23), 0.692519, 0.0000005);
    QVERIFY(LifetimeFromMass(0.99, ConstantSet::Plot) > 1e10);
    QVERIFY(LifetimeFromMass(50, ConstantSet::Plot) < LifetimeFromMass(40, ConstantSet::Plot));
}

void TestStellarModel::failures()
{
    auto failsWith = [](auto &&call, const char *description) {
        try {
            call();
        } catch (const ModelError &e) {
            return QByteArray(e.what()) == description;
        }
        return false;
    };
    QVERIFY(failsWith([] { ColumnFromTemperature(0); }, kInvalidCall));
    QVERIFY(failsWith([] { ColumnFromTemperature(-5000); }, kInvalidCall));
    QVERIFY(failsWith([] { RadiusFromLuminosity(1, 0, ConstantSet::Plot); }, kDivisionByZero));
    QVERIFY(failsWith([] { RadiusFromLuminosity(1, 0, ConstantSet::Click); }, kDivisionByZero));
    QVERIFY(failsWith([] { LuminosityFromMagnitude(-1000, ConstantSet::Plot); }, kOverflow));
    QVERIFY(failsWith([] { LifetimeFromMass(0, ConstantSet::Plot); }, kDivisionByZero));
    QVERIFY(failsWith([] { MassFromLuminosity(-1); }, kInvalidCall));
    QVERIFY(failsWith([] { TemperatureFromColumn(-1e300); }, kOverflow));
    QVERIFY(failsWith([] { HeightFromMagnitude(1e300); }, kOverflow));
}

void TestStellarModel::nothingNonFiniteEscapes()
{
    // Whatever the input, a result is finite or the call throws ModelError.
    const double inputs[] = {0.0, -0.0, 1e-320, -1e-320, 1e308, -1e308, 1e154, -1e154, 80000, 75700,
        std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
        std::numeric_limits<double>::quiet_NaN()};
    int results = 0;
    for (double a : inputs) {
        for (double b : inputs) {
            const std::function<double()> calls[] = {
                [&] { return TemperatureFromColumn(a).value_or(0); },
                [&] { return MagnitudeFromRow(a, b); },
                [&] { return LuminosityFromMagnitude(a, ConstantSet::Click); },
                [&] { return RadiusFromLuminosity(a, b, ConstantSet::Plot); },
                [&] { return RadiusKmFromRadius(a, ConstantSet::Click); },
                [&] { return ColumnFromTemperature(a).value_or(0); },
                [&] { return HeightFromMagnitude(a); },
                [&] { return RowFromHeight(a, b); },
                [&] { return MassFromLuminosity(a); },
                [&] { return MassKgFromMass(a); },
                [&] { return LifetimeFromMass(a, ConstantSet::Click); },
            };
            for (const auto &call : calls) {
                try {
                    const double v = call();
                    QVERIFY2(std::isfinite(v), QByteArray::number(a).constData());
                    ++results;
                } catch (const ModelError &) { }
            }
        }
    }
    QVERIFY(results > 0);
}

QTEST_GUILESS_MAIN(TestStellarModel)
#include "test_stellar_model.moc"
