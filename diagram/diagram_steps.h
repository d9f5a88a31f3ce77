// What the diagram windows do with a click, a mouse movement and a plot,
// without the windows: the windows only show what these steps reached.
#pragma once

#include "model/number_format.h"
#include "model/stellar_model.h"

#include <QColor>
#include <QString>

#include <optional>

namespace diagram {

// How far a click or a plot got. A plot stops at its first failure and keeps
// what it did before, so the window shows exactly the stages reached.
enum class Stage {
    None,
    Temperature, // temperature read (plot) or left as it was (click beyond column 340)
    Magnitude, // absolute magnitude read
    Position, // plot column and row known: the marks can be drawn
    Luminosity, // luminosity, and on the main-sequence window mass, mass in kg and lifetime
    Radius,
    RadiusKm,
};

struct Progress {
    Stage reached = Stage::None;
    bool temperatureChanged = false; // a click beyond column 340 leaves the temperature alone
    QString error; // description of the failure; empty when every step ran

    bool failed() const { return !error.isEmpty(); }
    bool reachedAtLeast(Stage stage) const { return reached >= stage; }
};

// Both diagram pictures are 320 x 472 pixels.
inline constexpr double kDiagramHeight = 472;

// The general window keeps the last plot column for stars hotter than the
// calibration (80000 K); the main-sequence window starts every plot at column 0.
enum class ColumnRule { KeepPrevious, StartAtZero };

// Point to star, click set. `mainSequence` adds mass, mass in kg and lifetime.
Progress ClickStar(model::StarPoint &star, double x, double y, double scaleHeight, bool mainSequence);

// Star to point, plot set, from the texts of the temperature and magnitude boxes.
Progress PlotStar(model::StarPoint &star, const QString &temperatureText, const QString &magnitudeText,
    char decimalSeparator, double scaleHeight, ColumnRule rule, bool mainSequence);

// Whether a star typed with these texts plots on both diagram windows, and
// if not, which of the two texts is at fault and the model's description.
struct PlotCheck {
    enum class Fault { None, Temperature, Magnitude, Both };
    Fault fault = Fault::None;
    QString error;
    bool plottable() const { return fault == Fault::None; }
};
PlotCheck CheckPlottable(const QString &temperatureText, const QString &magnitudeText, char decimalSeparator);

// The live read-out under the pointer; nothing beyond column 340, where the
// label keeps what it shows.
std::optional<QString> LiveReadout(double x, double y, double scaleHeight, char decimalSeparator);

// A number in a read-out pattern with the given separator.
QString Show(double value, model::Pattern pattern, char decimalSeparator);

// The blinking prompt: RGB(252, 3, 47) turns blue, anything else turns RGB(252, 3, 47).
QColor NextPromptColour(const QColor &current);
inline const QColor kPromptRed {252, 3, 47};
inline const QColor kPromptBlue {0, 0, 255};

// The marks of a plot: a solid dot and a ring around it.
inline const QColor kDotColour {239, 83, 31};
inline const QColor kGeneralRing {121, 230, 23};
inline const QColor kMainSequenceRing {15, 221, 238};

} // namespace diagram
