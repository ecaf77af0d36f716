// Runs the verification problems through the data check and the calculation, exactly as a
// project is calculated, and compares every quantity with its exact value. Standard library
// only: the window and the batch tool show the same table.
#pragma once

#include "verify/VerificationProblems.h"

#include <string>
#include <vector>

namespace spanwise {

// A value agrees when it differs from the exact one by at most half a unit of the third
// decimal, the last one the program shows.
inline constexpr double kVerificationTolerance = 0.0005;

struct VerificationRow {
    int problem = 0; // index into the problems
    std::string label;
    std::string exact;      // "-1/8 qL² = -45"
    std::string computed;   // as the result table shows it, or why there is no value
    std::string difference; // computed - exact, or empty without a value
    bool agrees = false;
};

struct VerificationOutcome {
    std::vector<VerificationRow> rows;
    int problemsPassed = 0; // every value of the problem agrees
    int problemCount = 0;
    bool allAgree() const { return problemsPassed == problemCount; }
};

VerificationOutcome runVerification(const std::vector<VerificationProblem>& problems);

// The table's titles: "算例", "物理量", "理论值", "Spanwise", "差值", "结论".
std::vector<std::string> verificationHeaders();
// One row of texts: "n 标题", the quantity, the exact value, Spanwise's value, the
// difference and "✔" or "✘".
std::vector<std::string> verificationRowTexts(const VerificationOutcome& outcome,
                                              const std::vector<VerificationProblem>& problems,
                                              const VerificationRow& row);
// "验证算例 24/24 通过"
std::string verificationSummary(const VerificationOutcome& outcome);

} // namespace spanwise
