#include "cli/BatchTool.h"

#include "cli/BatchOptions.h"
#include "cli/BatchOutput.h"
#include "cli/OrderedWork.h"
#include "cli/ProjectFileList.h"
#include "cli/VerifyCommand.h"
#include "model/Version.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <ostream>
#include <set>
#include <thread>

namespace spanwise {

namespace {

// Report paths for --report-dir: DIR/<name>.pdf after the project file's name; when that name
// is taken already by a file before it in the run, <name>-2.pdf, <name>-3.pdf, ... (the first
// one free), so that no report overwrites another.
std::vector<std::string> reportPaths(const std::vector<std::string>& files,
                                     const std::string& dir) {
    std::vector<std::string> paths;
    std::set<std::string> taken;
    const std::string folder = dir.back() == '/' ? dir : dir + '/';
    for (const std::string& file : files) {
        const std::string name =
            QFile::encodeName(QFileInfo(QFile::decodeName(file.c_str())).completeBaseName())
                .toStdString();
        std::string candidate = name;
        for (int n = 2; !taken.insert(candidate).second; ++n) {
            candidate = name + "-" + std::to_string(n);
        }
        paths.push_back(folder + candidate + ".pdf");
    }
    return paths;
}

int workerCount(const BatchOptions& options) {
    if (options.jobs > 0) {
        return options.jobs;
    }
    return static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

} // namespace

int runBatch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
             bool stderrIsTerminal, const ReportWriter& writeReport) {
    std::string usageError;
    const auto options = parseBatchArguments(args, usageError);
    if (!options) {
        err << "spanwise-calc: " << usageError << '\n' << kBatchUsage << '\n';
        return kExitBadInput;
    }
    if (options->help) {
        out << kBatchUsage << '\n' << kMoreUsage << '\n';
        return kExitOk;
    }
    if (options->version) {
        out << "spanwise-calc " << kProgramVersion << '\n';
        return kExitOk;
    }
    if (options->verify) {
        return runVerification(options->inputs.empty() ? std::string() : options->inputs.front(),
                               out, err);
    }
    const ProjectFileList list = listProjectFiles(options->inputs);
    if (!options->report.empty() && list.files.size() > 1) {
        err << "spanwise-calc: --report 只能用于一个工程文件，多个文件请用 --report-dir\n"
            << kBatchUsage << '\n';
        return kExitBadInput;
    }
    if (!options->dxf.empty() && list.files.size() > 1) {
        err << "spanwise-calc: --dxf 只能用于一个工程文件\n" << kBatchUsage << '\n';
        return kExitBadInput;
    }
    int worst = kExitOk;
    for (const std::string& folder : list.folders) {
        err << "spanwise-calc: 文件夹“" << folder << "”中没有 .BMD 工程文件\n";
        worst = kExitBadInput;
    }
    std::vector<std::string> reports(list.files.size(), options->report);
    if (!options->reportDir.empty()) {
        QDir().mkpath(QFile::decodeName(options->reportDir.c_str()));
        reports = reportPaths(list.files, options->reportDir);
    }

    BatchPrinter printer(out, err, *options, list.files.size(),
                         stderrIsTerminal && list.files.size() > kProgressAbove);
    std::vector<ProjectOutcome> outcomes(list.files.size());
    runInOrder(
        list.files.size(), workerCount(*options),
        [&](std::size_t n) {
            outcomes[n] = runProjectFile(list.files[n], *options, reports[n], writeReport);
        },
        [&](std::size_t n) {
            worst = std::max(worst, outcomes[n].exitCode);
            printer.print(list.files[n], std::move(outcomes[n]));
            outcomes[n] = {};
        },
        [&](std::size_t done) { printer.progress(done); });
    printer.finish();
    return worst;
}

} // namespace spanwise
