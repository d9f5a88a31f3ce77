// The main-sequence diagram window (designer name Form2): every point is
// taken for a main-sequence star, so mass, mass in kg and lifetime join the
// read-outs.
#pragma once

#include "diagram/diagram_window.h"

namespace diagram {

class MainSequenceWindow : public DiagramWindow {
    Q_OBJECT
public:
    static constexpr const char *kDesignerName = "Form2";

    MainSequenceWindow();

signals:
    // "&BACK" and "Back": the general diagram window takes this one's place.
    void generalDiagramRequested();
};

} // namespace diagram
