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

QStringList GeneralLines(const ReadOuts &v)
{
    return {kHeading, kBlankLine, kBlankLine,
        QStringLiteral("AVERAGE SURFACE TEMPERATURE (K)= ") + v.temperature + Blanks(7), kBlankLine,
        QStringLiteral("ABSOLUTE MAGNITUDE = ") + v.magnitude + Blanks(7), kBlankLine,
        QStringLiteral("LUMINOSITY (SUN=1) = ") + v.luminosity + Blanks(7), kBlankLine,
        QStringLiteral("RADIUS (SUN=1) = ") + v.radius + Blanks(5), kBlankLine,
        QStringLiteral("RADIUS (km) = ") + v.radiusKm, kBlankLine, kBlankLine, Blanks(13) + kClosing};
}

QStringList MainSequenceLines(const ReadOuts &v)
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

QByteArray ReportText(Variant variant, const ReadOuts &readOuts)
{
    const QStringList lines = variant == Variant::General ? GeneralLines(readOuts) : MainSequenceLines(readOuts);
    QByteArray text;
    for (const QString &line : lines)
        text += line.toLatin1() + "\r\n";
    return text;
}

} // namespace report
