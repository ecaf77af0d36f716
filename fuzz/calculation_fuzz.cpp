// Fuzz target for the road of the batch tool: read a project, check it, and calculate it when
// the check passes. A beam that passes the data check must calculate or fail with a
// CalculationError the user is shown; any other exception, a crash or a hang is a fault.
#include "analysis/Calculation.h"
#include "analysis/CalculationError.h"
#include "analysis/SectionForces.h"
#include "check/DataCheck.h"
#include "io/ProjectFile.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace spanwise;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const ReadResult read = parseProject(bytes, "fuzz.BMD");
    if (!read.ok() || !checkBeam(read.project->beam).passed) {
        return 0;
    }
    const Beam& beam = read.project->beam;
    auto results = std::make_unique<BeamResults>();
    try {
        calculate(beam, *results);
        // the query of the result window at both ends and the middle of every span
        for (int s = 1; s <= beam.spanCount(); ++s) {
            const float L = beam.span(s).length;
            for (float x : {0.0f, L / 2, L}) {
                sectionForceAt(beam, *results, s, x);
            }
        }
    } catch (const CalculationError&) {
        // shown to the user; the results keep their previous contents
    }
    return 0;
}
