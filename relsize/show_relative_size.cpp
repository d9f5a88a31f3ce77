#include "relsize/show_relative_size.h"

#include "relsize/relative_size_window.h"
#include "windows/dialogs.h"
#include "windows/window_registry.h"

#include <QCoreApplication>

namespace relsize {

void ShowRelativeSize(QWidget *caller, const std::optional<model::StarValue> &star)
{
    if (!star) {
        windows::MsgBox(caller, QCoreApplication::translate("relsize::ShowRelativeSize", "Click The Image First !"),
            platform::Buttons::Ok, platform::Icon::Critical,
            QCoreApplication::translate("relsize::ShowRelativeSize", "Error"));
        return;
    }
    // Shown first: a star too hot to draw still brings the window up.
    windows::Registry().show<RelativeSizeWindow>()->drawStar(*star);
}

} // namespace relsize
