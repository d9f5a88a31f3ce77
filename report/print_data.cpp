#include "report/print_data.h"

#include "platform/program_folder.h"
#include "platform/whole_file.h"
#include "windows/dialogs.h"
#include "windows/window_registry.h"

#include <QCoreApplication>

namespace report {
void PrintData(QWidget *owner, model::DiagramKind kind, const std::optional<model::StarValue> &star)
{
    if (!star) {
        // The main-sequence window's text ends in a blank; the general one's does not.
        const QString text = kind == model::DiagramKind::General
            ? QCoreApplication::translate("report::PrintData", "Click The Image First To Get Data")
            : QCoreApplication::translate("report::PrintData", "Click The Image First To Get Data ");
        windows::MsgBox(owner, text, platform::Buttons::Ok, platform::Icon::Critical,
            QCoreApplication::translate("report::PrintData", "Error"));
        return;
    }
    const QByteArray text = ReportText(*star);
    const QString path = windows::SaveInProgramFolder(owner,
        QCoreApplication::translate("report::PrintData", " Text files(*.txt)|*.txt"), 1,
        [&text](const QString &chosen) { return platform::WriteWholeFile(chosen, text); });
    if (path.isEmpty())
        return;
    if (windows::MsgBox(owner, QCoreApplication::translate("report::PrintData", "Open The Printed Data File?"),
            platform::Buttons::YesNo, platform::Icon::None, QCoreApplication::translate("report::PrintData", "Info"))
        == platform::Answer::Yes)
        windows::OpenDocument(owner, path,
            QCoreApplication::translate(
                "report::PrintData", "Please install a text editor such as gedit or Mousepad."));
}

} // namespace report
