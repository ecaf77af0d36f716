// Load terms, factors and the moment distribution against hand calculations.
#include "support/BeamBuilder.h"

#include "analysis/Calculation.h"
#include "analysis/CalculationError.h"
#include "analysis/Solver.h"

#include <gtest/gtest.h>

#include <ostream>

namespace spanwise {
namespace {

using namespace test;

constexpr double kTol = 0.0005;

// bending moment over joint j = -EndMoment(j, 2) = EndMoment(j + 1, 1)
double supportMoment(const BeamResults& r, int j) {
    return -double{r.EndMoment[j][2]};
}

TEST(distributeMoments, OneSpanHasNoEndMoments) {
    Beam m = beamOf({6});
    uniform(m, 1, 10);
    force(m, 1, 20, 2);
    const BeamResults r = solve(m);
    EXPECT_EQ(r.FixedEndMoment[1][1], 0);
    EXPECT_EQ(r.FixedEndMoment[1][2], 0);
    EXPECT_EQ(r.EndMoment[1][1], 0);
    EXPECT_EQ(r.EndMoment[1][2], 0);
}

TEST(distributeMoments, OneLoadedSpanOfTwoGivesMinusQLSquaredOver16) {
    Beam m = beamOf({6, 6});
    uniform(m, 1, 10);
    BeamResults r;
    EXPECT_EQ(calculate(m, r), 2);
    EXPECT_FLOAT_EQ(r.StiffnessFactor[1], 3);
    EXPECT_FLOAT_EQ(r.StiffnessFactor[2], 3);
    EXPECT_FLOAT_EQ(r.DistributionFactor[1][2], 0.5f);
    EXPECT_FLOAT_EQ(r.DistributionFactor[2][1], 0.5f);
    EXPECT_FLOAT_EQ(r.EndMoment[1][2], 22.5f);
    EXPECT_FLOAT_EQ(r.EndMoment[2][1], -22.5f);
}

TEST(distributeMoments, ThreeEqualSpansConvergeToMinusQLSquaredOver10) {
    Beam m = beamOf({6, 6, 6});
    for (int s = 1; s <= 3; ++s) {
        uniform(m, s, 10);
    }
    const BeamResults r = solve(m);
    EXPECT_NEAR(supportMoment(r, 1), -36, 1e-4);
    EXPECT_NEAR(supportMoment(r, 2), -36, 1e-4);
    EXPECT_FLOAT_EQ(r.StiffnessFactor[2], 4);
    EXPECT_FLOAT_EQ(r.CarryOverFactor[2], 0.5f);
}

TEST(distributeMoments, LeftCantileverKeepsItsSupportMoment) {
    Beam m = beamOf({2, 6}, Cantilever, Simple);
    uniform(m, 1, 10);
    const BeamResults r = solve(m);
    EXPECT_EQ(r.StiffnessFactor[1], 0);
    EXPECT_EQ(r.DistributionFactor[1][2], 0);
    EXPECT_EQ(r.DistributionFactor[2][1], 1);
    EXPECT_FLOAT_EQ(r.EndMoment[1][2], 20); // q L1^2 / 2
    EXPECT_FLOAT_EQ(r.EndMoment[2][1], -20);
}

TEST(distributeMoments, FixedEndTakesHalfOfTheCorrection) {
    // Two equal spans, right end fixed, q on span 1 only.
    Beam m = beamOf({6, 6}, Simple, Fixed);
    uniform(m, 1, 10);
    const BeamResults r = solve(m);
    EXPECT_FLOAT_EQ(r.CarryOverFactor[2], 0.5f);
    EXPECT_EQ(r.CarryOverFactor[1], 0);
    EXPECT_EQ(r.EndMoment[1][1], 0); // simple end: nothing carried there
    // k: 3 and 4; D(2,1) = 4/7; correction -45 * 4/7, half of it carried to the fixed end
    EXPECT_NEAR(r.EndMoment[2][2], 0.5 * (-45.0 * 4 / 7), kTol);
    EXPECT_NEAR(r.EndMoment[1][2], 45.0 * 4 / 7, kTol);
}

TEST(distributeMoments, TriangularLoadOnInteriorSpanHasFiveNinetySixthsLoadTerms) {
    Beam m = beamOf({6, 8, 6});
    trapezoid(m, 2, 12, 4);
    const BeamResults r = solve(m);
    EXPECT_NEAR(r.FixedEndMoment[2][1], -5.0 / 96 * 12 * 64, kTol);
    EXPECT_NEAR(r.FixedEndMoment[2][2], 5.0 / 96 * 12 * 64, kTol);
}

TEST(distributeMoments, CantileverLoadTermsUseTheLeverArmB) {
    Beam m = beamOf({3, 6, 2}, Cantilever, Cantilever);
    force(m, 1, 10, 1);    // a from the free end, b = 2
    trapezoid(m, 3, 6, 1); // q (L - a) L / 2 = 6 * 1 * 2 / 2
    const BeamResults r = solve(m);
    EXPECT_FLOAT_EQ(r.FixedEndMoment[1][2], 20);
    EXPECT_EQ(r.FixedEndMoment[1][1], 0);
    EXPECT_FLOAT_EQ(r.FixedEndMoment[3][1], -6);
    EXPECT_FLOAT_EQ(r.EndMoment[1][2], 20);
    EXPECT_FLOAT_EQ(r.EndMoment[3][1], -6);
}

// A span that takes the whole moment at both of its joints can settle where the corrections
// stay one unit in the last place while adding them changes nothing.
TEST(distributeMoments, StopsWhenTheValuesComeToRest) {
    Beam m = beamOf({1.2f, 6, 1.7f}, Cantilever, Cantilever);
    force(m, 1, 234, 0);
    force(m, 3, 299, 0);
    BeamResults r;
    const long sweeps = calculate(m, r);
    EXPECT_LT(sweeps, 100);
    EXPECT_NEAR(r.EndMoment[1][2], 234 * 1.2, 1e-3);
    EXPECT_NEAR(r.EndMoment[3][1], -299 * 1.7, 1e-3);
    EXPECT_NEAR(r.EndMoment[2][1] + r.EndMoment[1][2], 0, 1e-3);
    EXPECT_NEAR(r.EndMoment[2][2] + r.EndMoment[3][1], 0, 1e-3);
}

TEST(distributeMoments, NegativeStiffnessThatNeverSettlesIsReported) {
    Beam m = beamOf({6, 6, 6, 6});
    for (int s = 1; s <= 4; ++s) {
        uniform(m, s, 10);
    }
    m.span(2).lineStiffness = -0.9f; // joints with D outside 0..1 make the sweeps grow
    m.span(3).lineStiffness = 1.3f;
    BeamResults before;
    before.SpanMaxMoment[1] = 123; // must survive the failed calculation
    BeamResults r = before;
    try {
        calculate(m, r);
        FAIL() << "expected the distribution to be reported";
    } catch (const NoConvergence& e) {
        EXPECT_EQ(e.sweeps, kMaxSweeps);
    } catch (const FloatingPointFault&) {
        // growing without bound until a value overflows is reported as well
    }
    EXPECT_EQ(r, before);
}

struct JointCase {
    const char* name;
    SupportKind left, right;
    float i1, i2, i3;
    int joint;
    friend void PrintTo(const JointCase& c, std::ostream* os) { *os << c.name; }
};

class ZeroJointStiffness : public ::testing::TestWithParam<JointCase> {};

TEST_P(ZeroJointStiffness, IsReportedWithItsJoint) {
    const auto& c = GetParam();
    Beam m = beamOf({4, 5, 6}, c.left, c.right);
    m.span(1).lineStiffness = c.i1;
    m.span(2).lineStiffness = c.i2;
    m.span(3).lineStiffness = c.i3;
    uniform(m, 2, 10);
    BeamResults r;
    try {
        calculate(m, r);
        FAIL() << "no error";
    } catch (const JointWithoutStiffness& e) {
        EXPECT_EQ(e.joint, c.joint);
        EXPECT_NE(describe(e).find("第" + std::to_string(c.joint) + "支座"), std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ZeroJointStiffness,
    ::testing::Values(JointCase{"both_zero", Simple, Simple, 0, 0, 1, 1},
                      JointCase{"zero_beside_cantilever", Cantilever, Simple, 1, 0, 1, 1},
                      JointCase{"opposite_signs", Simple, Fixed, 1, 1, -1, 2},
                      JointCase{"second_joint", Simple, Cantilever, 1, 0, 1, 2}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(distributeMoments, ZeroStiffnessBesideStiffSpansTakesNoShare) {
    Beam m = beamOf({6, 6, 6});
    m.span(2).lineStiffness = 0;
    uniform(m, 2, 10);
    const BeamResults r = solve(m);
    EXPECT_EQ(r.DistributionFactor[2][1], 0);
    EXPECT_EQ(r.DistributionFactor[1][2], 1);
    // span 2 behaves as fixed-fixed: its load terms stay
    EXPECT_FLOAT_EQ(r.EndMoment[2][1], -30);
    EXPECT_FLOAT_EQ(r.EndMoment[2][2], 30);
}

struct OverflowCase {
    const char* name;
    float L, q, P1, P2;
    int span;
    friend void PrintTo(const OverflowCase& c, std::ostream* os) { *os << c.name; }
};

class LoadTermOverflow : public ::testing::TestWithParam<OverflowCase> {};

TEST_P(LoadTermOverflow, IsReportedWithItsSpanAndLeavesResultsAlone) {
    const auto& c = GetParam();
    Beam m = beamOf({6, 6, 6});
    m.span(c.span).length = c.L;
    if (c.q != 0) {
        uniform(m, c.span, c.q);
    }
    if (c.P1 != 0) {
        force(m, c.span, c.P1, c.L / 3);
        force(m, c.span, c.P2, c.L / 3);
    }
    BeamResults r;
    r.EndMoment[1][1] = 7;
    const BeamResults before = r;
    try {
        calculate(m, r);
        FAIL() << "no error";
    } catch (const FloatingPointFault& e) {
        EXPECT_EQ(e.span, c.span);
        EXPECT_EQ(describe(e),
                  "计算失败：第" + std::to_string(c.span) + "跨出现数值溢出，请检查输入数据。");
    }
    EXPECT_EQ(r, before);
}

INSTANTIATE_TEST_SUITE_P(Cases, LoadTermOverflow,
                         ::testing::Values(OverflowCase{"huge_q", 6, 3e38f, 0, 0, 2},
                                           OverflowCase{"huge_length", 1e20f, 10, 0, 0, 3},
                                           OverflowCase{"two_huge_forces", 6, 0, 3e38f, 3e38f, 1}),
                         [](const auto& p) { return std::string(p.param.name); });

} // namespace
} // namespace spanwise
