// The number reader and the display patterns: any text is a number or a
// ModelError; any number read is displayed under every pattern and the
// fixed patterns read back to within their last shown decimal.
#include "model/number_format.h"
#include "model/stellar_model.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace model;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const char separator = (data[0] & 1) ? ',' : '.';
    const std::string_view text(reinterpret_cast<const char *>(data + 1), size - 1);
    double value = 0;
    try {
        value = ReadNumber(text, separator);
    } catch (const ModelError &) {
        return 0;
    }
    if (!std::isfinite(value))
        std::abort();
    const Pattern patterns[] = {
        Pattern::Whole, Pattern::Fixed2, Pattern::Fixed3, Pattern::Fixed4, Pattern::Scientific2, Pattern::Scientific3};
    for (Pattern pattern : patterns) {
        const std::string shown = FormatNumber(value, pattern, separator);
        if (pattern == Pattern::Fixed4 && std::fabs(value) < 1e12) {
            const double back = ReadNumber(shown, separator);
            if (std::fabs(back - value) > 0.00005 + std::fabs(value) * 1e-14)
                std::abort();
        }
        if ((pattern == Pattern::Scientific2 || pattern == Pattern::Scientific3) && value != 0) {
            // One digit, never zero, before the separator.
            const std::size_t first = shown[0] == '-' ? 1 : 0;
            if (shown.size() < first + 2 || shown[first] < '1' || shown[first] > '9' || shown[first + 1] != separator)
                std::abort();
        }
    }
    return 0;
}
