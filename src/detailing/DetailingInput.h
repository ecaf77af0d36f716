// What the detailing of a beam takes: the member, the materials, and per span and support the
// geometry in millimetres and the bar sets the design gave (its proposals or the engineer's
// sets), each with the grade it is made of and the room it was designed in. Built from a beam
// and its design by detailingInput(); the rules of the detailing read only this value, so that
// a test can state a beam's design directly.
#pragma once

#include "analysis/Envelope.h"
#include "design/BeamDesign.h"
#include "design/DesignForces.h"
#include "model/Beam.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace spanwise {

// A longitudinal set: its bars (the grade always given), whether the design placed it in two
// layers, whether the engineer provided it, and the room it was designed in (the width b and
// the stirrup diameter beside the bars), which sets how many bars its first row holds.
struct DetailedSet {
    BarSet bars;
    bool twoLayers = false;
    bool provided = false;
    int roomWidth = 0;
    int roomStirrup = 0;

    bool operator==(const DetailedSet&) const = default;
};

// A concentrated force that asks for additional stirrups: where it stands (m from the span's
// left node), its design value and the area Asv it asks for.
struct HangerForce {
    double x = 0;
    double force = 0; // kN
    double area = 0;  // mm²
};

struct DetailingSpan {
    int length = 0; // L, mm
    int width = 0;  // b (the web)
    int depth = 0;  // h
    int flangeWidth = 0, flangeDepth = 0;
    bool freeLeft = false, freeRight = false; // a cantilever's free end
    std::optional<DetailedSet> bottom;        // none: the design has no bars there
    double bottomRequiredArea = 0;            // As of the span's bottom row, the minimum included
    // the face's design counts the span's bottom bars as its compression steel As'
    bool compressionLeft = false, compressionRight = false;
    bool hogs = false;                  // the design has a 跨中负弯矩 row (the envelope hogs)
    std::optional<DetailedSet> spanTop; // its bars, where it has some
    std::optional<StirrupSet> stirrups; // the grade always given; none: the design has none
    bool stirrupsProvided = false;
    double alphaCv = 0.7; // the smaller of the two faces' αcv
    // The largest |V| of the basic-combination envelope × γ0 (kN) between two distances from the
    // span's left face (mm), both sides of a force standing at either included.
    std::function<double(double from, double to)> largestShear;
    std::vector<HangerForce> forces;

    bool heldAtBothEnds() const { return !freeLeft && !freeRight; }
};

struct DetailingSupport {
    bool free = false;                        // a cantilever's free end: no support
    int width = 0;                            // w, mm
    bool simpleEnd = false, fixedEnd = false; // an outer end held simply or fixed
    double beta = 0;
    std::optional<DetailedSet> top; // none: the design has no bars there
};

struct DetailingInput {
    MemberData member;
    int concrete = 30;           // C30 is 30
    int longitudinalSteel = 400; // the project's codes
    int stirrupSteel = 300;
    double cover = 20;        // c, to the stirrups' outer face
    double tensionCover = 40; // as of one layer
    double ft = 1.43;         // of the concrete
    std::string environment = "一";
    std::vector<int> proposedDiameters;     // of the project's longitudinal steel, ascending
    bool designPassed = true;               // no ✘ in the design
    std::vector<DetailingSpan> spans;       // span s at s - 1
    std::vector<DetailingSupport> supports; // node 0 … N
    // why the beam is not detailed, in words: the sets the design left without bars, or a
    // span longer than the drawing takes
    std::vector<std::string> missing;
};

// The detailing input of a designed beam (as calculated); the envelope gives the shear of the
// stirrups' middle zones.
DetailingInput detailingInput(const Beam& beam, const BeamDesign& design, const BeamForces& forces,
                              const Envelope& envelope);

// The longest span the drawing details, m: its lengths are whole millimetres, and 20 such
// spans still count in an int.
inline constexpr float kLongestDetailedSpan = 1000;

// A length in m taken to the nearest mm, half up.
int millimetres(double metres);

} // namespace spanwise
