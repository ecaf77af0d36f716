#include "analysis/Envelope.h"

#include "analysis/CalculationError.h"
#include "analysis/Cubic.h"
#include "analysis/EnvelopeCases.h"
#include "model/BeamResults.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <stdexcept>

namespace spanwise {

using namespace envelope_combination;
using namespace envelope_cases;

std::vector<int> spansOf(std::uint32_t mask) {
    std::vector<int> spans;
    for (int s = 1; s <= kMaxSpans; ++s) {
        if (mask & (1u << (s - 1))) {
            spans.push_back(s);
        }
    }
    return spans;
}

std::string arrangementText(const Arrangement& arrangement) {
    auto list = [](std::uint32_t mask) {
        std::string text;
        for (int s : spansOf(mask)) {
            if (!text.empty()) {
                text += ',';
            }
            text += std::to_string(s);
        }
        return text.empty() ? std::string("无") : text + "跨";
    };
    std::string text = "活载布置：" + list(arrangement.liveSpans);
    if (arrangement.favourableDead != 0) {
        text += "；恒载取有利值：" + list(arrangement.favourableDead);
    }
    return text;
}

Envelope::Envelope(const Beam& beam) : m_spanCount(beam.spanCount()), m_factors(beam.factors) {
    const int n = m_spanCount;
    if (n < 1 || n > kMaxSpans) {
        throw std::invalid_argument("Envelope: span count out of range");
    }
    for (const Span& span : beam.spans) {
        if (span.loadCount() > kMaxCalculatedLoads) {
            throw std::invalid_argument("Envelope: load count out of range");
        }
    }
    if (!combinationFactorsProblem(m_factors).empty()) {
        throw std::invalid_argument("Envelope: unusable combination factors");
    }
    const Weights w = weightsOf(m_factors);

    std::vector<std::shared_ptr<SpanCases>> cases;
    for (int s = 1; s <= n; ++s) {
        auto span = std::make_shared<SpanCases>(beam, s);
        if (!span->dead.exact() || !span->live.exact()) {
            throw std::invalid_argument("Envelope: a load lies off its span");
        }
        cases.push_back(span);
    }

    // The joints balanced directly: with u_j the moment distributed at joint j,
    //   EM[s][1] = F[s][1] + D[s][1] u(s-1) + c[s] D[s][2] u(s)
    //   EM[s][2] = F[s][2] + D[s][2] u(s) + c[s] D[s][1] u(s-1)
    // and EM[j][2] + EM[j+1][1] = 0 at every joint: one tridiagonal system for every case,
    // the fixed point the moment distribution sweeps towards.
    BeamResults distribution{};
    distributionFactors(beam, distribution);
    const auto& D = distribution.DistributionFactor;
    const auto& carry = distribution.CarryOverFactor;
    std::array<double, kMaxSpans + 1> lower{}, upper{}, pivot{};
    for (int j = 1; j <= n - 1; ++j) {
        const double diagonal = double{D[j][2]} + D[j + 1][1];
        lower[j] = double{carry[j]} * D[j][1];
        upper[j] = double{carry[j + 1]} * D[j + 1][2];
        pivot[j] = j > 1 ? diagonal - lower[j] * upper[j - 1] / pivot[j - 1] : diagonal;
        if (!(std::fabs(pivot[j]) > 1e-12) || !std::isfinite(pivot[j])) {
            throw NoConvergence(kMaxSweeps);
        }
    }
    for (int t = 1; t <= n; ++t) {
        for (int kind : {kDead, kLive}) {
            float F1 = 0, F2 = 0;
            spanLoadTerms(beam, t, kind == kDead ? Dead : Live, F1, F2);
            std::array<double, kMaxSpans + 1> u{};
            if (t >= 2) {
                u[t - 1] = -double{F1};
            }
            if (t <= n - 1) {
                u[t] = -double{F2};
            }
            for (int j = 2; j <= n - 1; ++j) {
                u[j] -= lower[j] / pivot[j - 1] * u[j - 1];
            }
            for (int j = n - 1; j >= 1; --j) {
                u[j] = (u[j] - (j < n - 1 ? upper[j] * u[j + 1] : 0.0)) / pivot[j];
            }
            for (int s = 1; s <= n; ++s) {
                const double own1 = s == t ? F1 : 0.0, own2 = s == t ? F2 : 0.0;
                auto& m =
                    cases[static_cast<std::size_t>(s - 1)]->endMoment[static_cast<std::size_t>(
                        t - 1)][static_cast<std::size_t>(kind)];
                m[0] = own1 + D[s][1] * u[s - 1] + double{carry[s]} * D[s][2] * u[s];
                m[1] = own2 + D[s][2] * u[s] + double{carry[s]} * D[s][1] * u[s - 1];
                if (!std::isfinite(m[0]) || !std::isfinite(m[1])) {
                    throw NoConvergence(kMaxSweeps);
                }
            }
        }
    }

    m_cases.assign(cases.begin(), cases.end());

    // Span ends of every case, for the end shears and the reactions.
    std::vector<CaseForces> leftEnd(static_cast<std::size_t>(n)),
        rightEnd(static_cast<std::size_t>(n));
    m_spans.resize(static_cast<std::size_t>(n));
    for (int s = 1; s <= n; ++s) {
        const auto i = static_cast<std::size_t>(s - 1);
        const SpanCases& c = *m_cases[i];
        const float L = beam.span(s).length;
        atSpan(s, FloatingPointFault::Sections, [&] {
            c.forcesAt(s, n, 0, leftEnd[i]);
            c.forcesAt(s, n, L, rightEnd[i]);
            SpanEnvelope& out = m_spans[i];
            auto endShear = [&](const CaseForces& f, double Forces::*shear, ShearExtreme& max,
                                ShearExtreme& min) {
                Choice hi, lo;
                combine(w, n, deadOf(f, shear), liveOf(f, shear), hi, lo);
                for (auto [choice, target] : {std::pair{&hi, &max}, std::pair{&lo, &min}}) {
                    target->value = toSingle(choice->value);
                    target->arrangement = choice->arrangement;
                    target->moment = toSingle(under(w, n, choice->arrangement,
                                                    deadOf(f, &Forces::M), liveOf(f, &Forces::M)));
                }
            };
            endShear(leftEnd[i], &Forces::VL, out.leftMaxShear, out.leftMinShear);
            endShear(rightEnd[i], &Forces::VR, out.rightMaxShear, out.rightMinShear);

            const MomentRange range = momentExtremes(c, s, n, w, 0, L);
            out.maxMoment = range.max;
            out.minMoment = range.min;
        });
    }

    // Supports: R = (shear just right) - (shear just left), as supportReactions() takes it.
    m_supports.resize(static_cast<std::size_t>(n + 1));
    const EndSupport leftEndKind = spanEnds(beam, 1).left, rightEndKind = spanEnds(beam, n).right;
    for (int j = 0; j <= n; ++j) {
        SupportEnvelope& out = m_supports[static_cast<std::size_t>(j)];
        out.present = !(j == 0 && leftEndKind == EndSupport::Free) &&
                      !(j == n && rightEndKind == EndSupport::Free);
        if (!out.present) {
            continue;
        }
        auto reaction = [&](int kind) {
            return [&, kind](int t) {
                const auto ti = static_cast<std::size_t>(t);
                const double right =
                    j < n ? leftEnd[static_cast<std::size_t>(j)][ti][static_cast<std::size_t>(kind)]
                                .VL
                          : 0.0;
                const double left = j > 0 ? rightEnd[static_cast<std::size_t>(j - 1)][ti]
                                                    [static_cast<std::size_t>(kind)]
                                                        .VR
                                          : 0.0;
                return right - left;
            };
        };
        Choice hi, lo;
        combine(w, n, reaction(kDead), reaction(kLive), hi, lo);
        out.maxReaction = stored(hi);
        out.minReaction = stored(lo);
        out.fixed = (j == 0 && leftEndKind == EndSupport::Fixed) ||
                    (j == n && rightEndKind == EndSupport::Fixed);
        if (out.fixed) {
            const CaseForces& f = j == 0 ? leftEnd[0] : rightEnd[static_cast<std::size_t>(n - 1)];
            combine(w, n, deadOf(f, &Forces::M), liveOf(f, &Forces::M), hi, lo);
            out.maxMoment = stored(hi);
            out.minMoment = stored(lo);
        }
    }
}

std::array<double, 2> Envelope::unitEndMoments(int s, int t, LoadCase loadCase) const {
    const SpanCases& c = *m_cases.at(static_cast<std::size_t>(s - 1));
    return c.endMoment.at(static_cast<std::size_t>(t - 1))[loadCase == Live ? kLive : kDead];
}

CombinationWeights CombinationWeights::basic(const CombinationFactors& f) {
    CombinationWeights w;
    w.fixedDead = f.deadFavourable ? *f.deadFavourable : f.dead;
    w.switchDead = f.deadFavourable ? double{f.dead} - *f.deadFavourable : 0.0;
    w.live = double{f.live} * f.designLife;
    return w;
}

EnvelopeSection Envelope::at(int s, float x) const {
    return at(s, x, weightsOf(m_factors));
}

MomentRange Envelope::momentRange(int s, float xFrom, float xTo,
                                  const CombinationWeights& w) const {
    if (s < 1 || s > m_spanCount) {
        throw std::out_of_range("Envelope::momentRange: span number out of range");
    }
    MomentRange range;
    atSpan(s, FloatingPointFault::Sections, [&] {
        range = momentExtremes(*m_cases[static_cast<std::size_t>(s - 1)], s, m_spanCount, w, xFrom,
                               xTo);
    });
    return range;
}

EnvelopeSection Envelope::at(int s, float x, const CombinationWeights& w) const {
    if (s < 1 || s > m_spanCount) {
        throw std::out_of_range("Envelope::at: span number out of range");
    }
    CaseForces f;
    m_cases[static_cast<std::size_t>(s - 1)]->forcesAt(s, m_spanCount, x, f);
    EnvelopeSection out;
    Choice hi, lo;
    const int n = m_spanCount;
    combine(w, n, deadOf(f, &Forces::M), liveOf(f, &Forces::M), hi, lo);
    out.maxMoment = stored(hi);
    out.minMoment = stored(lo);
    combine(w, n, deadOf(f, &Forces::MR), liveOf(f, &Forces::MR), hi, lo);
    out.maxMomentRight = stored(hi);
    out.minMomentRight = stored(lo);
    combine(w, n, deadOf(f, &Forces::VL), liveOf(f, &Forces::VL), hi, lo);
    out.maxShearLeft = stored(hi);
    out.minShearLeft = stored(lo);
    combine(w, n, deadOf(f, &Forces::VR), liveOf(f, &Forces::VR), hi, lo);
    out.maxShearRight = stored(hi);
    out.minShearRight = stored(lo);
    return out;
}

} // namespace spanwise
