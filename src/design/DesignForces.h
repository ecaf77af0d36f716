// The design forces of a reinforced-concrete continuous beam: at the faces of its supports and
// between them, from the exact envelope of the basic combination over every live-load
// arrangement (times gamma0), and the quasi-permanent combination G + psi_q Q at the same
// places; with the redistribution (调幅) of the support moments where a support has beta > 0.
//
// Moments in kN*m (sagging positive), shears in kN, x in m from the span's left end. A
// position where an extreme is reached over a stretch is the smallest x of it.
#pragma once

#include "analysis/Envelope.h"
#include "model/Beam.h"

#include <optional>
#include <vector>

namespace spanwise {

// Which rule gave a span's bottom-bar design moment after redistribution (GB 50010 5.4).
enum class SpanMomentRule {
    Elastic,       // the elastic largest moment
    Redistributed, // 1.02 M0 - (Ml + Mr) / 2
    ThirdOfSimple, // M0 / 3
};

inline constexpr double kRoundOff = 1e-9;

struct FaceForces {
    bool present = false;    // a cantilever's free end has no face
    int support = 0;         // 0..N
    float x = 0;             // the face, m from the span's left end
    float beta = 0;          // the support's redistribution factor
    float elasticMoment = 0; // gamma0 x the smallest moment of the basic combination
    // the top bars' design moment: (1 - beta) x elastic where the face hogs, else elastic
    float moment = 0;
    bool redistributed = false; // beta > 0 lowered a hogging moment here
    float elasticShear = 0;     // gamma0 x the shear of largest magnitude on the span side
    float shear = 0;            // the design shear: the larger of it and the redistributed one
    bool redistributedShearGoverns = false;
    float quasiPermanentMoment = 0; // the smallest of G + psi_q Q
};

struct SpanForces {
    FaceForces left, right;
    float from = 0, to = 0; // the stretch between the faces (a free end where there is one)

    float elasticBottom = 0, elasticBottomX = 0; // gamma0 x the largest moment between faces
    MomentSide elasticBottomSide = MomentSide::None;
    float bottomMoment = 0, bottomX = 0; // the bottom bars' design moment and its place
    SpanMomentRule rule = SpanMomentRule::Elastic;
    bool redistributed = false;              // a support of the span has beta > 0
    float simpleMaximum = 0;                 // M0, where a support beside the span is redistributed
    float reducedLeft = 0, reducedRight = 0; // Ml, Mr of the rule: magnitudes

    // The top bars inside the span: the smallest moment where the bottom bars' is (跨中负弯矩),
    // or a hogging peak inside the span below both faces' moments (its own place).
    float topMoment = 0, topX = 0;
    bool hoggingPeak = false;

    float quasiPermanentBottom = 0, quasiPermanentBottomX = 0; // the largest between the faces
    float quasiPermanentAtBottom = 0; // the smallest where the bottom bars' design moment is
    float quasiPermanentTop = 0;      // the smallest where the top bars' design moment is
};

struct BeamForces {
    std::vector<SpanForces> spans; // span s at s - 1
    float importance = 1;          // gamma0
    float quasiPermanentShare = 0; // psi_q
    bool redistributed = false;    // a support has beta > 0

    const SpanForces& span(int s) const { return spans.at(static_cast<std::size_t>(s - 1)); }
};

// The design forces of a beam (as calculated: calculationBeam) from its envelope. Expects the
// design data to have passed the data check (faces inside the spans, beta where it may be).
// A moment smaller in magnitude than kRoundOff of the beam's largest envelope moment is zero by
// mechanics and is given as 0, so that its round-off decides nothing.
// Throws what the envelope's evaluation throws (a FloatingPointFault naming the span).
BeamForces designForces(const Beam& beam, const Envelope& envelope);

// The rule's name as tables print it: "弹性", "1.02M0−(Ml+Mr)/2", "M0/3".
const char* spanMomentRuleText(SpanMomentRule rule);

} // namespace spanwise
