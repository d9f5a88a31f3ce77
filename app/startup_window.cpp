#include "app/startup_window.h"

#include "app/window_look.h"
#include "platform/arbutton.h"
#include "platform/common_controls.h"
#include "platform/widget_helpers.h"
#include "resources/app/app_resources.h"
#include "resources/pixel_file.h"

#include <QCheckBox>
#include <QLabel>
#include <QPainter>

namespace app {
namespace {

QString WelcomeText()
{
    // The run of blanks pushes the second part onto the label's second line.
    return StartupWindow::tr("WELCOME TO THE MOST USEFUL SOFTWARE FOR THE ASTRONOMERS") + QString(43, QLatin1Char(' '))
        + StartupWindow::tr("AND ASTROPHYSICST");
}

} // namespace

StartupWindow::StartupWindow()
    : QWidget(nullptr, Qt::Tool | Qt::MSWindowsFixedSizeDialogHint)
{
    platform::SetUpWindow(this);
    // No caption. An empty title would show the program's name instead: the
    // window system is never handed an empty one.
    setWindowTitle(QStringLiteral(" "));
    m_background = resources::ReadPixelFile(res::kStartupPicture);
    createControls();
    platform::FixSizeAndCentre(this, {481, 215});
}

void StartupWindow::createControls()
{
    PlaceProgramIcon(this, {24, 24, 32, 32});

    PlaceLabel(this, "Label1", QStringLiteral("VELTRANE"), {80, 24, 369, 49}, QColor(0, 255, 255),
        platform::LayoutFont(QStringLiteral("Palatino Linotype"), 14.25, true));
    QLabel *welcome = PlaceLabel(this, "Label2", WelcomeText(), {72, 88, 385, 33}, QColor(255, 255, 0), font());
    welcome->setWordWrap(true);

    auto *ok = platform::Place<platform::ARButton>(this, "ARButton1", {188, 152, 105, 25}, tr("&OK"));
    connect(ok, &QPushButton::clicked, this, &StartupWindow::goOn);

    // The box only: its caption does not fit beside the box and is not seen;
    // Label4 says what it means.
    m_skipIntroduction = platform::Place<QCheckBox>(this, "Check1", {72, 192, 17, 17}, QStringLiteral("Check1"));
    m_skipIntroduction->setAutoFillBackground(true);
    QPalette palette = m_skipIntroduction->palette();
    palette.setColor(QPalette::Window, Qt::black);
    m_skipIntroduction->setPalette(palette);
    m_skipIntroduction->setChecked(false);

    QLabel *meaning = PlaceLabel(this, "Label4", tr("I Don't Need Introduction About Veltrane"), {96, 192, 301, 13},
        QColor(255, 255, 128), platform::LayoutFont(QStringLiteral("Tahoma"), 8.25));
    // Its own caption is not shown; the label beside it says what it means.
    m_skipIntroduction->setAccessibleName(meaning->text());
    ok->setFocus();
}

void StartupWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_background.isNull())
        painter.fillRect(rect(), Qt::black);
    else
        painter.drawImage(rect(), m_background);
}

void StartupWindow::goOn()
{
    if (m_skipIntroduction->isChecked())
        emit generalDiagramRequested();
    else
        emit introductionRequested();
}

} // namespace app
