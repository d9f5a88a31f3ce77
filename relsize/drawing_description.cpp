#include "relsize/drawing_description.h"

#include "platform/user_numbers.h"

#include <QCoreApplication>

#include <charconv>

namespace relsize {
namespace {

// A text of one of the tables below, which lupdate finds by their
// QT_TRANSLATE_NOOP marks.
QString translated(const char *text)
{
    return QCoreApplication::translate("relsize::DrawingDescription", text);
}

// The colour classes' names, as the rules give them, for lupdate to find.
[[maybe_unused]] const char *const kColourNames[] = {
    QT_TRANSLATE_NOOP("relsize::DrawingDescription", "red"),
    QT_TRANSLATE_NOOP("relsize::DrawingDescription", "orange"),
    QT_TRANSLATE_NOOP("relsize::DrawingDescription", "yellow"),
    QT_TRANSLATE_NOOP("relsize::DrawingDescription", "yellow-white"),
    QT_TRANSLATE_NOOP("relsize::DrawingDescription", "white"),
    QT_TRANSLATE_NOOP("relsize::DrawingDescription", "blue"),
    QT_TRANSLATE_NOOP("relsize::DrawingDescription", "deep blue"),
    QT_TRANSLATE_NOOP("relsize::DrawingDescription", "coloured"),
};

// "one fifteenth" for the divisor 15: the Sun's radius as a part of the height.
QString ScaleName(double divisor)
{
    struct Named {
        double divisor;
        const char *name;
    };
    static constexpr Named kNames[] = {
        {3, QT_TRANSLATE_NOOP("relsize::DrawingDescription", "one third")},
        {7, QT_TRANSLATE_NOOP("relsize::DrawingDescription", "one seventh")},
        {15, QT_TRANSLATE_NOOP("relsize::DrawingDescription", "one fifteenth")},
        {30, QT_TRANSLATE_NOOP("relsize::DrawingDescription", "one thirtieth")},
        {50, QT_TRANSLATE_NOOP("relsize::DrawingDescription", "one fiftieth")},
        {70, QT_TRANSLATE_NOOP("relsize::DrawingDescription", "one seventieth")},
        {80, QT_TRANSLATE_NOOP("relsize::DrawingDescription", "one eightieth")},
        {90, QT_TRANSLATE_NOOP("relsize::DrawingDescription", "one ninetieth")},
        {100, QT_TRANSLATE_NOOP("relsize::DrawingDescription", "one hundredth")},
    };
    for (const Named &named : kNames) {
        if (named.divisor == divisor)
            return translated(named.name);
    }
    char digits[32];
    const auto end = std::to_chars(digits, digits + sizeof digits, divisor).ptr;
    return QCoreApplication::translate("relsize::DrawingDescription", "1/%1")
        .arg(QString::fromLatin1(digits, end - digits));
}

// The radius against the Sun's, to two figures and whole from 10 on.
QString RadiusInWords(double radius)
{
    if (radius < 0.01)
        return QCoreApplication::translate("relsize::DrawingDescription", "less than a hundredth of the Sun's radius");
    if (!(radius < 1e6))
        return QCoreApplication::translate("relsize::DrawingDescription", "more than a million times the Sun's radius");
    char digits[32];
    const auto end = radius < 10
        ? std::to_chars(digits, digits + sizeof digits, radius, std::chars_format::general, 2).ptr
        : std::to_chars(digits, digits + sizeof digits, radius, std::chars_format::fixed, 0).ptr;
    QString number = QString::fromLatin1(digits, end - digits);
    if (number == QLatin1String("1"))
        return QCoreApplication::translate("relsize::DrawingDescription", "about as large as the Sun");
    number.replace(QLatin1Char('.'), QLatin1Char(platform::DecimalSeparator()));
    return QCoreApplication::translate("relsize::DrawingDescription", "about %1 times the Sun's radius").arg(number);
}

} // namespace

QString DrawingDescription(const StarAppearance &appearance, double radius)
{
    const QString scale = ScaleName(appearance.divisor);
    const QString colour = translated(ColourName(appearance));
    // A radius of zero or less (the hottest, faintest corner) draws no star.
    if (!(radius > 0))
        return QCoreApplication::translate(
            "relsize::DrawingDescription", "Sun drawn alone at %1 scale: the %2 star is too small to draw")
            .arg(scale, colour);
    return QCoreApplication::translate(
        "relsize::DrawingDescription", "Star drawn beside the Sun: %1, %2, drawn at %3 scale")
        .arg(colour, RadiusInWords(radius), scale);
}

} // namespace relsize
