// The startup window (designer name Form8): the program's name and welcome
// over a night sky, and the choice to skip the introduction.
#pragma once

#include <QImage>
#include <QWidget>

class QCheckBox;

namespace app {

class StartupWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr const char *kDesignerName = "Form8";

    StartupWindow();

signals:
    // "&OK": the general diagram when the introduction is not wanted, else
    // the introduction, takes this window's place for good.
    void generalDiagramRequested();
    void introductionRequested();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void createControls();
    void goOn();

    QImage m_background;
    QCheckBox *m_skipIntroduction = nullptr;
};

} // namespace app
