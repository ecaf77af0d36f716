// One project file of a batch run: read, data check, calculation, optional report, and the text
// a one-file run prints, kept in memory so that files calculated at the same time still print
// in command-line order.
#pragma once

#include "cli/BatchOptions.h"
#include "cli/ReportModule.h"
#include "cli/RunSummary.h"

#include <string>

namespace spanwise {

// Exit codes of the batch tool; a run over several files exits with the largest code of its
// files.
enum BatchExit : int {
    kExitOk = 0,
    kExitCheckFailed = 1, // the data check listed errors (on stderr, one per line)
    kExitBadInput = 2,    // unreadable or malformed file, or a usage error
    kExitCalculationFailed = 3,
    kExitCannotWrite = 4,        // the calculation report could not be written
    kExitVerificationFailed = 5, // --verify: a value differs from its exact one
    kExitDesignFailed = 6,       // --strict: the design marked a section ✘
};

struct ProjectOutcome {
    std::string out; // stdout of a one-file run: table, queries, envelope, JSON or CSV
    std::string err; // stderr of a one-file run, lines ending in '\n'
    int exitCode = kExitOk;
    FileSummary summary; // with --summary: the rows of a calculated beam
};

// Runs one file as spanwise-calc FILE with the options does (their files are ignored).
// reportPath: the PDF to write with writeReport, or empty. Safe to call from several threads at
// once; reports are drawn one at a time.
ProjectOutcome runProjectFile(const std::string& file, const BatchOptions& options,
                              const std::string& reportPath, const ReportWriter& writeReport);

} // namespace spanwise
