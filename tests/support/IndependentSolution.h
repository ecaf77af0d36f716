// An independent solution of a beam, for the tests that check the calculation against it: the
// slope-deflection equations solved directly in double precision, the fixed-end moments of every
// load from the two integrals of its simple-beam moment diagram (the ends of a fixed beam do not
// turn: the areas of the moment diagram and of its first moment vanish), and statics for the
// section forces. Nothing here calls the program's own routines.
#pragma once

#include "model/Beam.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <vector>

namespace spanwise::test {

// Integral of f over [lo, hi] by 3-point Gauss-Legendre: exact for polynomials up to degree 5.
inline double gauss3(const std::function<double(double)>& f, double lo, double hi) {
    if (hi <= lo) {
        return 0;
    }
    const double mid = (lo + hi) / 2, half = (hi - lo) / 2, r = std::sqrt(0.6);
    return half * (5 * f(mid - half * r) + 8 * f(mid) + 5 * f(mid + half * r)) / 9;
}

// A stretch of load along the span, at its true place: w from wFrom at x = from to wTo at to.
struct Stretch {
    double from, to, wFrom, wTo;
    double at(double x) const { return wFrom + (wTo - wFrom) * (x - from) / (to - from); }
};

// One span's loads as the engineer means them, at their true positions (on a free right end,
// a is counted from the free end): downward intensity w(t), point forces and clockwise moments.
struct SpanLoads {
    double L = 0;
    std::vector<std::pair<double, double>> forces;  // position, P
    std::vector<std::pair<double, double>> couples; // position, M clockwise
    std::vector<Stretch> stretches;                 // uniform, trapezoids, partial, linear

    // Where w, the forces or the moments change: the pieces integrals are taken over.
    std::vector<double> cuts() const {
        std::vector<double> at{0, L};
        for (const Stretch& w : stretches) {
            at.insert(at.end(), {w.from, w.to});
        }
        for (const auto& [x, P] : forces) {
            at.push_back(x);
        }
        for (const auto& [x, C] : couples) {
            at.push_back(x);
        }
        std::sort(at.begin(), at.end());
        return at;
    }

    // Integral of w(t) g(t) over [lo, hi], stretch by stretch.
    double integrate(const std::function<double(double)>& g, double lo, double hi) const {
        double sum = 0;
        for (const Stretch& w : stretches) {
            sum += gauss3([&](double t) { return w.at(t) * g(t); }, std::max(lo, w.from),
                          std::min(hi, w.to));
        }
        return sum;
    }

    // Integral of f over the span, piece by piece between the cuts.
    double overSpan(const std::function<double(double)>& f) const {
        const std::vector<double> at = cuts();
        double sum = 0;
        for (std::size_t k = 0; k + 1 < at.size(); ++k) {
            sum += gauss3(f, at[k], at[k + 1]);
        }
        return sum;
    }

    // The bending moment of the span simply supported under these loads, just left of x (just
    // right of it with right).
    double simpleMoment(double x, bool right = false) const {
        double RA = integrate([&](double t) { return (L - t) / L; }, 0, L);
        for (const auto& [a, P] : forces) {
            RA += P * (L - a) / L;
        }
        for (const auto& [a, C] : couples) {
            RA -= C / L;
        }
        double M = RA * x - integrate([&](double t) { return x - t; }, 0, x);
        for (const auto& [a, P] : forces) {
            M -= P * std::max(0.0, x - a);
        }
        for (const auto& [a, C] : couples) {
            M += (right ? a <= x : a < x) ? C : 0;
        }
        return M;
    }
};

inline SpanLoads loadsOf(const Beam& m, int s) {
    SpanLoads loads;
    const double L = loads.L = m.span(s).length;
    const bool freeRight = s == m.spanCount() && m.rightSupport == Cantilever &&
                           !(s == 1 && m.leftSupport == Cantilever);
    auto at = [&](double a) { return freeRight ? L - a : a; };
    for (const Load& load : m.span(s).loads) {
        const double a = load.a, q = load.q;
        switch (load.kind) {
        case Concentrated:
            loads.forces.emplace_back(at(a), load.P);
            break;
        case Uniform:
            loads.stretches.push_back({0, L, q, q});
            break;
        case Trapezoidal:
            loads.stretches.push_back({0, a, 0, q});
            loads.stretches.push_back({a, L - a, q, q});
            loads.stretches.push_back({L - a, L, q, 0});
            break;
        case PartialUniform:
        case Linear: {
            const double end = std::min(L, a + double{load.c});
            const double q2 = load.kind == Linear ? double{load.P} : q;
            if (freeRight) { // q1 at the end nearer the free (right) end
                loads.stretches.push_back({L - end, L - a, q2, q});
            } else {
                loads.stretches.push_back({a, end, q, q2});
            }
            break;
        }
        case Couple:
            loads.couples.emplace_back(at(a), load.P);
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
inline ExactBeam solveExactly(const Beam& m) {
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
            for (auto [x, C] : ld.couples) {
                M += C;
            }
            fem[s] = {0, 0, -M};
        } else if (ex.base[s] == 2) { // about x = 0
            double M = -ld.integrate([](double t) { return t; }, 0, L);
            for (auto [x, P] : ld.forces) {
                M -= P * x;
            }
            for (auto [x, C] : ld.couples) {
                M -= C;
            }
            fem[s] = {0, M, 0};
        } else {
            // the ends of a fixed span do not turn: with M = M0 + mA (1 - x/L) + mB x/L both
            // the integral of M and of M x over the span vanish
            const double I0 = ld.overSpan([&](double x) { return ld.simpleMoment(x); });
            const double I1 = ld.overSpan([&](double x) { return x * ld.simpleMoment(x); });
            const double mA = -4 * I0 / L + 6 * I1 / (L * L);
            const double mB = 2 * I0 / L - 6 * I1 / (L * L);
            fem[s][1] = mA;
            fem[s][2] = -mB;
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

// Bending moment at x on span s of the exact solution, just left of x (right: just right).
inline double exactMoment(const ExactBeam& ex, int s, double x, bool right = false) {
    const SpanLoads& ld = ex.loads[s];
    const double L = ld.L;
    double M = 0;
    if (ex.base[s] == 1) {
        M = -ld.integrate([&](double t) { return x - t; }, 0, x);
        for (auto [a, P] : ld.forces) {
            M -= P * std::max(0.0, x - a);
        }
        for (auto [a, C] : ld.couples) {
            M += (right ? a <= x : a < x) ? C : 0;
        }
    } else if (ex.base[s] == 2) {
        M = -ld.integrate([&](double t) { return t - x; }, x, L);
        for (auto [a, P] : ld.forces) {
            M -= P * std::max(0.0, a - x);
        }
        for (auto [a, C] : ld.couples) {
            M -= (right ? a > x : a >= x) ? C : 0;
        }
    } else {
        M = ex.endMoment[s][1] * (1 - x / L) - ex.endMoment[s][2] * (x / L) +
            ld.simpleMoment(x, right);
    }
    return M;
}

// Shear dM/dx at x on span s of the exact solution, just left of x or (right) just right of it.
inline double exactShear(const ExactBeam& ex, int s, double x, bool right) {
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
        for (auto [a, C] : ld.couples) {
            V -= C / L;
        }
    }
    return V;
}

// The largest bending moment of span s: dense samples, both sides of every concentrated moment,
// and a golden-section refinement around every sampled peak.
inline double exactMaximum(const ExactBeam& ex, int s) {
    const double L = ex.loads[s].L;
    constexpr int kSamples = 1000;
    std::vector<double> xs, Ms;
    for (int t = 0; t <= kSamples; ++t) {
        xs.push_back(L * t / kSamples);
    }
    for (double x : ex.loads[s].cuts()) {
        xs.push_back(std::clamp(x, 0.0, L));
    }
    std::sort(xs.begin(), xs.end());
    double best = -HUGE_VAL;
    for (double x : xs) {
        Ms.push_back(exactMoment(ex, s, x));
        best = std::max({best, Ms.back(), exactMoment(ex, s, x, true)});
    }
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

} // namespace spanwise::test
