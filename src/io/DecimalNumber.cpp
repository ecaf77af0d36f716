#include "io/DecimalNumber.h"

#include <bit>
#include <cstdint>

namespace spanwise {

namespace {

// Powers of ten that a double holds exactly.
constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                   1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

} // namespace

std::from_chars_result readFloat(const char* first, const char* last, float& value) {
    constexpr int kMostDigits = 15; // below 2^53: the integer is exact in a double
    const char* p = first;
    const bool negative = p != last && *p == '-';
    p += negative ? 1 : 0;
    std::uint64_t digits = 0;
    int count = 0;
    int fraction = -1; // digits after the point, -1 without a point
    for (; p != last; ++p) {
        const char c = *p;
        if (c >= '0' && c <= '9') {
            digits = digits * 10 + static_cast<unsigned>(c - '0');
            ++count;
            fraction += fraction >= 0 ? 1 : 0;
        } else if (c == '.' && fraction < 0) {
            fraction = 0;
        } else {
            break;
        }
    }
    const int scale = fraction < 0 ? 0 : fraction;
    if (p != last || count == 0 || count > kMostDigits || scale > 22) {
        return std::from_chars(first, last, value);
    }
    // the double nearest the decimal; no float boundary can lie between the two unless the
    // double stands on it
    const double nearest = static_cast<double>(digits) / kPowersOfTen[scale];
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(nearest);
    constexpr std::uint64_t kBelowFloat = (std::uint64_t{1} << 29) - 1; // bits a float drops
    if ((bits & kBelowFloat) == (std::uint64_t{1} << 28)) {
        return std::from_chars(first, last, value); // halfway between two floats
    }
    const auto single = static_cast<float>(nearest);
    value = negative ? -single : single;
    return {last, std::errc{}};
}

} // namespace spanwise
