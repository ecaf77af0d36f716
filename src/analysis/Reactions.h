// Support reactions of the analysed beam, from the end shears and end moments of the last
// calculation.
#pragma once

#include "model/Beam.h"
#include "model/BeamResults.h"

#include <array>
#include <string>

namespace spanwise {

// Supports 0..N of an N-span beam: support 0 is the left end of span 1, support j the right
// end of span j (the support between spans j and j + 1 for 0 < j < N).
//
// present: the calculation holds the beam there. A free (cantilever) end has no support; which
//   outer ends are held, and how, follows spanEnds().
// fixed: the support is a fixed end (and so carries a moment).
// R: upward force of the support on the beam, kN (negative: the support holds the beam down).
//   R = (shear just right of the support) - (shear just left of it), taken as VL at x = 0 of
//   the span to its right and VR at x = L of the span to its left, so a concentrated force
//   standing exactly on a support is carried by that support. 0 where not present.
// M: at a fixed end only (0 elsewhere), the bending moment of the beam there in kN*m with the
//   program's sign: negative when the top is in tension, which is how an engineer reads a
//   fixed-end moment. The couple the support exerts on the beam is then
//     at the left end (support 0):  M clockwise,
//     at the right end (support N): M anticlockwise,
//   so with x_j the position of support j from the left end of the beam, and every load W_i
//   (downward) with its position x_i, the beam is in equilibrium when
//     sum R_j = sum W_i   and   sum R_j x_j - sum W_i x_i - M_0 + M_N = 0.
//   (For a left fixed end M_0 equals the solver's EndMoment of span 1 at its left end; for a
//   right fixed end M_N equals minus EndMoment of span N at its right end.)
struct SupportReaction {
    bool present = false;
    bool fixed = false;
    float R = 0;
    float M = 0;
};
using SupportReactions = std::array<SupportReaction, kMaxSpans + 1>;

// Fills supports 0..spanCount of out from a calculated beam and its results;
// the entries above spanCount are cleared. Throws std::out_of_range for a span count outside
// 1..20 and FloatingPointFault on a fault.
void supportReactions(const Beam& beam, const BeamResults& results, SupportReactions& out);

} // namespace spanwise
