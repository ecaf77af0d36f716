#include "cli/BatchOptions.h"
#include "cli/BatchTool.h"
#include "cli/ReportModule.h"

#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    // only a run that writes reports loads the report module and its GUI libraries
    spanwise::ReportWriter writeReport;
    if (spanwise::argumentsAskForReport(args)) {
        std::string problem;
        writeReport = spanwise::loadReportModule(problem);
        if (!writeReport) {
            std::cerr << "spanwise-calc: " << problem << '\n';
            return spanwise::kExitCannotWrite;
        }
    }
    const int code =
        spanwise::runBatch(args, std::cout, std::cerr, isatty(STDERR_FILENO) == 1, writeReport);
    std::cout.flush();
    spanwise::stopReportModule();
    return code;
}
