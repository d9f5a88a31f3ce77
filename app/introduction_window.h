// The introduction (designer name Form4): what the stellar diagram is,
// beside the medallions of the two astronomers it is named after.
#pragma once

#include <QWidget>

namespace app {

class IntroductionWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr const char *kDesignerName = "Form4";

    IntroductionWindow();

    // The introduction document of the resources (rich text as HTML).
    static QString IntroductionDocument();

signals:
    // "&Further Proceed" and "&OK": the window asked for takes this one's place.
    void otherAspectsRequested();
    void generalDiagramRequested();

private:
    void createControls();
};

} // namespace app
