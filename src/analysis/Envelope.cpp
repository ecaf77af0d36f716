#include "analysis/Envelope.h"

#include "analysis/CalculationError.h"
#include "analysis/Cubic.h"
#include "analysis/EnvelopeCombination.h"
#include "analysis/Single.h"
#include "analysis/Solver.h"
#include "analysis/SpanCurve.h"
#include "model/BeamResults.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <stdexcept>

namespace spanwise {

using namespace envelope_combination;

namespace {

constexpr int kDead = 0, kLive = 1;

struct Forces {
    double M = 0, VL = 0, VR = 0;
    double MR = 0; // just right of the section: differs from M at a concentrated moment
};

// Where along xi an extreme of the moment was found: at a place where M jumps, the side.
enum class XiSide { Inside, Below, Above };

} // namespace

struct Envelope::SpanCases {
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

namespace {

using CaseForces = std::array<std::array<Forces, 2>, kMaxSpans>;

template <typename Field> auto deadOf(const CaseForces& f, Field field) {
    return [&f, field](int t) { return f[static_cast<std::size_t>(t)][kDead].*field; };
}
template <typename Field> auto liveOf(const CaseForces& f, Field field) {
    return [&f, field](int t) { return f[static_cast<std::size_t>(t)][kLive].*field; };
}

Extreme stored(const Choice& c) {
    return {toSingle(c.value), c.arrangement};
}

// The sections of span s where the moment envelope peaks: xi of the largest and of the
// smallest value. Between events (the breaks of the span's own curves and every zero of a
// case that may switch) each case keeps its sign, so the envelope is one cubic there.
// Only [xiLo, xiHi] is searched (the whole span: 0, L).
void momentPeaks(const Envelope::SpanCases& c, int s, int n, const Weights& w, double xiLo,
                 double xiHi, double& xiMax, double& xiMin, XiSide& sideMax, XiSide& sideMin) {
    const bool simple = c.base == BaseSystem::SimplySupported;
    const double L = c.L;
    // A case as it acts on this span: A + B xi, plus `own` times the span's own curve.
    struct Term {
        double A = 0, B = 0, own = 0;
        int kind = kDead;
        int sign = 0;
    };
    auto linear = [&](int t, int kind, double weight, Term& term) {
        term.kind = kind;
        if (simple) {
            const auto& m =
                c.endMoment[static_cast<std::size_t>(t - 1)][static_cast<std::size_t>(kind)];
            term.A = weight * m[0];
            term.B = -weight * (m[0] + m[1]) / L;
        }
        term.own = t == s ? weight : 0.0;
    };
    Term fixed; // the dead load at fixedDead: its linear part; own curve below
    std::vector<Term> others, own;
    for (int t = 1; t <= n; ++t) {
        Term d;
        linear(t, kDead, w.fixedDead, d);
        fixed.A += d.A;
        fixed.B += d.B;
        for (int kind : {kDead, kLive}) {
            const double weight = kind == kDead ? w.switchDead : w.live;
            if (weight == 0) {
                continue;
            }
            Term term;
            linear(t, kind, weight, term);
            if (t == s) {
                own.push_back(term);
            } else if (term.A != 0 || term.B != 0) {
                others.push_back(term);
            }
        }
    }
    fixed.own = w.fixedDead;

    // The span's own pieces: the breaks of both curves.
    std::vector<double> breaks;
    for (int kind : {kDead, kLive}) {
        const SpanCurve& curve = c.curve(kind);
        for (int p = 0; p <= curve.pieceCount(); ++p) {
            breaks.push_back(p < curve.pieceCount() ? curve.pieceStart(p) : curve.pieceEnd(p - 1));
        }
    }
    std::sort(breaks.begin(), breaks.end());
    breaks.erase(std::unique(breaks.begin(), breaks.end()), breaks.end());
    const std::size_t pieces = breaks.size() - 1;

    // Per own piece, the curves as cubics in xi - breaks[k].
    std::vector<std::array<Cubic, 2>> curves(pieces);
    for (int kind : {kDead, kLive}) {
        const SpanCurve& curve = c.curve(kind);
        int p = 0;
        for (std::size_t k = 0; k < pieces; ++k) {
            while (p + 1 < curve.pieceCount() && curve.pieceEnd(p) <= breaks[k]) {
                ++p;
            }
            curves[k][static_cast<std::size_t>(kind)] =
                shifted(curve.moment(p), breaks[k] - curve.pieceStart(p));
        }
    }
    auto termCubic = [&](const Term& term, std::size_t k) {
        const Cubic line{term.A + term.B * breaks[k], term.B, 0, 0};
        return line + term.own * curves[k][static_cast<std::size_t>(term.kind)];
    };

    // Events: the breaks, the zeros of the other spans' cases (tagged) and of the own cases.
    struct Event {
        double xi;
        int term; // index into others, or -1
    };
    std::vector<Event> events;
    for (double b : breaks) {
        events.push_back({b, -1});
    }
    events.push_back({xiLo, -1});
    events.push_back({xiHi, -1});
    for (std::size_t j = 0; j < others.size(); ++j) {
        const Term& term = others[j];
        if (term.B != 0) {
            const double xi = -term.A / term.B;
            if (xi > 0 && xi < L) {
                events.push_back({xi, static_cast<int>(j)});
            }
        }
    }
    std::vector<double> zeros;
    for (const Term& term : own) {
        for (std::size_t k = 0; k < pieces; ++k) {
            addZeros(termCubic(term, k), 0, breaks[k + 1] - breaks[k], breaks[k], zeros);
        }
    }
    for (double z : zeros) {
        events.push_back({z, -1});
    }
    std::sort(events.begin(), events.end(),
              [](const Event& a, const Event& b) { return a.xi < b.xi; });

    // The other cases' sums by sign, kept up to date as the sweep passes their zeros.
    double posA = 0, posB = 0, negA = 0, negB = 0;
    auto classify = [&](Term& term, double xi, int add) {
        const double v = term.A + term.B * xi;
        if (add < 0) {
            if (term.sign > 0) {
                posA -= term.A;
                posB -= term.B;
            } else if (term.sign < 0) {
                negA -= term.A;
                negB -= term.B;
            }
            return;
        }
        term.sign = v > 0 ? 1 : v < 0 ? -1 : 0;
        if (term.sign > 0) {
            posA += term.A;
            posB += term.B;
        } else if (term.sign < 0) {
            negA += term.A;
            negB += term.B;
        }
    };
    std::vector<int> pending;
    for (std::size_t j = 0; j < others.size(); ++j) {
        pending.push_back(static_cast<int>(j));
    }

    double best = -HUGE_VAL, worst = HUGE_VAL;
    xiMax = xiMin = xiLo;
    sideMax = sideMin = XiSide::Inside;
    std::size_t k = 0;
    for (std::size_t e = 0; e + 1 < events.size(); ++e) {
        if (events[e].term >= 0) {
            pending.push_back(events[e].term);
        }
        // Zeros a few units of the last place apart (the influence lines of a fixed end all
        // pass zero at a third of the span) leave slivers where no sign can be told: the sweep
        // steps over them, the envelope being continuous.
        const double from = events[e].xi, to = events[e + 1].xi;
        if (!(to - from > 1e-9 * L)) {
            continue;
        }
        const double middle = (from + to) / 2;
        for (int j : pending) {
            Term& term = others[static_cast<std::size_t>(j)];
            classify(term, middle, -1);
            classify(term, middle, 1);
        }
        pending.clear();
        while (k + 1 < pieces && breaks[k + 1] <= from) {
            ++k;
        }
        if (from < xiLo || to > xiHi) {
            continue; // outside the stretch asked for: its signs are kept, nothing else
        }
        const double origin = breaks[k];
        Cubic hi = termCubic(fixed, k), lo = hi;
        hi = hi + Cubic{posA + posB * origin, posB, 0, 0};
        lo = lo + Cubic{negA + negB * origin, negB, 0, 0};
        for (const Term& term : own) {
            const Cubic cubic = termCubic(term, k);
            const double v = valueOf(cubic, middle - origin);
            if (v > 0) {
                hi = hi + cubic;
            } else if (v < 0) {
                lo = lo + cubic;
            }
        }
        const double a = from - origin, b = to - origin;
        std::array<double, 2> turns{};
        // the start of a stretch lies just above its xi, the end just below
        auto consider = [&](const Cubic& cubic, double t, bool largest, XiSide side) {
            const double v = valueOf(cubic, t);
            if (largest && v > best) {
                best = v;
                xiMax = origin + t;
                sideMax = side;
            } else if (!largest && v < worst) {
                worst = v;
                xiMin = origin + t;
                sideMin = side;
            }
        };
        for (bool largest : {true, false}) {
            const Cubic& cubic = largest ? hi : lo;
            consider(cubic, a, largest, XiSide::Above);
            consider(cubic, b, largest, XiSide::Below);
            const int m = turningPoints(cubic, a, b, turns);
            for (int i = 0; i < m; ++i) {
                consider(cubic, turns[static_cast<std::size_t>(i)], largest, XiSide::Inside);
            }
        }
    }
}

// The extremes of the combination w over [xFrom, xTo] of span s, exactly where they are, with
// the side of a concentrated moment they stand on and the shears there.
MomentRange momentExtremes(const Envelope::SpanCases& c, int s, int n, const Weights& w,
                           float xFrom, float xTo) {
    const bool reversed = c.base == BaseSystem::FreeRight;
    const double lo = reversed ? c.L - xTo : xFrom, hi = reversed ? c.L - xFrom : xTo;
    double xiMax = 0, xiMin = 0;
    XiSide sideMax = XiSide::Inside, sideMin = XiSide::Inside;
    momentPeaks(c, s, n, w, lo, hi, xiMax, xiMin, sideMax, sideMin);
    MomentRange range;
    for (auto [xi, largest] : {std::pair{xiMax, true}, std::pair{xiMin, false}}) {
        MomentExtreme& target = largest ? range.max : range.min;
        const float x = std::clamp(static_cast<float>(reversed ? c.L - xi : xi), xFrom, xTo);
        CaseForces f;
        c.forcesAt(s, n, x, f, xi);
        Choice high, low, highRight, lowRight;
        combine(w, n, deadOf(f, &Forces::M), liveOf(f, &Forces::M), high, low);
        combine(w, n, deadOf(f, &Forces::MR), liveOf(f, &Forces::MR), highRight, lowRight);
        // on a concentrated moment, the side the extreme was found on (along x)
        const XiSide found = largest ? sideMax : sideMin;
        const bool jumps = largest ? high.value != highRight.value : low.value != lowRight.value;
        const bool right =
            jumps && found != XiSide::Inside && ((found == XiSide::Above) != reversed);
        const Choice& choice = largest ? (right ? highRight : high) : (right ? lowRight : low);
        target.value = toSingle(choice.value);
        target.x = x;
        target.side = !jumps ? MomentSide::None : right ? MomentSide::Right : MomentSide::Left;
        target.arrangement = choice.arrangement;
        target.shearLeft = toSingle(
            under(w, n, choice.arrangement, deadOf(f, &Forces::VL), liveOf(f, &Forces::VL)));
        target.shearRight = toSingle(
            under(w, n, choice.arrangement, deadOf(f, &Forces::VR), liveOf(f, &Forces::VR)));
    }
    return range;
}

} // namespace

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
        if (span.loadCount() > kMaxLoads) {
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
