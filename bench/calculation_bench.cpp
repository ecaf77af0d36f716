// Time of the whole calculation (load terms to maximum moments) for typical and extreme beams.
#include "MixedBeam.h"

#include "analysis/Calculation.h"
#include "analysis/DistributionWorking.h"

#include <benchmark/benchmark.h>

namespace {

using namespace spanwise;
using spanwise::bench::mixedBeam;

void run(benchmark::State& state, const Beam& beam) {
    BeamResults results;
    long sweeps = 0;
    for (auto _ : state) {
        sweeps = calculate(beam, results);
        benchmark::DoNotOptimize(results);
    }
    state.counters["sweeps"] = static_cast<double>(sweeps);
}

void BM_TwoSpans(benchmark::State& state) {
    run(state, mixedBeam(2, 3));
}
void BM_FiveSpans(benchmark::State& state) {
    run(state, mixedBeam(5, 5));
}
void BM_TwentySpansTenLoads(benchmark::State& state) {
    run(state, mixedBeam(20, 10));
}
// The same with the loads drawn from all six kinds.
void BM_TwentySpansTenLoadsOfEveryKind(benchmark::State& state) {
    run(state, mixedBeam(20, 10, 1, 1, 1, kLoadKindCount));
}
void BM_ExtremeStiffnessRatio(benchmark::State& state) {
    run(state, mixedBeam(20, 10, 1, static_cast<float>(state.range(0)) > 0 ? 1e6f : 1e-6f));
}
void BM_HugeLoads(benchmark::State& state) {
    run(state, mixedBeam(20, 10, 1e33f));
}
void BM_TinyLoads(benchmark::State& state) {
    run(state, mixedBeam(20, 10, 1e-30f));
}
void BM_LongSpans(benchmark::State& state) {
    run(state, mixedBeam(20, 10, 1, 1, 1000));
}
void BM_ShortSpans(benchmark::State& state) {
    run(state, mixedBeam(20, 10, 1, 1, 1e-3f));
}

// The working as the result window asks for it: the distribution again, every step recorded.
void BM_RecordWorkingTwentySpans(benchmark::State& state) {
    const Beam beam = mixedBeam(20, 10);
    for (auto _ : state) {
        benchmark::DoNotOptimize(recordDistribution(beam));
    }
}

} // namespace

BENCHMARK(BM_TwoSpans)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FiveSpans)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TwentySpansTenLoads)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TwentySpansTenLoadsOfEveryKind)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ExtremeStiffnessRatio)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HugeLoads)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TinyLoads)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LongSpans)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ShortSpans)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RecordWorkingTwentySpans)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
