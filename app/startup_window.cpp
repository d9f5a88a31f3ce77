#include "app/startup_window.h"

#include "app/window_look.h"
#include "platform/arbutton.h"
#include "platform/common_controls.h"
#include "platform/widget_helpers.h"
#include "resources/app/app_resources.h"
#include "windows/window_registry.h"

#include <QCheckBox>
#include <QLabel>
#include <QPainter>

namespace app {

StartupWindow::StartupWindow()
    : QWidget(nullptr, Qt::Tool | Qt::MSWindowsFixedSizeDialogHint)
{
    platform::InitCommonControls();
    setFont(platform::DialogFont());
    setFixedSize(481, 215);
    m_background.load(app::res::kStartupPicture);
    createControls();
    platform::CentreOnScreen(this);
}

QString StartupWindow::NextWindow(bool introductionSkipped)
{
    return introductionSkipped ? QStringLiteral("Form1") : QStringLiteral("Form4");
}

QString StartupWindow::WelcomeText()
{
    // The run of blanks pushes the second part onto the label's second line.
    return QStringLiteral("WELCOME TO THE MOST USEFUL SOFTWARE FOR THE ASTRONOMERS") + QString(43, QLatin1Char(' '))
        + QStringLiteral("AND ASTROPHYSICST");
}

void StartupWindow::createControls()
{
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(24, 24, 32, 32);
    Image1->setPixmap(app::ProgramIcon().pixmap(32, 32));
    Image1->setAccessibleName(QStringLiteral("Veltrane program icon"));

    Label1 = app::PlaceLabel(this, QStringLiteral("Label1"), QStringLiteral("VELTRANE"), {80, 24, 369, 49},
        QColor(0, 255, 255), platform::LayoutFont(QStringLiteral("Palatino Linotype"), 14.25, true));
    Label2 = app::PlaceLabel(
        this, QStringLiteral("Label2"), WelcomeText(), {72, 88, 385, 33}, QColor(255, 255, 0), font());
    Label2->setWordWrap(true);

    ARButton1 = new platform::ARButton(QStringLiteral("ARButton1"), QStringLiteral("&OK"), this);
    ARButton1->setGeometry(188, 152, 105, 25);
    connect(ARButton1, &QPushButton::clicked, this, &StartupWindow::ARButton1_Click);

    // The box only: its caption does not fit beside the box and is not seen;
    // Label4 says what it means.
    Check1 = new QCheckBox(QStringLiteral("Check1"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setGeometry(72, 192, 17, 17);
    Check1->setAutoFillBackground(true);
    QPalette palette = Check1->palette();
    palette.setColor(QPalette::Window, Qt::black);
    Check1->setPalette(palette);
    Check1->setChecked(false);

    Label4 = app::PlaceLabel(this, QStringLiteral("Label4"), QStringLiteral("I Don't Need Introduction About Veltrane"),
        {96, 192, 301, 13}, QColor(255, 255, 128), platform::LayoutFont(QStringLiteral("Tahoma"), 8.25));
    // Its own caption is not shown; the label beside it says what it means.
    Check1->setAccessibleName(Label4->text());
    ARButton1->setFocus();
}

void StartupWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_background.isNull())
        painter.fillRect(rect(), Qt::black);
    else
        painter.drawPixmap(rect(), m_background);
}

void StartupWindow::ARButton1_Click()
{
    // The startup window goes for good once the next window is up.
    windows::Registry().show(NextWindow(Check1->isChecked()));
    windows::Registry().unload<StartupWindow>();
}

} // namespace app
