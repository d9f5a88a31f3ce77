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

signals:
    // "&OK": the general diagram window takes this one's place.
    void generalDiagramRequested();

private:
    void createControls();
};

} // namespace app
