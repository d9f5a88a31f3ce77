#include "relsize/show_relative_size.h"

#include "app/window_registry.h"
#include "relsize/form3.h"

namespace relsize {

void ShowRelativeSize(QWidget *caller, const QString &text1, const model::StarPoint &star, DiagramKind kind)
{
    if (text1.isEmpty()) {
        app::MsgBox(caller, QStringLiteral("Click The Image First !"), platform::Buttons::Ok, platform::Icon::Critical,
            QStringLiteral("Error"));
        return;
    }
    // Shown before classifying: a star too hot to draw still brings the window up.
    Form3 *form = app::Windows().show<Form3>();
    const auto appearance = ClassifyStar(star.Temperature, star.AbsMagnitude, kind);
    if (!appearance)
        return;
    form->DrawStarAndSun(*appearance, star.Radius);
}

} // namespace relsize
