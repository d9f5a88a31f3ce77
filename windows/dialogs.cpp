#include "windows/dialogs.h"

#include "platform/common_controls.h"
#include "platform/language.h"
#include "platform/save_dialog.h"
#include "windows/window_registry.h"

#include <QDir>
#include <QFileInfo>

namespace windows {

platform::Answer MsgBox(
    QWidget *owner, const QString &text, platform::Buttons buttons, platform::Icon icon, const QString &title)
{
    return Desktop().message(owner, {text, title, icon, buttons});
}

QString HelpFileFor(const QString &language)
{
    return language.isEmpty() ? QString::fromLatin1(kHelpFile) : QStringLiteral("vlt.%1.chm").arg(language);
}

void OpenHelp(QWidget *owner)
{
    const QString folder = platform::ProgramFolder();
    const QString translated = HelpFileFor(platform::UserLanguage());
    const bool there = QFileInfo(QDir(folder), translated).isFile();
    Desktop().shellOpen(owner, there ? translated : QString::fromLatin1(kHelpFile), folder);
}

QString SaveInProgramFolder(
    QWidget *owner, const QString &filter, int filterIndex, const std::function<QString(const QString &path)> &write)
{
    return platform::SaveWithDialog(Desktop(), owner, {filter, filterIndex, platform::ProgramFolder(), true}, write);
}

} // namespace windows
