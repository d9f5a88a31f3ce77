#include "report/print_data.h"

#include "app/window_registry.h"
#include "platform/common_controls.h"
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
    const QString chosen
        = app::Desktop().saveFileName(owner, {QStringLiteral(" Text files(*.txt)|*.txt"), 1, folder, true});
    if (chosen.isEmpty())
        return;
    // A bare name lands in the program's folder, where the dialog opened.
    const QString path = QDir(folder).absoluteFilePath(chosen);
    const QString failure = platform::WriteWholeFile(path, ReportText(variant, readOuts));
    if (!failure.isEmpty()) {
        app::MsgBox(owner, QDir::toNativeSeparators(path) + QStringLiteral("\n\n") + failure, platform::Buttons::Ok,
            platform::Icon::Critical);
        return;
    }
    if (app::MsgBox(owner, QStringLiteral("Open The Printed Data File?"), platform::Buttons::YesNo,
            platform::Icon::None, QStringLiteral("Info"))
        == platform::Answer::Yes)
        app::Desktop().shellOpen(owner, path, folder);
}

} // namespace report
