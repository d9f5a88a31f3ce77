// The diagram pictures: where the star groups and the Sun stand on the
// 320 x 472 picture, and the drawing of both pictures.
#pragma once

#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QString>

#include <vector>

namespace diagram_art {

inline constexpr int kWidth = 320;
inline constexpr int kHeight = 472;

// The SUN dot of each picture: the point that reads about 5963 K and
// magnitude 4.78, the Sun of the read-out frames.
inline constexpr QPoint kGeneralSun {187, 249};
inline constexpr QPoint kMainSequenceSun {188, 248};

// A star the curves are drawn through, with its published values.
struct ReferenceStar {
    const char *name;
    double temperature; // effective temperature, K
    double absMagnitude; // absolute visual magnitude
};

struct StarGroup {
    const char *label;
    std::vector<ReferenceStar> stars; // hottest first
};

// Main sequence, giants, supergiants and white dwarfs, in that order.
const std::vector<StarGroup> &StarGroups();
const StarGroup &MainSequence();

// Where a click reads the given values: the column at which the click
// calibration gives `temperature` (found numerically, since the calibration
// only goes from column to temperature), and the row that gives `absMagnitude`.
double ColumnReading(double temperature);
double RowReading(double absMagnitude, double scaleHeight = kHeight);
QPointF ClickPosition(const ReferenceStar &star);

// The pictures themselves.
QImage DrawGeneralPicture();
QImage DrawMainSequencePicture();

} // namespace diagram_art
