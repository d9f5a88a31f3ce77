// Makes the table of real stars that the diagram pictures are drawn from,
// real_stars.csv, out of the Hipparcos star catalogue that Debian's
// stellarium-data package ships. It reads the package's data files only.
// Run by hand when the table is to be made again (see README.md beside this
// file); the build reads the committed table, never the package.
//
// Usage: make_real_stars <stellarium data folder> <output csv>
//   the data folder is usr/share/stellarium of the unpacked package.
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace {

namespace fs = std::filesystem;

// ------------------------------------------------------------ the selection

// A trustworthy absolute magnitude: parallax error under a tenth of the parallax.
constexpr double kMaxRelativeParallaxError = 0.10;
// The stars a student sees with the naked eye, and the Sun's neighbours
// within 25 pc, which bring the faint dwarfs; white dwarfs at any distance.
constexpr double kNakedEyeLimit = 6.5;
constexpr double kNeighbourParallax = 40.0; // mas
// Known variables of a larger amplitude than this (V, mag) have no
// trustworthy mean V or colour.
constexpr double kMaxAmplitude = 0.5;

// Temperature from B-V: Ballesteros (2012, EPL 97, 34008), used where it
// follows the mean dwarf sequence of Pecaut & Mamajek (2013) within about 5 %.
constexpr double kBvLow = -0.10;
constexpr double kBvHigh = 1.40;
double BallesterosTemperature(double bv)
{
    return 4600.0 * (1.0 / (0.92 * bv + 1.7) + 1.0 / (0.92 * bv + 0.62));
}

// The mean dwarf sequence (Pecaut & Mamajek 2013, ApJS 208, 9; the table
// "A Modern Mean Dwarf Stellar Color and Effective Temperature Sequence" kept
// by E. Mamajek, version 2022.04.16): effective temperature by spectral type,
// the type as a number (O0 = 0, B0 = 10, A0 = 20, F0 = 30, G0 = 40, K0 = 50,
// M0 = 60). Only the hot and cool ends are needed, where B-V stops tracking
// temperature.
struct TypeTemperature {
    double type;
    double temperature;
};
constexpr TypeTemperature kDwarfSequence[]
    = {{3, 44900}, {4, 42900}, {5, 41400}, {5.5, 40500}, {6, 39500}, {6.5, 38300}, {7, 37100}, {7.5, 36100}, {8, 35100},
        {8.5, 34300}, {9, 33300}, {9.5, 31900}, {10, 31400}, {10.5, 29000}, {11, 26000}, {11.5, 24500}, {12, 20600},
        {12.5, 18500}, {13, 17000}, {14, 16400}, {15, 15700}, {16, 14500}, {17, 14000}, {18, 12300}, {19, 10700},
        {19.5, 10400}, {20, 9700}, {21, 9300}, {22, 8800}, {23, 8600}, {24, 8250}, {25, 8100}, //
        {55, 4440}, {56, 4300}, {57, 4100}, {58, 3990}, {59, 3930}, {60, 3850}, {60.5, 3770}, {61, 3660}, {61.5, 3620},
        {62, 3560}, {62.5, 3470}, {63, 3430}, {63.5, 3270}, {64, 3210}, {64.5, 3110}, {65, 3060}, {65.5, 2930},
        {66, 2810}, {66.5, 2740}, {67, 2680}, {67.5, 2630}, {68, 2570}, {68.5, 2420}, {69, 2380}, {69.5, 2350}};

std::optional<double> DwarfTemperature(double type)
{
    const auto *const first = std::begin(kDwarfSequence);
    const auto *const last = std::end(kDwarfSequence);
    for (const auto *p = first; p != last; ++p) {
        if (p->type == type)
            return p->temperature;
        // Between two entries of one stretch (not across the A5 ... K5 hole).
        if (p + 1 != last && p->type < type && type < (p + 1)->type && (p + 1)->type - p->type <= 1.0) {
            const double f = (type - p->type) / ((p + 1)->type - p->type);
            return p->temperature + f * ((p + 1)->temperature - p->temperature);
        }
    }
    return std::nullopt;
}

// White dwarfs: the number in the type is the temperature index 50400 K / Teff
// (Sion et al. 1983, ApJ 269, 253).
// It is taken from the type whenever the type has one.
constexpr double kWhiteDwarfIndexTemperature = 50400;
// No white dwarf is brighter than this (Mv); one that reads brighter has a
// type or a parallax that belongs to another star.
constexpr double kWhiteDwarfBrightest = 8.0;

// ------------------------------------------------------- the spectral type

struct Classification {
    std::string luminosityClass; // V, IV, III, II, I or D
    double type = -1; // O0 = 0 ... M9.5 = 69.5; the white dwarf's index for D
};

// The luminosity class of a type such as "K1/2III", "B8IVn", "A0Va",
// "M1-M2Ia-Iab" or "DA2", or nothing when it has none, when it is uncertain
// (":"), composite ("+") or straddles two groups ("IV-V", "K0III/IV").
std::optional<Classification> Classify(std::string_view sp)
{
    if (sp.empty() || sp.find(':') != sp.npos || sp.find('+') != sp.npos || sp.find('?') != sp.npos)
        return std::nullopt;
    auto number = [&sp](std::size_t &i) -> std::optional<double> {
        double value = 0;
        const auto [end, ec] = std::from_chars(sp.data() + i, sp.data() + sp.size(), value);
        if (ec != std::errc() || value < 0 || !std::isfinite(value))
            return std::nullopt;
        i = static_cast<std::size_t>(end - sp.data());
        return value;
    };
    Classification result;
    std::size_t i = 0;
    if (sp[0] == 'D') {
        // D, then the letters of the spectrum (A, B, C, O, Q, Z, ...), then the index.
        i = 1;
        while (i < sp.size() && sp[i] >= 'A' && sp[i] <= 'Z')
            ++i;
        if (i == 1)
            return std::nullopt;
        result.luminosityClass = "D";
        if (i < sp.size() && sp[i] >= '0' && sp[i] <= '9') {
            const auto index = number(i);
            if (!index || *index <= 0)
                return std::nullopt;
            result.type = *index;
        }
        return result;
    }
    static constexpr std::string_view letters = "OBAFGKM";
    const std::size_t letter = letters.find(sp[0]);
    if (letter == letters.npos || sp.size() < 2 || sp[1] < '0' || sp[1] > '9')
        return std::nullopt;
    i = 1;
    auto subtype = number(i);
    if (!subtype || *subtype >= 10)
        return std::nullopt;
    double sub = *subtype;
    // "K1/2" or "M1-M2": a range of subtypes within one letter; its middle.
    if (i + 1 < sp.size() && (sp[i] == '/' || sp[i] == '-')) {
        std::size_t j = i + 1;
        if (sp[j] == sp[0])
            ++j;
        if (j < sp.size() && sp[j] >= '0' && sp[j] <= '9') {
            const auto upper = number(j);
            if (!upper || *upper >= 10)
                return std::nullopt;
            sub = (sub + *upper) / 2;
            i = j;
        }
    }
    result.type = 10.0 * static_cast<double>(letter) + sub;
    while (i < sp.size() && sp[i] == ' ')
        ++i;

    // The luminosity class, the longest matching token first.
    struct Token {
        std::string_view text;
        const char *group;
    };
    static constexpr Token tokens[] = {{"III", "III"}, {"IV", "IV"}, {"II", "II"}, {"Iab", "I"}, {"Ia0", "I"},
        {"Ia+", "I"}, {"Ia", "I"}, {"Ib", "I"}, {"I", "I"}, {"0", "I"}, {"VI", nullptr}, {"V", "V"}};
    auto classAt = [&sp](std::size_t at, std::size_t &length) -> const Token * {
        for (const Token &token : tokens)
            if (sp.substr(at).starts_with(token.text)) {
                length = token.text.size();
                return &token;
            }
        return nullptr;
    };
    std::size_t length = 0;
    const Token *found = classAt(i, length);
    if (!found || !found->group)
        return std::nullopt;
    i += length;
    // Sublevels a, b, ab ("G8IIIb", "A0Va").
    while (i < sp.size() && (sp[i] == 'a' || sp[i] == 'b'))
        ++i;
    // A second class after "-" or "/" must lie in the same group
    // ("Ia-Iab" stays a supergiant, "IV-V" and "III/IV" are left out).
    if (i + 1 < sp.size() && (sp[i] == '-' || sp[i] == '/')) {
        std::size_t second = 0;
        if (const Token *other = classAt(i + 1, second)) {
            if (!other->group || std::string_view(other->group) != found->group)
                return std::nullopt;
            i += 1 + second;
        } else if (sp[i + 1] == 'a' || sp[i + 1] == 'b') {
            if (std::string_view(found->group) != "I")
                return std::nullopt; // "II/b"? not a class we know
        }
    }
    result.luminosityClass = found->group;
    return result;
}

// ---------------------------------------------------------- reading files

[[noreturn]] void Fail(const std::string &text)
{
    std::fprintf(stderr, "make_real_stars: %s\n", text.c_str());
    std::exit(1);
}

std::string ReadFile(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        Fail(path.string() + ": cannot be read");
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string_view> Lines(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        if (end == text.npos)
            break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

std::vector<std::string_view> Split(std::string_view line, char separator)
{
    std::vector<std::string_view> fields;
    for (;;) {
        const std::size_t end = line.find(separator);
        fields.push_back(line.substr(0, end));
        if (end == line.npos)
            return fields;
        line.remove_prefix(end + 1);
    }
}

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

template <typename T> std::optional<T> Number(std::string_view s)
{
    s = Trim(s);
    T value {};
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (s.empty() || ec != std::errc() || end != s.data() + s.size())
        return std::nullopt;
    return value;
}

// One record of a star file, as the package's star catalogue holds it.
struct CatalogueRecord {
    std::uint32_t hip = 0; // 0: no Hipparcos number
    std::uint32_t componentFlags = 0;
    int bvCode = 0; // B-V = code * 4 / 127 - 0.5
    double v = 0;
    std::uint16_t spectralIndex = 0;
    double parallax = 0; // mas
};

template <typename T> T Little(const std::string &bytes, std::size_t at)
{
    T value = 0;
    for (std::size_t k = 0; k < sizeof(T); ++k)
        value |= static_cast<T>(static_cast<T>(static_cast<unsigned char>(bytes[at + k])) << (8 * k));
    return value;
}

void ReadStarFile(const fs::path &path, std::vector<CatalogueRecord> &records)
{
    const std::string bytes = ReadFile(path);
    if (bytes.size() < 32 || Little<std::uint32_t>(bytes, 0) != 0x835F040Au || Little<std::int32_t>(bytes, 4) != 0)
        Fail(path.string() + ": not a star file of the expected kind (magic 0x835F040A, type 0)");
    const auto level = Little<std::int32_t>(bytes, 16);
    const auto magMin = Little<std::int32_t>(bytes, 20);
    const auto magRange = Little<std::int32_t>(bytes, 24);
    const auto magSteps = Little<std::int32_t>(bytes, 28);
    if (level < 0 || level > 8 || magSteps <= 0)
        Fail(path.string() + ": implausible header");
    const std::size_t zones = 20u << (2 * level);
    std::size_t at = 32 + 4 * zones;
    if (bytes.size() < at)
        Fail(path.string() + ": cut short in the zone counts");
    std::size_t count = 0;
    for (std::size_t z = 0; z < zones; ++z)
        count += Little<std::uint32_t>(bytes, 32 + 4 * z);
    if (bytes.size() != at + 28 * count)
        Fail(path.string() + ": its size does not match the zone counts");
    for (std::size_t n = 0; n < count; ++n, at += 28) {
        CatalogueRecord r;
        const auto word = Little<std::uint32_t>(bytes, at);
        r.hip = word & 0xFFFFFFu;
        r.componentFlags = word >> 24;
        r.bvCode = static_cast<unsigned char>(bytes[at + 12]);
        const int magCode = static_cast<unsigned char>(bytes[at + 13]);
        r.v = (magMin + magCode * static_cast<double>(magRange) / magSteps) / 1000.0;
        r.spectralIndex = Little<std::uint16_t>(bytes, at + 14);
        r.parallax = Little<std::int32_t>(bytes, at + 24) / 100.0;
        records.push_back(r);
    }
}

// "HIP|designation" and "HIP|_("Proper Name") ..." files.
std::map<std::uint32_t, std::string> ReadNames(const fs::path &path, bool proper)
{
    std::map<std::uint32_t, std::string> names;
    const std::string text = ReadFile(path);
    for (std::string_view line : Lines(text)) {
        if (line.empty() || line.front() == '#')
            continue;
        const std::size_t bar = line.find('|');
        const auto hip = bar == line.npos ? std::nullopt : Number<std::uint32_t>(line.substr(0, bar));
        if (!hip)
            continue;
        std::string_view rest = Trim(line.substr(bar + 1));
        if (proper) {
            const std::size_t open = rest.find("_(\"");
            const std::size_t close = rest.find("\")");
            if (open == rest.npos || close == rest.npos || close < open + 3)
                continue;
            rest = rest.substr(open + 3, close - open - 3);
        }
        std::string name(rest);
        std::replace(name.begin(), name.end(), '_', ' ');
        name.erase(std::remove(name.begin(), name.end(), ','), name.end());
        names.emplace(*hip, name); // the first name given
    }
    return names;
}

// ----------------------------------------------------------- writing

std::string Fixed(double value, int decimals)
{
    std::array<char, 64> buffer {};
    const auto [end, ec]
        = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, decimals);
    if (ec != std::errc())
        Fail("a number cannot be written");
    std::string text(buffer.data(), end);
    if (text.starts_with("-") && text.find_first_not_of("-0.") == text.npos)
        text.erase(0, 1); // no "-0.00"
    return text;
}

struct Row {
    std::uint32_t hip;
    std::string name;
    double v, bv, parallax, parallaxError;
    std::string spectralType, luminosityClass;
    double temperature;
    const char *temperatureFrom;
    double absMagnitude;
};

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_real_stars <stellarium data folder> <output csv>\n");
        return 2;
    }
    const fs::path share = argv[1];
    const fs::path stars = share / "stars" / "default";
    const fs::path output = argv[2];

    std::vector<CatalogueRecord> records;
    for (const char *file : {"stars_0_0v0_8.cat", "stars_1_0v0_8.cat", "stars_2_0v0_8.cat"})
        ReadStarFile(stars / file, records);

    const std::string spectralText = ReadFile(stars / "stars_hip_sp_0v0_4.cat");
    const std::vector<std::string_view> spectralTypes = Lines(spectralText);

    std::map<std::uint32_t, double> parallaxErrors;
    const std::string errorText = ReadFile(stars / "hip_plx_err.dat");
    for (std::string_view line : Lines(errorText)) {
        if (line.empty() || line.front() == '#')
            continue;
        const auto fields = Split(Trim(line), '\t');
        const auto hip = fields.size() == 2 ? Number<std::uint32_t>(fields[0]) : std::nullopt;
        const auto error = fields.size() == 2 ? Number<double>(fields[1]) : std::nullopt;
        if (hip && error)
            parallaxErrors[*hip] = *error;
    }

    // Variables: HIP, designation, type, maximum, a flag (0: the next field is
    // the minimum, 1: it is the amplitude, 2: the minimum is fainter than it), ...
    std::map<std::uint32_t, double> amplitudes;
    const std::string variableText = ReadFile(stars / "gcvs_hip_part.dat");
    for (std::string_view line : Lines(variableText)) {
        const auto fields = Split(line, '\t');
        if (fields.size() < 6)
            continue;
        const auto hip = Number<std::uint32_t>(fields[0]);
        if (!hip)
            continue;
        const auto maximum = Number<double>(fields[3]);
        const auto minimum = Number<double>(fields[5]);
        double amplitude = HUGE_VAL; // unknown: not to be trusted
        if (minimum && fields[4] == "1")
            amplitude = *minimum;
        else if (minimum && maximum)
            amplitude = *minimum - *maximum;
        if (Trim(fields[2]).starts_with('M')) // Miras
            amplitude = HUGE_VAL;
        amplitudes[*hip] = amplitude;
    }

    const auto properNames = ReadNames(share / "skycultures" / "western" / "star_names.fab", true);
    const auto designations = ReadNames(stars / "name.fab", false);

    std::map<std::uint32_t, int> entries;
    for (const CatalogueRecord &r : records)
        ++entries[r.hip];

    // Why rows were left out, in the order the tests are made.
    const std::vector<std::string> reasons = {
        "no Hipparcos number",
        "a component solution (the number occurs more than once, or component flags)",
        "missing or non-positive parallax",
        "no parallax error in hip_plx_err.dat",
        "parallax error 10 % of the parallax or more",
        "fainter than V 6.5 and farther than 25 pc (not a white dwarf)",
        "missing V or B-V (B-V at the end of the code range)",
        "known variable of amplitude 0.5 mag or more, or a Mira",
        "spectral type without one clear luminosity class",
        "temperature outside the relation's range (B-V outside -0.10 ... 1.40, no usable type)",
        "white dwarf type with an absolute magnitude brighter than 8 (type and parallax disagree)",
    };
    std::map<std::string, long> dropped;
    std::vector<Row> rows;
    std::map<std::string, int> perClass;
    for (const CatalogueRecord &r : records) {
        auto drop = [&](std::size_t reason) { ++dropped[reasons.at(reason)]; };
        if (r.hip == 0) {
            drop(0);
            continue;
        }
        if (entries[r.hip] > 1 || r.componentFlags != 0) {
            drop(1);
            continue;
        }
        if (!(r.parallax > 0)) {
            drop(2);
            continue;
        }
        const auto error = parallaxErrors.find(r.hip);
        if (error == parallaxErrors.end()) {
            drop(3);
            continue;
        }
        if (!(error->second < kMaxRelativeParallaxError * r.parallax)) {
            drop(4);
            continue;
        }
        const std::string_view spectralType
            = r.spectralIndex < spectralTypes.size() ? Trim(spectralTypes[r.spectralIndex]) : std::string_view();
        const auto classification = Classify(spectralType);
        const bool whiteDwarf = classification && classification->luminosityClass == "D";
        if (!(r.v <= kNakedEyeLimit) && !(r.parallax >= kNeighbourParallax) && !whiteDwarf) {
            drop(5);
            continue;
        }
        if (r.bvCode <= 0 || r.bvCode >= 127) {
            drop(6);
            continue;
        }
        const auto amplitude = amplitudes.find(r.hip);
        if (amplitude != amplitudes.end() && !(amplitude->second < kMaxAmplitude)) {
            drop(7);
            continue;
        }
        if (!classification) {
            drop(8);
            continue;
        }
        const double bv = r.bvCode * 4.0 / 127.0 - 0.5;
        std::optional<double> temperature;
        const char *from = "B-V";
        if (whiteDwarf && classification->type > 0) {
            // The white dwarf's type gives its temperature directly; the B-V of
            // these faint stars is poor.
            temperature = kWhiteDwarfIndexTemperature / classification->type;
            from = "type";
        } else if (bv >= kBvLow && bv <= kBvHigh) {
            temperature = BallesterosTemperature(bv);
        } else if (classification->luminosityClass == "V" || classification->luminosityClass == "IV") {
            temperature = DwarfTemperature(classification->type);
            from = "type";
        }
        if (!temperature) {
            drop(9);
            continue;
        }
        const double absMagnitude = r.v + 5.0 * std::log10(r.parallax / 1000.0) + 5.0;
        if (whiteDwarf && absMagnitude < kWhiteDwarfBrightest) {
            drop(10);
            continue;
        }
        std::string name;
        if (const auto p = properNames.find(r.hip); p != properNames.end())
            name = p->second;
        else if (const auto d = designations.find(r.hip); d != designations.end())
            name = d->second;
        std::string type(spectralType);
        std::replace(type.begin(), type.end(), ',', ';');
        rows.push_back({r.hip, name, r.v, bv, r.parallax, error->second, type, classification->luminosityClass,
            *temperature, from, absMagnitude});
        ++perClass[classification->luminosityClass];
    }
    std::sort(rows.begin(), rows.end(), [](const Row &a, const Row &b) { return a.hip < b.hip; });

    std::string out;
    out += "# Real stars for the diagram pictures, made by tools/diagram/make_real_stars from Debian's\n"
           "# stellarium-data 0.22.2 (stars/default: stars_0_0v0_8.cat, stars_1_0v0_8.cat, stars_2_0v0_8.cat,\n"
           "# stars_hip_sp_0v0_4.cat, hip_plx_err.dat, gcvs_hip_part.dat, name.fab; "
           "skycultures/western/star_names.fab),\n"
           "# the Hipparcos catalogue (ESA 1997) with the parallaxes of van Leeuwen (2007) for the bright stars.\n"
           "# Kept: a single Hipparcos entry, parallax error under 10 %, V <= 6.5 or parallax >= 40 mas (or a white\n"
           "# dwarf), no known variable of amplitude 0.5 mag or more, one clear luminosity class in the type.\n"
           "# teff_k: Ballesteros (2012, EPL 97, 34008), T = 4600 (1/(0.92 (B-V) + 1.7) + 1/(0.92 (B-V) + 0.62)),\n"
           "#   valid here for -0.10 <= B-V <= 1.40 (11573 K ... 3950 K); outside it (teff_from \"type\") the mean "
           "dwarf\n"
           "#   sequence of Pecaut & Mamajek (2013, ApJS 208, 9) by spectral type for classes V and IV; other stars\n"
           "#   outside the range are left out. White dwarfs: 50400 K / the index of the type (Sion et al. 1983,\n"
           "#   ApJ 269, 253) where the type has one, and no white dwarf brighter than mv 8.\n"
           "# mv: V + 5 log10(parallax in arcsec) + 5, no extinction correction.\n"
           "# class: V main sequence, IV subgiants, III giants, II bright giants, I supergiants, D white dwarfs.\n";
    out += "# " + std::to_string(rows.size()) + " stars:";
    for (const char *c : {"V", "IV", "III", "II", "I", "D"})
        out += std::string(" ") + c + " " + std::to_string(perClass[c]);
    out += "\nhip,name,v,b_v,parallax_mas,parallax_error_mas,spectral_type,class,teff_k,teff_from,mv\n";
    for (const Row &r : rows) {
        out += std::to_string(r.hip) + ',' + r.name + ',' + Fixed(r.v, 2) + ',' + Fixed(r.bv, 3) + ','
            + Fixed(r.parallax, 2) + ',' + Fixed(r.parallaxError, 4) + ',' + r.spectralType + ',' + r.luminosityClass
            + ',' + Fixed(r.temperature, 0) + ',' + r.temperatureFrom + ',' + Fixed(r.absMagnitude, 2) + '\n';
    }

    // Written beside the target and renamed over it, never left half-written.
    const fs::path partial = output.string() + ".part";
    {
        std::ofstream file(partial, std::ios::binary | std::ios::trunc);
        file.write(out.data(), static_cast<std::streamsize>(out.size()));
        file.close();
        if (!file)
            Fail(partial.string() + ": cannot be written");
    }
    std::error_code ec;
    fs::rename(partial, output, ec);
    if (ec)
        Fail(output.string() + ": " + ec.message());

    long total = 0;
    std::printf(
        "%zu catalogue records read, %zu stars written to %s\n", records.size(), rows.size(), output.string().c_str());
    for (const std::string &reason : reasons) {
        std::printf("%8ld left out: %s\n", dropped[reason], reason.c_str());
        total += dropped[reason];
    }
    std::printf("%8ld left out in all\n", total);
    return 0;
}
