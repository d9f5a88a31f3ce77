// The about box (designer name frmAbout): name, version, a copyright warning
// and the feedback message.
#pragma once

#include <QDialog>

namespace app {

class AboutBox : public QDialog {
    Q_OBJECT
public:
    static constexpr const char *kDesignerName = "frmAbout";

    AboutBox();

private:
    void createControls();
    void leave();
    void openFeedback();
};

} // namespace app
