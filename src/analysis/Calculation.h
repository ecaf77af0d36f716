// The internal-force calculation of the whole beam, as the calculate button and the batch tool
// run it: load terms, factors, moment distribution, then for every span its key sections, the
// forces there and the largest span moment.
#pragma once

#include "model/BeamModel.h"

namespace spanwise {

// Calculates the model (which must have passed the data check) into results. No heap
// allocation and no global state. On a CalculationError (FloatingPointFault naming the span and
// stage, JointWithoutStiffness, NoConvergence) results keep their previous contents.
// Throws std::invalid_argument for counts outside 1..20 spans or 0..10 loads.
// Returns the number of distribution sweeps.
long calculate(const BeamModel& model, BeamResults& results);

// True when the two models give the same calculation: span count, end supports, and for spans
// 1..N length, line stiffness and every load's kind, P, q, a and b. (EI, c, texts, the current
// span and the selections do not enter the calculation.)
bool sameCalculationInput(const BeamModel& a, const BeamModel& b);

} // namespace spanwise
