// The longitudinal steel a section needs for a moment (GB 50010 6.2.10, 6.2.11, 6.2.14, 8.5.1),
// and the ductility check at the faces of a support whose moment was redistributed (5.4.3).
//
// Units: M in kN·m; b, h, h0, as', bf', hf' in mm; areas in mm². Every result is finite; a section
// that cannot be designed says why in its failures and the other values are 0.
#pragma once

#include "design/HandCalculation.h"
#include "design/Materials.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace spanwise {

// How the section takes the moment: a rectangle, or a T whose neutral axis lies in the flange
// (class 1, designed as the rectangle bf' × h) or in the web (class 2).
enum class FlexureShape : std::int8_t { Rectangle = 0, FlangeClass1 = 1, FlangeClass2 = 2 };

struct FlexureInput {
    double moment = 0;         // M: > 0 puts the designed bars in tension; ≤ 0 gives the minimum
    double width = 0;          // b, the web of a T
    double depth = 0;          // h
    double effectiveDepth = 0; // h0 of the bars' layers (h − as, or h − as − 25 for two)
    double compressionCover = 0; // as', compression face to the compression bars' centroid
    double flangeWidth = 0;      // bf' of the compression flange (a span's bottom bars); 0: none
    double flangeDepth = 0;      // hf'; 0: none
    double depthLimit = 0;       // ξlim: ξb, or min(ξb, 0.35) at a redistributed support's faces
    bool topBars = false; // the top bars: the working writes M with the sign convention's sign
};

struct FlexureResult {
    std::vector<std::string> failures; // why the section could not be designed; empty when it was
    FlexureShape shape = FlexureShape::Rectangle;
    double alphaS = 0; // αs of the rectangle designed (bf' × h for class 1, the web for 2)
    double xi = 0;     // ξ of that rectangle; ξlim where the section is doubly reinforced
    bool doublyReinforced = false;
    double calculatedArea = 0;  // As from the moment, before the minimum
    double minimumArea = 0;     // ρmin·b·h
    double requiredArea = 0;    // As: the larger of the two
    double compressionArea = 0; // As'
    bool minimumGoverns = false;
    double ratio = 0; // ρ = As/(b·h0) of the required As
    CalculationSteps steps;

    bool ok() const { return failures.empty(); }
};

// working: whether the steps of the hand calculation are written (the numbers are the same).
FlexureResult designFlexure(const FlexureInput& input, const Materials& materials,
                            Working working = Working::Omitted);

// ρmin = max(0.20 %, 45·ft/fy %) as a fraction (8.5.1).
double minimumRatio(const Materials& materials);

// The compression steel As' a face needs, supplied by the span's bottom bars carried into the
// support (6.2.10): a failure where their area (mm²) falls short of it.
struct CompressionSteelCheck {
    std::vector<std::string> failures;
    CalculationSteps steps;

    bool ok() const { return failures.empty(); }
};
CompressionSteelCheck checkCompressionSteel(double bottomBarArea, double compressionArea,
                                            Working working = Working::Omitted);

// The ductility of a redistributed support's face (5.4.3): ξ = (fy·As − fy'·As')/(α1·fc·b·h0).
// A failure above 0.35 ("调幅后 ξ = 0.3712 > 0.35"), a notice below 0.10.
struct DuctilityCheck {
    double xi = 0;
    std::vector<std::string> failures;
    std::optional<std::string> notice;
    CalculationSteps steps;

    bool ok() const { return failures.empty(); }
};

// tensionArea As of the top bars over the support, compressionArea As' that 6.2.10 requires at
// the face (0 if none); width b and effectiveDepth h0 of the face's span, in mm.
DuctilityCheck checkDuctility(double tensionArea, double compressionArea, double width,
                              double effectiveDepth, const Materials& materials,
                              Working working = Working::Omitted);

} // namespace spanwise
