// The calculation against an independent solution of the same beams: the slope-deflection
// equations solved directly in double precision, with statics for the section forces. Nothing
// here calls the solver's own routines. The diagrams are checked against it too.
#include "support/BeamBuilder.h"

#include "analysis/Calculation.h"
#include "analysis/Diagrams.h"
#include "analysis/SectionForces.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
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
    const bool freeRight = s == m.spanCount() && s != 1 && m.rightSupport == Cantilever;
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
        } else if (s == N && s != 1 && m.rightSupport == Cantilever) {
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
        if (outer && N > 1 && support != Simple) {
            A[node][node] = 1; // fixed: no rotation; free: the span is determinate
            continue;
        }
        if (N == 1 && outer) {
            A[node][node] = 1; // one span on two simple supports: no end moments
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
        if (ex.base[s] != 0 || N == 1) {
            ex.endMoment[s] = fem[s];
            if (N == 1) {
                ex.endMoment[s] = {0, 0, 0};
            }
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
            // and any section agrees with statics
            const float x = static_cast<float>(m.span(s).length * 0.37);
            const float M = sectionForceAt(m, r, s, x).M;
            EXPECT_NEAR(M, exactMoment(ex, s, x), 1e-4 * largest + 1e-3);
            // so does every point the diagrams draw, ends, key sections and jumps included
            SpanDiagram diagram;
            sampleSpan(m, r, s, diagram);
            ASSERT_GE(diagram.count, 101);
            EXPECT_EQ(diagram.points[diagram.count - 1].x, m.span(s).length);
            for (int i = 0; i < diagram.count; ++i) {
                const DiagramPoint& p = diagram.points[i];
                EXPECT_NEAR(p.M, exactMoment(ex, s, p.x), 1e-4 * largest + 1e-3) << p.x;
                EXPECT_LE(p.M, r.SpanMaxMoment[s] + 1e-3 + 1e-5 * std::fabs(p.M));
            }
        }
    }
}

} // namespace
} // namespace spanwise
