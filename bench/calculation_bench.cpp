// Time of the whole calculation (load terms to maximum moments) for typical and extreme beams.
#include "analysis/Calculation.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

using namespace spanwise;

// n spans of 4..8 m with `loads` mixed loads each: forces, uniform and trapezoidal loads.
BeamModel mixedBeam(int spans, int loads, float loadScale = 1, float stiffnessRatio = 1,
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

void run(benchmark::State& state, const BeamModel& model) {
    BeamResults results;
    long sweeps = 0;
    for (auto _ : state) {
        sweeps = calculate(model, results);
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

} // namespace

BENCHMARK(BM_TwoSpans)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FiveSpans)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TwentySpansTenLoads)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ExtremeStiffnessRatio)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HugeLoads)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TinyLoads)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LongSpans)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ShortSpans)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
