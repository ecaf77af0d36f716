// The reinforced-concrete design of a whole beam from its design forces: at every design section
// the longitudinal steel (flexure, the bars proposed or provided, the compression steel a face
// needs, the ductility of a redistributed support), at every face the shear and the span's
// stirrups, the additional transverse reinforcement under concentrated forces, the crack width
// under the quasi-permanent moment and each span's deflection with the long-term stiffness.
//
// A rule that fails marks its place with the reason in words and never stops the others; every
// number is finite. Units as in the design library: M kN·m, V kN, b, h, h0 mm, As mm².
#pragma once

#include "analysis/Envelope.h"
#include "design/DesignForces.h"
#include "design/Flexure.h"
#include "design/LongitudinalBars.h"
#include "design/Materials.h"
#include "design/Serviceability.h"
#include "design/Shear.h"
#include "design/Stirrups.h"

#include <optional>
#include <string>
#include <vector>

namespace spanwise {

// The design sections of a span, in the order the result shows them.
enum class SteelPlace : std::int8_t { LeftFace, Bottom, SpanTop, RightFace };

// One design section's longitudinal steel and its crack width.
struct SteelRow {
    SteelPlace place = SteelPlace::Bottom;
    int support = -1;                // the support whose face this is; -1 inside the span
    float x = 0;                     // m from the span's left end
    double moment = 0;               // the design moment, sagging positive
    double quasiPermanentMoment = 0; // Mq at the same place, sagging positive
    bool topBars = false;            // the bars designed are the top bars
    bool tension = false; // the design moment puts these bars in tension; else the minimum only
    bool redistributed = false; // a face whose hogging moment beta lowered
    int steel = 0;              // the code of the steel of the row's bars (its set's, or the
                                // project's)
    FlexureResult flexure;      // with h0 of the layers the bars take (two layers: as + 25)
    double effectiveDepth = 0;  // that h0 (as,top for the top bars)
    BarChoice bars;             // proposed or provided ("两排" where two layers)
    bool provided = false;      // the engineer's bars
    std::optional<CompressionSteelCheck> compression; // a face that needs As'
    std::optional<DuctilityCheck> ductility;          // a face of a redistributed support
    CrackWidth crack;

    // Every failure of the row, in words.
    std::vector<std::string> failures() const;
};

// The shear at one face of a span.
struct FaceShear {
    bool present = false; // a cantilever's free end has no face
    int support = 0;
    float x = 0;
    double shear = 0;              // V, its magnitude
    bool concentratedRule = false; // alpha_cv = 1.75/(lambda + 1) of an 独立梁
    ShearResult result;
};

// The additional transverse reinforcement at one place of concentrated forces.
struct Hanger {
    float x = 0;
    AdditionalTransverse steel;
};

// The deflection of a span with the long-term stiffness B.
struct LongTermDeflection {
    bool cantileverTip = false; // a cantilever's: the deflection of its free end
    CheckState state = CheckState::NotChecked;
    std::string words; // why it failed or was not checked
    LongTermStiffness stiffness;
    double rigidity = 0;         // EI of the span, N·mm²
    double elastic = 0;          // w with EI, mm (a cantilever: its tip)
    double deflection = 0;       // w with B, mm
    double checkLength = 0;      // l0, m
    double limitDenominator = 0; // n of l0/n
    double ratio = 0;            // l0/w
    CalculationSteps steps;
};

struct SpanDesign {
    int span = 0;
    SpanSection section;
    double effectiveDepth = 0; // h0 = h − as of one layer
    std::vector<SteelRow> rows;
    FaceShear left, right;
    StirrupDetailing detailing;
    StirrupChoice stirrups;
    bool stirrupsProvided = false;
    int stirrupSteel = 0; // the code of the stirrups' steel (the set's, or the project's)
    std::vector<Hanger> hangers;
    LongTermDeflection deflection;
    // The faces by the supports' axes: "②轴支座右边缘" at the left end, "③轴支座左边缘" at the
    // right ("悬臂端" for a free end).
    std::string leftFaceName, rightFaceName;

    // The words of a place: the face's name, "跨中下部" or "跨中上部".
    std::string placeName(SteelPlace place) const;
    const std::string& faceName(const FaceShear& face) const {
        return &face == &left ? leftFaceName : rightFaceName;
    }
    // Every failure of the span, each with its place: "③轴支座左边缘：钢筋放不下".
    std::vector<std::string> failures() const;
};

struct BeamDesign {
    bool designed = false;
    std::string whyNot; // where it was not: a span without a section, settings that cannot be used
    Materials materials;
    std::vector<SpanDesign> spans; // span s at s - 1

    const SpanDesign& span(int s) const { return spans.at(static_cast<std::size_t>(s - 1)); }
    // Every failure of the beam, each with its span and place.
    std::vector<std::string> failures() const;
    // Every notice (not a failure) with its span and place: a redistributed face whose ξ < 0.10
    // ("第2跨②轴支座右边缘：调幅后 ξ = 0.0812 < 0.10").
    std::vector<std::string> notices() const;
    // "全部满足" or "3 处不满足：第1跨②轴支座左边缘 …".
    std::string summary() const;
};

// Every bar set the design proposed (not those the engineer provided), to be kept as provided.
ProvidedBars proposedBars(const BeamDesign& design);

// The design of a beam that passed the data check (as calculated: calculationBeam) from its
// design forces and its envelope. Not designed (whyNot) unless every span has a section.
// working: whether every result carries its hand calculation (the 计算书's); the numbers are the
// same either way.
BeamDesign designBeam(const Beam& beam, const BeamForces& forces, const Envelope& envelope,
                      Working working = Working::Omitted);

} // namespace spanwise
