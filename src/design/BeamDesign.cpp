// The design of the whole beam: shear and stirrups first (the stirrups' diameter sets the room the
// bars have), then the longitudinal steel, then the serviceability of it all.
#include "design/BeamDesign.h"
#include "model/Axes.h"

#include "design/BeamDesignParts.h"

namespace spanwise {

using namespace design_parts;

BeamDesign designBeam(const Beam& beam, const BeamForces& forces, const Envelope& envelope,
                      Working working) {
    BeamDesign out;
    if (const auto problem = designSettingsProblem(beam.design)) {
        out.whyNot = *problem;
        return out;
    }
    for (int s = 1; s <= beam.spanCount(); ++s) {
        const auto& section = beam.span(s).section;
        if (!section) {
            out.whyNot = "第" + std::to_string(s) + "跨没有截面，各跨均输入截面后方可设计";
            return out;
        }
        if (std::string problem = sectionProblem(*section); !problem.empty()) {
            out.whyNot = "第" + std::to_string(s) + "跨截面：" + problem;
            return out;
        }
    }
    out.materials = materialsOf(beam.design);
    SteelsOf steels(out.materials);
    const int n = beam.spanCount();

    // shear and stirrups first (with the steel of the span's stirrups): the stirrups' diameter
    // sets the room the bars have
    for (int s = 1; s <= n; ++s) {
        const SpanForces& f = forces.span(s);
        SpanDesign d;
        d.span = s;
        d.section = *beam.span(s).section;
        d.leftFaceName = supportFaceName(beam, s - 1, +1);
        d.rightFaceName = supportFaceName(beam, s, -1);
        d.stirrupSteel =
            gradeOf(d.section.stirrups ? d.section.stirrups->grade : 0, beam.design.stirrupSteel);
        const Materials& m = steels.stirrups(d.stirrupSteel);
        d.effectiveDepth = effectiveDepth(d.section.depth, m);
        d.left = faceShear(beam, s, f.left, true, f, d.section, m, working);
        d.right = faceShear(beam, s, f.right, false, f, d.section, m, working);
        stirrupsOf(d, m, working);
        out.spans.push_back(std::move(d));
    }

    steelOf(forces, out, beam, steels, working);
    serviceability(beam, forces, envelope, out, steels, working);
    out.designed = true;
    return out;
}

} // namespace spanwise
