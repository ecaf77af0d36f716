// Fuzz target for everything a file reaches once it is read: check it, and when the check passes
// calculate it as the window does (the stiffness of its sections included), query it, take the
// envelope of its combination, both deflection envelopes, the moment-distribution working, the
// rows of every table the report, the CSV and the windows print, the design forces and, where
// every span has a section, the design with its hand calculation and, where it was designed,
// the detailing with its tables, its drawing and the DXF; and a section search of two candidates. A
// beam that passes the data check must come through or fail with a CalculationError the user is
// shown; any other exception, a crash, a hang, or a NaN or infinity in a value that reaches a table
// is a fault.
#include "analysis/Calculation.h"
#include "analysis/CalculationError.h"
#include "analysis/Deflection.h"
#include "analysis/DeflectionTable.h"
#include "analysis/DistributionWorking.h"
#include "analysis/Envelope.h"
#include "analysis/EnvelopeTable.h"
#include "analysis/Reactions.h"
#include "analysis/SectionForces.h"
#include "analysis/SpanResults.h"
#include "check/DataCheck.h"
#include "design/BeamDesign.h"
#include "design/DesignForcesTable.h"
#include "design/DesignTable.h"
#include "detailing/DetailingTables.h"
#include "drawing/DetailingSheet.h"
#include "drawing/DxfWriter.h"
#include "io/ProjectFile.h"
#include "outcome/BeamOutcome.h"
#include "outcome/SectionSearch.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace spanwise;

// A table cell that shows a value which is not one is a fault: stop here, with the cell.
void requireNumbers(const std::vector<std::string>& cells) {
    for (const std::string& cell : cells) {
        if (cell.find("nan") != std::string::npos || cell.find("inf") != std::string::npos) {
            __builtin_trap();
        }
    }
}

void requireNumbers(const std::vector<std::vector<std::string>>& rows) {
    for (const auto& row : rows) {
        requireNumbers(row);
    }
}

void requireFinite(double v) {
    if (!std::isfinite(v)) {
        __builtin_trap();
    }
}

void tablesOf(const Beam& beam, const Calculation& calculation) {
    for (int s = 1; s <= beam.spanCount(); ++s) {
        const auto texts = resultRowTexts(spanResult(beam, calculation.results, s));
        requireNumbers(std::vector<std::string>(texts.begin(), texts.end()));
        const float L = beam.span(s).length;
        for (float x : {0.0f, L / 2, L}) {
            const SectionForce f = sectionForceAt(beam, calculation.results, s, x);
            for (float v : {f.M, f.MR, f.VL, f.VR}) {
                requireFinite(v);
            }
        }
    }
    SupportReactions reactions;
    supportReactions(beam, calculation.results, reactions);
    for (const SupportReaction& r : reactions) {
        requireFinite(r.R);
        requireFinite(r.M);
    }
    requireNumbers(workingTable(recordDistribution(beam)).rows);
}

// Every line of the hand calculation the report writes for a span: no value that is not one.
void requireNumbers(const CalculationSteps& steps) {
    for (const CalculationStep& step : steps) {
        requireNumbers({step.substitution, step.result});
    }
}

void designStepsOf(const SpanDesign& span) {
    for (const SteelRow& row : span.rows) {
        requireNumbers(row.flexure.steps);
        requireNumbers(row.bars.steps);
        requireNumbers(row.crack.steps);
        requireNumbers(row.failures());
        if (row.compression) {
            requireNumbers(row.compression->steps);
        }
        if (row.ductility) {
            requireNumbers(row.ductility->steps);
        }
    }
    for (const FaceShear* face : {&span.left, &span.right}) {
        requireNumbers(face->result.steps);
    }
    requireNumbers(span.stirrups.steps);
    for (const Hanger& hanger : span.hangers) {
        requireNumbers(hanger.steel.steps);
    }
    requireNumbers(span.deflection.steps);
    requireNumbers(span.failures());
    requireNumbers(span.deflection.stiffness.steps);
}

// Each product of the outcome, in the order they are made; a failure other than a
// CalculationError escapes and ends the run.
void envelopeAndBeyond(const BeamOutcome& outcome) {
    const Beam& beam = outcome.beam();
    const EnvelopeTable table = envelopeTable(beam, outcome.envelope.orThrow());
    requireNumbers(table.spanRows);
    requireNumbers(table.supportRows);
    requireNumbers(deflectionTable(outcome.deflection.orThrow(), false).rows);
    if (hasLiveLoads(beam)) {
        for (const BeamDeflection& d : outcome.deflectionCombinations.orThrow()) {
            requireNumbers(deflectionTable(d, true).rows);
        }
    }
    const BeamForces& forces = outcome.forces.orThrow();
    const DesignForcesTable forcesTable = designForcesTable(beam, forces);
    requireNumbers(forcesTable.faceRows);
    requireNumbers(forcesTable.spanRows);
    if (hasSections(beam)) {
        const BeamDesign& design = outcome.design.orThrow(); // the hand calculation too
        const DesignTables tables = designTables(design);
        for (const TextTable* t :
             {&tables.steel, &tables.shear, &tables.hangers, &tables.deflection}) {
            requireNumbers(t->rows);
        }
        for (const SpanDesign& span : design.spans) {
            designStepsOf(span);
        }
        // a designed beam is detailed, or says which set is missing; its tables, sheet and DXF
        // hold no value that is not one
        if (design.designed) {
            const BeamDetailing& detailing = outcome.detailing.orThrow();
            if (detailing.detailed) {
                const DetailingTables detailingTexts = detailingTables(detailing);
                for (const DetailingTable& t : detailingTexts.tables) {
                    requireNumbers(t.rows);
                }
                requireNumbers(detailing.notes);
                const std::string dxf = dxfBytes(detailingSheet(beam, detailing));
                if (dxf.find("nan") != std::string::npos || dxf.find("inf") != std::string::npos) {
                    __builtin_trap();
                }
            } else if (detailing.missing.empty()) {
                __builtin_trap(); // not detailed without saying why
            }
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const ReadResult read = parseProject(bytes, "fuzz.BMD");
    if (!read.ok()) {
        return 0;
    }
    if (!checkBeam(read.project->beam).passed) {
        return 0;
    }
    try {
        // as the report takes it: the design with its hand calculation
        const BeamOutcome outcome = outcomeOf(read.project->beam, Working::Written);
        tablesOf(outcome.beam(), outcome.calculation);
        envelopeAndBeyond(outcome);
        // the section search of two candidates about the first span's section: each a whole
        // outcome of its own, its table without a value that is not one
        const Beam& typed = read.project->beam;
        if (const auto& section = typed.span(1).section; section && hasSections(typed)) {
            const float depth = std::clamp(std::floor(section->depth / 50) * 50, 150.0f, 2950.0f);
            const float width = std::clamp(section->width, 100.0f, 2000.0f);
            const SectionSearch search =
                searchSections(typed, {depth, depth + 50, 50, {width}, true});
            requireNumbers(sectionSearchTable(search).rows);
        }
    } catch (const CalculationError&) {
        // shown to the user in words; nothing else changes
    }
    return 0;
}
