// The about box: name, version, a copyright warning and the feedback message.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace app {

class AboutBox : public QDialog {
    Q_OBJECT
public:
    static constexpr const char *kDesignerName = "frmAbout";

    AboutBox();

    QLabel *Image1 = nullptr;
    QLabel *lblTitle = nullptr;
    QLabel *Label1 = nullptr;
    QWidget *Line1 = nullptr;
    QLabel *lblDisclaimer = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *Command2 = nullptr;

    void cmdOK_Click();
    void Command2_Click();

    static inline const QString kFeedbackFile = QStringLiteral("fdbk.eml");

private:
    void createControls();
};

} // namespace app
