// Support reactions: the whole beam is in equilibrium under its loads and reactions.
#include "support/BeamBuilder.h"

#include "analysis/Calculation.h"
#include "analysis/Reactions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace spanwise {
namespace {

using namespace test;

SupportReactions reactionsOf(const Beam& m) {
    BeamResults r;
    calculate(m, r);
    SupportReactions out;
    supportReactions(m, r, out);
    return out;
}

// Every load as a downward resultant W at its position from the left end of the beam.
struct Resultant {
    double W, x;
};

std::vector<Resultant> resultants(const Beam& m, std::vector<double>& supportX) {
    std::vector<Resultant> loads;
    supportX.assign(1, 0.0);
    double start = 0;
    for (int s = 1; s <= m.spanCount(); ++s) {
        const double L = m.span(s).length;
        const bool freeRight = s == m.spanCount() && s != 1 && m.rightSupport == Cantilever;
        for (int k = 1; k <= m.span(s).loadCount(); ++k) {
            const double a = m.span(s).load(k).a, P = m.span(s).load(k).P, q = m.span(s).load(k).q;
            switch (m.span(s).load(k).kind) {
            case Concentrated:
                loads.push_back({P, start + (freeRight ? L - a : a)});
                break;
            case Uniform:
                loads.push_back({q * L, start + L / 2});
                break;
            case Trapezoidal: // two ramps of a and the plateau between: q (L - a), symmetric
                loads.push_back({q * (L - a), start + L / 2});
                break;
            default:
                break;
            }
        }
        start += L;
        supportX.push_back(start);
    }
    return loads;
}

TEST(SupportReactions, BeamIsInEquilibriumOnRandomBeams) {
    std::mt19937 rng(424242);
    const SupportKind kinds[] = {Simple, Cantilever, Fixed};
    int freeEnds = 0, fixedEnds = 0, oneSpan = 0;
    for (int beamNo = 0; beamNo < 360; ++beamNo) {
        const SupportKind left = kinds[beamNo % 3], right = kinds[beamNo / 3 % 3];
        const Beam m = randomBeam(rng, left, right);
        const int N = m.spanCount();
        SCOPED_TRACE(testing::Message() << "beam " << beamNo << " of " << N << " spans, supports "
                                        << left << "/" << right);
        const SupportReactions out = reactionsOf(m);
        oneSpan += N == 1;

        // a single span rests on two simple supports; a free end has no reaction
        const bool freeLeft = left == Cantilever && N > 1;
        const bool freeRight = right == Cantilever && N > 1;
        EXPECT_EQ(out[0].present, !freeLeft);
        EXPECT_EQ(out[N].present, !freeRight);
        EXPECT_EQ(out[0].fixed, left == Fixed && N > 1);
        EXPECT_EQ(out[N].fixed, right == Fixed && N > 1);
        freeEnds += freeLeft + freeRight;
        fixedEnds += out[0].fixed + out[N].fixed;

        std::vector<double> supportX;
        const std::vector<Resultant> loads = resultants(m, supportX);
        double force = 0, moment = 0, largestForce = 1, largestMoment = 1;
        for (int j = 0; j <= N; ++j) {
            force += out[j].R;
            moment += out[j].R * supportX[j];
            largestForce = std::max(largestForce, std::fabs(double{out[j].R}));
            largestMoment = std::max(largestMoment, std::fabs(out[j].R * supportX[j]));
        }
        for (const Resultant& w : loads) {
            force -= w.W;
            moment -= w.W * w.x;
            largestForce = std::max(largestForce, std::fabs(w.W));
            largestMoment = std::max(largestMoment, std::fabs(w.W * w.x));
        }
        // the walls' couples: M clockwise at the left end, M anticlockwise at the right end
        moment += -double{out[0].M} + out[N].M;
        largestMoment =
            std::max({largestMoment, std::fabs(double{out[0].M}), std::fabs(double{out[N].M})});
        EXPECT_NEAR(force, 0, 1e-4 * largestForce);
        EXPECT_NEAR(moment, 0, 1e-4 * largestMoment);
    }
    EXPECT_GT(freeEnds, 150);
    EXPECT_GT(fixedEnds, 150);
    EXPECT_GT(oneSpan, 5);
}

} // namespace
} // namespace spanwise
