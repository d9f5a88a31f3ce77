#include "starlife/life_texts.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>

namespace starlife {

using evolution::Phase;

namespace {

QString Tr(const char *text)
{
    return QCoreApplication::translate("starlife::StarEvolutionWindow", text);
}

// evolution::PhaseLabel's words, for lupdate to find; looked up as they are.
[[maybe_unused]] const char *const kPhaseNames[] = {
    QT_TRANSLATE_NOOP("starlife::StarEvolutionWindow", "main-sequence star"),
    QT_TRANSLATE_NOOP("starlife::StarEvolutionWindow", "subgiant"),
    QT_TRANSLATE_NOOP("starlife::StarEvolutionWindow", "red giant"),
    QT_TRANSLATE_NOOP("starlife::StarEvolutionWindow", "helium-burning star"),
    QT_TRANSLATE_NOOP("starlife::StarEvolutionWindow", "asymptotic-giant-branch star"),
    QT_TRANSLATE_NOOP("starlife::StarEvolutionWindow", "helium star"),
    QT_TRANSLATE_NOOP("starlife::StarEvolutionWindow", "evolved helium star"),
    QT_TRANSLATE_NOOP("starlife::StarEvolutionWindow", "white dwarf"),
    QT_TRANSLATE_NOOP("starlife::StarEvolutionWindow", "neutron star"),
    QT_TRANSLATE_NOOP("starlife::StarEvolutionWindow", "black hole"),
    QT_TRANSLATE_NOOP("starlife::StarEvolutionWindow", "nothing left"),
};

// A number rounded to `digits` significant digits, as the user writes it,
// and the rounded value.
struct Rounded {
    QString text;
    double value;
};
Rounded Significant(double value, int digits)
{
    if (value == 0)
        return {QLocale().toString(0), 0};
    const auto round = [](double v, int place) {
        const double scale = std::pow(10.0, -place);
        return std::round(v * scale) / scale;
    };
    // The last digit kept is at 10^place.
    const int exponent = int(std::floor(std::log10(std::fabs(value))));
    int place = exponent - digits + 1;
    double rounded = round(value, place);
    // 9.996 to three digits is 10.0, not 10.00.
    if (std::fabs(rounded) >= std::pow(10.0, exponent + 1))
        rounded = round(value, ++place);
    return {QLocale().toString(rounded, 'f', std::max(0, -place)), rounded};
}

QString Age(double myr, int digits, const char *years, const char *millions, const char *billions)
{
    if (!(myr > 0))
        return Tr(years).arg(QLocale().toString(0));
    if (myr < 1) {
        const Rounded shown = Significant(myr * 1e6, digits);
        if (shown.value < 1e6)
            return Tr(years).arg(shown.text);
    }
    if (myr < 1000) {
        const Rounded shown = Significant(std::max(myr, 1.0), digits);
        if (shown.value < 1000)
            return Tr(millions).arg(shown.text);
    }
    return Tr(billions).arg(Significant(myr / 1000, digits).text);
}

QString Capitalised(QString text)
{
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

} // namespace

QString PowerOfTen(int exponent)
{
    static const QChar digits[] = {u'⁰', u'¹', u'²', u'³', u'⁴', u'⁵', u'⁶', u'⁷', u'⁸', u'⁹'};
    QString text = QStringLiteral("10");
    for (const QChar c : QString::number(exponent))
        text += c == u'-' ? QChar(u'⁻') : digits[c.digitValue()];
    return text;
}

QString PhaseName(Phase phase)
{
    return Tr(evolution::PhaseLabel(phase));
}

QString ShortPhaseName(Phase phase)
{
    // The phases whose names are long; the others keep theirs.
    switch (phase) {
    case Phase::MainSequence:
        return QCoreApplication::translate("starlife::StarEvolutionWindow", "main sequence");
    case Phase::HeliumBurning:
        return QCoreApplication::translate("starlife::StarEvolutionWindow", "helium burning");
    case Phase::AsymptoticGiantBranch:
        return QCoreApplication::translate("starlife::StarEvolutionWindow", "AGB");
    default:
        return PhaseName(phase);
    }
}

QString AgeText(double myr, int digits)
{
    return Age(myr, digits, QT_TRANSLATE_NOOP("starlife::StarEvolutionWindow", "%1 years"),
        QT_TRANSLATE_NOOP("starlife::StarEvolutionWindow", "%1 million years"),
        QT_TRANSLATE_NOOP("starlife::StarEvolutionWindow", "%1 billion years"));
}

QString ShortAgeText(double myr, int digits)
{
    return Age(myr, digits, QT_TRANSLATE_NOOP("starlife::StarEvolutionWindow", "%1 yr"),
        QT_TRANSLATE_NOOP("starlife::StarEvolutionWindow", "%1 Myr"),
        QT_TRANSLATE_NOOP("starlife::StarEvolutionWindow", "%1 Gyr"));
}

QString Quantity(double value, int digits)
{
    if (!std::isfinite(value))
        return QStringLiteral("—");
    const double size = std::fabs(value);
    if (size == 0 || (size >= 1e-3 && size < 1e6))
        return Significant(value, digits).text;
    int exponent = int(std::floor(std::log10(size)));
    double mantissa = value / std::pow(10.0, exponent);
    Rounded shown = Significant(mantissa, digits);
    if (std::fabs(shown.value) >= 10) {
        ++exponent;
        shown = Significant(mantissa / 10, digits);
    }
    return shown.text + QStringLiteral(" × ") + PowerOfTen(exponent);
}

QString Kelvin(double temperature)
{
    if (!std::isfinite(temperature))
        return QStringLiteral("—");
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(std::round(temperature), 'f', 0);
}

QString Magnitude(std::optional<double> magnitude)
{
    return magnitude ? QLocale().toString(*magnitude, 'f', 2) : QStringLiteral("—");
}

QString DiagramDescription(const DescribedStar &star, std::optional<double> turnOffMass, bool cluster)
{
    const QString described = QCoreApplication::translate("starlife::StarEvolutionWindow",
        "%1, %2 old, %3 times the Sun's luminosity, surface temperature %4 K, %5 times the Sun's radius.")
                                  .arg(Capitalised(PhaseName(star.phase)), AgeText(star.age, 3),
                                      Quantity(star.luminosity, 2), Kelvin(star.temperature), Quantity(star.radius, 2));
    if (!cluster)
        return described;
    if (!turnOffMass)
        return QCoreApplication::translate("starlife::StarEvolutionWindow",
            "Isochrone of a star cluster %1 old: all its stars are still on the main sequence. The chosen "
            "star: %2")
            .arg(AgeText(star.age, 3), described);
    return QCoreApplication::translate("starlife::StarEvolutionWindow",
        "Isochrone of a star cluster %1 old, its main-sequence turn-off at %2 times the Sun's mass. The chosen "
        "star: %3")
        .arg(AgeText(star.age, 3), Quantity(*turnOffMass, 3), described);
}

} // namespace starlife
