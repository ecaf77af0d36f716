// The design forces against values worked independently of the program: at the faces of wide
// supports, between them, with and without redistribution, and the stiffness a section gives.
#include "design/DesignForces.h"
#include "design/SectionStiffness.h"

#include "support/BeamBuilder.h"

#include <gtest/gtest.h>

#include <cmath>

namespace spanwise {
namespace {

using namespace test;

// The three-span main beam of a floor: 6.3 m spans, forces of G = 52.8 and Q = 75.6 kN at the
// thirds of every span, as design values (gammaG = gammaQ = gamma0 = 1), supports 0.3 m wide.
Beam mainBeam() {
    BeamBuilder builder(3, 6.3f);
    for (int s = 1; s <= 3; ++s) {
        builder.force(s, 52.8f, 2.1f)
            .force(s, 52.8f, 4.2f)
            .force(s, 75.6f, 2.1f)
            .force(s, 75.6f, 4.2f);
    }
    Beam beam = builder.beam();
    for (Span& span : beam.spans) {
        span.load(3).loadCase = span.load(4).loadCase = Live;
        span.rightSupportDesign.width = 0.3f;
    }
    beam.firstSupportDesign.width = 0.3f;
    beam.factors = {1, 1, 1, {}};
    return beam;
}

// Worked with the three-moment equation for each of the eight live-load arrangements (sympy):
// support B's least moment is -236.880 (Q on spans 1 and 2; the handbook's 0.267 GL + 0.311 QL
// to three places). Its faces lie 0.15 m either side, where the moment is M_B - V 0.15 with the
// shear just left of B (span 1: -(G + Q) + M_B / L = -166.0) and M_B + V 0.15 with the shear
// just right of it (span 2: (G + Q) + (M_C - M_B) / L = 145.2): -211.980 and -215.100, both
// least under that same arrangement. The textbook's M - V0 b/2 = -236.880 + 128.4 x 0.15 =
// -217.620 takes the simple-beam shear V0 = G + Q of span 2, which no arrangement has at that
// face: the continuity adds (M_C - M_B) / L. Span 1's largest moment (Q on spans 1 and 3) is
// 218.904 at the first third.
TEST(DesignForces, TheMainBeamAtTheFacesOfItsSupports) {
    const Beam beam = mainBeam();
    const Envelope envelope(beam);
    const BeamForces forces = designForces(beam, envelope);
    EXPECT_NEAR(envelope.at(1, 6.3f).minMoment.value, -236.880, 0.0005);
    const SpanForces& first = forces.span(1);
    const SpanForces& second = forces.span(2);
    EXPECT_FLOAT_EQ(first.right.x, 6.15f);
    EXPECT_FLOAT_EQ(second.left.x, 0.15f);
    EXPECT_NEAR(first.right.moment, -211.980, 0.0005);
    EXPECT_NEAR(second.left.moment, -215.100, 0.0005);
    EXPECT_NEAR(first.bottomMoment, 218.904, 0.0005);
    EXPECT_NEAR(first.bottomX, 2.1, 1e-6);
    EXPECT_EQ(first.rule, SpanMomentRule::Elastic);
    EXPECT_FALSE(forces.redistributed);
}

// Two 6 m spans, design loads g = 20 and q = 15 kN/m (gamma = 1), no widths, beta = 0.2 at the
// middle support. Elastic: M_B = -(g + q) 36 / 8 = -157.5, reduced by 0.2: -126.0. The span's
// elastic largest moment (q on span 1 alone): R = 210 / 2 - (20 x 36 / 8 + 15 x 36 / 16) / 6 =
// 105 - 20.625 = 84.375, M = R^2 / (2 x 35) = 101.70; against 1.02 M0 - 126 / 2 = 1.02 x 157.5
// - 63 = 97.65 and M0 / 3 = 52.5 the elastic value governs. At the face over B the elastic shear
// is 5/8 x 35 x 6 = 131.25; redistributed, the simple span's -105 and -126 / 6 give -126.0:
// the elastic one governs (a redistribution never lowers a design shear).
TEST(DesignForces, RedistributionAtTheMiddleOfTwoSpans) {
    Beam beam =
        BeamBuilder(2, 6).uniform(1, 20).uniform(2, 20).uniform(1, 15).uniform(2, 15).beam();
    beam.span(1).load(2).loadCase = beam.span(2).load(2).loadCase = Live;
    beam.factors = {1, 1, 1, {}};
    beam.span(1).rightSupportDesign.redistribution = 0.2f;
    const BeamForces forces = designForces(beam, Envelope(beam));
    const SpanForces& first = forces.span(1);
    EXPECT_TRUE(forces.redistributed);
    EXPECT_NEAR(first.right.elasticMoment, -157.5, 1e-4);
    EXPECT_NEAR(first.right.moment, -126.0, 1e-4);
    EXPECT_NEAR(first.bottomMoment, 101.70, 0.005);
    EXPECT_EQ(first.rule, SpanMomentRule::Elastic);
    EXPECT_NEAR(first.simpleMaximum, 157.5, 1e-4);
    EXPECT_NEAR(first.reducedRight, 126.0, 1e-4);
    EXPECT_NEAR(first.right.shear, -131.25, 1e-4);
    EXPECT_FALSE(first.right.redistributedShearGoverns);
    EXPECT_EQ(forces.span(2).left.moment, first.right.moment);
}

} // namespace
} // namespace spanwise
