// The elastic deflection of the beam, from its bending moments and the EI the user entered for
// each span: w'' = -M / EI, w = 0 at every support, positive downward. A span between two
// supports takes w = 0 at both ends; a cantilever turns with the rotation of its support (that
// of the neighbouring span there, none at a fixed end). With EI in kN*m*m and M in kN*m, w is
// in m; every value handed out is in mm.
//
// Each span's moment is a cubic between the breaks of its loads, so w is a quintic there and
// the largest deflection is found where the slope is zero, not from samples. An envelope adds
// to the dead load the live load of each span wherever it makes the deflection worse, which by
// superposition is the worst over every live-load arrangement.
#pragma once

#include "analysis/Envelope.h"
#include "analysis/Polynomial.h"
#include "model/Beam.h"
#include "model/BeamResults.h"

#include <array>
#include <utility>
#include <vector>

namespace spanwise {

// The lines are in m; every value handed out is in mm.
inline constexpr double kMillimetres = 1000;

// A deflection smaller in magnitude than this (mm) is zero by mechanics, whatever its round-off:
// a span that does not move has no l0/w.
inline constexpr double kDeflectionRoundOff = 1e-9;

struct DeflectionPeak {
    float value = 0;         // mm, positive downward
    float x = 0;             // m from the span's left end
    Arrangement arrangement; // the live spans that give it (envelopes only)
};

struct SpanDeflection {
    DeflectionPeak max; // the largest downward deflection (the most positive w)
    DeflectionPeak min; // the largest upward one (the most negative w)
    float tip = 0;      // at a cantilever's free end, mm (0 on other spans)
    bool cantilever = false;
    float checkLength = 0;      // l0, m: the span's length, twice that of a cantilever
    float ratio = 0;            // l0 over the largest |w|; 0 when the span does not move
    float limitDenominator = 0; // n of the span's limit l0 / n (deflectionLimitFor)
    // False while the span's EI is still the default: its deflection is no measure of anything
    // and is not judged (ok stays true).
    bool judged = true;
    bool ok = true; // l0 / |w| at least the limit's denominator, or no deflection
};

// The combinations a deflection check takes, each over every live-load arrangement:
// G + Q and G + psi_q Q.
enum class DeflectionCombination { Characteristic, QuasiPermanent };

class BeamDeflection {
public:
    // The loads as entered (all on, unfactored), from the calculated end moments. Throws
    // std::invalid_argument for a span whose EI is not positive and finite or whose loads
    // leave it (the data check refuses both).
    BeamDeflection(const Beam& beam, const BeamResults& results);
    // The worst of the combination over every live-load arrangement, from the unit cases of the
    // force envelope of the same beam.
    BeamDeflection(const Beam& beam, const Envelope& envelope, DeflectionCombination combination);
    // Both at once (characteristic, then quasi-permanent), sharing the unit cases.
    static std::array<BeamDeflection, 2> envelopesOf(const Beam& beam, const Envelope& envelope);

    int spanCount() const { return static_cast<int>(m_spans.size()); }
    const SpanDeflection& span(int s) const { return m_checks.at(static_cast<std::size_t>(s - 1)); }

    // w at x on span s, mm: the line of the loads as entered; of an envelope, its largest
    // downward value there.
    double at(int s, float x) const;

    // The deflected line of one span between the breaks of its loads, w in m: a fixed part, a
    // quintic of u = x - breaks[k] on each piece k; the span's own live load, the same way; and
    // the live load of each other span, one cubic of x over the whole span. The live parts are
    // added where they make the deflection worse.
    struct SpanLine {
        std::vector<double> breaks;
        std::vector<Quintic> fixed;
        std::vector<Quintic> ownLive; // empty without live loads on the span
        int span = 0;
        struct Other {
            int span;
            Quintic w; // of x
        };
        std::vector<Other> otherLive;
    };

    // The parts of an envelope's line at x on span s, mm (downward positive): the dead load with
    // every span's, the span's own live load, and the live load of each other span (its number
    // and its part). The worst line adds each live part where it is positive.
    struct LineParts {
        double fixed = 0;
        double ownLive = 0;
        std::vector<std::pair<int, double>> otherLive;
    };
    LineParts partsAt(int s, float x) const;

    // No spans; what envelopesOf() fills.
    BeamDeflection() = default;

private:
    void check(const Beam& beam);
    // The envelopes of the combinations G + w Q, one per live weight w, sharing the unit cases.
    static std::vector<BeamDeflection> combinationsOf(const Beam& beam, const Envelope& envelope,
                                                      const std::vector<double>& liveWeights);

    std::vector<SpanLine> m_spans;
    std::vector<SpanDeflection> m_checks;
};

} // namespace spanwise
