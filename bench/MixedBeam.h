// The beams the benchmarks measure.
#pragma once

#include "model/Beam.h"
#include "model/BeamResults.h"

#include <cmath>

namespace spanwise::bench {

// n spans of 4..8 m with `loads` mixed loads each: forces, uniform and trapezoidal loads, each
// named after its kind as the editor names a new load.
inline Beam mixedBeam(int spans, int loads, float loadScale = 1, float stiffnessRatio = 1,
                      float lengthScale = 1) {
    Beam m;
    m.spans.resize(static_cast<std::size_t>(spans));
    m.leftSupport = spans > 1 ? Fixed : Simple;
    m.rightSupport = spans > 2 ? Cantilever : Simple;
    for (int s = 1; s <= spans; ++s) {
        const float L = lengthScale * static_cast<float>(4 + s % 5);
        m.span(s).length = L;
        m.span(s).lineStiffness = s % 2 == 0 ? stiffnessRatio : 1;
        for (int k = 1; k <= loads; ++k) {
            const float a = L * static_cast<float>(k) / static_cast<float>(loads + 2);
            m.span(s).loads.emplace_back();
            m.span(s).load(k).kind = static_cast<LoadKind>(k % 3);
            m.span(s).load(k).P = loadScale * static_cast<float>(10 + k);
            m.span(s).load(k).q = loadScale * static_cast<float>(5 + k);
            m.span(s).load(k).a = k % 3 == 2 ? std::fmin(a, L / 2) : a;
            m.span(s).load(k).b = L - a;
            m.span(s).load(k).text = loadKindName(m.span(s).load(k).kind);
        }
    }
    return m;
}

} // namespace spanwise::bench
