#include "app/startup.h"
#include "evolution/command_line.h"

#include <QApplication>

#include <cstdio>
#include <string_view>
#include <vector>

int main(int argc, char *argv[])
{
    // --track, --isochrone and --help answer on the terminal before any window (or display) is needed.
    const evolution::Command command
        = evolution::ParseCommandLine(std::vector<std::string_view>(argv + 1, argv + argc));
    if (command.kind != evolution::CommandKind::Windows)
        return evolution::WriteCommandResult(evolution::RunCommand(command), stdout, stderr);

    // The windows have fixed layouts with their own fonts and colours: the
    // desktop's fonts, colours and style sheet are not asked for.
    QApplication::setDesktopSettingsAware(false);
    QApplication application(argc, argv);
    return app::Run(application);
}
