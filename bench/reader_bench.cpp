// Time of reading a project file from its bytes (fields, numbers, GBK load texts) for the
// largest beam a project holds: 20 spans of 10 loads.
#include "MixedBeam.h"

#include "io/ProjectFile.h"

#include <benchmark/benchmark.h>

#include <stdexcept>

namespace {

using namespace spanwise;

std::string projectBytes(int spans, int loads) {
    Project project;
    project.beam = bench::mixedBeam(spans, loads);
    std::string bytes;
    if (!projectFileBytes(project, bytes).ok) {
        throw std::logic_error("the benchmark beam cannot be written");
    }
    return bytes;
}

void BM_ReadProject(benchmark::State& state) {
    const std::string bytes =
        projectBytes(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        ReadResult read = parseProject(bytes, "bench.BMD");
        if (!read.ok()) {
            state.SkipWithError(read.error.message().c_str());
            break;
        }
        benchmark::DoNotOptimize(read);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_ReadProject)->Args({20, 10})->Args({3, 2})->Unit(benchmark::kMicrosecond);

} // namespace
