#include "tools/diagram/star_sources.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <fstream>
#include <iterator>
#include <system_error>

namespace star_sources {
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
// A colour whose error moves the temperature by more than this share is too
// uncertain to place the star: 3 % is four to five columns of the pictures.
constexpr double kMaxColourTemperatureError = 0.03;
// O to B7 stars are bluer than B-V -0.10 (B8 V in the mean dwarf sequence):
// an observed B-V inside the colour relation's range is reddening, not
// temperature, so their temperature comes from the type.
constexpr double kFirstTypeByColour = 18; // B8
// No white dwarf is brighter than this (Mv); one that reads brighter has a
// type or a parallax that belongs to another star.
constexpr double kWhiteDwarfBrightest = 8.0;

// ------------------------------------------------------------ reading text

std::string readFile(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw SourceError(path.string() + ": cannot be read");
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        throw SourceError(path.string() + ": cannot be read");
    return text;
}

std::vector<std::string_view> lines(std::string_view text)
{
    std::vector<std::string_view> result;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        result.push_back(line);
        if (end == text.npos)
            break;
        text.remove_prefix(end + 1);
    }
    return result;
}

std::vector<std::string_view> split(std::string_view line, char separator)
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

// Blanks between fields of any width.
std::vector<std::string_view> words(std::string_view line)
{
    std::vector<std::string_view> result;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t')
            ++i;
        if (i > start)
            result.push_back(line.substr(start, i - start));
    }
    return result;
}

std::string_view trim(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

template <typename T> std::optional<T> number(std::string_view s)
{
    s = trim(s);
    if (!s.empty() && s.front() == '+')
        s.remove_prefix(1);
    T value {};
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (s.empty() || ec != std::errc() || end != s.data() + s.size())
        return std::nullopt;
    return value;
}

// "K5", "M1.5", "O9.5" as a type number (O0 = 0 ... M9.5 = 69.5); the
// luminosity class that may follow is not read.
std::optional<double> typeNumber(std::string_view text)
{
    static constexpr std::string_view letters = "OBAFGKM";
    if (text.size() < 2)
        return std::nullopt;
    const std::size_t letter = letters.find(text[0]);
    if (letter == letters.npos)
        return std::nullopt;
    std::size_t end = 1;
    while (end < text.size() && ((text[end] >= '0' && text[end] <= '9') || text[end] == '.'))
        ++end;
    const auto sub = number<double>(text.substr(1, end - 1));
    if (!sub || *sub < 0 || *sub >= 10)
        return std::nullopt;
    return 10.0 * static_cast<double>(letter) + *sub;
}

template <typename T> T little(const std::string &bytes, std::size_t at)
{
    T value = 0;
    for (std::size_t k = 0; k < sizeof(T); ++k)
        value |= static_cast<T>(static_cast<T>(static_cast<unsigned char>(bytes[at + k])) << (8 * k));
    return value;
}

void readStarFile(const fs::path &path, std::vector<CatalogueRecord> &records)
{
    const std::string bytes = readFile(path);
    if (bytes.size() < 32 || little<std::uint32_t>(bytes, 0) != 0x835F040Au || little<std::int32_t>(bytes, 4) != 0)
        throw SourceError(path.string() + ": not a star file of the expected kind (magic 0x835F040A, type 0)");
    const auto level = little<std::int32_t>(bytes, 16);
    const auto magMin = little<std::int32_t>(bytes, 20);
    const auto magRange = little<std::int32_t>(bytes, 24);
    const auto magSteps = little<std::int32_t>(bytes, 28);
    if (level < 0 || level > 8 || magSteps <= 0)
        throw SourceError(path.string() + ": implausible header");
    const std::size_t zones = 20u << (2 * level);
    std::size_t at = 32 + 4 * zones;
    if (bytes.size() < at)
        throw SourceError(path.string() + ": cut short in the zone counts");
    std::size_t count = 0;
    for (std::size_t z = 0; z < zones; ++z)
        count += little<std::uint32_t>(bytes, 32 + 4 * z);
    if (bytes.size() != at + 28 * count)
        throw SourceError(path.string() + ": its size does not match the zone counts");
    for (std::size_t n = 0; n < count; ++n, at += 28) {
        CatalogueRecord r;
        const auto word = little<std::uint32_t>(bytes, at);
        r.hip = word & 0xFFFFFFu;
        r.componentFlags = word >> 24;
        r.bvCode = static_cast<unsigned char>(bytes[at + 12]);
        const int magCode = static_cast<unsigned char>(bytes[at + 13]);
        r.v = (magMin + magCode * static_cast<double>(magRange) / magSteps) / 1000.0;
        r.spectralIndex = little<std::uint16_t>(bytes, at + 14);
        r.parallax = little<std::int32_t>(bytes, at + 24) / 100.0;
        records.push_back(r);
    }
}

// "HIP|designation" and "HIP|_("Proper Name") ..." files.
std::map<std::uint32_t, std::string> readNames(const fs::path &path, bool proper)
{
    std::map<std::uint32_t, std::string> names;
    const std::string text = readFile(path);
    for (std::string_view line : lines(text)) {
        if (line.empty() || line.front() == '#')
            continue;
        const std::size_t bar = line.find('|');
        const auto hip = bar == line.npos ? std::nullopt : number<std::uint32_t>(line.substr(0, bar));
        if (!hip)
            continue;
        std::string_view rest = trim(line.substr(bar + 1));
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

// A tab-separated file with a header line, as a list of its rows' fields.
std::vector<std::vector<std::string_view>> tableRows(const std::string &text, std::size_t columns, const fs::path &path)
{
    std::vector<std::vector<std::string_view>> rows;
    bool header = true;
    for (std::string_view line : lines(text)) {
        if (trim(line).empty())
            continue;
        if (header) {
            header = false;
            continue;
        }
        auto fields = split(line, '\t');
        if (fields.size() < columns)
            throw SourceError(path.string() + ": a row of fewer than " + std::to_string(columns) + " fields");
        rows.push_back(std::move(fields));
    }
    return rows;
}

double chebyshev(int k, double x)
{
    return std::cos(k * std::acos(std::clamp(x, -1.0, 1.0)));
}

} // namespace

// ------------------------------------------------------- the spectral type

std::optional<Classification> Classify(std::string_view sp)
{
    if (sp.empty() || sp.find(':') != sp.npos || sp.find('?') != sp.npos)
        return std::nullopt;
    // A "+" names a second spectrum ("G8III+A2V", "M1Ib + B2.5V", "K0III(+G)")
    // except right after the subtype ("K5+III"), in "Ia+" and in a
    // metallicity ("Fe+0.5").
    for (std::size_t k = sp.find('+'); k != sp.npos; k = sp.find('+', k + 1)) {
        const char before = k > 0 ? sp[k - 1] : ' ';
        const char after = k + 1 < sp.size() ? sp[k + 1] : ' ';
        const bool lateSubtype = before >= '0' && before <= '9' && (after == 'I' || after == 'V');
        const bool hypergiant = k >= 2 && sp.substr(k - 2, 2) == "Ia" && !(after >= 'A' && after <= 'Z');
        const bool metallicity = before == 'e' && ((after >= '0' && after <= '9') || after == '.');
        if (!lateSubtype && !hypergiant && !metallicity)
            return std::nullopt;
    }
    auto numberAt = [&sp](std::size_t &i) -> std::optional<double> {
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
        result.type = 0;
        if (i < sp.size() && sp[i] >= '0' && sp[i] <= '9') {
            const auto index = numberAt(i);
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
    auto subtype = numberAt(i);
    if (!subtype || *subtype >= 10)
        return std::nullopt;
    double sub = *subtype;
    // "K1/2" or "M1-M2": a range of subtypes within one letter; its middle.
    if (i + 1 < sp.size() && (sp[i] == '/' || sp[i] == '-')) {
        std::size_t j = i + 1;
        if (sp[j] == sp[0])
            ++j;
        if (j < sp.size() && sp[j] >= '0' && sp[j] <= '9') {
            const auto upper = numberAt(j);
            if (!upper || *upper >= 10)
                return std::nullopt;
            sub = (sub + *upper) / 2;
            i = j;
        }
    }
    result.type = 10.0 * static_cast<double>(letter) + sub;
    if (i < sp.size() && sp[i] == '+') // "K5+": a little later than K5
        ++i;
    while (i < sp.size() && sp[i] == ' ')
        ++i;

    // The luminosity class, the longest matching token first, with de Jager
    // & Nieuwenhuijzen's number for it.
    struct Token {
        std::string_view text;
        const char *group;
        double number;
    };
    static constexpr Token tokens[]
        = {{"III", "III", 3}, {"IV", "IV", 4}, {"II", "II", 2}, {"Iab", "I", 1.0}, {"Ia0", "I", 0}, {"Ia+", "I", 0},
            {"Ia", "I", 0.6}, {"Ib", "I", 1.4}, {"I", "I", 1.0}, {"0", "I", 0}, {"VI", nullptr, 0}, {"V", "V", 5}};
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
    double classNumber = found->number;
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
            classNumber = (classNumber + other->number) / 2;
            i += 1 + second;
        } else if (sp[i + 1] == 'a' || sp[i + 1] == 'b') {
            if (std::string_view(found->group) != "I")
                return std::nullopt; // "II/b"? not a class we know
        }
    }
    result.luminosityClass = found->group;
    result.classNumber = classNumber;
    return result;
}

// ------------------------------------------------ the temperature relations

double BallesterosTemperature(double bv)
{
    return 4600.0 * (1.0 / (0.92 * bv + 1.7) + 1.0 / (0.92 * bv + 0.62));
}

double WhiteDwarfTemperature(double index)
{
    return 50400.0 / index;
}

TypeScales::TypeScales(const fs::path &folder)
{
    // The dwarf sequence: "SpT Teff ..." rows, O3V ... M9.5V used; the table
    // ends at the first line that is no such row.
    const fs::path dwarfPath = folder / "dwarf-sequence" / "mean_dwarf_sequence_v2022.04.16.txt";
    const std::string dwarfText = readFile(dwarfPath);
    bool started = false;
    for (std::string_view line : lines(dwarfText)) {
        if (!line.empty() && line.front() == '#')
            continue;
        const auto fields = words(line);
        const bool row = fields.size() >= 2 && fields[0].size() >= 3 && fields[0].back() == 'V'
            && number<double>(fields[1]).has_value();
        if (!row) {
            if (started)
                break;
            continue;
        }
        started = true;
        if (const auto type = typeNumber(fields[0].substr(0, fields[0].size() - 1)))
            m_dwarfs.push_back({*type, *number<double>(fields[1])});
    }
    if (m_dwarfs.size() < 50)
        throw SourceError(dwarfPath.string() + ": fewer than 50 dwarf types O ... M read");

    const fs::path alonsoPath = folder / "alonso1999_giants_table1.tsv";
    const std::string alonsoText = readFile(alonsoPath);
    for (const auto &f : tableRows(alonsoText, 2, alonsoPath)) {
        const auto type = typeNumber(f[0]);
        const auto teff = number<double>(f[1]);
        if (!type || !teff || !trim(f[0]).ends_with("III"))
            throw SourceError(alonsoPath.string() + ": a row without a class III type and a temperature");
        m_alonso.push_back({*type, *teff});
    }

    const fs::path stretchPath = folder / "dj87_s_of_spectral_type.tsv";
    const std::string stretchText = readFile(stretchPath);
    for (const auto &f : tableRows(stretchText, 4, stretchPath)) {
        const auto from = typeNumber(f[0]);
        // "M10" is the end of the last stretch: one past M9.5.
        const auto to = trim(f[1]) == "M10" ? std::optional<double>(70) : typeNumber(f[1]);
        const auto fromS = number<double>(f[2]), toS = number<double>(f[3]);
        if (!from || !to || !fromS || !toS || !(*to > *from))
            throw SourceError(stretchPath.string() + ": a stretch that cannot be read");
        m_stretches.push_back({*from, *to, *fromS, *toS});
    }

    const fs::path coefficientPath = folder / "dj87_coefficients.tsv";
    const std::string coefficientText = readFile(coefficientPath);
    for (const auto &f : tableRows(coefficientText, 4, coefficientPath)) {
        const auto i = number<int>(f[0]), j = number<int>(f[1]);
        const auto d = number<double>(f[3]);
        if (!i || !j || !d)
            throw SourceError(coefficientPath.string() + ": a coefficient that cannot be read");
        m_logTeffCoefficients[{*i, *j}] = *d;
    }
    if (m_alonso.size() < 10 || m_stretches.empty() || m_logTeffCoefficients.size() != 20)
        throw SourceError(folder.string() + ": the giant scales are incomplete");
}

std::optional<double> TypeScales::interpolate(const std::vector<Point> &points, double type)
{
    for (std::size_t k = 0; k < points.size(); ++k) {
        if (points[k].type == type)
            return points[k].temperature;
        if (k + 1 < points.size() && points[k].type < type && type < points[k + 1].type) {
            const double f = (type - points[k].type) / (points[k + 1].type - points[k].type);
            return points[k].temperature + f * (points[k + 1].temperature - points[k].temperature);
        }
    }
    return std::nullopt;
}

std::optional<double> TypeScales::Dwarf(double type) const
{
    return interpolate(m_dwarfs, type);
}

TypeScales::Bin TypeScales::TypeBin(double type, bool dwarfRows) const
{
    double before = std::floor(type), after = std::ceil(type);
    if (before == type)
        --before;
    if (after == type)
        ++after;
    if (dwarfRows) {
        // The nearest rows on either side; beyond the table's ends, the
        // whole subtype.
        const auto next = std::upper_bound(
            m_dwarfs.begin(), m_dwarfs.end(), type, [](double t, const Point &p) { return t < p.type; });
        const auto at = std::lower_bound(
            m_dwarfs.begin(), m_dwarfs.end(), type, [](const Point &p, double t) { return p.type < t; });
        if (at != m_dwarfs.begin())
            before = std::prev(at)->type;
        if (next != m_dwarfs.end())
            after = next->type;
    }
    return {(before + type) / 2, (type + after) / 2};
}

std::optional<double> TypeScales::spectralNumber(double type) const
{
    for (const Stretch &s : m_stretches)
        if (type >= s.fromType && type <= s.toType)
            return s.fromS + (type - s.fromType) * (s.toS - s.fromS) / (s.toType - s.fromType);
    return std::nullopt;
}

std::optional<double> TypeScales::DeJager(double type, double classNumber) const
{
    const auto s = spectralNumber(type);
    if (!s)
        return std::nullopt;
    const double x = (*s - 4.25) / 4.25, y = (classNumber - 2.5) / 2.5;
    double logTeff = 0;
    for (const auto &[ij, d] : m_logTeffCoefficients)
        logTeff += d * chebyshev(ij.first, x) * chebyshev(ij.second, y);
    return std::pow(10.0, logTeff);
}

// The scale for giants, bright giants and supergiants, joined from two:
// - F0 ... K5: Alonso et al. (1999) for class III; the other classes
//   differ from it as de Jager & Nieuwenhuijzen's do from their class III.
// - before F0 (the O and B stars): de Jager & Nieuwenhuijzen by type and class.
// - M0 ... M5: de Jager & Nieuwenhuijzen's class III raised by 5 %, for
//   every class. Their relation runs 3 to 9 % cool for the M giants and M
//   supergiants whose temperatures were measured (Betelgeuse, Antares,
//   beta Pegasi, Gacrux), and its class term makes an M2 Ia star 600 K
//   cooler than an M2 III star where the measured red supergiants are not.
// - K5 ... M0: straight between the two.
// After M5 the relation turns (it warms again at M6) and nothing is given.
std::optional<double> TypeScales::Giant(double type, double classNumber) const
{
    constexpr double kK5 = 55, kM0 = 60, kM5 = 65;
    constexpr double kMRaise = 1.05;
    auto alonsoBased = [this, classNumber](double t) -> std::optional<double> {
        const auto alonso = interpolate(m_alonso, t);
        const auto own = DeJager(t, classNumber), giant = DeJager(t, 3);
        if (!alonso || !own || !giant)
            return std::nullopt;
        return *alonso * *own / *giant;
    };
    auto mType = [this, kMRaise](double t) -> std::optional<double> {
        const auto giant = DeJager(t, 3);
        return giant ? std::optional<double>(kMRaise * *giant) : std::nullopt;
    };
    if (type < m_alonso.front().type)
        return DeJager(type, classNumber);
    if (type <= kK5)
        return alonsoBased(type);
    if (type < kM0) {
        const auto k5 = alonsoBased(kK5), m0 = mType(kM0);
        if (!k5 || !m0)
            return std::nullopt;
        return *k5 + (type - kK5) / (kM0 - kK5) * (*m0 - *k5);
    }
    if (type <= kM5)
        return mType(type);
    return std::nullopt;
}

// ------------------------------------------------------------- the records

Stellarium::Stellarium(const fs::path &share)
{
    const fs::path stars = share / "stars" / "default";
    for (const char *file : {"stars_0_0v0_8.cat", "stars_1_0v0_8.cat", "stars_2_0v0_8.cat"})
        readStarFile(stars / file, records);
    for (const CatalogueRecord &r : records)
        ++entries[r.hip];

    const std::string spectralText = readFile(stars / "stars_hip_sp_0v0_4.cat");
    for (std::string_view line : lines(spectralText))
        spectralTypes.emplace_back(trim(line));

    const std::string errorText = readFile(stars / "hip_plx_err.dat");
    for (std::string_view line : lines(errorText)) {
        if (line.empty() || line.front() == '#')
            continue;
        const auto fields = split(trim(line), '\t');
        const auto hip = fields.size() == 2 ? number<std::uint32_t>(fields[0]) : std::nullopt;
        const auto error = fields.size() == 2 ? number<double>(fields[1]) : std::nullopt;
        if (hip && error)
            parallaxErrors[*hip] = *error;
    }

    // Variables: HIP, designation, type, maximum, a flag (0: the next field is
    // the minimum, 1: it is the amplitude, 2: the minimum is fainter than it), ...
    const std::string variableText = readFile(stars / "gcvs_hip_part.dat");
    for (std::string_view line : lines(variableText)) {
        const auto fields = split(line, '\t');
        if (fields.size() < 6)
            continue;
        const auto hip = number<std::uint32_t>(fields[0]);
        if (!hip)
            continue;
        const auto maximum = number<double>(fields[3]);
        const auto minimum = number<double>(fields[5]);
        double amplitude = HUGE_VAL; // unknown: not to be trusted
        if (minimum && fields[4] == "1")
            amplitude = *minimum;
        else if (minimum && maximum)
            amplitude = *minimum - *maximum;
        if (trim(fields[2]).starts_with('M')) // Miras
            amplitude = HUGE_VAL;
        amplitudes[*hip] = amplitude;
    }

    properNames = readNames(share / "skycultures" / "western" / "star_names.fab", true);
    designations = readNames(stars / "name.fab", false);
}

std::string_view Stellarium::SpectralType(const CatalogueRecord &record) const
{
    return record.spectralIndex < spectralTypes.size() ? std::string_view(spectralTypes[record.spectralIndex])
                                                       : std::string_view();
}

std::map<std::uint32_t, HipparcosEntry> ReadHipparcos(const fs::path &path)
{
    std::map<std::uint32_t, HipparcosEntry> entries;
    const std::string text = readFile(path);
    int lineNumber = 0;
    for (std::string_view line : lines(text)) {
        ++lineNumber;
        if (trim(line).empty())
            continue;
        // Field Hn is the n-th after the leading "H".
        const auto f = split(line, '|');
        const auto hip = f.size() >= 78 ? number<std::uint32_t>(f[1]) : std::nullopt;
        if (!hip || trim(f[0]) != "H")
            throw SourceError(path.string() + ':' + std::to_string(lineNumber) + ": not a Hipparcos main record");
        HipparcosEntry entry;
        entry.v = number<double>(f[5]);
        entry.variability = number<int>(f[6]).value_or(0);
        entry.parallax = number<double>(f[11]);
        entry.parallaxError = number<double>(f[16]);
        entry.multiplicity = std::string(trim(f[59]));
        entry.bv = number<double>(f[37]);
        entry.bvError = number<double>(f[38]);
        entry.spectralType = std::string(trim(f[76]));
        entries[*hip] = entry;
    }
    return entries;
}

// ---------------------------------------------------------- the selection

Temperature TemperatureOf(
    const Classification &classification, double bv, std::optional<double> bvError, const TypeScales &scales)
{
    const bool whiteDwarf = classification.luminosityClass == "D";
    auto byType = [&]() { return TypeTemperature(classification, classification.type, scales); };
    Temperature result;
    result.readAt = classification.type;
    if (whiteDwarf && classification.type > 0) {
        // The white dwarf's type gives its temperature directly; the B-V of
        // these faint stars is poor.
        result.kelvin = WhiteDwarfTemperature(classification.type);
        return result;
    }
    const bool colourUsable
        = bv >= kBvLow && bv <= kBvHigh && (whiteDwarf || classification.type >= kFirstTypeByColour);
    if (!colourUsable) {
        result.kelvin = byType();
        return result;
    }
    const double t = BallesterosTemperature(bv);
    if (bvError) {
        const double spread = std::max(
            std::fabs(BallesterosTemperature(bv - *bvError) - t), std::fabs(BallesterosTemperature(bv + *bvError) - t));
        result.colourTooUncertain = spread > kMaxColourTemperatureError * t;
    }
    if (result.colourTooUncertain) {
        result.kelvin = byType();
    } else {
        result.kelvin = t;
        result.from = "B-V";
        result.readAt = bv;
    }
    return result;
}

std::optional<double> TypeTemperature(const Classification &classification, double type, const TypeScales &scales)
{
    const std::string &luminosityClass = classification.luminosityClass;
    if (luminosityClass == "V" || luminosityClass == "IV")
        return scales.Dwarf(type);
    if (luminosityClass == "III" || luminosityClass == "II" || luminosityClass == "I")
        return scales.Giant(type, classification.classNumber);
    return std::nullopt;
}

std::vector<std::string> DropReasons(Brightness brightness)
{
    return {
        "no Hipparcos number",
        "a component solution (the number occurs more than once, or component flags)",
        "missing or non-positive parallax",
        "no parallax error in hip_plx_err.dat",
        "parallax error 10 % of the parallax or more",
        brightness == Brightness::NakedEyeOrNear
            ? "fainter than V 6.5 and farther than 25 pc (not a white dwarf)"
            : "in the pictures' own selection (V 6.5 or brighter, within 25 pc, or a white dwarf)",
        "missing V or B-V (B-V at the end of the code range)",
        "known variable: amplitude 0.5 mag or more or a Mira (GCVS), or over 0.6 mag (Hipparcos)",
        "spectral type without one clear luminosity class",
        "B-V error moves the temperature by more than 3 % and no scale covers the type",
        "no temperature: B-V outside -0.10 ... 1.40 and no scale covers the type and class",
        "white dwarf type with an absolute magnitude brighter than 8 (type and parallax disagree)",
    };
}

std::vector<Star> SelectStars(const Stellarium &stellarium, const std::map<std::uint32_t, HipparcosEntry> &hipparcos,
    const TypeScales &scales, Brightness brightness, std::vector<long> &dropped)
{
    dropped.assign(DropReasons(brightness).size(), 0);
    std::vector<Star> stars;
    for (const CatalogueRecord &r : stellarium.records) {
        auto drop = [&dropped](std::size_t reason) { ++dropped.at(reason); };
        if (r.hip == 0) {
            drop(0);
            continue;
        }
        if (stellarium.entries.at(r.hip) > 1 || r.componentFlags != 0) {
            drop(1);
            continue;
        }
        if (!(r.parallax > 0)) {
            drop(2);
            continue;
        }
        const auto error = stellarium.parallaxErrors.find(r.hip);
        if (error == stellarium.parallaxErrors.end()) {
            drop(3);
            continue;
        }
        if (!(error->second < kMaxRelativeParallaxError * r.parallax)) {
            drop(4);
            continue;
        }
        // V and B-V of the Hipparcos catalogue where the excerpt has them
        // (to 0.01 and 0.001 mag), else the package's (0.05 and 0.0315 mag steps).
        const auto found = hipparcos.find(r.hip);
        const HipparcosEntry *entry = found != hipparcos.end() ? &found->second : nullptr;
        const bool photometry = entry && entry->v && entry->bv;
        const double v = photometry ? *entry->v : r.v;
        // stellarium-data's type, or the Hipparcos catalogue's where that has
        // no single luminosity class.
        std::string_view spectralType = stellarium.SpectralType(r);
        auto classification = Classify(spectralType);
        if (!classification && entry && Classify(entry->spectralType)) {
            spectralType = entry->spectralType;
            classification = Classify(spectralType);
        }
        const bool whiteDwarf = classification && classification->luminosityClass == "D";
        const bool shown = v <= kNakedEyeLimit || r.parallax >= kNeighbourParallax || whiteDwarf;
        if (shown != (brightness == Brightness::NakedEyeOrNear)) {
            drop(5);
            continue;
        }
        if (!photometry && (r.bvCode <= 0 || r.bvCode >= 127)) {
            drop(6);
            continue;
        }
        const auto amplitude = stellarium.amplitudes.find(r.hip);
        if ((amplitude != stellarium.amplitudes.end() && !(amplitude->second < kMaxAmplitude))
            || (entry && entry->variability == 3)) {
            drop(7);
            continue;
        }
        if (!classification) {
            drop(8);
            continue;
        }
        const double bv = photometry ? *entry->bv : r.bvCode * 4.0 / 127.0 - 0.5;
        const std::optional<double> bvError = photometry ? entry->bvError : std::nullopt;

        const Temperature temperature = TemperatureOf(*classification, bv, bvError, scales);
        if (!temperature.kelvin) {
            drop(temperature.colourTooUncertain ? 9 : 10);
            continue;
        }
        const double absMagnitude = v + 5.0 * std::log10(r.parallax / 1000.0) + 5.0;
        if (whiteDwarf && absMagnitude < kWhiteDwarfBrightest) {
            drop(11);
            continue;
        }
        Star star;
        star.hip = r.hip;
        if (const auto p = stellarium.properNames.find(r.hip); p != stellarium.properNames.end())
            star.name = p->second;
        else if (const auto d = stellarium.designations.find(r.hip); d != stellarium.designations.end())
            star.name = d->second;
        star.v = v;
        star.bv = bv;
        star.bvError = bvError;
        star.hipparcosPhotometry = photometry;
        star.parallax = r.parallax;
        star.parallaxError = error->second;
        star.spectralType = std::string(spectralType);
        star.classification = *classification;
        star.temperature = *temperature.kelvin;
        star.temperatureFrom = temperature.from;
        star.readAt = temperature.readAt;
        star.colourTooUncertain = temperature.colourTooUncertain;
        star.absMagnitude = absMagnitude;
        stars.push_back(std::move(star));
    }
    std::sort(stars.begin(), stars.end(), [](const Star &a, const Star &b) { return a.hip < b.hip; });
    return stars;
}

Placement PlaceWithinBins(std::vector<Star> &stars, const TypeScales &scales)
{
    // A bin: what the star's place was read from (its type and class, or
    // its stored B-V), and what orders the stars inside it.
    enum class Order { Bv, Magnitude, SteppedByMagnitude };
    struct Bin {
        std::string luminosityClass;
        double readAt, classNumber;
        Order order;
        auto operator<=>(const Bin &) const = default;
    };
    std::map<Bin, std::vector<Star *>> bins;
    Placement placement;
    for (Star &star : stars) {
        const Classification &c = star.classification;
        const bool byType = std::string_view(star.temperatureFrom) == "type";
        const bool mainSequence = c.luminosityClass == "V";
        const bool orderingColour = star.hipparcosPhotometry && !star.colourTooUncertain && star.bvError
            && *star.bvError <= kMaxOrderingBvError;
        std::optional<Order> order;
        if (byType && c.luminosityClass != "D")
            order = orderingColour ? std::optional(Order::Bv)
                : mainSequence     ? std::optional(Order::Magnitude)
                                   : std::nullopt;
        else if (!byType && !star.hipparcosPhotometry && mainSequence)
            order = Order::SteppedByMagnitude;
        if (order)
            bins[{c.luminosityClass, star.readAt, c.classNumber, *order}].push_back(&star);
        else
            placement.byTypeAtType += byType;
    }

    constexpr double kBvStep = 4.0 / 127.0;
    for (auto &[bin, members] : bins) {
        const bool stepped = bin.order == Order::SteppedByMagnitude;
        const Classification &c = members.front()->classification;
        auto temperatureAt = [&](double at) -> std::optional<double> {
            if (stepped)
                return at >= kBvLow && at <= kBvHigh ? std::optional(BallesterosTemperature(at)) : std::nullopt;
            return TypeTemperature(c, at, scales);
        };
        // The subtype's bin (half a step on either side of a stored B-V), as
        // far as the scale or the colour relation reaches.
        const TypeScales::Bin whole = stepped
            ? TypeScales::Bin {bin.readAt - kBvStep / 2, bin.readAt + kBvStep / 2}
            : scales.TypeBin(
                bin.readAt, bin.readAt < kFirstTypeByColour && (c.luminosityClass == "V" || c.luminosityClass == "IV"));
        const double from = temperatureAt(whole.from) ? whole.from : bin.readAt;
        const double to = temperatureAt(whole.to) ? whole.to : bin.readAt;
        // Hotter first: the bluer B-V, the brighter Mv; hotter is the earlier
        // type and the bluer colour alike.
        auto key = [&bin](const Star *s) { return bin.order == Order::Bv ? s->bv : s->absMagnitude; };
        std::stable_sort(
            members.begin(), members.end(), [&key](const Star *a, const Star *b) { return key(a) < key(b); });
        const double n = static_cast<double>(members.size());
        for (std::size_t first = 0; first < members.size();) {
            std::size_t last = first;
            while (last + 1 < members.size() && key(members[last + 1]) == key(members[first]))
                ++last;
            const double rank = (static_cast<double>(first) + static_cast<double>(last)) / 2;
            const double at = from + (rank + 0.5) / n * (to - from);
            for (std::size_t k = first; k <= last; ++k) {
                Star &star = *members[k];
                if (const auto t = temperatureAt(at)) {
                    star.readAt = at;
                    star.temperature = *t;
                }
            }
            first = last + 1;
        }
        int &count = bin.order == Order::Bv ? placement.byBv
            : bin.order == Order::Magnitude ? placement.byMagnitude
                                            : placement.steppedByMagnitude;
        count += static_cast<int>(members.size());
    }
    return placement;
}

} // namespace star_sources
