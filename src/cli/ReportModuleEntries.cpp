// libspanwise-calc-report.so: the calculation report for spanwise-calc, with the offscreen GUI
// application the report's fonts need.
#include "cli/ReportModule.h"
#include "report/Report.h"

#include <QFile>
#include <QGuiApplication>

#include <memory>

namespace {

QtMessageHandler qtDefaultHandler = nullptr;

// Qt's notes about the session's runtime folder (XDG_RUNTIME_DIR unset on a build server or in
// a cron job) say nothing about the beam; everything else Qt says goes to stderr as usual.
void quietAboutRuntimeFolder(QtMsgType type, const QMessageLogContext& context,
                             const QString& message) {
    if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths:"))) {
        return;
    }
    qtDefaultHandler(type, context, message);
}

// QGuiApplication keeps a reference to argc and the argv it is given for its lifetime.
int applicationArgc = 1;
char applicationName[] = "spanwise-calc";
char* applicationArgv[] = {applicationName, nullptr};
std::unique_ptr<QGuiApplication> application;

} // namespace

extern "C" Q_DECL_EXPORT bool spanwiseStartReports() {
    if (!application) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        qtDefaultHandler = qInstallMessageHandler(quietAboutRuntimeFolder);
        application = std::make_unique<QGuiApplication>(applicationArgc, applicationArgv);
    }
    return true;
}

extern "C" Q_DECL_EXPORT void spanwiseWriteReport(const spanwise::BeamOutcome& outcome,
                                                  const std::string& projectName,
                                                  const std::string& path,
                                                  spanwise::ReportWritten& written) {
    const spanwise::ReportOutcome report =
        spanwise::writeReport(outcome, projectName, QFile::decodeName(path.c_str()));
    written = {report.ok, report.reason};
}

extern "C" Q_DECL_EXPORT void spanwiseStopReports() {
    application.reset();
}
