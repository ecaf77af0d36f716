// The deflections of a calculation as JSON members of the batch tool's result object.
#pragma once

#include "outcome/BeamOutcome.h"

#include <string>

namespace spanwise {

// ,"deflection":[{"span":1,"max":{"value":mm,"x":m},"min":{..},"limitRatio":250,"ratio":..,
// "ok":true},..] for the loads as entered; with live loads also
// ,"deflectionEnvelope":{"characteristic":[..],"quasiPermanent":[..]} whose extremes add
// "liveSpans". x from the span's left end; "ratio" is l0/|w| (null for a span that does not
// move). "deflection" is null when a span has no usable EI (or the combinations of a beam with
// live loads could not be made).
std::string deflectionJsonMembers(const BeamOutcome& outcome);

} // namespace spanwise
