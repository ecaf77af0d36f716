// The hand-calculation chain a checking engineer reads in the 计算书: every design result carries
// its steps, each with the clause of GB 50010 it applies, the formula, the numbers put in and the
// result, and the number texts those steps and the result tables use.
//
// Texts are plain UTF-8 with the engineer's symbols (×, ², ⁶, ·, α, ξ, ρ, ψ, σ); "." is the decimal
// point whatever the locale. Every function here takes finite numbers: the design functions
// never produce another kind.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace spanwise {

// One line of the hand calculation, e.g. clause "6.2.10", formula "αs = M/(α1·fc·b·h0²)",
// substitution "150×10⁶/(1.0×14.3×250×460²)", result "0.1983". The substitution is empty for a
// step that states a condition and its verdict ("V ≤ Vc", "按构造配箍").
struct CalculationStep {
    std::string clause;
    std::string formula;
    std::string substitution;
    std::string result;

    bool operator==(const CalculationStep&) const = default;
};

using CalculationSteps = std::vector<CalculationStep>;

// Whether a design function writes its hand calculation: the 计算书 asks for it, the windows'
// tables and the batch tool's do not. A plain argument of every design function; the numbers
// they compute are the same either way.
enum class Working : bool { Omitted = false, Written = true };

// A number put into a formula: its symbol there ("h0"), its value and how the substitution
// writes it (one of the texts below, or a unit's: "150×10⁶").
struct FormulaNumber {
    std::string_view symbol;
    double value = 0;
    std::string (*text)(double) = nullptr;
};

// The substitution of a formula: its right-hand side (after the first " = " or " ≥ "; the whole
// formula where there is none), without a closing remark in full-width brackets ("（≥ 0.01）"),
// with each symbol replaced by its number's text (the longest symbol first; a symbol counts only
// where no letter, digit or prime continues it), "·" written "×", and "×" put between a number
// and the symbol it multiplies: "1 − √(1 − 2αs)" with αs = 0.1983 gives "1 − √(1 − 2×0.1983)".
std::string substitution(std::string_view formula, std::initializer_list<FormulaNumber> numbers);

// The steps of one result, each made only where the working is written, so that what they
// cost is spent for the report alone.
class StepWriter {
public:
    StepWriter(Working working, CalculationSteps& steps)
        : m_written(working == Working::Written), m_steps(steps) {}

    bool written() const { return m_written; }

    // A formula and its numbers (the substitution follows from the formula, scale after it:
    // "×10⁻³"); result() gives the step's result text.
    template <typename Result>
    void formula(std::string_view clause, std::string_view formula,
                 std::initializer_list<FormulaNumber> numbers, Result&& result,
                 std::string_view scale = {}) {
        if (m_written) {
            CalculationStep& step = m_steps.emplace_back();
            step.clause = clause;
            step.formula = formula;
            step.substitution = substitution(formula, numbers);
            step.substitution += scale;
            step.result = result();
        }
    }

    // A step in its own words: make() returns it.
    template <typename Make> void add(Make&& make) {
        if (m_written) {
            m_steps.push_back(make());
        }
    }

private:
    bool m_written;
    CalculationSteps& m_steps;
};

// "αs = M/(α1·fc·b·h0²) = 150×10⁶/(1.0×14.3×250×460²) = 0.1983", or without a substitution
// "V ≤ Vc：按构造配箍"; the clause is not included.
std::string stepText(const CalculationStep& step);

// v rounded half up to `decimals` places with exactly that many: fixedText(1019.58, 1) is
// "1019.6", fixedText(0.2, 3) is "0.200"; never "-0".
std::string fixedText(double v, int decimals);

// v rounded half up to at most `decimals` places, without trailing zeros or point: 150, 14.3,
// 13.333 (decimals = 3); the form of the result table's forces and of the values typed in.
std::string trimmedText(double v, int decimals = 3);

// A factor as codes print it, with at least one decimal: 1.0, 0.7, 0.94, 1.75.
std::string factorText(double v);

// v with `digits` significant digits (rounded to nearest) as a × 10ⁿ: significantText(2.99e13,
// 4) is "2.990×10¹³"; without the power where n = 0; 0 is "0".
std::string significantText(double v, int digits);

// The superscript digits of n: superscriptText(-5) is "⁻⁵".
std::string superscriptText(int n);

// The displayed quantities of the design result, as the result block shows them.
inline std::string forceText(double v) {
    return trimmedText(v, 3);
} // kN, kN·m
inline std::string steelAreaText(double v) {
    return fixedText(v, 1);
} // As, As', mm²
inline std::string stirrupRatioText(double v) {
    return fixedText(v, 3);
} // Asv/s, mm²/mm
inline std::string relativeText(double v) {
    return fixedText(v, 4);
} // αs, ξ, ρ
inline std::string crackWidthText(double v) {
    return fixedText(v, 3);
} // wmax, mm
inline std::string stiffnessText(double v) {
    return significantText(v, 4);
} // B, N·mm²

// How a formula's substitution writes its numbers: a value as typed (at most three decimals), a
// factor (1.0, 0.94), a moment in N·mm from kN·m ("150×10⁶"), one, two or three fixed decimals.
inline std::string typedText(double v) {
    return trimmedText(v, 3);
}
inline std::string millionsText(double v) {
    return trimmedText(v / 1e6, 3) + "×10⁶";
}
inline std::string oneDecimalText(double v) {
    return fixedText(v, 1);
}
inline std::string twoDecimalsText(double v) {
    return fixedText(v, 2);
}
inline std::string threeDecimalsText(double v) {
    return fixedText(v, 3);
}

} // namespace spanwise
