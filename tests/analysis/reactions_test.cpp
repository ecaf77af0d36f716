// Support reactions against hand-solved beams, and the equilibrium of the whole beam.
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

// What an engineer expects at one support: nothing (a free end), or R and, at a fixed end, M.
struct Expected {
    bool present;
    double R;
    std::optional<double> M; // set exactly for a fixed end
};
constexpr Expected kFree{false, 0, std::nullopt};

struct HandCase {
    std::string name;
    Beam beam;
    std::vector<Expected> supports;
};

std::vector<HandCase> handCases() {
    std::vector<HandCase> cases;
    {
        Beam m = beamOf({6}); // R = P b / L and P a / L
        force(m, 1, 30, 2);
        cases.push_back({"one span, force at a", m, {{true, 20, {}}, {true, 10, {}}}});
    }
    {
        Beam m = beamOf({4, 4}); // 0.375 qL, 1.25 qL, 0.375 qL
        uniform(m, 1, 10);
        uniform(m, 2, 10);
        cases.push_back(
            {"two equal spans under q", m, {{true, 15, {}}, {true, 50, {}}, {true, 15, {}}}});
    }
    {
        Beam m = beamOf({6, 6}, Fixed, Fixed); // each span fixed-fixed: -qL^2/12 at the walls
        uniform(m, 1, 10);
        uniform(m, 2, 10);
        cases.push_back(
            {"two spans between walls", m, {{true, 30, -30}, {true, 60, {}}, {true, 30, -30}}});
    }
    {
        // wall, two spans of 6 m under 10 kN/m, simple right end: joint moment 270/7
        Beam m = beamOf({6, 6}, Fixed, Simple);
        uniform(m, 1, 10);
        uniform(m, 2, 10);
        cases.push_back(
            {"wall at the left, simple at the right",
             m,
             {{true, 195.0 / 7, -180.0 / 7}, {true, 480.0 / 7, {}}, {true, 165.0 / 7, {}}}});
    }
    {
        // the tip force hangs on support 1 and lifts the far end: span 2 holds -20 at its left
        Beam m = beamOf({2, 4}, Cantilever);
        force(m, 1, 10, 0);
        cases.push_back({"left cantilever", m, {kFree, {true, 15, {}}, {true, -5, {}}}});
    }
    {
        Beam m = beamOf({4, 2}, Simple, Cantilever);
        force(m, 2, 10, 0); // a counted from the free end: at the tip
        cases.push_back({"right cantilever", m, {{true, -5, {}}, {true, 15, {}}, kFree}});
    }
    {
        Beam m = beamOf({5, 3});
        force(m, 2, 40, 0);
        cases.push_back({"force on the interior support, from the right span",
                         m,
                         {{true, 0, {}}, {true, 40, {}}, {true, 0, {}}}});
    }
    {
        Beam m = beamOf({5, 3});
        force(m, 1, 40, 5);
        cases.push_back({"force on the interior support, from the left span",
                         m,
                         {{true, 0, {}}, {true, 40, {}}, {true, 0, {}}}});
    }
    {
        Beam m = beamOf({5});
        force(m, 1, 40, 0);
        force(m, 1, 10, 5);
        cases.push_back({"forces on both end supports", m, {{true, 40, {}}, {true, 10, {}}}});
    }
    {
        // a one-span beam is calculated on two simple supports whatever the right end says
        Beam m = beamOf({4}, Simple, Cantilever);
        uniform(m, 1, 5);
        cases.push_back(
            {"one span, right end set to cantilever", m, {{true, 10, {}}, {true, 10, {}}}});
    }
    return cases;
}

TEST(SupportReactions, HandSolvedBeams) {
    for (const HandCase& c : handCases()) {
        SCOPED_TRACE(c.name);
        const SupportReactions out = reactionsOf(c.beam);
        ASSERT_EQ(c.supports.size(), static_cast<std::size_t>(c.beam.spanCount() + 1));
        for (std::size_t j = 0; j < c.supports.size(); ++j) {
            SCOPED_TRACE(testing::Message() << "support " << j);
            const Expected& e = c.supports[j];
            EXPECT_EQ(out[j].present, e.present);
            EXPECT_EQ(out[j].fixed, e.M.has_value());
            EXPECT_NEAR(out[j].R, e.R, 1e-3);
            EXPECT_NEAR(out[j].M, e.M.value_or(0), 1e-3);
        }
        for (std::size_t j = c.supports.size(); j < out.size(); ++j) {
            EXPECT_FALSE(out[j].present);
        }
    }
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

        // a single span rests on two simple supports
        const bool freeLeft = left == Cantilever && N > 1;
        const bool freeRight = right == Cantilever && N > 1;
        EXPECT_EQ(out[0].present, !freeLeft);
        EXPECT_EQ(out[N].present, !freeRight);
        EXPECT_EQ(out[0].fixed, left == Fixed && N > 1);
        EXPECT_EQ(out[N].fixed, right == Fixed && N > 1);
        freeEnds += freeLeft + freeRight;
        fixedEnds += out[0].fixed + out[N].fixed;
        for (int j = 1; j < N; ++j) {
            EXPECT_TRUE(out[j].present);
            EXPECT_FALSE(out[j].fixed);
        }
        for (int j = 0; j <= N; ++j) {
            if (!out[j].present) {
                EXPECT_EQ(out[j].R, 0.0f);
            }
            if (!out[j].fixed) {
                EXPECT_EQ(out[j].M, 0.0f);
            }
        }

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

TEST(SupportReactions, LabelsNameTheEndsAndCountTheInteriorSupports) {
    EXPECT_EQ(supportLabel(0, 3), "左端支座");
    EXPECT_EQ(supportLabel(1, 3), "第1支座");
    EXPECT_EQ(supportLabel(2, 3), "第2支座");
    EXPECT_EQ(supportLabel(3, 3), "右端支座");
    EXPECT_EQ(supportLabel(1, 1), "右端支座");
}

} // namespace
} // namespace spanwise
