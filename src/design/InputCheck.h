// What every design function checks of its input before it divides by it.
#pragma once

#include <cmath>
#include <initializer_list>

namespace spanwise {

// True when every value is finite and greater than 0.
inline bool allPositive(std::initializer_list<double> values) {
    for (double v : values) {
        if (!(v > 0) || !std::isfinite(v)) {
            return false;
        }
    }
    return true;
}

// True when every value is finite: what a result is checked for before it leaves.
inline bool allFinite(std::initializer_list<double> values) {
    for (double v : values) {
        if (!std::isfinite(v)) {
            return false;
        }
    }
    return true;
}

// The words of a section whose sizes cannot be computed with (b, h or h0 not positive, h0 > h).
inline constexpr const char* kInvalidSectionWords = "截面尺寸无效";

// The words of a result that overflowed (values far beyond any beam's).
inline constexpr const char* kOutOfRangeWords = "数值超出可计算范围";

} // namespace spanwise
