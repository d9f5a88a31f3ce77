// Other aspects (designer name Form5): two relations the program computes,
// drawn from its own formulas.
#pragma once

#include <QWidget>

namespace app {

class OtherAspectsWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr const char *kDesignerName = "Form5";

    OtherAspectsWindow();

private:
    void createControls();
    void showGeneralDiagram();
};

} // namespace app
