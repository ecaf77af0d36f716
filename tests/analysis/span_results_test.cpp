// Key sections, forces there, the largest span moment and the result rows.
#include "support/BeamBuilder.h"

#include "analysis/Calculation.h"
#include "analysis/NumberFormat.h"
#include "analysis/SectionForces.h"
#include "analysis/SpanResults.h"

#include <gtest/gtest.h>

#include <vector>

namespace spanwise {
namespace {

using namespace test;

constexpr double kTol = 0.0005;

std::vector<float> keyPositions(const BeamResults& r, int s) {
    return {r.KeyPointX[s].begin(), r.KeyPointX[s].begin() + r.KeyPointLast[s] + 1};
}

std::vector<std::string> displayedRow(const Beam& m, const BeamResults& r, int s) {
    const SpanResult row = spanResult(m, r, static_cast<std::int16_t>(s));
    std::vector<std::string> texts{row.label};
    for (float v : row.numbers()) {
        texts.push_back(formatResult(v));
    }
    return texts;
}

TEST(bracketLargest, BracketsTheFirstLargestTowardsTheLargerNeighbour) {
    struct Case {
        std::array<float, 11> values;
        std::int16_t lo;
    };
    const Case cases[] = {
        {{0, 5, 5, 1, 0, 0, 0, 0, 0, 0, 0}, 1},  // tie: the first wins, at the left edge
        {{0, 1, 7, 3, 7, 0, 0, 0, 0, 0, 0}, 2},  // i = 2 kept; right neighbour 3 >= 1
        {{0, 4, 7, 3, 0, 0, 0, 0, 0, 0, 0}, 1},  // left neighbour larger
        {{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 9}, // largest last
        {{0, 1, 2, 3, 9, 4, 4, 1, 1, 1, 1}, 4},  // tie between neighbours goes right... 3 < 4
        {{0, 1, 2, 5, 9, 5, 4, 1, 1, 1, 1}, 4},  // equal neighbours: to the right
    };
    for (const auto& c : cases) {
        std::int16_t lo = 0, hi = 0;
        bracketLargest(c.values, lo, hi);
        EXPECT_EQ(lo, c.lo);
        EXPECT_EQ(hi, c.lo + 1);
    }
}

TEST(KeySections, SpanWithoutLoadsHasBothEndsOnly) {
    Beam m = beamOf({6, 6});
    uniform(m, 2, 10);
    const BeamResults r = solve(m);
    EXPECT_EQ(keyPositions(r, 1), (std::vector<float>{0, 6}));
    EXPECT_EQ(r.KeyPointX[1][2], -1);
    // left V = right V = -(M1 + M2) / L, left M = M1, right M = -M2
    const double v = -(double{r.EndMoment[1][1]} + r.EndMoment[1][2]) / 6;
    EXPECT_NEAR(r.KeyPointV[1][0], v, 1e-5);
    EXPECT_NEAR(r.KeyPointV[1][1], v, 1e-5);
    EXPECT_FLOAT_EQ(r.KeyPointM[1][1], -r.EndMoment[1][2]);
}

TEST(KeySections, ForceGivesTwoSlotsWithTheShearOnEitherSide) {
    Beam m = beamOf({6});
    force(m, 1, 10, 2);
    force(m, 1, 5, 2); // at the same position: no new slots
    const BeamResults r = solve(m);
    EXPECT_EQ(keyPositions(r, 1), (std::vector<float>{0, 2, 2, 6}));
    EXPECT_NEAR(r.KeyPointV[1][1], 10, kTol);
    EXPECT_NEAR(r.KeyPointV[1][2], -5, kTol);
    EXPECT_FLOAT_EQ(r.KeyPointM[1][1], r.KeyPointM[1][2]);
    EXPECT_NEAR(r.KeyPointM[1][1], 20, kTol);
}

TEST(KeySections, RepeatedAndCoincidingPositionsAreKeptOnce) {
    Beam m = beamOf({6});
    uniform(m, 1, 1);
    uniform(m, 1, 2);      // mid-span again
    trapezoid(m, 1, 3, 3); // a = L - a = L/2 = 3
    trapezoid(m, 1, 3, 1); // 1, 5 and mid-span again
    force(m, 1, 4, 5);     // the force slots are dropped: 5 already stands there
    force(m, 1, 4, 4);
    const BeamResults r = solve(m);
    EXPECT_EQ(keyPositions(r, 1), (std::vector<float>{0, 1, 3, 4, 4, 5, 6}));
}

// Ten forces at ten positions need 22 slots, nine trapezoids with distinct a 29: more than the
// old 21-slot table held.
TEST(KeySections, TenLoadsOfAnyMixFitTheTable) {
    Beam forces = beamOf({12});
    for (int k = 1; k <= 10; ++k) {
        force(forces, 1, 1, static_cast<float>(k));
    }
    BeamResults r = solve(forces);
    EXPECT_EQ(r.KeyPointLast[1], 21);
    EXPECT_EQ(r.KeyPointX[1][21], 12);
    EXPECT_EQ(r.KeyPointX[1][22], -1);

    Beam trapezoids = beamOf({20});
    for (int k = 1; k <= 9; ++k) {
        trapezoid(trapezoids, 1, 1, static_cast<float>(k));
    }
    force(trapezoids, 1, 1, 0.5f);
    r = solve(trapezoids);
    EXPECT_EQ(r.KeyPointLast[1], 1 + 9 * 2 + 1 + 2);
    EXPECT_EQ(r.KeyPointX[1][r.KeyPointLast[1]], 20);
}

// A force at a = -1 with b = L + 1 puts -1 into the table; the right end must still come from
// the slot holding L.
TEST(KeySections, ForceAtMinusOneIsNotTakenForTheTerminator) {
    Beam m = beamOf({5});
    Load& force = addLoad(m, 1, Concentrated);
    force.P = 10;
    force.a = -1;
    force.b = 6;
    const BeamResults r = solve(m);
    const SpanResult row = spanResult(m, r, 1);
    EXPECT_EQ(r.KeyPointX[1][r.KeyPointLast[1]], 5);
    const SectionForce end = sectionForceAt(m, r, 1, 5);
    EXPECT_EQ(row.rightV, end.VL);
    EXPECT_EQ(row.rightM, end.M);
}

TEST(SpanResults, TwoEqualSpansUnderUniformLoadMatchTheHandSolution) {
    Beam m = beamOf({6, 6});
    uniform(m, 1, 10);
    uniform(m, 2, 10);
    const BeamResults r = solve(m);
    EXPECT_EQ(displayedRow(m, r, 1), (std::vector<std::string>{"第1跨", "6", "22.5", "0", "25.313",
                                                               "2.25", "-37.5", "-45"}));
    EXPECT_EQ(displayedRow(m, r, 2), (std::vector<std::string>{"第2跨", "6", "37.5", "-45",
                                                               "25.313", "3.75", "-22.5", "0"}));
}

TEST(SpanResults, ConcentratedForceOnSecondSpanGivesSupportMomentOfFourPointFour) {
    Beam m = beamOf({6, 6});
    force(m, 2, 10, 4);
    const BeamResults r = solve(m);
    EXPECT_EQ(formatResult(spanResult(m, r, 1).rightM), "-4.444");
    EXPECT_EQ(formatResult(spanResult(m, r, 2).leftM), "-4.444");
}

// The old search followed the larger neighbour at the kink under a force and reported 77.778
// at 1.333 m for this span.
TEST(searchMaxMoment, FindsThePeakUnderAConcentratedForce) {
    Beam m = beamOf({6});
    force(m, 1, 100, 1);
    const BeamResults r = solve(m);
    EXPECT_EQ(formatResult(r.SpanMaxMoment[1]), "83.333");
    EXPECT_EQ(r.SpanMaxMomentX[1], 1);
}

TEST(searchMaxMoment, UniformLoadOnOneSpanPeaksAtMidspan) {
    Beam m = beamOf({6});
    uniform(m, 1, 10);
    const BeamResults r = solve(m);
    EXPECT_EQ(formatResult(r.SpanMaxMoment[1]), "45");
    EXPECT_EQ(formatResult(r.SpanMaxMomentX[1]), "3");
    EXPECT_NEAR(r.SpanMaxMomentX[1], 3, 0.001);
    EXPECT_NEAR(r.KeyPointV[1][0], 30, kTol);
    EXPECT_NEAR(r.KeyPointV[1][r.KeyPointLast[1]], -30, kTol);
}

TEST(searchMaxMoment, CantileverSpanReportsTheLeastNegativeMomentAtItsFreeEnd) {
    Beam m = beamOf({2, 6}, Cantilever, Simple);
    uniform(m, 1, 10);
    const BeamResults r = solve(m);
    EXPECT_EQ(r.SpanMaxMoment[1], 0);
    EXPECT_EQ(r.SpanMaxMomentX[1], 0);
}

TEST(searchMaxMoment, VeryShortSpanReportsTheLargerEndMoment) {
    Beam m = beamOf({6, 0.00005f, 6});
    uniform(m, 1, 10);
    uniform(m, 3, 20);
    const BeamResults r = solve(m);
    const double left = r.EndMoment[2][1], right = -double{r.EndMoment[2][2]};
    EXPECT_NEAR(r.SpanMaxMoment[2], std::max(left, right), 1e-3);
    EXPECT_EQ(r.SpanMaxMomentX[2], left >= right ? 0 : 0.00005f);
}

// On a span a thousand metres long neighbouring floats are more than 0.0001 m apart; the
// search must still end.
TEST(searchMaxMoment, EndsOnVeryLongSpans) {
    Beam distributed = beamOf({3000});
    uniform(distributed, 1, 1);
    BeamResults r = solve(distributed);
    // M is flat to within one float step (0.125 kN*m here) for about 0.5 m around mid-span
    EXPECT_NEAR(r.SpanMaxMomentX[1], 1500, 0.5);
    EXPECT_NEAR(r.SpanMaxMoment[1], 1.0 * 3000 * 3000 / 8, 0.1);

    Beam concentrated = beamOf({5000});
    force(concentrated, 1, 10, 1234.5f);
    r = solve(concentrated);
    EXPECT_EQ(r.SpanMaxMomentX[1], 1234.5f);
    EXPECT_NEAR(r.SpanMaxMoment[1], 10 * 1234.5 * (5000 - 1234.5) / 5000, 0.01);
}

TEST(NumberFormat, RoundsHalfUpToThreeDecimals) {
    struct Case {
        float v;
        const char* text;
    };
    const Case cases[] = {
        {1.23449f, "1.234"}, {1.2345f, "1.235"},      {-0.0004f, "0"},    {-0.0009f, "-0.001"},
        {-0.0001f, "0"},     {-1.0625f, "-1.062"},    {1.0625f, "1.063"}, {-22.5f, "-22.5"},
        {45, "45"},          {13.3333333f, "13.333"}, {0.5f, "0.5"},      {1e7f, "10000000"},
        {-0.0f, "0"},        {25.3125f, "25.313"}};
    for (const auto& c : cases) {
        EXPECT_EQ(formatResult(c.v), c.text) << c.v;
    }
}

TEST(SpanResults, HeadersAndWidthsOfTheResultGrid) {
    EXPECT_STREQ(kResultHeaders[0], "跨   号");
    EXPECT_STREQ(kResultHeaders[4], "跨中Mmax(kN*m)");
    EXPECT_EQ(kResultColumnTwips[4], 1600);
}

} // namespace
} // namespace spanwise
