// What the parts of the detailing share: the beam's geometry in millimetres, the signs, the
// anchorage of a bar and the rounding every length takes.
#pragma once

#include "design/BarText.h"
#include "detailing/BeamDetailing.h"

#include <cmath>
#include <string>
#include <vector>

namespace spanwise::detailing_parts {

// The least multiple of 10 mm not below v; a value within 1e-6 mm above a multiple counts as it.
inline int roundUpTen(double v) {
    return static_cast<int>(std::ceil((v - 1e-6) / 10) * 10);
}
// A length rounded up to a whole mm, the same tolerance.
inline int roundUpWhole(double v) {
    return static_cast<int>(std::ceil(v - 1e-6));
}
// A length as texts write it: whole mm where whole, else one decimal.
std::string lengthText(double mm);
// A position in m as texts write it: up to 3 decimals, without trailing zeros ("2.1").
std::string metresText(double m);

// The hooks of a closed stirrup, tie or additional stirrup: 1.9d + max(10d, 75) each.
inline double stirrupHook(int d) {
    return 1.9 * d + std::max(10.0 * d, 75.0);
}
// The 180° hook at each straight end of an HPB300 bar in tension.
inline double plainHook(int d) {
    return 6.25 * d;
}
inline bool isPlain(int grade) {
    return grade == 300;
}

// The beam as the detailing sees it: the input, its geometry and the parts made so far.
struct Context {
    const DetailingInput& in;
    BeamDetailing& out;
    SteelSigns signs = SteelSigns::Letters;
    std::vector<double> node;                            // X of node k
    std::vector<double> leftFace, rightFace;             // of span s at s - 1
    std::vector<double> clear;                           // ln (lc of a cantilever)
    std::vector<std::optional<DetailedSet>> supportSets; // per node, after 9.2.6
    std::vector<int> groupOf; // per node, the group's index; -1 for a free end

    Context(const DetailingInput& input, BeamDetailing& result);

    int spanCount() const { return static_cast<int>(in.spans.size()); }
    const DetailingSpan& span(int s) const { return in.spans[static_cast<std::size_t>(s - 1)]; }
    const DetailingSupport& support(int j) const {
        return in.supports[static_cast<std::size_t>(j)];
    }
    bool isEnd(int j) const { return (j == 0 || j == spanCount()) && !support(j).free; }
    double ln(int s) const { return clear[static_cast<std::size_t>(s - 1)]; }

    std::string bars(const BarSet& set) const { return barText(set, set.grade, signs); }
    std::string sign(int grade) const { return steelSignText(grade, signs); }
    // The anchorage of a bar of this grade and diameter, noted in out.anchorages.
    const Anchorage& anchorage(int grade, int diameter);
    // The first-row (row 1) or second-row extension of support j's top bars into span s from
    // its face, rounded up to 10 mm (22G101-1); s must be held at both ends or be the
    // cantilever beside an interior support.
    int extension(int j, int s, int row) const;
};

// The text of a set in its rows (3.2): "6C25 4/2" for top bars, "6C25 2/4" for bottom bars.
std::string setText(const Context& c, const DetailedSet& set, bool top);
// How many bars the first (outer) row of a set holds.
int firstRow(const DetailedSet& set, bool top, double cover);
// The most bars of d one layer holds in b with stirrups of dv.
int capacity(int diameter, int width, int stirrup, bool top, double cover);
// The stirrups' text (3.5).
std::string stirrupZoneText(const Context& c, const StirrupZones& zones);

// The parts, in the order the detailing makes them.
void applyEndSupportMinimum(Context& c); // 9.2.6: top bars at a simple end
void groupSupports(Context& c);          // through spans, groups and their sets
void sideBarsOf(Context& c);             // G and ties (ties need the stirrups' zones)
void stirrupZonesOf(Context& c);         // dense and middle zones
void additionalStirrupsOf(Context& c);   // at every concentrated force
void annotate(Context& c);               // 集中标注 and 原位标注
void topRunsOf(Context& c);              // every top run, erection bars
void bottomRunsOf(Context& c);           // every span's bottom bars
void scheduleOf(Context& c);             // the schedule, its totals and the notes

} // namespace spanwise::detailing_parts
