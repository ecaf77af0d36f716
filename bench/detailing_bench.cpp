// Time of the detailing of the 20-span benchmark beam (and of its section search) (10 loads a span,
// live loads on every other one, supports 0.4 m wide, beta 0.15, T sections 300×700): the 平法
// texts, cut-offs, anchorages, zones and schedule from its design; and the sheet and DXF bytes from
// that.
#include "MixedBeam.h"

#include "design/SectionStiffness.h"
#include "detailing/DetailingInput.h"
#include "drawing/DetailingSheet.h"
#include "drawing/DxfWriter.h"
#include "outcome/BeamOutcome.h"
#include "outcome/SectionSearch.h"

#include <benchmark/benchmark.h>

#include <stdexcept>

namespace {

using namespace spanwise;

BeamOutcome detailedOutcome() {
    BeamOutcome outcome = outcomeOf(bench::designedTwentySpans());
    if (!outcome.detailing.get() || !outcome.detailing.get()->detailed) {
        throw std::runtime_error("the benchmark beam is not detailed");
    }
    return outcome;
}

void BM_DetailingTwentySpans(benchmark::State& state) {
    const BeamOutcome outcome = detailedOutcome();
    const DetailingInput input = detailingInput(outcome.beam(), *outcome.design.get(),
                                                *outcome.forces.get(), *outcome.envelope.get());
    for (auto _ : state) {
        BeamDetailing detailing = detailBeam(input);
        benchmark::DoNotOptimize(detailing);
    }
}

// The drawing and its bytes, as 导出 DXF… and --dxf make them (writing to disk aside).
void BM_DxfTwentySpans(benchmark::State& state) {
    const BeamOutcome outcome = detailedOutcome();
    for (auto _ : state) {
        std::string bytes = dxfBytes(detailingSheet(outcome.beam(), *outcome.detailing.get()));
        benchmark::DoNotOptimize(bytes);
    }
}

} // namespace

BENCHMARK(BM_DetailingTwentySpans)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DxfTwentySpans)->Unit(benchmark::kMillisecond);

namespace {

// The section search over 11 depths × 3 widths of the 20-span benchmark beam, its own weight
// counted: 33 whole calculations and designs, as many at once as the machine runs.
void BM_SectionSearchTwentySpans(benchmark::State& state) {
    spanwise::Beam beam = spanwise::bench::designedTwentySpans();
    beam.selfWeight = 25;
    const spanwise::SectionSearchRange range{500, 1000, 50, {250, 300, 350}, false};
    for (auto _ : state) {
        spanwise::SectionSearch search = spanwise::searchSections(beam, range);
        benchmark::DoNotOptimize(search);
    }
}

} // namespace

BENCHMARK(BM_SectionSearchTwentySpans)->Unit(benchmark::kMillisecond)->UseRealTime();
