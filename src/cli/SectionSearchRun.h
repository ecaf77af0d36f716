// spanwise-calc FILE --search-section H1:H2:STEP [--widths B1,B2,…] [--per-span] [--json]: the
// candidate sections of the beam, tab-separated or as the JSON member "sectionSearch".
#pragma once

#include "cli/BatchOptions.h"
#include "model/Beam.h"

#include <ostream>
#include <string>

namespace spanwise {

// Searches the beam of the file; exit code kExitOk, or a usage error (2) for widths the beam's
// own sections give out of range.
int searchForBatch(const std::string& projectName, const Beam& beam, const BatchOptions& options,
                   std::ostream& out, std::ostream& err);

} // namespace spanwise
