// The calculation report: an A4 PDF a checking engineer can file. Project, date, units and sign
// convention, the input (spans, supports, loads), a sketch of the beam with its loads, the
// result table, the support reactions and the moment and shear diagrams, over as many pages as
// the beam needs; with live loads, the combination factors, the envelope tables and the envelope
// diagrams follow. Needs QtGui (a QGuiApplication must exist; the offscreen platform will do).
#pragma once

#include "outcome/BeamOutcome.h"

#include <QDateTime>
#include <QIODevice>
#include <QString>

#include <string>

namespace spanwise {

struct ReportOutcome {
    bool ok = false;
    std::string reason; // in the user's language when the file could not be written
    int pages = 0;
};

// Writes the report of a beam's outcome to path (the design with its hand calculation);
// projectName is the project's file (its name without the folder is printed) or "新工程". Every
// page carries a stamp: the program and its version, the calculation's time
// (outcome.calculation.source, else when), the verification problems' result, "第 n 页 共 m 页",
// and the input file with the SHA-256 of its bytes (or "未保存的修改" when the beam calculated
// was not what the file holds).
ReportOutcome writeReport(const BeamOutcome& outcome, const std::string& projectName,
                          const QString& path,
                          const QDateTime& when = QDateTime::currentDateTime());

// The same written to device; pageCount is what the stamps give as the number of pages.
ReportOutcome layOutReport(const BeamOutcome& outcome, const std::string& projectName,
                           QIODevice& device, const QDateTime& when, int pageCount);

} // namespace spanwise
