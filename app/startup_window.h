// The startup window: the program's name and welcome over a night sky, and
// the choice to skip the introduction.
#pragma once

#include <QPixmap>
#include <QWidget>

class QCheckBox;
class QLabel;
namespace platform {
class ARButton;
}

namespace app {

class StartupWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr const char *kDesignerName = "Form8";

    StartupWindow();

    // The window "&OK" leads to: the general diagram when the introduction
    // is not wanted, else the introduction.
    static QString NextWindow(bool introductionSkipped);

    QLabel *Image1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    platform::ARButton *ARButton1 = nullptr;
    QCheckBox *Check1 = nullptr;
    QLabel *Label4 = nullptr;

    void ARButton1_Click();

    static QString WelcomeText();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void createControls();

    QPixmap m_background;
};

} // namespace app
