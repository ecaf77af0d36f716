// The verification problems: the shipped ones read and agree, a wrong expected value or a beam
// that cannot be calculated shows as a failure, and the reader refuses what it cannot take.
#include "verify/Verification.h"

#include <gtest/gtest.h>

#include <string>

namespace spanwise {
namespace {

// Two equal 6 m spans under q = 10 kN/m, with the given check lines.
std::string twoSpans(const std::string& checks) {
    return "problem 二跨\nsource 手算\nends simple simple\nspan 6 1\nspan 6 1\nuniform 1 10\n"
           "uniform 2 10\nunit qL² 10 6 6\nunit qL 10 6\nunit P 100\n" +
           checks;
}

TEST(ShippedProblems, AtLeastTwentyWithSourcesAndEveryValueAgrees) {
    const ProblemsRead read = readProblems(shippedProblemsText());
    ASSERT_TRUE(read.ok()) << read.errorLine << ": " << read.error;
    EXPECT_GE(read.problems.size(), 20u);
    bool kinds[3] = {false, false, false};
    bool ends[3] = {false, false, false};
    for (const VerificationProblem& problem : read.problems) {
        EXPECT_FALSE(problem.source.empty()) << problem.title;
        for (const Span& span : problem.beam.spans) {
            for (const Load& load : span.loads) {
                kinds[load.kind] = true;
            }
        }
        ends[problem.beam.leftSupport] = ends[problem.beam.rightSupport] = true;
    }
    // every load kind and every kind of outer end is verified
    EXPECT_TRUE(kinds[Concentrated] && kinds[Uniform] && kinds[Trapezoidal]);
    EXPECT_TRUE(ends[Simple] && ends[Cantilever] && ends[Fixed]);
    const VerificationOutcome outcome = runVerification(read.problems);
    for (const VerificationRow& row : outcome.rows) {
        EXPECT_TRUE(row.agrees) << read.problems[static_cast<std::size_t>(row.problem)].title << " "
                                << row.label << ": " << row.exact << " vs " << row.computed;
    }
    EXPECT_TRUE(outcome.allAgree());
    EXPECT_EQ(verificationSummary(outcome), "验证算例 " + std::to_string(read.problems.size()) +
                                                "/" + std::to_string(read.problems.size()) +
                                                " 通过");
}

TEST(Verification, ExactValuesAreSumsOfFractionsOfTheirUnits) {
    const ProblemsRead read =
        readProblems(twoSpans("check 甲 | M 1 6 | -1/8 qL² +1/4 P\ncheck 乙 | R 0 | 3/8 qL\n"));
    ASSERT_TRUE(read.ok()) << read.error;
    ASSERT_EQ(read.problems[0].expected.size(), 2u);
    EXPECT_DOUBLE_EQ(read.problems[0].expected[0].value, -45 + 25);
    EXPECT_DOUBLE_EQ(read.problems[0].expected[1].value, 22.5);
    EXPECT_EQ(read.problems[0].expected[0].exact, "-1/8 qL² +1/4 P");
}

TEST(Verification, AWrongExpectedValueFailsItsProblemOnly) {
    const ProblemsRead read = readProblems(
        twoSpans("check 支座B弯矩 | M 1 6 | -1/10 qL²\ncheck 支座A反力 | R 0 | 3/8 qL\n") +
        twoSpans("check 支座B弯矩 | M 1 6 | -1/8 qL²\n"));
    ASSERT_TRUE(read.ok()) << read.error;
    const VerificationOutcome outcome = runVerification(read.problems);
    ASSERT_EQ(outcome.rows.size(), 3u);
    EXPECT_FALSE(outcome.rows[0].agrees);
    EXPECT_TRUE(outcome.rows[1].agrees);
    EXPECT_TRUE(outcome.rows[2].agrees);
    EXPECT_FALSE(outcome.allAgree());
    EXPECT_EQ(verificationSummary(outcome), "验证算例 1/2 通过");
    const std::vector<std::string> texts{"1 二跨", "支座B弯矩", "-1/10 qL² = -36",
                                         "-45",    "-9",        "✘"};
    EXPECT_EQ(verificationRowTexts(outcome, read.problems, outcome.rows[0]), texts);
}

TEST(Verification, ValuesWithinHalfTheLastShownDecimalAgree) {
    // M_B = -45 exactly: -45.0004 is within 0.0005, -45.0006 is not
    const ProblemsRead read = readProblems(twoSpans(
        "unit kN·m 1\ncheck 近 | M 1 6 | -450004/10000 kN·m\ncheck 远 | M 1 6 | -450006/10000 "
        "kN·m\n"));
    ASSERT_TRUE(read.ok()) << read.error;
    const VerificationOutcome outcome = runVerification(read.problems);
    EXPECT_TRUE(outcome.rows[0].agrees);
    EXPECT_FALSE(outcome.rows[1].agrees);
}

TEST(Verification, ABeamThatFailsTheDataCheckShowsWhyAndFails) {
    const ProblemsRead read = readProblems(
        "problem 零跨度\nsource 无\nends simple simple\nspan 0 1\nspan 6 1\nunit kN 1\n"
        "check 甲 | R 0 | 0 kN\n");
    ASSERT_TRUE(read.ok()) << read.error;
    const VerificationOutcome outcome = runVerification(read.problems);
    ASSERT_EQ(outcome.rows.size(), 1u);
    EXPECT_FALSE(outcome.rows[0].agrees);
    EXPECT_FALSE(outcome.rows[0].computed.empty());
    EXPECT_TRUE(outcome.rows[0].difference.empty());
}

struct BadText {
    const char* name;
    std::string text;
    int line;
    const char* reason;
};

class ProblemReader : public ::testing::TestWithParam<BadText> {};

TEST_P(ProblemReader, RefusesWithTheLineAndTheReason) {
    const ProblemsRead read = readProblems(GetParam().text);
    EXPECT_FALSE(read.ok());
    EXPECT_TRUE(read.problems.empty());
    EXPECT_EQ(read.errorLine, GetParam().line);
    EXPECT_NE(read.error.find(GetParam().reason), std::string::npos) << read.error;
}

INSTANTIATE_TEST_SUITE_P(
    BadLines, ProblemReader,
    ::testing::Values(
        BadText{"before_a_problem", "# note\nspan 6 1\n", 2, "第一个算例之前"},
        BadText{"unknown_word", twoSpans("colour red\n"), 11, "不能识别"},
        BadText{"load_on_a_missing_span", twoSpans("uniform 3 10\n"), 11, "跨号"},
        BadText{"unknown_unit", twoSpans("check 甲 | M 1 6 | -1/8 PL\n"), 11, "基准"},
        BadText{"zero_denominator", twoSpans("check 甲 | M 1 6 | -1/0 qL²\n"), 11, "分数"},
        BadText{"section_beyond_the_span", twoSpans("check 甲 | M 1 7 | 0 qL\n"), 11, "截面"},
        BadText{"support_beyond_the_beam", twoSpans("check 甲 | R 3 | 0 qL\n"), 11, "支座号"},
        BadText{"missing_bars", twoSpans("check 甲 M 1 6\n"), 11, "核对项"},
        BadText{"unknown_end", "problem 甲\nends hinged simple\n", 2, "不能识别"},
        BadText{"no_checks", "problem 甲\nspan 6 1\n", 2, "缺少跨或核对项"}),
    [](const ::testing::TestParamInfo<BadText>& param) { return std::string(param.param.name); });

} // namespace
} // namespace spanwise
