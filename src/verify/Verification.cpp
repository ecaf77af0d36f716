#include "verify/Verification.h"

#include "analysis/Calculation.h"
#include "analysis/CalculationError.h"
#include "analysis/NumberFormat.h"
#include "analysis/Reactions.h"
#include "analysis/SectionForces.h"
#include "check/DataCheck.h"

#include <cmath>
#include <optional>

namespace spanwise {

namespace {

double valueOf(const ExpectedValue& e, const Calculation& calculation) {
    const Beam& beam = calculation.beam;
    const BeamResults& results = calculation.results;
    switch (e.quantity) {
    case VerifiedQuantity::SpanMaximum:
        return results.SpanMaxMoment[static_cast<std::size_t>(e.span)];
    case VerifiedQuantity::Reaction: {
        SupportReactions reactions;
        supportReactions(beam, results, reactions);
        return reactions[static_cast<std::size_t>(e.span)].R;
    }
    default: {
        const SectionForce f = sectionForceAt(beam, results, e.span, e.x);
        return e.quantity == VerifiedQuantity::Moment      ? f.M
               : e.quantity == VerifiedQuantity::ShearLeft ? f.VL
                                                           : f.VR;
    }
    }
}

std::string displayed(double v) {
    return formatResult(static_cast<float>(v));
}

} // namespace

VerificationOutcome runVerification(const std::vector<VerificationProblem>& problems) {
    VerificationOutcome outcome;
    outcome.problemCount = static_cast<int>(problems.size());
    for (std::size_t p = 0; p < problems.size(); ++p) {
        const VerificationProblem& problem = problems[p];
        std::optional<Calculation> calculation;
        std::string failure;
        const CheckResult check = checkBeam(problem.beam);
        if (!check.passed) {
            failure = check.messages.empty() ? "数据检查未通过" : check.messages.front();
        } else {
            try {
                calculation = calculateBeam(problem.beam);
            } catch (const CalculationError& error) {
                failure = describe(error);
            }
        }
        bool allAgree = true;
        for (const ExpectedValue& e : problem.expected) {
            VerificationRow row;
            row.problem = static_cast<int>(p);
            row.label = e.label;
            row.exact = e.exact + " = " + displayed(e.value);
            if (calculation) {
                double computed = 0;
                try {
                    computed = valueOf(e, *calculation);
                    row.computed = displayed(computed);
                    row.difference = displayed(computed - e.value);
                    row.agrees = std::fabs(computed - e.value) <= kVerificationTolerance;
                } catch (const CalculationError& error) {
                    row.computed = describe(error);
                }
            } else {
                row.computed = failure;
            }
            allAgree = allAgree && row.agrees;
            outcome.rows.push_back(std::move(row));
        }
        outcome.problemsPassed += allAgree ? 1 : 0;
    }
    return outcome;
}

std::vector<std::string> verificationHeaders() {
    return {"算例", "物理量", "理论值", "Spanwise", "差值", "结论"};
}

std::vector<std::string> verificationRowTexts(const VerificationOutcome& /*outcome*/,
                                              const std::vector<VerificationProblem>& problems,
                                              const VerificationRow& row) {
    return {std::to_string(row.problem + 1) + " " +
                problems[static_cast<std::size_t>(row.problem)].title,
            row.label,
            row.exact,
            row.computed,
            row.difference,
            row.agrees ? "✔" : "✘"};
}

std::string verificationSummary(const VerificationOutcome& outcome) {
    return "验证算例 " + std::to_string(outcome.problemsPassed) + "/" +
           std::to_string(outcome.problemCount) + " 通过";
}

} // namespace spanwise
