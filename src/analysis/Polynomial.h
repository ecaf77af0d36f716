// Real polynomials of low degree in one variable, as the deflection of a span is made of: a
// quintic per piece between the breaks of its loads. Coefficients ascending: c[0] + c[1] u + ...
#pragma once

#include <array>
#include <cstddef>
#include <vector>

namespace spanwise {

inline constexpr std::size_t kQuinticTerms = 6;
using Quintic = std::array<double, kQuinticTerms>;

inline double valueOf(const Quintic& p, double u) {
    double v = 0;
    for (std::size_t i = kQuinticTerms; i-- > 0;) {
        v = v * u + p[i];
    }
    return v;
}

inline Quintic derivativeOf(const Quintic& p) {
    Quintic d{};
    for (std::size_t i = 1; i < kQuinticTerms; ++i) {
        d[i - 1] = static_cast<double>(i) * p[i];
    }
    return d;
}

// The antiderivative that is 0 at u = 0 (the term of degree 5 of p is dropped: callers
// integrate cubics and quartics).
inline Quintic integralOf(const Quintic& p) {
    Quintic q{};
    for (std::size_t i = 0; i + 1 < kQuinticTerms; ++i) {
        q[i + 1] = p[i] / static_cast<double>(i + 1);
    }
    return q;
}

// p(u + d) as a polynomial in u.
Quintic shiftedBy(const Quintic& p, double d);

inline void addScaled(Quintic& into, const Quintic& p, double k) {
    for (std::size_t i = 0; i < kQuinticTerms; ++i) {
        into[i] += k * p[i];
    }
}

// The zeros of p strictly inside (lo, hi) where p changes sign, ascending, each found to the
// last bits between the turning points of p (the zeros of its derivative, found the same way).
void signChangesInside(const Quintic& p, double lo, double hi, std::vector<double>& out);
// The same into a fixed array, for loops that must not allocate; returns the count.
using QuinticZeros = std::array<double, kQuinticTerms>;
int signChangesInside(const Quintic& p, double lo, double hi, QuinticZeros& out);

// Where the slope of p is zero strictly inside (lo, hi), ascending; returns the count.
int turningPointsOf(const Quintic& p, double lo, double hi, QuinticZeros& out);

// Where p is largest (most = true) or smallest on [lo, hi]: an end or a turning point inside.
double extremeOn(const Quintic& p, double lo, double hi, bool most);

} // namespace spanwise
