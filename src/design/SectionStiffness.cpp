#include "design/SectionStiffness.h"

#include "analysis/Single.h"
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

double flangeWidthByTable(double spanLength, double width, double flangeDepth,
                          double effectiveDepth, double clearDistance) {
    double least = std::min(spanLength * 1000 / 3, width + clearDistance);
    if (effectiveDepth > 0 && flangeDepth / effectiveDepth < 0.1) {
        least = std::min(least, width + 12 * flangeDepth);
    }
    return least;
}

Beam calculationBeam(const Beam& beam) {
    Beam out = beam;
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
