#include "analysis/Cubic.h"

#include <cmath>
#include <utility>

namespace spanwise {

// Where the slope of c is zero strictly inside (lo, hi); at most two, ascending.
int turningPoints(const Cubic& c, double lo, double hi, std::array<double, 2>& out) {
    const double A = 3 * c[3], B = 2 * c[2], C = c[1];
    std::array<double, 2> r{lo, lo};
    int found = 0;
    if (A == 0) {
        if (B != 0) {
            r[found++] = -C / B;
        }
    } else {
        const double disc = B * B - 4 * A * C;
        if (disc >= 0) {
            const double q = -0.5 * (B + std::copysign(std::sqrt(disc), B));
            if (q != 0) {
                r[found++] = q / A;
                r[found++] = C / q;
            } else {
                r[found++] = 0;
            }
        }
    }
    int n = 0;
    for (int i = 0; i < found; ++i) {
        if (r[static_cast<std::size_t>(i)] > lo && r[static_cast<std::size_t>(i)] < hi) {
            out[static_cast<std::size_t>(n++)] = r[static_cast<std::size_t>(i)];
        }
    }
    if (n == 2 && out[0] > out[1]) {
        std::swap(out[0], out[1]);
    }
    return n;
}

// The zero of c in (lo, hi), where c changes sign and is monotone: Newton steps kept inside
// the bracket, halving it where a step would leave it.
double zeroBetween(const Cubic& c, double lo, double hi) {
    double flo = valueOf(c, lo);
    double x = (lo + hi) / 2;
    for (int step = 0; step < 100; ++step) {
        const double f = valueOf(c, x);
        if (f == 0) {
            return x;
        }
        if ((f < 0) == (flo < 0)) {
            lo = x;
            flo = f;
        } else {
            hi = x;
        }
        const double d = slopeOf(c, x);
        double next = d != 0 ? x - f / d : lo - 1;
        if (!(next > lo && next < hi)) {
            next = (lo + hi) / 2;
        }
        if (std::fabs(next - x) <= 1e-14 * (std::fabs(x) + (hi - lo)) || next == lo || next == hi) {
            return next;
        }
        x = next;
    }
    return x;
}

// Adds the zeros of c strictly inside (lo, hi), shifted by origin, to out.
void addZeros(const Cubic& c, double lo, double hi, double origin, std::vector<double>& out) {
    std::array<double, 2> turns{};
    const int n = turningPoints(c, lo, hi, turns);
    double from = lo, fFrom = valueOf(c, lo);
    for (int i = 0; i <= n; ++i) {
        const double to = i < n ? turns[static_cast<std::size_t>(i)] : hi;
        const double fTo = valueOf(c, to);
        if ((fFrom < 0 && fTo > 0) || (fFrom > 0 && fTo < 0)) {
            out.push_back(origin + zeroBetween(c, from, to));
        }
        from = to;
        fFrom = fTo;
    }
}

} // namespace spanwise
