// How the calculation ends: values that come to rest, and every fault it reports, naming the span
// or joint, with the previous results left as they were.
#include "support/BeamBuilder.h"

#include "analysis/Calculation.h"
#include "analysis/CalculationError.h"
#include "analysis/NumberFormat.h"
#include "analysis/Solver.h"

#include <gtest/gtest.h>

namespace spanwise {
namespace {

using namespace test;

// One 6 m span under q = 10 kN/m on every stable pair of supports, against the handbook:
// fixed-fixed -qL²/12 at the ends and qL²/24 at mid-span; propped -qL²/8 at the fixed end and
// 9qL²/128 at 3L/8 from the pin; a cantilever -qL²/2 at its fixed end. End moments act on the
// member, clockwise positive: hogging is negative at the left end and positive at the right.
TEST(OneSpan, EveryStablePairOfSupportsGivesTheHandbookMoments) {
    struct Row {
        SupportKind left, right;
        const char *M1, *M2, *maxMoment, *maxX;
    } rows[] = {
        {Simple, Simple, "0", "0", "45", "3"},         {Fixed, Fixed, "-30", "30", "15", "3"},
        {Fixed, Simple, "-45", "0", "25.313", "3.75"}, {Simple, Fixed, "0", "45", "25.313", "2.25"},
        {Fixed, Cantilever, "-180", "0", "0", "6"},    {Cantilever, Fixed, "0", "180", "0", "0"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.left << "/" << row.right);
        const Calculation c =
            calculateBeam(BeamBuilder({6}).ends(row.left, row.right).uniform(1, 10).beam());
        EXPECT_EQ(formatResult(c.results.EndMoment[1][1]), row.M1);
        EXPECT_EQ(formatResult(c.results.EndMoment[1][2]), row.M2);
        EXPECT_EQ(formatResult(c.results.SpanMaxMoment[1]), row.maxMoment);
        EXPECT_EQ(formatResult(c.results.SpanMaxMomentX[1]), row.maxX);
    }
}

// A span that takes the whole moment at both of its joints can settle where the corrections
// stay one unit in the last place while adding them changes nothing.
TEST(distributeMoments, StopsWhenTheValuesComeToRest) {
    const Beam m = BeamBuilder({1.2f, 6, 1.7f})
                       .ends(Cantilever, Cantilever)
                       .force(1, 234, 0)
                       .force(3, 299, 0)
                       .beam();
    BeamResults r;
    const long sweeps = calculate(m, r);
    EXPECT_LT(sweeps, 100);
    EXPECT_NEAR(r.EndMoment[1][2], 234 * 1.2, 1e-3);
    EXPECT_NEAR(r.EndMoment[3][1], -299 * 1.7, 1e-3);
    EXPECT_NEAR(r.EndMoment[2][1] + r.EndMoment[1][2], 0, 1e-3);
    EXPECT_NEAR(r.EndMoment[2][2] + r.EndMoment[3][1], 0, 1e-3);
}

TEST(distributeMoments, NegativeStiffnessThatNeverSettlesIsReported) {
    // joints with D outside 0..1 make the sweeps grow
    const Beam m = BeamBuilder(4, 6)
                       .uniform(1, 10)
                       .uniform(2, 10)
                       .uniform(3, 10)
                       .uniform(4, 10)
                       .stiffness(2, 1, -0.9f)
                       .stiffness(3, 1, 1.3f)
                       .beam();
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

TEST(distributeMoments, AJointWithoutStiffnessIsReportedWithItsNumber) {
    struct Case {
        SupportKind left, right;
        float i1, i2, i3;
        int joint;
    };
    // both zero, zero beside a cantilever, opposite signs, the second joint
    const Case cases[] = {{Simple, Simple, 0, 0, 1, 1},
                          {Cantilever, Simple, 1, 0, 1, 1},
                          {Simple, Fixed, 1, 1, -1, 2},
                          {Simple, Cantilever, 1, 0, 1, 2}};
    for (const Case& c : cases) {
        const Beam m = BeamBuilder({4, 5, 6})
                           .ends(c.left, c.right)
                           .stiffness(1, 1, c.i1)
                           .stiffness(2, 1, c.i2)
                           .stiffness(3, 1, c.i3)
                           .uniform(2, 10)
                           .beam();
        BeamResults r;
        try {
            calculate(m, r);
            ADD_FAILURE() << "no error at joint " << c.joint;
        } catch (const JointWithoutStiffness& e) {
            EXPECT_EQ(e.joint, c.joint);
            EXPECT_EQ(describe(e),
                      "计算失败：第" + std::to_string(c.joint) +
                          "支座两侧转动刚度之和为零，无法计算分配系数，请检查线刚度。");
        }
    }
}

TEST(distributeMoments, AFloatingPointFaultNamesItsSpanAndLeavesTheResultsAlone) {
    struct Case {
        float L, q, P;
        int span;
        const char* fault;
    };
    // a huge q, a huge length, two huge forces that overflow only together; a span of length 0
    // gives 0/0 for the shear of its (zero) end moments
    const Case cases[] = {{6, 3e38f, 0, 2, "出现数值溢出"},
                          {1e20f, 10, 0, 3, "出现数值溢出"},
                          {6, 0, 3e38f, 1, "出现数值溢出"},
                          {0, 10, 0, 2, "出现无效运算"}};
    for (const Case& c : cases) {
        BeamBuilder m = BeamBuilder(3, 6).length(c.span, c.L);
        if (c.q != 0) {
            m.uniform(c.span, c.q);
        }
        if (c.P != 0) {
            m.force(c.span, c.P, c.L / 3).force(c.span, c.P, c.L / 3);
        }
        BeamResults r;
        r.EndMoment[1][1] = 7;
        const BeamResults before = r;
        try {
            calculate(m.beam(), r);
            ADD_FAILURE() << "no error on span " << c.span;
        } catch (const FloatingPointFault& e) {
            EXPECT_EQ(e.span, c.span);
            EXPECT_EQ(describe(e), "计算失败：第" + std::to_string(c.span) + "跨" + c.fault +
                                       "，请检查输入数据。");
        }
        EXPECT_EQ(r, before);
    }
}

} // namespace
} // namespace spanwise
