#include "number_format.h"

#include "stellar_model.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace model {
namespace {

constexpr int kSignificantDigits = 15;

// |value| as 15 significant decimal digits d0.d1...d14 × 10^exponent.
struct Decimal {
    std::string digits;
    int exponent = 0;
};

Decimal decompose(double magnitude)
{
    char buffer[64];
    const auto result = std::to_chars(
        buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, kSignificantDigits - 1);
    Decimal d;
    d.digits.reserve(kSignificantDigits);
    const char *p = buffer;
    for (; p != result.ptr && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            d.digits += *p;
    if (p != result.ptr)
        std::from_chars(p + 1 + (p[1] == '+'), result.ptr, d.exponent);
    return d;
}

// Keeps the first `keep` digits of `digits`, rounding half up on the next one.
// Returns the kept digits, possibly one longer after a carry ("999" -> "1000").
std::string roundDigits(const std::string &digits, int keep)
{
    if (keep < 0)
        return {};
    std::string kept = digits.substr(0, std::min<std::size_t>(keep, digits.size()));
    while (static_cast<int>(kept.size()) < keep)
        kept += '0';
    const bool up = keep < static_cast<int>(digits.size()) && digits[keep] >= '5';
    if (up) {
        int i = keep - 1;
        for (; i >= 0; --i) {
            if (kept[i] == '9') {
                kept[i] = '0';
            } else {
                ++kept[i];
                break;
            }
        }
        if (i < 0)
            kept.insert(kept.begin(), '1');
    }
    return kept;
}

std::string formatFixed(double value, int decimals, char separator)
{
    const bool negative = std::signbit(value);
    const Decimal d = decompose(std::fabs(value));
    // Digits up to 10^-decimals: exponent+1 before the point, `decimals` after it.
    std::string kept = (value == 0) ? std::string() : roundDigits(d.digits, d.exponent + 1 + decimals);
    while (static_cast<int>(kept.size()) < decimals)
        kept.insert(kept.begin(), '0');
    std::string whole = kept.substr(0, kept.size() - decimals);
    const std::string fraction = kept.substr(kept.size() - decimals);
    std::size_t firstNonZero = whole.find_first_not_of('0');
    whole = firstNonZero == std::string::npos ? std::string() : whole.substr(firstNonZero);
    const bool isZero = whole.empty() && fraction.find_first_not_of('0') == std::string::npos;
    std::string text = (negative && !isZero) ? "-" : "";
    text += whole;
    if (decimals > 0) {
        text += separator;
        text += fraction;
    }
    return text;
}

std::string formatScientific(double value, int decimals, char separator)
{
    const bool negative = std::signbit(value) && value != 0;
    std::string mantissa;
    int exponent = 0;
    if (value == 0) {
        mantissa = std::string(decimals + 1, '0');
    } else {
        const Decimal d = decompose(std::fabs(value));
        mantissa = roundDigits(d.digits, decimals + 1);
        exponent = d.exponent;
        if (static_cast<int>(mantissa.size()) > decimals + 1) { // 9.996 -> 10.00 -> 1.00 E+1 more
            mantissa.pop_back();
            ++exponent;
        }
    }
    std::string text = negative ? "-" : "";
    text += mantissa[0];
    text += separator;
    text += mantissa.substr(1);
    text += exponent < 0 ? " E-" : " E+";
    text += std::to_string(std::abs(exponent));
    return text;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Whether a number in the normalised form ([sign] digits [.digits] [e[sign]digits])
// lies below one in magnitude: its first significant digit stands after the point.
bool isBelowOne(const std::string &normalised)
{
    const std::size_t e = normalised.find('e');
    const std::string_view mantissa = std::string_view(normalised).substr(0, e);
    const std::size_t point = mantissa.find('.');
    const std::size_t firstDigit = mantissa.find_first_of("123456789");
    if (firstDigit == std::string_view::npos)
        return true;
    // Decimal exponent of the first significant digit, before the written exponent.
    long long exponent = point == std::string_view::npos || firstDigit < point
        ? static_cast<long long>((point == std::string_view::npos ? mantissa.size() : point) - firstDigit) - 1
        : -static_cast<long long>(firstDigit - point);
    if (e != std::string::npos) {
        long long written = 0;
        const bool negative = normalised[e + 1] == '-';
        for (std::size_t i = e + 1; i < normalised.size(); ++i)
            if (isDigit(normalised[i]))
                written = std::min(written * 10 + (normalised[i] - '0'), 1'000'000'000LL);
        exponent += negative ? -written : written;
    }
    return exponent < 0;
}

} // namespace

std::string FormatNumber(double value, Pattern pattern, char decimalSeparator)
{
    if (!std::isfinite(value))
        throw ModelError(std::isnan(value) ? kInvalidCall : kOverflow);
    switch (pattern) {
    case Pattern::Whole:
        return formatFixed(value, 0, decimalSeparator);
    case Pattern::Fixed2:
        return formatFixed(value, 2, decimalSeparator);
    case Pattern::Fixed3:
        return formatFixed(value, 3, decimalSeparator);
    case Pattern::Fixed4:
        return formatFixed(value, 4, decimalSeparator);
    case Pattern::Scientific2:
        return formatScientific(value, 2, decimalSeparator);
    case Pattern::Scientific3:
        return formatScientific(value, 3, decimalSeparator);
    }
    return {};
}

double ReadNumber(std::string_view text, char decimalSeparator)
{
    std::size_t begin = 0, end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    text = text.substr(begin, end - begin);

    // [sign] digits [separator digits] [(E|e) [sign] digits], at least one mantissa digit.
    std::string normalised;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        normalised += text[i++];
    int mantissaDigits = 0;
    while (i < text.size() && isDigit(text[i])) {
        normalised += text[i++];
        ++mantissaDigits;
    }
    if (i < text.size() && text[i] == decimalSeparator) {
        normalised += '.';
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            normalised += text[i++];
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        throw ModelError(kTypeMismatch);
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        normalised += 'e';
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            normalised += text[i++];
        int exponentDigits = 0;
        while (i < text.size() && isDigit(text[i])) {
            normalised += text[i++];
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            throw ModelError(kTypeMismatch);
    }
    if (i != text.size())
        throw ModelError(kTypeMismatch);

    // from_chars reads the C locale's form whatever LC_NUMERIC says; strtod
    // would stop at the point under de_DE and read "1,42" as 1.
    const char *first = normalised.data();
    const char *last = first + normalised.size();
    if (*first == '+')
        ++first;
    double value = 0;
    const auto [stop, error] = std::from_chars(first, last, value);
    if (error == std::errc::result_out_of_range) {
        // Too small is zero, as strtod gives it; too large is an overflow.
        if (!isBelowOne(normalised))
            throw ModelError(kOverflow);
        value = normalised.front() == '-' ? -0.0 : 0.0;
    } else if (error != std::errc() || stop != last) {
        throw ModelError(kTypeMismatch);
    }
    if (std::isinf(value))
        throw ModelError(kOverflow);
    return value;
}

TypedNumber ReadTypedNumber(std::string_view text, char decimalSeparator)
{
    TypedNumber number {std::string(text), std::nullopt, {}};
    try {
        number.value = ReadNumber(text, decimalSeparator);
    } catch (const ModelError &e) {
        number.error = e.what();
    }
    return number;
}

} // namespace model
