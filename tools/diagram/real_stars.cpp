#include "tools/diagram/real_stars.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <iterator>
#include <set>
#include <string_view>

namespace real_stars {
namespace {

constexpr std::string_view kHeader = "hip,name,v,b_v,b_v_error,photometry,parallax_mas,parallax_error_mas,spectral_"
                                     "type,class,teff_k,teff_from,teff_read_at,mv";

std::vector<std::string_view> split(std::string_view line)
{
    std::vector<std::string_view> fields;
    for (;;) {
        const std::size_t comma = line.find(',');
        fields.push_back(line.substr(0, comma));
        if (comma == line.npos)
            return fields;
        line.remove_prefix(comma + 1);
    }
}

} // namespace

std::vector<RealStar> ReadTable(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw TableError(path + ": cannot be read");
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        throw TableError(path + ": cannot be read");

    std::vector<RealStar> stars;
    std::set<int> seen;
    bool header = false;
    int lineNumber = 0;
    std::string_view rest = text;
    while (!rest.empty()) {
        ++lineNumber;
        const std::size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end == rest.npos ? rest.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        auto fail
            = [&](const std::string &what) { throw TableError(path + ':' + std::to_string(lineNumber) + ": " + what); };
        if (line.empty() || line.front() == '#')
            continue;
        if (!header) {
            if (line != kHeader)
                fail("the column header \"" + std::string(kHeader) + "\" expected");
            header = true;
            continue;
        }
        const std::vector<std::string_view> f = split(line);
        if (f.size() != 14)
            fail("14 fields expected, found " + std::to_string(f.size()));
        auto number = [&](std::size_t i, const char *what) {
            double value = 0;
            const std::string_view s = f[i];
            const auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
            if (s.empty() || ec != std::errc() || ptr != s.data() + s.size() || !std::isfinite(value))
                fail(std::string(what) + " is not a number: \"" + std::string(s) + '"');
            return value;
        };
        RealStar star;
        const double hip = number(0, "hip");
        if (hip < 1 || hip > 999999 || hip != std::floor(hip))
            fail("hip is not a Hipparcos number");
        star.hip = static_cast<int>(hip);
        if (!seen.insert(star.hip).second)
            fail("HIP " + std::to_string(star.hip) + " twice");
        star.name = f[1];
        star.v = number(2, "v");
        star.bv = number(3, "b_v");
        if (!f[4].empty()) {
            star.bvError = number(4, "b_v_error");
            if (!(*star.bvError >= 0))
                fail("b_v_error must not be negative");
        }
        star.photometry = f[5];
        if (star.photometry != "Hipparcos" && star.photometry != "stellarium")
            fail("photometry must be Hipparcos or stellarium");
        star.parallax = number(6, "parallax_mas");
        star.parallaxError = number(7, "parallax_error_mas");
        if (!(star.parallax > 0) || !(star.parallaxError > 0))
            fail("parallax and its error must be positive");
        star.spectralType = f[8];
        star.luminosityClass = f[9];
        if (std::find(std::begin(kClasses), std::end(kClasses), star.luminosityClass) == std::end(kClasses))
            fail("unknown class \"" + star.luminosityClass + '"');
        star.temperature = number(10, "teff_k");
        if (!(star.temperature > 0))
            fail("teff_k must be positive");
        star.temperatureFrom = f[11];
        if (star.temperatureFrom != "B-V" && star.temperatureFrom != "type")
            fail("teff_from must be B-V or type");
        star.temperatureReadAt = f[12];
        star.absMagnitude = number(13, "mv");
        stars.push_back(std::move(star));
    }
    if (!header)
        throw TableError(path + ':' + std::to_string(lineNumber) + ": no column header and no stars");
    if (stars.empty())
        throw TableError(path + ':' + std::to_string(lineNumber) + ": no stars");
    return stars;
}

} // namespace real_stars
