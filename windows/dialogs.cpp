#include "windows/dialogs.h"

#include "platform/language.h"
#include "platform/program_folder.h"
#include "platform/qt_desktop.h"
#include "platform/save_dialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace windows {
namespace {

platform::Desktop *&installedDesktop()
{
    static platform::Desktop *desktop = nullptr;
    return desktop;
}

} // namespace

platform::Desktop &Desktop()
{
    if (platform::Desktop *installed = installedDesktop())
        return *installed;
    static platform::QtDesktop real;
    return real;
}

void SetDesktop(platform::Desktop *desktop)
{
    installedDesktop() = desktop;
}

platform::Answer MsgBox(
    QWidget *owner, const QString &text, platform::Buttons buttons, platform::Icon icon, const QString &title)
{
    return Desktop().message(owner, {text, title, icon, buttons});
}

void OpenHelp(QWidget *owner)
{
    const QString folder = platform::ProgramFolder();
    const QString language = platform::UserLanguage();
    // The help in the user's language where it is there, else the English.
    const auto inLanguage = [&folder, &language](const QString &translated, const QString &english) {
        return QFileInfo(QDir(folder), translated).isFile() ? translated : english;
    };
    const QString file = inLanguage(platform::HelpFileFor(language), QString::fromLatin1(platform::kHelpFile));
    const platform::Opened help = Desktop().shellOpen(owner, file, folder);
    if (help == platform::Opened::Yes)
        return;
    const QString pages = inLanguage(platform::HelpPagesFor(language), platform::HelpPagesFor({}));
    const platform::Opened web = Desktop().shellOpen(owner, pages, folder);
    if (web == platform::Opened::Yes)
        return;
    const QString place = QDir::toNativeSeparators(QDir(folder).filePath(file));
    const QString text = help == platform::Opened::NoFile && web == platform::Opened::NoFile
        ? QCoreApplication::translate("windows::OpenHelp",
            "%1\n\nThe help file is missing, and so are its web pages. Please install Veltrane again.")
              .arg(place)
        : QCoreApplication::translate("windows::OpenHelp",
            "%1\n\nNo program on this computer can open the help, neither this file nor its web pages in %2. "
            "Please install a CHM viewer such as xchm, or a web browser.")
              .arg(place, QDir::toNativeSeparators(QFileInfo(QDir(folder).filePath(pages)).path()));
    MsgBox(owner, text, platform::Buttons::Ok, platform::Icon::Exclamation);
}

bool OpenDocument(QWidget *owner, const QString &file, const QString &install)
{
    const QString folder = platform::ProgramFolder();
    const platform::Opened opened = Desktop().shellOpen(owner, file, folder);
    if (opened == platform::Opened::Yes)
        return true;
    const QString place = QDir::toNativeSeparators(QDir(folder).filePath(file));
    MsgBox(owner,
        opened == platform::Opened::NoFile
            ? QCoreApplication::translate("windows::OpenDocument", "%1\n\nThe file does not exist.").arg(place)
            : QCoreApplication::translate(
                "windows::OpenDocument", "%1\n\nNo program on this computer can open this file. %2")
                  .arg(place, install),
        platform::Buttons::Ok, platform::Icon::Exclamation);
    return false;
}

QString SaveInProgramFolder(
    QWidget *owner, const QString &filter, int filterIndex, const std::function<QString(const QString &path)> &write)
{
    return platform::SaveWithDialog(Desktop(), owner, {filter, filterIndex, platform::ProgramFolder(), true}, write);
}

} // namespace windows
