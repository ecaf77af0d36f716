// The calculation against an independent solution of the same beams, loads of every kind on
// every support (support/IndependentSolution.h). Every point the diagrams draw, moment and
// shear, is checked against it too, and the support reactions must hold the loaded beam in
// equilibrium.
#include "support/BeamBuilder.h"
#include "support/IndependentSolution.h"

#include "analysis/Calculation.h"
#include "analysis/Diagrams.h"
#include "analysis/Reactions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <optional>
#include <random>
#include <vector>

namespace spanwise {
namespace {

using namespace test;

TEST(ExactSolution, EndMomentsAndMaximaAgreeOnRandomBeams) {
    std::mt19937 rng(20261206);
    for (int beamNo = 0; beamNo < 300; ++beamNo) {
        const Beam m = randomBeam(rng);
        BeamResults r;
        ASSERT_NO_THROW(calculate(m, r)) << "beam " << beamNo;
        const ExactBeam ex = solveExactly(m);
        double largest = 1;
        for (int s = 1; s <= m.spanCount(); ++s) {
            largest =
                std::max({largest, std::fabs(ex.endMoment[s][1]), std::fabs(ex.endMoment[s][2])});
        }
        for (int s = 1; s <= m.spanCount(); ++s) {
            SCOPED_TRACE(testing::Message()
                         << "beam " << beamNo << " span " << s << " of " << m.spanCount()
                         << " supports " << m.leftSupport << "/" << m.rightSupport);
            EXPECT_NEAR(r.EndMoment[s][1], ex.endMoment[s][1], 1e-4 * largest);
            EXPECT_NEAR(r.EndMoment[s][2], ex.endMoment[s][2], 1e-4 * largest);
            const double best = exactMaximum(ex, s);
            EXPECT_NEAR(r.SpanMaxMoment[s], best, 0.001 + 1e-5 * std::fabs(best) + 1e-6 * largest);
            // the reported position really carries the reported moment, on the side reported
            // of a concentrated moment there (whose true place a float x may miss by a hair)
            const bool rightSide = r.SpanMaxMomentSide[s] == MomentSide::Right;
            double maxAt = r.SpanMaxMomentX[s];
            for (auto [a, C] : ex.loads[s].couples) {
                if (r.SpanMaxMomentSide[s] != MomentSide::None &&
                    std::fabs(a - maxAt) < 1e-5 * maxAt) {
                    maxAt = a;
                }
            }
            EXPECT_NEAR(exactMoment(ex, s, maxAt, rightSide), r.SpanMaxMoment[s],
                        0.001 + 1e-5 * std::fabs(best) + 1e-6 * largest);
            // every point the diagrams draw agrees with statics, ends, key sections and jumps
            // included (the diagrams are sectionForceAt at those sections)
            SpanDiagram diagram;
            sampleSpan(m, r, s, diagram);
            ASSERT_GE(diagram.count, 101);
            EXPECT_EQ(diagram.points[diagram.count - 1].x, m.span(s).length);
            const double L = ex.loads[s].L;
            double shearScale = 1 + largest / L;
            for (auto [a, P] : ex.loads[s].forces) {
                shearScale += std::fabs(P);
            }
            for (const Stretch& w : ex.loads[s].stretches) {
                shearScale += (std::fabs(w.wFrom) + std::fabs(w.wTo)) * (w.to - w.from);
            }
            double momentScale = 1e-4 * largest + 1e-3;
            for (auto [a, C] : ex.loads[s].couples) {
                momentScale += 1e-5 * std::fabs(C);
            }
            // a force on a free right end stands at L - a, which a float x can miss by a hair: a
            // section that close shows the shear on either side of the force
            auto forceNear = [&](double at) -> std::optional<double> {
                for (auto [a, P] : ex.loads[s].forces) {
                    if (ex.base[s] == 2 && std::fabs(at - a) < 1e-5 * std::max(1.0, L)) {
                        return a;
                    }
                }
                return std::nullopt;
            };
            // a concentrated moment on a free right end stands at L - a: a section that close
            // may show the moment on either side of it
            auto coupleNear = [&](double at) -> std::optional<double> {
                for (auto [a, C] : ex.loads[s].couples) {
                    if (std::fabs(at - a) < 1e-5 * std::max(1.0, L)) {
                        return a;
                    }
                }
                return std::nullopt;
            };
            for (int i = 0; i < diagram.count; ++i) {
                const DiagramPoint& p = diagram.points[i];
                // a section on a force or moment is drawn twice, first with the values just
                // left of it, then with those just right
                const bool second = i > 0 && diagram.points[i - 1].x == p.x;
                const std::optional<double> moment = coupleNear(p.x);
                const double offM =
                    moment ? std::min(std::fabs(p.M - exactMoment(ex, s, *moment)),
                                      std::fabs(p.M - exactMoment(ex, s, *moment, true)))
                           : std::fabs(p.M - exactMoment(ex, s, p.x, second));
                EXPECT_LT(offM, momentScale) << "M at " << p.x;
                EXPECT_LE(p.M, r.SpanMaxMoment[s] + 1e-3 + 1e-5 * std::fabs(p.M));
                const std::optional<double> force = forceNear(p.x);
                const double left = exactShear(ex, s, force.value_or(p.x), false);
                const double right = exactShear(ex, s, force.value_or(p.x), true);
                const double off = force ? std::min(std::fabs(p.V - left), std::fabs(p.V - right))
                                         : std::fabs(p.V - (second ? right : left));
                EXPECT_LT(off, 1e-4 * shearScale) << "V at " << p.x;
            }
            // and every force shows its whole jump between two neighbouring points
            for (auto [a, P] : ex.loads[s].forces) {
                const double left = exactShear(ex, s, a, false);
                const double right = exactShear(ex, s, a, true);
                bool drawn = false;
                for (int i = 0; i + 1 < diagram.count; ++i) {
                    const DiagramPoint& p = diagram.points[i];
                    const DiagramPoint& q = diagram.points[i + 1];
                    drawn = drawn || (std::fabs(p.x - a) < 1e-5 * std::max(1.0, L) &&
                                      std::fabs(p.V - left) < 1e-4 * shearScale &&
                                      std::fabs(q.V - right) < 1e-4 * shearScale);
                }
                EXPECT_TRUE(drawn) << "force " << P << " at " << a;
            }
            // and every moment its whole jump (with the others at its place), drawn as a step
            for (auto [a, C] : ex.loads[s].couples) {
                const double jump = exactMoment(ex, s, a, true) - exactMoment(ex, s, a);
                bool drawn = false;
                for (int i = 0; i + 1 < diagram.count; ++i) {
                    const DiagramPoint& p = diagram.points[i];
                    const DiagramPoint& q = diagram.points[i + 1];
                    drawn = drawn || (std::fabs(p.x - a) < 1e-5 * std::max(1.0, L) &&
                                      std::fabs((q.M - p.M) - jump) < momentScale);
                }
                EXPECT_TRUE(drawn) << "moment " << C << " at " << a;
            }
        }
    }
}

// The reactions and the loads cancel out in vertical force and in moment about the left end of
// the beam, the walls' couples included: M clockwise at the left end, anticlockwise at the right.
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
        SupportReactions out;
        supportReactions(m, solve(m), out);
        oneSpan += N == 1;

        // a free end has no reaction (a single span with one is fixed at its other end)
        const bool freeLeft = m.leftSupport == Cantilever;
        const bool freeRight = m.rightSupport == Cantilever;
        EXPECT_EQ(out[0].present, !freeLeft);
        EXPECT_EQ(out[N].present, !freeRight);
        EXPECT_EQ(out[0].fixed, m.leftSupport == Fixed);
        EXPECT_EQ(out[N].fixed, m.rightSupport == Fixed);
        freeEnds += freeLeft + freeRight;
        fixedEnds += out[0].fixed + out[N].fixed;

        double force = 0, moment = 0, largestForce = 1, largestMoment = 1;
        auto add = [&](double W, double x) { // an upward force W at x
            force += W;
            moment += W * x;
            largestForce = std::max(largestForce, std::fabs(W));
            largestMoment = std::max(largestMoment, std::fabs(W * x));
        };
        double start = 0;
        add(out[0].R, 0);
        for (int s = 1; s <= N; ++s) {
            const SpanLoads loads = loadsOf(m, s);
            for (auto [a, P] : loads.forces) {
                add(-P, start + a);
            }
            for (const Stretch& w : loads.stretches) { // its two triangles at their thirds
                const double c = w.to - w.from;
                add(-w.wFrom * c / 2, start + w.from + c / 3);
                add(-w.wTo * c / 2, start + w.from + 2 * c / 3);
            }
            for (auto [a, C] : loads.couples) { // clockwise: against the anticlockwise sense
                moment -= C;
                largestMoment = std::max(largestMoment, std::fabs(C));
            }
            start += loads.L;
            add(out[static_cast<std::size_t>(s)].R, start);
        }
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
