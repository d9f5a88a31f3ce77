// The colour classes and magnitude bands at every bound, and the geometry of
// the two discs.
#include "relsize/star_appearance.h"

#include <QTest>

using model::DiagramKind;
using relsize::ClassifyStar;
using relsize::StarAppearance;

Q_DECLARE_METATYPE(model::DiagramKind)

namespace {

constexpr int kRed = 0xE20F03, kOrange = 0xFF8A15, kYellow = 0xFBFB00, kYellowWhite = 0xFFFF93, kWhite = 0xFFFFFF,
              kBlue = 0x4040FF, kDeepBlue = 0x0000E8;

// The colour tables give red first; the rgb() value has red in its low byte.
int Rgb24(int hex)
{
    return ((hex >> 16) & 0xFF) + 256 * ((hex >> 8) & 0xFF) + 65536 * (hex & 0xFF);
}

} // namespace

class TestRelsizeRules : public QObject {
    Q_OBJECT
private slots:
    void classify_data();
    void classify();
    void tooHotForTheDiagram_data();
    void tooHotForTheDiagram();
    void sunColourIsTheYellowClass();
    void blendedStarColour_data();
    void blendedStarColour();
    void discs_data();
    void discs();
};

void TestRelsizeRules::classify_data()
{
    QTest::addColumn<double>("t");
    QTest::addColumn<double>("m");
    QTest::addColumn<DiagramKind>("kind");
    QTest::addColumn<int>("colour");
    QTest::addColumn<double>("divisor");

    const auto G = DiagramKind::General, S = DiagramKind::MainSequence;
    // Temperature classes; the bound belongs to the cooler class.
    QTest::newRow("75700 deep blue") << 75700.0 << -3.0 << G << kDeepBlue << 30.0;
    QTest::newRow("5223.72 orange") << 5223.72 << -3.0 << G << kOrange << 30.0;
    QTest::newRow("5223.73 yellow") << 5223.73 << -3.0 << G << kYellow << 30.0;
    QTest::newRow("6211.69 yellow") << 6211.69 << -3.0 << G << kYellow << 30.0;
    QTest::newRow("6211.70 yellow-white") << 6211.70 << -3.0 << G << kYellowWhite << 30.0;
    QTest::newRow("8028.75 yellow-white") << 8028.75 << -3.0 << G << kYellowWhite << 30.0;
    QTest::newRow("8028.76 white") << 8028.76 << -3.0 << G << kWhite << 30.0;
    QTest::newRow("12490.24 white") << 12490.24 << -3.0 << G << kWhite << 30.0;
    QTest::newRow("12490.25 blue") << 12490.25 << -3.0 << G << kBlue << 30.0;
    QTest::newRow("3625.71 red, band 4") << 3625.71 << -3.0 << G << kRed << 30.0;
    QTest::newRow("3625.72 orange, band 4") << 3625.72 << -3.0 << G << kOrange << 30.0;

    // Magnitude bands for a yellow star; the floor of each band belongs to it.
    QTest::newRow("M 10 band 1") << 5963.0 << 10.0 << G << kYellow << 3.0;
    QTest::newRow("M 9.99 band 2") << 5963.0 << 9.99 << G << kYellow << 7.0;
    QTest::newRow("M 5 band 2") << 5963.0 << 5.0 << G << kYellow << 7.0;
    QTest::newRow("M 4.99 band 3") << 5963.0 << 4.99 << G << kYellow << 15.0;
    QTest::newRow("M 0 band 3") << 5963.0 << 0.0 << G << kYellow << 15.0;
    QTest::newRow("M -0.01 band 4") << 5963.0 << -0.01 << G << kYellow << 30.0;
    QTest::newRow("M -5 band 4") << 5963.0 << -5.0 << G << kYellow << 30.0;
    QTest::newRow("M -5.01 band 5") << 5963.0 << -5.01 << G << kYellow << 50.0;
    QTest::newRow("M -8 band 5") << 5963.0 << -8.0 << G << kYellow << 50.0;
    QTest::newRow("M -8.01 band 6") << 5963.0 << -8.01 << G << kYellow << 80.0;
    QTest::newRow("M -10 band 6") << 5963.0 << -10.0 << G << kYellow << 80.0;
    QTest::newRow("M -10.01 band 7") << 5963.0 << -10.01 << G << kYellow << 90.0;

    // Band 3 takes its divisor from the colour as well.
    QTest::newRow("band 3 red") << 3625.71 << 3.0 << G << kRed << 100.0;
    QTest::newRow("band 3 orange") << 5000.0 << 3.0 << G << kOrange << 70.0;
    QTest::newRow("band 3 yellow") << 5300.0 << 3.0 << G << kYellow << 15.0;
    QTest::newRow("M 0 red") << 3000.0 << 0.0 << S << kRed << 100.0;
    QTest::newRow("M 0 orange") << 5000.0 << 0.0 << S << kOrange << 70.0;
    QTest::newRow("band 3 deep blue") << 40000.0 << 3.0 << G << kDeepBlue << 15.0;

    // The red bound of band 1 is the only difference between the two windows.
    QTest::newRow("M 12 T 3000 general orange") << 3000.0 << 12.0 << G << kOrange << 3.0;
    QTest::newRow("M 12 T 3000 main sequence red") << 3000.0 << 12.0 << S << kRed << 3.0;
    QTest::newRow("M 12 T 2620 general red") << 2620.0 << 12.0 << G << kRed << 3.0;
    QTest::newRow("M 12 T 2620.01 general orange") << 2620.01 << 12.0 << G << kOrange << 3.0;
    QTest::newRow("M 12 T 3625.71 main sequence red") << 3625.71 << 12.0 << S << kRed << 3.0;
    QTest::newRow("M 9.99 T 3000 general red") << 3000.0 << 9.99 << G << kRed << 7.0;

    // Band 1 splits blue from deep blue at 31189, the others at 31189.38.
    QTest::newRow("M 12 T 31189 blue") << 31189.0 << 12.0 << G << kBlue << 3.0;
    QTest::newRow("M 12 T 31189.2 deep blue") << 31189.2 << 12.0 << G << kDeepBlue << 3.0;
    QTest::newRow("M 12 T 31189.2 main sequence deep blue") << 31189.2 << 12.0 << S << kDeepBlue << 3.0;
    QTest::newRow("M 3 T 31189.2 blue") << 31189.2 << 3.0 << G << kBlue << 15.0;
    QTest::newRow("M 3 T 31189.38 blue") << 31189.38 << 3.0 << S << kBlue << 15.0;
    QTest::newRow("M 3 T 31189.39 deep blue") << 31189.39 << 3.0 << G << kDeepBlue << 15.0;
}

void TestRelsizeRules::classify()
{
    QFETCH(double, t);
    QFETCH(double, m);
    QFETCH(DiagramKind, kind);
    QFETCH(int, colour);
    QFETCH(double, divisor);
    const auto appearance = ClassifyStar(t, m, kind);
    QVERIFY2(appearance.has_value(), "every star up to 75700 K is drawn");
    QCOMPARE(appearance->rgb(), Rgb24(colour));
    QCOMPARE(appearance->divisor, divisor);
}

void TestRelsizeRules::tooHotForTheDiagram_data()
{
    QTest::addColumn<double>("t");
    QTest::addColumn<double>("m");
    QTest::newRow("75700.01 band 3") << 75700.01 << 3.0;
    QTest::newRow("75700.01 band 1") << 75700.01 << 12.0;
    QTest::newRow("80000 band 7") << 80000.0 << -11.0;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << 3.0;
}

void TestRelsizeRules::tooHotForTheDiagram()
{
    QFETCH(double, t);
    QFETCH(double, m);
    QVERIFY(!ClassifyStar(t, m, DiagramKind::General));
    QVERIFY(!ClassifyStar(t, m, DiagramKind::MainSequence));
}

void TestRelsizeRules::sunColourIsTheYellowClass()
{
    const StarAppearance sun {relsize::kSunRed, relsize::kSunGreen, relsize::kSunBlue, 15};
    QCOMPARE(ClassifyStar(5963, 4.78, DiagramKind::General), sun);
}

void TestRelsizeRules::blendedStarColour_data()
{
    QTest::addColumn<double>("t");
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");
    QTest::newRow("cooler than the first stop") << 1000.0 << 255 << 90 << 40;
    QTest::newRow("on a stop") << 6000.0 << 255 << 245 << 220;
    QTest::newRow("halfway, rounded") << 8750.0 << 225 << 233 << 255;
    QTest::newRow("hotter than the last stop") << 90000.0 << 140 << 170 << 255;
}

void TestRelsizeRules::blendedStarColour()
{
    QFETCH(double, t);
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);
    QCOMPARE(relsize::BlendedStarColour(t), (relsize::Rgb {red, green, blue}));
}

void TestRelsizeRules::discs_data()
{
    QTest::addColumn<double>("divisor");
    QTest::addColumn<double>("radius");
    QTest::addColumn<double>("starX");
    QTest::addColumn<double>("starRadius");
    QTest::addColumn<double>("sunRadius");
    // The design-size surface, 9435 x 6015 twips; both discs on the middle line.
    QTest::newRow("band 4, R 2") << 30.0 << 2.0 << 6290.0 << 401.0 << 200.5;
    QTest::newRow("band 3 red, R 0.5: the Sun shrinks too") << 100.0 << 0.5 << 6290.0 << 30.075 << 60.15;
    QTest::newRow("band 1, R 0") << 3.0 << 0.0 << 6290.0 << 0.0 << 2005.0;
    QTest::newRow("band 7, negative R") << 90.0 << -0.01 << 6290.0 << -0.6683333333333 << 66.8333333333333;
}

void TestRelsizeRules::discs()
{
    QFETCH(double, divisor);
    QFETCH(double, radius);
    QFETCH(double, starX);
    QFETCH(double, starRadius);
    QFETCH(double, sunRadius);
    const auto discs = relsize::DiscsFor({0, 0, 0, divisor}, radius, 9435, 6015);
    QCOMPARE(discs.star.x, starX);
    QCOMPARE(discs.star.y, 3007.5);
    QVERIFY2(qAbs(discs.star.radius - starRadius) < 1e-9, qPrintable(QString::number(discs.star.radius, 'g', 15)));
    QCOMPARE(discs.sun.x, 1572.5);
    QCOMPARE(discs.sun.y, 3007.5);
    QVERIFY2(qAbs(discs.sun.radius - sunRadius) < 1e-9, qPrintable(QString::number(discs.sun.radius, 'g', 15)));
}

QTEST_GUILESS_MAIN(TestRelsizeRules)
#include "test_relsize_rules.moc"
