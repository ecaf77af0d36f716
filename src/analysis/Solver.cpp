#include "analysis/Solver.h"

#include "analysis/DistributionWorking.h"
#include "analysis/Single.h"
#include "analysis/SpanCurve.h"

#include <array>
#include <cmath>
#include <optional>

namespace spanwise {

namespace {

// The rows of the load-term table: which ends of a span are held, and how.
enum class LoadTermRow {
    BothHeld,    // interior span, or an end span at a fixed outer end
    PinnedLeft,  // span 1 with a simple left end, held at joint 1
    PinnedRight, // span N with a simple right end, held at joint N-1
    FreeLeft,    // span 1 with a cantilever left end
    FreeRight,   // span N with a cantilever right end
};

LoadTermRow leftEndRow(EndSupport end) {
    switch (end) {
    case EndSupport::Free:
        return LoadTermRow::FreeLeft;
    case EndSupport::Simple:
        return LoadTermRow::PinnedLeft;
    default:
        return LoadTermRow::BothHeld;
    }
}

LoadTermRow rightEndRow(EndSupport end) {
    switch (end) {
    case EndSupport::Free:
        return LoadTermRow::FreeRight;
    case EndSupport::Simple:
        return LoadTermRow::PinnedRight;
    default:
        return LoadTermRow::BothHeld;
    }
}

// The row of a one-span beam: fixed at both ends, propped (fixed at one end, simple at the
// other) or a cantilever from a fixed end; none on two simple supports (no end moments) and
// for the mechanisms the data check refuses.
std::optional<LoadTermRow> singleSpanRow(SpanEnds ends) {
    using enum EndSupport;
    if (ends.left == Fixed && ends.right == Fixed) {
        return LoadTermRow::BothHeld;
    }
    if (ends.left == Fixed) {
        return ends.right == Simple ? std::optional(LoadTermRow::PinnedRight)
                                    : std::optional(LoadTermRow::FreeRight);
    }
    if (ends.right == Fixed) {
        return ends.left == Simple ? std::optional(LoadTermRow::PinnedLeft)
                                   : std::optional(LoadTermRow::FreeLeft);
    }
    return std::nullopt;
}

// The stiffness factor of a span at its outer end: 0 free, 3 simple, 4 fixed.
double outerEndFactor(EndSupport end) {
    switch (end) {
    case EndSupport::Free:
        return 0.0;
    case EndSupport::Simple:
        return 3.0;
    default:
        return 4.0;
    }
}

// The integral of w(x) p(x) over a load's stretch, w = atFrom..atTo linear along it and p a
// cubic of x given by its coefficients: exact, term by term.
double stretchIntegral(const LoadStretch& stretch, const std::array<double, 4>& p) {
    const double slope = (stretch.atTo - stretch.atFrom) / (stretch.to - stretch.from);
    const double alpha = stretch.atFrom - slope * stretch.from;
    double sum = 0;
    double from = stretch.from, to = stretch.to; // powers of the ends, raised term by term
    for (std::size_t k = 0; k < p.size(); ++k) {
        const double toK1 = to * stretch.to, fromK1 = from * stretch.from; // x^(k+2)
        sum += p[k] * (alpha * (to - from) / static_cast<double>(k + 1) +
                       slope * (toK1 - fromK1) / static_cast<double>(k + 2));
        to = toK1;
        from = fromK1;
    }
    return sum;
}

// The load terms of a partial or linear load (stretch along xi, which is x wherever both ends
// are held): w(x) times the influence of a force at x, integrated in closed form.
void addStretchTerms(const LoadStretch& w, double L, LoadTermRow row, float& F1, float& F2) {
    const double L2 = L * L;
    switch (row) {
    case LoadTermRow::BothHeld: // -P a b^2 / L^2 and P a^2 b / L^2 with a = x, b = L - x
        addSingle(F1, -stretchIntegral(w, {0, L2, -2 * L, 1}) / L2);
        addSingle(F2, stretchIntegral(w, {0, 0, L, -1}) / L2);
        break;
    case LoadTermRow::PinnedLeft: // P x (L^2 - x^2) / 2L^2
        addSingle(F2, stretchIntegral(w, {0, L2, 0, -1}) / (2 * L2));
        break;
    case LoadTermRow::PinnedRight: // -P x (L - x)(2L - x) / 2L^2
        addSingle(F1, -stretchIntegral(w, {0, 2 * L2, -3 * L, 1}) / (2 * L2));
        break;
    case LoadTermRow::FreeLeft: // the lever arm about the support is L - xi
        addSingle(F2, stretchIntegral(w, {L, -1, 0, 0}));
        break;
    case LoadTermRow::FreeRight:
        addSingle(F1, -stretchIntegral(w, {L, -1, 0, 0}));
        break;
    }
}

// The load terms of a clockwise moment M at a (b = L - a): the rate of change of a force's
// terms with its place, as a moment is two opposite forces infinitely close.
void addCoupleTerms(double M, double a, double L, LoadTermRow row, float& F1, float& F2) {
    const double b = L - a, L2 = L * L;
    switch (row) {
    case LoadTermRow::BothHeld:
        addSingle(F1, M * b * (2 * a - b) / L2);
        addSingle(F2, M * a * (2 * b - a) / L2);
        break;
    case LoadTermRow::PinnedLeft:
        addSingle(F2, M * (L2 - 3 * a * a) / (2 * L2));
        break;
    case LoadTermRow::PinnedRight:
        addSingle(F1, M * (L2 - 3 * b * b) / (2 * L2));
        break;
    case LoadTermRow::FreeLeft: // the bending moment at the support is +M, so M2 = -M
        addSingle(F2, -M);
        break;
    case LoadTermRow::FreeRight: // there it is -M, so M1 = -M
        addSingle(F1, -M);
        break;
    }
}

// Adds the load terms of every load of span s for one row of the table.
void addLoadTerms(const Beam& beam, int s, LoadTermRow row, std::optional<LoadCase> loadCase,
                  float& F1, float& F2) {
    const double L = beam.span(s).length;
    for (int k = 1; k <= beam.span(s).loadCount(); ++k) {
        if (loadCase && beam.span(s).load(k).loadCase != *loadCase) {
            continue;
        }
        const double P = beam.span(s).load(k).P;
        const double q = beam.span(s).load(k).q;
        const double a = beam.span(s).load(k).a;
        const double b = beam.span(s).load(k).b;
        const int kind = beam.span(s).load(k).kind;
        if (kind == PartialUniform || kind == Linear) {
            if (const auto stretch = stretchOf(beam.span(s).load(k), L)) {
                addStretchTerms(*stretch, L, row, F1, F2);
            }
            continue;
        }
        if (kind == Couple) {
            addCoupleTerms(P, a, L, row, F1, F2);
            continue;
        }
        if (kind != Concentrated && kind != Uniform && kind != Trapezoidal) {
            continue;
        }
        // (1 - 2 a^2/L^2 + a^3/L^3), the trapezoid's share of the uniform load's term
        const double trapezoidShare = 1 - 2 * a * a / L / L + (a * a * a) / (L * L * L);
        switch (row) {
        case LoadTermRow::BothHeld:
            if (kind == Concentrated) {
                addSingle(F1, -(P * a * b * b / (L * L)));
                addSingle(F2, P * a * a * b / (L * L));
            } else {
                const double share = kind == Uniform ? 1.0 : trapezoidShare;
                addSingle(F1, -(q * L * L / 12 * share));
                addSingle(F2, q * L * L / 12 * share);
            }
            break;
        case LoadTermRow::PinnedLeft:
            if (kind == Concentrated) {
                addSingle(F2, P * a * b * (1 + a / L) / (2 * L));
            } else {
                addSingle(F2, q * L * L / 8 * (kind == Uniform ? 1.0 : trapezoidShare));
            }
            break;
        case LoadTermRow::PinnedRight:
            if (kind == Concentrated) {
                addSingle(F1, -(P * a * b * (1 + b / L) / (2 * L)));
            } else {
                addSingle(F1, -(q * L * L / 8 * (kind == Uniform ? 1.0 : trapezoidShare)));
            }
            break;
        case LoadTermRow::FreeLeft:
        case LoadTermRow::FreeRight: {
            // a of a force is counted from the free end, so b is its lever arm about the support
            double support = 0;
            if (kind == Concentrated) {
                support = P * b;
            } else if (kind == Uniform) {
                support = q * L * L / 2;
            } else {
                support = q * (L - 2 * a) * L / 2 + (q * a / 2) * (L - 2 * a / 3) + q * a * a / 3;
            }
            if (row == LoadTermRow::FreeLeft) {
                addSingle(F2, support);
            } else {
                addSingle(F1, -support);
            }
            break;
        }
        }
    }
}

} // namespace

double stiffnessFactor(const Beam& beam, int s) {
    const SpanEnds ends = spanEnds(beam, s);
    if (ends.right != EndSupport::Continuous) {
        return outerEndFactor(ends.right);
    }
    if (ends.left != EndSupport::Continuous) {
        return outerEndFactor(ends.left);
    }
    return 4;
}

double rotationalStiffness(const Beam& beam, int s) {
    return stiffnessFactor(beam, s) * beam.span(s).lineStiffness;
}

void spanLoadTerms(const Beam& beam, int s, std::optional<LoadCase> loadCase, float& F1,
                   float& F2) {
    atSpan(s, FloatingPointFault::LoadTerms, [&] {
        const SpanEnds ends = spanEnds(beam, s);
        if (beam.spanCount() == 1) {
            // a single span has no joint: its end moments are those of its two supports at once
            if (const std::optional<LoadTermRow> row = singleSpanRow(ends)) {
                addLoadTerms(beam, s, *row, loadCase, F1, F2);
            }
            return;
        }
        if (ends.left != EndSupport::Continuous) {
            addLoadTerms(beam, s, leftEndRow(ends.left), loadCase, F1, F2);
        }
        if (ends.right != EndSupport::Continuous) {
            addLoadTerms(beam, s, rightEndRow(ends.right), loadCase, F1, F2);
        }
        if (ends.left == EndSupport::Continuous && ends.right == EndSupport::Continuous) {
            addLoadTerms(beam, s, LoadTermRow::BothHeld, loadCase, F1, F2);
        }
    });
}

void loadTerms(const Beam& beam, BeamResults& results) {
    for (int s = 1; s <= beam.spanCount(); ++s) {
        spanLoadTerms(beam, s, std::nullopt, results.FixedEndMoment[s][1],
                      results.FixedEndMoment[s][2]);
    }
}

void distributionFactors(const Beam& beam, BeamResults& results) {
    const int N = beam.spanCount();
    auto& k = results.StiffnessFactor;
    auto& D = results.DistributionFactor;
    auto& c = results.CarryOverFactor;

    for (int s = 1; s <= N; ++s) {
        k[s] = static_cast<float>(stiffnessFactor(beam, s));
    }

    if (N >= 2) {
        auto S = [&](int s) { return double{k[s]} * beam.span(s).lineStiffness; };
        // share of span `own` at the joint it shares with span `other`
        auto share = [&](int own, int other, int joint) {
            const double sum = S(own) + S(other);
            if (sum == 0) {
                throw JointWithoutStiffness(own, joint);
            }
            float factor = 0;
            atSpan(own, FloatingPointFault::Factors, [&] { factor = toSingle(S(own) / sum); });
            return factor;
        };
        D[1][1] = 0;
        D[1][2] = share(1, 2, 1);
        for (int s = 2; s <= N - 1; ++s) {
            D[s][1] = share(s, s - 1, s - 1);
            D[s][2] = share(s, s + 1, s);
        }
        D[N][1] = share(N, N - 1, N - 1);
        D[N][2] = 0;
    }

    c[1] = spanEnds(beam, 1).left == EndSupport::Fixed ? 0.5f : 0.0f;
    c[N] = spanEnds(beam, N).right == EndSupport::Fixed ? 0.5f : 0.0f;
    for (int s = 2; s <= N - 1; ++s) {
        c[s] = 0.5f;
    }
}

namespace {

// What distributeWith() tells its recorder about each step; the plain calculation's recorder
// does nothing and costs nothing.
struct NoRecording {
    void step(long, int, double, float, float, float, float) {}
};

struct WorkingRecording {
    DistributionWorking& working;
    void step(long round, int joint, double unbalanced, float left, float right, float carryLeft,
              float carryRight) {
        working.record(round, joint, unbalanced, left, right, carryLeft, carryRight);
    }
};

template <typename Recorder>
long distributeWith(const Beam& beam, BeamResults& results, Recorder&& recorder) {
    const int N = beam.spanCount();
    auto& EM = results.EndMoment;
    auto& DM = results.DistributedMoment;
    const auto& D = results.DistributionFactor;
    const auto& c = results.CarryOverFactor;

    for (int s = 1; s <= N; ++s) {
        EM[s][1] = results.FixedEndMoment[s][1];
        EM[s][2] = results.FixedEndMoment[s][2];
    }

    constexpr float kTolerance = 0.00001f;
    for (long sweep = 1;; ++sweep) {
        if (sweep > kMaxSweeps) {
            throw NoConvergence(kMaxSweeps);
        }
        const EndArray before = EM;
        for (int j = 1; j <= N - 1; ++j) {
            try {
                const double U = double{EM[j][2]} + EM[j + 1][1];
                DM[j][2] = toSingle(-U * D[j][2]);
                DM[j + 1][1] = toSingle(-U * D[j + 1][1]);
                addSingle(EM[j][2], DM[j][2]);
                addSingle(EM[j + 1][1], DM[j + 1][1]);
                addSingle(EM[j][1], double{DM[j][2]} * c[j]);
                addSingle(EM[j + 1][2], double{DM[j + 1][1]} * c[j + 1]);
                recorder.step(sweep, j, U, DM[j][2], DM[j + 1][1], c[j], c[j + 1]);
            } catch (FloatingPointFault& fault) {
                fault.span = j;
                fault.joint = j;
                fault.stage = FloatingPointFault::Distribution;
                throw;
            }
        }
        int settled = 0;
        for (int j = 1; j <= N - 1; ++j) {
            if (std::fabs(DM[j][2]) < kTolerance && std::fabs(DM[j + 1][1]) < kTolerance) {
                ++settled;
            }
        }
        // A sweep that ends where it began would repeat itself forever: the values have come to
        // rest where the corrections are at the last place of the end moments and cancel out.
        if (settled == N - 1 || EM == before) {
            return sweep;
        }
    }
}

} // namespace

long distributeMoments(const Beam& beam, BeamResults& results) {
    return distributeWith(beam, results, NoRecording{});
}

long distributeMoments(const Beam& beam, BeamResults& results, DistributionWorking& working) {
    return distributeWith(beam, results, WorkingRecording{working});
}

} // namespace spanwise
