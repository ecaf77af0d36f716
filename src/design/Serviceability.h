// The serviceability of a design section under the quasi-permanent moment: the maximum crack
// width (GB 50010 7.1.1, 7.1.2, 7.1.4) and the long-term stiffness for the deflection (7.2.3,
// 7.2.5, 7.2.2).
//
// Units: Mq in kN·m; b, h, h0, bf', hf', c, dv, d in mm; areas in mm²; stresses in N/mm²; widths in
// mm; stiffnesses in N·mm². Every result is finite: where the moment does not put the bars in
// tension, or there are no bars, the result is not checked and says why.
#pragma once

#include "design/HandCalculation.h"
#include "design/Materials.h"
#include "model/Design.h"

#include <cstdint>
#include <string>
#include <vector>

namespace spanwise {

enum class CheckState : std::int8_t { Passed, Failed, NotChecked };

// A section with its bars under the quasi-permanent moment.
struct ServiceSection {
    double moment = 0;          // Mq: > 0 puts the bars in tension, ≤ 0 leaves nothing to check
    double width = 0;           // b
    double depth = 0;           // h
    double effectiveDepth = 0;  // h0 of the bars' layers
    BarSet bars;                // As and d
    double stirrupDiameter = 0; // dv of the section's span
    double tensionFlangeWidth = 0; // bf' where the flange lies on the tension side (top bars of a
    double tensionFlangeDepth = 0; // flanged span): Ate adds (bf' − b)·hf'; 0 otherwise
    // bf', hf' of a flange on the compression side (bottom bars of a flanged span), for γf' of the
    // stiffness; 0 otherwise (and for a cantilever, 0 by the rule of 7.2 for its top bars)
    double compressionFlangeWidth = 0;
    double compressionFlangeDepth = 0;
};

// σsq, Ate, ρte and ψ of 7.1.2 and 7.1.4, shared by the crack width and the stiffness.
struct SteelStrain {
    double area = 0;           // As
    double steelStress = 0;    // σsq = Mq/(0.87·h0·As)
    double effectiveArea = 0;  // Ate
    double effectiveRatio = 0; // ρte = As/Ate, not less than 0.01
    double strainFactor = 0;   // ψ = 1.1 − 0.65·ftk/(ρte·σsq), 0.2…1.0
};

struct CrackWidth {
    CheckState state = CheckState::NotChecked;
    std::string words; // why it failed or was not checked; empty when passed
    SteelStrain strain;
    double coverToBars = 0;        // cs = c + dv, 20…65
    double equivalentDiameter = 0; // deq = d/ν
    double width = 0;              // wmax
    double limit = 0;              // wlim
    CalculationSteps steps;
};

CrackWidth crackWidth(const ServiceSection& section, const Materials& materials,
                      Working working = Working::Omitted);

struct LongTermStiffness {
    CheckState state = CheckState::NotChecked; // Passed when computed (there is no verdict here)
    std::string words;                         // why it was not computed
    SteelStrain strain;
    double ratio = 0;         // ρ = As/(b·h0)
    double modularRatio = 0;  // αE = Es/Ec
    double flangeRatio = 0;   // γf' = (bf' − b)·hf'/(b·h0)
    double shortTerm = 0;     // Bs
    double creepFactor = 2.0; // θ (7.2.5 with ρ' = 0)
    double longTerm = 0;      // B = Bs/θ
    CalculationSteps steps;
};

LongTermStiffness longTermStiffness(const ServiceSection& section, const Materials& materials,
                                    Working working = Working::Omitted);

} // namespace spanwise
