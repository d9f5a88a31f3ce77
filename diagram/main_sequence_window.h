// MainSequenceWindow: the main-sequence diagram window. Every point is taken for a
// main-sequence star, so mass, mass in kg and lifetime join the read-outs.
#pragma once

#include "diagram/diagram_window.h"

class QLabel;
class QLineEdit;

namespace diagram {

class MainSequenceWindow : public DiagramWindow {
    Q_OBJECT
public:
    static constexpr const char *kDesignerName = "Form2";

    MainSequenceWindow();

    // Plots the star whose temperature and magnitude stand in Text1 and Text2.
    void Draw2();

    // Read-outs, top to bottom Text1, Text2, Text8, Text3, Text4, Text5, Text6, Text7.
    QLineEdit *Text1 = nullptr, *Text2 = nullptr, *Text3 = nullptr, *Text4 = nullptr, *Text5 = nullptr,
              *Text6 = nullptr, *Text7 = nullptr, *Text8 = nullptr;
    QLabel *Label10 = nullptr; // live read-out

    // Picture1_MouseDown and Picture1_MouseMove: DiagramWindow.
    void ARButton1_Click();
};

} // namespace diagram
