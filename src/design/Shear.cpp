#include "design/Shear.h"

#include "design/InputCheck.h"

#include "design/HandCalculation.h"
#include <algorithm>
#include <cmath>

namespace spanwise {

namespace {

// 6.3.1: 0.25 up to hw/b = 4, 0.20 from 6, linear between.
double sectionLimitFactor(double slenderness) {
    if (slenderness <= 4) {
        return 0.25;
    }
    if (slenderness >= 6) {
        return 0.20;
    }
    return 0.25 - 0.025 * (slenderness - 4);
}

void checkSection(const ShearInput& in, const Materials& m, ShearResult& r, StepWriter& steps) {
    const double webDepth = in.effectiveDepth - in.flangeDepth;
    const double slenderness = webDepth / in.width;
    r.slenderness = slenderness;
    const double factor = sectionLimitFactor(slenderness);
    r.sectionLimit = factor * m.betaC * m.fc * in.width * in.effectiveDepth / 1e3;
    const bool holds = in.shear <= r.sectionLimit;
    steps.formula("6.3.1", "hw/b", {{"hw", webDepth, typedText}, {"b", in.width, typedText}},
                  [&] { return threeDecimalsText(slenderness); });
    steps.add([&] {
        const std::string formula = threeDecimalsText(factor) + "·βc·fc·b·h0";
        return CalculationStep{"6.3.1", formula,
                               substitution(formula, {{"βc", m.betaC, factorText},
                                                      {"fc", m.fc, typedText},
                                                      {"b", in.width, typedText},
                                                      {"h0", in.effectiveDepth, typedText}}) +
                                   "×10⁻³",
                               forceText(r.sectionLimit) + " kN" + (holds ? " ≥ " : " < ") +
                                   "V = " + forceText(in.shear) + " kN" + (holds ? " ✔" : " ✘")};
    });
    if (!holds) {
        r.failures.push_back("截面尺寸不满足受剪要求");
    }
}

void setConcreteFactor(const ShearInput& in, ShearResult& r, StepWriter& steps) {
    r.concreteFactor = 0.7;
    if (!in.concentratedForceDistance) {
        return;
    }
    const ConcentratedShearFactor c =
        concentratedShearFactor(*in.concentratedForceDistance, in.effectiveDepth);
    r.concreteFactor = c.factor;
    steps.formula(
        "6.3.4", "λ = a/h0（1.5 ≤ λ ≤ 3）",
        {{"a", *in.concentratedForceDistance, typedText}, {"h0", in.effectiveDepth, typedText}},
        [&] { return threeDecimalsText(c.shearSpanRatio); });
    steps.formula("6.3.4", "αcv = 1.75/(λ + 1)", {{"λ", c.shearSpanRatio, threeDecimalsText}},
                  [&] { return relativeText(c.factor); });
}

ShearResult unguardedShear(const ShearInput& in, const Materials& m, Working working) {
    ShearResult r;
    StepWriter steps(working, r.steps);
    if (!allPositive({in.width, in.depth, in.effectiveDepth}) || in.effectiveDepth > in.depth ||
        !(in.flangeDepth >= 0 && in.flangeDepth < in.effectiveDepth)) {
        r.failures.push_back(kInvalidSectionWords);
        return r;
    }
    if (!(in.shear >= 0) || !std::isfinite(in.shear)) {
        r.failures.push_back("剪力无效");
        return r;
    }
    if (in.concentratedForceDistance &&
        !(*in.concentratedForceDistance >= 0 && std::isfinite(*in.concentratedForceDistance))) {
        r.failures.push_back("集中力位置无效");
        return r;
    }
    checkSection(in, m, r, steps);
    setConcreteFactor(in, r, steps);
    const double b = in.width, h0 = in.effectiveDepth;
    r.concreteShear = r.concreteFactor * m.ft * b * h0 / 1e3;
    r.exceedsConcrete = in.shear > r.concreteShear;
    steps.formula(
        "6.3.4", "Vc = αcv·ft·b·h0",
        {{"αcv", r.concreteFactor, factorText},
         {"ft", m.ft, typedText},
         {"b", b, typedText},
         {"h0", h0, typedText}},
        [&] {
            return forceText(r.concreteShear) + " kN" + (r.exceedsConcrete ? " < " : " ≥ ") +
                   "V = " + forceText(in.shear) + " kN";
        },
        "×10⁻³");
    const double minimum = 0.24 * m.ft / m.fyv * b;
    if (r.exceedsConcrete) {
        const double calculated = (in.shear - r.concreteShear) * 1e3 / (m.fyv * h0);
        // the shears in kN: their difference times 10³ over the steel's N/mm²·mm
        steps.add([&] {
            return CalculationStep{
                "6.3.4", "Asv/s = (V − Vc)/(fyv·h0)",
                substitution("(V − Vc)",
                             {{"V", in.shear, forceText}, {"Vc", r.concreteShear, forceText}}) +
                    "×10³/" +
                    substitution("(fyv·h0)", {{"fyv", m.fyv, typedText}, {"h0", h0, typedText}}),
                stirrupRatioText(calculated) + " mm²/mm"};
        });
        steps.formula("9.2.9", "Asv/s ≥ 0.24·ft/fyv·b",
                      {{"ft", m.ft, typedText}, {"fyv", m.fyv, typedText}, {"b", b, typedText}},
                      [&] { return stirrupRatioText(minimum) + " mm²/mm"; });
        r.minimumGoverns = minimum > calculated;
        r.requiredRatio = std::max(calculated, minimum);
    } else {
        steps.add([] { return CalculationStep{"9.2.9", "V ≤ Vc", "", "按构造配箍，Asv/s = 0"}; });
    }
    if (in.hingeZone) {
        const double hingeMinimum = 0.3 * m.ft / m.fyv * b;
        const double base = r.requiredRatio;
        r.minimumGoverns = hingeMinimum > 1.2 * base;
        r.requiredRatio = std::max(1.2 * base, hingeMinimum);
        steps.formula("CECS 51:93，GB 50010 5.4",
                      "调幅塑性铰区：Asv/s = max(1.2·Asv/s, 0.3·ft/fyv·b)",
                      {{"Asv/s", base, stirrupRatioText},
                       {"ft", m.ft, typedText},
                       {"fyv", m.fyv, typedText},
                       {"b", b, typedText}},
                      [&] { return stirrupRatioText(r.requiredRatio) + " mm²/mm"; });
    }
    return r;
}

} // namespace

ConcentratedShearFactor concentratedShearFactor(double distance, double effectiveDepth) {
    double ratio = distance / effectiveDepth;
    if (!(ratio >= 1.5)) { // NaN too
        ratio = 1.5;
    }
    ratio = std::min(ratio, 3.0);
    return {ratio, 1.75 / (ratio + 1)};
}

ShearResult designShear(const ShearInput& input, const Materials& materials, Working working) {
    ShearResult r = unguardedShear(input, materials, working);
    if (!allFinite({r.sectionLimit, r.concreteFactor, r.concreteShear, r.requiredRatio})) {
        r = ShearResult{};
        r.failures.push_back(kOutOfRangeWords);
    }
    return r;
}

StirrupDetailing stirrupDetailing(double depth, bool calculatedStirrups) {
    StirrupDetailing d;
    d.leastDiameter = depth > 800 ? 8 : 6;
    if (depth <= 300) {
        d.widestSpacing = calculatedStirrups ? 150 : 200;
    } else if (depth <= 500) {
        d.widestSpacing = calculatedStirrups ? 200 : 300;
    } else if (depth <= 800) {
        d.widestSpacing = calculatedStirrups ? 250 : 350;
    } else {
        d.widestSpacing = calculatedStirrups ? 300 : 400;
    }
    return d;
}

AdditionalTransverse additionalTransverse(double force, const Materials& m, Working working) {
    AdditionalTransverse a;
    a.force = std::isfinite(force) ? force : 0;
    a.area = std::max(a.force, 0.0) * 1e3 / m.fyv;
    StepWriter(working, a.steps)
        .formula("9.2.11", "Asv ≥ F/fyv",
                 {{"F", std::max(a.force, 0.0), [](double v) { return forceText(v) + "×10³"; }},
                  {"fyv", m.fyv, typedText}},
                 [&] { return steelAreaText(a.area) + " mm²"; });
    return a;
}

} // namespace spanwise
