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

// A read-out as its line takes it.
QString Text(const std::string &readOut)
{
    return QString::fromStdString(readOut);
}

QStringList GeneralLines(const model::ReadOuts &v)
{
    return {kHeading, kBlankLine, kBlankLine,
        QStringLiteral("AVERAGE SURFACE TEMPERATURE (K)= ") + Text(v.temperature) + Blanks(7), kBlankLine,
        QStringLiteral("ABSOLUTE MAGNITUDE = ") + Text(v.magnitude) + Blanks(7), kBlankLine,
        QStringLiteral("LUMINOSITY (SUN=1) = ") + Text(v.luminosity) + Blanks(7), kBlankLine,
        QStringLiteral("RADIUS (SUN=1) = ") + Text(v.radius) + Blanks(5), kBlankLine,
        QStringLiteral("RADIUS (km) = ") + Text(v.radiusKm), kBlankLine, kBlankLine, Blanks(13) + kClosing};
}

QStringList MainSequenceLines(const model::ReadOuts &v)
{
    return {kHeading, kBlankLine, kBlankLine,
        QStringLiteral("AVERAGE SURFACE TEMPERATURE (K)= ") + Text(v.temperature) + Blanks(7), kBlankLine,
        QStringLiteral("ABSOLUTE MAGNITUDE = ") + Text(v.magnitude) + Blanks(7), kBlankLine,
        QStringLiteral("LUMINOSITY = ") + Text(v.luminosity) + Blanks(7), kBlankLine,
        QStringLiteral("RADIUS (SUN=1) = ") + Text(v.radius) + Blanks(7), kBlankLine,
        QStringLiteral("RADIUS (km) = ") + Text(v.radiusKm) + Blanks(9), kBlankLine,
        QStringLiteral("MASS (SUN=1) = ") + Text(v.mass) + Blanks(11), kBlankLine,
        QStringLiteral("MASS (kg) = ") + Text(v.massKg) + Blanks(11), kBlankLine,
        QStringLiteral("APPROXIMATE LIFETIME (Yrs.)= ") + Text(v.lifetime), kBlankLine, kBlankLine,
        Blanks(15) + kClosing};
}

} // namespace

QByteArray ReportText(const model::StarValue &star)
{
    const QStringList lines
        = star.kind == model::DiagramKind::General ? GeneralLines(star.readOuts) : MainSequenceLines(star.readOuts);
    QByteArray text;
    for (const QString &line : lines)
        text += line.toLatin1() + "\r\n";
    return text;
}

} // namespace report
