#include "design/Shear.h"

#include "design/InputCheck.h"

#include "design/HandCalculation.h"
#include <algorithm>
#include <cmath>

namespace spanwise {

namespace {

// A value put into a formula, as typed: at most three decimals.
std::string text(double v) {
    return trimmedText(v);
}

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

void checkSection(const ShearInput& in, const Materials& m, ShearResult& r) {
    const double webDepth = in.effectiveDepth - in.flangeDepth;
    const double slenderness = webDepth / in.width;
    const double factor = sectionLimitFactor(slenderness);
    r.sectionLimit = factor * m.betaC * m.fc * in.width * in.effectiveDepth / 1e3;
    const bool holds = in.shear <= r.sectionLimit;
    if (stepsRecorded())
        r.steps.push_back(
            {"6.3.1", "hw/b", text(webDepth) + "/" + text(in.width), fixedText(slenderness, 3)});
    if (stepsRecorded())
        r.steps.push_back({"6.3.1", fixedText(factor, 3) + "·βc·fc·b·h0",
                           fixedText(factor, 3) + "×" + factorText(m.betaC) + "×" + text(m.fc) +
                               "×" + text(in.width) + "×" + text(in.effectiveDepth) + "×10⁻³",
                           forceText(r.sectionLimit) + " kN" + (holds ? " ≥ " : " < ") +
                               "V = " + forceText(in.shear) + " kN" + (holds ? " ✔" : " ✘")});
    if (!holds) {
        r.failures.push_back("截面尺寸不满足受剪要求");
    }
}

void setConcreteFactor(const ShearInput& in, ShearResult& r) {
    r.concreteFactor = 0.7;
    if (!in.concentratedForceDistance) {
        return;
    }
    const ConcentratedShearFactor c =
        concentratedShearFactor(*in.concentratedForceDistance, in.effectiveDepth);
    r.concreteFactor = c.factor;
    if (stepsRecorded())
        r.steps.push_back({"6.3.4", "λ = a/h0（1.5 ≤ λ ≤ 3）",
                           text(*in.concentratedForceDistance) + "/" + text(in.effectiveDepth),
                           fixedText(c.shearSpanRatio, 3)});
    if (stepsRecorded())
        r.steps.push_back({"6.3.4", "αcv = 1.75/(λ + 1)",
                           "1.75/(" + fixedText(c.shearSpanRatio, 3) + " + 1)",
                           fixedText(c.factor, 4)});
}

ShearResult unguardedShear(const ShearInput& in, const Materials& m) {
    ShearResult r;
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
    checkSection(in, m, r);
    setConcreteFactor(in, r);
    const double b = in.width, h0 = in.effectiveDepth;
    r.concreteShear = r.concreteFactor * m.ft * b * h0 / 1e3;
    r.exceedsConcrete = in.shear > r.concreteShear;
    if (stepsRecorded())
        r.steps.push_back({"6.3.4", "Vc = αcv·ft·b·h0",
                           factorText(r.concreteFactor) + "×" + text(m.ft) + "×" + text(b) + "×" +
                               text(h0) + "×10⁻³",
                           forceText(r.concreteShear) + " kN" +
                               (r.exceedsConcrete ? " < " : " ≥ ") + "V = " + forceText(in.shear) +
                               " kN"});
    const double minimum = 0.24 * m.ft / m.fyv * b;
    if (r.exceedsConcrete) {
        const double calculated = (in.shear - r.concreteShear) * 1e3 / (m.fyv * h0);
        if (stepsRecorded())
            r.steps.push_back({"6.3.4", "Asv/s = (V − Vc)/(fyv·h0)",
                               "(" + forceText(in.shear) + " − " + forceText(r.concreteShear) +
                                   ")×10³/(" + text(m.fyv) + "×" + text(h0) + ")",
                               stirrupRatioText(calculated) + " mm²/mm"});
        if (stepsRecorded())
            r.steps.push_back({"9.2.9", "Asv/s ≥ 0.24·ft/fyv·b",
                               "0.24×" + text(m.ft) + "/" + text(m.fyv) + "×" + text(b),
                               stirrupRatioText(minimum) + " mm²/mm"});
        r.minimumGoverns = minimum > calculated;
        r.requiredRatio = std::max(calculated, minimum);
    } else {
        if (stepsRecorded())
            r.steps.push_back({"9.2.9", "V ≤ Vc", "", "按构造配箍，Asv/s = 0"});
    }
    if (in.hingeZone) {
        const double hingeMinimum = 0.3 * m.ft / m.fyv * b;
        const double base = r.requiredRatio;
        r.minimumGoverns = hingeMinimum > 1.2 * base;
        r.requiredRatio = std::max(1.2 * base, hingeMinimum);
        if (stepsRecorded())
            r.steps.push_back({"5.4", "调幅塑性铰区：Asv/s = max(1.2·Asv/s, 0.3·ft/fyv·b)",
                               "max(1.2×" + stirrupRatioText(base) + ", 0.3×" + text(m.ft) + "/" +
                                   text(m.fyv) + "×" + text(b) + ")",
                               stirrupRatioText(r.requiredRatio) + " mm²/mm"});
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

ShearResult designShear(const ShearInput& input, const Materials& materials) {
    ShearResult r = unguardedShear(input, materials);
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

AdditionalTransverse additionalTransverse(double force, const Materials& m) {
    AdditionalTransverse a;
    a.force = std::isfinite(force) ? force : 0;
    a.area = std::max(a.force, 0.0) * 1e3 / m.fyv;
    if (stepsRecorded())
        a.steps.push_back({"9.2.11", "Asv ≥ F/fyv",
                           forceText(std::max(a.force, 0.0)) + "×10³/" + text(m.fyv),
                           steelAreaText(a.area) + " mm²"});
    return a;
}

} // namespace spanwise
