// Reading the deflected lines: the largest deflection and rise of every span (where the slope is
// zero), the check of each against its limit, and w at any section.
#include "analysis/Deflection.h"

#include "analysis/SectionForces.h"
#include "analysis/Single.h"
#include "analysis/SpanCurve.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace spanwise {

namespace {

std::size_t pieceAt(const std::vector<double>& breaks, double x) {
    std::size_t k = 0;
    while (k + 2 < breaks.size() && x >= breaks[k + 1]) {
        ++k;
    }
    return k;
}

// The largest and the smallest deflection of a span line, and the arrangements: between the
// breaks and the zeros of every live part, each part keeps its sign, so the worst line there
// is one quintic.
void peaksOf(const BeamDeflection::SpanLine& line, DeflectionPeak& most, DeflectionPeak& least) {
    std::array<DeflectionPeak*, 2> peaks{&most, &least};
    std::array<double, 2> best{0, 0};
    bool found = false;
    const double L = line.breaks.back();
    std::vector<double> otherZeros;
    for (const auto& other : line.otherLive) {
        signChangesInside(other.w, 0, L, otherZeros);
    }
    std::vector<double> events;
    for (std::size_t k = 0; k + 1 < line.breaks.size(); ++k) {
        const double x0 = line.breaks[k], x1 = line.breaks[k + 1];
        events.assign({x0, x1});
        for (double z : otherZeros) {
            if (z > x0 && z < x1) {
                events.push_back(z);
            }
        }
        if (!line.ownLive.empty()) {
            const std::size_t first = events.size();
            signChangesInside(line.ownLive[k], 0, x1 - x0, events);
            for (std::size_t e = first; e < events.size(); ++e) {
                events[e] += x0;
            }
        }
        std::sort(events.begin(), events.end());
        for (std::size_t e = 0; e + 1 < events.size(); ++e) {
            const double a = events[e], b = events[e + 1];
            if (!(b > a)) {
                continue;
            }
            const double mid = (a + b) / 2;
            for (std::size_t side = 0; side < 2; ++side) {
                const bool largest = side == 0;
                Quintic sum = line.fixed[k];
                std::uint32_t live = 0;
                if (!line.ownLive.empty()) {
                    const double v = valueOf(line.ownLive[k], mid - x0);
                    if (largest ? v > 0 : v < 0) {
                        addScaled(sum, line.ownLive[k], 1);
                        live |= 1u << (line.span - 1);
                    }
                }
                Quintic others{};
                bool anyOther = false;
                for (const auto& other : line.otherLive) {
                    const double v = valueOf(other.w, mid);
                    if (largest ? v > 0 : v < 0) {
                        addScaled(others, other.w, 1);
                        live |= 1u << (other.span - 1);
                        anyOther = true;
                    }
                }
                if (anyOther) {
                    addScaled(sum, shiftedBy(others, x0), 1);
                }
                const double u = extremeOn(sum, a - x0, b - x0, largest);
                const double value = valueOf(sum, u);
                if (!found || (largest ? value > best[side] : value < best[side])) {
                    best[side] = value;
                    peaks[side]->x = toSingle(x0 + u);
                    peaks[side]->arrangement.liveSpans = live;
                }
            }
            found = true;
        }
    }
    for (std::size_t side = 0; side < 2; ++side) {
        peaks[side]->value = toSingle(best[side] * kMillimetres);
    }
}

double worstAt(const BeamDeflection::SpanLine& line, double x) {
    const std::size_t k = pieceAt(line.breaks, x);
    const double u = x - line.breaks[k];
    double w = valueOf(line.fixed[k], u);
    if (!line.ownLive.empty()) {
        w += std::max(0.0, valueOf(line.ownLive[k], u));
    }
    for (const auto& other : line.otherLive) {
        w += std::max(0.0, valueOf(other.w, x));
    }
    return w;
}

} // namespace

void BeamDeflection::check(const Beam& beam) {
    m_checks.clear();
    for (int s = 1; s <= beam.spanCount(); ++s) {
        const SpanLine& line = m_spans[static_cast<std::size_t>(s - 1)];
        SpanDeflection d;
        const BaseSystem base = baseSystem(beam, s);
        const double L = line.breaks.back();
        peaksOf(line, d.max, d.min);
        d.cantilever = base != BaseSystem::SimplySupported;
        if (d.cantilever) {
            d.tip = toSingle(worstAt(line, base == BaseSystem::FreeRight ? L : 0.0) * kMillimetres);
        }
        const double l0 = d.cantilever ? 2 * L : L;
        d.checkLength = toSingle(l0);
        d.limitDenominator = deflectionLimitFor(beam.deflection, l0);
        d.judged = beam.span(s).ei != kDefaultRigidity;
        const double largest =
            std::max(std::fabs(double{d.max.value}), std::fabs(double{d.min.value}));
        if (largest >= kDeflectionRoundOff) {
            d.ratio = toSingle(l0 * kMillimetres / largest);
            d.ok = !d.judged || double{d.ratio} >= d.limitDenominator;
        }
        m_checks.push_back(d);
    }
}

BeamDeflection::LineParts BeamDeflection::partsAt(int s, float x) const {
    const SpanLine& line = m_spans.at(static_cast<std::size_t>(s - 1));
    const double at = std::clamp(double{x}, 0.0, line.breaks.back());
    const std::size_t k = pieceAt(line.breaks, at);
    const double u = at - line.breaks[k];
    LineParts parts;
    parts.fixed = valueOf(line.fixed[k], u) * kMillimetres;
    if (!line.ownLive.empty()) {
        parts.ownLive = valueOf(line.ownLive[k], u) * kMillimetres;
    }
    for (const auto& other : line.otherLive) {
        parts.otherLive.emplace_back(other.span, valueOf(other.w, at) * kMillimetres);
    }
    return parts;
}

double BeamDeflection::at(int s, float x) const {
    const SpanLine& line = m_spans.at(static_cast<std::size_t>(s - 1));
    return worstAt(line, std::clamp(double{x}, 0.0, line.breaks.back())) * kMillimetres;
}

} // namespace spanwise
