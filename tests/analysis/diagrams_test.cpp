// Diagrams of M and V along a span against the section routine and the result table.
#include "support/BeamBuilder.h"

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

using namespace test;

SpanDiagram diagramOf(const Beam& m, const BeamResults& r, int s) {
    SpanDiagram d;
    sampleSpan(m, r, s, d);
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

std::map<float, double> forcesAtPositions(const Beam& m, int s) {
    std::map<float, double> forces;
    for (int k = 1; k <= m.span(s).loadCount(); ++k) {
        if (m.span(s).load(k).kind == Concentrated) {
            forces[m.span(s).load(k).a] += m.span(s).load(k).P;
        }
    }
    return forces;
}

TEST(SpanDiagram, AgreesWithSectionRoutineTableAndMaximumOnRandomBeams) {
    std::mt19937 rng(7001);
    const SupportKind kinds[] = {Simple, Cantilever, Fixed};
    for (int beamNo = 0; beamNo < 90; ++beamNo) {
        const Beam m = randomBeam(rng, kinds[beamNo % 3], kinds[beamNo / 3 % 3]);
        const BeamResults r = solve(m);
        for (int s = 1; s <= m.spanCount(); ++s) {
            SCOPED_TRACE(testing::Message()
                         << "beam " << beamNo << " span " << s << " of " << m.spanCount()
                         << " supports " << m.leftSupport << "/" << m.rightSupport);
            const float L = m.span(s).length;
            const SpanDiagram d = diagramOf(m, r, s);
            ASSERT_GE(d.count, 101);
            ASSERT_LE(d.count, kMaxDiagramPoints);

            // every point is the section routine's answer, a jump as VL then VR
            for (int i = 0; i < d.count; ++i) {
                const DiagramPoint& p = d.points[i];
                const auto [M, VL, VR] = sectionForceAt(m, r, s, p.x);
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
