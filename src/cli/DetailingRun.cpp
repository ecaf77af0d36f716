#include "cli/DetailingRun.h"

#include "cli/ProjectRun.h"
#include "detailing/DetailingTables.h"
#include "drawing/DetailingSheet.h"
#include "drawing/DxfWriter.h"
#include "io/ProjectFile.h"

#include <QFile>

namespace spanwise {

namespace {

void printCells(std::ostream& out, const std::vector<std::string>& cells) {
    for (std::size_t c = 0; c < cells.size(); ++c) {
        out << (c > 0 ? "\t" : "") << cells[c];
    }
    out << '\n';
}

} // namespace

int detailForBatch(const BeamOutcome& outcome, const BatchOptions& options, std::ostream& out,
                   std::ostream& err) {
    const Beam& beam = outcome.beam();
    if (!hasSections(beam)) {
        err << "spanwise-calc: 配筋详图需要每跨都有截面\n";
        return kExitCalculationFailed;
    }
    const BeamDetailing& detailing = outcome.detailing.orThrow();
    if (!detailing.detailed) {
        for (const std::string& missing : detailing.missing) {
            err << "spanwise-calc: 未出配筋详图：" << missing << '\n';
        }
        return kExitDesignFailed;
    }
    if (options.detailing && !options.json) {
        const DetailingTables tables = detailingTables(detailing);
        for (const std::string& line : tables.summary) {
            out << line << '\n';
        }
        for (const DetailingTable& table : tables.tables) {
            out << '\n' << table.title << '\n';
            printCells(out, table.headers);
            for (const auto& row : table.rows) {
                printCells(out, row);
            }
        }
        out << "\n说明：\n";
        for (std::size_t k = 0; k < detailing.notes.size(); ++k) {
            out << detailing.notes[k] << '\n';
        }
    }
    if (!options.dxf.empty()) {
        const std::string bytes = dxfBytes(detailingSheet(beam, detailing));
        const SaveResult saved = writeFileAtomically(QFile::decodeName(options.dxf.c_str()), bytes);
        if (!saved.ok) {
            err << "spanwise-calc: 无法写入配筋图“" << options.dxf << "”：" << saved.reason << '\n';
            return kExitCannotWrite;
        }
    }
    return kExitOk;
}

} // namespace spanwise
