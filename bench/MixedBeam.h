// The beams the benchmarks measure.
#pragma once

#include "model/BeamModel.h"

#include <cmath>

namespace spanwise::bench {

// n spans of 4..8 m with `loads` mixed loads each: forces, uniform and trapezoidal loads.
inline BeamModel mixedBeam(int spans, int loads, float loadScale = 1, float stiffnessRatio = 1,
                           float lengthScale = 1) {
    BeamModel m;
    m.SpanCount = static_cast<std::int16_t>(spans);
    m.LeftSupport = spans > 1 ? Fixed : Simple;
    m.RightSupport = spans > 2 ? Cantilever : Simple;
    for (int s = 1; s <= spans; ++s) {
        const float L = lengthScale * static_cast<float>(4 + s % 5);
        m.SpanLength[s] = L;
        m.SpanLineStiffness[s] = s % 2 == 0 ? stiffnessRatio : 1;
        for (int k = 1; k <= loads; ++k) {
            const float a = L * static_cast<float>(k) / static_cast<float>(loads + 2);
            m.LoadCount[s] = static_cast<std::int16_t>(k);
            m.LoadKindOf[s][k] = static_cast<std::int16_t>(k % 3);
            m.LoadP[s][k] = loadScale * static_cast<float>(10 + k);
            m.LoadQ[s][k] = loadScale * static_cast<float>(5 + k);
            m.LoadA[s][k] = k % 3 == 2 ? std::fmin(a, L / 2) : a;
            m.LoadB[s][k] = L - a;
        }
    }
    return m;
}

} // namespace spanwise::bench
