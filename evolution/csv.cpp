#include "evolution/csv.h"

#include <array>
#include <charconv>
#include <cmath>

namespace evolution {

namespace {

// Times keep a tenth of a thousandth of a Myr up to 15000 Myr (the late AGB steps
// are a few thousandths); every other number keeps seven significant digits.
constexpr int kTimeDigits = 10;
constexpr int kDigits = 7;

void Append(std::string &line, double value, int digits)
{
    if (!line.empty() && line.back() != '\n')
        line += ',';
    line += FormatNumber(value, digits);
}

void AppendType(std::string &line, const StarState &s)
{
    std::array<char, 8> buffer {};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), s.typeNumber());
    line += ',';
    line.append(buffer.data(), result.ptr);
}

void AppendLogs(std::string &line, const StarState &s)
{
    Append(line, std::log10(s.luminosity), kDigits);
    Append(line, std::log10(s.radius), kDigits);
    Append(line, std::log10(s.temperature), kDigits);
    line += '\n';
}

} // namespace

std::string FormatNumber(double value, int significantDigits)
{
    if (value == 0)
        value = 0; // no "-0"
    std::array<char, 64> buffer {};
    const auto result = std::to_chars(
        buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, significantDigits);
    return std::string(buffer.data(), result.ptr);
}

std::string TrackCsv(const Track &track)
{
    std::string text = "t_Myr,type,mass,core_mass,log_L,log_R,log_Teff\n";
    for (const StarState &p : track.points) {
        Append(text, p.time, kTimeDigits);
        AppendType(text, p);
        Append(text, p.mass, kDigits);
        Append(text, p.coreMass, kDigits);
        AppendLogs(text, p);
    }
    return text;
}

std::string IsochroneCsv(const Isochrone &isochrone)
{
    std::string text = "initial_mass,type,mass,log_L,log_R,log_Teff\n";
    for (const IsochronePoint &p : isochrone.points) {
        Append(text, p.initialMass, kDigits);
        AppendType(text, p.state);
        Append(text, p.state.mass, kDigits);
        AppendLogs(text, p.state);
    }
    return text;
}

} // namespace evolution
