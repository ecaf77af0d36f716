// The detailing of a designed continuous beam (22G101-1, GB 50010-2010 2015 edition): the member's
// name and its 平法 annotation (集中标注 and 原位标注), the top bars that run through a span and
// the groups of supports they join, erection bars, side bars G and their ties, the additional
// stirrups under concentrated forces, every bar's cut-off and anchorage, the stirrups' zones
// and cut lengths, and the bar schedule with its totals. Standard library only.
//
// Lengths in mm, x from node 0 (the left end of span 1); areas mm²; forces kN; weights kg.
#pragma once

#include "detailing/DetailingInput.h"

#include <optional>
#include <string>
#include <vector>

namespace spanwise {

// How a bar ends at an outer support (22G101-1): 设计按铰接 (L), 充分利用钢筋的抗拉强度 (Lg),
// the frame's (KL, and the support of an XL).
enum class EndDetail : std::int8_t { Pinned, Full, Frame };

// lab and la of a grade and diameter (GB 50010 8.3.1, 8.3.2), as whole numbers of d.
struct Anchorage {
    int grade = 0;
    int diameter = 0;
    int basicFactor = 0; // kab: lab = kab·d
    int factor = 0;      // ka: la = max(ka·d, 200)
    int basic = 0;       // lab
    int length = 0;      // la
};

// lab and la of a bar of the grade (300, 335, 400, 500) and diameter in concrete of the grade
// (C30: 30) whose ft is given (of C60 above C60): kab = α·fy/ft half up (α 0.16 plain, 0.14
// ribbed), ka = 1.1·kab half up for a ribbed bar over 25 mm, la = max(ka·d, 200).
Anchorage anchorageFor(int concrete, double ft, int grade, int diameter);

// One end of a bar: where it stops (x), how (a cut-off in the span, straight or bent into an
// outer support, bent down at a cantilever's end, stopped short of it) and its words.
struct BarEnd {
    enum class Kind : std::int8_t { CutOff, Straight, Bent, FreeEnd, Stop };
    Kind kind = Kind::CutOff;
    int support = -1;    // the support whose face it is measured from (-1: a free end)
    double fromFace = 0; // the straight length from that face (into the span or the support)
    double bend = 0;     // a bend at the end (15d, 12d), 0 for none
    bool hook = false;   // an HPB300 180° hook at this end
    double x = 0;        // where the straight part ends
    std::string words;   // "ln/3 = 1870", "直锚 la = 770", "弯锚 330 + 15d = 330"
};

// A run of top bars: one row of a group's set from its left end to its right end.
struct TopRun {
    int group = 0;
    int row = 1;
    BarSet bars; // the row's bars
    int firstSupport = 0, lastSupport = 0;
    BarEnd left, right;
    int length = 0; // single length, rounded up to 10 mm
};

// A span's bottom bars and their two ends.
struct BottomRun {
    int span = 0;
    BarSet bars;
    BarEnd left, right;
    int length = 0;
};

// A span's stirrups along it: one spacing, or n1 dense at each end and a middle zone.
struct StirrupZones {
    int span = 0;
    StirrupSet set;
    bool dense = false;           // the zone of 5.2 was sought
    bool middleZone = false;      // the middle spacing is used (5.4)
    int denseCount = 0;           // n1 at each end
    int denseSpacing = 0;         // s1
    int middleSpacing = 0;        // s2 (0 where none meets the requirement)
    int middleCount = 0;          // m
    double denseEnd = 0;          // e: the last dense stirrup from the face
    double middleShear = 0;       // V of the middle zone
    double middleRequirement = 0; // Asv/s it asks for
    int count = 0;                // stirrups of the span
    std::string text;             // "10C8@100/200(2)"
};

// The additional stirrups at one concentrated force (GB 50010 9.2.11).
struct AdditionalStirrups {
    int span = 0;
    double x = 0; // m from the span's left node
    double force = 0;
    double area = 0;
    int diameter = 0;
    int perSide = 0;
    int legs = 2;
    bool fits = true;
    std::string text; // "6C8(2)"
};

// The side bars G of a span (GB 50010 9.2.13) and their ties.
struct SideBars {
    int span = 0;
    bool needed = false; // hw ≥ 450; else taken from the 集中标注 where it has some
    int perSide = 0;
    int diameter = 0;
    std::string text; // "G4C12"; empty for none
    int length = 0;
    int tieDiameter = 0, tieSpacing = 0, tiesPerRow = 0, tieLength = 0;
};

// One line of the bar schedule.
struct ScheduleLine {
    int number = 0;
    std::string kind; // 下部纵筋, 上部纵筋, 架立筋, 腰筋, 箍筋, 拉筋, 附加箍筋
    std::string shape;    // "直 6330", "┌ 240+1540", "箍 210×560"
    std::string diameter; // "C22"
    int length = 0;
    int count = 0;
    std::string totalLength;  // m, 2 decimals
    long long hundredths = 0; // the weight in hundredths of a kg
    std::string weight;       // kg, 2 decimals
};

// The beam as it was detailed, for its drawing: nodes, supports, each span's section and faces
// and bottom set, the cover and as.
struct DetailedGeometry {
    struct Span {
        int length = 0, width = 0, depth = 0, flangeWidth = 0, flangeDepth = 0;
        bool freeLeft = false, freeRight = false;
        double leftFace = 0, rightFace = 0;
        DetailedSet bottom;
    };
    std::vector<double> node;      // X of node k
    std::vector<int> supportWidth; // per node (0 at a free end)
    std::vector<bool> freeNode;
    std::vector<Span> spans;
    std::vector<int> groupOfSupport; // per node, the index of its group; -1 at a free end
    double cover = 0, tensionCover = 0;
};

struct BeamDetailing {
    bool detailed = false;
    std::vector<std::string> missing; // why not: the sets the design left without bars, or a
                                      // span longer than the drawing takes

    std::string name;   // "L1(3)", "Lg2(1A)", "XL1", "KL1(2)"
    bool frame = false; // KL: detailed without seismic rules (非抗震)
    EndDetail endDetail = EndDetail::Pinned;
    std::vector<Anchorage> anchorages; // of every grade and diameter the beam's bars take

    std::vector<std::string> centralLines; // 集中标注, on the reference span
    int referenceSpan = 1;
    std::vector<std::string> supportTexts; // per node: the 原位 text above it, or empty
    struct SpanTexts {
        std::string top, bottom;
        std::vector<std::string> overrides; // section, stirrups, G where they differ
    };
    std::vector<SpanTexts> spanTexts;
    std::vector<std::string> bottomTexts; // per span, its bottom set in its rows ("6C25 2/4")
    std::vector<AdditionalStirrups> additional;

    std::vector<bool> through;           // per span: its top bars run through it
    std::vector<std::string> throughWhy; // per span, in words
    struct Group {
        int first = 0, last = 0; // supports
        DetailedSet set;
        std::string text;
    };
    std::vector<Group> groups;
    std::optional<int> erectionDiameter;    // one diameter for the beam
    std::vector<std::string> erectionTexts; // per span: "(2C12)", or empty
    std::vector<int> erectionLengths;       // per span, 0 for none

    std::vector<TopRun> topRuns;
    std::vector<BottomRun> bottomRuns;
    std::vector<StirrupZones> stirrups;
    std::vector<SideBars> sideBars;

    std::vector<ScheduleLine> schedule;
    long long totalHundredths = 0;
    std::string totalWeight;    // kg, 2 decimals
    double concreteVolume = 0;  // m³ of the webs between the faces
    std::string concreteText;   // 3 decimals
    std::string steelPerVolume; // kg/m³, 1 decimal

    std::vector<std::string> changes;  // the top sets made larger (9.2.6), in words
    std::vector<std::string> failures; // every ✘ of the detailing, in words
    std::vector<std::string> notes;    // the drawing's notes (说明), each a line
    DetailedGeometry geometry;
};

// The detailing of the input; not detailed (missing) where the design left a set without bars.
BeamDetailing detailBeam(const DetailingInput& in);

// How many bars the outer row of a set holds (3.2): all of them in one layer, else the one-layer
// capacity in the room it was designed in.
int outerRowOf(const DetailedSet& set, bool top, double cover);

} // namespace spanwise
