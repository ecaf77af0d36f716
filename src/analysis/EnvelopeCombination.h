// The basic combination of one quantity over the live-load arrangements: the factors as the
// sums use them, and the largest and smallest sums with the arrangements that give them.
#pragma once

#include "analysis/Envelope.h"
#include "model/Beam.h"

#include <cstdint>

namespace spanwise::envelope_combination {

// The factors as the sums use them: the dead load of every span always carries fixedDead, and
// where the favourable option applies it may add switchDead (up to gammaG); the live load of
// a span carries live or nothing.
using Weights = CombinationWeights;

inline Weights weightsOf(const CombinationFactors& f) {
    return CombinationWeights::basic(f);
}

struct Choice {
    double value = 0;
    Arrangement arrangement;
};

// The largest and smallest combination of one quantity whose unit-case values are dead[t] and
// live[t] for the spans t = 0..n-1.
template <typename Dead, typename Live>
void combine(const Weights& w, int n, const Dead& dead, const Live& live, Choice& hi, Choice& lo) {
    hi = {};
    lo = {};
    double fixed = 0;
    for (int t = 0; t < n; ++t) {
        const std::uint32_t bit = 1u << t;
        fixed += w.fixedDead * dead(t);
        const double d = w.switchDead * dead(t), q = w.live * live(t);
        if (d > 0) {
            hi.value += d;
            lo.arrangement.favourableDead |= bit;
        } else if (d < 0) {
            lo.value += d;
            hi.arrangement.favourableDead |= bit;
        }
        if (q > 0) {
            hi.value += q;
            hi.arrangement.liveSpans |= bit;
        } else if (q < 0) {
            lo.value += q;
            lo.arrangement.liveSpans |= bit;
        }
    }
    hi.value += fixed;
    lo.value += fixed;
}

// One quantity under a given arrangement.
template <typename Dead, typename Live>
double under(const Weights& w, int n, const Arrangement& a, const Dead& dead, const Live& live) {
    double sum = 0;
    for (int t = 0; t < n; ++t) {
        const std::uint32_t bit = 1u << t;
        const bool full = w.switchDead > 0 && !(a.favourableDead & bit);
        sum += (w.fixedDead + (full ? w.switchDead : 0.0)) * dead(t);
        sum += (a.liveSpans & bit) ? w.live * live(t) : 0.0;
    }
    return sum;
}

} // namespace spanwise::envelope_combination
