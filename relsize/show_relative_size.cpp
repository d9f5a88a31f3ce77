#include "relsize/show_relative_size.h"

#include "relsize/form3.h"
#include "windows/dialogs.h"
#include "windows/window_registry.h"

namespace relsize {

void ShowRelativeSize(QWidget *caller, const QString &text1, const model::StarPoint &star, DiagramKind kind)
{
    if (text1.isEmpty()) {
        windows::MsgBox(caller, QStringLiteral("Click The Image First !"), platform::Buttons::Ok,
            platform::Icon::Critical, QStringLiteral("Error"));
        return;
    }
    // Shown before classifying: a star too hot to draw still brings the window up.
    Form3 *form = windows::Registry().show<Form3>();
    const auto appearance = ClassifyStar(star.Temperature, star.AbsMagnitude, kind);
    if (!appearance)
        return;
    form->DrawStarAndSun(*appearance, star.Radius);
}

} // namespace relsize
