#include "app/introduction_window.h"

#include "app/window_look.h"
#include "platform/arbutton.h"
#include "platform/common_controls.h"
#include "platform/widget_helpers.h"
#include "resources/app/app_resources.h"
#include "windows/window_registry.h"

#include <QFile>
#include <QLabel>
#include <QTextBrowser>

namespace app {

IntroductionWindow::IntroductionWindow()
    : QWidget(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    platform::InitCommonControls();
    setFont(platform::DialogFont());
    setWindowTitle(QStringLiteral("An Introduction To Veltrane"));
    setFixedSize(662, 472);
    createControls();
    platform::CentreOnScreen(this);
}

QString IntroductionWindow::IntroductionDocument()
{
    QFile file(app::res::kIntroduction);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

void IntroductionWindow::createControls()
{
    RichTextBox1 = new QTextBrowser(this);
    RichTextBox1->setObjectName(QStringLiteral("RichTextBox1"));
    RichTextBox1->setGeometry(160, 24, 489, 393);
    RichTextBox1->setReadOnly(true);
    RichTextBox1->setOpenLinks(false);
    RichTextBox1->setHtml(IntroductionDocument());
    RichTextBox1->setAccessibleName(windowTitle());

    const QColor darkBlue(0, 0, 192);
    Picture1 = app::PlacePicture(this, QStringLiteral("Picture1"), app::res::kUpperPortrait, {8, 16, 145, 168});
    Label2 = app::PlaceLabel(
        this, QStringLiteral("Label2"), QStringLiteral("Ejnar Hertzsprung"), {8, 192, 145, 25}, darkBlue, font());
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Picture1->setAccessibleName(QStringLiteral("Portrait of ") + Label2->text());
    Picture2 = app::PlacePicture(this, QStringLiteral("Picture2"), app::res::kLowerPortrait, {8, 256, 145, 168});
    Label1 = app::PlaceLabel(
        this, QStringLiteral("Label1"), QStringLiteral("Henry Norris Russell"), {8, 432, 145, 25}, darkBlue, font());
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Picture2->setAccessibleName(QStringLiteral("Portrait of ") + Label1->text());

    ARButton1 = new platform::ARButton(QStringLiteral("ARButton1"), QStringLiteral("&Further Proceed"), this);
    ARButton1->setGeometry(211, 432, 145, 33);
    connect(ARButton1, &QPushButton::clicked, this, &IntroductionWindow::ARButton1_Click);
    ARButton2 = new platform::ARButton(QStringLiteral("ARButton2"), QStringLiteral("&OK"), this);
    ARButton2->setGeometry(443, 432, 121, 33);
    ARButton2->setToolTip(QStringLiteral("Go to program"));
    connect(ARButton2, &QPushButton::clicked, this, &IntroductionWindow::ARButton2_Click);
}

void IntroductionWindow::ARButton1_Click()
{
    windows::Registry().show(QStringLiteral("Form5"));
    windows::Registry().unload<IntroductionWindow>();
}

void IntroductionWindow::ARButton2_Click()
{
    windows::Registry().show(QStringLiteral("Form1"));
    windows::Registry().unload<IntroductionWindow>();
}

} // namespace app
