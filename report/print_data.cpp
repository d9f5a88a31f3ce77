#include "report/print_data.h"

#include "app/window_registry.h"
#include "platform/common_controls.h"
#include "platform/save_dialog.h"
#include "platform/whole_file.h"

#include <QDir>

namespace report {

void PrintData(QWidget *owner, Variant variant, const ReadOuts &readOuts)
{
    if (readOuts.temperature.isEmpty()) {
        // The main-sequence window's text ends in a blank; the general one's does not.
        const QString text = variant == Variant::General ? QStringLiteral("Click The Image First To Get Data")
                                                         : QStringLiteral("Click The Image First To Get Data ");
        app::MsgBox(owner, text, platform::Buttons::Ok, platform::Icon::Critical, QStringLiteral("Error"));
        return;
    }
    const QString folder = platform::ProgramFolder();
    const QByteArray text = ReportText(variant, readOuts);
    const QString path
        = platform::SaveWithDialog(app::Desktop(), owner, {QStringLiteral(" Text files(*.txt)|*.txt"), 1, folder, true},
            [&text](const QString &chosen) { return platform::WriteWholeFile(chosen, text); });
    if (path.isEmpty())
        return;
    if (app::MsgBox(owner, QStringLiteral("Open The Printed Data File?"), platform::Buttons::YesNo,
            platform::Icon::None, QStringLiteral("Info"))
        == platform::Answer::Yes)
        app::Desktop().shellOpen(owner, path, folder);
}

} // namespace report
