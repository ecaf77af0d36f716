// What the parts of the beam's design share (BeamDesign.cpp, BeamServiceability.cpp).
#pragma once

#include "design/BeamDesign.h"

#include <map>
#include <vector>

namespace spanwise::design_parts {

// The flexure of a section: b × h, h0 of one layer or two (as + 25), a flange for the bottom bars
// of a flanged span, the xi limit given.
FlexureInput flexureInput(const SpanSection& section, const Materials& m, double moment,
                          bool bottomBars, bool twoLayers, double depthLimit);

// The design factor of a load: gamma0 gammaG, or gamma0 gammaQ gammaL for a live load.
double loadFactor(const Beam& beam, LoadCase loadCase);

// A concentrated force of a span at its design value, at x from the span's left end.
struct PlacedForce {
    float x = 0;
    double force = 0;
};
std::vector<PlacedForce> concentratedForces(const Beam& beam, int s);

// h0 of the bars' layers of a row.
inline double effectiveDepthOf(const SpanDesign& d, const SteelRow& row, const Materials& m) {
    return effectiveDepth(d.section.depth, m, row.bars.twoLayers,
                          row.topBars ? TensionFace::Top : TensionFace::Bottom);
}

// The project's materials and those of the other steels the sets are made of (a set typed
// "4E22" in a project of HRB400), each made once; code 0 is the project's.
class SteelsOf {
public:
    explicit SteelsOf(const Materials& project);
    const Materials& bars(int code);
    const Materials& stirrups(int code);

private:
    const Materials& m_project;
    std::map<int, Materials> m_bars, m_stirrups;
};

// The section of a row under its quasi-permanent moment with the given bars in their layers.
ServiceSection serviceSection(const SpanDesign& d, const SteelRow& row, const Materials& m,
                              const BarSet& bars, bool twoLayers);

// The shear at one face of span s (f its forces; left: its left face), with the 独立梁 rule where
// the span's concentrated forces between the faces cause more than 75 % of the simple span's
// shear there.
FaceShear faceShear(const Beam& beam, int s, const FaceForces& face, bool left, const SpanForces& f,
                    const SpanSection& section, const Materials& m, Working working);

// The stirrups of a span, for the larger requirement of its faces, by the detailing of its depth
// (m: with the span's stirrup steel).
void stirrupsOf(SpanDesign& d, const Materials& m, Working working);

// dv of a span: its stirrups' diameter, or the detailing minimum where it has none.
double stirrupDiameterOf(const SpanDesign& d);

// The rows of every span of out (whose shear is designed) and their bars: each span's bottom
// bars and top bars inside it, then the top bars over every support.
void steelOf(const BeamForces& forces, BeamDesign& out, const Beam& beam, SteelsOf& steels,
             Working working);

// The crack widths of every row, the additional transverse reinforcement under concentrated
// forces and each span's deflection with the long-term stiffness.
void serviceability(const Beam& beam, const BeamForces& forces, const Envelope& envelope,
                    BeamDesign& design, SteelsOf& steels, Working working);

} // namespace spanwise::design_parts
