// Single precision, the way the program counts: every real of the beam and of the results is
// stored as float, every expression is evaluated in double, and the value is rounded once when
// it is stored. toSingle() is that rounding; it also refuses a value that is not a finite float
// (0/0, x/0, a result beyond about 3.4e38), so no NaN or infinity ever reaches a result.
#pragma once

#include "analysis/CalculationError.h"

#include <cmath>
#include <limits>
#include <optional>

namespace spanwise {

namespace detail {
// The rare cases: NaN, beyond the float range, or just above FLT_MAX (rounds down to it).
[[noreturn]] void throwFault(double v);
// Halfway between FLT_MAX and the next power of two: from here on the float is infinite.
inline constexpr double kFloatOverflow = double{std::numeric_limits<float>::max()} + 0x1p103;

inline float roundNearFloatMax(double v) {
    if (!(std::fabs(v) < kFloatOverflow)) {
        throwFault(v);
    }
    return v > 0 ? std::numeric_limits<float>::max() : -std::numeric_limits<float>::max();
}
} // namespace detail

// Rounds v to the nearest float. Throws FloatingPointFault (span and stage not yet known; the
// caller that knows them fills them in) when v is NaN or rounds to infinity.
inline float toSingle(double v) {
    if (std::fabs(v) <= double{std::numeric_limits<float>::max()}) [[likely]] {
        return static_cast<float>(v);
    }
    return detail::roundNearFloatMax(v);
}

// The same rounding without the exception: nothing when v is NaN or rounds to infinity.
inline std::optional<float> singleIfFinite(double v) {
    if (std::fabs(v) <= double{std::numeric_limits<float>::max()}) [[likely]] {
        return static_cast<float>(v);
    }
    if (!(std::fabs(v) < detail::kFloatOverflow)) {
        return std::nullopt;
    }
    return v > 0 ? std::numeric_limits<float>::max() : -std::numeric_limits<float>::max();
}

// f itself when it is finite; throws FloatingPointFault for NaN or infinity.
inline float checkedSingle(float f) {
    if (std::fabs(f) <= std::numeric_limits<float>::max()) [[likely]] {
        return f;
    }
    detail::throwFault(f);
}

// Adds d to a stored single value and stores the rounded sum back.
inline void addSingle(float& target, double d) {
    target = toSingle(double{target} + d);
}

// The same for a float d. The float sum is correctly rounded, and so is the double sum rounded
// to float (a double holds more than twice the digits of a float plus two, so rounding twice
// changes nothing); this form just saves two conversions in the hottest loop.
inline void addSingle(float& target, float d) {
    target = checkedSingle(target + d);
}

} // namespace spanwise
