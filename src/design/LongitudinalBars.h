// The longitudinal bars of a design section (GB 50010 9.2.1 and the proposal rules of the
// design): exact areas, how many bars one layer holds, the bars proposed for a required area and
// the check of bars the engineer provided.
//
// Units: b, c, dv, d in mm; areas in mm². Every result is finite.
#pragma once

#include "design/HandCalculation.h"
#include "model/Design.h"

#include <cstdint>
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

struct BarChoice {
    std::vector<std::string> failures; // "钢筋放不下", an area below the requirement
    std::optional<BarSet> bars;        // nothing where no bars fit
    bool twoLayers = false;            // "两排": h0 of the section is that of two layers
    double area = 0;                   // of the bars
    double requiredArea = 0;           // the requirement of the layers the bars take
    CalculationSteps steps;

    bool ok() const { return failures.empty(); }
};

// The bars proposed for the requirement from `diameters` (ascending, Materials::proposedDiameters):
// among the one-layer sets of at least 2 bars, the least area not below the requirement; ties go
// to fewer bars, then to the smaller diameter. Where none holds it, the same among sets in two
// layers (more than one layer's capacity, at most twice it) for the two-layer requirement,
// marked "两排"; where none of those either, "钢筋放不下" and no bars.
BarChoice proposeBars(const BarRequirement& required, const std::vector<int>& diameters,
                      const BarRoom& room, Working working = Working::Omitted);

// The bars the engineer provided, kept as they are: in two layers when one does not hold them
// ("两排", then checked against the two-layer requirement), "钢筋放不下" when two do not, and a
// failure when their area is below the requirement.
BarChoice checkBars(const BarSet& provided, const BarRequirement& required, const BarRoom& room,
                    Working working = Working::Omitted);

} // namespace spanwise
