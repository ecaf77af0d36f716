// What the diagram panel does on every repaint: sample every span of the beam and find the
// support reactions, on the largest beam the program holds (20 spans, 10 mixed loads each).
#include "MixedBeam.h"

#include "analysis/Calculation.h"
#include "analysis/Diagrams.h"
#include "analysis/Reactions.h"

#include <benchmark/benchmark.h>

namespace {

using namespace spanwise;
using spanwise::bench::mixedBeam;

struct Analysed {
    Beam beam = mixedBeam(20, 10);
    BeamResults results;
    Analysed() { calculate(beam, results); }
};

void BM_SampleEverySpanTwentySpans(benchmark::State& state) {
    const Analysed analysed;
    SpanDiagram diagram;
    long points = 0;
    for (auto _ : state) {
        points = 0;
        for (int s = 1; s <= analysed.beam.spanCount(); ++s) {
            sampleSpan(analysed.beam, analysed.results, s, diagram);
            benchmark::DoNotOptimize(diagram);
            points += diagram.count;
        }
    }
    state.counters["points"] = static_cast<double>(points);
}

void BM_SupportReactionsTwentySpans(benchmark::State& state) {
    const Analysed analysed;
    SupportReactions reactions;
    for (auto _ : state) {
        supportReactions(analysed.beam, analysed.results, reactions);
        benchmark::DoNotOptimize(reactions);
    }
}

void BM_DiagramPanelTwentySpans(benchmark::State& state) {
    const Analysed analysed;
    SpanDiagram diagram;
    SupportReactions reactions;
    for (auto _ : state) {
        for (int s = 1; s <= analysed.beam.spanCount(); ++s) {
            sampleSpan(analysed.beam, analysed.results, s, diagram);
            benchmark::DoNotOptimize(diagram);
        }
        supportReactions(analysed.beam, analysed.results, reactions);
        benchmark::DoNotOptimize(reactions);
    }
}

} // namespace

// Goal: the whole beam well under 5 ms. Repetitions give the median.
BENCHMARK(BM_SampleEverySpanTwentySpans)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_SupportReactionsTwentySpans)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_DiagramPanelTwentySpans)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
