#include "analysis/SpanCurve.h"

#include "analysis/LoadFormulas.h"
#include "analysis/Single.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace spanwise {

std::optional<LoadStretch> stretchOf(const Load& load, double L) {
    if (load.kind != PartialUniform && load.kind != Linear) {
        return std::nullopt;
    }
    const double a = load.a, c = load.c;
    double end = a + c;
    // a + c = L in single precision may pass L in double by a few units in the last place
    if (end > L && end <= L * (1 + 4 * std::numeric_limits<float>::epsilon())) {
        end = L;
    }
    if (!(a >= 0 && c > 0 && end <= L && a < end)) {
        return std::nullopt;
    }
    const double atFrom = load.q;
    const double atTo = load.kind == Linear ? double{load.P} : double{load.q};
    return LoadStretch{a, end, atFrom, atTo};
}

SpanCurve::SpanCurve(const Beam& beam, int s, std::optional<LoadCase> loadCase)
    : m_base(baseSystem(beam, s)), m_length(beam.span(s).length) {
    const double L = m_length;
    if (!(L > 0) || !std::isfinite(L)) {
        return;
    }
    const bool simple = m_base == BaseSystem::SimplySupported;
    // a clockwise moment raises M along x; along xi of a span free at its right end it lowers it
    const double jumpSign = m_base == BaseSystem::FreeRight ? -1.0 : 1.0;
    auto selected = [&](const Load& load) { return !loadCase || load.loadCase == *loadCase; };

    // Breaks, and dM/dxi at xi = 0 before any force there: the left reaction of a simply
    // supported span, nothing at a free end.
    int n = 0;
    m_start[n++] = 0;
    m_start[n++] = L;
    double startSlope = 0;
    for (const Load& load : beam.span(s).loads) {
        if (!selected(load)) {
            continue;
        }
        const double a = load.a, q = load.q;
        switch (load.kind) {
        case Concentrated:
            if (!(a >= 0 && a <= L)) {
                return;
            }
            m_start[static_cast<std::size_t>(n++)] = a;
            startSlope += simple ? load.P * (L - a) / L : 0;
            break;
        case Uniform:
            startSlope += simple ? q * L / 2 : 0;
            break;
        case Trapezoidal:
            if (!(a > 0 && 2 * a <= L)) {
                return;
            }
            m_start[static_cast<std::size_t>(n++)] = a;
            m_start[static_cast<std::size_t>(n++)] = L - a;
            startSlope += simple ? q * (L - a) / 2 : 0;
            break;
        case PartialUniform:
        case Linear: {
            const std::optional<LoadStretch> stretch = stretchOf(load, L);
            if (!stretch) {
                return;
            }
            m_start[static_cast<std::size_t>(n++)] = stretch->from;
            m_start[static_cast<std::size_t>(n++)] = stretch->to;
            if (simple) {
                // the left reaction: each end's intensity over the stretch, about the right end
                const double c = stretch->to - stretch->from;
                startSlope += c / L *
                              (stretch->atFrom * (L - stretch->from - c / 3) +
                               stretch->atTo * (L - stretch->from - 2 * c / 3)) /
                              2;
            }
            break;
        }
        case Couple:
            if (!(a >= 0 && a <= L)) {
                return;
            }
            m_start[static_cast<std::size_t>(n++)] = a;
            startSlope += simple ? -double{load.P} / L : 0;
            break;
        default: // an unknown kind code carries nothing
            break;
        }
    }
    std::sort(m_start.begin(), m_start.begin() + n);
    n = static_cast<int>(std::unique(m_start.begin(), m_start.begin() + n) - m_start.begin());
    m_pieces = n - 1;

    for (const Load& load : beam.span(s).loads) {
        if (!selected(load)) {
            continue;
        }
        const double a = load.a, q = load.q;
        if (load.kind == Concentrated || load.kind == Couple) {
            const auto at = std::lower_bound(m_start.begin(), m_start.begin() + n, a);
            const auto i = static_cast<std::size_t>(at - m_start.begin());
            if (load.kind == Concentrated) {
                m_force[i] += load.P;
            } else {
                m_jump[i] += jumpSign * load.P;
            }
            continue;
        }
        const std::optional<LoadStretch> stretch = stretchOf(load, L);
        for (std::size_t p = 0; p < static_cast<std::size_t>(m_pieces); ++p) {
            const double from = m_start[p], middle = (from + m_start[p + 1]) / 2;
            if (load.kind == Uniform) {
                m_w0[p] += q;
            } else if (stretch) {
                if (middle > stretch->from && middle < stretch->to) {
                    const double slope =
                        (stretch->atTo - stretch->atFrom) / (stretch->to - stretch->from);
                    m_w0[p] += stretch->atFrom + slope * (from - stretch->from);
                    m_w1[p] += slope;
                }
            } else if (load.kind != Trapezoidal) {
                continue;
            } else if (middle < a) { // rising from 0 at the end
                m_w0[p] += q * from / a;
                m_w1[p] += q / a;
            } else if (middle <= L - a) {
                m_w0[p] += q;
            } else { // falling to 0 at the other end
                m_w0[p] += q * (L - from) / a;
                m_w1[p] -= q / a;
            }
        }
    }

    double M = 0, slope = startSlope - m_force[0];
    for (std::size_t p = 0; p < static_cast<std::size_t>(m_pieces); ++p) {
        M += m_jump[p];
        m_M[p] = M;
        m_slope[p] = slope;
        const double h = m_start[p + 1] - m_start[p], w0 = m_w0[p], w1 = m_w1[p];
        M += h * (slope - h * (w0 / 2 + h * w1 / 6));
        slope -= h * (w0 + h * w1 / 2) + m_force[p + 1];
    }
    m_exact = true;
}

std::size_t SpanCurve::pieceOf(double xi) const {
    const auto first = m_start.begin() + 1, last = m_start.begin() + m_pieces;
    return static_cast<std::size_t>(std::lower_bound(first, last, xi) - first);
}

double SpanCurve::momentAt(double xi) const {
    const std::size_t p = pieceOf(xi);
    const double t = xi - m_start[p];
    return m_M[p] + t * (m_slope[p] - t * (m_w0[p] / 2 + t * m_w1[p] / 6));
}

CurveValue SpanCurve::at(double xi) const {
    const std::size_t p = pieceOf(xi);
    const double t = xi - m_start[p], w0 = m_w0[p], w1 = m_w1[p];
    CurveValue v;
    v.M = m_M[p] + t * (m_slope[p] - t * (w0 / 2 + t * w1 / 6));
    v.MAbove = v.M;
    v.slopeBelow = m_slope[p] - t * (w0 + t * w1 / 2);
    v.slopeAbove = v.slopeBelow;
    if (xi == m_start[p + 1]) {
        v.slopeAbove -= m_force[p + 1];
        v.MAbove += m_jump[p + 1];
    } else if (xi == m_start[p]) {
        v.slopeBelow += m_force[p];
        v.M -= m_jump[p];
    }
    return v;
}

std::array<double, 4> SpanCurve::moment(int p) const {
    const auto i = static_cast<std::size_t>(p);
    return {m_M[i], m_slope[i], -m_w0[i] / 2, -m_w1[i] / 6};
}

SectionForce curveForceAt(const SpanCurve& curve, float M1, float M2, float x) {
    const CurveValue v = curve.at(curve.xiOf(x));
    double ML = v.M, MR = v.MAbove, VL = v.slopeBelow, VR = v.slopeAbove;
    if (curve.base() == BaseSystem::FreeRight) { // xi runs against x
        ML = v.MAbove;
        MR = v.M;
        VL = -v.slopeAbove;
        VR = -v.slopeBelow;
    }
    if (curve.base() == BaseSystem::SimplySupported) {
        float m = 0, v0 = 0;
        endMomentForces(M1, M2, curve.length(), x, m, v0);
        ML += m;
        MR += m;
        VL += v0;
        VR += v0;
    }
    const float left = toSingle(ML);
    // the same value twice where no moment stands: one rounding, one float
    return {left, toSingle(VL), toSingle(VR), ML == MR ? left : toSingle(MR)};
}

float curveMomentAt(const SpanCurve& curve, float M1, float M2, float x) {
    double M = curve.momentAt(curve.xiOf(x));
    if (curve.base() == BaseSystem::SimplySupported) {
        float m = 0, v0 = 0;
        endMomentForces(M1, M2, curve.length(), x, m, v0);
        M += m;
    }
    return toSingle(M);
}

} // namespace spanwise
