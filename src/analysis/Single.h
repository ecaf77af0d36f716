// Single precision, the way the program counts: every real of the model and of the results is
// stored as float, every expression is evaluated in double, and the value is rounded once when
// it is stored. toSingle() is that rounding; it also refuses a value that is not a finite float
// (0/0, x/0, a result beyond about 3.4e38), so no NaN or infinity ever reaches a result.
#pragma once

#include "analysis/CalculationError.h"

#include <cmath>
#include <limits>

namespace spanwise {

// Rounds v to the nearest float. Throws FloatingPointFault (span and stage not yet known; the
// caller that knows them fills them in) when v is NaN or rounds to infinity.
inline float toSingle(double v) {
    constexpr double kMax = std::numeric_limits<float>::max();
    // Halfway between FLT_MAX and the next power of two: from here on the float is infinite.
    constexpr double kOverflow = kMax + 0x1p103;
    if (std::isnan(v)) {
        throw FloatingPointFault(FloatingPointFault::Invalid);
    }
    if (!(std::fabs(v) < kOverflow)) {
        throw FloatingPointFault(FloatingPointFault::Overflow);
    }
    if (std::fabs(v) > kMax) {
        return v > 0 ? std::numeric_limits<float>::max() : -std::numeric_limits<float>::max();
    }
    return static_cast<float>(v);
}

// Adds d to a stored single value and stores the rounded sum back.
inline void addSingle(float& target, double d) {
    target = toSingle(double{target} + d);
}

} // namespace spanwise
