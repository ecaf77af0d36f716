// The calculation against an independent solution of the same beams: the slope-deflection
// equations solved directly in double precision, with statics for the section forces. Nothing
// here calls the solver's own routines. Every point the diagrams draw, moment and shear, is
// checked against it too, and the support reactions must hold the loaded beam in equilibrium.
#include "support/BeamBuilder.h"

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

// Integral of f over [lo, hi] by 3-point Gauss-Legendre: exact for polynomials up to degree 5.
double gauss3(const std::function<double(double)>& f, double lo, double hi) {
    if (hi <= lo) {
        return 0;
    }
    const double mid = (lo + hi) / 2, half = (hi - lo) / 2, r = std::sqrt(0.6);
    return half * (5 * f(mid - half * r) + 8 * f(mid) + 5 * f(mid + half * r)) / 9;
}

// One span's loads as the engineer means them: downward intensity w(t) and point forces at
// their true positions (on a free right end, a is counted from the free end).
struct SpanLoads {
    double L = 0;
    std::vector<std::pair<double, double>> forces; // position, P
    std::vector<std::array<double, 2>> uniforms;   // q
    std::vector<std::array<double, 2>> trapezoids; // q, a

    // Integral of w(t) g(t) over [lo, hi]: piecewise linear w, integrated piece by piece.
    double integrate(const std::function<double(double)>& g, double lo, double hi) const {
        double sum = 0;
        for (const auto& u : uniforms) {
            sum += gauss3([&](double t) { return u[0] * g(t); }, lo, hi);
        }
        for (const auto& tr : trapezoids) {
            const double q = tr[0], a = tr[1];
            auto w = [&](double t) { return t < a ? q * t / a : t > L - a ? q * (L - t) / a : q; };
            const double cuts[] = {0, a, L - a, L};
            for (int p = 0; p < 3; ++p) {
                sum += gauss3([&](double t) { return w(t) * g(t); }, std::max(lo, cuts[p]),
                              std::min(hi, cuts[p + 1]));
            }
        }
        return sum;
    }
};

SpanLoads loadsOf(const Beam& m, int s) {
    SpanLoads loads;
    loads.L = m.span(s).length;
    const bool freeRight = s == m.spanCount() && m.rightSupport == Cantilever;
    for (int k = 1; k <= m.span(s).loadCount(); ++k) {
        const double a = m.span(s).load(k).a;
        switch (m.span(s).load(k).kind) {
        case Concentrated:
            loads.forces.emplace_back(freeRight ? loads.L - a : a, m.span(s).load(k).P);
            break;
        case Uniform:
            loads.uniforms.push_back({m.span(s).load(k).q, 0});
            break;
        case Trapezoidal:
            loads.trapezoids.push_back({m.span(s).load(k).q, a});
            break;
        default:
            break;
        }
    }
    return loads;
}

struct ExactBeam {
    std::vector<std::array<double, 3>> endMoment; // [s][1..2], clockwise on the span
    std::vector<SpanLoads> loads;
    std::vector<int> base; // 0 simply supported, 1 free left, 2 free right
};

// Rotations of the N + 1 support nodes from the slope-deflection equations.
ExactBeam solveExactly(const Beam& m) {
    const int N = m.spanCount();
    ExactBeam ex;
    ex.endMoment.assign(N + 1, {0, 0, 0});
    ex.loads.resize(N + 1);
    ex.base.assign(N + 1, 0);
    std::vector<std::array<double, 3>> fem(N + 1, {0, 0, 0});
    for (int s = 1; s <= N; ++s) {
        ex.loads[s] = loadsOf(m, s);
        const SpanLoads& ld = ex.loads[s];
        const double L = ld.L;
        if (s == 1 && m.leftSupport == Cantilever) {
            ex.base[s] = 1;
        } else if (s == N && m.rightSupport == Cantilever) {
            ex.base[s] = 2;
        }
        if (ex.base[s] == 1) { // support moment from statics, about x = L
            double M = -ld.integrate([&](double t) { return L - t; }, 0, L);
            for (auto [x, P] : ld.forces) {
                M -= P * (L - x);
            }
            fem[s] = {0, 0, -M};
        } else if (ex.base[s] == 2) { // about x = 0
            double M = -ld.integrate([](double t) { return t; }, 0, L);
            for (auto [x, P] : ld.forces) {
                M -= P * x;
            }
            fem[s] = {0, M, 0};
        } else {
            fem[s][1] =
                -ld.integrate([&](double t) { return t * (L - t) * (L - t) / L / L; }, 0, L);
            fem[s][2] = ld.integrate([&](double t) { return t * t * (L - t) / L / L; }, 0, L);
            for (auto [a, P] : ld.forces) {
                const double b = L - a;
                fem[s][1] -= P * a * b * b / (L * L);
                fem[s][2] += P * a * a * b / (L * L);
            }
        }
    }
    // Node n joins span n (right end) and span n + 1 (left end). Equation per node: the sum
    // of the member-end moments there is zero, or theta = 0 at a fixed or free end.
    const int n = N + 1;
    std::vector<std::vector<double>> A(n, std::vector<double>(n + 1, 0));
    auto addEnd = [&](int node, int s, int end) {
        // end moment = fem + 4 i theta_near + 2 i theta_far
        const double i = m.span(s).lineStiffness;
        const int near = end == 1 ? s - 1 : s, far = end == 1 ? s : s - 1;
        A[node][near] += 4 * i;
        A[node][far] += 2 * i;
        A[node][n] -= fem[s][end];
    };
    for (int node = 0; node <= N; ++node) {
        const bool outer = node == 0 || node == N;
        const int support = node == 0 ? m.leftSupport : m.rightSupport;
        if (outer && support != Simple) {
            A[node][node] = 1; // fixed: no rotation; free: the span is determinate
            continue;
        }
        for (int s : {node, node + 1}) {
            if (s < 1 || s > N) {
                continue;
            }
            const int end = s == node ? 2 : 1;
            if (ex.base[s] != 0) {
                A[node][n] -= fem[s][end]; // a cantilever's moment acts as a given load
            } else {
                addEnd(node, s, end);
            }
        }
    }
    // Gaussian elimination with partial pivoting.
    for (int c = 0; c < n; ++c) {
        int p = c;
        for (int r = c + 1; r < n; ++r) {
            if (std::fabs(A[r][c]) > std::fabs(A[p][c])) {
                p = r;
            }
        }
        std::swap(A[c], A[p]);
        for (int r = 0; r < n; ++r) {
            if (r != c && A[r][c] != 0) {
                const double f = A[r][c] / A[c][c];
                for (int k = c; k <= n; ++k) {
                    A[r][k] -= f * A[c][k];
                }
            }
        }
    }
    std::vector<double> theta(n);
    for (int r = 0; r < n; ++r) {
        theta[r] = A[r][n] / A[r][r];
    }
    for (int s = 1; s <= N; ++s) {
        if (ex.base[s] != 0) {
            ex.endMoment[s] = fem[s];
            continue;
        }
        const double i = m.span(s).lineStiffness;
        ex.endMoment[s][1] = fem[s][1] + 4 * i * theta[s - 1] + 2 * i * theta[s];
        ex.endMoment[s][2] = fem[s][2] + 2 * i * theta[s - 1] + 4 * i * theta[s];
    }
    return ex;
}

// Bending moment at x on span s of the exact solution.
double exactMoment(const ExactBeam& ex, int s, double x) {
    const SpanLoads& ld = ex.loads[s];
    const double L = ld.L;
    double M = 0;
    if (ex.base[s] == 1) {
        M = -ld.integrate([&](double t) { return x - t; }, 0, x);
        for (auto [a, P] : ld.forces) {
            M -= P * std::max(0.0, x - a);
        }
    } else if (ex.base[s] == 2) {
        M = -ld.integrate([&](double t) { return t - x; }, x, L);
        for (auto [a, P] : ld.forces) {
            M -= P * std::max(0.0, a - x);
        }
    } else {
        const double RA = ld.integrate([&](double t) { return (L - t) / L; }, 0, L);
        M = ex.endMoment[s][1] * (1 - x / L) - ex.endMoment[s][2] * (x / L) + RA * x -
            ld.integrate([&](double t) { return x - t; }, 0, x);
        for (auto [a, P] : ld.forces) {
            M += x <= a ? P * (L - a) * x / L : P * a * (L - x) / L;
        }
    }
    return M;
}

// Shear dM/dx at x on span s of the exact solution, just left of x or (right) just right of it.
double exactShear(const ExactBeam& ex, int s, double x, bool right) {
    const SpanLoads& ld = ex.loads[s];
    const double L = ld.L;
    auto one = [](double) { return 1.0; };
    double V = 0;
    if (ex.base[s] == 1) {
        V = -ld.integrate(one, 0, x);
        for (auto [a, P] : ld.forces) {
            V -= (right ? x >= a : x > a) ? P : 0;
        }
    } else if (ex.base[s] == 2) {
        V = ld.integrate(one, x, L);
        for (auto [a, P] : ld.forces) {
            V += (right ? a > x : a >= x) ? P : 0;
        }
    } else {
        V = -(ex.endMoment[s][1] + ex.endMoment[s][2]) / L +
            ld.integrate([&](double t) { return (L - t) / L; }, 0, L) - ld.integrate(one, 0, x);
        for (auto [a, P] : ld.forces) {
            V += (right ? x < a : x <= a) ? P * (L - a) / L : -P * a / L;
        }
    }
    return V;
}

double exactMaximum(const ExactBeam& ex, int s) {
    const double L = ex.loads[s].L;
    constexpr int kSamples = 1000;
    std::vector<double> xs, Ms;
    for (int t = 0; t <= kSamples; ++t) {
        xs.push_back(L * t / kSamples);
    }
    for (auto [a, P] : ex.loads[s].forces) {
        xs.push_back(std::clamp(a, 0.0, L));
    }
    std::sort(xs.begin(), xs.end());
    for (double x : xs) {
        Ms.push_back(exactMoment(ex, s, x));
    }
    double best = *std::max_element(Ms.begin(), Ms.end());
    // golden-section refinement around every sampled local peak
    for (std::size_t t = 1; t + 1 < xs.size(); ++t) {
        if (Ms[t] < Ms[t - 1] || Ms[t] < Ms[t + 1]) {
            continue;
        }
        double lo = xs[t - 1], hi = xs[t + 1];
        for (int it = 0; it < 50; ++it) {
            const double m1 = lo + (hi - lo) * 0.382, m2 = lo + (hi - lo) * 0.618;
            if (exactMoment(ex, s, m1) < exactMoment(ex, s, m2)) {
                lo = m1;
            } else {
                hi = m2;
            }
        }
        best = std::max(best, exactMoment(ex, s, (lo + hi) / 2));
    }
    return best;
}

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
            // the reported position really carries the reported moment
            EXPECT_NEAR(exactMoment(ex, s, r.SpanMaxMomentX[s]), r.SpanMaxMoment[s],
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
            for (const auto& w : ex.loads[s].uniforms) {
                shearScale += std::fabs(w[0]) * L;
            }
            for (const auto& w : ex.loads[s].trapezoids) {
                shearScale += std::fabs(w[0]) * L;
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
            for (int i = 0; i < diagram.count; ++i) {
                const DiagramPoint& p = diagram.points[i];
                EXPECT_NEAR(p.M, exactMoment(ex, s, p.x), 1e-4 * largest + 1e-3) << p.x;
                EXPECT_LE(p.M, r.SpanMaxMoment[s] + 1e-3 + 1e-5 * std::fabs(p.M));
                // a section on a force is drawn twice, with the shear just left, then just right
                const bool second = i > 0 && diagram.points[i - 1].x == p.x;
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
            for (const auto& u : loads.uniforms) {
                add(-u[0] * loads.L, start + loads.L / 2);
            }
            for (const auto& tr : loads.trapezoids) { // symmetric: q (L - a) at mid-span
                add(-tr[0] * (loads.L - tr[1]), start + loads.L / 2);
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
