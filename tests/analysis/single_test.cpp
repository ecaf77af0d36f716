// The rounding rule every stored value goes through.
#include "analysis/CalculationError.h"
#include "analysis/Single.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <random>

namespace spanwise {
namespace {

TEST(Single, RoundsToNearestAndRefusesWhatIsNoFloat) {
    EXPECT_EQ(toSingle(0.1), 0.1f);
    EXPECT_EQ(toSingle(-2.5), -2.5f);
    EXPECT_EQ(toSingle(1e-50), 0.0f); // underflow is no fault
    EXPECT_EQ(toSingle(double{FLT_MAX}), FLT_MAX);
    // just above FLT_MAX but below the halfway point to 2^128 still rounds down to it
    EXPECT_EQ(toSingle(double{FLT_MAX} + 0x1p102), FLT_MAX);
    EXPECT_EQ(toSingle(-(double{FLT_MAX} + 0x1p102)), -FLT_MAX);
    EXPECT_THROW(toSingle(double{FLT_MAX} + 0x1p103), FloatingPointFault);
    EXPECT_THROW(toSingle(1e39), FloatingPointFault);
    EXPECT_THROW(toSingle(-1e39), FloatingPointFault);
    EXPECT_THROW(toSingle(std::nan("")), FloatingPointFault);
    EXPECT_THROW(toSingle(1.0 / 0.0 * 0.0 + INFINITY), FloatingPointFault);
    try {
        toSingle(std::nan(""));
    } catch (const FloatingPointFault& fault) {
        EXPECT_EQ(fault.kind, FloatingPointFault::Invalid);
        EXPECT_EQ(fault.span, 0);
    }
}

// Adding a float in float arithmetic must give exactly what the double sum rounded once gives.
TEST(Single, FloatAndDoubleAdditionAgreeBitForBit) {
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> mantissa(-1, 1);
    std::uniform_int_distribution<int> exponent(-40, 40);
    for (int i = 0; i < 200000; ++i) {
        const float a = static_cast<float>(std::ldexp(mantissa(rng), exponent(rng)));
        const float b = static_cast<float>(std::ldexp(mantissa(rng), exponent(rng)));
        float viaFloat = a, viaDouble = a;
        addSingle(viaFloat, b);
        addSingle(viaDouble, double{b});
        ASSERT_EQ(viaFloat, viaDouble) << a << " + " << b;
    }
    float big = FLT_MAX;
    EXPECT_THROW(addSingle(big, FLT_MAX), FloatingPointFault);
}

} // namespace
} // namespace spanwise
