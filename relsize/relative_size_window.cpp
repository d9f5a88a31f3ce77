#include "relsize/relative_size_window.h"

#include "platform/whole_file.h"
#include "platform/widget_helpers.h"
#include "relsize/drawing_description.h"
#include "windows/dialogs.h"
#include "windows/window_registry.h"

#include <QBuffer>
#include <QImageWriter>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include <algorithm>
#include <limits>

namespace relsize {

using platform::Px;
using platform::TwipsRect;

namespace {

constexpr int kClientWidth = 9435, kClientHeight = 6015;

// Writes the image as a Windows bitmap under exactly `path`; the file appears
// only once it is complete. Returns the system's reason on failure.
QString WriteBitmap(const QImage &image, const QString &path)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter encoder(&buffer, "bmp");
    if (!encoder.write(image))
        return encoder.errorString();
    return platform::WriteWholeFile(path, bytes);
}

// The surface takes single precision; a radius beyond its range (a huge star
// plotted from typed values) is as large as a single can be, not undefined.
float SinglePrecision(double value)
{
    constexpr double largest = std::numeric_limits<float>::max();
    return static_cast<float>(std::clamp(value, -largest, largest));
}

// A caption under a disc: white letters with a black rim and no box of their
// own, so that a disc reaching under the caption keeps its round edge and the
// letters stay legible on it.
class DiscCaption : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const QRect box = contentsRect();
        const int flags = int(alignment());
        painter.setPen(Qt::black);
        for (const QPoint rim : {QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1)})
            painter.drawText(box.translated(rim), flags, text());
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(box, flags, text());
    }
};

} // namespace

RelativeSizeWindow::RelativeSizeWindow()
    : QWidget(nullptr)
    , m_surface(Px(kClientWidth), Px(kClientHeight))
{
    platform::SetUpWindow(this);
    setWindowTitle(tr("Relative Size"));
    // Fixed single border: a close box, but neither minimise nor maximise.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
        | Qt::MSWindowsFixedSizeDialogHint);
    setAttribute(Qt::WA_OpaquePaintEvent);
    createControls();
    placeControls();
    connectControls();
    setAccessibleDescription(tr("No star drawn yet"));
    platform::FixSizeAndCentre(this, {Px(kClientWidth), Px(kClientHeight)});
}

void RelativeSizeWindow::createControls()
{
    auto caption = [this](const char *name, const QRect &box, const QString &text) {
        auto *label = platform::Place<DiscCaption>(this, name, box, text);
        platform::SetTextColour(label, Qt::white);
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, Qt::black);
        label->setPalette(palette);
        label->setAlignment(Qt::AlignCenter);
        return label;
    };
    m_sunCaption = caption("Label1", TwipsRect(1320, 4320, 375, 255), tr("SUN"));
    m_starCaption = caption("Label2", TwipsRect(6000, 4320, 495, 255), tr("STAR"));

    m_saveButton = platform::Place<QPushButton>(this, "Command1", TwipsRect(1530, 5400, 1455, 375), tr("&SAVE"));
    m_saveButton->setToolTip(tr("Save picture to a bitmap file"));
    m_helpButton = platform::Place<QPushButton>(this, "Command2", TwipsRect(3930, 5400, 1455, 375), tr("&HELP"));
    m_exitButton = platform::Place<QPushButton>(this, "Command3", TwipsRect(6450, 5400, 1455, 375), tr("&EXIT"));
}

void RelativeSizeWindow::placeControls()
{
    // The captions stand alone on the black surface under their discs: a
    // translation longer than the layout's box widens it evenly to both sides
    // (with room for the letters' rim), so that it stays centred where the
    // layout puts it rather than being cut.
    for (QLabel *caption : {m_sunCaption, m_starCaption}) {
        const QRect box = caption->geometry();
        const int needed = caption->sizeHint().width();
        const int width = needed > box.width() ? needed + 2 : box.width();
        const int left = box.left() + (box.width() - width) / 2;
        caption->setGeometry(left, box.top(), width, box.height());
    }
    setTabOrder(m_saveButton, m_helpButton);
    setTabOrder(m_helpButton, m_exitButton);
}

void RelativeSizeWindow::connectControls()
{
    connect(m_saveButton, &QPushButton::clicked, this, &RelativeSizeWindow::saveAsBitmap);
    connect(m_helpButton, &QPushButton::clicked, this, &RelativeSizeWindow::openHelp);
    connect(m_exitButton, &QPushButton::clicked, this, &RelativeSizeWindow::leave);
}

// Filled and outlined in one colour, as both discs are.
void RelativeSizeWindow::circle(float x, float y, float radius, const QColor &fill)
{
    m_surface.setFillColor(fill);
    m_surface.circle(x, y, radius, fill);
    update();
}

void RelativeSizeWindow::drawStar(const model::StarValue &star)
{
    const auto appearance = ClassifyStar(star.point.Temperature, star.point.AbsMagnitude, star.kind);
    if (appearance)
        drawStarAndSun(*appearance, star.point.Radius);
}

void RelativeSizeWindow::drawStarAndSun(const StarAppearance &appearance, double radius)
{
    const auto discs = DiscsFor(appearance, radius, scaleWidth(), scaleHeight());
    const QColor star(appearance.red, appearance.green, appearance.blue);
    const QColor sun(kSunRed, kSunGreen, kSunBlue);
    circle(
        static_cast<float>(discs.star.x), static_cast<float>(discs.star.y), SinglePrecision(discs.star.radius), star);
    circle(static_cast<float>(discs.sun.x), static_cast<float>(discs.sun.y), SinglePrecision(discs.sun.radius), sun);
    // The drawing in words for screen readers, with the read-outs' decimal separator.
    setAccessibleDescription(DrawingDescription(appearance, radius));
}

void RelativeSizeWindow::saveAsBitmap()
{
    windows::SaveInProgramFolder(this, tr(" All files(*.*)|*.*|Bitmap files(*.bmp)|*.bmp"), 2,
        [this](const QString &path) { return WriteBitmap(m_surface.image(), path); });
}

void RelativeSizeWindow::openHelp()
{
    windows::OpenHelp(this);
}

void RelativeSizeWindow::leave()
{
    windows::Registry().unload(this);
}

void RelativeSizeWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_surface.image());
}

} // namespace relsize
