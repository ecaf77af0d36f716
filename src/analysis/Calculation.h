// The internal-force calculation of the whole beam, as the calculate button and the batch tool
// run it: load terms, factors, moment distribution, then for every span its key sections, the
// forces there and the largest span moment.
#pragma once

#include "model/Beam.h"
#include "model/BeamResults.h"

#include <string>

namespace spanwise {

// Calculates the beam (which must have passed the data check) into results. No heap
// allocation and no global state. On a CalculationError (FloatingPointFault naming the span and
// stage, JointWithoutStiffness, NoConvergence) results keep their previous contents.
// Throws std::invalid_argument for counts outside 1..20 spans or 0..10 loads.
// Returns the number of distribution sweeps.
long calculate(const Beam& beam, BeamResults& results);

// A calculation as the result window, the exports and the report use it: the beam exactly as
// it was calculated, with its results, so that nothing edited afterwards can mix in.
// Where a calculated beam came from, as the report's stamp names it: set by whoever calculates.
struct CalculationSource {
    std::string file;         // the project file as named; empty for a project never saved
    std::string sha256;       // hex digest of the file's bytes, when the beam is what they hold;
                              // empty when it had edits not saved
    std::string calculatedAt; // local time, "yyyy-MM-dd HH:mm:ss"
};

struct Calculation {
    Beam beam;
    BeamResults results;
    long sweeps = 0; // distribution sweeps
    CalculationSource source;
};

// calculate() into a fresh Calculation; throws what calculate() throws.
Calculation calculateBeam(const Beam& beam);

// True when the two beams give the same calculation, envelope, deflections and design: span
// count, end supports, combination factors, deflection settings, design settings, and per span
// length, line stiffness, EI, section (with its bars), the design data of its supports and
// every load's kind, case, P, q, a, b and c. (Texts do not enter the calculation.)
bool sameCalculationInput(const Beam& a, const Beam& b);

} // namespace spanwise
