// What the diagram windows do with a click, a mouse movement and a plot,
// without the windows: the windows only show what these steps reached. Pure,
// no Qt; a failure is described in the words the user sees.
#pragma once

#include "model/stellar_model.h"

#include <optional>
#include <string>
#include <string_view>

namespace model {

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
    std::string error; // description of the failure; empty when every step ran

    bool failed() const { return !error.empty(); }
    bool reachedAtLeast(Stage stage) const { return reached >= stage; }
};

// Both diagram pictures are 320 x 472 pixels.
inline constexpr double kDiagramHeight = 472;

// The general window keeps the last plot column for stars hotter than the
// calibration (80000 K); the main-sequence window starts every plot at column 0.
enum class ColumnRule { KeepPrevious, StartAtZero };

// Point to star, click set. `mainSequence` adds mass, mass in kg and lifetime.
Progress ClickStar(StarPoint &star, double x, double y, double scaleHeight, bool mainSequence);

// Star to point, plot set, from the texts of the temperature and magnitude boxes.
Progress PlotStar(StarPoint &star, std::string_view temperatureText, std::string_view magnitudeText,
    char decimalSeparator, double scaleHeight, ColumnRule rule, bool mainSequence);

// Whether a star typed with these texts plots on both diagram windows, and
// if not, which of the two texts is at fault and the model's description.
struct PlotCheck {
    enum class Fault { None, Temperature, Magnitude, Both };
    Fault fault = Fault::None;
    std::string error;
    bool plottable() const { return fault == Fault::None; }
};
PlotCheck CheckPlottable(std::string_view temperatureText, std::string_view magnitudeText, char decimalSeparator);

// The live read-out under the pointer; nothing beyond column 340, where the
// label keeps what it shows. The two captions come in the user's language.
std::optional<std::string> LiveReadout(double x, double y, double scaleHeight, char decimalSeparator,
    std::string_view temperatureCaption = "TEMPERATURE(K) = ", std::string_view magnitudeCaption = "ABS. MAGNITUDE = ");

} // namespace model
