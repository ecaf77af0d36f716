// The rounding rule every stored value goes through.
#include "analysis/CalculationError.h"
#include "analysis/Single.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <random>
#include <utility>

namespace spanwise {
namespace {

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
