// The material values of a design, from the project's settings (GB 50010 Tables 4.1.3–4.1.5,
// 4.2.3-1, 4.2.5, 3.4.5, 8.2.1 and clauses 6.2.1, 6.2.6, 6.2.7, 6.3.1, 7.1.2).
//
// Units: strengths and moduli in N/mm², lengths in mm.
#pragma once

#include "model/Design.h"

#include <cstdint>
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

    // longitudinal steel (the project's, or a set's own: withBarSteel)
    int steel = 0;                      // its code: 300, 335, 400, 500
    std::string steelName;              // "HRB400"
    double fy = 0;                      // tension
    double fyCompression = 0;           // fy'
    double Es = 0;                      // modulus of elasticity
    double bondFactor = 0;              // ν of 7.1.2 (deq = d/ν)
    std::vector<int> proposedDiameters; // ascending, the diameters a proposal may take

    // stirrups (the project's, or a set's own: withStirrupSteel)
    int stirrupSteel = 0;         // its code
    std::string stirrupSteelName; // "HPB300"
    double fyv = 0;               // fy of the stirrup steel, not more than 360

    double balancedDepth = 0; // ξb = β1/(1 + fy/(Es·εcu)), unrounded (6.2.7)

    // environment
    std::string environmentName; // "二a"
    double cover = 0;            // c, to the outer face of the stirrups (Table 8.2.1, beams)
    double crackLimit = 0;       // wlim, mm (Table 3.4.5)
    double tensionCover = 0;     // as: the setting, or c + 20 when it is 0
    double topTensionCover = 0;  // as,top of the top bars: the setting, or as when it is 0
};

// Two layers of tension bars put their centroid this much further from the tension face than
// one layer (mm).
inline constexpr double kSecondLayerOffset = 25;

// Which face of the section the tension bars lie at: the bottom bars of a span, or the top bars
// (over the supports and inside a span that hogs), placed by as,top.
enum class TensionFace : std::int8_t { Bottom, Top };

// as of the tension bars of a face: as, or as,top for the top bars (mm).
inline double tensionCoverOf(const Materials& m, TensionFace face) {
    return face == TensionFace::Top ? m.topTensionCover : m.tensionCover;
}

// h0 of a section of depth h (mm) with its tension bars in one layer or two at a face: h − as,
// h − as − 25 (as,top for the top bars). Shear takes the bottom's h − as.
inline double effectiveDepth(double depth, const Materials& m, bool twoLayers = false,
                             TensionFace face = TensionFace::Bottom) {
    return depth - tensionCoverOf(m, face) - (twoLayers ? kSecondLayerOffset : 0.0);
}

// The materials of the settings. Precondition: designSettingsProblem(settings) is empty;
// otherwise throws std::invalid_argument with its words.
Materials materialsOf(const DesignSettings& settings);

// The same materials with the longitudinal steel of the given code (fy, fy', Es, ν, ξb and the
// proposed diameters of that grade), or with the stirrup steel of the code (fyv); 0 keeps the
// project's. Precondition: the code is one of kSteelCodes or 0.
Materials withBarSteel(const Materials& m, int code);
Materials withStirrupSteel(const Materials& m, int code);

// The name of a steel ("HRB400"), and its sign as tables write it: Φ for HPB300, the letter
// of drafting software for the others ("C").
const char* steelName(int code);
const char* steelSign(int code);

} // namespace spanwise
