// Makes the table of real stars that the diagram pictures are drawn from,
// real_stars.csv: the Hipparcos stars of Debian's stellarium-data package
// (with the 2007 parallaxes), their V and B-V from the Hipparcos main
// catalogue where its excerpt has them, temperatures from the colour or, where
// the colour cannot give one, from the spectral type, each such star placed
// inside the bin of its type by data of its own. It reads data files
// only. Run by hand when the table is to be made again (see README.md beside
// this file); the build reads the committed table, never the sources.
//
// Usage: make_real_stars <stellarium data folder> <hip_main.dat> <teff-scales folder> <output csv>
//   the data folder is usr/share/stellarium of the unpacked package; hip_main.dat
//   is the catalogue or an excerpt of it, unpacked.
#include "tools/diagram/star_sources.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace star_sources;

[[noreturn]] void Fail(const std::string &text)
{
    std::fprintf(stderr, "make_real_stars: %s\n", text.c_str());
    std::exit(1);
}

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

// Where a star's temperature is read: the B-V, or the type between
// subtypes ("K4.62"; "D2.00" for a white dwarf's index).
std::string ReadAt(const Star &star)
{
    if (std::string_view(star.temperatureFrom) == "B-V")
        return Fixed(star.readAt, 3);
    if (star.classification.luminosityClass == "D")
        return "D" + Fixed(star.readAt, 2);
    const int letter = std::clamp(static_cast<int>(star.readAt / 10), 0, 6);
    return std::string(1, "OBAFGKM"[letter]) + Fixed(star.readAt - 10.0 * letter, 2);
}

// The temperature the giant scale gives for a type, read as its first
// spectrum; "II-III" as de Jager & Nieuwenhuijzen's class number 2.5.
std::string ScaleTemperature(const TypeScales &scales, std::string type)
{
    for (std::size_t k = type.find('+'); k != type.npos; k = type.find('+', k + 1)) {
        const std::size_t next = type.find_first_not_of(' ', k + 1);
        if (next != type.npos && std::string_view("OBAFGKM").find(type[next]) != std::string_view::npos) {
            type.erase(k);
            break;
        }
    }
    while (!type.empty() && type.back() == ' ')
        type.pop_back();
    std::optional<Classification> c = Classify(type);
    if (const std::size_t at = type.find("II-III"); !c && at != type.npos) {
        c = Classify(type.substr(0, at) + "III");
        if (c)
            c->classNumber = 2.5;
    }
    const auto t = c ? scales.Giant(c->type, c->classNumber) : std::nullopt;
    return type + " " + (t ? Fixed(*t, 0) + " K" : std::string("(no class)"));
}

// The well-known cool giants and supergiants the scale is checked against,
// with the types of both sources, and where the table places those it has.
void PrintScaleCheck(const Stellarium &stellarium, const std::map<std::uint32_t, HipparcosEntry> &hipparcos,
    const TypeScales &scales, const std::vector<Star> &stars)
{
    std::printf("The giant scale for the types of stellarium-data; of the Hipparcos catalogue; in the table:\n");
    const std::pair<std::uint32_t, const char *> checks[] = {{21421, "Aldebaran"}, {69673, "Arcturus"},
        {27989, "Betelgeuse"}, {80763, "Antares"}, {113881, "beta Peg"}, {61084, "Gacrux"}};
    for (const auto &[hip, name] : checks) {
        std::string stellariumType;
        for (const CatalogueRecord &r : stellarium.records)
            if (r.hip == hip && !stellarium.SpectralType(r).empty())
                stellariumType = stellarium.SpectralType(r);
        const auto entry = hipparcos.find(hip);
        const std::string hipparcosType = entry == hipparcos.end() ? std::string() : entry->second.spectralType;
        const auto row = std::find_if(stars.begin(), stars.end(), [hip](const Star &s) { return s.hip == hip; });
        const std::string placed = row == stars.end()
            ? std::string("not in the table")
            : Fixed(row->temperature, 0) + " K (" + row->temperatureFrom + " at " + ReadAt(*row) + ")";
        std::printf("  %-10s %s; %s; %s\n", name, ScaleTemperature(scales, stellariumType).c_str(),
            ScaleTemperature(scales, hipparcosType).c_str(), placed.c_str());
    }
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 5) {
        std::fprintf(stderr,
            "usage: make_real_stars <stellarium data folder> <hip_main.dat> <teff-scales folder> <output csv>\n");
        return 2;
    }
    const fs::path output = argv[4];
    std::vector<Star> stars;
    std::vector<long> dropped;
    const std::vector<std::string> reasons = DropReasons(Brightness::NakedEyeOrNear);
    std::size_t records = 0;
    Placement placement;
    try {
        const Stellarium stellarium(argv[1]);
        const auto hipparcos = ReadHipparcos(argv[2]);
        const TypeScales scales(argv[3]);
        stars = SelectStars(stellarium, hipparcos, scales, Brightness::NakedEyeOrNear, dropped);
        placement = PlaceWithinBins(stars, scales);
        records = stellarium.records.size();
        PrintScaleCheck(stellarium, hipparcos, scales, stars);
    } catch (const SourceError &error) {
        Fail(error.what());
    }

    std::map<std::string, int> perClass;
    int hipparcosPhotometry = 0;
    std::map<std::string, int> byType;
    for (const Star &s : stars) {
        ++perClass[s.classification.luminosityClass];
        hipparcosPhotometry += s.hipparcosPhotometry;
        if (std::string(s.temperatureFrom) == "type")
            ++byType[s.classification.luminosityClass];
    }

    std::string out;
    out += "# Real stars for the diagram pictures, made by tools/diagram/make_real_stars from Debian's\n"
           "# stellarium-data 0.22.2 (stars/default: stars_0_0v0_8.cat, stars_1_0v0_8.cat, stars_2_0v0_8.cat,\n"
           "# stars_hip_sp_0v0_4.cat, hip_plx_err.dat, gcvs_hip_part.dat, name.fab; "
           "skycultures/western/star_names.fab):\n"
           "# the Hipparcos catalogue (ESA 1997) with the parallaxes of van Leeuwen (2007) for the bright stars;\n"
           "# v, b_v and b_v_error from the Hipparcos main catalogue (ESA 1997, fields H5, H37, H38) where its\n"
           "# excerpt to V 6.6 has them (photometry \"Hipparcos\"), else stellarium-data's (\"stellarium\", V in\n"
           "# steps of 0.05 mag, B-V in steps of 0.0315 mag, no error).\n"
           "# Kept: a single Hipparcos entry, parallax error under 10 %, V <= 6.5 or parallax >= 40 mas (or a white\n"
           "# dwarf), no known variable of amplitude 0.5 mag or more, one clear luminosity class in the type.\n"
           "# teff_k from \"B-V\": Ballesteros (2012, EPL 97, 34008), T = 4600 (1/(0.92 (B-V) + 1.7) + 1/(0.92 (B-V)"
           " + 0.62)),\n"
           "#   for -0.10 <= B-V <= 1.40 when the B-V error moves T by 3 % or less.\n"
           "# teff_k from \"type\": classes V and IV the mean dwarf sequence (Pecaut & Mamajek 2013, ApJS 208, 9;\n"
           "#   E. Mamajek's table v2022.04.16); classes III, II and I Alonso et al. (1999, A&AS 140, 261) for\n"
           "#   F0-K5 and de Jager & Nieuwenhuijzen (1987, A&A 177, 217) for O-B and, raised by 5 %, M0-M5\n"
           "#   (tools/diagram/README.md); white dwarfs 50400 K / the index of the type (Sion et al. 1983,\n"
           "#   ApJ 269, 253), and no white dwarf brighter than mv 8.\n"
           "# teff_read_at: where the relation or the scale was read. A type is a bin one subtype wide (O-B7,\n"
           "#   classes V and IV: halfway to the dwarf sequence's neighbouring rows), stellarium-data's B-V one\n"
           "#   4/127 mag wide;\n"
           "#   inside it the stars of one type and class are ranked, hotter first, by their Hipparcos B-V (error\n"
           "#   0.05 mag or less), else, class V, by mv, and stellarium-data's B-V by mv (class V), and read at\n"
           "#   the bin's start + (rank + 1/2) / count of its width (tools/diagram/README.md).\n"
           "# mv: V + 5 log10(parallax in arcsec) + 5, no extinction correction.\n"
           "# class: V main sequence, IV subgiants, III giants, II bright giants, I supergiants, D white dwarfs.\n";
    out += "# " + std::to_string(stars.size()) + " stars:";
    for (const char *c : {"V", "IV", "III", "II", "I", "D"})
        out += std::string(" ") + c + " " + std::to_string(perClass[c]);
    out += "\nhip,name,v,b_v,b_v_error,photometry,parallax_mas,parallax_error_mas,spectral_type,class,teff_k,"
           "teff_from,teff_read_at,mv\n";
    for (const Star &s : stars) {
        std::string type = s.spectralType;
        std::replace(type.begin(), type.end(), ',', ';');
        out += std::to_string(s.hip) + ',' + s.name + ',' + Fixed(s.v, 2) + ',' + Fixed(s.bv, 3) + ','
            + (s.bvError ? Fixed(*s.bvError, 3) : std::string()) + ','
            + (s.hipparcosPhotometry ? "Hipparcos" : "stellarium") + ',' + Fixed(s.parallax, 2) + ','
            + Fixed(s.parallaxError, 4) + ',' + type + ',' + s.classification.luminosityClass + ','
            + Fixed(s.temperature, 0) + ',' + s.temperatureFrom + ',' + ReadAt(s) + ',' + Fixed(s.absMagnitude, 2)
            + '\n';
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
        "%zu catalogue records read, %zu stars written to %s\n", records, stars.size(), output.string().c_str());
    std::printf("  by class:");
    for (const char *c : {"V", "IV", "III", "II", "I", "D"})
        std::printf(" %s %d (%d by type)", c, perClass[c], byType[c]);
    std::printf("\n  V and B-V from the Hipparcos catalogue: %d; from stellarium-data: %zu\n", hipparcosPhotometry,
        stars.size() - static_cast<std::size_t>(hipparcosPhotometry));
    std::printf("  placed inside their bin by B-V: %d, by Mv: %d; by stepped B-V, placed by Mv: %d;"
                " by type, at their type: %d\n",
        placement.byBv, placement.byMagnitude, placement.steppedByMagnitude, placement.byTypeAtType);
    for (std::size_t k = 0; k < reasons.size(); ++k) {
        std::printf("%8ld left out: %s\n", dropped[k], reasons[k].c_str());
        total += dropped[k];
    }
    std::printf("%8ld left out in all\n", total);
    return 0;
}
