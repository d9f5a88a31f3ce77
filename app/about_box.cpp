#include "app/about_box.h"

#include "app/window_look.h"
#include "platform/common_controls.h"
#include "platform/program_folder.h"
#include "platform/widget_helpers.h"
#include "windows/dialogs.h"
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
    platform::SetUpWindow(this);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(tr("About "));
    createControls();
    platform::FixSizeAndCentre(this, {382, 262});
}

void AboutBox::createControls()
{
    PlaceProgramIcon(this, {16, 8, 32, 32});

    const QFont title = platform::LayoutFont(QStringLiteral("Palatino Linotype"), 9.75, true);
    PlaceLabel(this, "lblTitle", QStringLiteral("VELTRANE "), {70, 8, 251, 24}, QColor(192, 0, 0), title);
    PlaceLabel(this, "Label1", QStringLiteral("1.00"), {320, 8, 33, 25}, QColor(0, 0, 255), title);

    platform::Place<EtchedLine>(this, "Line1", {6, 163, 372, 2});

    QLabel *disclaimer = PlaceLabel(this, "lblDisclaimer",
        tr("Warning: this program is protected by copyright. Copying it or passing it on is allowed "
           "only under the GNU General Public License, version 3 or later; any other copying is not "
           "allowed. It comes with no warranty."),
        {17, 175, 226, 71}, palette().color(QPalette::WindowText), font());
    disclaimer->setWordWrap(true);

    auto *ok = platform::Place<QPushButton>(this, "cmdOK", {280, 175, 89, 23}, tr("OK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &AboutBox::leave);

    auto *feedback = platform::Place<QPushButton>(this, "Command2", {280, 232, 89, 25}, tr("FEEDBACK"));
    feedback->setAutoDefault(false);
    connect(feedback, &QPushButton::clicked, this, &AboutBox::openFeedback);
}

void AboutBox::leave()
{
    windows::Registry().unload(this);
}

void AboutBox::openFeedback()
{
    // The box stays open; without a mail program the user learns what to install.
    windows::OpenDocument(this, QString::fromLatin1(platform::kFeedbackFile),
        tr("Please install a mail program such as Thunderbird or Evolution."));
}

} // namespace app
