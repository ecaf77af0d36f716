// The bending moment of the loads of one span on the span's statically determinate base system,
// gathered once into a piecewise cubic, so that a section costs one polynomial instead of a sum
// over every load.
//
// The curve runs along xi from the end where the base system starts: xi = x for a simply
// supported span and for a span free at its left end, xi = L - x (the distance from the free
// end) for a span free at its right end; every load's a is measured along xi. Between breaks
// (0, L, every concentrated force and moment, both corners of every trapezoid, both ends of
// every partial or linear load) the load intensity w is linear, so M'' = -w makes M a cubic
// there; a force P at a break lowers dM/dxi by P, and a concentrated moment makes M jump (by +M
// along x for a clockwise M). Each piece keeps M and dM/dxi at its start (after any jump there)
// and the intensity w0 + w1 t, t = xi - start, evaluated in double.
#pragma once

#include "analysis/SectionForces.h"
#include "model/Beam.h"

#include <array>
#include <optional>

namespace spanwise {

// 0, L and at most two breaks for each load.
inline constexpr int kMaxCurveBreaks = 2 + 2 * kMaxCalculatedLoads;

struct CurveValue {
    double M = 0;          // just below xi
    double MAbove = 0;     // just above xi (differs by the moment standing at xi)
    double slopeBelow = 0; // dM/dxi just below xi
    double slopeAbove = 0; // dM/dxi just above xi (lower by the force standing at xi)
};

// Where a partial or linear load lies along xi, and its intensity at both ends; nothing for
// another kind, or one that does not lie on a span of length L (a + c may pass L by rounding
// only: the end is then L).
struct LoadStretch {
    double from = 0, to = 0;     // xi
    double atFrom = 0, atTo = 0; // kN/m
};
std::optional<LoadStretch> stretchOf(const Load& load, double L);

class SpanCurve {
public:
    // The loads of span s that belong to loadCase (every load without one). A span whose loads
    // leave it (a force off the span, a trapezoid with a outside 0 < 2a <= L) or whose length is
    // not positive and finite has no curve: exact() is false and nothing else may be asked.
    SpanCurve(const Beam& beam, int s, std::optional<LoadCase> loadCase = std::nullopt);

    bool exact() const { return m_exact; }
    BaseSystem base() const { return m_base; }
    float length() const { return m_length; }

    // xi of the section x metres from the left end (rounded to single where the load formulas
    // round it: the distance from a free right end).
    double xiOf(float x) const {
        return m_base == BaseSystem::FreeRight ? double{static_cast<float>(double{m_length} - x)}
                                               : double{x};
    }

    CurveValue at(double xi) const;
    double momentAt(double xi) const; // M of the piece holding xi (after a jump at 0)

    // The pieces, for code that works on the polynomials themselves (the envelope).
    int pieceCount() const { return m_pieces; }
    double pieceStart(int p) const { return m_start[static_cast<std::size_t>(p)]; }
    double pieceEnd(int p) const { return m_start[static_cast<std::size_t>(p) + 1]; }
    // M on piece p as c[0] + c[1] t + c[2] t^2 + c[3] t^3, t = xi - pieceStart(p).
    std::array<double, 4> moment(int p) const;

private:
    std::size_t pieceOf(double xi) const;

    BaseSystem m_base = BaseSystem::SimplySupported;
    float m_length = 0;
    bool m_exact = false;
    int m_pieces = 0;
    std::array<double, kMaxCurveBreaks> m_start{}; // breaks, ascending; piece p starts at p
    std::array<double, kMaxCurveBreaks> m_force{}; // force standing at each break
    std::array<double, kMaxCurveBreaks> m_jump{};  // jump of M along xi at each break
    std::array<double, kMaxCurveBreaks> m_M{};     // M at the start of each piece
    std::array<double, kMaxCurveBreaks> m_slope{}; // dM/dxi just above the start of each piece
    std::array<double, kMaxCurveBreaks> m_w0{};    // intensity at the start of each piece
    std::array<double, kMaxCurveBreaks> m_w1{};    // its slope along the piece
};

// The forces at x of a span that has end moments M1, M2 (simply supported base) and loads
// given by curve, each rounded to single once: M and the shear just left and just right, and
// the moment just right (it differs from M at a concentrated moment).
SectionForce curveForceAt(const SpanCurve& curve, float M1, float M2, float x);
// Its M alone, for the search of the largest moment.
float curveMomentAt(const SpanCurve& curve, float M1, float M2, float x);

} // namespace spanwise
