// The longitudinal bars of a design section (GB 50010 9.2.1 and the proposal rules of the
// design): exact areas, how many bars one layer holds, the bars proposed for a required area and
// the check of bars the engineer provided.
//
// Units: b, c, dv, d in mm; areas in mm². Every result is finite.
#pragma once

#include "design/HandCalculation.h"
#include "model/Design.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace spanwise {

// n·π·d²/4, exact; 0 for an empty set.
double barArea(const BarSet& bars);

enum class BarFace : std::int8_t { Bottom, Top };

// Where the bars lie: the width they share and what lies between them and the side faces.
struct BarRoom {
    BarFace face = BarFace::Bottom;
    double width = 0;           // b; over a support, the smaller b of its two spans
    double cover = 0;           // c, to the outer face of the stirrups
    double stirrupDiameter = 0; // dv; over a support, the larger of its two spans
};

// The clear spacing of a layer (9.2.1): max(25, d) for bottom bars, max(30, 1.5·d) for top bars.
double clearSpacing(int diameter, BarFace face);

// The most bars of diameter d one layer holds, n·d + (n − 1)·e ≤ b − 2·(c + dv), counted up to
// the 20 bars a set may have; 0 when not even one fits.
int oneLayerCapacity(int diameter, const BarRoom& room);

// The area the bars must reach: designed with h0 of one layer, and with h0 − 25 of two layers
// (nothing when the section cannot be designed with two layers).
struct BarRequirement {
    double oneLayer = 0;
    std::optional<double> twoLayers;
};

// What the section needs where the bars' centroid really lies (GB 50010 6.2.10 with h0 at it):
// the area, and that h0 (of the section that needs the most, over a support's two faces).
struct RealDepthNeed {
    double area = 0;
    double effectiveDepth = 0;
};

// What a set of bars must serve: the area its sections need with one layer and (asked for only
// where one layer does not serve) with two; and, where given, the area they need with the
// centroid where the bars really lie, and whether every crack the set closes stays within its
// limit with it.
struct BarDemand {
    double oneLayer = 0;
    std::function<std::optional<double>()> twoLayers; // none: no two-layer design
    double layerCover = 0; // as of one layer (as or as,top); two layers take as + 25
    int steel = 0;         // the code of the bars' steel, for their text in the working
    // the need with the bars' centroid at `centroid` mm from the tension face (two layers or one)
    std::function<RealDepthNeed(double centroid, bool twoLayers)> atCentroid;
    std::function<bool(const BarSet& bars, bool twoLayers)> cracksHold;

    BarDemand() = default;
    // Only the areas: no check at the bars' real depth, none of the cracks.
    BarDemand(const BarRequirement& required); // NOLINT: a requirement is a demand
};

// Where the centroid of n bars of d lies from the tension face (mm): one layer at c + dv + d/2;
// two layers, the outer holding the one-layer capacity and the inner the rest 25 mm clear
// inside it (c + dv + 1.5·d + 25), at the centroid of their areas.
double barsCentroid(const BarSet& bars, const BarRoom& room);

// The formula of the step that sets the bars' area against the requirement.
inline constexpr const char* kAreaVerdictFormula = "As,实配 ≥ As";

struct BarChoice {
    std::vector<std::string> failures; // "钢筋放不下", an area below the requirement
    std::optional<BarSet> bars;        // nothing where no bars fit (a provided set is kept)
    bool twoLayers = false;            // "两排": h0 of the section is that of two layers
    bool fits = true; // false for a provided set that not even two layers hold ("钢筋放不下")
    double area = 0;  // of the bars
    double requiredArea = 0; // the requirement of the layers the bars take
    double centroid = 0;     // of the bars, from the tension face (mm)
    // the need at the bars' centroid where it lies further in than the layers' as
    std::optional<RealDepthNeed> atRealDepth;
    // a proposal larger than the area alone asks, so that its cracks stay within the limit: the
    // set the area alone gives
    std::optional<BarSet> areaAlone;
    CalculationSteps steps;

    bool ok() const { return failures.empty(); }
};

// The bars proposed for the demand from `diameters` (ascending, Materials::proposedDiameters):
// the combinations in order — the one-layer sets of at least 2 bars, then the two-layer sets
// (more than one layer's capacity, at most twice it), each by least area, then fewer bars, then
// the smaller diameter — and of them the first that reaches the requirement of its layers, and
// the need at its real centroid where that lies further in, and keeps every crack within its
// limit; where none keeps the cracks, the first that the area alone gives. Two layers are marked
// "两排"; where no combination reaches the requirement, "钢筋放不下" and no bars.
BarChoice proposeBars(const BarDemand& demand, const std::vector<int>& diameters,
                      const BarRoom& room, Working working = Working::Omitted);

// The bars the engineer provided, kept as they are: in two layers when one does not hold them
// ("两排", then checked against the two-layer requirement), "钢筋放不下" (kept, fits false) when
// two do not, a failure when their area is below the requirement, and one when it is below the
// need at their real centroid ("按钢筋实际位置 h0 = … 需 As = …").
BarChoice checkBars(const BarSet& provided, const BarDemand& demand, const BarRoom& room,
                    Working working = Working::Omitted);

} // namespace spanwise
