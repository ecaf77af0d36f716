// The command line of spanwise-calc: which files, what to print for each, and how many workers.
#pragma once

#include "outcome/SectionSearch.h"

#include <optional>
#include <string>
#include <vector>

namespace spanwise {

// The usage line the tool prints for --help and after every usage error.
extern const char* const kBatchUsage;
// The options that print something other than the results, one usage line each (--help).
extern const char* const kMoreUsage;

// A section query as typed: span number and distance, checked against each beam later.
struct SectionQuery {
    std::string spanText;
    std::string distanceText;
};

struct BatchOptions {
    std::vector<std::string> inputs; // files and folders in command-line order
    std::vector<SectionQuery> queries;
    bool json = false;
    bool envelope = false;
    bool csv = false;
    bool summary = false;
    bool deflection = false; // with --at: w (mm) as a sixth column
    bool design = false;     // the design forces and the steel: tables, or members of --json
    bool strict = false;     // a design with a section marked ✘ exits with kExitDesignFailed
    bool detailing = false; // the 平法 texts, cut-offs and schedule: tables, or a member of --json
    bool working = false;   // the moment-distribution working instead of the result table
    bool verify = false;    // the verification problems (a file given: those instead)
    bool version = false;
    bool help = false;
    std::string report;    // PDF calculation report of the one file, if any
    std::string reportDir; // folder for one report per file, if any
    std::string dxf;       // the detailing drawing of the one file, if any
    // --search-section H1:H2:STEP [--widths B1,B2,…] [--per-span]: the candidates, printed
    // instead of the results (the widths left empty take the beam's own)
    std::optional<SectionSearchRange> search;
    int jobs = 0; // workers; 0: one per core
};

// Parses the arguments (without the program name); nothing and an error text (UTF-8, without
// the usage line) on a usage error. Whether --report names one file is known only once the
// folders are listed (reportNeedsOneFile).
std::optional<BatchOptions> parseBatchArguments(const std::vector<std::string>& args,
                                                std::string& error);

// Whether an option asks for a PDF report and so for a QGuiApplication.
bool argumentsAskForReport(const std::vector<std::string>& args);

} // namespace spanwise
