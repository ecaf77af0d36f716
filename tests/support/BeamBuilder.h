// The one way tests put a beam together: spans with their loads, the way the user enters them.
//   Beam b = BeamBuilder({6, 4.5}).uniform(1, 10).force(2, 20, 2).ends(Simple, Fixed).beam();
// The free functions add a load to a beam already built; randomBeam() makes seeded beams for
// the tests that must hold for any beam the user could enter.
#pragma once

#include "analysis/Calculation.h"
#include "model/Beam.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <random>

namespace spanwise::test {

inline Load& addLoad(Beam& beam, int s, LoadKind kind) {
    Load load;
    load.kind = kind;
    load.text = loadKindName(kind);
    return beam.span(s).loads.emplace_back(load);
}
// Concentrated force P at a, b = L - a (rounded to single like the field does).
inline void force(Beam& beam, int s, float P, float a) {
    Load& load = addLoad(beam, s, Concentrated);
    load.P = P;
    load.a = a;
    load.b = static_cast<float>(double{beam.span(s).length} - a);
}
inline void uniform(Beam& beam, int s, float q) {
    addLoad(beam, s, Uniform).q = q;
}
inline void trapezoid(Beam& beam, int s, float q, float a) {
    Load& load = addLoad(beam, s, Trapezoidal);
    load.q = q;
    load.a = a;
}

// Partial uniform q from a over c; b = L - a - c.
inline void partial(Beam& beam, int s, float q, float a, float c) {
    Load& load = addLoad(beam, s, PartialUniform);
    load.q = q;
    load.a = a;
    load.c = c;
    load.b = static_cast<float>(double{beam.span(s).length} - a - c);
}
// q1 at a varying linearly to q2 at a + c; b = L - a - c.
inline void linear(Beam& beam, int s, float q1, float q2, float a, float c) {
    Load& load = addLoad(beam, s, Linear);
    load.q = q1;
    load.P = q2;
    load.a = a;
    load.c = c;
    load.b = static_cast<float>(double{beam.span(s).length} - a - c);
}
// A clockwise moment M at a; b = L - a.
inline void couple(Beam& beam, int s, float M, float a) {
    Load& load = addLoad(beam, s, Couple);
    load.P = M;
    load.a = a;
    load.b = static_cast<float>(double{beam.span(s).length} - a);
}

// Spans of the given lengths, EI = i = 1, with the given outer supports.
inline Beam beamOf(std::initializer_list<float> lengths, SupportKind left = Simple,
                   SupportKind right = Simple) {
    Beam beam;
    beam.spans.clear();
    for (float L : lengths) {
        beam.spans.push_back(spanWith(L, 1, 1));
    }
    beam.leftSupport = left;
    beam.rightSupport = right;
    return beam;
}

class BeamBuilder {
public:
    // Spans of the given lengths, EI = i = 1, both ends simple.
    explicit BeamBuilder(std::initializer_list<float> lengths) : m_beam(beamOf(lengths)) {}
    // n equal spans of the given length, EI = i = 1, both ends simple.
    BeamBuilder(int spans, float length) {
        m_beam.spans.assign(static_cast<std::size_t>(spans), spanWith(length, 1, 1));
    }
    BeamBuilder& ends(SupportKind left, SupportKind right) {
        m_beam.leftSupport = left;
        m_beam.rightSupport = right;
        return *this;
    }
    BeamBuilder& length(int s, float L) {
        m_beam.span(s).length = L;
        return *this;
    }
    BeamBuilder& stiffness(int s, float ei, float lineStiffness) {
        m_beam.span(s).ei = ei;
        m_beam.span(s).lineStiffness = lineStiffness;
        return *this;
    }
    BeamBuilder& force(int s, float P, float a) {
        test::force(m_beam, s, P, a);
        return *this;
    }
    BeamBuilder& uniform(int s, float q) {
        test::uniform(m_beam, s, q);
        return *this;
    }
    BeamBuilder& trapezoid(int s, float q, float a) {
        test::trapezoid(m_beam, s, q, a);
        return *this;
    }
    BeamBuilder& partial(int s, float q, float a, float c) {
        test::partial(m_beam, s, q, a, c);
        return *this;
    }
    BeamBuilder& linear(int s, float q1, float q2, float a, float c) {
        test::linear(m_beam, s, q1, q2, a, c);
        return *this;
    }
    BeamBuilder& couple(int s, float M, float a) {
        test::couple(m_beam, s, M, a);
        return *this;
    }
    // A load exactly as given, for values no field would produce (a + b off the span length,
    // a kind code the lists do not have).
    BeamBuilder& load(int s, const Load& load) {
        m_beam.span(s).loads.push_back(load);
        return *this;
    }

    Beam beam() const { return m_beam; }
    // The beam as a document: span 1 shown, no load selected.
    Project project() const {
        Project p;
        p.beam = m_beam;
        return p;
    }

private:
    Beam m_beam;
};

inline float round2(std::mt19937& rng, double lo, double hi) {
    std::uniform_real_distribution<double> d(lo, hi);
    return static_cast<float>(std::round(d(rng) * 100) / 100);
}

// 1..20 spans of 0.5..12 m (two cantilever ends get three spans at least; a single span with a
// cantilever end is fixed at the other), line stiffness 0.2..5, up to 10 loads a span of every
// kind, some of them acting upwards (or turning anticlockwise).
inline Beam randomBeam(std::mt19937& rng, SupportKind left, SupportKind right) {
    std::uniform_int_distribution<int> spans(1, 20), loadCount(0, 10), kind(0, 5), percent(0, 99);
    Beam beam;
    int n = spans(rng);
    if (left == Cantilever && right == Cantilever && n < 3) {
        n = 3;
    }
    beam.spans.resize(static_cast<std::size_t>(n));
    beam.leftSupport = left;
    beam.rightSupport = right;
    if (n == 1 && left == Cantilever) {
        beam.rightSupport = Fixed;
    } else if (n == 1 && right == Cantilever) {
        beam.leftSupport = Fixed;
    }
    for (int s = 1; s <= n; ++s) {
        const float L = beam.span(s).length = round2(rng, 0.5, 12);
        beam.span(s).lineStiffness = round2(rng, 0.2, 5);
        for (int k = loadCount(rng); k > 0; --k) {
            const float sign = percent(rng) < 10 ? -1.0f : 1.0f;
            const int chosen = kind(rng);
            switch (chosen) {
            case 0:
                force(beam, s, sign * round2(rng, 1, 100), round2(rng, 0, L));
                break;
            case 1:
                uniform(beam, s, sign * round2(rng, 1, 50));
                break;
            case 2:
                trapezoid(beam, s, sign * round2(rng, 1, 50),
                          std::clamp(round2(rng, 0.01, L / 2), 0.01f, L / 2));
                break;
            case 3:
            case 4: {
                const float a = round2(rng, 0, L * 0.9f);
                // within the span: a + c no further than L
                const float c =
                    std::clamp(round2(rng, 0.01, L - a), 0.01f, static_cast<float>(double{L} - a));
                if (chosen == 3) {
                    partial(beam, s, sign * round2(rng, 1, 50), a, c);
                } else { // one end may be 0 (a triangle), or of the other sign
                    const float q2 = percent(rng) < 20 ? 0.0f : sign * round2(rng, -20, 60);
                    linear(beam, s, sign * round2(rng, 0, 50), q2, a, c);
                }
                break;
            }
            default:
                couple(beam, s, sign * round2(rng, 1, 150), round2(rng, 0, L));
            }
        }
    }
    return beam;
}

inline Beam randomBeam(std::mt19937& rng) {
    std::uniform_int_distribution<int> support(0, 2);
    return randomBeam(rng, static_cast<SupportKind>(support(rng)),
                      static_cast<SupportKind>(support(rng)));
}

// The results of a beam's calculation.
inline BeamResults solve(const Beam& beam) {
    BeamResults r;
    calculate(beam, r);
    return r;
}

} // namespace spanwise::test
