// Diagrams of M and V along a span against the section routine, the result table and hand
// calculations.
#include "BeamBuilder.h"
#include "RandomBeam.h"

#include "analysis/Calculation.h"
#include "analysis/Diagrams.h"
#include "analysis/SectionForces.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

namespace spanwise {
namespace {

using namespace testing_support;

BeamResults solve(const BeamModel& m) {
    BeamResults r;
    calculate(m, r);
    return r;
}

SpanDiagram diagramOf(const BeamModel& m, const BeamResults& r, int s) {
    SpanDiagram d;
    sampleSpan(m, r, static_cast<std::int16_t>(s), d);
    return d;
}

std::vector<DiagramPoint> pointsAt(const SpanDiagram& d, float x) {
    std::vector<DiagramPoint> found;
    for (int i = 0; i < d.count; ++i) {
        if (d.points[i].x == x) {
            found.push_back(d.points[i]);
        }
    }
    return found;
}

struct ForceCase {
    std::string name;
    BeamModel model;
    int span;
    float x; // true position of the force
    float M, VLeft, VRight;
};

std::vector<ForceCase> forceCases() {
    std::vector<ForceCase> cases;
    {
        BeamModel m = beam({6});
        force(m, 1, 30, 2);
        cases.push_back({"simply supported", m, 1, 2, 40, 20, -10});
    }
    {
        BeamModel m = beam({5});
        force(m, 1, 10, 2);
        force(m, 1, 20, 2);
        cases.push_back({"two forces at one place", m, 1, 2, 36, 18, -12});
    }
    {
        BeamModel m = beam({2, 4}, Cantilever);
        force(m, 1, 10, 0.5f);
        cases.push_back({"free left end", m, 1, 0.5f, 0, 0, -10});
    }
    {
        BeamModel m = beam({2, 4}, Cantilever);
        force(m, 1, 10, 0);
        cases.push_back({"on the free left end", m, 1, 0, 0, 0, -10});
    }
    {
        BeamModel m = beam({4, 3}, Simple, Cantilever);
        force(m, 2, 12, 1); // 1 m from the free end: x = 2
        cases.push_back({"free right end", m, 2, 2, 0, 12, 0});
    }
    return cases;
}

TEST(SpanDiagram, ForceSectionAppearsTwiceWithShearLeftThenRight) {
    for (const ForceCase& c : forceCases()) {
        SCOPED_TRACE(c.name);
        const BeamResults r = solve(c.model);
        const SpanDiagram d = diagramOf(c.model, r, c.span);
        const auto at = pointsAt(d, c.x);
        ASSERT_EQ(at.size(), 2u);
        EXPECT_NEAR(at[0].M, c.M, 1e-4);
        EXPECT_NEAR(at[1].M, c.M, 1e-4);
        EXPECT_NEAR(at[0].V, c.VLeft, 1e-4);
        EXPECT_NEAR(at[1].V, c.VRight, 1e-4);
    }
}

TEST(SpanDiagram, FreeRightEndKeepsTheLoadPositionAsAnOrdinarySection) {
    BeamModel m = beam({4, 3}, Simple, Cantilever);
    force(m, 2, 12, 1);
    const BeamResults r = solve(m);
    const SpanDiagram d = diagramOf(m, r, 2);
    // x = a = 1 is a key section of the table, but the force stands at x = 2
    const auto at = pointsAt(d, 1);
    ASSERT_EQ(at.size(), 1u);
    EXPECT_NEAR(at[0].M, -12, 1e-4);
    EXPECT_NEAR(at[0].V, 12, 1e-4);
}

// For L = 7.3 and a = 0.05 no float x has L - x rounding to a: the section routine never sees
// the force exactly, and the jump lies between two neighbouring floats.
TEST(SpanDiagram, FreeRightForceBetweenTwoFloatsStillShowsTheWholeJump) {
    BeamModel m = beam({5, 7.3f}, Simple, Cantilever);
    force(m, 2, 8, 0.05f);
    const BeamResults r = solve(m);
    const SpanDiagram d = diagramOf(m, r, 2);
    const double xf = double{7.3f} - double{0.05f};
    int jumps = 0;
    for (int i = 0; i + 1 < d.count; ++i) {
        const DiagramPoint& p = d.points[i];
        const DiagramPoint& q = d.points[i + 1];
        if (std::fabs(p.V - q.V) > 1) {
            ++jumps;
            EXPECT_NEAR(p.V, 8, 1e-5);
            EXPECT_NEAR(q.V, 0, 1e-5);
            EXPECT_EQ(q.x, std::nextafter(p.x, 100.0f));
            EXPECT_NEAR(p.x, xf, 1e-6);
        }
    }
    EXPECT_EQ(jumps, 1);
}

// The sum of the forces standing exactly at each position of a span (their jumps add up).
std::map<float, double> forcesAtPositions(const BeamModel& m, int s) {
    std::map<float, double> forces;
    for (int k = 1; k <= m.LoadCount[s]; ++k) {
        if (m.LoadKindOf[s][k] == Concentrated) {
            forces[m.LoadA[s][k]] += m.LoadP[s][k];
        }
    }
    return forces;
}

TEST(SpanDiagram, AgreesWithSectionRoutineTableAndMaximumOnRandomBeams) {
    std::mt19937 rng(7001);
    const std::int16_t kinds[] = {Simple, Cantilever, Fixed};
    for (int beamNo = 0; beamNo < 90; ++beamNo) {
        const BeamModel m = randomBeam(rng, kinds[beamNo % 3], kinds[beamNo / 3 % 3]);
        const BeamResults r = solve(m);
        for (int s = 1; s <= m.SpanCount; ++s) {
            SCOPED_TRACE(testing::Message()
                         << "beam " << beamNo << " span " << s << " of " << m.SpanCount
                         << " supports " << m.LeftSupport << "/" << m.RightSupport);
            const float L = m.SpanLength[s];
            const SpanDiagram d = diagramOf(m, r, s);
            ASSERT_GE(d.count, 101);
            ASSERT_LE(d.count, kMaxDiagramPoints);

            // every point is the section routine's answer, a jump as VL then VR
            for (int i = 0; i < d.count; ++i) {
                const DiagramPoint& p = d.points[i];
                float M = 0, VL = 0, VR = 0;
                KeyPointForce(m, r, static_cast<std::int16_t>(s), p.x, M, VL, VR);
                EXPECT_EQ(p.M, M) << "x " << p.x;
                const bool second = i > 0 && d.points[i - 1].x == p.x;
                EXPECT_EQ(p.V, second ? VR : VL) << "x " << p.x;
                if (i > 0) {
                    EXPECT_LE(d.points[i - 1].x, p.x);
                }
                if (!second && VL != VR) {
                    ASSERT_LT(i + 1, d.count);
                    EXPECT_EQ(d.points[i + 1].x, p.x);
                }
            }
            for (int i = 0; i <= 100; ++i) {
                EXPECT_EQ(pointsAt(d, static_cast<float>(double{L} * i / 100)).empty(), false);
            }

            // the ends are the table's left and right values
            const int last = r.KeyPointLast[s];
            const DiagramPoint& first = d.points[0];
            const DiagramPoint& end = d.points[d.count - 1];
            EXPECT_EQ(first.x, 0.0f);
            EXPECT_EQ(first.M, r.KeyPointM[s][0]);
            EXPECT_EQ(first.V, r.KeyPointV[s][0]);
            EXPECT_EQ(end.x, L);
            EXPECT_EQ(end.M, r.KeyPointM[s][last]);
            EXPECT_EQ(end.V, r.KeyPointV[s][last]);

            // the table's maximum is drawn where the table says, and nothing drawn exceeds it
            const auto atMax = pointsAt(d, r.SpanMaxMomentX[s]);
            ASSERT_FALSE(atMax.empty());
            EXPECT_EQ(atMax[0].M, r.SpanMaxMoment[s]);
            float drawnMax = d.points[0].M;
            for (int i = 0; i < d.count; ++i) {
                drawnMax = std::max(drawnMax, d.points[i].M);
            }
            EXPECT_LE(drawnMax, r.SpanMaxMoment[s] + 0.001 + 1e-5 * std::fabs(drawnMax));

            // forces at a (every span but one with a free right end): the jump is their sum
            if (baseSystem(m, s) != BaseSystem::FreeRight) {
                for (const auto& [a, P] : forcesAtPositions(m, s)) {
                    const auto at = pointsAt(d, a);
                    if (P == 0) {
                        continue;
                    }
                    ASSERT_EQ(at.size(), 2u) << "force at " << a;
                    // each side is a sum of single-precision terms: a few units in the last place
                    EXPECT_NEAR(at[0].V - at[1].V, P,
                                1e-5 * (std::fabs(at[0].V) + std::fabs(at[1].V) + std::fabs(P)));
                }
            }
        }
    }
}

} // namespace
} // namespace spanwise
