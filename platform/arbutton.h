// The styled push button of every window: its caption turns red while the
// mouse is over it and blue while it has the keyboard focus.
#pragma once

#include <QPushButton>

namespace platform {

class ARButton : public QPushButton {
    Q_OBJECT
public:
    ARButton(const QString &caption, QWidget *parent);

    static QColor hoverColor() { return QColor(255, 0, 0); }
    static QColor focusColor() { return QColor(0, 0, 255); }

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void updateCaptionColour();
    bool m_hovered = false;
};

} // namespace platform
