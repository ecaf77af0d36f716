// spanwise-calc --verify: the verification problems, calculated and compared, as a table.
#pragma once

#include <iosfwd>
#include <string>

namespace spanwise {

// Prints the table of every problem's values (tab-separated: the titles, one row per value)
// and the summary line "验证算例 n/m 通过". problemsFile is a file of problems in the shipped
// format, or empty for the shipped problems. Returns kExitOk when every value agrees,
// kExitVerificationFailed when one does not, kExitBadInput when the file cannot be read.
int runVerification(const std::string& problemsFile, std::ostream& out, std::ostream& err);

} // namespace spanwise
