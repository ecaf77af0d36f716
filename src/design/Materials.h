// The material values of a design, from the project's settings (GB 50010 Tables 4.1.3–4.1.5,
// 4.2.3-1, 4.2.5, 3.4.5, 8.2.1 and clauses 6.2.1, 6.2.6, 6.2.7, 6.3.1, 7.1.2).
//
// Units: strengths and moduli in N/mm², lengths in mm.
#pragma once

#include "model/Design.h"

#include <optional>
#include <string>
#include <vector>

namespace spanwise {

struct Materials {
    // concrete
    std::string concreteName;  // "C30"
    double fc = 0;             // design compressive strength
    double ft = 0;             // design tensile strength
    double ftk = 0;            // characteristic tensile strength
    double Ec = 0;             // modulus of elasticity
    double alpha1 = 0;         // α1 of the stress block (6.2.6)
    double beta1 = 0;          // β1 of the stress block (6.2.6)
    double betaC = 0;          // βc of the shear section limit (6.3.1)
    double ultimateStrain = 0; // εcu (6.2.1)

    // longitudinal steel
    std::string steelName;              // "HRB400"
    double fy = 0;                      // tension
    double fyCompression = 0;           // fy'
    double Es = 0;                      // modulus of elasticity
    double bondFactor = 0;              // ν of 7.1.2 (deq = d/ν)
    std::vector<int> proposedDiameters; // ascending, the diameters a proposal may take

    // stirrups
    std::string stirrupSteelName; // "HPB300"
    double fyv = 0;               // fy of the stirrup steel, not more than 360

    double balancedDepth = 0; // ξb = β1/(1 + fy/(Es·εcu)), unrounded (6.2.7)

    // environment
    std::string environmentName; // "二a"
    double cover = 0;            // c, to the outer face of the stirrups (Table 8.2.1, beams)
    double crackLimit = 0;       // wlim, mm (Table 3.4.5)
    double tensionCover = 0;     // as: the setting, or c + 20 when it is 0
};

// Two layers of tension bars put their centroid this much further from the tension face than
// one layer (mm).
inline constexpr double kSecondLayerOffset = 25;

// h0 of a section of depth h (mm) with its tension bars in one layer or two: h − as, h − as − 25.
inline double effectiveDepth(double depth, const Materials& m, bool twoLayers = false) {
    return depth - m.tensionCover - (twoLayers ? kSecondLayerOffset : 0.0);
}

// The materials of the settings. Precondition: designSettingsProblem(settings) is empty;
// otherwise throws std::invalid_argument with its words.
Materials materialsOf(const DesignSettings& settings);

} // namespace spanwise
