// The beam's own weight from its section: γ·b·h for a rectangle, γ·b·(h − hf') for a T (the
// slab's own weight is the slab's load), nothing without a section or with the setting off;
// the unit weight's range.
#include "model/SelfWeight.h"

#include <gtest/gtest.h>

namespace spanwise {
namespace {

Beam twoSpans(float unitWeight) {
    Beam beam;
    beam.spans = {spanWith(6, 1, 1), spanWith(6, 1, 1), spanWith(4, 1, 1)};
    beam.span(1).section = SpanSection{250, 500, 0, 0, false, {}, {}, {}};
    beam.span(2).section = SpanSection{300, 650, 2100, 100, false, {}, {}, {}};
    beam.selfWeight = unitWeight;
    return beam;
}

TEST(SelfWeight, FromTheSectionOfEachSpan) {
    const Beam beam = twoSpans(25);
    // 25 × 250 × 500 × 10⁻⁶ = 3.125 kN/m; 25 × 300 × (650 − 100) × 10⁻⁶ = 4.125 kN/m
    const auto rectangle = selfWeightLoad(beam, 1);
    ASSERT_TRUE(rectangle);
    EXPECT_EQ(rectangle->kind, Uniform);
    EXPECT_EQ(rectangle->loadCase, Dead);
    EXPECT_FLOAT_EQ(rectangle->q, 3.125f);
    EXPECT_EQ(rectangle->text, "梁自重");
    EXPECT_FLOAT_EQ(selfWeightLoad(beam, 2)->q, 4.125f);
    EXPECT_FALSE(selfWeightLoad(beam, 3)); // typed EI, no section: nothing to weigh
    // after the typed loads, as the calculation takes it
    Beam loaded = beam;
    loaded.span(1).loads.push_back(Load{Uniform, 0, 10, 0, 0, 0, "均布荷载", Live});
    const Beam calculated = withSelfWeight(loaded);
    ASSERT_EQ(calculated.span(1).loadCount(), 2);
    EXPECT_EQ(calculated.span(1).load(1).q, 10);
    EXPECT_FLOAT_EQ(calculated.span(1).load(2).q, 3.125f);
    EXPECT_EQ(calculated.span(3).loadCount(), 0);
    // off: the beam as typed
    EXPECT_EQ(withSelfWeight(twoSpans(0)), twoSpans(0));
}

TEST(SelfWeight, TheUnitWeightsRange) {
    struct Case {
        float gamma;
        bool ok;
    };
    for (const Case& c : {Case{0, true}, Case{1, true}, Case{25, true}, Case{100, true},
                          Case{0.5f, false}, Case{100.5f, false}, Case{-25, false}}) {
        EXPECT_EQ(selfWeightProblem(c.gamma).empty(), c.ok) << c.gamma;
    }
    EXPECT_EQ(selfWeightProblem(200), "梁自重的重度 γ 应在 1～100 kN/m³ 之间（0 为不计梁自重）");
}

} // namespace
} // namespace spanwise
