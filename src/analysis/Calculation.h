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

} // namespace spanwise
