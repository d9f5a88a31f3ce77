// The read-out patterns and the reading of typed numbers.
#include "model/number_format.h"
#include "model/stellar_model.h"

#include <QTest>

#include <clocale>

using namespace model;

Q_DECLARE_METATYPE(model::Pattern)

class TestNumberFormat : public QObject {
    Q_OBJECT
private slots:
    void format_data();
    void format();
    void commaSeparator();
    void nonFiniteValuesAreErrors();
    void read_data();
    void read();
    void readErrors_data();
    void readErrors();
    void formattedReadOutsReadBack();
    void readAndShownUnderARealCommaLocale();
};

void TestNumberFormat::format_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<Pattern>("pattern");
    QTest::addColumn<QString>("expected");
    // The examples the read-outs were designed with.
    QTest::newRow("radius below one") << 0.994 << Pattern::Fixed4 << ".9940";
    QTest::newRow("negative half") << -0.5 << Pattern::Fixed2 << "-.50";
    QTest::newRow("half") << 0.5 << Pattern::Fixed2 << ".50";
    QTest::newRow("whole temperature") << 5963.2 << Pattern::Whole << "5963";
    QTest::newRow("rounds to zero under #") << 0.4 << Pattern::Whole << "";
    QTest::newRow("zero under #") << 0.0 << Pattern::Whole << "";
    QTest::newRow("negative rounding to zero") << -0.4 << Pattern::Whole << "";
    QTest::newRow("zero with decimals") << 0.0 << Pattern::Fixed2 << ".00";
    QTest::newRow("no thousands separator") << 2045498.37 << Pattern::Fixed2 << "2045498.37";
    QTest::newRow("radius km") << 691407.7283 << Pattern::Fixed3 << "691407.728";
    QTest::newRow("magnitude") << -11.0556 << Pattern::Fixed2 << "-11.06";
    // Half away from zero on the decimal value, not the binary one.
    QTest::newRow("2.675") << 2.675 << Pattern::Fixed2 << "2.68";
    QTest::newRow("-2.675") << -2.675 << Pattern::Fixed2 << "-2.68";
    QTest::newRow("1.005") << 1.005 << Pattern::Fixed2 << "1.01";
    QTest::newRow("half under #") << 2.5 << Pattern::Whole << "3";
    QTest::newRow("carry into whole part") << 9.9999 << Pattern::Fixed2 << "10.00";
    QTest::newRow("tiny rounds up") << 0.005 << Pattern::Fixed2 << ".01";
    QTest::newRow("tiny rounds down") << 0.0049 << Pattern::Fixed2 << ".00";
    QTest::newRow("far below shown decimals") << 1e-12 << Pattern::Fixed4 << ".0000";
    QTest::newRow("big under #") << 1.5e20 << Pattern::Whole << "150000000000000000000";
    // Scientific patterns.
    QTest::newRow("solar mass") << 1.989e30 << Pattern::Scientific3 << "1.989 E+30";
    QTest::newRow("mass 8.895") << 8.8952006e29 << Pattern::Scientific3 << "8.895 E+29";
    QTest::newRow("lifetime 7.48") << 7.477487e11 << Pattern::Scientific2 << "7.48 E+11";
    QTest::newRow("lifetime 1.11") << 1.1136974e8 << Pattern::Scientific2 << "1.11 E+8";
    QTest::newRow("renormalised mantissa") << 9.996e5 << Pattern::Scientific2 << "1.00 E+6";
    QTest::newRow("sun clicked") << 1.99375e30 << Pattern::Scientific3 << "1.994 E+30";
    QTest::newRow("small scientific") << 0.00125 << Pattern::Scientific2 << "1.25 E-3";
    QTest::newRow("negative scientific") << -1.5e10 << Pattern::Scientific2 << "-1.50 E+10";
}

void TestNumberFormat::format()
{
    QFETCH(double, value);
    QFETCH(Pattern, pattern);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(FormatNumber(value, pattern)), expected);
}

void TestNumberFormat::commaSeparator()
{
    QCOMPARE(FormatNumber(0.994117, Pattern::Fixed4, ','), std::string(",9941"));
    QCOMPARE(FormatNumber(691407.7283, Pattern::Fixed3, ','), std::string("691407,728"));
    QCOMPARE(FormatNumber(1.989e30, Pattern::Scientific3, ','), std::string("1,989 E+30"));
    QCOMPARE(FormatNumber(5963.21, Pattern::Whole, ','), std::string("5963"));
    QCOMPARE(ReadNumber("5963,5", ','), 5963.5);
    QCOMPARE(ReadNumber(" -,5 ", ','), -0.5);
}

void TestNumberFormat::nonFiniteValuesAreErrors()
{
    QVERIFY_THROWS_EXCEPTION(ModelError, FormatNumber(std::numeric_limits<double>::infinity(), Pattern::Fixed2));
    QVERIFY_THROWS_EXCEPTION(ModelError, FormatNumber(std::numeric_limits<double>::quiet_NaN(), Pattern::Whole));
}

void TestNumberFormat::read_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("whole") << "5963" << 5963.0;
    QTest::newRow("decimal") << "4.78" << 4.78;
    QTest::newRow("blanks around") << "  4.78 \t" << 4.78;
    QTest::newRow("leading separator") << ".9941" << 0.9941;
    QTest::newRow("trailing separator") << "12." << 12.0;
    QTest::newRow("negative") << "-1.46" << -1.46;
    QTest::newRow("plus sign") << "+3" << 3.0;
    QTest::newRow("exponent") << "1.989E+30" << 1.989e30;
    QTest::newRow("lower-case exponent") << "2e3" << 2000.0;
    QTest::newRow("too small is zero") << "1e-400" << 0.0;
    QTest::newRow("many leading zeros") << ("0." + QString(400, QLatin1Char('0')) + "5") << 0.0;
}

void TestNumberFormat::read()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(ReadNumber(text.toStdString()), expected);
}

void TestNumberFormat::readErrors_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("description");
    QTest::newRow("empty") << ""
                           << "Type mismatch";
    QTest::newRow("blanks only") << "   "
                                 << "Type mismatch";
    QTest::newRow("word") << "Sirius"
                          << "Type mismatch";
    QTest::newRow("trailing text") << "5963K"
                                   << "Type mismatch";
    QTest::newRow("comma under a point locale") << "5963,5"
                                                << "Type mismatch";
    QTest::newRow("lone separator") << "."
                                    << "Type mismatch";
    QTest::newRow("lone sign") << "-"
                               << "Type mismatch";
    QTest::newRow("exponent without digits") << "1e"
                                             << "Type mismatch";
    QTest::newRow("infinity") << "inf"
                              << "Type mismatch";
    QTest::newRow("nan") << "nan"
                         << "Type mismatch";
    QTest::newRow("hex") << "0x10"
                         << "Type mismatch";
    QTest::newRow("too large") << "1e999"
                               << "Overflow";
    QTest::newRow("ten thousand digits") << QString(10000, QLatin1Char('9')) << "Overflow";
}

void TestNumberFormat::readErrors()
{
    QFETCH(QString, text);
    QFETCH(QString, description);
    try {
        ReadNumber(text.toStdString());
        QFAIL("no error");
    } catch (const ModelError &e) {
        QCOMPARE(QString::fromLatin1(e.what()), description);
    }
}

void TestNumberFormat::formattedReadOutsReadBack()
{
    // What a box shows can be typed back in, under either separator.
    for (char separator : {'.', ','}) {
        for (double v : {5963.21, 4.7808, -11.0556, 0.994117, 691407.7283}) {
            const std::string shown = FormatNumber(v, Pattern::Fixed4, separator);
            QVERIFY(std::fabs(ReadNumber(shown, separator) - v) < 0.00005);
        }
    }
}

void TestNumberFormat::readAndShownUnderARealCommaLocale()
{
    // Qt sets the C library's locale from the environment at start; under
    // de_DE.UTF-8 strtod stops at a point and printf writes a comma. The
    // reading and the patterns must not follow it.
    const char *german = std::setlocale(LC_ALL, "de_DE.UTF-8");
    QVERIFY2(german,
        "the de_DE.UTF-8 locale is missing: generate it with "
        "localedef -i de_DE -f UTF-8 <LOCPATH>/de_DE.UTF-8 (the build does, see tests/CMakeLists.txt)");
    const double comma = ReadNumber("1,42", ',');
    const double point = ReadNumber("4.83", '.');
    const std::string shown = FormatNumber(4.78, Pattern::Fixed2, '.');
    std::setlocale(LC_ALL, "C");
    QCOMPARE(comma, 1.42);
    QCOMPARE(point, 4.83);
    QCOMPARE(shown, std::string("4.78"));
}

QTEST_GUILESS_MAIN(TestNumberFormat)
#include "test_number_format.moc"
