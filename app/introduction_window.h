// The introduction: what the stellar diagram is, beside the medallions of
// the two astronomers it is named after.
#pragma once

#include <QWidget>

class QLabel;
class QTextBrowser;
namespace platform {
class ARButton;
}

namespace app {

class IntroductionWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr const char *kDesignerName = "Form4";

    IntroductionWindow();

    QTextBrowser *RichTextBox1 = nullptr;
    QLabel *Picture1 = nullptr;
    QLabel *Picture2 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label1 = nullptr;
    platform::ARButton *ARButton1 = nullptr;
    platform::ARButton *ARButton2 = nullptr;

    void ARButton1_Click();
    void ARButton2_Click();

    // The introduction document of the resources (rich text as HTML).
    static QString IntroductionDocument();

private:
    void createControls();
};

} // namespace app
