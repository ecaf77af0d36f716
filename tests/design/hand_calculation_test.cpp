// The number texts of the hand calculation: rounding half up, the decimals of each quantity and
// the powers of ten.
#include "design/HandCalculation.h"

#include <gtest/gtest.h>

namespace spanwise {
namespace {

TEST(HandCalculation, NumberTexts) {
    const std::pair<std::string, std::string> cases[] = {
        {fixedText(1019.58, 1), "1019.6"},
        {fixedText(0.2, 3), "0.200"},
        {fixedText(-0.0004, 3), "0.000"},
        {fixedText(0.125, 2), "0.13"},
        {trimmedText(150), "150"},
        {trimmedText(13.33333), "13.333"},
        {factorText(1), "1.0"},
        {significantText(2.98985e13, 4), "2.990×10¹³"},
        {significantText(9.99961e4, 4), "1.000×10⁵"},
        {significantText(-4.5e-3, 2), "-4.5×10⁻³"},
        {significantText(7.25, 3), "7.25"},
        {superscriptText(-10), "⁻¹⁰"}};
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(text, expected);
    }
}

// A formula's substitution follows from the formula: its right-hand side with every symbol's
// value, "·" as "×", a number multiplying a symbol given its "×", a closing remark left out,
// the longest symbol first and none inside a longer name (written out by hand for each case).
TEST(HandCalculation, SubstitutionsFollowTheFormula) {
    const auto typed = typedText;
    struct Case {
        std::string formula;
        std::initializer_list<FormulaNumber> numbers;
        std::string expected;
    };
    const Case cases[] = {
        {"αs = M/(α1·fc·b·h0²)",
         {{"M", 150e6, millionsText},
          {"α1", 1, factorText},
          {"fc", 14.3, typed},
          {"b", 250, typed},
          {"h0", 460, typed}},
         "150×10⁶/(1.0×14.3×250×460²)"},
        {"ξ = 1 − √(1 − 2αs)", {{"αs", 0.1983, relativeText}}, "1 − √(1 − 2×0.1983)"},
        {"As = (α1·fc·b·ξ·h0 + α1·fc·(bf' − b)·hf')/fy",
         {{"α1", 1, factorText},
          {"fc", 14.3, typed},
          {"b", 250, typed},
          {"bf'", 1800, typed},
          {"hf'", 100, typed},
          {"ξ", 0.1, relativeText},
          {"h0", 460, typed},
          {"fy", 360, typed}},
         "(1.0×14.3×250×0.1000×460 + 1.0×14.3×(1800 − 250)×100)/360"},
        {"ρte = As/Ate（≥ 0.01）",
         {{"As", 942.48, steelAreaText}, {"Ate", 62500, typed}},
         "942.5/62500"},
        {"Asv/s ≥ 0.24·ft/fyv·b",
         {{"ft", 1.43, typed}, {"fyv", 270, typed}, {"b", 250, typed}},
         "0.24×1.43/270×250"},
        // fy is no part of fy', nor As of As'; a symbol after a letter is no symbol
        {"ξ = (fy·As − fy'·As')/(fc·bh)",
         {{"fy", 360, typed},
          {"fy'", 300, typed},
          {"As", 1, typed},
          {"As'", 2, typed},
          {"fc", 9.6, typed},
          {"h", 500, typed}},
         "(360×1 − 300×2)/(9.6×bh)"},
        {"hw/b", {{"hw", 410, typed}, {"b", 250, typed}}, "410/250"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(substitution(c.formula, c.numbers), c.expected) << c.formula;
    }
}

// The working is a plain argument: a step is made only where it is written, and nothing else
// changes with it.
TEST(HandCalculation, StepsAreWrittenOnlyWhereAskedFor) {
    for (const Working working : {Working::Omitted, Working::Written}) {
        CalculationSteps steps;
        StepWriter writer(working, steps);
        int made = 0;
        writer.formula("6.2.10", "x = a·b", {{"a", 2, typedText}, {"b", 3, typedText}}, [&] {
            ++made;
            return std::string("6");
        });
        writer.add([&] {
            ++made;
            return CalculationStep{"8.5.1", "note", "", "ok"};
        });
        const bool written = working == Working::Written;
        EXPECT_EQ(made, written ? 2 : 0);
        ASSERT_EQ(steps.size(), written ? 2u : 0u);
        if (written) {
            EXPECT_EQ(stepText(steps[0]), "x = a·b = 2×3 = 6");
            EXPECT_EQ(steps[0].clause, "6.2.10");
        }
    }
}

} // namespace
} // namespace spanwise
