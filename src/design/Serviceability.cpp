#include "design/Serviceability.h"

#include "design/InputCheck.h"
#include "design/LongitudinalBars.h"

#include "design/HandCalculation.h"
#include <algorithm>
#include <cmath>
#include <optional>

namespace spanwise {

namespace {

// A value put into a formula, as typed: at most three decimals.
std::string text(double v) {
    return trimmedText(v);
}

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
SteelStrain strainOf(const ServiceSection& s, const Materials& m, CalculationSteps& steps) {
    SteelStrain e;
    e.area = barArea(s.bars);
    e.steelStress = s.moment * 1e6 / (0.87 * s.effectiveDepth * e.area);
    if (stepsRecorded())
        steps.push_back({"7.1.4", "σsq = Mq/(0.87·h0·As)",
                         forceText(s.moment) + "×10⁶/(0.87×" + text(s.effectiveDepth) + "×" +
                             steelAreaText(e.area) + ")",
                         fixedText(e.steelStress, 1) + " N/mm²"});
    const double flangeArea =
        std::max(0.0, s.tensionFlangeWidth - s.width) * std::max(0.0, s.tensionFlangeDepth);
    e.effectiveArea = 0.5 * s.width * s.depth + flangeArea;
    if (stepsRecorded())
        steps.push_back(flangeArea > 0
                            ? CalculationStep{"7.1.2", "Ate = 0.5·b·h + (bf − b)·hf",
                                              "0.5×" + text(s.width) + "×" + text(s.depth) +
                                                  " + (" + text(s.tensionFlangeWidth) + " − " +
                                                  text(s.width) + ")×" + text(s.tensionFlangeDepth),
                                              text(e.effectiveArea) + " mm²"}
                            : CalculationStep{"7.1.2", "Ate = 0.5·b·h",
                                              "0.5×" + text(s.width) + "×" + text(s.depth),
                                              text(e.effectiveArea) + " mm²"});
    const double ratio = e.area / e.effectiveArea;
    e.effectiveRatio = std::max(ratio, 0.01);
    if (stepsRecorded())
        steps.push_back({"7.1.2", "ρte = As/Ate（≥ 0.01）",
                         steelAreaText(e.area) + "/" + text(e.effectiveArea),
                         relativeText(e.effectiveRatio)});
    const double psi = 1.1 - 0.65 * m.ftk / (e.effectiveRatio * e.steelStress);
    e.strainFactor = std::clamp(psi, 0.2, 1.0);
    if (stepsRecorded())
        steps.push_back({"7.1.2", "ψ = 1.1 − 0.65·ftk/(ρte·σsq)（0.2 ≤ ψ ≤ 1.0）",
                         "1.1 − 0.65×" + text(m.ftk) + "/(" + relativeText(e.effectiveRatio) + "×" +
                             fixedText(e.steelStress, 1) + ")",
                         relativeText(e.strainFactor)});
    return e;
}

CrackWidth unguardedCrackWidth(const ServiceSection& s, const Materials& m) {
    CrackWidth c;
    c.limit = m.crackLimit;
    if (const auto skip = reasonToSkip(s, "验算裂缝")) {
        c.state = skip->state;
        c.words = skip->words;
        return c;
    }
    c.strain = strainOf(s, m, c.steps);
    c.coverToBars = std::clamp(m.cover + s.stirrupDiameter, 20.0, 65.0);
    if (stepsRecorded())
        c.steps.push_back({"7.1.2", "cs = c + dv（20 ≤ cs ≤ 65）",
                           text(m.cover) + " + " + text(s.stirrupDiameter),
                           text(c.coverToBars) + " mm"});
    c.equivalentDiameter = s.bars.diameter / m.bondFactor;
    if (stepsRecorded())
        c.steps.push_back({"7.1.2", "deq = d/ν",
                           std::to_string(s.bars.diameter) + "/" + factorText(m.bondFactor),
                           text(c.equivalentDiameter) + " mm"});
    const SteelStrain& e = c.strain;
    c.width = 1.9 * e.strainFactor * (e.steelStress / m.Es) *
              (1.9 * c.coverToBars + 0.08 * c.equivalentDiameter / e.effectiveRatio);
    const bool holds = c.width <= c.limit;
    c.state = holds ? CheckState::Passed : CheckState::Failed;
    if (!holds) {
        c.words =
            "裂缝宽度 " + crackWidthText(c.width) + " mm > wlim = " + fixedText(c.limit, 2) + " mm";
    }
    if (stepsRecorded())
        c.steps.push_back({"7.1.2", "wmax = 1.9·ψ·(σsq/Es)·(1.9·cs + 0.08·deq/ρte)",
                           "1.9×" + relativeText(e.strainFactor) + "×(" +
                               fixedText(e.steelStress, 1) + "/" + text(m.Es) + ")×(1.9×" +
                               text(c.coverToBars) + " + 0.08×" + text(c.equivalentDiameter) + "/" +
                               relativeText(e.effectiveRatio) + ")",
                           crackWidthText(c.width) + " mm" + (holds ? " ≤ " : " > ") +
                               "wlim = " + fixedText(c.limit, 2) + " mm " + (holds ? "✔" : "✘")});
    return c;
}

LongTermStiffness unguardedStiffness(const ServiceSection& s, const Materials& m) {
    LongTermStiffness k;
    if (const auto skip = reasonToSkip(s, "计算长期刚度")) {
        k.state = skip->state;
        k.words = skip->words;
        return k;
    }
    k.strain = strainOf(s, m, k.steps);
    const double b = s.width, h0 = s.effectiveDepth;
    k.ratio = k.strain.area / (b * h0);
    k.modularRatio = m.Es / m.Ec;
    const double flangeArea =
        std::max(0.0, s.compressionFlangeWidth - b) * std::max(0.0, s.compressionFlangeDepth);
    k.flangeRatio = flangeArea / (b * h0);
    if (stepsRecorded())
        k.steps.push_back({"7.2.3", "ρ = As/(b·h0)，αE = Es/Ec，γf' = (bf' − b)·hf'/(b·h0)",
                           steelAreaText(k.strain.area) + "/(" + text(b) + "×" + text(h0) + ")，" +
                               text(m.Es) + "/" + text(m.Ec) + "，" + text(flangeArea) + "/(" +
                               text(b) + "×" + text(h0) + ")",
                           relativeText(k.ratio) + "，" + fixedText(k.modularRatio, 3) + "，" +
                               relativeText(k.flangeRatio)});
    const double psi = k.strain.strainFactor;
    k.shortTerm = m.Es * k.strain.area * h0 * h0 /
                  (1.15 * psi + 0.2 + 6 * k.modularRatio * k.ratio / (1 + 3.5 * k.flangeRatio));
    if (stepsRecorded())
        k.steps.push_back({"7.2.3", "Bs = Es·As·h0²/[1.15ψ + 0.2 + 6αE·ρ/(1 + 3.5γf')]",
                           text(m.Es) + "×" + steelAreaText(k.strain.area) + "×" + text(h0) +
                               "²/[1.15×" + relativeText(psi) + " + 0.2 + 6×" +
                               fixedText(k.modularRatio, 3) + "×" + relativeText(k.ratio) +
                               "/(1 + 3.5×" + relativeText(k.flangeRatio) + ")]",
                           stiffnessText(k.shortTerm) + " N·mm²"});
    k.longTerm = k.shortTerm / k.creepFactor;
    if (stepsRecorded())
        k.steps.push_back({"7.2.2", "B = Bs/θ，θ = 2.0（7.2.5，ρ' = 0）",
                           stiffnessText(k.shortTerm) + "/" + factorText(k.creepFactor),
                           stiffnessText(k.longTerm) + " N·mm²"});
    k.state = CheckState::Passed;
    return k;
}

} // namespace

CrackWidth crackWidth(const ServiceSection& section, const Materials& materials) {
    CrackWidth c = unguardedCrackWidth(section, materials);
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

LongTermStiffness longTermStiffness(const ServiceSection& section, const Materials& materials) {
    LongTermStiffness k = unguardedStiffness(section, materials);
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
