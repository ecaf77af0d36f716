// The verification problems (验证算例): beams with known solutions, each with its source and
// the exact values an engineer would look up, read from the text the program ships
// (resources/verification/problems.txt, whose header describes the format). Standard library
// only.
#pragma once

#include "model/Beam.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace spanwise {

// What is compared: the moment or a shear at a section, the largest moment of a span, or the
// reaction of a support (0 the left end, j the right end of span j).
enum class VerifiedQuantity { Moment, ShearLeft, ShearRight, SpanMaximum, Reaction };

struct ExpectedValue {
    std::string label; // "支座B弯矩"
    VerifiedQuantity quantity = VerifiedQuantity::Moment;
    int span = 1;      // or the support, for a reaction
    float x = 0;       // m from the left end of the span, for a section
    std::string exact; // as written: "-1/8 qL²"
    double value = 0;  // its value: each fraction times the product of its unit's factors
};

struct VerificationProblem {
    std::string title;
    std::string source;
    Beam beam;
    std::vector<ExpectedValue> expected;
};

struct ProblemsRead {
    std::vector<VerificationProblem> problems;
    int errorLine = 0; // 1.. where the text cannot be read, else 0
    std::string error; // in the user's language
    bool ok() const { return errorLine == 0; }
};

// Reads the problems; on the first line it cannot take, no problems and the line and reason.
ProblemsRead readProblems(std::string_view text);

// The problems shipped with the program.
std::string_view shippedProblemsText();

} // namespace spanwise
