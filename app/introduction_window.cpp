#include "app/introduction_window.h"

#include "app/window_look.h"
#include "platform/arbutton.h"
#include "platform/language.h"
#include "platform/widget_helpers.h"
#include "resources/app/app_resources.h"

#include <QFile>
#include <QLabel>
#include <QTextBrowser>

namespace app {

IntroductionWindow::IntroductionWindow()
    : QWidget(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    platform::SetUpWindow(this);
    setWindowTitle(tr("An Introduction To Veltrane"));
    createControls();
    platform::FixSizeAndCentre(this, {662, 472});
}

QString IntroductionWindow::IntroductionDocument()
{
    QFile file(res::IntroductionFor(platform::UserLanguage()));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

void IntroductionWindow::createControls()
{
    auto *document = platform::Place<QTextBrowser>(this, "RichTextBox1", {160, 24, 489, 393});
    document->setReadOnly(true);
    document->setOpenLinks(false);
    document->setHtml(IntroductionDocument());
    document->setAccessibleName(windowTitle());

    const QColor darkBlue(0, 0, 192);
    QLabel *upperPortrait = PlacePicture(this, "Picture1", res::kUpperPortrait, {8, 16, 145, 168});
    QLabel *upperCaption = PlaceLabel(this, "Label2", tr("Ejnar Hertzsprung"), {8, 192, 145, 25}, darkBlue, font());
    upperCaption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    upperPortrait->setAccessibleName(tr("Portrait of %1").arg(upperCaption->text()));
    QLabel *lowerPortrait = PlacePicture(this, "Picture2", res::kLowerPortrait, {8, 256, 145, 168});
    QLabel *lowerCaption = PlaceLabel(this, "Label1", tr("Henry Norris Russell"), {8, 432, 145, 25}, darkBlue, font());
    lowerCaption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lowerPortrait->setAccessibleName(tr("Portrait of %1").arg(lowerCaption->text()));

    auto *further = platform::Place<platform::ARButton>(this, "ARButton1", {211, 432, 145, 33}, tr("&Further Proceed"));
    connect(further, &QPushButton::clicked, this, &IntroductionWindow::otherAspectsRequested);
    auto *ok = platform::Place<platform::ARButton>(this, "ARButton2", {443, 432, 121, 33}, tr("&OK"));
    ok->setToolTip(tr("Go to program"));
    connect(ok, &QPushButton::clicked, this, &IntroductionWindow::generalDiagramRequested);
}

} // namespace app
