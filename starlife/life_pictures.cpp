#include "starlife/life_pictures.h"

#include "model/stellar_model.h"
#include "starlife/background_stars.h"
#include "starlife/life_texts.h"

#include <QFont>
#include <QFontMetrics>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace starlife {

using evolution::Phase;

namespace {

constexpr QColor kBackground(6, 8, 20);
constexpr QColor kGrid(28, 32, 56);
constexpr QColor kAxis(150, 155, 180);
constexpr QColor kText(215, 217, 230);
constexpr QColor kSunColour(relsize::kSunRed, relsize::kSunGreen, relsize::kSunBlue);
constexpr QColor kTurnOffColour(255, 165, 40);

// Room around the plot: tick labels and titles on three sides, and the
// legend's two rows under the temperature axis.
constexpr int kLeft = 60, kRight = 46, kTop = 10, kBottom = 84;
constexpr int kTick = 5, kMinorTick = 3;

QFont PictureFont(int pixels, bool bold = false)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// "1", "10", "100", "10³", ... "10⁻⁴": the luminosity axis' decades.
QString Decade(int exponent)
{
    if (exponent >= 0 && exponent <= 2)
        return QLocale().toString(int(std::lround(std::pow(10, exponent))));
    return PowerOfTen(exponent);
}

// Text centred on a point, or with a corner there as `flags` say.
void Label(QPainter &painter, QPointF at, const QString &text, int flags)
{
    const QRectF box(at.x() - 200, at.y() - 100, 400, 200);
    QRectF where = box;
    if (flags & Qt::AlignLeft)
        where.setLeft(at.x());
    if (flags & Qt::AlignRight)
        where.setRight(at.x());
    if (flags & Qt::AlignTop)
        where.setTop(at.y());
    if (flags & Qt::AlignBottom)
        where.setBottom(at.y());
    painter.drawText(where, flags, text);
}

// Light text with a dark rim, readable over stars and curves.
void RimmedText(QPainter &painter, QPointF at, const QString &text, const QColor &colour, int flags)
{
    painter.setPen(kBackground);
    for (const QPointF rim : {QPointF(-1, 0), QPointF(1, 0), QPointF(0, -1), QPointF(0, 1)})
        Label(painter, at + rim, text, flags);
    painter.setPen(colour);
    Label(painter, at, text, flags);
}

void DrawSun(QPainter &painter, const DiagramFrame &frame, const QString &name)
{
    const QPointF sun = frame.at(std::log10(model::kSunTemperature), 0);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(kSunColour, 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(sun, 5, 5);
    painter.setBrush(kSunColour);
    painter.drawEllipse(sun, 1.5, 1.5);
    painter.setFont(PictureFont(10, true));
    RimmedText(painter, sun + QPointF(8, 2), name, kSunColour, Qt::AlignLeft | Qt::AlignTop);
}

void DrawAxes(QPainter &painter, const DiagramFrame &frame, const DiagramTexts &texts)
{
    const QRect plot = frame.plot;
    const QLocale locale;
    painter.setFont(PictureFont(10));
    // Temperatures: a tick at every 1, 2, ... 9 times a power of ten, labelled at these.
    const int labelled[] = {100000, 50000, 20000, 10000, 5000, 3000};
    for (int decade = 1000; decade <= 100000; decade *= 10) {
        for (int k = 1; k <= 9; ++k) {
            const double t = double(decade) * k, logT = std::log10(t);
            if (logT > kHottest || logT < kCoolest)
                continue;
            const double x = frame.at(logT, 0).x();
            const bool major = std::find(std::begin(labelled), std::end(labelled), int(t)) != std::end(labelled);
            if (major) {
                painter.setPen(kGrid);
                painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
            }
            painter.setPen(kAxis);
            painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + (major ? kTick : kMinorTick)));
            if (major) {
                painter.setPen(kText);
                Label(painter, QPointF(x, plot.bottom() + kTick + 1), locale.toString(int(t)),
                    Qt::AlignHCenter | Qt::AlignTop);
            }
        }
    }
    // Luminosities: every decade, labelled every second one.
    for (int exponent = int(kFaintest); exponent <= int(kBrightest); ++exponent) {
        const double y = frame.at(kCoolest, exponent).y();
        const bool major = exponent % 2 == 0;
        painter.setPen(kGrid);
        if (major)
            painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(kAxis);
        painter.drawLine(QPointF(plot.left() - (major ? kTick : kMinorTick), y), QPointF(plot.left(), y));
        if (major) {
            painter.setPen(kText);
            Label(painter, QPointF(plot.left() - kTick - 2, y), Decade(exponent), Qt::AlignRight | Qt::AlignVCenter);
        }
    }
    // The absolute magnitude the diagram windows give a star of that
    // luminosity; below their floor they give none, so the scale ends there.
    for (int magnitude = -10; magnitude <= 10; magnitude += 5) {
        const double logL = std::log10(model::LuminosityFromMagnitude(magnitude, model::ConstantSet::Plot));
        const double y = frame.at(kCoolest, logL).y();
        painter.setPen(kAxis);
        painter.drawLine(QPointF(plot.right(), y), QPointF(plot.right() + kTick, y));
        painter.setPen(kText);
        Label(painter, QPointF(plot.right() + kTick + 2, y), locale.toString(magnitude),
            Qt::AlignLeft | Qt::AlignVCenter);
    }
    painter.setPen(kAxis);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot);

    painter.setFont(PictureFont(11));
    painter.setPen(kText);
    Label(painter, QPointF(plot.center().x(), plot.bottom() + kTick + 15), texts.temperatureAxis,
        Qt::AlignHCenter | Qt::AlignTop);
    painter.save();
    painter.translate(14, plot.center().y());
    painter.rotate(-90);
    Label(painter, QPointF(0, 0), texts.luminosityAxis, Qt::AlignCenter);
    painter.restore();
    painter.save();
    painter.translate(plot.right() + kRight - 12, plot.center().y());
    painter.rotate(90);
    Label(painter, QPointF(0, 0), texts.magnitudeAxis, Qt::AlignCenter);
    painter.restore();
}

// Neutron stars and black holes lie far below and left of the diagram, a
// white dwarf's cooling from them never crosses it: no curve leads to them.
bool Drawn(Phase phase)
{
    return phase != Phase::NeutronStar && phase != Phase::BlackHole && phase != Phase::NothingLeft;
}

// The curve in the colours of its phases: a line within a phase and where
// one phase runs into the next, dotted where the star jumps across the
// diagram (the helium flash, the envelope thrown off); a gap where the
// isochrone breaks.
void DrawCurve(QPainter &painter, const DiagramFrame &frame, const std::vector<DiagramPoint> &curve)
{
    painter.save();
    painter.setClipRect(frame.plot.adjusted(1, 1, 0, 0));
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrush(Qt::NoBrush);
    QPolygonF run;
    QColor runColour;
    bool runDotted = false;
    const auto flush = [&] {
        if (run.size() >= 2) {
            QPen pen(runColour, runDotted ? 1.2 : 2.2);
            pen.setCapStyle(Qt::RoundCap);
            pen.setJoinStyle(Qt::RoundJoin);
            if (runDotted)
                pen.setStyle(Qt::DotLine);
            painter.setPen(pen);
            painter.drawPolyline(run);
        }
        run.clear();
    };
    for (std::size_t i = 1; i < curve.size(); ++i) {
        const DiagramPoint &a = curve[i - 1], &b = curve[i];
        if (!b.joinsPrevious || !Drawn(a.phase) || !Drawn(b.phase)) {
            flush();
            continue;
        }
        const QPointF from = frame.at(a.logTeff, a.logLuminosity), to = frame.at(b.logTeff, b.logLuminosity);
        const bool jump = a.phase != b.phase && std::hypot(to.x() - from.x(), to.y() - from.y()) > 12;
        const QColor colour = PhaseColour(a.phase == b.phase || jump ? a.phase : b.phase);
        if (colour != runColour || jump != runDotted || run.isEmpty() || run.back() != from) {
            flush();
            runColour = jump ? PhaseColour(b.phase) : colour;
            runDotted = jump;
            run << from;
        }
        run << to;
    }
    flush();
    painter.restore();
}

void DrawLegend(QPainter &painter, const DiagramFrame &frame, const DiagramTexts &texts, const LifeDiagram &diagram)
{
    // The phases drawn on the diagram, and the current star's.
    std::array<bool, evolution::kPhaseCount> shown {};
    for (const DiagramPoint &point : diagram.curve)
        if (Drawn(point.phase) && frame.plot.contains(frame.at(point.logTeff, point.logLuminosity).toPoint()))
            shown[static_cast<int>(point.phase)] = true;
    if (diagram.star)
        shown[static_cast<int>(diagram.star->phase)] = true;
    painter.setFont(PictureFont(10));
    const QFontMetrics metrics(painter.font());
    const int rowHeight = 15;
    double x = frame.plot.left();
    double y = frame.plot.bottom() + kTick + 36;
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (int i = 0; i < evolution::kPhaseCount; ++i) {
        if (!shown[i])
            continue;
        const QString &name = texts.legend[i];
        const double width = 18 + 4 + metrics.horizontalAdvance(name);
        if (x > frame.plot.left() && x + width > frame.plot.right()) {
            x = frame.plot.left();
            y += rowHeight;
        }
        painter.setPen(QPen(PhaseColour(Phase(i)), 3, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(x + 1, y + rowHeight / 2.0), QPointF(x + 17, y + rowHeight / 2.0));
        painter.setPen(kText);
        Label(painter, QPointF(x + 22, y + rowHeight / 2.0), name, Qt::AlignLeft | Qt::AlignVCenter);
        x += width + 14;
    }
}

void DrawTurnOff(QPainter &painter, const DiagramFrame &frame, const DiagramPoint &turnOff, const QString &text)
{
    const QPointF at = frame.at(turnOff.logTeff, turnOff.logLuminosity);
    if (!frame.plot.contains(at.toPoint()))
        return;
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kTurnOffColour, 2));
    painter.drawEllipse(at, 6, 6);
    painter.setFont(PictureFont(10, true));
    // Above and to the left, where the isochrone leaves room (the stars that
    // have left the main sequence lie to the right of the turn-off).
    const int width = QFontMetrics(painter.font()).horizontalAdvance(text);
    const bool left = at.x() - 10 - width > frame.plot.left() + 2;
    RimmedText(painter, at + QPointF(left ? -9 : 9, -8), text, kTurnOffColour,
        (left ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignBottom);
}

void DrawStar(QPainter &painter, const DiagramFrame &frame, const DiagramPoint &star)
{
    const QPointF at = frame.at(star.logTeff, star.logLuminosity);
    const QRectF inside = QRectF(frame.plot).adjusted(9, 9, -9, -9);
    const QPointF shown(
        std::clamp(at.x(), inside.left(), inside.right()), std::clamp(at.y(), inside.top(), inside.bottom()));
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 4));
    painter.drawEllipse(shown, 7, 7);
    painter.setPen(QPen(Qt::white, 2));
    painter.drawEllipse(shown, 7, 7);
    painter.setPen(Qt::NoPen);
    painter.setBrush(PhaseColour(star.phase));
    painter.drawEllipse(shown, 3, 3);
    if (shown == at)
        return;
    // Off the diagram (a neutron star, a black hole): an arrow points its way.
    const QPointF direction = (at - shown) / std::hypot(at.x() - shown.x(), at.y() - shown.y());
    const QPointF normal(-direction.y(), direction.x());
    const QPointF tip = shown + direction * 17, base = shown + direction * 10;
    painter.setBrush(Qt::white);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawPolygon(QPolygonF({tip, base + normal * 5, base - normal * 5}));
}

// A dotted ring round a disc too small to see.
void DrawMarker(QPainter &painter, QPointF at)
{
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(170, 170, 170), 1, Qt::DotLine));
    painter.drawEllipse(at, 6, 6);
}

void Caption(QPainter &painter, QPointF at, const QString &text)
{
    painter.setPen(Qt::black);
    for (const QPointF rim : {QPointF(-1, 0), QPointF(1, 0), QPointF(0, -1), QPointF(0, 1)})
        Label(painter, at + rim, text, Qt::AlignHCenter | Qt::AlignTop);
    painter.setPen(Qt::white);
    Label(painter, at, text, Qt::AlignHCenter | Qt::AlignTop);
}

} // namespace

DiagramFrame::DiagramFrame(QSize size)
    : plot(kLeft, kTop, size.width() - kLeft - kRight, size.height() - kTop - kBottom)
{ }

QPointF DiagramFrame::at(double logTeff, double logLuminosity) const
{
    return {plot.left() + (kHottest - logTeff) / (kHottest - kCoolest) * plot.width(),
        plot.bottom() - (logLuminosity - kFaintest) / (kBrightest - kFaintest) * plot.height()};
}

QColor PhaseColour(Phase phase)
{
    // In the order of evolution::Phase: cool colours before the giants, warm
    // ones for them, violet for helium stars, white and grey for remnants.
    static constexpr QColor kColours[]
        = {{80, 150, 255}, {90, 215, 190}, {255, 80, 60}, {255, 205, 50}, {255, 110, 200}, {175, 120, 255},
            {210, 175, 255}, {245, 245, 245}, {130, 255, 110}, {150, 150, 150}, {100, 100, 100}};
    static_assert(std::size(kColours) == evolution::kPhaseCount);
    return kColours[static_cast<int>(phase)];
}

QImage DiagramBackdrop(QSize size, const DiagramTexts &texts)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(kBackground);
    const DiagramFrame frame(size);
    QPainter painter(&image);
    DrawAxes(painter, frame, texts);
    // The real stars, faint, in the colour of their temperature.
    for (const BackgroundStar &star : BackgroundStars()) {
        const QPointF at = frame.at(star.logTeff, star.logLuminosity);
        if (!QRectF(frame.plot).adjusted(1, 1, -1, -1).contains(at))
            continue;
        const relsize::Rgb colour = relsize::BlendedStarColour(std::pow(10.0, star.logTeff));
        painter.fillRect(
            QRectF(at.x() - 0.75, at.y() - 0.75, 1.5, 1.5), QColor(colour.red, colour.green, colour.blue, 95));
    }
    DrawSun(painter, frame, texts.sun);
    return image;
}

QImage RenderLifeDiagram(const QImage &backdrop, const DiagramTexts &texts, const LifeDiagram &diagram)
{
    QImage image = backdrop.copy();
    const DiagramFrame frame(image.size());
    QPainter painter(&image);
    DrawCurve(painter, frame, diagram.curve);
    DrawLegend(painter, frame, texts, diagram);
    if (diagram.turnOff)
        DrawTurnOff(painter, frame, *diagram.turnOff, texts.turnOff);
    if (diagram.star)
        DrawStar(painter, frame, *diagram.star);
    return image;
}

DrawnStarBesideSun RenderStarBesideSun(QSize size, const StarBesideSun &star, const StarBesideSunTexts &texts)
{
    constexpr int kCaptionHeight = 16;
    DrawnStarBesideSun drawn;
    drawn.image = QImage(size, QImage::Format_RGB32);
    drawn.image.fill(Qt::black);
    const double width = size.width(), height = size.height() - kCaptionHeight;
    relsize::StarAndSun discs = relsize::DiscsFor(star.appearance, star.radius, width, height);
    // The rules' scale while the star fits; a larger star shrinks the scale
    // for both, the Sun with it.
    const double room = std::min(height / 2, width / 3) - 3;
    double factor = 1;
    if (discs.star.radius > room) {
        factor = room / discs.star.radius;
        discs.star.radius = room;
        discs.sun.radius *= factor;
    }
    drawn.divisor = star.appearance.divisor / factor;
    drawn.starVisible = discs.star.radius >= 0.5;
    drawn.sunVisible = discs.sun.radius >= 0.5;
    // Under two pixels a disc is a dot: a ring shows where it is.
    constexpr double kDot = 2;

    QPainter painter(&drawn.image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    const QPointF starAt(discs.star.x, discs.star.y), sunAt(discs.sun.x, discs.sun.y);
    if (drawn.starVisible) {
        painter.setBrush(QColor(star.appearance.red, star.appearance.green, star.appearance.blue));
        painter.drawEllipse(starAt, discs.star.radius, discs.star.radius);
    }
    if (discs.star.radius < kDot)
        DrawMarker(painter, starAt);
    painter.setPen(Qt::NoPen);
    if (drawn.sunVisible) {
        painter.setBrush(kSunColour);
        painter.drawEllipse(sunAt, discs.sun.radius, discs.sun.radius);
    }
    if (discs.sun.radius < kDot)
        DrawMarker(painter, sunAt);
    painter.setFont(PictureFont(11));
    Caption(painter, QPointF(sunAt.x(), height + 1), texts.sun);
    Caption(painter, QPointF(starAt.x(), height + 1), texts.star);
    if (!drawn.sunVisible || !drawn.starVisible) {
        painter.setFont(PictureFont(10));
        painter.setPen(QColor(200, 200, 200));
        painter.drawText(QRectF(4, 2, width - 8, 14), Qt::AlignLeft | Qt::AlignTop,
            drawn.sunVisible ? texts.starTooSmall : texts.sunTooSmall);
    }
    return drawn;
}

} // namespace starlife
