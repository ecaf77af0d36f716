// Load terms, factors and the moment distribution against hand calculations.
#include "support/BeamBuilder.h"

#include "analysis/Calculation.h"
#include "analysis/CalculationError.h"
#include "analysis/Solver.h"

#include <gtest/gtest.h>

namespace spanwise {
namespace {

using namespace test;

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
        Beam m = beamOf({4, 5, 6}, c.left, c.right);
        m.span(1).lineStiffness = c.i1;
        m.span(2).lineStiffness = c.i2;
        m.span(3).lineStiffness = c.i3;
        uniform(m, 2, 10);
        BeamResults r;
        try {
            calculate(m, r);
            ADD_FAILURE() << "no error at joint " << c.joint;
        } catch (const JointWithoutStiffness& e) {
            EXPECT_EQ(e.joint, c.joint);
            EXPECT_NE(describe(e).find("第" + std::to_string(c.joint) + "支座"), std::string::npos);
        }
    }
}

TEST(distributeMoments, AnOverflowNamesItsSpanAndLeavesTheResultsAlone) {
    struct Case {
        float L, q, P;
        int span;
    };
    // a huge q, a huge length, two huge forces that overflow only together
    const Case cases[] = {{6, 3e38f, 0, 2}, {1e20f, 10, 0, 3}, {6, 0, 3e38f, 1}};
    for (const Case& c : cases) {
        Beam m = beamOf({6, 6, 6});
        m.span(c.span).length = c.L;
        if (c.q != 0) {
            uniform(m, c.span, c.q);
        }
        if (c.P != 0) {
            force(m, c.span, c.P, c.L / 3);
            force(m, c.span, c.P, c.L / 3);
        }
        BeamResults r;
        r.EndMoment[1][1] = 7;
        const BeamResults before = r;
        try {
            calculate(m, r);
            ADD_FAILURE() << "no error on span " << c.span;
        } catch (const FloatingPointFault& e) {
            EXPECT_EQ(e.span, c.span);
            EXPECT_EQ(describe(e),
                      "计算失败：第" + std::to_string(c.span) + "跨出现数值溢出，请检查输入数据。");
        }
        EXPECT_EQ(r, before);
    }
}

} // namespace
} // namespace spanwise
