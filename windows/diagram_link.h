// What other windows ask of the diagram windows: the star database plots its
// stars on them, and any window that works out a star (its temperature and
// absolute magnitude) shows it on them the same way, with a plain call:
//
//     diagrams.showGeneralDiagram();
//     diagrams.plotOnBoth({temperatureK, absoluteMagnitude});
//
// The program's composition (app/) implements it: no window library knows
// the diagram windows.
#pragma once

#include "model/star_value.h"

namespace windows {

class DiagramLink {
public:
    virtual ~DiagramLink() = default;

    // Shows the general diagram window, creating it if needed.
    virtual void showGeneralDiagram() = 0;
    // Clears the marks of both diagram pictures, loading the main-sequence
    // window without showing it, and plots the star on the general window,
    // then on the main-sequence window if it is still loaded. Each selects
    // it, or says why it cannot be plotted.
    virtual void plotOnBoth(const model::GivenStar &star) = 0;
    // Clears the marks of the diagram windows that are loaded; creates none.
    virtual void clearLoadedDiagrams() = 0;
    // Shows or hides the live read-outs of the diagram windows that are loaded.
    virtual void setLiveReadoutsVisible(bool visible) = 0;
};

} // namespace windows
