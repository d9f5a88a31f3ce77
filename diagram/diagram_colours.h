// The colours the diagram windows draw and blink with.
#pragma once

#include <QColor>

namespace diagram {

// The blinking prompt: RGB(252, 3, 47) turns blue, anything else (blue, or
// the design colour) turns RGB(252, 3, 47).
inline const QColor kPromptRed {252, 3, 47};
inline const QColor kPromptBlue {0, 0, 255};
inline QColor NextPromptColour(const QColor &current)
{
    return current.rgb() == kPromptRed.rgb() ? kPromptBlue : kPromptRed;
}

// The marks of a plot: a solid dot and a ring around it.
inline const QColor kDotColour {239, 83, 31};
inline const QColor kGeneralRing {121, 230, 23};
inline const QColor kMainSequenceRing {15, 221, 238};

} // namespace diagram
