#include "analysis/NumberFormat.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace spanwise {

double roundForDisplay(float v) {
    const double r = std::floor(double{v} * 1000 + 0.5) / 1000;
    return r == 0 ? 0.0 : r; // floor(-0.4) is -0
}

std::string formatResult(float v) {
    // A float is below 3.5e38: 39 digits, a sign, a point and three decimals fit.
    char buffer[64];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, roundForDisplay(v), std::chars_format::fixed);
    if (ec != std::errc{}) {
        return std::isnan(v) ? "NaN" : "?";
    }
    return std::string(buffer, end);
}

} // namespace spanwise
