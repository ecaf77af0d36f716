// The beam's own weight in the whole chain, worked by hand: two simple 6 m spans, 250 × 500 of
// C30, typed dead g = 10 and live q = 5 kN/m on both, γ = 25 kN/m³: each span carries
// 25 × 0.25 × 0.5 = 3.125 kN/m more dead load. Over the middle support M = −w·L²/8:
// - the loads as entered, all on: w = 10 + 3.125 + 5 = 18.125, M = −81.5625 kN·m;
// - the basic combination, live on both spans: w = 1.3 × 13.125 + 1.5 × 5 = 24.5625,
//   M = −110.53125 kN·m (without the own weight 20.5 and −92.25);
// - its steel at the face (width 0, β = 0): αs = 110.53125e6/(14.3·250·460²) = 0.146115,
//   ξ = 1 − √(1 − 2αs) = 0.158709, As = 14.3·250·ξ·460/360 = 724.99 mm².
#include "outcome/BeamOutcome.h"

#include "model/SelfWeight.h"

#include <gtest/gtest.h>

namespace spanwise {
namespace {

Beam twoSpans(float unitWeight) {
    Beam beam;
    beam.spans = {spanWith(6, 1, 1), spanWith(6, 1, 1)};
    for (Span& span : beam.spans) {
        span.loads.push_back(Load{Uniform, 0, 10, 0, 0, 0, "均布荷载", Dead});
        span.loads.push_back(Load{Uniform, 0, 5, 0, 0, 0, "均布荷载", Live});
        span.section = SpanSection{250, 500, 0, 0, false, {}, {}, {}};
    }
    beam.selfWeight = unitWeight;
    return beam;
}

TEST(SelfWeightOutcome, CountedInTheCalculationTheEnvelopeAndTheDesign) {
    const BeamOutcome outcome = outcomeOf(twoSpans(kDefaultUnitWeight));
    EXPECT_NEAR(-outcome.calculation.results.EndMoment[1][2], -81.5625, 1e-3);
    EXPECT_NEAR(outcome.envelope.orThrow().at(1, 6).minMoment.value, -110.53125, 1e-3);
    const BeamDesign& design = outcome.design.orThrow();
    const SteelRow* face = nullptr;
    for (const SteelRow& row : design.span(1).rows) {
        face = row.place == SteelPlace::RightFace ? &row : face;
    }
    ASSERT_NE(face, nullptr);
    EXPECT_NEAR(face->moment, -110.53125, 1e-3);
    EXPECT_NEAR(face->flexure.alphaS, 0.146115, 1e-6);
    EXPECT_NEAR(face->flexure.requiredArea, 724.99, 0.01);
    // the own weight is one more dead load of the beam as calculated, not of the beam as typed
    EXPECT_EQ(outcome.beam().span(1).loadCount(), 3);
    EXPECT_EQ(outcome.beam().span(1).load(3).text, "梁自重");
}

TEST(SelfWeightOutcome, OffTheBeamCalculatesAsTyped) {
    const BeamOutcome outcome = outcomeOf(twoSpans(0));
    EXPECT_NEAR(outcome.envelope.orThrow().at(1, 6).minMoment.value, -92.25, 1e-3);
    EXPECT_EQ(outcome.beam().span(1).loadCount(), 2);
}

} // namespace
} // namespace spanwise
