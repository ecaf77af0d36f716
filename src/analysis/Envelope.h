// The envelope of the basic combination gammaG * G + gammaQ * gammaL * Q over every arrangement
// of the live load: the live loads of each span are either all on or all off, and with the
// favourable-dead-load option the dead load of each span takes gammaG or gammaG,fav, whichever
// makes the force worse. The beam is linear, so every arrangement is a sum of unit cases, the
// dead load and the live load of each span alone; they share one set of distribution factors,
// and at every section the worst arrangement simply takes each case whose share has the wanted
// sign. The extremes of the moment along a span are found exactly: between the sections where
// a load starts or a case changes sign the envelope is one cubic, whose peak is solved for.
//
// A beam without live loads has one arrangement: its envelope is gammaG * G (with the
// favourable option, each span's dead load at gammaG or gammaG,fav).
//
// Moments and shears carry the program's signs (analysis/SectionForces.h); x is metres from the
// left end of the span; supports are numbered 0..N as in analysis/Reactions.h.
#pragma once

#include "model/Beam.h"
#include "model/BeamResults.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace spanwise {

// One arrangement of the loads: bit s - 1 for span s.
struct Arrangement {
    std::uint32_t liveSpans = 0;      // spans whose live loads are on
    std::uint32_t favourableDead = 0; // spans whose dead load takes gammaG,fav instead of gammaG

    bool operator==(const Arrangement&) const = default;
};

// The spans of a mask, ascending: {1, 3, 5}.
std::vector<int> spansOf(std::uint32_t mask);

// As tables show it: "活载布置：1,3,5跨", "活载布置：无"; with spans whose dead load is
// favourable, "；恒载取有利值：2跨" follows.
std::string arrangementText(const Arrangement& arrangement);

// A largest or smallest value and the arrangement that gives it (any one if several do).
struct Extreme {
    float value = 0;
    Arrangement arrangement;
};

// A moment extreme of a span: where it is, and the shear there under the same arrangement (on
// both sides, which differ under a concentrated force).
struct MomentExtreme {
    float value = 0;
    float x = 0;
    MomentSide side = MomentSide::None; // on a concentrated moment: the side it is on
    Arrangement arrangement;
    float shearLeft = 0;
    float shearRight = 0;
};

// A shear extreme at a span end, and the moment there under the same arrangement.
struct ShearExtreme {
    float value = 0;
    Arrangement arrangement;
    float moment = 0;
};

// The largest and the smallest moment over a stretch of a span.
struct MomentRange {
    MomentExtreme max, min;
};

// How a combination weighs the unit cases: every span's dead load at least at fixedDead, and
// up to switchDead more where that makes the force worse (the favourable-dead-load option);
// its live load at live or not at all.
struct CombinationWeights {
    double fixedDead = 0;
    double switchDead = 0;
    double live = 0;

    // gammaG * G + gammaQ * gammaL * Q, with gammaG,fav where the option is set.
    static CombinationWeights basic(const CombinationFactors& f);
    // G + psi_q * Q.
    static CombinationWeights quasiPermanent(double psiQ) { return {1, 0, psiQ}; }
};

struct SpanEnvelope {
    MomentExtreme maxMoment, minMoment;
    ShearExtreme leftMaxShear, leftMinShear;   // just right of the left end (the table's 左端V)
    ShearExtreme rightMaxShear, rightMinShear; // just left of the right end (右端V)
};

struct SupportEnvelope {
    bool present = false; // the beam is held here (not a cantilever's free end)
    bool fixed = false;   // a fixed end: the moment extremes mean something
    Extreme maxReaction, minReaction;
    Extreme maxMoment, minMoment; // bending moment of the beam at a fixed end
};

// The envelope at one section: M and the shear, each just left and just right of it (the
// moments differ at a concentrated moment, the shears at a force).
struct EnvelopeSection {
    Extreme maxMoment, minMoment;
    Extreme maxMomentRight, minMomentRight;
    Extreme maxShearLeft, minShearLeft;
    Extreme maxShearRight, minShearRight;
};

class Envelope {
public:
    // The envelope of a beam that passed the data check and whose calculation succeeded (the
    // same distribution factors are used). Throws JointWithoutStiffness, FloatingPointFault
    // naming the span, NoConvergence when the joints cannot be balanced, and
    // std::invalid_argument for counts out of range, unusable factors or loads off their span.
    explicit Envelope(const Beam& beam);

    int spanCount() const { return m_spanCount; }
    const CombinationFactors& factors() const { return m_factors; }
    const SpanEnvelope& span(int s) const { return m_spans.at(static_cast<std::size_t>(s - 1)); }
    const SupportEnvelope& support(int j) const {
        return m_supports.at(static_cast<std::size_t>(j));
    }

    // The envelope curves at x on span s, for diagrams and the section query. Throws
    // std::out_of_range for s outside 1..spanCount.
    EnvelopeSection at(int s, float x) const;
    // The same for another combination of the same unit cases (the quasi-permanent one).
    EnvelopeSection at(int s, float x, const CombinationWeights& w) const;

    // The exact extremes of the moment of a combination over [xFrom, xTo] of span s, with
    // their positions (the smallest x where one is reached over a stretch), sides and
    // arrangements. Throws std::out_of_range for s outside 1..spanCount.
    MomentRange momentRange(int s, float xFrom, float xTo, const CombinationWeights& w) const;

    // The end moments of span s (left and right end, clockwise on the span, so that the moment
    // in the span is m[0] (1 - x/L) - m[1] x/L) under the unfactored dead or live load of span t
    // alone; both 0 on a cantilever span, whose moment comes from its own loads alone.
    std::array<double, 2> unitEndMoments(int s, int t, LoadCase loadCase) const;

    // Unit cases, dead (0) and live (1) load of each span, as they act on one span.
    struct SpanCases; // defined in Envelope.cpp

private:
    int m_spanCount = 0;
    CombinationFactors m_factors;
    std::vector<SpanEnvelope> m_spans;
    std::vector<SupportEnvelope> m_supports;
    std::vector<std::shared_ptr<const SpanCases>> m_cases;
};

} // namespace spanwise
