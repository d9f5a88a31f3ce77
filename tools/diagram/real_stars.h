// The table of real stars (real_stars.csv beside this file) that the diagram
// pictures are drawn from: read and checked, row by row.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace real_stars {

struct RealStar {
    int hip = 0; // Hipparcos number
    std::string name; // proper name or designation; may be empty
    double v = 0, bv = 0; // apparent V and B-V, mag
    std::optional<double> bvError; // mag; none for stellarium-data's photometry
    std::string photometry; // "Hipparcos" (ESA 1997, to 0.001 mag) or "stellarium" (0.0315 mag steps)
    double parallax = 0, parallaxError = 0; // mas
    std::string spectralType;
    std::string luminosityClass; // V, IV, III, II, I or D
    double temperature = 0; // K
    std::string temperatureFrom; // "B-V" or "type"
    std::string temperatureReadAt; // the B-V ("1.013") or the type between subtypes ("K4.62") read
    double absMagnitude = 0; // absolute visual magnitude
};

// The file cannot be read or a line of it is damaged; what() names the file
// and, for a damaged line, its number: "path:12: ...".
class TableError : public std::runtime_error {
    using runtime_error::runtime_error;
};

// Lines starting with '#' are comments; the first other line is the header
// of the columns, then one star a line. Throws TableError.
std::vector<RealStar> ReadTable(const std::string &path);

// The luminosity classes in the order the general picture draws them.
inline const char *const kClasses[] = {"V", "IV", "III", "II", "I", "D"};

} // namespace real_stars
