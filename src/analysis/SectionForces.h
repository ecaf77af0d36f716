// Internal forces at one section of an analysed span: the end moments of the last calculation
// superposed with every load of the span on its statically determinate base system.
#pragma once

#include "model/Beam.h"
#include "model/BeamResults.h"

namespace spanwise {

enum class BaseSystem { SimplySupported, FreeLeft, FreeRight };

// A span whose end is free (spanEnds) is a cantilever from its other end; every other span is
// simply supported and carries its two end moments.
BaseSystem baseSystem(const Beam& beam, int span);

struct SectionForce {
    float M = 0;  // bending moment just left of the section
    float VL = 0; // shear just left of the section
    float VR = 0; // shear just right of it (differs from VL at a concentrated force)
    float MR = 0; // bending moment just right of it (differs from M at a concentrated moment)
};

class SpanCurve;

// M, VL and VR at x metres from the left end of span s of a calculated beam and its results:
// the end moments' share plus the span's loads, evaluated in double from their SpanCurve and
// rounded to single once. A span without a curve (loads off the span) sums the load formulas
// in stored order instead, each addition rounded to single. Throws std::out_of_range for s
// outside 1..spanCount and FloatingPointFault on a fault.
SectionForce sectionForceAt(const Beam& beam, const BeamResults& results, int span, float x);

// The same with the curve of every load of the span already built, for code that evaluates
// many sections of one span.
SectionForce sectionForceAt(const Beam& beam, const BeamResults& results, int span, float x,
                            const SpanCurve& loads);

} // namespace spanwise
