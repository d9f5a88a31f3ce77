// The picture surface of the diagram windows: the diagram picture in a
// persistent image that marks are drawn into, behind a sunken border.
#pragma once

#include <QFrame>
#include <QImage>

namespace diagram {

// Draws a circle into the image as the picture surfaces do: outline colour,
// fill colour, solid or transparent fill; centre and radius in pixels.
void DrawCircleMark(
    QImage &image, float x, float y, float radius, const QColor &outline, const QColor &fill, bool solidFill);

// The diagram pictures compiled into the program; a null image if missing.
QImage GeneralDiagramPicture();
QImage MainSequenceDiagramPicture();

class DiagramPicture : public QFrame {
    Q_OBJECT
public:
    // The drawing area takes the picture's size; the sunken border adds
    // kBorder pixels a side.
    DiagramPicture(const QImage &picture, QWidget *parent);
    static constexpr int kBorder = 2;

    const QImage &image() const { return m_image; }
    // Height of the drawing area in pixels (472 for the diagram pictures).
    double scaleHeight() const { return contentsRect().height(); }

    // Back to the bare picture: every mark drawn so far disappears.
    void clearMarks();
    void drawCircle(float x, float y, float radius, const QColor &outline, const QColor &fill, bool solidFill);

    // The keyboard's selection cursor, in drawing-area pixels: the centre of
    // the picture at first, then wherever a click or the arrow keys put it.
    // It is shown over the picture only while the picture is used from the
    // keyboard (reached by Tab, or an arrow pressed) until the next mouse
    // press, and is never part of image().
    QPoint cursorPosition() const { return m_cursor; }

signals:
    // Positions in pixels from the drawing area's top-left corner. Any button
    // presses; Enter and Space press at the keyboard's cursor.
    void mouseDown(double x, double y);
    // Also while a button pressed here is held and the pointer leaves the picture.
    void mouseMove(double x, double y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    // Arrows move the cursor a pixel (Shift: ten) and report a mouse move
    // there; Enter, Return and Space press there as the left button does.
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    QPointF drawingPosition(const QMouseEvent *event) const;
    void moveCursorTo(QPoint position);

    QPoint m_cursor;
    bool m_keyboardInUse = false;

    QImage m_bare;
    QImage m_image;
};

} // namespace diagram
