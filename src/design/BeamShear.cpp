// The shear of the beam's design: the design value of a load, the concentrated forces of a span,
// the shear at every face (with the 独立梁 rule) and each span's stirrups.
#include "design/BeamDesignParts.h"

#include "design/SimpleSpan.h"

#include <algorithm>
#include <cmath>

namespace spanwise::design_parts {

double loadFactor(const Beam& beam, LoadCase loadCase) {
    const double g0 = beam.design.importance;
    return loadCase == Live ? g0 * beam.factors.live * beam.factors.designLife
                            : g0 * beam.factors.dead;
}

std::vector<PlacedForce> concentratedForces(const Beam& beam, int s) {
    std::vector<PlacedForce> out;
    const Span& span = beam.span(s);
    const bool fromRight = baseSystem(beam, s) == BaseSystem::FreeRight;
    for (const Load& load : span.loads) {
        if (load.kind != Concentrated) {
            continue;
        }
        const double x = fromRight ? double{span.length} - load.a : double{load.a};
        out.push_back({static_cast<float>(x), load.P * loadFactor(beam, load.loadCase)});
    }
    return out;
}

// The shear of one face; a of the 独立梁 rule where the span's concentrated forces between the
// faces cause more than 75 % of the simple span's shear there.
FaceShear faceShear(const Beam& beam, int s, const FaceForces& face, bool left, const SpanForces& f,
                    const SpanSection& section, const Materials& m, Working working) {
    FaceShear out;
    out.present = face.present;
    if (!face.present) {
        return out;
    }
    out.support = face.support;
    out.x = face.x;
    out.shear = std::fabs(double{face.shear});
    ShearInput in;
    in.shear = out.shear;
    in.width = section.width;
    in.depth = section.depth;
    in.effectiveDepth = effectiveDepth(section.depth, m);
    in.flangeDepth = section.hasFlange() ? double{section.flangeDepth} : 0.0;
    in.hingeZone = face.beta > 0;
    if (section.independent && baseSystem(beam, s) == BaseSystem::SimplySupported) {
        const double L = beam.span(s).length;
        const double total =
            std::fabs(SimpleSpan(beam, s, beam.design.importance).shear(face.x, /*rightOf=*/left));
        double share = 0, nearest = HUGE_VAL;
        for (const PlacedForce& p : concentratedForces(beam, s)) {
            if (p.x <= f.from || p.x >= f.to) {
                continue;
            }
            share += p.force * (left ? (L - p.x) / L : p.x / L);
            nearest = std::min(nearest, std::fabs(double{p.x} - face.x));
        }
        if (total > 0 && share > 0.75 * total) {
            in.concentratedForceDistance = nearest * 1000;
            out.concentratedRule = true;
        }
    }
    out.result = designShear(in, m, working);
    return out;
}

// The stirrups of a span: for the larger requirement of its faces, by the detailing of its depth.
void stirrupsOf(SpanDesign& d, const Materials& m, Working working) {
    const bool calculated = (d.left.present && d.left.result.exceedsConcrete) ||
                            (d.right.present && d.right.result.exceedsConcrete);
    d.detailing = stirrupDetailing(d.section.depth, calculated);
    const double required = std::max(d.left.present ? d.left.result.requiredRatio : 0.0,
                                     d.right.present ? d.right.result.requiredRatio : 0.0);
    const bool sectionFails =
        (d.left.present && !d.left.result.ok()) || (d.right.present && !d.right.result.ok());
    d.stirrupsProvided = d.section.stirrups.has_value();
    if (d.stirrupsProvided) {
        d.stirrups =
            checkStirrups(*d.section.stirrups, required, d.detailing, m.stirrupSteel, working);
    } else if (!sectionFails) {
        d.stirrups =
            proposeStirrups(required, d.section.width, d.detailing, m.stirrupSteel, working);
    }
}

double stirrupDiameterOf(const SpanDesign& d) {
    return d.stirrups.stirrups ? d.stirrups.stirrups->diameter : d.detailing.leastDiameter;
}

} // namespace spanwise::design_parts
