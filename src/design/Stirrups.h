// The stirrups of a span: their Asv/s, the set proposed for the span's requirement and the check
// of a set the engineer provided (the stirrup rules of the design and Table 9.2.9).
//
// Units: b, d, s in mm; Asv/s in mm²/mm. Every result is finite.
#pragma once

#include "design/HandCalculation.h"
#include "design/Shear.h"
#include "model/Design.h"

#include <optional>
#include <string>
#include <vector>

namespace spanwise {

// Asv/s = legs·π·d²/4/s; 0 for a set without legs, diameter or spacing.
double stirrupRatio(const StirrupSet& stirrups);

// The legs a proposal takes: 2, or 4 where b > 400.
int proposedStirrupLegs(double width);

struct StirrupChoice {
    std::vector<std::string> failures; // "无满足要求的箍筋", diameter or spacing out of detailing
    std::optional<StirrupSet> stirrups; // nothing where no proposal meets the requirement
    double ratio = 0;                   // Asv/s of the stirrups
    CalculationSteps steps;

    bool ok() const { return failures.empty(); }
};

// For the span's larger required Asv/s of its two faces: the smallest diameter of 6, 8, 10, 12
// not below the detailing minimum, with the largest spacing of 400, 350, …, 100 not above smax,
// that meets it; "无满足要求的箍筋" where none does.
StirrupChoice proposeStirrups(double requiredRatio, double width, const StirrupDetailing& detailing,
                              int steel, Working working = Working::Omitted);

// A provided set, kept as it is; a failure for each of: Asv/s below the requirement, a diameter
// below the detailing minimum, a spacing above smax.
StirrupChoice checkStirrups(const StirrupSet& provided, double requiredRatio,
                            const StirrupDetailing& detailing, int steel,
                            Working working = Working::Omitted);

} // namespace spanwise
