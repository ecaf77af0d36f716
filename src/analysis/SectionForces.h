// Internal forces at one section of an analysed span: the end moments of the last calculation
// superposed with every load of the span on its statically determinate base system.
#pragma once

#include "model/BeamModel.h"

#include <cstdint>

namespace spanwise {

enum class BaseSystem { SimplySupported, FreeLeft, FreeRight };

// Span 1 has a free left end when the left support is a cantilever (also on a one-span beam);
// the last span, when it is not span 1, has a free right end when the right support is a
// cantilever; every other span is simply supported and carries its two end moments.
BaseSystem baseSystem(const BeamModel& model, int span);

// M, VL (shear just left) and VR (shear just right) at x metres from the left end of span s,
// using results.EndMoment of the last calculation and the model as it is now. Sums are built
// end moments first, then the loads in stored order, each addition rounded to single.
// Throws std::out_of_range for s outside 0..20 and FloatingPointFault on a fault.
void KeyPointForce(const BeamModel& model, const BeamResults& results, std::int16_t s, float x,
                   float& M, float& VL, float& VR);

} // namespace spanwise
