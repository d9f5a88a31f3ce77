// Other aspects: two relations the program computes, drawn from its own
// formulas.
#pragma once

#include <QWidget>

class QLabel;
namespace platform {
class ARButton;
}

class Form5 : public QWidget {
    Q_OBJECT
public:
    static constexpr const char *kDesignerName = "Form5";

    Form5();

    QLabel *Picture1 = nullptr;
    QLabel *Picture2 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    platform::ARButton *ARButton1 = nullptr;

    void ARButton1_Click();

private:
    void createControls();
};
