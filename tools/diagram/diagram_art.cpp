#include "tools/diagram/diagram_art.h"

#include "model/stellar_model.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <optional>
#include <vector>

namespace diagram_art {
namespace {

using real_stars::RealStar;

double reading(double column)
{
    return *model::TemperatureFromColumn(column);
}

// The calibration's three pieces, each falling with the column, as the
// columns a click can give.
struct Piece {
    int from, to;
};
constexpr Piece kPieces[] = {{0, 104}, {105, 229}, {230, 340}};

} // namespace

double ClickColumn(double temperature)
{
    std::vector<double> exact;
    for (const Piece &piece : kPieces) {
        double hot = piece.from, cool = piece.to;
        if (temperature > reading(hot) || temperature < reading(cool))
            continue;
        for (int i = 0; i < 60; ++i) {
            const double mid = (hot + cool) / 2;
            (reading(mid) > temperature ? hot : cool) = mid;
        }
        exact.push_back((hot + cool) / 2);
    }
    if (exact.size() == 1)
        return exact.front();
    if (exact.size() > 1) {
        // Two columns read it: the one nearer to where the program plots it.
        const std::optional<double> plotted = model::ColumnFromTemperature(temperature);
        return *std::min_element(exact.begin(), exact.end(),
            [&plotted](double a, double b) { return plotted && std::fabs(a - *plotted) < std::fabs(b - *plotted); });
    }
    // No column reads it (the gap at 104/105, or beyond either edge): the
    // column whose reading is nearest.
    double best = 0, bestGap = HUGE_VAL;
    for (const Piece &piece : kPieces)
        for (int edge : {piece.from, piece.to})
            if (const double gap = std::fabs(reading(edge) - temperature); gap < bestGap) {
                bestGap = gap;
                best = edge;
            }
    return best;
}

double ClickRow(double absMagnitude, double scaleHeight)
{
    // The magnitude is linear in the row.
    const double top = model::MagnitudeFromRow(0, scaleHeight);
    const double step = model::MagnitudeFromRow(1, scaleHeight) - top;
    return (absMagnitude - top) / step;
}

QPointF ClickPlace(const RealStar &star)
{
    return {ClickColumn(star.temperature), ClickRow(star.absMagnitude)};
}

QPoint ClickPixel(const RealStar &star)
{
    const QPointF p = ClickPlace(star);
    // Of the two columns about the place, the one whose reading is nearer
    // (the fit is not straight, so rounding the column can pick the other).
    const int left = static_cast<int>(std::floor(p.x()));
    const auto gap = [&star](int column) {
        const auto t = model::TemperatureFromColumn(column);
        return t ? std::fabs(*t - star.temperature) : HUGE_VAL;
    };
    const int column = gap(left + 1) < gap(left) ? left + 1 : left;
    return {column, static_cast<int>(std::lround(p.y()))};
}

// ------------------------------------------------------------------ colour

namespace {

// The CIE 1931 2-degree colour matching functions, from the analytic fit of
// Wyman, Sloan & Shirley (2013, JCGT 2(2), 1): sums of piecewise Gaussians.
double lobe(double lambda, double mu, double below, double above)
{
    const double t = (lambda - mu) / (lambda < mu ? below : above);
    return std::exp(-0.5 * t * t);
}

} // namespace

QColor BlackbodyColour(double temperature)
{
    // Planck's law weighted by the matching functions, 360 ... 830 nm.
    double X = 0, Y = 0, Z = 0;
    for (int nm = 360; nm <= 830; ++nm) {
        const double l = nm;
        const double metres = l * 1e-9;
        const double radiance = 1.0 / (std::pow(metres, 5) * std::expm1(1.4387769e-2 / (metres * temperature)));
        X += radiance
            * (1.056 * lobe(l, 599.8, 37.9, 31.0) + 0.362 * lobe(l, 442.0, 16.0, 26.7)
                - 0.065 * lobe(l, 501.1, 20.4, 26.2));
        Y += radiance * (0.821 * lobe(l, 568.8, 46.9, 40.5) + 0.286 * lobe(l, 530.9, 16.3, 31.1));
        Z += radiance * (1.217 * lobe(l, 437.0, 11.8, 36.0) + 0.681 * lobe(l, 459.0, 26.0, 13.8));
    }
    // Linear sRGB (IEC 61966-2-1, D65 white), out-of-gamut parts cut to zero,
    // the brightest channel scaled to one, then the sRGB transfer curve.
    double rgb[] = {3.2404542 * X - 1.5371385 * Y - 0.4985314 * Z, -0.9692660 * X + 1.8760108 * Y + 0.0415560 * Z,
        0.0556434 * X - 0.2040259 * Y + 1.0572252 * Z};
    for (double &c : rgb)
        c = std::max(c, 0.0);
    const double brightest = *std::max_element(std::begin(rgb), std::end(rgb));
    int out[3];
    for (int i = 0; i < 3; ++i) {
        const double c = rgb[i] / brightest;
        const double encoded = c <= 0.0031308 ? 12.92 * c : 1.055 * std::pow(c, 1 / 2.4) - 0.055;
        out[i] = static_cast<int>(std::lround(255 * std::clamp(encoded, 0.0, 1.0)));
    }
    return QColor(out[0], out[1], out[2]);
}

// ------------------------------------------------------------- selection

namespace {

std::vector<const RealStar *> onPicture(const std::vector<RealStar> &table, bool mainSequenceOnly)
{
    std::vector<const RealStar *> stars;
    for (const char *luminosityClass : real_stars::kClasses) // drawn class by class
        for (const RealStar &star : table) {
            if (star.luminosityClass != luminosityClass || (mainSequenceOnly && star.luminosityClass != "V"))
                continue;
            if (QRect(0, 0, kWidth, kHeight).contains(ClickPixel(star)))
                stars.push_back(&star);
        }
    return stars;
}

} // namespace

std::vector<const RealStar *> GeneralStars(const std::vector<RealStar> &table)
{
    return onPicture(table, false);
}

std::vector<const RealStar *> MainSequenceStars(const std::vector<RealStar> &table)
{
    return onPicture(table, true);
}

// ---------------------------------------------------------------- drawing

namespace {

// The colours of the table's temperatures, each worked out once: the table
// holds only a few hundred different ones.
QColor colourOf(double temperature)
{
    static std::map<double, QColor> known;
    const auto found = known.find(temperature);
    if (found != known.end())
        return found->second;
    return known.emplace(temperature, BlackbodyColour(temperature)).first->second;
}

// Each star: its own pixel in its colour, the four beside it dimmer, so that
// the dot reads as a dot without hiding its neighbours' pixels.
void drawStars(QImage &image, const std::vector<const RealStar *> &stars)
{
    auto blend = [&image](QPoint p, QColor colour, double share) {
        if (!image.rect().contains(p) || image.pixel(p) != kBackground)
            return; // never over another star's pixel
        image.setPixel(p, qRgb(int(colour.red() * share), int(colour.green() * share), int(colour.blue() * share)));
    };
    for (const RealStar *star : stars) {
        const QPoint p = ClickPixel(*star);
        const QColor colour = colourOf(star->temperature);
        for (QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)})
            blend(p + d, colour, 0.38);
    }
    for (const RealStar *star : stars) // the stars' own pixels over any halo
        image.setPixel(ClickPixel(*star), colourOf(star->temperature).rgb());
}

QFont captionFont(int pixelSize)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    return font;
}

QPainterPath captionPath(const Caption &caption)
{
    QPainterPath text;
    const QFont font = captionFont(caption.pixelSize);
    const QFontMetricsF metrics(font);
    text.addText(QPointF(-metrics.horizontalAdvance(caption.text) / 2, metrics.capHeight() / 2), font, caption.text);
    QTransform transform;
    transform.translate(caption.centre.x(), caption.centre.y());
    transform.rotate(caption.angle);
    return transform.map(text);
}

// White letters with a dark edge, legible over anything.
void drawCaption(QPainter &painter, const Caption &caption)
{
    const QPainterPath path = captionPath(caption);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.strokePath(path, QPen(QColor(kBackground), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.fillPath(path, Qt::white);
    painter.restore();
}

// What lies where on a picture, for placing the captions: a star's pixel
// counts 1, a caption's 1000.
struct Occupied {
    explicit Occupied(const QImage &image)
        : size(image.size())
        , cells(static_cast<std::size_t>(size.width() * size.height()), 0)
    {
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                at(QPoint(x, y)) = image.pixel(x, y) != kBackground ? 1 : 0;
    }
    int &at(QPoint p) { return cells[static_cast<std::size_t>(p.y() * size.width() + p.x())]; }
    QSize size;
    std::vector<int> cells;
};

// Which pixels of a picture of the given size a caption's letters cover,
// widened by `margin` pixels (none: the letters alone).
std::vector<QPoint> captionPixels(const Caption &caption, QSize size, double margin)
{
    QImage mask(size, QImage::Format_Grayscale8);
    mask.fill(0);
    QPainter painter(&mask);
    const QPainterPath path = captionPath(caption);
    if (margin > 0)
        painter.strokePath(path, QPen(Qt::white, 2 * margin, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.fillPath(path, Qt::white);
    painter.end();
    std::vector<QPoint> pixels;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            if (qGray(mask.pixel(x, y)) > 0)
                pixels.push_back({x, y});
    return pixels;
}

// The caption moved to where it covers the fewest stars and comes nearer to
// no other caption than `gap`, as near its cloud's middle as that allows;
// then it and the space about it marked as occupied.
Caption placeCaption(Caption caption, QPointF anchor, Occupied &occupied, double gap)
{
    const QSize size = occupied.size;
    // The caption's pixels about the picture's middle, as offsets from it.
    const QPoint middle(size.width() / 2, size.height() / 2);
    caption.centre = QPointF(middle);
    std::vector<QPoint> shape = captionPixels(caption, size, 2.5);
    QRect extent;
    for (QPoint &p : shape) {
        p -= middle;
        extent |= QRect(p, QSize(1, 1));
    }
    // Every place where the whole caption stays inside the picture, the
    // nearest to the anchor first; the first that covers nothing wins.
    std::vector<QPoint> tries;
    for (int y = 1 - extent.top(); y < size.height() - 1 - extent.bottom(); ++y)
        for (int x = 1 - extent.left(); x < size.width() - 1 - extent.right(); ++x)
            tries.push_back({x, y});
    auto distance = [anchor](QPoint p) { return std::hypot(p.x() - anchor.x(), p.y() - anchor.y()); };
    std::stable_sort(tries.begin(), tries.end(), [&](QPoint a, QPoint b) { return distance(a) < distance(b); });
    double bestCost = HUGE_VAL;
    QPoint best = middle;
    for (QPoint at : tries) {
        double cost = distance(at);
        if (cost >= bestCost)
            break;
        for (QPoint p : shape) {
            cost += 8.0 * occupied.at(at + p);
            if (cost >= bestCost)
                break;
        }
        if (cost < bestCost) {
            bestCost = cost;
            best = at;
        }
    }
    caption.centre = QPointF(best);
    // Another caption's margin may not reach into the gap about this one.
    for (QPoint p : captionPixels(caption, size, gap - 2.5))
        occupied.at(p) += 1000;
    return caption;
}

// Stops the drawing when two captions of a picture stand nearer than the gap.
void checkCaptionGaps(const std::vector<Caption> &captions, QSize size)
{
    const QStringList close = CaptionsTooClose(captions, size);
    if (!close.isEmpty())
        throw CaptionError(close.join(QStringLiteral("; ")).toStdString());
}

// The middle of a group's cloud: the median of its stars' places.
std::optional<QPointF> cloudMiddle(
    const std::vector<const RealStar *> &stars, std::initializer_list<const char *> classes)
{
    std::vector<double> xs, ys;
    for (const RealStar *star : stars)
        for (const char *c : classes)
            if (star->luminosityClass == c) {
                const QPointF p = ClickPlace(*star);
                xs.push_back(p.x());
                ys.push_back(p.y());
            }
    if (xs.empty())
        return std::nullopt;
    std::nth_element(xs.begin(), xs.begin() + xs.size() / 2, xs.end());
    std::nth_element(ys.begin(), ys.begin() + ys.size() / 2, ys.end());
    return QPointF(xs[xs.size() / 2], ys[ys.size() / 2]);
}

// The slope of the main sequence, in degrees: the line through the class V
// stars (least squares of row on column).
double mainSequenceAngle(const std::vector<const RealStar *> &stars)
{
    double n = 0, sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (const RealStar *star : stars)
        if (star->luminosityClass == "V") {
            const QPointF p = ClickPlace(*star);
            n += 1;
            sx += p.x();
            sy += p.y();
            sxx += p.x() * p.x();
            sxy += p.x() * p.y();
        }
    const double slope = (n * sxy - sx * sy) / (n * sxx - sx * sx);
    return std::atan(slope) * 180 / std::numbers::pi;
}

// A white dot; the stars under it stay drawn, in white.
void drawSun(QImage &image, QPointF sun, double radius)
{
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(sun, radius, radius);
}

// The picture's field with the stars and the SUN mark, at the picture's own
// size or reduced.
QImage starField(const std::vector<const RealStar *> &stars, QPoint sun, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(kBackground);
    if (size == QSize(kWidth, kHeight)) {
        drawStars(image, stars);
        drawSun(image, QPointF(sun) + QPointF(0.5, 0.5), 2.6);
        return image;
    }
    // Reduced: each star a small disc at its pixel's reduced place.
    const double sx = double(size.width()) / kWidth, sy = double(size.height()) / kHeight;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (const RealStar *star : stars) {
        const QPoint p = ClickPixel(*star);
        painter.setBrush(colourOf(star->temperature));
        painter.drawEllipse(QPointF((p.x() + 0.5) * sx, (p.y() + 0.5) * sy), 0.75, 0.75);
    }
    painter.end();
    drawSun(image, QPointF((sun.x() + 0.5) * sx, (sun.y() + 0.5) * sy), 1.8);
    return image;
}

// The general picture at the given size, its captions placed by the clouds.
QImage generalField(const std::vector<RealStar> &table, QSize size, int captionSize, int sunCaptionSize)
{
    const std::vector<const RealStar *> stars = GeneralStars(table);
    QImage image = starField(stars, kGeneralSun, size);
    const double sx = double(size.width()) / kWidth, sy = double(size.height()) / kHeight;
    auto scaled = [sx, sy](std::optional<QPointF> p) -> std::optional<QPointF> {
        if (!p)
            return std::nullopt;
        return QPointF(p->x() * sx, p->y() * sy);
    };
    // The main sequence's slant, as the reduced picture shows it.
    const double radians = mainSequenceAngle(stars) * std::numbers::pi / 180;
    const double angle = std::atan2(std::sin(radians) * sy, std::cos(radians) * sx) * 180 / std::numbers::pi;

    Occupied occupied(image);
    std::vector<Caption> captions;
    const double gap = CaptionGap(captionSize, captionSize);
    auto place = [&](const Caption &caption, std::optional<QPointF> anchor) {
        if (anchor)
            captions.push_back(placeCaption(caption, *anchor, occupied, gap));
    };
    place({QCoreApplication::translate("tools::DiagramPictures", "SUN"), sunCaptionSize},
        scaled(QPointF(kGeneralSun) + QPointF(-14, 10)));
    place({QCoreApplication::translate("tools::DiagramPictures", "MAIN SEQUENCE"), captionSize, angle},
        scaled(cloudMiddle(stars, {"V"})));
    place({QCoreApplication::translate("tools::DiagramPictures", "SUPERGIANTS"), captionSize},
        scaled(cloudMiddle(stars, {"I"})));
    place({QCoreApplication::translate("tools::DiagramPictures", "GIANTS"), captionSize},
        scaled(cloudMiddle(stars, {"III"})));
    place({QCoreApplication::translate("tools::DiagramPictures", "WHITE DWARFS"), captionSize},
        scaled(cloudMiddle(stars, {"D"})));
    checkCaptionGaps(captions, size);
    QPainter painter(&image);
    for (const Caption &caption : captions)
        drawCaption(painter, caption);
    return image;
}

} // namespace

double CaptionGap(int pixelSize, int otherPixelSize)
{
    return 2.0 * std::max(pixelSize, otherPixelSize);
}

QStringList CaptionsTooClose(const std::vector<Caption> &captions, QSize size)
{
    std::vector<std::vector<QPoint>> letters;
    for (const Caption &caption : captions)
        letters.push_back(captionPixels(caption, size, 0));
    QStringList close;
    for (std::size_t a = 0; a < captions.size(); ++a)
        for (std::size_t b = a + 1; b < captions.size(); ++b) {
            double nearest = HUGE_VAL;
            for (QPoint p : letters[a])
                for (QPoint q : letters[b])
                    nearest = std::min(nearest, std::hypot(double(p.x() - q.x()), double(p.y() - q.y())));
            const double gap = CaptionGap(captions[a].pixelSize, captions[b].pixelSize);
            if (nearest < gap)
                close << QStringLiteral("\"%1\" / \"%2\" %3 px (at least %4)")
                             .arg(captions[a].text, captions[b].text, QLocale::c().toString(nearest, 'f', 1),
                                 QLocale::c().toString(gap, 'f', 1));
        }
    return close;
}

QImage DrawGeneralPicture(const std::vector<RealStar> &table)
{
    return generalField(table, QSize(kWidth, kHeight), 11, 10);
}

QImage DrawMainSequencePicture(const std::vector<RealStar> &table)
{
    const std::vector<const RealStar *> stars = MainSequenceStars(table);
    QImage image = starField(stars, kMainSequenceSun, QSize(kWidth, kHeight));
    Occupied occupied(image);
    const double gap = CaptionGap(11, 14);
    const Caption sun = placeCaption({QCoreApplication::translate("tools::DiagramPictures", "SUN"), 11},
        QPointF(kMainSequenceSun) + QPointF(-14, 10), occupied, gap);
    const Caption name = placeCaption(
        {QCoreApplication::translate("tools::DiagramPictures", "MAIN SEQUENCE"), 14, mainSequenceAngle(stars)},
        cloudMiddle(stars, {"V"}).value(), occupied, gap);
    checkCaptionGaps({sun, name}, image.size());
    QPainter painter(&image);
    drawCaption(painter, sun);
    drawCaption(painter, name);
    return image;
}

QImage DrawIntroductionDiagram(const std::vector<RealStar> &table, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(kBackground);
    // The general picture reduced into a frame, with room for the axes' names.
    const QRect area(26, 6, size.width() - 32, size.height() - 30);
    QPainter painter(&image);
    painter.drawImage(area.topLeft(), generalField(table, area.size(), 8, 7));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont axes(QStringLiteral("DejaVu Sans"));
    axes.setPixelSize(8);
    painter.setFont(axes);
    painter.setPen(QColor(90, 90, 90));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(area).adjusted(-0.5, -0.5, 0.5, 0.5));
    painter.setPen(Qt::white);
    painter.drawText(QRectF(area.left(), size.height() - 22, area.width(), 12), Qt::AlignCenter,
        QCoreApplication::translate("tools::DiagramPictures", "\u2190 hot     temperature     cool \u2192"));
    painter.translate(10, QRectF(area).center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-110, -6, 220, 12), Qt::AlignCenter,
        QCoreApplication::translate("tools::DiagramPictures", "\u2190 faint   absolute magnitude   bright \u2192"));
    return image;
}

} // namespace diagram_art
