#include "diagram/diagram_picture.h"

#include <QMouseEvent>
#include <QPainter>

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
    return QImage(QStringLiteral(":/diagram/general.png"));
}
QImage MainSequenceDiagramPicture()
{
    return QImage(QStringLiteral(":/diagram/main_sequence.png"));
}

} // namespace diagram

namespace {

constexpr int kBorder = 2;

int buttonBits(Qt::MouseButtons buttons)
{
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0)
        | (buttons & Qt::MiddleButton ? 4 : 0);
}

int shiftBits(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0)
        | (modifiers & Qt::AltModifier ? 4 : 0);
}

} // namespace

DiagramPicture::DiagramPicture(const QString &objectName, const QImage &picture, QWidget *parent)
    : QFrame(parent)
    , m_bare(picture.convertToFormat(QImage::Format_RGB32))
{
    setObjectName(objectName);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(kBorder);
    setMouseTracking(true);
    m_image = m_bare;
}

void DiagramPicture::ClearPicture()
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
    painter.drawImage(contentsRect().topLeft(), m_image);
}

QPointF DiagramPicture::drawingPosition(const QMouseEvent *event) const
{
    const QPointF p = event->position() - QPointF(contentsRect().topLeft());
    return {std::floor(p.x()), std::floor(p.y())};
}

void DiagramPicture::mousePressEvent(QMouseEvent *event)
{
    const QPointF p = drawingPosition(event);
    emit mouseDown(buttonBits(event->button()), shiftBits(event->modifiers()), p.x(), p.y());
}

void DiagramPicture::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF p = drawingPosition(event);
    emit mouseMove(buttonBits(event->buttons()), shiftBits(event->modifiers()), p.x(), p.y());
}
