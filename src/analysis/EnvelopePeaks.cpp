// The exact peaks of the moment envelope along a span: between the events where a unit case
// may change its sign the envelope is one cubic, whose turning points are found in closed form.
#include "analysis/EnvelopeCases.h"

#include "analysis/Cubic.h"

#include <algorithm>
#include <cmath>

namespace spanwise::envelope_cases {

using namespace envelope_combination;

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

} // namespace spanwise::envelope_cases
