#include "analysis/Deflection.h"

#include "analysis/SectionForces.h"
#include "analysis/Single.h"
#include "analysis/SpanCurve.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace spanwise {

namespace {

// The sections of span s where its moment changes polynomial: both ends and every break of its
// loads, in x from the left end, ascending.
std::vector<double> breaksOf(const SpanCurve& curve) {
    const double L = curve.length();
    const bool reversed = curve.base() == BaseSystem::FreeRight;
    std::vector<double> breaks{0, L};
    for (int p = 0; p < curve.pieceCount(); ++p) {
        for (double xi : {curve.pieceStart(p), curve.pieceEnd(p)}) {
            const double x = reversed ? L - xi : xi;
            if (x > 0 && x < L) {
                breaks.push_back(x);
            }
        }
    }
    std::sort(breaks.begin(), breaks.end());
    breaks.erase(std::unique(breaks.begin(), breaks.end()), breaks.end());
    return breaks;
}

// The moment on each piece of breaks: the span's own loads (own, when given) on its base
// system and the end moments m0, m1 (clockwise on the span) of a simply supported base.
std::vector<Quintic> momentPieces(const std::vector<double>& breaks, double L, const SpanCurve* own,
                                  double m0, double m1) {
    std::vector<Quintic> pieces(breaks.size() - 1);
    const bool reversed = own != nullptr && own->base() == BaseSystem::FreeRight;
    int p = 0;
    for (std::size_t k = 0; k + 1 < breaks.size(); ++k) {
        const double x0 = breaks[k];
        Quintic& M = pieces[k];
        M[0] = m0 - (m0 + m1) * x0 / L;
        M[1] = -(m0 + m1) / L;
        if (own == nullptr || own->pieceCount() == 0) {
            continue;
        }
        const double mid = (x0 + breaks[k + 1]) / 2;
        const double xi = reversed ? L - mid : mid;
        p = 0;
        while (p + 1 < own->pieceCount() && xi >= own->pieceEnd(p)) {
            ++p;
        }
        const std::array<double, 4> c = own->moment(p);
        Quintic q{c[0], c[1], c[2], c[3], 0, 0};
        if (!reversed) {
            q = shiftedBy(q, x0 - own->pieceStart(p));
        } else {
            // xi = L - x0 - u: the curve read backwards from x0
            q = shiftedBy(q, L - x0 - own->pieceStart(p));
            for (std::size_t i = 1; i < kQuinticTerms; i += 2) {
                q[i] = -q[i];
            }
        }
        addScaled(M, q, 1);
    }
    return pieces;
}

enum class Held { BothEnds, LeftOnly, RightOnly };

struct Line {
    std::vector<Quintic> w; // m, per piece
    double slopeLeft = 0, slopeRight = 0;
};

// w'' = -M / EI piece by piece, w and its slope continuous; then the rigid part that puts w = 0
// at both supports, or at the one support of a cantilever turned by `slope` there.
Line integrate(const std::vector<double>& breaks, const std::vector<Quintic>& moments, double EI,
               Held held, double slope) {
    Line line;
    line.w.resize(moments.size());
    double theta = 0, w = 0;
    for (std::size_t k = 0; k < moments.size(); ++k) {
        Quintic curvature{};
        addScaled(curvature, moments[k], -1 / EI);
        Quintic rotation = integralOf(curvature);
        rotation[0] = theta;
        Quintic deflection = integralOf(rotation);
        deflection[0] = w;
        const double h = breaks[k + 1] - breaks[k];
        theta = valueOf(rotation, h);
        w = valueOf(deflection, h);
        line.w[k] = deflection;
    }
    const double L = breaks.back();
    double A = 0, B = 0; // w += A x + B
    switch (held) {
    case Held::BothEnds:
        A = -w / L;
        break;
    case Held::LeftOnly:
        A = slope;
        break;
    case Held::RightOnly:
        A = slope - theta;
        B = -(w + A * L);
        break;
    }
    for (std::size_t k = 0; k < line.w.size(); ++k) {
        line.w[k][0] += A * breaks[k] + B;
        line.w[k][1] += A;
    }
    line.slopeLeft = A;
    line.slopeRight = theta + A;
    return line;
}

struct SpanData {
    BaseSystem base;
    double L;
    double EI;
    std::vector<double> breaks;
};

std::vector<SpanData> spanData(const Beam& beam) {
    std::vector<SpanData> spans;
    for (int s = 1; s <= beam.spanCount(); ++s) {
        const SpanCurve all(beam, s);
        const double EI = beam.span(s).ei;
        if (!all.exact() || !(EI > 0) || !std::isfinite(EI)) {
            throw std::invalid_argument("deflection: span " + std::to_string(s) +
                                        " has no usable EI or loads off the span");
        }
        spans.push_back({all.base(), all.length(), EI, breaksOf(all)});
    }
    return spans;
}

// The lines of every span under one load case, whose moment on span s is moments(s) on the
// pieces breaksOf(s): the spans between two supports first, then the cantilevers from the
// rotation of their support.
template <typename Breaks, typename Moments>
std::vector<Line> caseLines(const std::vector<SpanData>& spans, Breaks breaksOf, Moments moments) {
    const int n = static_cast<int>(spans.size());
    std::vector<Line> lines(spans.size());
    auto line = [&](int s, Held held, double slope) {
        const SpanData& d = spans[static_cast<std::size_t>(s - 1)];
        const std::vector<double>& breaks = breaksOf(s);
        lines[static_cast<std::size_t>(s - 1)] =
            integrate(breaks, moments(s, breaks), d.EI, held, slope);
    };
    for (int s = 1; s <= n; ++s) {
        if (spans[static_cast<std::size_t>(s - 1)].base == BaseSystem::SimplySupported) {
            line(s, Held::BothEnds, 0);
        }
    }
    for (int s = 1; s <= n; ++s) {
        const BaseSystem base = spans[static_cast<std::size_t>(s - 1)].base;
        if (base == BaseSystem::FreeRight) { // held at its left end
            line(s, Held::LeftOnly,
                 s > 1 ? lines[static_cast<std::size_t>(s - 2)].slopeRight : 0.0);
        } else if (base == BaseSystem::FreeLeft) { // held at its right end
            line(s, Held::RightOnly, s < n ? lines[static_cast<std::size_t>(s)].slopeLeft : 0.0);
        }
    }
    return lines;
}

bool hasLoadsOf(const Span& span, LoadCase loadCase) {
    return std::any_of(span.loads.begin(), span.loads.end(),
                       [loadCase](const Load& load) { return load.loadCase == loadCase; });
}

} // namespace

BeamDeflection::BeamDeflection(const Beam& beam, const BeamResults& results) {
    const std::vector<SpanData> spans = spanData(beam);
    std::vector<SpanCurve> curves;
    for (int s = 1; s <= beam.spanCount(); ++s) {
        curves.emplace_back(beam, s);
    }
    const std::vector<Line> lines = caseLines(
        spans, [&](int s) -> const std::vector<double>& { return spans[s - 1].breaks; },
        [&](int s, const std::vector<double>& breaks) {
            const SpanData& d = spans[static_cast<std::size_t>(s - 1)];
            const bool simple = d.base == BaseSystem::SimplySupported;
            return momentPieces(breaks, d.L, &curves[static_cast<std::size_t>(s - 1)],
                                simple ? results.EndMoment[s][1] : 0.0,
                                simple ? results.EndMoment[s][2] : 0.0);
        });
    for (std::size_t s = 0; s < spans.size(); ++s) {
        SpanLine line;
        line.breaks = spans[s].breaks;
        line.fixed = lines[s].w;
        line.span = static_cast<int>(s) + 1;
        m_spans.push_back(std::move(line));
    }
    check(beam);
}

BeamDeflection::BeamDeflection(const Beam& beam, const Envelope& envelope,
                               DeflectionCombination combination)
    : BeamDeflection(std::move(combinationsOf(beam, envelope,
                                              {combination == DeflectionCombination::Characteristic
                                                   ? 1.0
                                                   : double{beam.deflection.quasiPermanent}})[0])) {
}

std::array<BeamDeflection, 2> BeamDeflection::envelopesOf(const Beam& beam,
                                                          const Envelope& envelope) {
    std::vector<BeamDeflection> both =
        combinationsOf(beam, envelope, {1.0, double{beam.deflection.quasiPermanent}});
    return {std::move(both[0]), std::move(both[1])};
}

std::vector<BeamDeflection> BeamDeflection::combinationsOf(const Beam& beam,
                                                           const Envelope& envelope,
                                                           const std::vector<double>& liveWeights) {
    const std::vector<SpanData> spans = spanData(beam);
    const int n = beam.spanCount();
    std::vector<BeamDeflection> out(liveWeights.size());
    std::vector<std::vector<double>> whole; // 0 and L: a span seen from another span's loads
    std::vector<Quintic> fixedOfOthers(spans.size());
    for (std::size_t s = 0; s < spans.size(); ++s) {
        SpanLine line;
        line.breaks = spans[s].breaks;
        line.fixed.resize(line.breaks.size() - 1);
        line.span = static_cast<int>(s) + 1;
        for (BeamDeflection& d : out) {
            d.m_spans.push_back(line);
        }
        whole.push_back({0.0, spans[s].L});
    }
    for (int t = 1; t <= n; ++t) {
        for (LoadCase loadCase : {Dead, Live}) {
            if (!hasLoadsOf(beam.span(t), loadCase)) {
                continue;
            }
            const SpanCurve own(beam, t, loadCase);
            // the loaded span piece by piece, every other span (moved by its end moments only)
            // as one polynomial
            const std::vector<Line> lines = caseLines(
                spans,
                [&](int s) -> const std::vector<double>& {
                    return s == t ? spans[static_cast<std::size_t>(s - 1)].breaks
                                  : whole[static_cast<std::size_t>(s - 1)];
                },
                [&](int s, const std::vector<double>& breaks) {
                    const SpanData& d = spans[static_cast<std::size_t>(s - 1)];
                    const std::array<double, 2> m = envelope.unitEndMoments(s, t, loadCase);
                    const bool simple = d.base == BaseSystem::SimplySupported;
                    return momentPieces(breaks, d.L, s == t ? &own : nullptr, simple ? m[0] : 0.0,
                                        simple ? m[1] : 0.0);
                });
            for (std::size_t s = 0; s < spans.size(); ++s) {
                const std::vector<Quintic>& w = lines[s].w;
                if (loadCase == Dead && static_cast<int>(s) + 1 != t) {
                    addScaled(fixedOfOthers[s], w[0], 1);
                    continue;
                }
                for (std::size_t c = 0; c < out.size(); ++c) {
                    SpanLine& line = out[c].m_spans[s];
                    const double weight = loadCase == Dead ? 1.0 : liveWeights[c];
                    if (static_cast<int>(s) + 1 == t) {
                        std::vector<Quintic>& into = loadCase == Dead ? line.fixed : line.ownLive;
                        into.resize(w.size());
                        for (std::size_t k = 0; k < w.size(); ++k) {
                            addScaled(into[k], w[k], weight);
                        }
                    } else {
                        Quintic part{};
                        addScaled(part, w[0], weight);
                        line.otherLive.push_back({t, part});
                    }
                }
            }
        }
    }
    for (BeamDeflection& d : out) {
        for (std::size_t s = 0; s < spans.size(); ++s) {
            SpanLine& line = d.m_spans[s];
            for (std::size_t k = 0; k < line.fixed.size(); ++k) {
                addScaled(line.fixed[k], shiftedBy(fixedOfOthers[s], line.breaks[k]), 1);
            }
        }
        d.check(beam);
    }
    return out;
}

} // namespace spanwise
