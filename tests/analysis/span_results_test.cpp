// Key sections and the largest span moment where the ends of a span decide them.
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

} // namespace
} // namespace spanwise
