// The command line for teachers and scripts: "veltrane --track MASS" and
// "veltrane --isochrone AGE_MYR" print a track or an isochrone as CSV (csv.h)
// on standard output, and "veltrane --help" lists the options, all before any
// window opens. A value that is not a number or lies outside its range gives
// a one-line error on standard error and exit status 2.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace evolution {

enum class CommandKind {
    Windows, // none of the options below: the program opens its windows
    Help,
    Track,
    Isochrone,
    Error,
};

struct Command {
    CommandKind kind = CommandKind::Windows;
    double value = 0; // the initial mass (Msun) or the age (Myr)
    std::string error; // for Error: the one-line message, without the newline
};

// The arguments after the program's name.
Command ParseCommandLine(const std::vector<std::string_view> &arguments);

struct CommandResult {
    int exitStatus = 0;
    std::string standardOutput, standardError;
};

CommandResult RunCommand(const Command &command);

// Writes the result out; the exit status, or 1 when the output could not be written.
int WriteCommandResult(const CommandResult &result, std::FILE *out, std::FILE *err);

std::string CommandLineHelp();

} // namespace evolution
