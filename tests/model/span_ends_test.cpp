// How each end of a span is held: the one rule the solver, the section forces, the reactions
// and the pictures share.
#include "model/Beam.h"

#include <gtest/gtest.h>

namespace spanwise {
namespace {

TEST(SpanEnds, FollowTheOuterSupportsOnEveryBeam) {
    using E = EndSupport;
    struct Row {
        int spans;
        SupportKind left, right;
        int span;
        E expectedLeft, expectedRight;
    };
    const Row rows[] = {
        {3, Fixed, Cantilever, 1, E::Fixed, E::Continuous},
        {3, Fixed, Cantilever, 2, E::Continuous, E::Continuous},
        {3, Fixed, Cantilever, 3, E::Continuous, E::Free},
        {2, Cantilever, Simple, 1, E::Free, E::Continuous},
        {2, Cantilever, Simple, 2, E::Continuous, E::Simple},
        {1, Simple, Simple, 1, E::Simple, E::Simple},
        // a single span takes both supports
        {1, Fixed, Cantilever, 1, E::Fixed, E::Free},
        {1, Simple, Fixed, 1, E::Simple, E::Fixed},
    };
    for (const Row& row : rows) {
        Beam beam;
        beam.spans.resize(static_cast<std::size_t>(row.spans));
        beam.leftSupport = row.left;
        beam.rightSupport = row.right;
        const SpanEnds ends = spanEnds(beam, row.span);
        EXPECT_EQ(ends.left, row.expectedLeft) << row.spans << " spans, span " << row.span;
        EXPECT_EQ(ends.right, row.expectedRight) << row.spans << " spans, span " << row.span;
    }
}

} // namespace
} // namespace spanwise
