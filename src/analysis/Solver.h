// Member-end moments of every span by moment distribution. The outer supports enter through
// the load terms of the end spans, their stiffness factors (simple 3, cantilever 0, fixed 4)
// and carry-over factors (fixed 0.5, else 0); interior supports are always simple.
// Only the line stiffness i of each span is read, never EI.
#pragma once

#include "model/Beam.h"
#include "model/BeamResults.h"

#include <optional>

namespace spanwise {

struct DistributionWorking;

// Upper bound on the sweeps of distributeMoments. A beam of non-negative stiffness settles in
// well under a hundred; only a negative line stiffness read from a file can drift this far.
inline constexpr long kMaxSweeps = 100000;

// k(s) from the span's ends (spanEnds): 3 at a simple outer end, 0 at a free end, 4 at a fixed
// outer end, 4 for a span continuous at both ends (a one-span beam: that of its right end).
double stiffnessFactor(const Beam& beam, int s);

// k(s) * i(s), the rotational stiffness of span s at its joints.
double rotationalStiffness(const Beam& beam, int s);

// Adds to F1, F2 the load terms of the loads of span s that belong to loadCase (every load
// without one), in stored order, each addition rounded to single. A one-span beam gets the
// terms of its pair of supports (both 0 on two simple supports).
void spanLoadTerms(const Beam& beam, int s, std::optional<LoadCase> loadCase, float& F1, float& F2);

// FixedEndMoment of spans 1..N: every load of a span added in stored order, each addition
// rounded to single. Expects FixedEndMoment cleared (a fresh BeamResults{}).
void loadTerms(const Beam& beam, BeamResults& results);

// StiffnessFactor, DistributionFactor and CarryOverFactor of spans 1..N.
// Throws JointWithoutStiffness when the two stiffnesses k*i at a joint add up to zero.
void distributionFactors(const Beam& beam, BeamResults& results);

// Balances the joints 1..N-1 in order, sweep after sweep, starting from the load terms, until
// every correction is below 0.00001 kN*m or a whole sweep leaves every EndMoment unchanged
// (the float values have come to rest). Returns the number of sweeps run.
// Throws NoConvergence after kMaxSweeps sweeps.
long distributeMoments(const Beam& beam, BeamResults& results);

// The same, recording every step into working (see DistributionWorking.h).
long distributeMoments(const Beam& beam, BeamResults& results, DistributionWorking& working);

} // namespace spanwise
