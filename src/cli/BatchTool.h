// spanwise-calc: the batch tool. Reads one project file, runs the data check and the whole
// calculation exactly as the windows do, and prints the result table, section queries or the
// whole result as JSON (UTF-8).
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace spanwise {

// Exit codes of the batch tool.
enum BatchExit : int {
    kExitOk = 0,
    kExitCheckFailed = 1, // the data check listed errors (on stderr, one per line)
    kExitBadInput = 2,    // unreadable or malformed file, or a usage error
    kExitCalculationFailed = 3,
    kExitCannotWrite = 4,        // the calculation report could not be written
    kExitVerificationFailed = 5, // --verify: a value differs from its exact one
};

// args are the command-line arguments without the program name. --report needs a
// QGuiApplication (the offscreen platform will do).
int runBatch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace spanwise
