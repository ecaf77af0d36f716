#include "analysis/Polynomial.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace spanwise {

Quintic shiftedBy(const Quintic& p, double d) {
    // Horner's scheme applied repeatedly (Taylor shift)
    Quintic q = p;
    for (std::size_t k = 0; k + 1 < kQuinticTerms; ++k) {
        for (std::size_t i = kQuinticTerms - 1; i > k; --i) {
            q[i - 1] += d * q[i];
        }
    }
    return q;
}

namespace {

int degreeOf(const Quintic& p) {
    int d = static_cast<int>(kQuinticTerms) - 1;
    while (d > 0 && p[static_cast<std::size_t>(d)] == 0) {
        --d;
    }
    return d;
}

// The zero of p in (lo, hi), where p(lo) and p(hi) differ in sign and p is monotone: Newton
// steps kept inside the bracket, halving it where a step would leave it.
double zeroBetween(const Quintic& p, double lo, double hi) {
    const Quintic slope = derivativeOf(p);
    double fLo = valueOf(p, lo);
    double x = (lo + hi) / 2;
    for (int step = 0; step < 200; ++step) {
        const double f = valueOf(p, x);
        if (f == 0) {
            return x;
        }
        if ((f < 0) == (fLo < 0)) {
            lo = x;
            fLo = f;
        } else {
            hi = x;
        }
        const double d = valueOf(slope, x);
        double next = d != 0 ? x - f / d : lo - 1;
        if (!(next > lo && next < hi)) {
            next = (lo + hi) / 2;
        }
        if (std::fabs(next - x) <= 1e-15 * (std::fabs(x) + (hi - lo)) || next == lo || next == hi) {
            return next;
        }
        x = next;
    }
    return x;
}

// The zeros where p changes sign inside (lo, hi), ascending, into out (at most five); with
// turns, also the double zeros (turning points of the polynomial p is the derivative of).
int zerosOf(const Quintic& p, double lo, double hi, double* out, bool turns) {
    const int degree = degreeOf(p);
    if (degree == 0) {
        return 0;
    }
    if (degree == 1) {
        const double root = -p[0] / p[1];
        if (root > lo && root < hi) {
            out[0] = root;
            return 1;
        }
        return 0;
    }
    if (degree == 2) {
        // both zeros in closed form, the one of larger size first so that nothing cancels
        const double disc = p[1] * p[1] - 4 * p[2] * p[0];
        if (disc < 0 || (disc == 0 && !turns)) {
            return 0;
        }
        const double q = -0.5 * (p[1] + std::copysign(std::sqrt(disc), p[1]));
        std::array<double, 2> roots{q / p[2], q != 0 ? p[0] / q : q / p[2]};
        if (roots[0] > roots[1]) {
            std::swap(roots[0], roots[1]);
        }
        int found = 0;
        for (std::size_t i = 0; i < (disc == 0 ? 1u : 2u); ++i) {
            if (roots[i] > lo && roots[i] < hi) {
                out[found++] = roots[i];
            }
        }
        return found;
    }
    std::array<double, kQuinticTerms + 1> points{};
    points[0] = lo;
    const int inner = zerosOf(derivativeOf(p), lo, hi, points.data() + 1, true);
    points[static_cast<std::size_t>(inner) + 1] = hi;
    int found = 0;
    double fa = valueOf(p, lo);
    for (int i = 0; i <= inner; ++i) {
        const double a = points[static_cast<std::size_t>(i)];
        const double b = points[static_cast<std::size_t>(i) + 1];
        const double fb = valueOf(p, b);
        if ((fa < 0 && fb > 0) || (fa > 0 && fb < 0)) {
            out[found++] = zeroBetween(p, a, b);
        } else if (turns && i > 0 && fa == 0) {
            out[found++] = a;
        }
        fa = fb;
    }
    return found;
}

} // namespace

void signChangesInside(const Quintic& p, double lo, double hi, std::vector<double>& out) {
    QuinticZeros zeros{};
    const int n = signChangesInside(p, lo, hi, zeros);
    out.insert(out.end(), zeros.begin(), zeros.begin() + n);
}

int signChangesInside(const Quintic& p, double lo, double hi, QuinticZeros& out) {
    return zerosOf(p, lo, hi, out.data(), false);
}

int turningPointsOf(const Quintic& p, double lo, double hi, QuinticZeros& out) {
    return zerosOf(derivativeOf(p), lo, hi, out.data(), true);
}

double extremeOn(const Quintic& p, double lo, double hi, bool most) {
    QuinticZeros turns{};
    const int n = turningPointsOf(p, lo, hi, turns);
    double best = lo, bestValue = valueOf(p, lo);
    for (int i = 0; i <= n; ++i) {
        const double u = i < n ? turns[static_cast<std::size_t>(i)] : hi;
        const double v = valueOf(p, u);
        if (most ? v > bestValue : v < bestValue) {
            best = u;
            bestValue = v;
        }
    }
    return best;
}

} // namespace spanwise
