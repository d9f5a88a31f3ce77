// What the diagram windows do with a click, a mouse movement and a plot,
// without the windows: the windows only show what these steps reached. Pure,
// no Qt; a failure is described in the words the user sees.
#pragma once

#include "model/number_format.h"
#include "model/star_value.h"
#include "model/stellar_model.h"

#include <optional>
#include <string>
#include <string_view>

namespace model {

// How far a click or a plot got. A plot stops at its first failure and keeps
// what it did before, so the window shows exactly the stages reached.
enum class Stage {
    None,
    Temperature, // temperature taken (plot) or left as it was (click beyond column 340)
    Magnitude, // absolute magnitude taken
    Position, // plot column and row known: the marks can be drawn
    Luminosity, // luminosity, and on the main-sequence diagram mass, mass in kg and lifetime
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

// What a click or a plot computed: the star point as far as the steps got
// (a failed plot may still have its position, and so its marks), and the
// diagram's star with its read-outs when every step ran.
struct StarReading {
    Progress progress;
    StarPoint point;
    std::optional<StarValue> star;
};

// Point to star, click set. A click starts from the diagram's previous star:
// beyond column 340 it keeps that temperature, and it never touches the plot
// fields.
StarReading ClickStar(
    DiagramKind kind, const StarPoint &previous, double x, double y, double scaleHeight, char decimalSeparator);

// Star to point, plot set. `previousColumn` is the general diagram's last
// plot column, which a star hotter than the calibration (80000 K) keeps.
StarReading PlotStar(
    DiagramKind kind, const GivenStar &given, double previousColumn, double scaleHeight, char decimalSeparator);

// Whether a star typed with these numbers plots on both diagrams, and if
// not, which of the two is at fault and the model's description. A text that
// read as no number fails where the plot would take it.
struct PlotCheck {
    enum class Fault { None, Temperature, Magnitude, Both };
    Fault fault = Fault::None;
    std::string error;
    bool plottable() const { return fault == Fault::None; }
};
PlotCheck CheckPlottable(const TypedNumber &temperature, const TypedNumber &magnitude);

// The live read-out under the pointer; nothing beyond column 340, where the
// label keeps what it shows. The two captions come in the user's language.
std::optional<std::string> LiveReadout(double x, double y, double scaleHeight, char decimalSeparator,
    std::string_view temperatureCaption = "TEMPERATURE(K) = ", std::string_view magnitudeCaption = "ABS. MAGNITUDE = ");

} // namespace model
