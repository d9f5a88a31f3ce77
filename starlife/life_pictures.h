// The star evolution window's two drawings, each a pure function that
// renders into a QImage from its inputs (the window only shows the images):
//
// - the Hertzsprung-Russell diagram of its own: the logarithm of the
//   effective temperature increasing to the left, the logarithm of the
//   luminosity upward with the absolute magnitude the diagram windows give it
//   on the right, the real stars of the diagram pictures faint behind, the Sun
//   marked, a star's track or a cluster's isochrone in the colours of its
//   phases with their legend, the current star and the turn-off marked;
// - the current star beside the Sun, in the colour and to the scale of the
//   relative size rules (relsize/star_appearance.h), the scale shrunk where
//   the star would not fit, and the Sun or the star marked by a ring where it
//   is too small to see.
#pragma once

#include "evolution/phases.h"
#include "relsize/star_appearance.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace starlife {

// The diagram's ranges: log Teff from 5.3 (200,000 K) at the left to 3.3
// (2,000 K) at the right, log L/Lsun from -5 at the bottom to 7 at the top.
inline constexpr double kHottest = 5.3, kCoolest = 3.3, kFaintest = -5, kBrightest = 7;

// Where the axes lie in a picture of this size, and where a star goes.
struct DiagramFrame {
    explicit DiagramFrame(QSize size);
    QPointF at(double logTeff, double logLuminosity) const;
    QRect plot; // inside the axes
};

// The colour of a phase on the diagram, the legend and the phase table.
QColor PhaseColour(evolution::Phase phase);

struct DiagramTexts {
    QString temperatureAxis; // "Surface temperature (K)"
    QString luminosityAxis; // "Luminosity (Sun = 1)"
    QString magnitudeAxis; // "Absolute magnitude"
    QString sun; // "Sun"
    QString turnOff; // "turn-off" and its mass, e.g. "turn-off: 1.05 solar masses"
    std::array<QString, evolution::kPhaseCount> legend; // short phase names
};

// A point of a track or an isochrone, or a star.
struct DiagramPoint {
    double logTeff = 0, logLuminosity = 0;
    evolution::Phase phase = evolution::Phase::MainSequence;
    bool joinsPrevious = true; // false where a curve breaks (an isochrone's jump)
};

struct LifeDiagram {
    std::vector<DiagramPoint> curve; // the track or the isochrone, in order
    std::optional<DiagramPoint> star; // the current star
    std::optional<DiagramPoint> turnOff;
};

// What stays while the age moves: the axes with their ticks and titles, the
// real stars and the Sun. Numbers in the user's number format.
QImage DiagramBackdrop(QSize size, const DiagramTexts &texts);
// The diagram on that backdrop: the curve, its legend, the turn-off and the
// current star (a star off the diagram is marked at its edge with an arrow).
QImage RenderLifeDiagram(const QImage &backdrop, const DiagramTexts &texts, const LifeDiagram &diagram);

struct StarBesideSun {
    relsize::StarAppearance appearance; // colour and the rules' scale divisor
    double radius = 1; // Rsun
};
struct StarBesideSunTexts {
    QString sun, star; // "Sun", "Star"
    QString sunTooSmall, starTooSmall; // "The Sun is too small to see at this scale."
};
struct DrawnStarBesideSun {
    QImage image;
    double divisor = 1; // the Sun's disc has radius (drawing height) / divisor
    bool sunVisible = true, starVisible = true;
};
// The drawing height leaves room for the captions under the discs.
DrawnStarBesideSun RenderStarBesideSun(QSize size, const StarBesideSun &star, const StarBesideSunTexts &texts);

} // namespace starlife
