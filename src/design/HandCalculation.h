// The hand-calculation chain a checking engineer reads in the 计算书: every design result carries
// its steps, each with the clause of GB 50010 it applies, the formula, the numbers put in and the
// result, and the number texts those steps and the result tables use.
//
// Texts are plain UTF-8 with the engineer's symbols (×, ², ⁶, ·, α, ξ, ρ, ψ, σ); "." is the decimal
// point whatever the locale. Every function here takes finite numbers: the design functions
// never produce another kind.
#pragma once

#include <string>
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

// Whether the design functions write their hand calculation on this thread: on, unless a caller
// that shows only the results (a window's tables, the batch tool's) turns it off for a while.
bool stepsRecorded();
class StepsOmitted {
public:
    StepsOmitted();
    ~StepsOmitted();
    StepsOmitted(const StepsOmitted&) = delete;
    StepsOmitted& operator=(const StepsOmitted&) = delete;

private:
    bool m_before;
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

} // namespace spanwise
