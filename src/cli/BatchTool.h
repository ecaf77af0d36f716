// spanwise-calc: the batch tool. Reads project files (named, or every *.BMD of named folders),
// runs the data check and the whole calculation of each exactly as the windows do, and prints
// the result table, section queries, the envelope, the whole result as JSON or CSV, or one
// summary table of the run (UTF-8). Files are calculated on several threads; what is printed
// does not depend on how many.
#pragma once

#include "cli/ProjectRun.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace spanwise {

// args are the command-line arguments without the program name. --report and --report-dir
// write with writeReport (loadReportModule()); without it they fail. With stderrIsTerminal and
// more than 20 files, a progress line is kept up to date on err.
int runBatch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
             bool stderrIsTerminal = false, const ReportWriter& writeReport = {});

} // namespace spanwise
