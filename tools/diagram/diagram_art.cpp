#include "tools/diagram/diagram_art.h"

#include "model/stellar_model.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace diagram_art {
namespace {

// Published effective temperatures (K) and absolute visual magnitudes, the
// magnitudes from the apparent V magnitude and the Hipparcos/Gaia parallax.
// Rounded as the usual catalogues and reviews give them.
const std::vector<StarGroup> &groups()
{
    static const std::vector<StarGroup> all = {
        {"MAIN SEQUENCE",
            {
                {"Spica (B1 V)", 22400, -3.55},
                {"Regulus (B8 IVn)", 12460, -0.57},
                {"Sirius A (A1 V)", 9940, 1.42},
                {"Altair (A7 V)", 7670, 2.21},
                {"Sun (G2 V)", 5772, 4.83}, // IAU 2015 nominal Teff
                {"Tau Ceti (G8 V)", 5344, 5.68},
                {"Epsilon Eridani (K2 V)", 5084, 6.19},
                {"61 Cygni A (K5 V)", 4526, 7.49},
                {"Lalande 21185 (M2 V)", 3547, 10.48},
                {"Barnard's Star (M4 V)", 3134, 13.21},
                {"Proxima Centauri (M5.5 V)", 3042, 15.53},
            }},
        {"GIANTS",
            {
                {"Pollux (K0 III)", 4586, 1.08},
                {"Arcturus (K1.5 III)", 4286, -0.30},
                {"Mirach (M0 III)", 3842, -1.84},
            }},
        {"SUPERGIANTS",
            {
                {"Rigel (B8 Ia)", 12100, -7.84},
                {"Deneb (A2 Ia)", 8525, -8.38},
                {"Betelgeuse (M1-2 Ia)", 3600, -5.85},
            }},
        {"WHITE DWARFS",
            {
                {"Sirius B (DA2)", 25200, 11.18},
                {"40 Eridani B (DA4)", 16500, 11.01},
                {"Procyon B (DQZ)", 7740, 13.04},
                {"van Maanen 2 (DZ8)", 6220, 14.21},
            }},
    };
    return all;
}

} // namespace

const std::vector<StarGroup> &StarGroups()
{
    return groups();
}
const StarGroup &MainSequence()
{
    return groups().front();
}

double ColumnReading(double temperature)
{
    // The calibration falls with the column on each of its three pieces; find
    // the first piece that spans the temperature and bisect on it. Between the
    // pieces (the gap at 104/105) the nearer edge is the best a click can do.
    struct Piece {
        double from, to;
    };
    static constexpr Piece pieces[] = {{0, 104}, {104.0001, 229}, {229.0001, 340}};
    auto reading = [](double x) { return *model::TemperatureFromColumn(x); };
    double bestColumn = 0, bestGap = HUGE_VAL;
    for (const Piece &piece : pieces) {
        double hot = piece.from, cool = piece.to;
        if (temperature <= reading(hot) && temperature >= reading(cool)) {
            for (int i = 0; i < 60; ++i) {
                const double mid = (hot + cool) / 2;
                (reading(mid) > temperature ? hot : cool) = mid;
            }
            return (hot + cool) / 2;
        }
        for (double edge : {piece.from, piece.to}) {
            const double gap = std::fabs(reading(edge) - temperature);
            if (gap < bestGap) {
                bestGap = gap;
                bestColumn = edge;
            }
        }
    }
    return bestColumn;
}

double RowReading(double absMagnitude, double scaleHeight)
{
    // The magnitude is linear in the row.
    const double top = model::MagnitudeFromRow(0, scaleHeight);
    const double step = model::MagnitudeFromRow(1, scaleHeight) - top;
    return (absMagnitude - top) / step;
}

QPointF ClickPosition(const ReferenceStar &star)
{
    return {ColumnReading(star.temperature), RowReading(star.absMagnitude)};
}

namespace {

// A smooth curve through the points: cubic pieces whose tangents follow the
// neighbouring points, scaled to each piece's length so that short pieces
// (the SUN dot beside the Sun's own reading) do not overshoot.
QPainterPath curveThrough(const std::vector<QPointF> &p)
{
    auto direction = [&p](std::size_t i) {
        const QPointF d = p[i + 1 < p.size() ? i + 1 : i] - p[i == 0 ? 0 : i - 1];
        const double length = std::hypot(d.x(), d.y());
        return length > 0 ? d / length : QPointF();
    };
    QPainterPath path(p.front());
    for (std::size_t i = 0; i + 1 < p.size(); ++i) {
        const QPointF chord = p[i + 1] - p[i];
        const double third = std::hypot(chord.x(), chord.y()) / 3;
        path.cubicTo(p[i] + direction(i) * third, p[i + 1] - direction(i + 1) * third, p[i + 1]);
    }
    return path;
}

std::vector<QPointF> positions(const StarGroup &group)
{
    std::vector<QPointF> points;
    for (const ReferenceStar &star : group.stars)
        points.push_back(ClickPosition(star));
    return points;
}

// The main sequence as the pictures show it: from the left edge (where the
// calibration reads 75700 K, hotter than any real dwarf) through the reference
// dwarfs to the bottom edge, and through the picture's SUN dot, which lies 11
// pixels left of where the Sun's 5772 K reads.
std::vector<QPointF> mainSequenceCurve(QPoint sun)
{
    std::vector<QPointF> points {QPointF(0, 88)};
    for (const ReferenceStar &star : MainSequence().stars) {
        const QPointF p = ClickPosition(star);
        if (points.back().x() < sun.x() && p.x() > sun.x())
            points.push_back(QPointF(sun));
        points.push_back(p);
    }
    points.push_back(QPointF(310, kHeight - 1));
    return points;
}

// The black field with the main sequence on it, the SUN dot where the picture has it.
QImage withMainSequence(QPoint sun, double penWidth)
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, penWidth));
    painter.drawPath(curveThrough(mainSequenceCurve(sun)));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(sun), 2.6, 2.6);
    return image;
}

QFont captionFont(double pointSize, bool bold = true)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(static_cast<int>(pointSize));
    font.setBold(bold);
    return font;
}

} // namespace

QImage DrawGeneralPicture()
{
    QImage image = withMainSequence(kGeneralSun, 1.6);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 1.6));
    for (std::size_t i = 1; i < StarGroups().size(); ++i)
        painter.drawPath(curveThrough(positions(StarGroups()[i])));

    painter.setFont(captionFont(10));
    painter.drawText(kGeneralSun + QPoint(-30, 16), QStringLiteral("SUN"));
    painter.drawText(QPointF(60, 26), QStringLiteral("SUPERGIANTS"));
    painter.drawText(QPointF(232, 132), QStringLiteral("GIANTS"));
    painter.drawText(QPointF(40, 396), QStringLiteral("WHITE DWARFS"));
    painter.save();
    painter.translate(52, 236);
    painter.rotate(33);
    painter.drawText(QPointF(0, 0), QStringLiteral("MAIN SEQUENCE"));
    painter.restore();
    return image;
}

QImage DrawMainSequencePicture()
{
    QImage image = withMainSequence(kMainSequenceSun, 1.2);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::white);
    painter.setFont(captionFont(11));
    painter.drawText(kMainSequenceSun + QPoint(-30, 16), QStringLiteral("SUN"));
    // MAIN SEQUENCE, its letters spaced along a diagonal in the lower left.
    const QString words = QStringLiteral("MAIN SEQUENCE");
    painter.setFont(captionFont(14));
    for (int i = 0; i < words.size(); ++i)
        painter.drawText(QPointF(24 + 13.5 * i, 250 + 13 * i), QString(words[i]));
    return image;
}

} // namespace diagram_art
