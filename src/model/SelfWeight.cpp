#include "model/SelfWeight.h"

#include <cmath>

namespace spanwise {

std::string selfWeightProblem(float unitWeight) {
    if (unitWeight == 0 || (unitWeight >= 1 && unitWeight <= 100)) {
        return {};
    }
    return kSelfWeightRangeWords;
}

std::optional<Load> selfWeightLoad(const Beam& beam, int s) {
    const std::optional<SpanSection>& section = beam.span(s).section;
    if (!(beam.selfWeight > 0) || !section) {
        return std::nullopt;
    }
    // b and h in mm: γ·b·h·10⁻⁶ kN/m
    const double depth = double{section->depth} - (section->hasFlange() ? section->flangeDepth : 0);
    const double q = double{beam.selfWeight} * section->width * depth * 1e-6;
    if (!(q > 0) || !std::isfinite(q)) {
        return std::nullopt; // a section the check refuses
    }
    Load load;
    load.kind = Uniform;
    load.q = static_cast<float>(q);
    load.text = kSelfWeightText;
    load.loadCase = Dead;
    return load;
}

Beam withSelfWeight(const Beam& beam) {
    Beam out = beam;
    for (int s = 1; s <= beam.spanCount(); ++s) {
        if (const std::optional<Load> load = selfWeightLoad(beam, s)) {
            out.span(s).loads.push_back(*load);
        }
    }
    return out;
}

} // namespace spanwise
