// Time of the envelope over every live-load arrangement of a 20-span beam with 10 loads a span,
// every span carrying dead and live loads.
#include "MixedBeam.h"

#include "analysis/Deflection.h"
#include "analysis/Envelope.h"

#include <benchmark/benchmark.h>

namespace {

using namespace spanwise;

Beam deadAndLive(bool favourable, int kinds = 3) {
    Beam beam = bench::mixedBeam(20, 10, 1, 1, 1, kinds);
    for (Span& span : beam.spans) {
        for (int k = 2; k <= span.loadCount(); k += 2) {
            span.load(k).loadCase = Live;
        }
    }
    if (favourable) {
        beam.factors.deadFavourable = 1.0f;
    }
    return beam;
}

void BM_EnvelopeTwentySpansTenLoads(benchmark::State& state) {
    const Beam beam = deadAndLive(state.range(0) != 0);
    for (auto _ : state) {
        Envelope envelope(beam);
        benchmark::DoNotOptimize(envelope);
    }
}

// The same with the loads drawn from all six kinds.
void BM_EnvelopeTwentySpansTenLoadsOfEveryKind(benchmark::State& state) {
    const Beam beam = deadAndLive(false, kLoadKindCount);
    for (auto _ : state) {
        Envelope envelope(beam);
        benchmark::DoNotOptimize(envelope);
    }
}

// Both deflection envelopes (characteristic and quasi-permanent) on top of the force envelope.
void BM_DeflectionEnvelopeTwentySpansTenLoads(benchmark::State& state) {
    const Beam beam = deadAndLive(false);
    const Envelope forces(beam);
    for (auto _ : state) {
        auto both = BeamDeflection::envelopesOf(beam, forces);
        benchmark::DoNotOptimize(both);
    }
}

} // namespace

BENCHMARK(BM_EnvelopeTwentySpansTenLoads)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EnvelopeTwentySpansTenLoadsOfEveryKind)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DeflectionEnvelopeTwentySpansTenLoads)->Unit(benchmark::kMicrosecond);
