// Load contribution formulas against hand calculations.
#include "analysis/CalculationError.h"
#include "analysis/LoadFormulas.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cmath>
#include <functional>
#include <string>

namespace spanwise {
namespace {

constexpr double kTol = 0.0005; // three decimals, as the results are shown

struct ConcentratedCase {
    std::string name;
    void (*routine)(float, float, float, float, float&, float&, float&);
    float a, x, L, P;
    double M, VL, VR;
    friend void PrintTo(const ConcentratedCase& c, std::ostream* os) { *os << c.name; }
};

class ConcentratedForce : public ::testing::TestWithParam<ConcentratedCase> {};

TEST_P(ConcentratedForce, GivesMomentAndBothShears) {
    const auto& c = GetParam();
    float M = -99, VL = -99, VR = -99;
    c.routine(c.a, c.x, c.L, c.P, M, VL, VR);
    EXPECT_NEAR(M, c.M, kTol);
    EXPECT_NEAR(VL, c.VL, kTol);
    EXPECT_NEAR(VR, c.VR, kTol);
}

INSTANTIATE_TEST_SUITE_P(
    HandCalculations, ConcentratedForce,
    ::testing::Values(
        // simply supported L = 6, P = 10 at a = 2: R_A = 6.667, R_B = 3.333
        ConcentratedCase{"P_left_of_force", simpleSpanForce, 2, 1, 6, 10, 6.667, 6.667, 6.667},
        ConcentratedCase{"P_on_force", simpleSpanForce, 2, 2, 6, 10, 13.333, 6.667, -3.333},
        ConcentratedCase{"P_right_of_force", simpleSpanForce, 2, 3, 6, 10, 10, -3.333, -3.333},
        ConcentratedCase{"P_at_support_a0_x0", simpleSpanForce, 0, 0, 6, 10, 0, 10, 0},
        ConcentratedCase{"P_at_support_a0_x1", simpleSpanForce, 0, 1, 6, 10, 0, 0, 0},
        // free left end: nothing left of the force, -P right of it
        ConcentratedCase{"P_L_on_force", freeLeftSpanForce, 2, 2, 6, 10, 0, 0, -10},
        ConcentratedCase{"P_L_before_force", freeLeftSpanForce, 2, 1, 6, 10, 0, 0, 0},
        ConcentratedCase{"P_L_at_support", freeLeftSpanForce, 2, 6, 6, 10, -40, -10, -10},
        // free right end L = 6, a = 1 from the free end: force at x = 5
        ConcentratedCase{"P_R_on_force", freeRightSpanForce, 1, 5, 6, 10, 0, 10, 0},
        ConcentratedCase{"P_R_inside", freeRightSpanForce, 1, 4, 6, 10, -10, 10, 10},
        ConcentratedCase{"P_R_at_support", freeRightSpanForce, 1, 0, 6, 10, -50, 10, 10},
        ConcentratedCase{"P_R_beyond_force", freeRightSpanForce, 1, 5.5f, 6, 10, 0, 0, 0}),
    [](const auto& p) { return p.param.name; });

struct DistributedCase {
    std::string name;
    void (*routine)(float, float, float, float, float&, float&); // trapezoid: q, L, a, x
    float q, L, a, x;
    double M, V;
    friend void PrintTo(const DistributedCase& c, std::ostream* os) { *os << c.name; }
};

class TrapezoidalLoad : public ::testing::TestWithParam<DistributedCase> {};

TEST_P(TrapezoidalLoad, GivesMomentAndShear) {
    const auto& c = GetParam();
    float M = -99, V = -99;
    c.routine(c.q, c.L, c.a, c.x, M, V);
    EXPECT_NEAR(M, c.M, kTol);
    EXPECT_NEAR(V, c.V, kTol);
}

// q = 10, L = 10, a = 2: W = 80, R = 40
INSTANTIATE_TEST_SUITE_P(
    HandCalculations, TrapezoidalLoad,
    ::testing::Values(
        DistributedCase{"T_rising_ramp", simpleSpanTrapezoid, 10, 10, 2, 1, 39.167, 37.5},
        DistributedCase{"T_falling_ramp", simpleSpanTrapezoid, 10, 10, 2, 9, 39.167, -37.5},
        DistributedCase{"T_midspan", simpleSpanTrapezoid, 10, 10, 2, 5, 118.333, 0},
        DistributedCase{"T_ends", simpleSpanTrapezoid, 10, 10, 2, 0, 0, 40},
        DistributedCase{"T_L_rising_ramp", freeLeftSpanTrapezoid, 10, 10, 2, 1, -0.833, -2.5},
        DistributedCase{"T_L_plateau_end", freeLeftSpanTrapezoid, 10, 10, 2, 8, -246.667, -70},
        DistributedCase{"T_L_support", freeLeftSpanTrapezoid, 10, 10, 2, 10, -400, -80},
        DistributedCase{"T_L_free_end", freeLeftSpanTrapezoid, 10, 10, 2, 0, 0, 0},
        DistributedCase{"T_R_support", freeRightSpanTrapezoid, 10, 10, 2, 0, -400, 80},
        DistributedCase{"T_R_mirror_of_L", freeRightSpanTrapezoid, 10, 10, 2, 2, -246.667, 70},
        DistributedCase{"T_R_free_end", freeRightSpanTrapezoid, 10, 10, 2, 10, 0, 0}),
    [](const auto& p) { return p.param.name; });

TEST(UniformLoad, GivesHandValues) {
    float M = 0, V = 0;
    simpleSpanUniform(10, 3, 6, M, V); // mid-span of q L^2 / 8
    EXPECT_FLOAT_EQ(M, 45);
    EXPECT_FLOAT_EQ(V, 0);
    simpleSpanUniform(10, 0, 6, M, V);
    EXPECT_FLOAT_EQ(V, 30);
    freeLeftSpanUniform(6, 6, 10, M, V);
    EXPECT_FLOAT_EQ(M, -180);
    EXPECT_FLOAT_EQ(V, -60);
    freeRightSpanUniform(6, 0, 10, M, V);
    EXPECT_FLOAT_EQ(M, -180);
    EXPECT_FLOAT_EQ(V, 60);
}

TEST(EndMoments, GiveLinearMomentAndConstantShear) {
    float M = 1, V = 1;
    endMomentForces(0, 0, 5, 2, M, V);
    EXPECT_EQ(M, 0);
    EXPECT_EQ(V, 0);
    for (float x : {0.0f, 1.0f, 2.5f, 5.0f}) {
        endMomentForces(-10, 10, 5, x, M, V);
        EXPECT_EQ(V, 0);
        EXPECT_EQ(M, -10);
    }
    endMomentForces(-20, 30, 5, 5, M, V); // left -20, right -30 bending
    EXPECT_FLOAT_EQ(V, -2);
    EXPECT_FLOAT_EQ(M, -30);
}

// The three regions of every trapezoid routine must meet without a jump, and a = L/2 (a
// triangle, whose plateau is the single point L/2) too.
TEST(TrapezoidalLoad, IsContinuousAcrossItsRegionBounds) {
    using Routine = void (*)(float, float, float, float, float&, float&);
    for (Routine routine : {Routine{simpleSpanTrapezoid}, Routine{freeLeftSpanTrapezoid},
                            Routine{freeRightSpanTrapezoid}}) {
        for (float a : {1.0f, 2.0f, 2.5f, 5.0f}) {
            const float L = 10, q = 7;
            for (float bound : {a, L - a}) {
                float Mlo = 0, Vlo = 0, Mhi = 0, Vhi = 0, Mat = 0, Vat = 0;
                routine(q, L, a, std::nextafter(bound, -1e9f), Mlo, Vlo);
                routine(q, L, a, bound, Mat, Vat);
                routine(q, L, a, std::nextafter(bound, 1e9f), Mhi, Vhi);
                SCOPED_TRACE(testing::Message() << "a = " << a << " bound = " << bound);
                EXPECT_NEAR(Mlo, Mat, 1e-3);
                EXPECT_NEAR(Mhi, Mat, 1e-3);
                EXPECT_NEAR(Vlo, Vat, 1e-3);
                EXPECT_NEAR(Vhi, Vat, 1e-3);
            }
        }
    }
}

// V = dM/dx everywhere for every routine (checked by central differences).
TEST(LoadFormulas, ShearIsTheSlopeOfTheMoment) {
    const float L = 8, a = 1.5f, q = 12, P = 20, h = 1e-3f;
    struct Named {
        const char* name;
        std::function<void(float, float&, float&)> at;
    };
    float unused = 0;
    const Named routines[] = {
        {"simpleSpanTrapezoid",
         [&](float x, float& m, float& v) { simpleSpanTrapezoid(q, L, a, x, m, v); }},
        {"freeLeftSpanTrapezoid",
         [&](float x, float& m, float& v) { freeLeftSpanTrapezoid(q, L, a, x, m, v); }},
        {"freeRightSpanTrapezoid",
         [&](float x, float& m, float& v) { freeRightSpanTrapezoid(q, L, a, x, m, v); }},
        {"simpleSpanUniform",
         [&](float x, float& m, float& v) { simpleSpanUniform(q, x, L, m, v); }},
        {"freeLeftSpanUniform",
         [&](float x, float& m, float& v) { freeLeftSpanUniform(L, x, q, m, v); }},
        {"freeRightSpanUniform",
         [&](float x, float& m, float& v) { freeRightSpanUniform(L, x, q, m, v); }},
        {"simpleSpanForce",
         [&](float x, float& m, float& v) { simpleSpanForce(3.1f, x, L, P, m, v, unused); }},
        {"freeLeftSpanForce",
         [&](float x, float& m, float& v) { freeLeftSpanForce(3.1f, x, L, P, m, v, unused); }},
        {"freeRightSpanForce",
         [&](float x, float& m, float& v) { freeRightSpanForce(3.1f, x, L, P, m, v, unused); }},
    };
    for (const auto& r : routines) {
        for (float x = 0.25f; x < L - 0.1f; x += 0.25f) {
            float Mminus = 0, Mplus = 0, M = 0, V = 0, ignored = 0;
            r.at(x - h, Mminus, ignored);
            r.at(x + h, Mplus, ignored);
            r.at(x, M, V);
            SCOPED_TRACE(testing::Message() << r.name << " x = " << x);
            EXPECT_NEAR((double{Mplus} - Mminus) / (2 * double{h}), V, 0.05);
        }
    }
}

TEST(LoadFormulas, RefuseToStoreOverflowOrDivisionByZero) {
    float M = 0, V = 0, VR = 0;
    EXPECT_THROW(simpleSpanUniform(3e38f, 3, 6, M, V), FloatingPointFault);
    EXPECT_THROW(endMomentForces(1, 1, 0, 0, M, V), FloatingPointFault);        // L = 0
    EXPECT_THROW(simpleSpanTrapezoid(10, 10, 0, -1, M, V), FloatingPointFault); // x/0 with a = 0
    EXPECT_THROW(simpleSpanForce(2, 1, 0, 10, M, V, VR), FloatingPointFault);
    try {
        simpleSpanUniform(3e38f, 3, 6, M, V);
    } catch (const FloatingPointFault& fault) {
        EXPECT_EQ(fault.kind, FloatingPointFault::Overflow);
    }
}

} // namespace
} // namespace spanwise
