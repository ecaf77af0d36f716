// What a batch run does with the detailing of one beam: print its tables (--detailing, not with
// --json, whose member the result object carries) and write its drawing (--dxf).
#pragma once

#include "cli/BatchOptions.h"
#include "outcome/BeamOutcome.h"

#include <ostream>

namespace spanwise {

// The exit code: kExitOk, kExitCalculationFailed for a beam without a section on every span,
// kExitDesignFailed where the design left a set without bars (the sets named on err),
// kExitCannotWrite where the drawing could not be written.
int detailForBatch(const BeamOutcome& outcome, const BatchOptions& options, std::ostream& out,
                   std::ostream& err);

} // namespace spanwise
