// Time of the design forces of a 20-span beam with 10 loads a span, live loads on every span,
// supports 0.4 m wide and beta = 0.15 at every support but the simple right end: from an envelope
// at hand, and with the envelope itself (what a calculation costs the user).
#include "MixedBeam.h"

#include "design/DesignForces.h"

#include <benchmark/benchmark.h>

namespace {

using namespace spanwise;

Beam designedBeam() {
    Beam beam = bench::mixedBeam(20, 10, 1, 1, 1, kLoadKindCount);
    for (Span& span : beam.spans) {
        for (int k = 2; k <= span.loadCount(); k += 2) {
            span.load(k).loadCase = Live;
        }
        span.rightSupportDesign.width = 0.4f;
        span.rightSupportDesign.redistribution = 0.15f;
    }
    beam.rightSupport = Simple; // every interior support may be redistributed
    beam.firstSupportDesign = {0.4f, 0.15f, std::nullopt};   // the fixed left end too
    beam.spans.back().rightSupportDesign.redistribution = 0; // a simple end
    return beam;
}

void BM_DesignForcesTwentySpans(benchmark::State& state) {
    const Beam beam = designedBeam();
    const Envelope envelope(beam);
    for (auto _ : state) {
        BeamForces forces = designForces(beam, envelope);
        benchmark::DoNotOptimize(forces);
    }
}

void BM_EnvelopeAndDesignForcesTwentySpans(benchmark::State& state) {
    const Beam beam = designedBeam();
    for (auto _ : state) {
        const Envelope envelope(beam);
        BeamForces forces = designForces(beam, envelope);
        benchmark::DoNotOptimize(forces);
    }
}

} // namespace

BENCHMARK(BM_DesignForcesTwentySpans)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EnvelopeAndDesignForcesTwentySpans)->Unit(benchmark::kMicrosecond);
