#include "cli/ReportModule.h"

#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <QString>

#include <memory>

namespace spanwise {

namespace {

// The module stays loaded to the end of the process; only its GUI application is ended.
QLibrary* reportLibrary = nullptr;

// Where the module is: beside the program in a build, in lib/spanwise once installed.
QStringList moduleCandidates() {
    const QString program = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    const QString folder = QFileInfo(program).absolutePath();
    const QString name = QString::fromLatin1(kReportModuleName);
    return {folder + '/' + name, folder + QStringLiteral("/../lib/spanwise/") + name};
}

} // namespace

ReportWriter loadReportModule(std::string& problem) {
    if (reportLibrary == nullptr) {
        QString reasons;
        for (const QString& candidate : moduleCandidates()) {
            if (!QFileInfo::exists(candidate)) {
                continue;
            }
            auto library = std::make_unique<QLibrary>(candidate);
            if (library->load()) {
                reportLibrary = library.release();
                break;
            }
            reasons += library->errorString();
        }
        if (reportLibrary == nullptr) {
            problem = "找不到计算书模块 " + std::string(kReportModuleName) +
                      (reasons.isEmpty() ? "" : "（" + reasons.toStdString() + "）");
            return {};
        }
    }
    const auto start =
        reinterpret_cast<StartReportsEntry>(reportLibrary->resolve(kStartReportsSymbol));
    const auto write =
        reinterpret_cast<WriteReportEntry>(reportLibrary->resolve(kWriteReportSymbol));
    if (start == nullptr || write == nullptr || !start()) {
        problem = "计算书模块 " + std::string(kReportModuleName) + " 无法使用";
        return {};
    }
    return [write](const BeamOutcome& outcome, const std::string& projectName,
                   const std::string& path) {
        ReportWritten written;
        write(outcome, projectName, path, written);
        return written;
    };
}

void stopReportModule() {
    if (reportLibrary == nullptr) {
        return;
    }
    if (const auto stop =
            reinterpret_cast<StopReportsEntry>(reportLibrary->resolve(kStopReportsSymbol))) {
        stop();
    }
}

} // namespace spanwise
