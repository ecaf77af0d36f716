// Seeded random beams for tests that must hold for any beam the user could enter: 1..20 spans
// of 0.5..12 m, up to 10 mixed loads a span, some of them acting upwards.
#pragma once

#include "BeamBuilder.h"

#include <algorithm>
#include <cmath>
#include <random>

namespace spanwise::testing_support {

inline float round2(std::mt19937& rng, double lo, double hi) {
    std::uniform_real_distribution<double> d(lo, hi);
    return static_cast<float>(std::round(d(rng) * 100) / 100);
}

// Lengths, line stiffnesses and loads of spans 1..SpanCount.
inline void randomSpans(std::mt19937& rng, BeamModel& m) {
    std::uniform_int_distribution<int> loadCount(0, 10), kind(0, 2), percent(0, 99);
    for (int s = 1; s <= m.SpanCount; ++s) {
        m.SpanLength[s] = round2(rng, 0.5, 12);
        m.SpanLineStiffness[s] = round2(rng, 0.2, 5);
        const int n = loadCount(rng);
        for (int k = 0; k < n; ++k) {
            const float sign = percent(rng) < 10 ? -1.0f : 1.0f; // some loads act upwards
            const float L = m.SpanLength[s];
            switch (kind(rng)) {
            case 0:
                force(m, s, sign * round2(rng, 1, 100), round2(rng, 0, L));
                break;
            case 1:
                uniform(m, s, sign * round2(rng, 1, 50));
                break;
            default:
                trapezoid(m, s, sign * round2(rng, 1, 50),
                          std::clamp(round2(rng, 0.01, L / 2), 0.01f, L / 2));
            }
        }
    }
}

// Random span count and end supports (simple supports on a one-span beam; never the mechanism
// of two spans with two cantilever ends).
inline BeamModel randomBeam(std::mt19937& rng) {
    std::uniform_int_distribution<int> spans(1, 20), support(0, 2);
    BeamModel m;
    m.SpanCount = static_cast<std::int16_t>(spans(rng));
    if (m.SpanCount > 1) {
        m.LeftSupport = static_cast<std::int16_t>(support(rng));
        m.RightSupport = static_cast<std::int16_t>(support(rng));
        if (m.SpanCount == 2 && m.LeftSupport == Cantilever && m.RightSupport == Cantilever) {
            m.RightSupport = Simple;
        }
    }
    randomSpans(rng, m);
    return m;
}

// Random span count with the given end supports, one-span beams included; two cantilever ends
// get at least three spans.
inline BeamModel randomBeam(std::mt19937& rng, std::int16_t left, std::int16_t right) {
    std::uniform_int_distribution<int> spans(1, 20);
    BeamModel m;
    m.SpanCount = static_cast<std::int16_t>(spans(rng));
    if (m.SpanCount == 2 && left == Cantilever && right == Cantilever) {
        m.SpanCount = 3;
    }
    m.LeftSupport = left;
    m.RightSupport = right;
    randomSpans(rng, m);
    return m;
}

} // namespace spanwise::testing_support
