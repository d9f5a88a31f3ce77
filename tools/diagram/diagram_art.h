// The diagram pictures: real stars from real_stars.csv, each a dot at the
// pixel where a click reads its temperature and absolute magnitude, coloured
// by its temperature, with the group names beside their clouds and the SUN
// mark; the general picture, the main-sequence picture and the small diagram
// of the introduction.
#pragma once

#include "tools/diagram/real_stars.h"

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QSize>
#include <QString>
#include <QStringList>

#include <stdexcept>
#include <vector>

namespace diagram_art {

inline constexpr int kWidth = 320;
inline constexpr int kHeight = 472;
// The field behind the stars; every other pixel counts as drawn.
inline constexpr QRgb kBackground = 0xff000000;

// The SUN mark of each picture: the point that reads about 5963 K and
// magnitude 4.78, the Sun of the read-out frames.
inline constexpr QPoint kGeneralSun {187, 249};
inline constexpr QPoint kMainSequenceSun {188, 248};

// Where a click reads the given temperature: the column, as a fraction,
// at which the click calibration gives it. A temperature that falls into the
// gap between columns 104 and 105 gets the nearer of the two; one that two
// columns read (at the 229/230 step, 5447 ... 5631 K) the column nearer to
// where the program plots that temperature.
double ClickColumn(double temperature);
// The row, as a fraction, at which a click reads the absolute magnitude.
double ClickRow(double absMagnitude, double scaleHeight = kHeight);
// A star's true place and the pixel its dot is centred on (the true place
// rounded); the pixel may lie outside the picture.
QPointF ClickPlace(const real_stars::RealStar &star);
QPoint ClickPixel(const real_stars::RealStar &star);

// The colour of a black body of the given temperature in sRGB, brightest
// channel at full scale (see README.md for the source).
QColor BlackbodyColour(double temperature);

// The stars a picture shows: every class on the general picture, class V on
// the main-sequence picture; both only those whose pixel lies on the picture.
std::vector<const real_stars::RealStar *> GeneralStars(const std::vector<real_stars::RealStar> &table);
std::vector<const real_stars::RealStar *> MainSequenceStars(const std::vector<real_stars::RealStar> &table);

// A caption of a picture: its text, font size and angle, and where its
// centre stands.
struct Caption {
    Caption(const QString &text, int pixelSize, double angle = 0)
        : text(text)
        , pixelSize(pixelSize)
        , angle(angle)
    { }
    QString text;
    int pixelSize;
    double angle; // degrees, clockwise
    QPointF centre;
};

// Separate captions stand at least this far apart, letter to letter, so that
// no two read as one phrase in any language: one and a half times the larger
// font size, three word spaces or more.
double CaptionGap(int pixelSize, int otherPixelSize);
// The captions of a picture of the given size that stand nearer to each other
// than that, one text a pair: "SECUENCIA PRINCIPAL" / "SOL" 6.0 px (at least 16.5).
QStringList CaptionsTooClose(const std::vector<Caption> &captions, QSize size);

// The drawing functions throw this when two captions of a picture cannot be
// placed the gap apart; what() names them.
class CaptionError : public std::runtime_error {
    using runtime_error::runtime_error;
};

QImage DrawGeneralPicture(const std::vector<real_stars::RealStar> &table);
QImage DrawMainSequencePicture(const std::vector<real_stars::RealStar> &table);
// The general picture reduced for the introduction text, with its axes named.
QImage DrawIntroductionDiagram(const std::vector<real_stars::RealStar> &table, QSize size);

} // namespace diagram_art
