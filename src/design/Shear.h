// The shear design of a face (GB 50010 6.3.1, 6.3.4, 9.2.9), the stirrup detailing by the beam's
// depth (9.2.9) and the additional transverse reinforcement under concentrated forces (9.2.11).
//
// Units: V, F in kN; b, h, h0, hf', a in mm; Asv/s in mm²/mm; Asv in mm². Every result is finite.
#pragma once

#include "design/HandCalculation.h"
#include "design/Materials.h"

#include <optional>
#include <string>
#include <vector>

namespace spanwise {

// λ = a/h0 limited to 1.5…3 and αcv = 1.75/(λ + 1) (6.3.4), for an 独立梁 whose concentrated
// forces cause more than 75 % of the shear at the face; a is the distance from the face to the
// nearest concentrated force between the faces. Any input gives a finite λ in 1.5…3.
struct ConcentratedShearFactor {
    double shearSpanRatio = 0; // λ
    double factor = 0;         // αcv
};
ConcentratedShearFactor concentratedShearFactor(double distance, double effectiveDepth);

struct ShearInput {
    double shear = 0;          // V at the face, its magnitude
    double width = 0;          // b
    double depth = 0;          // h
    double effectiveDepth = 0; // h0 = h − as of one layer, whatever the bars
    double flangeDepth = 0;    // hf' of a T (hw = h0 − hf'); 0 for a rectangle
    // a of the concentrated-load rule where it applies (αcv = 1.75/(λ + 1)); else αcv = 0.7
    std::optional<double> concentratedForceDistance;
    bool hingeZone = false; // a face of a support whose moment is redistributed (β > 0)
};

struct ShearResult {
    std::vector<std::string> failures; // "截面尺寸不满足受剪要求" and invalid input
    double slenderness = 0;            // hw/b of the section limit
    double sectionLimit = 0;           // the largest V the section takes (6.3.1)
    double concreteFactor = 0;         // αcv
    double concreteShear = 0;          // Vc = αcv·ft·b·h0
    bool exceedsConcrete = false;      // V > Vc: stirrups by calculation
    double requiredRatio = 0;          // Asv/s required; 0 where detailing alone serves
    bool minimumGoverns = false;       // the 0.24 (0.3 in a hinge zone) ft/fyv·b minimum
    CalculationSteps steps;

    bool ok() const { return failures.empty(); }
};

// Beyond the section limit the result fails with "截面尺寸不满足受剪要求" and still reports Vc
// and Asv/s, which then mean nothing for the stirrups: the span gets no stirrup proposal.
ShearResult designShear(const ShearInput& input, const Materials& materials,
                        Working working = Working::Omitted);

// Table 9.2.9 and 9.2.9: the least stirrup diameter and the largest spacing for a beam of depth
// h, in the column of V > Vc when calculatedStirrups (either face of the span), else V ≤ Vc.
struct StirrupDetailing {
    int leastDiameter = 0;
    int widestSpacing = 0;
};
StirrupDetailing stirrupDetailing(double depth, bool calculatedStirrups);

// 9.2.11: F the design value of the concentrated forces at one position (kN), Asv ≥ max(F, 0)/fyv.
struct AdditionalTransverse {
    double force = 0; // F
    double area = 0;  // Asv, mm²
    CalculationSteps steps;
};
AdditionalTransverse additionalTransverse(double force, const Materials& materials,
                                          Working working = Working::Omitted);

} // namespace spanwise
