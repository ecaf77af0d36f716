// Cubic polynomials of a span's local coordinate, as the envelope sums and searches them: value,
// slope, shift of origin, and the turning points and zeros inside an interval (found as those
// of any polynomial of the deflections are).
#pragma once

#include "analysis/Polynomial.h"

#include <array>
#include <cstddef>
#include <vector>

namespace spanwise {

// Cubics in a local coordinate: c[0] + c[1] t + c[2] t^2 + c[3] t^3.
using Cubic = std::array<double, 4>;

inline double valueOf(const Cubic& c, double t) {
    return c[0] + t * (c[1] + t * (c[2] + t * c[3]));
}

inline double slopeOf(const Cubic& c, double t) {
    return c[1] + t * (2 * c[2] + t * 3 * c[3]);
}

// c(t + d) as a cubic in t.
inline Cubic shifted(const Cubic& c, double d) {
    return {valueOf(c, d), slopeOf(c, d), c[2] + 3 * c[3] * d, c[3]};
}

inline Cubic operator+(Cubic a, const Cubic& b) {
    for (std::size_t i = 0; i < 4; ++i) {
        a[i] += b[i];
    }
    return a;
}

inline Cubic operator*(double k, Cubic a) {
    for (double& v : a) {
        v *= k;
    }
    return a;
}

inline Quintic asQuintic(const Cubic& c) {
    return {c[0], c[1], c[2], c[3], 0, 0};
}

// Where the slope of c is zero strictly inside (lo, hi); at most two, ascending.
inline int turningPoints(const Cubic& c, double lo, double hi, std::array<double, 2>& out) {
    QuinticZeros turns{};
    const int n = turningPointsOf(asQuintic(c), lo, hi, turns);
    out = {turns[0], turns[1]};
    return n;
}

// Adds the zeros of c strictly inside (lo, hi), shifted by origin, to out.
inline void addZeros(const Cubic& c, double lo, double hi, double origin,
                     std::vector<double>& out) {
    QuinticZeros zeros{};
    const int n = signChangesInside(asQuintic(c), lo, hi, zeros);
    for (int i = 0; i < n; ++i) {
        out.push_back(origin + zeros[static_cast<std::size_t>(i)]);
    }
}

} // namespace spanwise
