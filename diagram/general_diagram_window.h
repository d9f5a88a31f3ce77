// The general diagram window (designer name Form1), the hub of the program: a
// click on the picture selects a star, and its menus and buttons lead to the
// main-sequence diagram, the relative size view, the report, the star
// database, the help file and the about box.
#pragma once

#include "diagram/diagram_window.h"

class QLabel;
class QTimer;

namespace diagram {

class GeneralDiagramWindow : public DiagramWindow {
    Q_OBJECT
public:
    static constexpr const char *kDesignerName = "Form1";

    GeneralDiagramWindow();

signals:
    // "Import Data": the star database opens, and both diagram windows hide
    // their live read-outs until it is left with "Clo&se".
    void importDataRequested();
    // "&OK": the main-sequence diagram window takes this one's place.
    void mainSequenceRequested();

private:
    void blinkPrompt();

    QLabel *m_prompt = nullptr; // "FOR MAIN-SEQUENCE STARS CLICK OK", blinking
    QTimer *m_promptTimer = nullptr;
};

} // namespace diagram
