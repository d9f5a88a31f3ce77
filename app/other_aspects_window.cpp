#include "app/other_aspects_window.h"

#include "app/window_look.h"
#include "platform/arbutton.h"
#include "platform/common_controls.h"
#include "platform/language.h"
#include "platform/widget_helpers.h"
#include "resources/app/app_resources.h"

#include <QLabel>

namespace app {

OtherAspectsWindow::OtherAspectsWindow()
    : QWidget(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    platform::SetUpWindow(this);
    setWindowTitle(tr("Other Aspects Of Veltrane"));
    createControls();
    platform::FixSizeAndCentre(this, {662, 342});
}

void OtherAspectsWindow::createControls()
{
    // Each picture stands centred above its caption.
    QLabel *radiusPicture
        = PlacePicture(this, "Picture1", platform::LocalisedResource(res::kRadiusRelation), {31, 16, 242, 225});
    QLabel *lifetimePicture
        = PlacePicture(this, "Picture2", platform::LocalisedResource(res::kLifetimeRelation), {342, 19, 292, 222});
    // Tahoma's free stand-in runs wider than Tahoma; its condensed cut keeps
    // the captions inside their 289 pixels.
    QFont bold = platform::LayoutFont(QStringLiteral("Tahoma"), 9.75, true);
    bold.setStretch(QFont::SemiCondensed);
    QLabel *radiusCaption = PlaceLabel(
        this, "Label1", tr("Temperature - Luminosity - Radius Relation"), {8, 256, 289, 25}, QColor(128, 0, 128), bold);
    QLabel *lifetimeCaption = PlaceLabel(
        this, "Label2", tr("Main - Sequence Mass - Lifetime Relation"), {344, 256, 289, 25}, QColor(0, 0, 255), bold);
    radiusPicture->setAccessibleName(radiusCaption->text());
    radiusPicture->setAccessibleDescription(tr("Graph of the temperature, luminosity and radius of stars"));
    lifetimePicture->setAccessibleName(lifetimeCaption->text());
    lifetimePicture->setAccessibleDescription(tr("Graph of the mass and lifetime of main-sequence stars"));
    auto *ok = platform::Place<platform::ARButton>(this, "ARButton1", {251, 296, 161, 33}, tr("&OK"));
    connect(ok, &QPushButton::clicked, this, &OtherAspectsWindow::generalDiagramRequested);
}

} // namespace app
