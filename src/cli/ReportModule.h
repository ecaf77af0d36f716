// The calculation report of spanwise-calc lives in a module of its own,
// libspanwise-calc-report.so, loaded only by a run that writes reports: a run without one never
// loads Qt's GUI libraries (and the fonts, X11 and OpenGL libraries they bring), which would
// otherwise be most of the start-up of every run.
#pragma once

#include "outcome/BeamOutcome.h"

#include <functional>
#include <string>

namespace spanwise {

struct ReportWritten {
    bool ok = false;
    std::string reason; // in the user's language when the report could not be written
};

// Writes the report of a beam's outcome to path (UTF-8 path); projectName as the report names it.
using ReportWriter = std::function<ReportWritten(
    const BeamOutcome& outcome, const std::string& projectName, const std::string& path)>;

// Loads the module (beside the program, or in ../lib/spanwise from it) and starts the
// offscreen GUI application the report's fonts need; call on the main thread before any
// report is written. Nothing, and the reason, when the module cannot be loaded.
ReportWriter loadReportModule(std::string& problem);

// Ends the GUI application of the module; call on the main thread once no report is written
// any more.
void stopReportModule();

// The module's entry points (C names, so that the loader finds them).
extern "C" {
using StartReportsEntry = bool (*)();
using WriteReportEntry = void (*)(const BeamOutcome& outcome, const std::string& projectName,
                                  const std::string& path, ReportWritten& written);
using StopReportsEntry = void (*)();
}
inline constexpr const char* kReportModuleName = "libspanwise-calc-report.so";
inline constexpr const char* kStartReportsSymbol = "spanwiseStartReports";
inline constexpr const char* kWriteReportSymbol = "spanwiseWriteReport";
inline constexpr const char* kStopReportsSymbol = "spanwiseStopReports";

} // namespace spanwise
