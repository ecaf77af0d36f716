#include "design/SectionStiffness.h"

#include "model/SelfWeight.h"

#include "analysis/Single.h"
#include "design/HandCalculation.h"
#include "design/Materials.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace spanwise {

SectionProperties grossSection(const SpanSection& section) {
    const double b = section.width, h = section.depth;
    const double overhang = section.hasFlange() ? double{section.flangeWidth} - b : 0.0;
    const double hf = section.hasFlange() ? double{section.flangeDepth} : 0.0;
    SectionProperties p;
    const double web = b * h, flange = overhang * hf;
    p.area = web + flange;
    if (!(p.area > 0)) {
        return {};
    }
    p.centroidFromTop = (web * h / 2 + flange * hf / 2) / p.area;
    const double y = p.centroidFromTop;
    p.inertia = b * h * h * h / 12 + web * (h / 2 - y) * (h / 2 - y) +
                overhang * hf * hf * hf / 12 + flange * (y - hf / 2) * (y - hf / 2);
    return p;
}

double sectionRigidity(const SpanSection& section, const DesignSettings& settings) {
    if (designSettingsProblem(settings) || !sectionProblem(section).empty()) {
        return 0;
    }
    return materialsOf(settings).Ec * grossSection(section).inertia * 1e-9;
}

FlangeLimit flangeLimitByTable(double spanLength, const SpanSection& section,
                               double effectiveDepth) {
    FlangeLimit limit{spanLength * 1000 / 3, "l0/3"};
    const double b = section.width, hf = section.flangeDepth;
    const double ratio = effectiveDepth > 0 ? hf / effectiveDepth : 0;
    auto take = [&](double width, const char* item) {
        if (width < limit.width) {
            limit = {width, item};
        }
    };
    if (ratio < 0.1) {
        if (!section.independent) {
            take(b + 12 * hf, "b + 12hf'");
        } else if (ratio >= 0.05) {
            take(b + 6 * hf, "b + 6hf'");
        } else {
            take(b, "b");
        }
    }
    return limit;
}

double flangeWidthByTable(double spanLength, const SpanSection& section, double effectiveDepth,
                          double clearDistance, std::string* working) {
    const FlangeLimit limit = flangeLimitByTable(spanLength, section, effectiveDepth);
    const double l0 = spanLength * 1000 / 3, sn = section.width + clearDistance;
    if (working != nullptr) {
        *working = "bf' 取 l0/3 = " + trimmedText(l0, 1);
        if (!section.independent) {
            *working += "、b + sn = " + trimmedText(sn, 1);
        }
        if (std::string(limit.item) != "l0/3") {
            *working += "、" + std::string(limit.item) + " = " + trimmedText(limit.width, 1);
        }
        *working += " 中的最小值";
    }
    return section.independent ? limit.width : std::min(limit.width, sn);
}

std::string flangeProblem(int span, double spanLength, const SpanSection& section,
                          double effectiveDepth) {
    if (!section.hasFlange()) {
        return {};
    }
    const FlangeLimit limit = flangeLimitByTable(spanLength, section, effectiveDepth);
    const std::string name = "第" + std::to_string(span) + "跨";
    if (std::string(limit.item) == "b") {
        return name + "为独立梁，hf'/h0 < 0.05，GB 50010 表 5.2.4 不计翼缘（bf' = b），应按矩形截面"
                      "输入";
    }
    // a flange worked out to the table's value may carry the float's last digit
    if (section.flangeWidth <= limit.width * (1 + 1e-6)) {
        return {};
    }
    return name + "翼缘计算宽度 bf' = " + trimmedText(section.flangeWidth, 1) +
           " 超过 GB 50010 表 5.2.4 的限值 " + trimmedText(limit.width, 1) + "（" + limit.item +
           "）";
}

Beam calculationBeam(const Beam& beam) {
    Beam out = withSelfWeight(beam);
    for (Span& span : out.spans) {
        if (!span.section) {
            continue;
        }
        const double EI = sectionRigidity(*span.section, beam.design);
        if (!(EI > 0) || !(span.length > 0)) {
            continue; // the data check says why
        }
        const std::optional<float> rigidity = singleIfFinite(EI);
        if (!rigidity) {
            continue; // the section's own range keeps EI finite; nothing to take otherwise
        }
        span.ei = *rigidity;
        // a span so short that EI/L leaves the float range: infinite, and the check refuses it
        span.lineStiffness = singleIfFinite(double{span.ei} / span.length)
                                 .value_or(std::numeric_limits<float>::infinity());
    }
    return out;
}

} // namespace spanwise
