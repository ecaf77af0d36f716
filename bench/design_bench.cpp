// Time of the design forces of a 20-span beam with 10 loads a span, live loads on every span,
// supports 0.4 m wide and beta = 0.15 at every support but the simple right end: from an envelope
// at hand, and with the envelope itself (what a calculation costs the user).
#include "MixedBeam.h"

#include "design/BeamDesign.h"
#include "design/DesignForces.h"
#include "design/HandCalculation.h"
#include "design/SectionStiffness.h"
#include "outcome/BeamOutcome.h"

#include <benchmark/benchmark.h>

#include <optional>

namespace {

using namespace spanwise;

Beam designedBeam() {
    return calculationBeam(bench::designedTwentySpans());
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

// Everything a calculation of a designed beam adds: the envelope, the design forces, the steel,
// the crack widths and the deflections with the long-term stiffness; as the windows and the
// batch tool make it (0: the results only), and with the hand calculation the report prints (1).
void BM_WholeDesignTwentySpans(benchmark::State& state) {
    const Beam beam = designedBeam();
    const Working working = state.range(0) == 0 ? Working::Omitted : Working::Written;
    for (auto _ : state) {
        const Envelope envelope(beam);
        BeamDesign design = designBeam(beam, designForces(beam, envelope), envelope, working);
        benchmark::DoNotOptimize(design);
    }
}

} // namespace

// The whole outcome the windows and the batch tool take: the calculation, the envelope, the
// deflections of both combinations, the design forces and the design.
void BM_OutcomeTwentySpans(benchmark::State& state) {
    const Beam beam = designedBeam();
    for (auto _ : state) {
        BeamOutcome outcome = outcomeOf(beam);
        benchmark::DoNotOptimize(outcome);
    }
}

BENCHMARK(BM_WholeDesignTwentySpans)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OutcomeTwentySpans)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DesignForcesTwentySpans)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EnvelopeAndDesignForcesTwentySpans)->Unit(benchmark::kMicrosecond);
