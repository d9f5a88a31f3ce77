// Other aspects: two relations the program computes, drawn from its own
// formulas.
#pragma once

#include <QWidget>

class QLabel;
namespace platform {
class ARButton;
}

namespace app {

class OtherAspectsWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr const char *kDesignerName = "Form5";

    OtherAspectsWindow();

    QLabel *Picture1 = nullptr;
    QLabel *Picture2 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    platform::ARButton *ARButton1 = nullptr;

    void ARButton1_Click();

private:
    void createControls();
};

} // namespace app
