#include "app/about_box.h"

#include "app/window_look.h"
#include "platform/common_controls.h"
#include "platform/widget_helpers.h"
#include "windows/window_registry.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace app {

namespace {

// The etched separator: a grey line with a white one right under it.
class EtchedLine : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setPen(QColor(128, 128, 128));
        painter.drawLine(0, 0, width() - 1, 0);
        painter.setPen(QColor(255, 255, 255));
        painter.drawLine(0, 1, width() - 1, 1);
    }
};

} // namespace

AboutBox::AboutBox()
{
    platform::InitCommonControls();
    setFont(platform::DialogFont());
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(QStringLiteral("About "));
    setFixedSize(382, 262);
    createControls();
    platform::CentreOnScreen(this);
}

void AboutBox::createControls()
{
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(16, 8, 32, 32);
    Image1->setPixmap(app::ProgramIcon().pixmap(32, 32));
    Image1->setAccessibleName(QStringLiteral("Veltrane program icon"));

    const QFont title = platform::LayoutFont(QStringLiteral("Palatino Linotype"), 9.75, true);
    lblTitle = app::PlaceLabel(
        this, QStringLiteral("lblTitle"), QStringLiteral("VELTRANE "), {70, 8, 251, 24}, QColor(192, 0, 0), title);
    Label1 = app::PlaceLabel(
        this, QStringLiteral("Label1"), QStringLiteral("1.00"), {320, 8, 33, 25}, QColor(0, 0, 255), title);

    Line1 = new EtchedLine(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setGeometry(6, 163, 372, 2);

    lblDisclaimer = app::PlaceLabel(this, QStringLiteral("lblDisclaimer"),
        QStringLiteral("Warning: this program is protected by copyright. Copying it or passing it on is allowed "
                       "only under the GNU General Public License, version 3 or later; any other copying is not "
                       "allowed. It comes with no warranty."),
        {17, 175, 226, 71}, palette().color(QPalette::WindowText), font());
    lblDisclaimer->setWordWrap(true);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(280, 175, 89, 23);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &AboutBox::cmdOK_Click);

    Command2 = new QPushButton(QStringLiteral("FEEDBACK"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setGeometry(280, 232, 89, 25);
    Command2->setAutoDefault(false);
    connect(Command2, &QPushButton::clicked, this, &AboutBox::Command2_Click);
}

void AboutBox::cmdOK_Click()
{
    windows::Registry().unload<AboutBox>();
}

void AboutBox::Command2_Click()
{
    // The box stays open; a missing message file or mail program shows nothing.
    windows::Desktop().shellOpen(this, kFeedbackFile, platform::ProgramFolder());
}

} // namespace app
