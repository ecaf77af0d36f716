// The unit cases of one span that the envelope combines, shared by the envelope and its search
// for the moment's peaks. Internal to the envelope (Envelope.cpp, EnvelopePeaks.cpp).
#pragma once

#include "analysis/Envelope.h"
#include "analysis/EnvelopeCombination.h"
#include "analysis/Single.h"
#include "analysis/Solver.h"
#include "analysis/SpanCurve.h"

#include <array>
#include <optional>

namespace spanwise {

namespace envelope_cases {

constexpr int kDead = 0, kLive = 1;

struct Forces {
    double M = 0, VL = 0, VR = 0;
    double MR = 0; // just right of the section: differs from M at a concentrated moment
};

// Where along xi an extreme of the moment was found: at a place where M jumps, the side.
enum class XiSide { Inside, Below, Above };

} // namespace envelope_cases

struct Envelope::SpanCases {
    using Forces = envelope_cases::Forces;
    static constexpr int kDead = envelope_cases::kDead, kLive = envelope_cases::kLive;

    SpanCases(const Beam& beam, int s)
        : base(baseSystem(beam, s)), L(beam.span(s).length), dead(beam, s, Dead),
          live(beam, s, Live) {}

    BaseSystem base;
    double L;
    SpanCurve dead, live;
    // The end moments of this span under the dead (0) and live (1) load of span t alone,
    // index t - 1; they act only on a simply supported base system.
    std::array<std::array<std::array<double, 2>, 2>, kMaxSpans> endMoment{};

    const SpanCurve& curve(int kind) const { return kind == kDead ? dead : live; }

    // The forces of every unit case at x of this span (span s); the span's own loads at xi
    // when given (where the extremes were found: on a free right end no float x need fall
    // exactly on a concentrated moment's place).
    void forcesAt(int s, int n, float x, std::array<std::array<Forces, 2>, kMaxSpans>& out,
                  std::optional<double> xi = std::nullopt) const {
        for (int t = 1; t <= n; ++t) {
            for (int kind : {kDead, kLive}) {
                Forces& f = out[static_cast<std::size_t>(t - 1)][static_cast<std::size_t>(kind)];
                f = {};
                if (base == BaseSystem::SimplySupported) {
                    const auto& m =
                        endMoment[static_cast<std::size_t>(t - 1)][static_cast<std::size_t>(kind)];
                    const double V = -(m[0] + m[1]) / L;
                    f = {m[0] + V * x, V, V, m[0] + V * x};
                }
                if (t == s) {
                    const SpanCurve& own = curve(kind);
                    const CurveValue v = own.at(xi.value_or(own.xiOf(x)));
                    const bool reversed = base == BaseSystem::FreeRight;
                    f.M += reversed ? v.MAbove : v.M;
                    f.MR += reversed ? v.M : v.MAbove;
                    f.VL += reversed ? -v.slopeAbove : v.slopeBelow;
                    f.VR += reversed ? -v.slopeBelow : v.slopeAbove;
                }
            }
        }
    }
};

namespace envelope_cases {

using envelope_combination::Choice;
using envelope_combination::Weights;

using CaseForces = std::array<std::array<Forces, 2>, kMaxSpans>;

template <typename Field> auto deadOf(const CaseForces& f, Field field) {
    return [&f, field](int t) { return f[static_cast<std::size_t>(t)][kDead].*field; };
}
template <typename Field> auto liveOf(const CaseForces& f, Field field) {
    return [&f, field](int t) { return f[static_cast<std::size_t>(t)][kLive].*field; };
}

inline Extreme stored(const Choice& c) {
    return {toSingle(c.value), c.arrangement};
}

// The sections of span s where the moment envelope of the combination w peaks over [xiLo, xiHi]
// (xi along the span's own curves), and the side of a concentrated moment each stands on.
void momentPeaks(const Envelope::SpanCases& c, int s, int n, const Weights& w, double xiLo,
                 double xiHi, double& xiMax, double& xiMin, XiSide& sideMax, XiSide& sideMin);

// The extremes of the combination w over [xFrom, xTo] of span s, exactly where they are, with
// the side of a concentrated moment they stand on and the shears there.
MomentRange momentExtremes(const Envelope::SpanCases& c, int s, int n, const Weights& w,
                           float xFrom, float xTo);

} // namespace envelope_cases

} // namespace spanwise
