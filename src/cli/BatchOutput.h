// How the outcomes of a batch run reach stdout and stderr, file by file in run order. One file
// prints exactly what a one-file run prints; with several:
//   the table, queries and envelope of each file follow a line "==> FILE <==" (an empty line
//     before every such line but the first);
//   --json prints one document {"files":[...]}: the object of each calculated file, or
//     {"file":..,"exitCode":..,"errors":[..]} for a file that failed;
//   --csv prints one CSV (one byte order mark) whose first column names the file;
//   --summary prints one table at the end (printSummary);
//   every stderr line of a file starts with "FILE: ".
#pragma once

#include "cli/BatchOptions.h"
#include "cli/ProjectRun.h"
#include "cli/RunSummary.h"

#include <chrono>
#include <cstddef>
#include <iosfwd>
#include <string>
#include <vector>

namespace spanwise {

// A progress line is shown (on a terminal) only for runs of more files than this.
inline constexpr std::size_t kProgressAbove = 20;

class BatchPrinter {
public:
    BatchPrinter(std::ostream& out, std::ostream& err, const BatchOptions& options,
                 std::size_t fileCount, bool showProgress);

    // The next file's outcome, in run order.
    void print(const std::string& file, ProjectOutcome outcome);
    // done of the files are finished (in any order): refreshes the progress line now and then.
    void progress(std::size_t done);
    // Closes the JSON document, prints the summary, ends the progress line.
    void finish();

private:
    void showProgress(std::size_t done, bool now);
    void clearProgress();

    std::ostream& m_out;
    std::ostream& m_err;
    const BatchOptions& m_options;
    std::size_t m_fileCount;
    bool m_several;
    bool m_progress;
    bool m_progressShown = false;
    std::size_t m_printed = 0;   // files that put something on stdout
    std::size_t m_delivered = 0; // files printed, whatever they put out
    std::vector<FileSummary> m_summary;
    std::chrono::steady_clock::time_point m_start = std::chrono::steady_clock::now();
    std::chrono::steady_clock::time_point m_lastProgress{};
};

} // namespace spanwise
