// The partial uniform, linearly varying and concentrated-moment loads against closed forms
// worked by hand: their fixed-end moments, the forces on a simple span, continuity where their
// pieces meet, a moment's jump at a span end, and the side of the largest moment at a jump.
// (Their agreement with an independent solution on random beams of every kind and support is
// exact_solution_test; the envelope's and the deflections' the random tests there.)
#include "support/BeamBuilder.h"

#include "analysis/LoadFormulas.h"
#include "analysis/SectionForces.h"
#include "analysis/Solver.h"
#include "analysis/SpanCurve.h"
#include "analysis/SpanResults.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace spanwise {
namespace {

using namespace test;

// The load terms (F1 at the left end, F2 at the right, clockwise on the span) of one 6 m span
// held by the given supports.
std::pair<float, float> loadTerms(SupportKind left, SupportKind right,
                                  const std::function<void(BeamBuilder&)>& load) {
    BeamBuilder builder({6});
    builder.ends(left, right);
    load(builder);
    float F1 = 0, F2 = 0;
    spanLoadTerms(builder.beam(), 1, std::nullopt, F1, F2);
    return {F1, F2};
}

// Fixed ends by the integrals of w x (L - x)^2 / L^2 and w x^2 (L - x) / L^2 (sympy); the
// propped span by carrying the released end's half over (F1 - F2/2); a cantilever by statics
// about its support; a moment M at a by M b (2a - b) / L^2 and M a (2b - a) / L^2.
TEST(LoadKinds, FixedEndMomentsInClosedForm) {
    struct Case {
        const char* name;
        SupportKind left, right;
        std::function<void(BeamBuilder&)> load;
        double F1, F2;
    };
    const Case cases[] = {
        {"partial q = 10 on [1, 4], fixed ends", Fixed, Fixed,
         [](BeamBuilder& b) { b.partial(1, 10, 1, 3); }, -22.708333, 17.291667},
        {"the same, right end pinned", Fixed, Simple,
         [](BeamBuilder& b) { b.partial(1, 10, 1, 3); }, -31.354167, 0},
        {"the same, left end pinned", Simple, Fixed, [](BeamBuilder& b) { b.partial(1, 10, 1, 3); },
         0, 28.645833},
        {"triangle 0 -> 12 over the span, fixed ends", Fixed, Fixed,
         [](BeamBuilder& b) { b.linear(1, 0, 12, 0, 6); }, -14.4, 21.6},
        {"the same, right end pinned", Fixed, Simple,
         [](BeamBuilder& b) { b.linear(1, 0, 12, 0, 6); }, -25.2, 0},
        {"linear 4 -> 10 on [1, 3], fixed ends", Fixed, Fixed,
         [](BeamBuilder& b) { b.linear(1, 4, 10, 1, 2); }, -11.7, 6.8555556},
        {"moment 60 at a = 2, fixed ends", Fixed, Fixed, [](BeamBuilder& b) { b.couple(1, 60, 2); },
         0, 20},
        {"the same, right end pinned", Fixed, Simple, [](BeamBuilder& b) { b.couple(1, 60, 2); },
         -10, 0},
        {"the same, left end pinned", Simple, Fixed, [](BeamBuilder& b) { b.couple(1, 60, 2); }, 0,
         20},
        {"cantilever, partial q = 10 from 1 m off the free end over 3 m", Fixed, Cantilever,
         [](BeamBuilder& b) { b.partial(1, 10, 1, 3); }, -105, 0},
        {"cantilever, moment 60 anywhere", Fixed, Cantilever,
         [](BeamBuilder& b) { b.couple(1, 60, 2.5f); }, -60, 0},
        {"cantilever free at its left, moment 60", Cantilever, Fixed,
         [](BeamBuilder& b) { b.couple(1, 60, 2.5f); }, 0, -60},
    };
    for (const Case& c : cases) {
        const auto [F1, F2] = loadTerms(c.left, c.right, c.load);
        EXPECT_NEAR(F1, c.F1, 1e-5) << c.name;
        EXPECT_NEAR(F2, c.F2, 1e-5) << c.name;
    }
}

// A simply supported 6 m span, by statics: the partial load q = 10 on [1, 4] has R_A = 30 x
// 3.5 / 6 = 17.5; the triangle 0 -> 12 has R_A = W / 3 = 12 and M = 12 x - x^3 / 3; the moment
// 60 at 2 has R_A = -10, M = -10 x before it and 60 - 10 x after it.
TEST(LoadKinds, SimpleSpanForcesByStatics) {
    struct Case {
        const char* name;
        std::function<void(BeamBuilder&)> load;
        float x;
        double M, MR, V;
    };
    const Case cases[] = {
        {"partial, before it", [](BeamBuilder& b) { b.partial(1, 10, 1, 3); }, 1, 17.5, 17.5, 17.5},
        {"partial, inside", [](BeamBuilder& b) { b.partial(1, 10, 1, 3); }, 2.5, 32.5, 32.5, 2.5},
        {"partial, after it", [](BeamBuilder& b) { b.partial(1, 10, 1, 3); }, 5, 12.5, 12.5, -12.5},
        {"triangle at 3", [](BeamBuilder& b) { b.linear(1, 0, 12, 0, 6); }, 3, 27, 27, 3},
        {"triangle at its end", [](BeamBuilder& b) { b.linear(1, 0, 12, 0, 6); }, 6, 0, 0, -24},
        {"moment, before it", [](BeamBuilder& b) { b.couple(1, 60, 2); }, 1, -10, -10, -10},
        {"moment, on it", [](BeamBuilder& b) { b.couple(1, 60, 2); }, 2, -20, 40, -10},
        {"moment, after it", [](BeamBuilder& b) { b.couple(1, 60, 2); }, 4, 20, 20, -10},
    };
    for (const Case& c : cases) {
        BeamBuilder builder({6});
        c.load(builder);
        const Beam beam = builder.beam();
        const SectionForce f = sectionForceAt(beam, solve(beam), 1, c.x);
        EXPECT_NEAR(f.M, c.M, 1e-4) << c.name;
        EXPECT_NEAR(f.MR, c.MR, 1e-4) << c.name;
        EXPECT_NEAR(f.VL, c.V, 1e-4) << c.name;
    }
}

// The load formulas a span falls back on agree with its curve on all three base systems, and
// are continuous where a stretch begins and ends (the curve's pieces meet there).
TEST(LoadKinds, FormulasAgreeWithTheCurveAndAreContinuous) {
    const SupportKind ends[][2] = {{Simple, Simple}, {Cantilever, Fixed}, {Fixed, Cantilever}};
    for (const auto& end : ends) {
        const Beam beam = BeamBuilder({6}).ends(end[0], end[1]).linear(1, 4, -10, 1, 2.5f).beam();
        const SpanCurve curve(beam, 1);
        ASSERT_TRUE(curve.exact());
        const BaseSystem base = curve.base();
        auto formula = [&](float x) {
            float M = 0, V = 0;
            switch (base) {
            case BaseSystem::SimplySupported:
                simpleSpanStretch(4, -10, 1, 3.5f, 6, x, M, V);
                break;
            case BaseSystem::FreeLeft:
                freeLeftSpanStretch(4, -10, 1, 3.5f, x, M, V);
                break;
            case BaseSystem::FreeRight:
                freeRightSpanStretch(4, -10, 1, 3.5f, 6, x, M, V);
                break;
            }
            return std::pair{M, V};
        };
        for (float x : {0.0f, 0.7f, 1.0f, 2.2f, 3.5f, 4.1f, 6.0f}) {
            const SectionForce f = curveForceAt(curve, 0, 0, x);
            EXPECT_NEAR(f.M, formula(x).first, 1e-4) << x;
            EXPECT_NEAR(f.VL, formula(x).second, 1e-4) << x;
        }
        // where a piece meets the next: 1 and 3.5 along the base system
        for (float xi : {1.0f, 3.5f}) {
            const float x = base == BaseSystem::FreeRight ? 6 - xi : xi;
            const float below = std::nextafter(x, 0.0f), above = std::nextafter(x, 10.0f);
            EXPECT_NEAR(formula(below).first, formula(above).first, 1e-4) << x;
            EXPECT_NEAR(formula(below).second, formula(above).second, 1e-4) << x;
        }
    }
}

TEST(LoadKinds, AMomentAcrossTheSupportsAndAtTheEnds) {
    // two equal spans of 6 m: a clockwise 60 at mid-span of span 1 gives span 1, pinned at its
    // left end, the term 60 (36 - 27) / 72 = 7.5, of which the joint keeps half: 3.75
    const Beam two = BeamBuilder({6, 6}).couple(1, 60, 3).beam();
    const BeamResults r = solve(two);
    EXPECT_NEAR(spanResult(two, r, 1).rightM, -3.75, 1e-5);
    EXPECT_NEAR(spanResult(two, r, 2).leftM, -3.75, 1e-5);
    // on the moment the larger side is the largest moment, and the table says which side:
    // just right of it M = -3.75 / 2 + 30 = 28.125
    EXPECT_NEAR(r.SpanMaxMoment[1], 28.125, 1e-4);
    EXPECT_EQ(r.SpanMaxMomentX[1], 3.0f);
    EXPECT_EQ(r.SpanMaxMomentSide[1], MomentSide::Right);
    EXPECT_EQ(resultRowTexts(spanResult(two, r, 1))[5], "3(右)");
    // anticlockwise, the larger side is the left one
    const Beam turned = BeamBuilder({6, 6}).couple(1, -60, 3).beam();
    const BeamResults t = solve(turned);
    EXPECT_EQ(t.SpanMaxMomentSide[1], MomentSide::Left);
    EXPECT_EQ(resultRowTexts(spanResult(turned, t, 1))[5], "3(左)");

    // a moment at the very start of span 2: the table's end moments stay the member-end
    // moments, continuous over the support, and the jump shows just inside the span
    const Beam atEnd = BeamBuilder({6, 6}).uniform(1, 10).uniform(2, 10).couple(2, 60, 0).beam();
    const BeamResults e = solve(atEnd);
    EXPECT_FLOAT_EQ(spanResult(atEnd, e, 1).rightM, spanResult(atEnd, e, 2).leftM);
    ASSERT_EQ(e.KeyPointX[2][1], 0.0f);
    EXPECT_NEAR(e.KeyPointM[2][1] - e.KeyPointM[2][0], 60, 1e-4);
    // and at the very end of span 1, the jump shows just before its end
    const Beam atRight = BeamBuilder({6, 6}).uniform(1, 10).couple(1, 60, 6).beam();
    const BeamResults g = solve(atRight);
    int first = 0; // the first key section at the end
    while (g.KeyPointX[1][first] != 6.0f) {
        ++first;
    }
    EXPECT_FLOAT_EQ(spanResult(atRight, g, 1).rightM, spanResult(atRight, g, 2).leftM);
    EXPECT_NEAR(g.KeyPointM[1][g.KeyPointLast[1]] - g.KeyPointM[1][first], 60, 1e-4);
}

} // namespace
} // namespace spanwise
