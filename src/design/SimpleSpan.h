// A span as a simple beam under all its loads at design values: dead x gammaG + live x gammaQ
// gammaL, all x gamma0. What the redistribution rules and the shear rules of the design take.
#pragma once

#include "analysis/SpanCurve.h"
#include "model/Beam.h"

namespace spanwise {

// Simply supported spans only (xi = x).
class SimpleSpan {
public:
    SimpleSpan(const Beam& beam, int s, double importance);

    // The factor a load of the case takes: gamma0 gammaG or gamma0 gammaQ gammaL.
    double factorOf(LoadCase loadCase) const {
        return loadCase == Live ? m_liveFactor : m_deadFactor;
    }

    // The shear just right (rightOf) or just left of x.
    double shear(double x, bool rightOf) const {
        const CurveValue d = m_dead.at(x), l = m_live.at(x);
        return m_deadFactor * (rightOf ? d.slopeAbove : d.slopeBelow) +
               m_liveFactor * (rightOf ? l.slopeAbove : l.slopeBelow);
    }

    // M0: the largest moment over the span, exactly (the turning points of each piece).
    double maximum() const;

private:
    SpanCurve m_dead, m_live;
    double m_deadFactor, m_liveFactor;
};

} // namespace spanwise
