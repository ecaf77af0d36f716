// The envelope against every arrangement solved as a plain calculation of its factored loads,
// and against values worked by hand.
#include "support/BeamBuilder.h"

#include "analysis/Envelope.h"
#include "analysis/NumberFormat.h"
#include "analysis/Reactions.h"
#include "analysis/SectionForces.h"
#include "analysis/SpanCurve.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace spanwise {
namespace {

using namespace test;

// The loads of one arrangement, factored: what an engineer would enter to check it by hand.
Beam factored(const Beam& beam, const Arrangement& a) {
    Beam out = beam;
    const CombinationFactors& f = beam.factors;
    for (int s = 1; s <= out.spanCount(); ++s) {
        const std::uint32_t bit = 1u << (s - 1);
        std::vector<Load> kept;
        for (Load load : out.span(s).loads) {
            double factor = double{f.live} * f.designLife;
            if (load.loadCase == Dead) {
                factor = (a.favourableDead & bit) ? *f.deadFavourable : f.dead;
            } else if (!(a.liveSpans & bit)) {
                continue;
            }
            load.P = static_cast<float>(factor * load.P);
            load.q = static_cast<float>(factor * load.q);
            kept.push_back(load);
        }
        out.span(s).loads = kept;
    }
    return out;
}

TEST(Envelope, EqualSpansByHand) {
    struct Case {
        int spans, s;
        bool largest;
        const char *value, *x;
        std::vector<int> live;
    };
    // two spans of 6 m, G = 20, Q = 10 kN/m, 1.3 / 1.5; three spans: M_B = -(0.1 * 1.3 * 20 +
    // 7/60 * 1.5 * 10) * 36
    const Case cases[] = {{2, 1, false, "-184.5", "6", {1, 2}},
                          {2, 1, true, "116.823", "2.387", {1}},
                          {2, 2, true, "116.823", "3.613", {2}},
                          {3, 1, false, "-156.6", "6", {1, 2}}};
    for (const Case& c : cases) {
        BeamBuilder b(c.spans, 6);
        for (int s = 1; s <= c.spans; ++s) {
            b.uniform(s, 20).uniform(s, 10);
        }
        Beam beam = b.beam();
        for (int s = 1; s <= c.spans; ++s) {
            beam.span(s).load(2).loadCase = Live;
        }
        const Envelope envelope(beam);
        const MomentExtreme& m =
            c.largest ? envelope.span(c.s).maxMoment : envelope.span(c.s).minMoment;
        EXPECT_EQ(formatResult(m.value), c.value);
        EXPECT_EQ(formatResult(m.x), c.x);
        EXPECT_EQ(spansOf(m.arrangement.liveSpans), c.live);
    }
}

TEST(Envelope, WithoutLiveLoadsItIsTheFactoredDeadLoad) {
    Beam beam = BeamBuilder({5, 7}).uniform(1, 12).force(2, 30, 2).ends(Fixed, Simple).beam();
    {
        const Envelope envelope(beam);
        Arrangement all;
        const BeamResults r = solve(factored(beam, all));
        for (int s = 1; s <= 2; ++s) {
            EXPECT_NEAR(envelope.span(s).maxMoment.value, r.SpanMaxMoment[s], 1e-3);
            EXPECT_EQ(envelope.span(s).maxMoment.arrangement.liveSpans, 0u);
        }
        EXPECT_NEAR(envelope.support(0).minMoment.value, r.EndMoment[1][1], 1e-3);
        EXPECT_EQ(envelope.support(0).maxMoment.value, envelope.support(0).minMoment.value);
    }
    // a result is stale once a load changes case, a factor changes, or what the deflections
    // take (EI, psi_q, the limit)
    Beam live = beam, factors = beam, rigidity = beam, limit = beam;
    live.span(1).load(1).loadCase = Live;
    factors.factors.live = 1.4f;
    rigidity.span(1).ei = 2;
    limit.deflection.limitDenominator = 400;
    EXPECT_TRUE(sameCalculationInput(beam, beam));
    for (const Beam* changed : {&live, &factors, &rigidity, &limit}) {
        EXPECT_FALSE(sameCalculationInput(beam, *changed));
    }
    EXPECT_EQ(arrangementText({0b101, 0b10}), "活载布置：1,3跨；恒载取有利值：2跨");
    EXPECT_EQ(arrangementText({}), "活载布置：无");
}

// Every arrangement solved on its own; the envelope must be their exact hull.
void checkAgainstEveryArrangement(const Beam& beam, const std::string& name) {
    SCOPED_TRACE(name);
    const int n = beam.spanCount();
    const bool favourable = beam.factors.deadFavourable.has_value();
    const Envelope envelope(beam);
    // sections: even ones, every load's positions and the envelope's own extremes
    std::vector<std::vector<float>> xs(static_cast<std::size_t>(n + 1));
    for (int s = 1; s <= n; ++s) {
        const float L = beam.span(s).length;
        auto& x = xs[static_cast<std::size_t>(s)];
        for (int i = 0; i <= 60; ++i) {
            x.push_back(static_cast<float>(L * i / 60.0));
        }
        for (const Load& load : beam.span(s).loads) {
            x.insert(x.end(), {load.a, L - load.a});
        }
        x.insert(x.end(), {envelope.span(s).maxMoment.x, envelope.span(s).minMoment.x});
    }
    struct Hull {
        double hi = -HUGE_VAL, lo = HUGE_VAL;
        void add(double v) {
            hi = std::max(hi, v);
            lo = std::min(lo, v);
        }
    };
    std::vector<std::vector<Hull>> M(static_cast<std::size_t>(n + 1)),
        V(static_cast<std::size_t>(n + 1));
    std::vector<Hull> spanMax(static_cast<std::size_t>(n + 1)),
        leftV(static_cast<std::size_t>(n + 1)), rightV(static_cast<std::size_t>(n + 1)),
        reaction(static_cast<std::size_t>(n + 1)), wall(static_cast<std::size_t>(n + 1));
    for (int s = 1; s <= n; ++s) {
        M[static_cast<std::size_t>(s)].resize(xs[static_cast<std::size_t>(s)].size());
        V[static_cast<std::size_t>(s)].resize(xs[static_cast<std::size_t>(s)].size());
    }
    double scale = 1;
    const std::uint32_t all = (1u << n) - 1;
    for (std::uint32_t live = 0; live <= all; ++live) {
        for (std::uint32_t fav = 0; fav <= (favourable ? all : 0); ++fav) {
            const Beam f = factored(beam, {live, fav});
            const BeamResults r = solve(f);
            SupportReactions reactions;
            supportReactions(f, r, reactions);
            for (int j = 0; j <= n; ++j) {
                reaction[static_cast<std::size_t>(j)].add(reactions[static_cast<std::size_t>(j)].R);
                wall[static_cast<std::size_t>(j)].add(reactions[static_cast<std::size_t>(j)].M);
            }
            for (int s = 1; s <= n; ++s) {
                const auto si = static_cast<std::size_t>(s);
                spanMax[si].add(r.SpanMaxMoment[s]);
                leftV[si].add(r.KeyPointV[s][0]);
                rightV[si].add(r.KeyPointV[s][r.KeyPointLast[s]]);
                const SpanCurve loads(f, s);
                for (std::size_t i = 0; i < xs[si].size(); ++i) {
                    const SectionForce at = sectionForceAt(f, r, s, xs[si][i], loads);
                    M[si][i].add(at.M);
                    V[si][i].add(at.VL);
                    scale = std::max({scale, std::fabs(double{at.M}), std::fabs(double{at.VL})});
                }
            }
        }
    }
    const double tolerance = 1e-3 + 1e-4 * scale;
    for (int s = 1; s <= n; ++s) {
        SCOPED_TRACE(testing::Message() << "span " << s << " of " << n);
        const auto si = static_cast<std::size_t>(s);
        const SpanEnvelope& e = envelope.span(s);
        Hull sampled;
        for (std::size_t i = 0; i < xs[si].size(); ++i) {
            const EnvelopeSection at = envelope.at(s, xs[si][i]);
            EXPECT_NEAR(at.maxMoment.value, M[si][i].hi, tolerance) << xs[si][i];
            EXPECT_NEAR(at.minMoment.value, M[si][i].lo, tolerance) << xs[si][i];
            EXPECT_NEAR(at.maxShearLeft.value, V[si][i].hi, tolerance) << xs[si][i];
            EXPECT_NEAR(at.minShearLeft.value, V[si][i].lo, tolerance) << xs[si][i];
            sampled.add(M[si][i].lo);
        }
        EXPECT_NEAR(e.maxMoment.value, spanMax[si].hi, tolerance);
        EXPECT_NEAR(e.minMoment.value, sampled.lo, tolerance);
        EXPECT_NEAR(e.leftMaxShear.value, leftV[si].hi, tolerance);
        EXPECT_NEAR(e.leftMinShear.value, leftV[si].lo, tolerance);
        EXPECT_NEAR(e.rightMaxShear.value, rightV[si].hi, tolerance);
        EXPECT_NEAR(e.rightMinShear.value, rightV[si].lo, tolerance);
        // the arrangement named really gives the extreme, with the concurrent forces, on the
        // side named of a concentrated moment there (a float next to the extreme's x where a
        // moment's true place on a free right end falls between two floats)
        const Beam f = factored(beam, e.maxMoment.arrangement);
        const BeamResults named = solve(f);
        const SectionForce at = sectionForceAt(f, named, s, e.maxMoment.x);
        double off =
            std::fabs((e.maxMoment.side == MomentSide::Right ? at.MR : at.M) - e.maxMoment.value);
        if (e.maxMoment.side != MomentSide::None) {
            for (float beside :
                 {std::nextafter(e.maxMoment.x, -1.0f), std::nextafter(e.maxMoment.x, 1e30f)}) {
                const SectionForce near = sectionForceAt(f, named, s, beside);
                off = std::min({off, std::fabs(double{near.M} - e.maxMoment.value),
                                std::fabs(double{near.MR} - e.maxMoment.value)});
            }
        }
        EXPECT_LT(off, tolerance);
        EXPECT_NEAR(at.VL, e.maxMoment.shearLeft, tolerance);
        EXPECT_NEAR(at.VR, e.maxMoment.shearRight, tolerance);
    }
    for (int j = 0; j <= n; ++j) {
        const SupportEnvelope& e = envelope.support(j);
        SCOPED_TRACE(testing::Message() << "support " << j);
        EXPECT_NEAR(e.maxReaction.value, reaction[static_cast<std::size_t>(j)].hi, tolerance);
        EXPECT_NEAR(e.minReaction.value, reaction[static_cast<std::size_t>(j)].lo, tolerance);
        if (e.fixed) {
            EXPECT_NEAR(e.maxMoment.value, wall[static_cast<std::size_t>(j)].hi, tolerance);
            EXPECT_NEAR(e.minMoment.value, wall[static_cast<std::size_t>(j)].lo, tolerance);
        }
    }
}

TEST(Envelope, IsTheHullOfEveryArrangementOnRandomBeams) {
    std::mt19937 rng(16);
    const SupportKind kinds[] = {Simple, Cantilever, Fixed};
    std::bernoulli_distribution live(0.4);
    for (int beamNo = 0; beamNo < 18; ++beamNo) {
        const bool favourable = beamNo >= 9;
        Beam beam = randomBeam(rng, kinds[beamNo % 3], kinds[beamNo / 3 % 3]);
        const std::size_t most = favourable ? 4 : 8;
        if (beam.spans.size() > most) {
            beam.spans.resize(std::max<std::size_t>(
                most, beam.leftSupport == Cantilever && beam.rightSupport == Cantilever ? 3 : 2));
        }
        for (Span& span : beam.spans) {
            for (Load& load : span.loads) {
                load.loadCase = live(rng) ? Live : Dead;
            }
        }
        if (favourable) {
            beam.factors = {1.2f, 1.4f, 1.1f, 0.9f};
        }
        checkAgainstEveryArrangement(beam, "beam " + std::to_string(beamNo));
    }
}

} // namespace
} // namespace spanwise
