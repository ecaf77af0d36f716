#include "analysis/SpanResults.h"

#include "analysis/LoadFormulas.h"
#include "analysis/NumberFormat.h"

#include "analysis/SectionForces.h"
#include "analysis/Single.h"
#include "analysis/SpanCurve.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace spanwise {

namespace {

// The section forces at x, into the caller's variables.
void forcesAt(const Beam& beam, const BeamResults& results, int s, const SpanCurve& loads, float x,
              float& M, float& VL, float& VR) {
    const SectionForce f = sectionForceAt(beam, results, s, x, loads);
    M = f.M;
    VL = f.VL;
    VR = f.VR;
}

// x of a place measured along the span's base system (from the free end of a span free at its
// right end), as a key section stores it.
float keyX(BaseSystem base, float L, double along) {
    return toSingle(base == BaseSystem::FreeRight ? double{L} - along : along);
}

} // namespace

void alreadyInRow(const KeyTable& table, int row, int n, bool& found) {
    const auto& slots = table[row];
    std::int16_t t = 1;
    while (t < n && slots[t] != slots[n]) {
        ++t;
    }
    found = t != n;
}

void sortRow(KeyTable& table, int row, int n) {
    auto& slots = table[row];
    for (int p = 1; p <= n - 1; ++p) {
        for (int t = p; t <= n; ++t) {
            if (slots[p] > slots[t]) {
                std::swap(slots[p], slots[t]);
            }
        }
    }
}

void keySections(const Beam& beam, BeamResults& results, int s) {
    auto& X = results.KeyPointX[s];
    const double L = beam.span(s).length;
    std::int16_t k = 0;
    // puts x in the next slot unless it already stands in the table
    auto addOnce = [&](float x) {
        ++k;
        X[k] = x;
        bool found = false;
        alreadyInRow(results.KeyPointX, s, k, found);
        if (found) {
            --k;
        }
    };
    const BaseSystem base = baseSystem(beam, s);
    const float length = beam.span(s).length;
    // a place twice: the forces (or moments) just left and just right of it
    auto addTwice = [&](float x) {
        X[++k] = x;
        X[++k] = x;
        bool found = false;
        alreadyInRow(results.KeyPointX, s, static_cast<std::int16_t>(k - 1), found);
        if (found) {
            k = static_cast<std::int16_t>(k - 2);
        }
    };
    for (int load = 1; load <= beam.span(s).loadCount(); ++load) {
        const Load& value = beam.span(s).load(load);
        const float a = value.a;
        switch (value.kind) {
        case Concentrated:
            addTwice(a);
            break;
        case Couple:
            addTwice(keyX(base, length, a));
            break;
        case PartialUniform:
        case Linear:
            if (const auto stretch = stretchOf(value, length)) {
                addOnce(keyX(base, length, stretch->from));
                addOnce(keyX(base, length, stretch->to));
            }
            break;
        case Uniform:
            addOnce(toSingle(L / 2));
            break;
        case Trapezoidal:
            addOnce(a);
            addOnce(toSingle(L - a));
            addOnce(toSingle(L / 2));
            break;
        default:
            break;
        }
    }
    ++k;
    X[k] = beam.span(s).length;
    X[k + 1] = -1;
    results.KeyPointLast[s] = k;
    sortRow(results.KeyPointX, s, k);
}

void keySectionForces(const Beam& beam, BeamResults& results, int s, const SpanCurve& loads,
                      KeySectionForces* shears) {
    const auto& X = results.KeyPointX[s];
    // The last slot comes from the count, not from a search for -1: a force at a = -1 (which a
    // file can hold) would otherwise be taken for the terminator.
    for (int t = 0; t <= results.KeyPointLast[s]; ++t) {
        const SectionForce f = sectionForceAt(beam, results, s, X[t], loads);
        const bool rightOfPair = t >= 1 && X[t] == X[t - 1];
        results.KeyPointM[s][t] = rightOfPair ? f.MR : f.M;
        results.KeyPointV[s][t] = rightOfPair ? f.VR : f.VL;
        if (shears != nullptr) {
            shears->VL[t] = f.VL;
            shears->VR[t] = f.VR;
            shears->ML[t] = f.M;
            shears->MR[t] = f.MR;
        }
    }
}

void bracketLargest(const std::array<float, 11>& values, std::int16_t& lo, std::int16_t& hi) {
    float m = values[1];
    int i = 1;
    for (int t = 2; t <= 10; ++t) {
        if (values[t] > m) {
            m = values[t];
            i = t;
        }
    }
    if (i == 1) {
        lo = 1;
    } else if (i == 10) {
        lo = 9;
    } else if (values[i - 1] <= values[i + 1]) {
        lo = static_cast<std::int16_t>(i);
    } else {
        lo = static_cast<std::int16_t>(i - 1);
    }
    hi = static_cast<std::int16_t>(lo + 1);
}

namespace {

// Largest moment over the candidate sections of span s: every key section, the true position
// of every force on a free right end (a counted from the free end), and every point between
// consecutive candidates where the shear passes zero. Between candidates the load intensity is
// linear, so the shear is at most quadratic: it is fitted through both ends and the middle.
struct Peak {
    float M;
    float x;
    MomentSide side;
};

struct Section {
    float x, M, VL, VR, MR;
};

Peak largestMomentAtCandidates(const Beam& beam, const BeamResults& results, int s,
                               const SpanCurve& loads, const KeySectionForces& shears) {
    constexpr int kMaxCandidates = kKeySlots + kMaxCalculatedLoads;
    std::array<Section, kMaxCandidates> sections{};
    int n = 0;
    for (int t = 0; t <= results.KeyPointLast[s]; ++t) {
        sections[n++] = {results.KeyPointX[s][t], shears.ML[t], shears.VL[t], shears.VR[t],
                         shears.MR[t]};
    }
    const bool freeRight = baseSystem(beam, s) == BaseSystem::FreeRight;
    bool upward = false, downward = false;
    for (int k = 1; k <= beam.span(s).loadCount(); ++k) {
        const Load& load = beam.span(s).load(k);
        if (load.kind == Concentrated && freeRight) {
            Section& at = sections[n++];
            at.x = toSingle(double{beam.span(s).length} - load.a);
            const SectionForce f = sectionForceAt(beam, results, s, at.x, loads);
            at = {at.x, f.M, f.VL, f.VR, f.MR};
        } else if (load.kind == Couple && loads.exact()) {
            // both sides of the moment's jump, at its place along the curve itself: on a free
            // right end no float x need fall exactly on it
            const CurveValue v = loads.at(load.a);
            Section& at = sections[n++];
            at.x = keyX(loads.base(), beam.span(s).length, load.a);
            at.M = toSingle(freeRight ? v.MAbove : v.M);
            at.MR = toSingle(freeRight ? v.M : v.MAbove);
            if (loads.base() == BaseSystem::SimplySupported) {
                float m = 0, v0 = 0;
                endMomentForces(results.EndMoment[s][1], results.EndMoment[s][2],
                                beam.span(s).length, at.x, m, v0);
                at.M = toSingle(double{at.M} + m);
                at.MR = toSingle(double{at.MR} + m);
            }
            const SectionForce f = sectionForceAt(beam, results, s, at.x, loads);
            at.VL = f.VL;
            at.VR = f.VR;
        } else if (load.kind != Concentrated && load.kind != Couple) {
            // a linear load's q2 may have the other sign than its q1
            const float second = load.kind == Linear ? load.P : load.q;
            upward = upward || load.q < 0 || second < 0;
            downward = downward || load.q > 0 || second > 0;
        }
    }
    auto byX = [](const Section& l, const Section& r) { return l.x < r.x; };
    std::sort(sections.begin(), sections.begin() + n, byX);
    // of sections at one x the first is kept, unless a later one shows a moment's jump there
    auto sameX = [](Section& kept, const Section& next) {
        if (kept.x != next.x) {
            return false;
        }
        if (next.M != next.MR && kept.M == kept.MR) {
            kept = next;
        }
        return true;
    };
    n = static_cast<int>(std::unique(sections.begin(), sections.begin() + n, sameX) -
                         sections.begin());

    Peak best{0, 0, MomentSide::None};
    bool any = false;
    auto consider = [&](float x, float M, MomentSide side = MomentSide::None) {
        if (!any || M > best.M) {
            best = {M, x, side};
            any = true;
        }
    };
    // both sides of a section where a concentrated moment stands
    auto considerSection = [&](const Section& at) {
        if (at.M == at.MR) {
            consider(at.x, at.M);
        } else {
            consider(at.x, at.M, MomentSide::Left);
            consider(at.x, at.MR, MomentSide::Right);
        }
    };
    considerSection(sections[0]);
    for (int t = 1; t < n; ++t) {
        const float x0 = sections[t - 1].x, x1 = sections[t].x;
        considerSection(sections[t]);
        const double va = sections[t - 1].VR, vb = sections[t].VL;
        // With loads of one sign the shear falls monotonically between candidates, so a peak
        // inside needs it to pass from positive to negative; mixed signs may turn it twice.
        if ((upward && downward) || (va > 0 && vb < 0)) {
            const float xm = toSingle((double{x0} + x1) / 2);
            float Mm = 0, vm = 0, vmR = 0;
            forcesAt(beam, results, s, loads, xm, Mm, vm, vmR);
            // V(t) = A t^2 + B t + C on t in [0, 1], through t = 0, tm, 1
            const double width = double{x1} - x0;
            const double tm = width > 0 ? (double{xm} - x0) / width : 0.5;
            double A = 0, B = vb - va;
            if (tm > 0 && tm < 1) {
                A = ((vm - va) - tm * (vb - va)) / (tm * tm - tm);
                B = (vb - va) - A;
            }
            const double C = va;
            std::array<double, 2> roots{-1, -1};
            if (std::fabs(A) <= 1e-12 * (std::fabs(B) + std::fabs(C))) {
                if (B != 0) {
                    roots[0] = -C / B;
                }
            } else {
                const double disc = B * B - 4 * A * C;
                if (disc >= 0) {
                    const double q = -0.5 * (B + std::copysign(std::sqrt(disc), B));
                    roots[0] = q / A;
                    roots[1] = q != 0 ? C / q : -1;
                }
            }
            for (double r : roots) {
                if (r > 0 && r < 1) {
                    const float xr = std::clamp(toSingle(x0 + r * width), x0, x1);
                    float Mr = 0, vl = 0, vr = 0;
                    forcesAt(beam, results, s, loads, xr, Mr, vl, vr);
                    consider(xr, Mr);
                }
            }
        }
    }
    return best;
}

} // namespace

void searchMaxMoment(const Beam& beam, BeamResults& results, int s, const SpanCurve& loads,
                     const KeySectionForces* shears) {
    std::array<float, 11> X{}, Mt{};
    float lo = 0, hi = beam.span(s).length;
    std::int16_t p = 1, q = 2;
    bool searched = false;
    while (std::fabs(toSingle(double{lo} - hi)) > 0.0001f) {
        const double step = (double{hi} - lo) / 9;
        // the ends of the new bracket were sampled in the round before: same x, same moment
        const float Mlo = Mt[p], Mhi = Mt[q];
        for (int t = 1; t <= 10; ++t) {
            X[t] = toSingle(lo + step * (t - 1));
            if (searched && X[t] == lo) {
                Mt[t] = Mlo;
            } else if (searched && X[t] == hi) {
                Mt[t] = Mhi;
            } else if (loads.exact()) {
                Mt[t] =
                    curveMomentAt(loads, results.EndMoment[s][1], results.EndMoment[s][2], X[t]);
            } else {
                float vl = 0, vr = 0;
                forcesAt(beam, results, s, loads, X[t], Mt[t], vl, vr);
            }
        }
        bracketLargest(Mt, p, q);
        searched = true;
        // On a long span the bracket can shrink to neighbouring floats more than 0.0001 m
        // apart; once a round no longer narrows it, no later round will.
        const bool stuck = X[p] == lo && X[q] == hi;
        lo = X[p];
        hi = X[q];
        if (stuck) {
            break;
        }
    }
    float best = Mt[p];
    float bestX = lo;
    KeySectionForces own;
    if (shears == nullptr) {
        for (int t = 0; t <= results.KeyPointLast[s]; ++t) {
            const SectionForce f = sectionForceAt(beam, results, s, results.KeyPointX[s][t], loads);
            own.ML[t] = f.M;
            own.MR[t] = f.MR;
            own.VL[t] = f.VL;
            own.VR[t] = f.VR;
        }
        shears = &own;
    }
    const Peak peak = largestMomentAtCandidates(beam, results, s, loads, *shears);
    MomentSide side = MomentSide::None;
    if (!searched || double{peak.M} - best > 0.0005) {
        best = peak.M;
        bestX = peak.x;
        side = peak.side;
    }
    results.SpanMaxMoment[s] = best;
    results.SpanMaxMomentX[s] = bestX;
    results.SpanMaxMomentSide[s] = side;
}

SpanResult spanResult(const Beam& beam, const BeamResults& results, int s) {
    const int last = results.KeyPointLast[s];
    SpanResult row;
    row.label = "第" + std::to_string(s) + "跨";
    row.length = beam.span(s).length;
    row.leftV = results.KeyPointV[s][0];
    row.leftM = results.KeyPointM[s][0];
    row.maxMoment = results.SpanMaxMoment[s];
    row.maxMomentX = results.SpanMaxMomentX[s];
    row.maxMomentSide = results.SpanMaxMomentSide[s];
    row.rightV = results.KeyPointV[s][last];
    row.rightM = results.KeyPointM[s][last];
    return row;
}

std::string maxMomentPositionText(float x, MomentSide side) {
    switch (side) {
    case MomentSide::Left:
        return formatResult(x) + "(左)";
    case MomentSide::Right:
        return formatResult(x) + "(右)";
    default:
        return formatResult(x);
    }
}

std::array<std::string, kResultColumns> resultRowTexts(const SpanResult& row) {
    std::array<std::string, kResultColumns> texts{row.label};
    const auto numbers = row.numbers();
    for (std::size_t c = 0; c < numbers.size(); ++c) {
        texts[c + 1] = formatResult(numbers[c]);
    }
    texts[5] = maxMomentPositionText(row.maxMomentX, row.maxMomentSide);
    return texts;
}

} // namespace spanwise
