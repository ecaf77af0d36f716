#include "analysis/Calculation.h"

#include "analysis/CalculationError.h"
#include "analysis/Solver.h"
#include "analysis/SpanCurve.h"
#include "analysis/SpanResults.h"

#include <stdexcept>

namespace spanwise {

long calculate(const Beam& beam, BeamResults& results) {
    const int N = beam.spanCount();
    if (N < 1 || N > kMaxSpans) {
        throw std::invalid_argument("calculate: span count out of range");
    }
    for (const Span& span : beam.spans) {
        if (span.loadCount() > kMaxCalculatedLoads) {
            throw std::invalid_argument("calculate: load count out of range");
        }
    }

    BeamResults work{};
    loadTerms(beam, work);
    distributionFactors(beam, work);
    const long sweeps = distributeMoments(beam, work);
    // Each span's sections depend on its own end moments and loads only, so the key sections,
    // the forces there and the maximum search go span by span.
    for (int s = 1; s <= N; ++s) {
        KeySectionForces shears;
        const SpanCurve loads(beam, s);
        atSpan(s, FloatingPointFault::Sections, [&] {
            keySections(beam, work, s);
            keySectionForces(beam, work, s, loads, &shears);
        });
        atSpan(s, FloatingPointFault::MaxMoment,
               [&] { searchMaxMoment(beam, work, s, loads, &shears); });
    }
    results = work;
    return sweeps;
}

Calculation calculateBeam(const Beam& beam) {
    Calculation calculation;
    calculation.sweeps = calculate(beam, calculation.results);
    calculation.beam = beam;
    return calculation;
}

bool sameCalculationInput(const Beam& a, const Beam& b) {
    if (a.spanCount() != b.spanCount() || a.leftSupport != b.leftSupport ||
        a.rightSupport != b.rightSupport || a.factors != b.factors ||
        a.deflection != b.deflection || a.design != b.design ||
        a.firstSupportDesign != b.firstSupportDesign || a.axisStyle != b.axisStyle ||
        a.member != b.member || a.selfWeight != b.selfWeight) {
        return false;
    }
    for (int s = 1; s <= a.spanCount(); ++s) {
        const Span& x = a.span(s);
        const Span& y = b.span(s);
        if (x.length != y.length || x.lineStiffness != y.lineStiffness || x.ei != y.ei ||
            x.loadCount() != y.loadCount() || x.section != y.section ||
            x.rightSupportDesign != y.rightSupportDesign) {
            return false;
        }
        for (int k = 1; k <= x.loadCount(); ++k) {
            const Load& p = x.load(k);
            const Load& q = y.load(k);
            if (p.kind != q.kind || p.P != q.P || p.q != q.q || p.a != q.a || p.b != q.b ||
                p.c != q.c || p.loadCase != q.loadCase) {
                return false;
            }
        }
    }
    return true;
}

} // namespace spanwise
