// The beams the benchmarks measure.
#pragma once

#include "model/Beam.h"
#include "model/BeamResults.h"
#include "model/Design.h"

#include <cmath>
#include <optional>

namespace spanwise::bench {

// n spans of 4..8 m with `loads` mixed loads each: forces, uniform and trapezoidal loads, and
// with kinds = 6 also partial, linear and concentrated-moment loads, each named after its kind
// as the editor names a new load.
inline Beam mixedBeam(int spans, int loads, float loadScale = 1, float stiffnessRatio = 1,
                      float lengthScale = 1, int kinds = 3) {
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
            Load& load = m.span(s).load(k);
            load.kind = static_cast<LoadKind>(k % kinds);
            load.P = loadScale * static_cast<float>(10 + k);
            load.q = loadScale * static_cast<float>(5 + k);
            load.a = load.kind == Trapezoidal ? std::fmin(a, L / 2) : a;
            load.b = L - a;
            if (load.kind == PartialUniform || load.kind == Linear) {
                load.c = (L - a) / 2; // to the middle of what remains
                load.b = L - a - load.c;
            }
            load.text = loadKindName(load.kind);
        }
    }
    return m;
}

// The designed benchmark beam: 20 spans of 10 loads, live loads on every other one, supports
// 0.4 m wide with beta = 0.15 at every support but the simple right end, T 300×700 sections
// with a 2000×120 flange (as typed: the caller turns the sections into EI where it needs).
inline Beam designedTwentySpans() {
    Beam beam = mixedBeam(20, 10, 1, 1, 1, kLoadKindCount);
    for (Span& span : beam.spans) {
        for (int k = 2; k <= span.loadCount(); k += 2) {
            span.load(k).loadCase = Live;
        }
        span.rightSupportDesign.width = 0.4f;
        span.rightSupportDesign.redistribution = 0.15f;
        span.section = SpanSection{300, 700, 2000, 120, false, {}, {}, {}};
    }
    beam.rightSupport = Simple; // every interior support may be redistributed
    beam.firstSupportDesign = {0.4f, 0.15f, std::nullopt, {}}; // the fixed left end too
    beam.spans.back().rightSupportDesign.redistribution = 0;   // a simple end
    return beam;
}

} // namespace spanwise::bench
