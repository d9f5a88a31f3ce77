// The read-out display patterns and the reading of typed numbers.
// "#" is an optional digit: no leading zero before the separator (.50), and a
// value that rounds to zero under "#" is the empty text. Pure, no Qt.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace model {

enum class Pattern {
    Whole, // "#"
    Fixed2, // "#.00"
    Fixed3, // "#.000"
    Fixed4, // "#.0000"
    Scientific2, // "#.00 E+#"
    Scientific3, // "#.000 E+#"
};

// Rounds the decimal value (15 significant digits) half away from zero, so
// 2.675 under "#.00" is 2.68 although the double lies just below 2.675.
std::string FormatNumber(double value, Pattern pattern, char decimalSeparator = '.');

// Reads a number typed with the given separator; blanks around it are ignored.
// Empty or non-numeric text throws ModelError("Type mismatch"); a number too
// large for a double throws ModelError("Overflow").
double ReadNumber(std::string_view text, char decimalSeparator = '.');

inline constexpr const char *kTypeMismatch = "Type mismatch";

// A number as the user typed it: the text, and the number it reads as, or
// the description of why it reads as none (as ReadNumber would throw it).
struct TypedNumber {
    std::string text;
    std::optional<double> value;
    std::string error;
};
TypedNumber ReadTypedNumber(std::string_view text, char decimalSeparator = '.');

} // namespace model
