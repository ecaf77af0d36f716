// Key sections and the largest span moment where the ends of a span decide them.
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

} // namespace
} // namespace spanwise
