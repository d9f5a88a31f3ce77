#include "diagram/diagram_picture.h"

#include "platform/language.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace diagram {

void DrawCircleMark(
    QImage &image, float x, float y, float radius, const QColor &outline, const QColor &fill, bool solidFill)
{
    QPainter painter(&image);
    // Hard-edged like the picture's own dots: the marks keep their exact colours.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(outline, 1));
    painter.setBrush(solidFill ? QBrush(fill) : QBrush(Qt::NoBrush));
    painter.drawEllipse(QPointF(x, y), radius, radius);
}

QImage GeneralDiagramPicture()
{
    return QImage(platform::LocalisedResource(QStringLiteral(":/diagram/general.png")));
}
QImage MainSequenceDiagramPicture()
{
    return QImage(platform::LocalisedResource(QStringLiteral(":/diagram/main_sequence.png")));
}

DiagramPicture::DiagramPicture(const QImage &picture, QWidget *parent)
    : QFrame(parent)
    , m_bare(picture.convertToFormat(QImage::Format_RGB32))
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(kBorder);
    setMouseTracking(true);
    // Usable without a mouse: the arrows move a cursor, Enter selects.
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleDescription(
        tr("Arrow keys move the cursor one pixel, with Shift ten pixels; the display shows the temperature and "
           "magnitude under it. Enter or Space selects the star under the cursor."));
    m_image = m_bare;
    m_cursor = QPoint(m_bare.width() / 2, m_bare.height() / 2);
}

void DiagramPicture::clearMarks()
{
    m_image = m_bare;
    update();
}

void DiagramPicture::drawCircle(
    float x, float y, float radius, const QColor &outline, const QColor &fill, bool solidFill)
{
    diagram::DrawCircleMark(m_image, x, y, radius, outline, fill, solidFill);
    update();
}

void DiagramPicture::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QPoint origin = contentsRect().topLeft();
    painter.drawImage(origin, m_image);
    if (!hasFocus() || !m_keyboardInUse)
        return;
    // The focus frame over the sunken border, and the keyboard cursor: a
    // cross whose arms leave the chosen pixel itself uncovered. Both only on
    // the screen, never in the image.
    painter.setPen(QPen(palette().color(QPalette::Highlight), kBorder));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(kBorder / 2.0, kBorder / 2.0, -kBorder / 2.0, -kBorder / 2.0));
    painter.setClipRect(contentsRect());
    const QPointF centre = QPointF(origin + m_cursor) + QPointF(0.5, 0.5);
    constexpr double gap = 2.5, arm = 12.5;
    const QLineF arms[] = {
        {centre - QPointF(arm, 0), centre - QPointF(gap, 0)},
        {centre + QPointF(gap, 0), centre + QPointF(arm, 0)},
        {centre - QPointF(0, arm), centre - QPointF(0, gap)},
        {centre + QPointF(0, gap), centre + QPointF(0, arm)},
    };
    // Dark edges keep the white cross visible on the white curves and labels.
    painter.setPen(QPen(Qt::black, 3, Qt::SolidLine, Qt::FlatCap));
    painter.drawLines(arms, 4);
    painter.setPen(QPen(QColor(255, 255, 0), 1, Qt::SolidLine, Qt::FlatCap));
    painter.drawLines(arms, 4);
}

QPointF DiagramPicture::drawingPosition(const QMouseEvent *event) const
{
    const QPointF p = event->position() - QPointF(contentsRect().topLeft());
    return {std::floor(p.x()), std::floor(p.y())};
}

void DiagramPicture::mousePressEvent(QMouseEvent *event)
{
    // The mouse hides the keyboard's cursor: a click draws nothing.
    m_keyboardInUse = false;
    update();
    const QPointF p = drawingPosition(event);
    // Presses on the sunken border are not on the diagram.
    if (p.x() < 0 || p.y() < 0 || p.x() >= m_bare.width() || p.y() >= m_bare.height())
        return;
    // The keyboard carries on from the last clicked point.
    m_cursor = p.toPoint();
    emit mouseDown(p.x(), p.y());
}

void DiagramPicture::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF p = drawingPosition(event);
    emit mouseMove(p.x(), p.y());
}

void DiagramPicture::moveCursorTo(QPoint position)
{
    m_keyboardInUse = true;
    m_cursor
        = QPoint(std::clamp(position.x(), 0, m_bare.width() - 1), std::clamp(position.y(), 0, m_bare.height() - 1));
    update();
    // As the pointer merely passing over the picture.
    emit mouseMove(m_cursor.x(), m_cursor.y());
}

void DiagramPicture::keyPressEvent(QKeyEvent *event)
{
    const int step = event->modifiers() & Qt::ShiftModifier ? 10 : 1;
    const Qt::KeyboardModifiers other = event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if (other != Qt::NoModifier) {
        QFrame::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left:
        moveCursorTo(m_cursor - QPoint(step, 0));
        break;
    case Qt::Key_Right:
        moveCursorTo(m_cursor + QPoint(step, 0));
        break;
    case Qt::Key_Up:
        moveCursorTo(m_cursor - QPoint(0, step));
        break;
    case Qt::Key_Down:
        moveCursorTo(m_cursor + QPoint(0, step));
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        // As a press of the mouse on the cursor's pixel.
        emit mouseDown(m_cursor.x(), m_cursor.y());
        break;
    default:
        QFrame::keyPressEvent(event);
        return;
    }
    event->accept();
}

void DiagramPicture::focusInEvent(QFocusEvent *event)
{
    QFrame::focusInEvent(event);
    update();
    // Arriving by the keyboard, the cursor shows and the display tells where
    // it stands. Focus that comes with a click or the window's opening shows
    // nothing.
    m_keyboardInUse = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    if (m_keyboardInUse)
        emit mouseMove(m_cursor.x(), m_cursor.y());
}

void DiagramPicture::focusOutEvent(QFocusEvent *event)
{
    QFrame::focusOutEvent(event);
    update();
}

} // namespace diagram
