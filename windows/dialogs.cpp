#include "windows/dialogs.h"

#include "platform/common_controls.h"
#include "platform/save_dialog.h"
#include "windows/window_registry.h"

namespace windows {

platform::Answer MsgBox(
    QWidget *owner, const QString &text, platform::Buttons buttons, platform::Icon icon, const QString &title)
{
    return Desktop().message(owner, {text, title, icon, buttons});
}

void OpenHelp(QWidget *owner)
{
    Desktop().shellOpen(owner, QString::fromLatin1(kHelpFile), platform::ProgramFolder());
}

QString SaveInProgramFolder(
    QWidget *owner, const QString &filter, int filterIndex, const std::function<QString(const QString &path)> &write)
{
    return platform::SaveWithDialog(Desktop(), owner, {filter, filterIndex, platform::ProgramFolder(), true}, write);
}

} // namespace windows
