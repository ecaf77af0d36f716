#include "analysis/Calculation.h"

#include "analysis/CalculationError.h"
#include "analysis/Solver.h"
#include "analysis/SpanResults.h"

#include <stdexcept>

namespace spanwise {

long calculate(const BeamModel& model, BeamResults& results) {
    const int N = model.SpanCount;
    if (N < 1 || N > kMaxSpans) {
        throw std::invalid_argument("calculate: span count out of range");
    }
    for (int s = 1; s <= N; ++s) {
        if (model.LoadCount[s] < 0 || model.LoadCount[s] > kMaxLoads) {
            throw std::invalid_argument("calculate: load count out of range");
        }
    }

    BeamResults work = results;
    ZERO1(work);
    loadTerms(model, work);
    distributionFactors(model, work);
    const long sweeps = MomentDistribution(model, work);
    // Each span's sections depend on its own end moments and loads only, so the key sections,
    // the forces there and the maximum search go span by span.
    for (std::int16_t s = 1; s <= N; ++s) {
        KeySectionShears shears;
        atSpan(s, FloatingPointFault::Sections, [&] {
            keySections(model, work, s);
            keySectionForces(model, work, s, &shears);
        });
        atSpan(s, FloatingPointFault::MaxMoment, [&] { MaxMomentSearch(model, work, s, &shears); });
    }
    results = work;
    return sweeps;
}

bool sameCalculationInput(const BeamModel& a, const BeamModel& b) {
    if (a.SpanCount != b.SpanCount || a.LeftSupport != b.LeftSupport ||
        a.RightSupport != b.RightSupport) {
        return false;
    }
    for (int s = 1; s <= a.SpanCount && s <= kMaxSpans; ++s) {
        if (a.SpanLength[s] != b.SpanLength[s] ||
            a.SpanLineStiffness[s] != b.SpanLineStiffness[s] || a.LoadCount[s] != b.LoadCount[s]) {
            return false;
        }
        for (int k = 1; k <= a.LoadCount[s] && k <= kMaxLoads; ++k) {
            if (a.LoadKindOf[s][k] != b.LoadKindOf[s][k] || a.LoadP[s][k] != b.LoadP[s][k] ||
                a.LoadQ[s][k] != b.LoadQ[s][k] || a.LoadA[s][k] != b.LoadA[s][k] ||
                a.LoadB[s][k] != b.LoadB[s][k]) {
                return false;
            }
        }
    }
    return true;
}

} // namespace spanwise
