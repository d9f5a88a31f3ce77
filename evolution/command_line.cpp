#include "evolution/command_line.h"

#include "evolution/csv.h"
#include "evolution/isochrone.h"
#include "evolution/track.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

namespace evolution {

namespace {

constexpr std::string_view kProgram = "veltrane";

struct Option {
    std::string_view name;
    CommandKind kind;
    std::string_view quantity; // "mass", "age"
    double lowest, highest;
    std::string_view unit;
};

constexpr Option kOptions[] = {
    {"--track", CommandKind::Track, "mass", kMinimumMass, kMaximumMass, "solar masses"},
    {"--isochrone", CommandKind::Isochrone, "age", 0, kTrackEnd, "Myr"},
};

std::optional<double> ParseNumber(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || result.ec == std::errc::invalid_argument || result.ptr != text.data() + text.size()
        || std::isnan(value))
        return std::nullopt;
    if (result.ec == std::errc::result_out_of_range) // beyond a double's range: outside every range here
        return std::numeric_limits<double>::infinity();
    return value;
}

// The user's text, quoted on one line: control characters shown as '?', long texts shortened.
std::string Quoted(std::string_view text)
{
    std::string quoted = "\"";
    const std::size_t shown = std::min<std::size_t>(text.size(), 40);
    for (std::size_t i = 0; i < shown; ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        quoted += c < 0x20 || c == 0x7f ? '?' : static_cast<char>(c);
    }
    if (shown < text.size())
        quoted += "...";
    return quoted + "\"";
}

std::string Range(const Option &option)
{
    return "between " + FormatNumber(option.lowest, 6) + " and " + FormatNumber(option.highest, 6) + " "
        + std::string(option.unit);
}

Command Error(std::string message)
{
    return {CommandKind::Error, 0, std::string(kProgram) + ": " + std::move(message)};
}

Command ValueCommand(const Option &option, std::optional<std::string_view> text)
{
    const std::string name(option.name), quantity(option.quantity);
    if (!text)
        return Error(name + " needs a " + quantity + " " + Range(option));
    const std::optional<double> value = ParseNumber(*text);
    if (!value) {
        std::string decimalPoint(*text);
        for (char &c : decimalPoint)
            c = c == ',' ? '.' : c;
        const std::string hint = decimalPoint != *text && ParseNumber(decimalPoint)
            ? " (write " + Quoted(decimalPoint) + " with a decimal point)"
            : "";
        return Error(name + ": " + Quoted(*text) + " is not a number" + hint + "; the " + quantity + " must be "
            + Range(option));
    }
    if (!(*value >= option.lowest && *value <= option.highest))
        return Error(
            name + ": the " + quantity + " " + Quoted(*text) + " is outside the range; it must be " + Range(option));
    return {option.kind, *value, {}};
}

} // namespace

Command ParseCommandLine(const std::vector<std::string_view> &arguments)
{
    std::optional<Command> command;
    std::optional<std::string_view> unexpected;
    bool twice = false;
    const auto set = [&](Command c) {
        twice = twice || command.has_value();
        if (!command)
            command = std::move(c);
    };
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            set({CommandKind::Help, 0, {}});
            continue;
        }
        bool matched = false;
        for (const Option &option : kOptions) {
            if (argument == option.name) {
                const bool hasValue = i + 1 < arguments.size();
                set(ValueCommand(option, hasValue ? std::optional(arguments[i + 1]) : std::nullopt));
                i += hasValue ? 1 : 0;
                matched = true;
            } else if (argument.size() > option.name.size() && argument.starts_with(option.name)
                && argument[option.name.size()] == '=') {
                set(ValueCommand(option, argument.substr(option.name.size() + 1)));
                matched = true;
            }
        }
        if (!matched && !unexpected)
            unexpected = argument;
    }
    if (!command)
        return {};
    if (twice)
        return Error("give only one of --track, --isochrone and --help");
    if (command->kind != CommandKind::Error && unexpected)
        return Error("unexpected argument " + Quoted(*unexpected) + " (see " + std::string(kProgram) + " --help)");
    return *command;
}

std::string CommandLineHelp()
{
    return "Usage: veltrane [--track MASS | --isochrone AGE_MYR | --help]\n"
           "\n"
           "Without options Veltrane opens its windows. With one of these it prints CSV\n"
           "on standard output, numbers with a decimal point, and opens no window:\n"
           "\n"
           "  --track MASS         the life of a star of initial mass MASS (0.1 to 100\n"
           "                       solar masses) at solar metallicity, one line per step\n"
           "                       of the model from the zero-age main sequence to\n"
           "                       15000 Myr:\n"
           "                       t_Myr,type,mass,core_mass,log_L,log_R,log_Teff\n"
           "  --isochrone AGE_MYR  every star of 0.1 to 100 solar masses at the age\n"
           "                       AGE_MYR (0 to 15000 Myr), one line per star:\n"
           "                       initial_mass,type,mass,log_L,log_R,log_Teff\n"
           "  --help               show this help\n"
           "\n"
           "Masses in solar masses, L and R in solar units, Teff in K, logarithms to base 10.\n"
           "Types: 0-1 main sequence, 2 Hertzsprung gap (subgiant), 3 red giant, 4 core\n"
           "helium burning, 5-6 asymptotic giant branch, 7-9 helium star, 10-12 white\n"
           "dwarf (helium, carbon-oxygen, oxygen-neon), 13 neutron star, 14 black hole,\n"
           "15 nothing left.\n"
           "Model: Hurley, Pols & Tout (2000), MNRAS 315, 543; Tout et al. (1996), MNRAS 281, 257.\n"
           "Exit status: 0 on success, 2 for a wrong option or value.\n";
}

CommandResult RunCommand(const Command &command)
{
    switch (command.kind) {
    case CommandKind::Windows:
        return {};
    case CommandKind::Help:
        return {0, CommandLineHelp(), {}};
    case CommandKind::Track:
        return {0, TrackCsv(EvolveTrack(command.value, kTrackEnd)), {}};
    case CommandKind::Isochrone:
        return {0, IsochroneCsv(IsochroneGrid().At(command.value)), {}};
    case CommandKind::Error:
        break;
    }
    return {2, {}, command.error + "\n"};
}

int WriteCommandResult(const CommandResult &result, std::FILE *out, std::FILE *err)
{
    const bool written = std::fwrite(result.standardOutput.data(), 1, result.standardOutput.size(), out)
            == result.standardOutput.size()
        && std::fflush(out) == 0;
    std::fwrite(result.standardError.data(), 1, result.standardError.size(), err);
    if (!written) {
        const std::string message = std::string(kProgram) + ": could not write the output\n";
        std::fwrite(message.data(), 1, message.size(), err);
        return result.exitStatus == 0 ? 1 : result.exitStatus;
    }
    return result.exitStatus;
}

} // namespace evolution
