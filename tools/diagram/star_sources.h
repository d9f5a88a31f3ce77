// The sources the table of real stars is made from, read and turned into
// stars: the Hipparcos star records of Debian's stellarium-data (with the
// 2007 parallaxes), the Hipparcos main catalogue excerpt (V and B-V to 0.001
// mag with their errors), the luminosity class read from the spectral type,
// and the temperature relations and scales by colour and by type. Used by
// make_real_stars, which writes real_stars.csv, and by
// measure_picture_coverage, which measures the pictures against real stars
// that are not in that table. Plain C++; failures throw SourceError.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace star_sources {

class SourceError : public std::runtime_error {
    using runtime_error::runtime_error;
};

// ------------------------------------------------------- the spectral type

struct Classification {
    std::string luminosityClass; // V, IV, III, II, I or D
    // O0 = 0, B0 = 10, A0 = 20, F0 = 30, G0 = 40, K0 = 50, M0 = 60 (M9.5 = 69.5);
    // the temperature index for D (0 if the type has none).
    double type = -1;
    // The luminosity class as de Jager & Nieuwenhuijzen (1987) number it:
    // V 5, IV 4, III 3, II 2, Ib 1.4, Iab 1.0, Ia 0.6, Ia+ 0; the middle of
    // a range such as Ia-Iab; a plain "I" as Iab.
    double classNumber = 0;
};

// The luminosity class of a type such as "K1/2III", "B8IVn", "A0Va",
// "M1-M2Ia-Iab", "K5+III" (a little later than K5) or "DA2", or nothing when
// it has none, when it is uncertain (":", "?"), composite ("M1Ib + B2.5V",
// "G8III+A2V") or straddles two groups ("IV-V", "K0III/IV").
std::optional<Classification> Classify(std::string_view spectralType);

// ------------------------------------------------ the temperature relations

// Ballesteros (2012, EPL 97, 34008): temperature from B-V, used for
// kBvLow <= B-V <= kBvHigh, where B-V follows temperature.
inline constexpr double kBvLow = -0.10;
inline constexpr double kBvHigh = 1.40;
double BallesterosTemperature(double bv);

// White dwarfs: 50400 K divided by the temperature index of the type
// (Sion et al. 1983, ApJ 269, 253).
double WhiteDwarfTemperature(double index);

// The temperature scales by spectral type, read from the files of the
// teff-scales folder (see README.md beside this file).
class TypeScales {
public:
    // Reads <folder>/dwarf-sequence/mean_dwarf_sequence_v2022.04.16.txt,
    // <folder>/alonso1999_giants_table1.tsv and the dj87_*.tsv files.
    explicit TypeScales(const std::filesystem::path &folder);

    // The mean dwarf sequence (E. Mamajek's table, v2022.04.16; Pecaut &
    // Mamajek 2013, ApJS 208, 9), interpolated between its subtypes.
    std::optional<double> Dwarf(double type) const;
    // Giants, bright giants and supergiants (class number 3 ... 0): see
    // README.md. Nothing for types no scale covers (before O1, after M5).
    std::optional<double> Giant(double type, double classNumber) const;
    // de Jager & Nieuwenhuijzen (1987), the 20-term Chebyshev sum, O1 ... M10.
    std::optional<double> DeJager(double type, double classNumber) const;
    // The stretch of types a type stands for: from halfway to the subtype
    // before it to halfway to the one after it, on a grid of whole subtypes
    // or on the finer grid of the dwarf sequence's rows (half subtypes for
    // O, B0 ... B2.5, B9.5, F9.5 and M). K5 is K4.5 ... K5.5 and K1.5
    // K1.25 ... K1.75 on the whole grid; B1 is B0.75 ... B1.25 on the rows.
    struct Bin {
        double from, to;
    };
    Bin TypeBin(double type, bool dwarfRows) const;

private:
    struct Point {
        double type, temperature;
    };
    static std::optional<double> interpolate(const std::vector<Point> &points, double type);
    std::optional<double> spectralNumber(double type) const;

    std::vector<Point> m_dwarfs;
    std::vector<Point> m_alonso; // class III, F0 ... K5
    struct Stretch {
        double fromType, toType, fromS, toS;
    };
    std::vector<Stretch> m_stretches;
    std::map<std::pair<int, int>, double> m_logTeffCoefficients;
};

// ------------------------------------------------------------- the records

// One star record of stellarium-data's star files.
struct CatalogueRecord {
    std::uint32_t hip = 0; // 0: no Hipparcos number
    std::uint32_t componentFlags = 0;
    int bvCode = 0; // B-V = code * 4 / 127 - 0.5
    double v = 0; // in steps of 0.05 mag
    std::uint16_t spectralIndex = 0;
    double parallax = 0; // mas, the 2007 reduction's for the bright stars
};

// One record of the Hipparcos main catalogue (ESA 1997); fields left blank
// there are empty here.
struct HipparcosEntry {
    std::optional<double> v; // H5
    std::optional<double> parallax, parallaxError; // H11, H16, mas (the 1997 reduction)
    std::string multiplicity; // H59: C component solution, G, O, V, X, or empty
    std::optional<double> bv, bvError; // H37, H38
    int variability = 0; // H6: 1 under 0.06 mag, 2 0.06 ... 0.6, 3 over 0.6
    std::string spectralType; // H76
};

// Everything read from stellarium-data (its usr/share/stellarium folder).
struct Stellarium {
    explicit Stellarium(const std::filesystem::path &share);
    std::vector<CatalogueRecord> records;
    std::map<std::uint32_t, int> entries; // records per Hipparcos number
    std::vector<std::string> spectralTypes;
    std::map<std::uint32_t, double> parallaxErrors;
    // Known variables: amplitude in V (HUGE_VAL when unknown or a Mira).
    std::map<std::uint32_t, double> amplitudes;
    std::map<std::uint32_t, std::string> properNames, designations;

    std::string_view SpectralType(const CatalogueRecord &record) const;
};

// hip_main.dat or an excerpt of it, one record a line, fields split by '|'.
std::map<std::uint32_t, HipparcosEntry> ReadHipparcos(const std::filesystem::path &path);

// ---------------------------------------------------------- the selection

// A star's temperature: from its colour where the colour relation holds and
// the colour is certain enough, else from its type where a scale covers it.
struct Temperature {
    std::optional<double> kelvin;
    double readAt = 0; // the type (or the white dwarf's index) or the B-V it is read at
    const char *from = "type"; // or "B-V"
    bool colourTooUncertain = false; // the B-V error moves it by more than 3 %
};
Temperature TemperatureOf(
    const Classification &classification, double bv, std::optional<double> bvError, const TypeScales &scales);
// The temperature of the class's scale at a type that may lie between
// subtypes (read at classification.type by TemperatureOf); nothing for
// white dwarfs and where the scale gives nothing.
std::optional<double> TypeTemperature(const Classification &classification, double type, const TypeScales &scales);

// A star with everything the pictures need.
struct Star {
    std::uint32_t hip = 0;
    std::string name;
    double v = 0, bv = 0;
    std::optional<double> bvError;
    bool hipparcosPhotometry = false; // V and B-V from the 1997 catalogue
    double parallax = 0, parallaxError = 0;
    std::string spectralType;
    Classification classification;
    double temperature = 0;
    const char *temperatureFrom = "B-V"; // or "type"
    // Where the temperature is read: the spectral type as a number
    // (Classification::type, the index for white dwarfs) for "type", the
    // B-V for "B-V". PlaceWithinBins moves it inside the bin the type or
    // the stored B-V stands for.
    double readAt = 0;
    bool colourTooUncertain = false;
    double absMagnitude = 0;
};

// Which stars: those the pictures show (visible to the naked eye, or within
// 25 pc, or white dwarfs), or all the others that pass the same tests
// (fainter than V 6.5 beyond 25 pc), which measure_picture_coverage uses.
enum class Brightness { NakedEyeOrNear, FaintAndFar };

// Why a record was left out, in the order the tests are made.
std::vector<std::string> DropReasons(Brightness brightness);

// The stars that pass every test; `dropped` counts the others by reason
// (indices into DropReasons).
std::vector<Star> SelectStars(const Stellarium &stellarium, const std::map<std::uint32_t, HipparcosEntry> &hipparcos,
    const TypeScales &scales, Brightness brightness, std::vector<long> &dropped);

// Stars whose type or whose stepped B-V is all that places them, spread
// honestly over the bin their type or colour stands for: a spectral subtype
// is a bin one subtype wide, and stellarium-data's B-V one 4/127 mag wide.
// The O to B7 stars of classes V and IV, whose B-V is mostly reddening and
// whose Mv within one subtype mostly age, so that their order says little,
// stay within the narrower bins of the dwarf sequence's rows
// (TypeScales::TypeBin), where half a subtype is up to 11 % in temperature
// (B0.5 V 29000 K, B1 V 26000 K).
// Inside each bin (same class, type and class number; or same stored B-V,
// class V) the stars are ranked by data of their own, hotter first:
// - by type, with a Hipparcos B-V known to kMaxOrderingBvError (a bin's
//   B-V spreads over 0.1 to 0.2 mag): by B-V;
// - by type, class V, with a stepped or uncertain B-V: by Mv (along the
//   main sequence brighter means hotter);
// - by stellarium-data's stepped B-V, class V: by Mv;
// and a star of rank r (ties share their mean rank) among n is read at the
// bin's start + (r + 1/2) / n of its width, never outside the bin. Where the
// scale ends inside the bin, the bin ends there. Others keep their place.
inline constexpr double kMaxOrderingBvError = 0.05;
struct Placement {
    int byBv = 0, byMagnitude = 0, steppedByMagnitude = 0; // stars moved inside their bin
    int byTypeAtType = 0; // by type, nothing of their own to order them by
};
Placement PlaceWithinBins(std::vector<Star> &stars, const TypeScales &scales);

} // namespace star_sources
