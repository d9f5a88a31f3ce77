// GeneralDiagramWindow: the general diagram window, the hub of the program. A click on the
// picture reads a star; Draw plots a star typed into Text1 and Text2.
#pragma once

#include "diagram/diagram_window.h"

class QLabel;
class QLineEdit;
class QTimer;

namespace diagram {

class GeneralDiagramWindow : public DiagramWindow {
    Q_OBJECT
public:
    static constexpr const char *kDesignerName = "Form1";

    GeneralDiagramWindow();

    // Plots the star whose temperature and magnitude stand in Text1 and Text2.
    void Draw();

    // Read-outs, in their top-to-bottom order Text1, Text2, Text5, Text3, Text4.
    QLineEdit *Text1 = nullptr, *Text2 = nullptr, *Text3 = nullptr, *Text4 = nullptr, *Text5 = nullptr;
    QLabel *Label1 = nullptr; // live read-out
    QLabel *Label7 = nullptr; // blinking prompt
    QTimer *Timer1 = nullptr;

    // Picture1_MouseDown and Picture1_MouseMove: DiagramWindow.
    void Timer1_Timer();
    void ARButton1_Click();
    void Fileimport_Click();
};

} // namespace diagram
