#include "design/Serviceability.h"

#include "design/InputCheck.h"
#include "design/LongitudinalBars.h"

#include "design/HandCalculation.h"
#include <algorithm>
#include <cmath>
#include <optional>

namespace spanwise {

namespace {

struct Skip {
    CheckState state;
    std::string words;
};

// Why the section is not checked: an invalid section fails, a moment that does not put the bars
// in tension or a section without bars is simply not checked (`what` names the check).
std::optional<Skip> reasonToSkip(const ServiceSection& s, const char* what) {
    if (!allPositive({s.width, s.depth, s.effectiveDepth}) || s.effectiveDepth > s.depth) {
        return Skip{CheckState::Failed, kInvalidSectionWords};
    }
    if (!std::isfinite(s.moment)) {
        return Skip{CheckState::Failed, "准永久组合弯矩无效"};
    }
    if (!(s.moment > 0)) {
        return Skip{CheckState::NotChecked, std::string("准永久组合弯矩不使钢筋受拉，不") + what};
    }
    if (barArea(s.bars) <= 0) {
        return Skip{CheckState::NotChecked, std::string("无钢筋，不") + what};
    }
    return std::nullopt;
}

// 7.1.2 and 7.1.4; preconditions: reasonToSkip found nothing.
SteelStrain strainOf(const ServiceSection& s, const Materials& m, StepWriter& steps) {
    SteelStrain e;
    e.area = barArea(s.bars);
    e.steelStress = s.moment * 1e6 / (0.87 * s.effectiveDepth * e.area);
    steps.formula("7.1.4", "σsq = Mq/(0.87·h0·As)",
                  {{"Mq", s.moment, [](double v) { return forceText(v) + "×10⁶"; }},
                   {"h0", s.effectiveDepth, typedText},
                   {"As", e.area, steelAreaText}},
                  [&] { return oneDecimalText(e.steelStress) + " N/mm²"; });
    const double flangeArea =
        std::max(0.0, s.tensionFlangeWidth - s.width) * std::max(0.0, s.tensionFlangeDepth);
    e.effectiveArea = 0.5 * s.width * s.depth + flangeArea;
    steps.formula("7.1.2", flangeArea > 0 ? "Ate = 0.5·b·h + (bf − b)·hf" : "Ate = 0.5·b·h",
                  {{"b", s.width, typedText},
                   {"h", s.depth, typedText},
                   {"bf", s.tensionFlangeWidth, typedText},
                   {"hf", s.tensionFlangeDepth, typedText}},
                  [&] { return typedText(e.effectiveArea) + " mm²"; });
    const double ratio = e.area / e.effectiveArea;
    e.effectiveRatio = std::max(ratio, 0.01);
    steps.formula("7.1.2", "ρte = As/Ate（≥ 0.01）",
                  {{"As", e.area, steelAreaText}, {"Ate", e.effectiveArea, typedText}},
                  [&] { return relativeText(e.effectiveRatio); });
    const double psi = 1.1 - 0.65 * m.ftk / (e.effectiveRatio * e.steelStress);
    e.strainFactor = std::clamp(psi, 0.2, 1.0);
    steps.formula("7.1.2", "ψ = 1.1 − 0.65·ftk/(ρte·σsq)（0.2 ≤ ψ ≤ 1.0）",
                  {{"ftk", m.ftk, typedText},
                   {"ρte", e.effectiveRatio, relativeText},
                   {"σsq", e.steelStress, oneDecimalText}},
                  [&] { return relativeText(e.strainFactor); });
    return e;
}

CrackWidth unguardedCrackWidth(const ServiceSection& s, const Materials& m, Working working) {
    CrackWidth c;
    c.limit = m.crackLimit;
    if (const auto skip = reasonToSkip(s, "验算裂缝")) {
        c.state = skip->state;
        c.words = skip->words;
        return c;
    }
    StepWriter steps(working, c.steps);
    c.strain = strainOf(s, m, steps);
    c.coverToBars = std::clamp(m.cover + s.stirrupDiameter, 20.0, 65.0);
    steps.formula("7.1.2", "cs = c + dv（20 ≤ cs ≤ 65）",
                  {{"c", m.cover, typedText}, {"dv", s.stirrupDiameter, typedText}},
                  [&] { return typedText(c.coverToBars) + " mm"; });
    c.equivalentDiameter = s.bars.diameter / m.bondFactor;
    steps.formula("7.1.2", "deq = d/ν",
                  {{"d", double(s.bars.diameter), typedText}, {"ν", m.bondFactor, factorText}},
                  [&] { return typedText(c.equivalentDiameter) + " mm"; });
    const SteelStrain& e = c.strain;
    c.width = 1.9 * e.strainFactor * (e.steelStress / m.Es) *
              (1.9 * c.coverToBars + 0.08 * c.equivalentDiameter / e.effectiveRatio);
    const bool holds = c.width <= c.limit;
    c.state = holds ? CheckState::Passed : CheckState::Failed;
    if (!holds) {
        c.words =
            "裂缝宽度 " + crackWidthText(c.width) + " mm > wlim = " + fixedText(c.limit, 2) + " mm";
    }
    steps.formula("7.1.2", "wmax = 1.9·ψ·(σsq/Es)·(1.9·cs + 0.08·deq/ρte)",
                  {{"ψ", e.strainFactor, relativeText},
                   {"σsq", e.steelStress, oneDecimalText},
                   {"Es", m.Es, typedText},
                   {"cs", c.coverToBars, typedText},
                   {"deq", c.equivalentDiameter, typedText},
                   {"ρte", e.effectiveRatio, relativeText}},
                  [&] {
                      return crackWidthText(c.width) + " mm" + (holds ? " ≤ " : " > ") +
                             "wlim = " + fixedText(c.limit, 2) + " mm " + (holds ? "✔" : "✘");
                  });
    return c;
}

LongTermStiffness unguardedStiffness(const ServiceSection& s, const Materials& m, Working working) {
    LongTermStiffness k;
    if (const auto skip = reasonToSkip(s, "计算长期刚度")) {
        k.state = skip->state;
        k.words = skip->words;
        return k;
    }
    StepWriter steps(working, k.steps);
    k.strain = strainOf(s, m, steps);
    const double b = s.width, h0 = s.effectiveDepth;
    k.ratio = k.strain.area / (b * h0);
    k.modularRatio = m.Es / m.Ec;
    const double flangeArea =
        std::max(0.0, s.compressionFlangeWidth - b) * std::max(0.0, s.compressionFlangeDepth);
    k.flangeRatio = flangeArea / (b * h0);
    steps.add([&] {
        return CalculationStep{
            "7.2.3", "ρ = As/(b·h0)，αE = Es/Ec，γf' = (bf' − b)·hf'/(b·h0)",
            substitution("As/(b·h0)，Es/Ec，", {{"As", k.strain.area, steelAreaText},
                                                {"b", b, typedText},
                                                {"h0", h0, typedText},
                                                {"Es", m.Es, typedText},
                                                {"Ec", m.Ec, typedText}}) +
                typedText(flangeArea) +
                substitution("/(b·h0)", {{"b", b, typedText}, {"h0", h0, typedText}}),
            relativeText(k.ratio) + "，" + threeDecimalsText(k.modularRatio) + "，" +
                relativeText(k.flangeRatio)};
    });
    const double psi = k.strain.strainFactor;
    k.shortTerm = m.Es * k.strain.area * h0 * h0 /
                  (1.15 * psi + 0.2 + 6 * k.modularRatio * k.ratio / (1 + 3.5 * k.flangeRatio));
    steps.formula("7.2.3", "Bs = Es·As·h0²/[1.15ψ + 0.2 + 6αE·ρ/(1 + 3.5γf')]",
                  {{"Es", m.Es, typedText},
                   {"As", k.strain.area, steelAreaText},
                   {"h0", h0, typedText},
                   {"ψ", psi, relativeText},
                   {"αE", k.modularRatio, threeDecimalsText},
                   {"ρ", k.ratio, relativeText},
                   {"γf'", k.flangeRatio, relativeText}},
                  [&] { return stiffnessText(k.shortTerm) + " N·mm²"; });
    k.longTerm = k.shortTerm / k.creepFactor;
    steps.add([&] {
        return CalculationStep{"7.2.2", "B = Bs/θ，θ = 2.0（7.2.5，ρ' = 0）",
                               substitution("Bs/θ", {{"Bs", k.shortTerm, stiffnessText},
                                                     {"θ", k.creepFactor, factorText}}),
                               stiffnessText(k.longTerm) + " N·mm²"};
    });
    k.state = CheckState::Passed;
    return k;
}

} // namespace

CrackWidth crackWidth(const ServiceSection& section, const Materials& materials, Working working) {
    CrackWidth c = unguardedCrackWidth(section, materials, working);
    const SteelStrain& e = c.strain;
    if (!allFinite({e.area, e.steelStress, e.effectiveArea, e.effectiveRatio, e.strainFactor,
                    c.coverToBars, c.equivalentDiameter, c.width})) {
        c = CrackWidth{};
        c.state = CheckState::Failed;
        c.words = kOutOfRangeWords;
        c.limit = materials.crackLimit;
    }
    return c;
}

LongTermStiffness longTermStiffness(const ServiceSection& section, const Materials& materials,
                                    Working working) {
    LongTermStiffness k = unguardedStiffness(section, materials, working);
    const SteelStrain& e = k.strain;
    if (!allFinite({e.area, e.steelStress, e.effectiveArea, e.effectiveRatio, e.strainFactor,
                    k.ratio, k.modularRatio, k.flangeRatio, k.shortTerm, k.longTerm})) {
        k = LongTermStiffness{};
        k.state = CheckState::Failed;
        k.words = kOutOfRangeWords;
    }
    return k;
}

} // namespace spanwise
