// What the star database window asks of the diagram windows. The program's
// start-up implements it: this folder knows no diagram window.
#pragma once

#include <QString>

namespace stardb {

class DiagramLink {
public:
    virtual ~DiagramLink() = default;

    // Shows the general diagram window, creating it if needed.
    virtual void showGeneralDiagram() = 0;
    // Clears the marks of both diagram pictures, loading the main-sequence
    // window without showing it, and plots the star typed with these texts on
    // the general window, then on the main-sequence window if it is still
    // loaded.
    virtual void plotOnBoth(const QString &temperatureText, const QString &magnitudeText) = 0;
    // Clears the marks of the diagram windows that are loaded; creates none.
    virtual void clearLoadedDiagrams() = 0;
    // Shows or hides the live read-outs of the diagram windows that are loaded.
    virtual void setLiveReadoutsVisible(bool visible) = 0;
};

} // namespace stardb
