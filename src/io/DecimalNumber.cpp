#include "io/DecimalNumber.h"

#include <bit>
#include <cstdint>

namespace spanwise {

namespace {

// 10^-k as the nearest doubles.
constexpr double kInversePowersOfTen[] = {1e0,   1e-1,  1e-2,  1e-3,  1e-4,  1e-5,  1e-6,  1e-7,
                                          1e-8,  1e-9,  1e-10, 1e-11, 1e-12, 1e-13, 1e-14, 1e-15,
                                          1e-16, 1e-17, 1e-18, 1e-19, 1e-20, 1e-21, 1e-22};

} // namespace

std::from_chars_result readFloat(const char* first, const char* last, float& value) {
    constexpr int kMostDigits = 15; // below 2^53: the integer is exact in a double
    constexpr std::uint64_t kBelowFloat = (std::uint64_t{1} << 29) - 1; // bits a float drops
    constexpr std::uint64_t kHalfway = std::uint64_t{1} << 28;
    constexpr std::uint64_t kMargin = 8;
    const char* p = first;
    const bool negative = p != last && *p == '-';
    p += negative ? 1 : 0;
    // the integer part, then the fraction, as one integer of `count` digits
    std::uint64_t digits = 0;
    const char* const integerStart = p;
    for (; p != last && *p >= '0' && *p <= '9'; ++p) {
        digits = digits * 10 + static_cast<unsigned>(*p - '0');
    }
    int count = static_cast<int>(p - integerStart);
    int scale = 0;
    if (p != last && *p == '.') {
        const char* const fractionStart = ++p;
        for (; p != last && *p >= '0' && *p <= '9'; ++p) {
            digits = digits * 10 + static_cast<unsigned>(*p - '0');
        }
        scale = static_cast<int>(p - fractionStart);
        count += scale;
    }
    if (p != last || count == 0 || count > kMostDigits || scale > 22) {
        return std::from_chars(first, last, value);
    }
    // The product is within three units of its last place of the decimal (the integer is
    // exact; 10^-k and the product each round once), and the float of a double only changes
    // where the double passes halfway between two floats. So unless the product lies within a
    // few units of such a halfway point, the decimal rounds to the same float; near one, the
    // long way decides.
    const double near = static_cast<double>(digits) * kInversePowersOfTen[scale];
    const std::uint64_t below = std::bit_cast<std::uint64_t>(near) & kBelowFloat;
    if (below + kMargin - kHalfway <= 2 * kMargin) {
        return std::from_chars(first, last, value);
    }
    const auto single = static_cast<float>(near);
    value = negative ? -single : single;
    return {last, std::errc{}};
}

} // namespace spanwise
