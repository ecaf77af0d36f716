#include "cli/BatchOptions.h"
#include "cli/BatchTool.h"

#include <QGuiApplication>

#include <unistd.h>

#include <iostream>
#include <memory>
#include <string>
#include <vector>

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

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    // the report is drawn with fonts; it needs a GUI application but no screen
    std::unique_ptr<QGuiApplication> gui;
    if (spanwise::argumentsAskForReport(args)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        qtDefaultHandler = qInstallMessageHandler(quietAboutRuntimeFolder);
        gui = std::make_unique<QGuiApplication>(argc, argv);
    }
    const int code = spanwise::runBatch(args, std::cout, std::cerr, isatty(STDERR_FILENO) == 1);
    std::cout.flush();
    return code;
}
