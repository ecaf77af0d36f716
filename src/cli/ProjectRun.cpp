#include "cli/ProjectRun.h"
#include "cli/SectionSearchRun.h"

#include "analysis/CalculationError.h"
#include "analysis/DistributionWorking.h"
#include "analysis/EnvelopeTable.h"
#include "analysis/NumberFormat.h"
#include "analysis/SectionForces.h"
#include "analysis/SpanResults.h"
#include "check/DataCheck.h"
#include "cli/DesignJson.h"
#include "cli/DetailingJson.h"
#include "cli/DetailingRun.h"
#include "cli/JsonResult.h"
#include "design/DesignForcesTable.h"
#include "design/DesignTable.h"
#include "exports/CalculationSourceOf.h"
#include "exports/ResultCsv.h"
#include "io/ProjectFile.h"
#include "outcome/BeamOutcome.h"

#include <QFile>
#include <QString>

#include <charconv>
#include <mutex>
#include <optional>
#include <sstream>

namespace spanwise {

namespace {

std::optional<int> spanValue(const std::string& text) {
    int v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (text.empty() || ec != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return v;
}

void printRow(std::ostream& out, const std::vector<std::string>& cells) {
    for (std::size_t c = 0; c < cells.size(); ++c) {
        out << (c > 0 ? "\t" : "") << cells[c];
    }
    out << '\n';
}

// The envelope table: titles and one row per span, an empty line, titles and one row per
// support that holds the beam.
void printEnvelope(std::ostream& out, const Beam& beam, const Envelope& envelope) {
    const EnvelopeTable table = envelopeTable(beam, envelope);
    printRow(out, table.spanHeaders);
    for (const auto& row : table.spanRows) {
        printRow(out, row);
    }
    out << '\n';
    printRow(out, table.supportHeaders);
    for (const auto& row : table.supportRows) {
        printRow(out, row);
    }
}

// The design forces: the summary line, an empty line, the faces' titles and rows, an empty
// line, the spans' titles and rows.
void printDesignForces(std::ostream& out, const Beam& beam, const BeamForces& forces) {
    const DesignForcesTable table = designForcesTable(beam, forces);
    out << designForcesSummary(beam, forces) << "\n\n";
    printRow(out, table.faceHeaders);
    for (const auto& row : table.faceRows) {
        printRow(out, row);
    }
    out << '\n';
    printRow(out, table.spanHeaders);
    for (const auto& row : table.spanRows) {
        printRow(out, row);
    }
}

// The steel, after an empty line: the summary, then each table after an empty line.
void printDesign(std::ostream& out, const BeamDesign& design) {
    out << '\n' << design.summary() << '\n';
    if (!design.designed) {
        return;
    }
    for (const std::string& notice : design.notices()) {
        out << "注意：" << notice << '\n';
    }
    const DesignTables tables = designTables(design);
    for (const TextTable* table :
         {&tables.steel, &tables.shear, &tables.hangers, &tables.deflection}) {
        if (table->rows.empty()) {
            continue;
        }
        out << '\n';
        printRow(out, table->headers);
        for (const auto& row : table->rows) {
            printRow(out, row);
        }
    }
}

void printTable(std::ostream& out, const Beam& beam, const BeamResults& results) {
    for (std::size_t c = 0; c < kResultHeaders.size(); ++c) {
        out << (c > 0 ? "\t" : "") << kResultHeaders[c];
    }
    out << '\n';
    for (int s = 1; s <= beam.spanCount(); ++s) {
        const auto texts = resultRowTexts(spanResult(beam, results, s));
        for (std::size_t c = 0; c < texts.size(); ++c) {
            out << (c > 0 ? "\t" : "") << texts[c];
        }
        out << '\n';
    }
}

struct Section {
    int span;
    float x;
};

// The queries as sections of this beam; an error text (with the usage line) when one does
// not fit it.
std::optional<std::vector<Section>>
sectionsOf(const Beam& beam, const std::vector<SectionQuery>& queries, std::ostream& err) {
    std::vector<Section> sections;
    for (const SectionQuery& q : queries) {
        const auto s = spanValue(q.spanText);
        if (!s || *s < 1 || *s > beam.spanCount()) {
            err << "spanwise-calc: 跨号“" << q.spanText << "”应在 1 到 " << beam.spanCount()
                << " 之间\n"
                << kBatchUsage << '\n';
            return std::nullopt;
        }
        // a distance as the query field accepts it: digits with at most one point, not just "."
        const auto x = parseFieldNumber(q.distanceText);
        const float L = beam.span(*s).length;
        if (!x || *x > L) {
            err << "spanwise-calc: 距离“" << q.distanceText << "”应为 0 到第" << *s << "跨跨度 "
                << fileNumber(L) << " 之间的数\n"
                << kBatchUsage << '\n';
            return std::nullopt;
        }
        sections.push_back({*s, *x});
    }
    return sections;
}

// The report is painted with Qt's fonts and paint engine, one at a time.
std::mutex reportPainting;

int calculateAndPrint(const std::string& projectName, const Beam& projectBeam,
                      const std::vector<Section>& sections, const BatchOptions& options,
                      const std::string& reportPath, const ReportWriter& writeReport,
                      ProjectOutcome& outcome, std::ostream& out, std::ostream& err) {
    if (options.search) {
        return searchForBatch(projectName, projectBeam, options, out, err);
    }
    BeamOutcome calculated = outcomeOf(projectBeam);
    const Beam& beam = calculated.beam();
    const BeamResults& results = calculated.calculation.results;
    if (!reportPath.empty()) {
        // the report's stamp: the file as read, with the digest of its bytes
        calculated.calculation.source =
            calculationSourceOf(QString::fromStdString(projectName), false);
        ReportWritten written{false, "计算书模块没有载入"};
        if (writeReport) {
            const std::lock_guard lock(reportPainting);
            written = writeReport(calculated, projectName, reportPath);
        }
        if (!written.ok) {
            err << "spanwise-calc: 无法写入计算书“" << reportPath << "”：" << written.reason
                << '\n';
            return kExitCannotWrite;
        }
    }
    // What the output asks of the outcome: a product it needs and could not be made ends the
    // run with the failure that stopped it. The design forces are shown when asked for, in the
    // CSV of a beam with design data and in the summary of a beam with sections.
    const bool designForcesShown = options.design || (options.csv && hasDesignData(beam)) ||
                                   (options.summary && hasSections(beam));
    const bool live = hasLiveLoads(beam);
    if (options.envelope || ((options.csv || options.summary) && live) || designForcesShown) {
        calculated.envelope.orThrow();
    }
    const BeamForces* forces = nullptr;
    if (designForcesShown || (options.strict && hasSections(beam))) {
        forces = &calculated.forces.orThrow();
    }
    // the steel, where every span has a section
    const BeamDesign* design = forces && hasSections(beam) ? &calculated.design.orThrow() : nullptr;
    if (options.working) {
        const WorkingTable table = workingTable(recordDistribution(beam));
        printRow(out, table.headers);
        for (const auto& row : table.rows) {
            printRow(out, row);
        }
    } else if (options.summary) {
        outcome.summary.liveLoads = live;
        outcome.summary.sections = hasSections(beam);
        outcome.summary.rows =
            summaryRows(beam, results, live ? calculated.envelope.get() : nullptr, forces, design);
    } else if (options.csv) {
        out << outcomeCsv(calculated, options.envelope || live);
    } else if (options.json) {
        const BeamDetailing* detailing = options.detailing ? calculated.detailing.get() : nullptr;
        writeJsonResult(out, projectName, calculated, options.envelope,
                        (options.design ? designForcesJsonMember(*forces) +
                                              designJsonMember(beam, calculated.design.orThrow())
                                        : std::string()) +
                            (detailing ? detailingJsonMember(*detailing) : std::string()));
    } else if (options.envelope || options.design) {
        if (options.envelope) {
            printEnvelope(out, beam, calculated.envelope.orThrow());
        }
        if (options.design) {
            out << (options.envelope ? "\n" : "");
            printDesignForces(out, beam, *forces);
            printDesign(out, calculated.design.orThrow());
        }
    } else if (!sections.empty()) {
        const BeamDeflection* deflection =
            options.deflection ? &calculated.deflection.orThrow() : nullptr;
        for (const Section& q : sections) {
            const SectionForce f = sectionForceAt(beam, results, q.span, q.x);
            out << q.span << '\t' << fileNumber(q.x) << '\t' << formatResult(f.M) << '\t'
                << formatResult(f.VL) << '\t' << formatResult(f.VR);
            if (deflection) {
                out << '\t' << formatResult(static_cast<float>(deflection->at(q.span, q.x)));
            }
            if (f.MR != f.M) { // on a concentrated moment: M is the moment just left of it
                out << "\tMR=" << formatResult(f.MR);
            }
            out << '\n';
        }
    } else if (!options.detailing) {
        printTable(out, beam, results);
    }
    if (options.detailing || !options.dxf.empty()) {
        if (const int code = detailForBatch(calculated, options, out, err); code != kExitOk) {
            return code;
        }
    }
    if (options.strict && design && !design->failures().empty()) {
        err << "spanwise-calc: " << design->summary() << '\n';
        return kExitDesignFailed;
    }
    return kExitOk;
}

} // namespace

ProjectOutcome runProjectFile(const std::string& file, const BatchOptions& options,
                              const std::string& reportPath, const ReportWriter& writeReport) {
    ProjectOutcome outcome;
    outcome.summary.file = file;
    std::ostringstream out, err;
    auto finish = [&](int code) {
        outcome.exitCode = code;
        outcome.out = out.str();
        outcome.err = err.str();
        return outcome;
    };

    const QString path = QFile::decodeName(file.c_str());
    const std::string projectName = path.toStdString(); // as the messages and reports name it
    const ReadResult read = readProjectFile(path);
    if (!read.ok()) {
        err << read.error.message() << '\n';
        return finish(kExitBadInput);
    }
    const Beam& beam = read.project->beam;
    const auto sections = sectionsOf(beam, options.queries, err);
    if (!sections) {
        return finish(kExitBadInput);
    }
    const CheckResult check = checkBeam(beam);
    if (!check.passed) {
        for (const std::string& line : check.messages) {
            err << line << '\n';
        }
        return finish(kExitCheckFailed);
    }
    try {
        std::ostringstream result;
        const int code = calculateAndPrint(projectName, beam, *sections, options, reportPath,
                                           writeReport, outcome, result, err);
        out << result.str();
        return finish(code);
    } catch (const CalculationError& error) {
        outcome.summary.rows.clear();
        err << describe(error) << '\n';
        return finish(kExitCalculationFailed);
    } catch (const std::exception& error) {
        // a beam the data check let through but the calculation cannot take: this file fails,
        // the other files of the run go on
        outcome.summary.rows.clear();
        err << "计算失败：" << error.what() << '\n';
        return finish(kExitCalculationFailed);
    }
}

} // namespace spanwise
