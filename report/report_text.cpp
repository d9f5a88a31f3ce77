#include "report/report_text.h"

#include <QStringList>

namespace report {
namespace {

// A "blank" line of the report is 57 spaces, not an empty line.
const QString kBlankLine(57, QLatin1Char(' '));

QString Blanks(int count)
{
    return QString(count, QLatin1Char(' '));
}

const QString kHeading = QStringLiteral("  *^*^*^*^*^*^*^*^* VELTRANE DATA *^*^*^*^*^*^*^*^* ");
const QString kClosing = QStringLiteral("**********|||||||||||||||||||||||||||||**********");

// The read-outs as the report's lines take them.
struct Texts {
    QString temperature, magnitude, luminosity, radius, radiusKm, mass, massKg, lifetime;
};

Texts TextsOf(const model::ReadOuts &r)
{
    const auto text = [](const std::string &utf8) { return QString::fromStdString(utf8); };
    return {text(r.temperature), text(r.magnitude), text(r.luminosity), text(r.radius), text(r.radiusKm), text(r.mass),
        text(r.massKg), text(r.lifetime)};
}

QStringList GeneralLines(const Texts &v)
{
    return {kHeading, kBlankLine, kBlankLine,
        QStringLiteral("AVERAGE SURFACE TEMPERATURE (K)= ") + v.temperature + Blanks(7), kBlankLine,
        QStringLiteral("ABSOLUTE MAGNITUDE = ") + v.magnitude + Blanks(7), kBlankLine,
        QStringLiteral("LUMINOSITY (SUN=1) = ") + v.luminosity + Blanks(7), kBlankLine,
        QStringLiteral("RADIUS (SUN=1) = ") + v.radius + Blanks(5), kBlankLine,
        QStringLiteral("RADIUS (km) = ") + v.radiusKm, kBlankLine, kBlankLine, Blanks(13) + kClosing};
}

QStringList MainSequenceLines(const Texts &v)
{
    return {kHeading, kBlankLine, kBlankLine,
        QStringLiteral("AVERAGE SURFACE TEMPERATURE (K)= ") + v.temperature + Blanks(7), kBlankLine,
        QStringLiteral("ABSOLUTE MAGNITUDE = ") + v.magnitude + Blanks(7), kBlankLine,
        QStringLiteral("LUMINOSITY = ") + v.luminosity + Blanks(7), kBlankLine,
        QStringLiteral("RADIUS (SUN=1) = ") + v.radius + Blanks(7), kBlankLine,
        QStringLiteral("RADIUS (km) = ") + v.radiusKm + Blanks(9), kBlankLine,
        QStringLiteral("MASS (SUN=1) = ") + v.mass + Blanks(11), kBlankLine,
        QStringLiteral("MASS (kg) = ") + v.massKg + Blanks(11), kBlankLine,
        QStringLiteral("APPROXIMATE LIFETIME (Yrs.)= ") + v.lifetime, kBlankLine, kBlankLine, Blanks(15) + kClosing};
}

} // namespace

QByteArray ReportText(const model::StarValue &star)
{
    const Texts texts = TextsOf(star.readOuts);
    const QStringList lines = star.kind == model::DiagramKind::General ? GeneralLines(texts) : MainSequenceLines(texts);
    QByteArray text;
    for (const QString &line : lines)
        text += line.toLatin1() + "\r\n";
    return text;
}

} // namespace report
