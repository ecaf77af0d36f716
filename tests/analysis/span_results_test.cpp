// Key sections and the largest span moment where the ends of a span decide them, and the place
// of a load on a cantilever end span.
#include "analysis/SectionForces.h"
#include "support/BeamBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace spanwise {
namespace {

using namespace test;

TEST(searchMaxMoment, VeryShortSpanReportsTheLargerEndMoment) {
    const BeamResults r = solve(BeamBuilder({6, 0.00005f, 6}).uniform(1, 10).uniform(3, 20).beam());
    const double left = r.EndMoment[2][1], right = -double{r.EndMoment[2][2]};
    EXPECT_NEAR(r.SpanMaxMoment[2], std::max(left, right), 1e-3);
    EXPECT_EQ(r.SpanMaxMomentX[2], left >= right ? 0 : 0.00005f);
}

// A span free at its right end counts a load's a from that free end. A clockwise moment of
// 10 kN·m 0.5 m from the tip of a 2 m cantilever stands 1.5 m from the support: by the statics
// of the part beyond a section, M = −10 between the support and the moment, 0 beyond it; the
// key sections hold x = 1.5 and the largest moment of the span is 0 (from 1.5 to the tip).
TEST(KeySections, AMomentOnACantileverEndIsPlacedFromTheFreeEnd) {
    const Beam beam =
        BeamBuilder({4, 2}).ends(Simple, Cantilever).uniform(1, 10).couple(2, 10, 0.5f).beam();
    const BeamResults r = solve(beam);
    const auto* first = &r.KeyPointX[2][0];
    const auto* last = first + r.KeyPointLast[2] + 1;
    EXPECT_NE(std::find(first, last, 1.5f), last);
    EXPECT_EQ(std::find(first, last, 0.5f), last);
    struct Query {
        float x;
        double M, MR;
    };
    for (const Query& q : {Query{1.0f, -10, -10}, Query{1.5f, -10, 0}, Query{1.8f, 0, 0}}) {
        const SectionForce f = sectionForceAt(beam, r, 2, q.x);
        EXPECT_NEAR(f.M, q.M, 1e-4) << "x = " << q.x;
        EXPECT_NEAR(f.MR, q.MR, 1e-4) << "x = " << q.x;
    }
}

} // namespace
} // namespace spanwise
