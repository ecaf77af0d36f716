#include "design/Flexure.h"

#include "design/InputCheck.h"

#include "design/HandCalculation.h"
#include <algorithm>
#include <cmath>

namespace spanwise {

namespace {

// The moment in N·mm the rectangle of `width` takes with a depth x of the stress block.
double blockMoment(const Materials& m, double width, double x, double h0) {
    return m.alpha1 * m.fc * width * x * (h0 - x / 2);
}

struct RectangleDesign {
    double alphaS = 0, xi = 0, area = 0, compressionArea = 0;
    bool doubly = false;
    std::string failure;
};

// What 6.2.10 designs: the rectangle bf' × h of a class-1 T, the web b × h of a class-2 T under
// M − M1 with the overhangs' force α1·fc·(bf' − b)·hf' (N) added to the steel's, or the section.
struct Rectangle {
    FlexureShape shape = FlexureShape::Rectangle;
    double width = 0;         // mm
    double moment = 0;        // N·mm, > 0
    double overhangForce = 0; // N
};

RectangleDesign designRectangle(const FlexureInput& in, const Materials& m, const Rectangle& rect,
                                StepWriter& steps) {
    RectangleDesign r;
    const double h0 = in.effectiveDepth, width = rect.width, moment = rect.moment;
    const bool overhangs = rect.shape == FlexureShape::FlangeClass2;
    const bool flangeWide = rect.shape == FlexureShape::FlangeClass1;
    // bf' is the rectangle's width in class 1, the flange beside the web in class 2
    const double bf = flangeWide ? width : in.flangeWidth;
    r.alphaS = moment / (m.alpha1 * m.fc * width * h0 * h0);
    // the top bars take the hogging moment's magnitude: |M| keeps M's sign the convention's
    steps.formula("6.2.10",
                  overhangs    ? "αs = (M − M1)/(α1·fc·b·h0²)"
                  : flangeWide ? "αs = M/(α1·fc·bf'·h0²)"
                  : in.topBars ? "αs = |M|/(α1·fc·b·h0²)"
                               : "αs = M/(α1·fc·b·h0²)",
                  {{"M", moment, millionsText},
                   {"|M|", moment, millionsText},
                   {"(M − M1)", moment, millionsText},
                   {"α1", m.alpha1, factorText},
                   {"fc", m.fc, typedText},
                   {"b", width, typedText},
                   {"bf'", width, typedText},
                   {"h0", h0, typedText}},
                  [&] { return relativeText(r.alphaS); });
    const auto limitText = [&] { return "ξlim = " + relativeText(in.depthLimit); };
    if (2 * r.alphaS < 1) {
        r.xi = 1 - std::sqrt(1 - 2 * r.alphaS);
        r.doubly = r.xi > in.depthLimit;
        steps.formula("6.2.10", "ξ = 1 − √(1 − 2αs)", {{"αs", r.alphaS, relativeText}}, [&] {
            return relativeText(r.xi) + (r.doubly ? " > " : " ≤ ") + limitText();
        });
    } else {
        r.doubly = true;
        steps.formula("6.2.10", "2αs", {{"αs", r.alphaS, relativeText}},
                      [&] { return fixedText(2 * r.alphaS, 4) + " ≥ 1，单筋截面不足"; });
    }
    double x = 0; // the depth of a doubly reinforced section's stress block
    if (!r.doubly) {
        r.area = (m.alpha1 * m.fc * width * r.xi * h0 + rect.overhangForce) / m.fy;
        steps.formula("6.2.10",
                      overhangs    ? "As = (α1·fc·b·ξ·h0 + α1·fc·(bf' − b)·hf')/fy"
                      : flangeWide ? "As = (α1·fc·bf'·ξ·h0)/fy"
                                   : "As = (α1·fc·b·ξ·h0)/fy",
                      {{"α1", m.alpha1, factorText},
                       {"fc", m.fc, typedText},
                       {"b", width, typedText},
                       {"bf'", bf, typedText},
                       {"hf'", in.flangeDepth, typedText},
                       {"ξ", r.xi, relativeText},
                       {"h0", h0, typedText},
                       {"fy", m.fy, typedText}},
                      [&] { return steelAreaText(r.area) + " mm²"; });
        return r;
    }
    const double leverArm = h0 - in.compressionCover;
    if (!(leverArm > 0)) {
        r.failure = "h0 − as' ≤ 0，不能配受压钢筋";
        steps.formula("6.2.10", "h0 − as'",
                      {{"h0", h0, typedText}, {"as'", in.compressionCover, typedText}},
                      [&] { return r.failure; });
        return r;
    }
    r.xi = in.depthLimit;
    x = in.depthLimit * h0;
    steps.formula("6.2.10", "按双筋截面：x = ξlim·h0",
                  {{"ξlim", in.depthLimit, relativeText}, {"h0", h0, typedText}},
                  [&] { return oneDecimalText(x) + " mm"; });
    r.compressionArea =
        std::max(0.0, (moment - blockMoment(m, width, x, h0)) / (m.fyCompression * leverArm));
    steps.formula("6.2.10",
                  overhangs ? "As' = [(M − M1) − α1·fc·b·x·(h0 − x/2)]/[fy'·(h0 − as')]"
                  : flangeWide ? "As' = [M − α1·fc·bf'·x·(h0 − x/2)]/[fy'·(h0 − as')]"
                  : in.topBars ? "As' = [|M| − α1·fc·b·x·(h0 − x/2)]/[fy'·(h0 − as')]"
                               : "As' = [M − α1·fc·b·x·(h0 − x/2)]/[fy'·(h0 − as')]",
                  {{"M", moment, millionsText},
                   {"|M|", moment, millionsText},
                   {"(M − M1)", moment, millionsText},
                   {"α1", m.alpha1, factorText},
                   {"fc", m.fc, typedText},
                   {"b", width, typedText},
                   {"bf'", width, typedText},
                   {"x", x, oneDecimalText},
                   {"h0", h0, typedText},
                   {"fy'", m.fyCompression, typedText},
                   {"as'", in.compressionCover, typedText}},
                  [&] { return steelAreaText(r.compressionArea) + " mm²"; });
    r.area =
        (m.alpha1 * m.fc * width * x + m.fyCompression * r.compressionArea + rect.overhangForce) /
        m.fy;
    steps.formula("6.2.10",
                  overhangs    ? "As = (α1·fc·b·x + fy'·As' + α1·fc·(bf' − b)·hf')/fy"
                  : flangeWide ? "As = (α1·fc·bf'·x + fy'·As')/fy"
                               : "As = (α1·fc·b·x + fy'·As')/fy",
                  {{"α1", m.alpha1, factorText},
                   {"fc", m.fc, typedText},
                   {"b", width, typedText},
                   {"bf'", bf, typedText},
                   {"hf'", in.flangeDepth, typedText},
                   {"x", x, oneDecimalText},
                   {"fy'", m.fyCompression, typedText},
                   {"As'", r.compressionArea, steelAreaText},
                   {"fy", m.fy, typedText}},
                  [&] { return steelAreaText(r.area) + " mm²"; });
    return r;
}

std::optional<std::string> inputProblem(const FlexureInput& in) {
    if (!allPositive({in.width, in.depth, in.effectiveDepth}) || in.effectiveDepth > in.depth) {
        return kInvalidSectionWords;
    }
    if (!std::isfinite(in.moment)) {
        return "弯矩无效";
    }
    if (!(in.depthLimit > 0 && in.depthLimit < 1)) {
        return "ξlim 应在 0 与 1 之间";
    }
    if (!(in.compressionCover >= 0) || !std::isfinite(in.compressionCover)) {
        return "as' 无效";
    }
    const bool flange = in.flangeWidth > 0 || in.flangeDepth > 0;
    if (flange && (!(in.flangeWidth > in.width) || !std::isfinite(in.flangeWidth) ||
                   !(in.flangeDepth > 0 && in.flangeDepth < in.depth))) {
        return "翼缘尺寸无效：应 bf' > b，0 < hf' < h";
    }
    return std::nullopt;
}

// Chooses the shape of a flanged section (6.2.11) and designs it; fills r's shape and steel.
// Precondition: in.moment > 0 and inputProblem(in) found nothing.
void designForMoment(const FlexureInput& in, const Materials& m, FlexureResult& r,
                     StepWriter& steps) {
    const double moment = in.moment * 1e6;
    const double h0 = in.effectiveDepth;
    Rectangle rect{FlexureShape::Rectangle, in.width, moment, 0};
    if (in.flangeWidth > 0) {
        const double bf = in.flangeWidth, hf = in.flangeDepth;
        const double flangeCapacity = m.alpha1 * m.fc * bf * hf * (h0 - hf / 2);
        const bool inFlange = moment <= flangeCapacity;
        rect.shape = inFlange ? FlexureShape::FlangeClass1 : FlexureShape::FlangeClass2;
        const std::initializer_list<FormulaNumber> flange = {
            {"α1", m.alpha1, factorText}, {"fc", m.fc, typedText}, {"bf'", bf, typedText},
            {"b", in.width, typedText},   {"hf'", hf, typedText},  {"h0", h0, typedText}};
        steps.formula(
            "6.2.11", "α1·fc·bf'·hf'·(h0 − hf'/2)", flange,
            [&] {
                return forceText(flangeCapacity / 1e6) + " kN·m" +
                       (inFlange ? " ≥ M = " : " < M = ") + forceText(in.moment) + " kN·m" +
                       (inFlange ? "，第一类 T 形截面，按 bf' × h 矩形计算" : "，第二类 T 形截面");
            },
            "×10⁻⁶");
        if (inFlange) {
            rect.width = bf;
        } else {
            rect.overhangForce = m.alpha1 * m.fc * (bf - in.width) * hf;
            rect.moment = moment - rect.overhangForce * (h0 - hf / 2);
            steps.formula(
                "6.2.11", "M1 = α1·fc·(bf' − b)·hf'·(h0 − hf'/2)", flange,
                [&] {
                    return forceText((moment - rect.moment) / 1e6) +
                           " kN·m；腹板承担 M − M1 = " + forceText(rect.moment / 1e6) + " kN·m";
                },
                "×10⁻⁶");
        }
    }
    r.shape = rect.shape;
    const RectangleDesign design = designRectangle(in, m, rect, steps);
    if (!design.failure.empty()) {
        r.failures.push_back(design.failure);
        return;
    }
    r.alphaS = design.alphaS;
    r.xi = design.xi;
    r.doublyReinforced = design.doubly;
    r.calculatedArea = design.area;
    r.compressionArea = design.compressionArea;
}

FlexureResult unguardedFlexure(const FlexureInput& in, const Materials& m, Working working) {
    FlexureResult r;
    StepWriter steps(working, r.steps);
    if (const auto problem = inputProblem(in)) {
        r.failures.push_back(*problem);
        return r;
    }
    if (in.moment > 0) {
        designForMoment(in, m, r, steps);
        if (!r.ok()) {
            return r;
        }
    } else {
        // M with the sign convention's sign: a top-bar section takes the moment negated
        steps.add([&] {
            return CalculationStep{
                "8.5.1", "M = " + forceText(in.topBars ? -in.moment : in.moment) + " kN·m", "",
                "钢筋不受拉，按最小配筋率配筋"};
        });
    }
    const double rhoMin = minimumRatio(m);
    r.minimumArea = rhoMin * in.width * in.depth;
    steps.formula("8.5.1", "As,min = max(0.20%, 45·ft/fy %)·b·h",
                  {{"ft", m.ft, typedText},
                   {"fy", m.fy, typedText},
                   {"b", in.width, typedText},
                   {"h", in.depth, typedText}},
                  [&] { return steelAreaText(r.minimumArea) + " mm²"; });
    r.minimumGoverns = r.minimumArea > r.calculatedArea;
    r.requiredArea = std::max(r.calculatedArea, r.minimumArea);
    r.ratio = r.requiredArea / (in.width * in.effectiveDepth);
    steps.formula(
        "8.5.1", "ρ = As/(b·h0)",
        {{"As", r.requiredArea, steelAreaText},
         {"b", in.width, typedText},
         {"h0", in.effectiveDepth, typedText}},
        [&] { return relativeText(r.ratio) + (r.minimumGoverns ? "（最小配筋率控制）" : ""); });
    return r;
}

DuctilityCheck unguardedDuctility(double tensionArea, double compressionArea, double width,
                                  double effectiveDepth, const Materials& m, Working working) {
    DuctilityCheck c;
    if (!allPositive({width, effectiveDepth})) {
        c.failures.push_back(kInvalidSectionWords);
        return c;
    }
    if (!std::isfinite(tensionArea) || !std::isfinite(compressionArea)) {
        c.failures.push_back("钢筋面积无效");
        return c;
    }
    c.xi = (m.fy * tensionArea - m.fyCompression * compressionArea) /
           (m.alpha1 * m.fc * width * effectiveDepth);
    std::string verdict = relativeText(c.xi);
    if (c.xi > 0.35) {
        c.failures.push_back("调幅后 ξ = " + relativeText(c.xi) + " > 0.35");
        verdict += " > 0.35 ✘";
    } else if (c.xi < 0.10) {
        c.notice = "调幅后 ξ = " + relativeText(c.xi) + " < 0.10";
        verdict += " < 0.10";
    } else {
        verdict += "，0.10 ≤ ξ ≤ 0.35 ✔";
    }
    StepWriter(working, c.steps)
        .formula("5.4.3", "ξ = (fy·As − fy'·As')/(α1·fc·b·h0)",
                 {{"fy", m.fy, typedText},
                  {"As", tensionArea, steelAreaText},
                  {"fy'", m.fyCompression, typedText},
                  {"As'", compressionArea, steelAreaText},
                  {"α1", m.alpha1, factorText},
                  {"fc", m.fc, typedText},
                  {"b", width, typedText},
                  {"h0", effectiveDepth, typedText}},
                 [&] { return verdict; });
    return c;
}

} // namespace

double minimumRatio(const Materials& materials) {
    return std::max(0.0020, 0.45 * materials.ft / materials.fy);
}

FlexureResult designFlexure(const FlexureInput& input, const Materials& materials,
                            Working working) {
    FlexureResult r = unguardedFlexure(input, materials, working);
    if (!allFinite({r.alphaS, r.xi, r.calculatedArea, r.minimumArea, r.requiredArea,
                    r.compressionArea, r.ratio})) {
        r = FlexureResult{};
        r.failures.push_back(kOutOfRangeWords);
    }
    return r;
}

DuctilityCheck checkDuctility(double tensionArea, double compressionArea, double width,
                              double effectiveDepth, const Materials& materials, Working working) {
    DuctilityCheck c =
        unguardedDuctility(tensionArea, compressionArea, width, effectiveDepth, materials, working);
    if (!std::isfinite(c.xi)) {
        c = DuctilityCheck{};
        c.failures.push_back(kOutOfRangeWords);
    }
    return c;
}

CompressionSteelCheck checkCompressionSteel(double bottomBarArea, double compressionArea,
                                            Working working) {
    CompressionSteelCheck c;
    if (!(compressionArea > 0)) {
        return c;
    }
    const bool enough = bottomBarArea >= compressionArea;
    StepWriter(working, c.steps).add([&] {
        return CalculationStep{"6.2.10", "伸入支座的底筋 As ≥ As'", "",
                               steelAreaText(bottomBarArea) + (enough ? " ≥ " : " < ") +
                                   steelAreaText(compressionArea) + " mm² " + (enough ? "✔" : "✘")};
    });
    if (!enough) {
        c.failures.push_back("伸入支座的底筋 " + steelAreaText(bottomBarArea) +
                             " mm² 小于所需受压钢筋 " + steelAreaText(compressionArea) + " mm²");
    }
    return c;
}

} // namespace spanwise
