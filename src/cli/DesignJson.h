// The design forces as a JSON member of the batch tool's result object.
#pragma once

#include "design/DesignForces.h"

#include <string>

namespace spanwise {

// ,"designForces":{"importance":1,"quasiPermanentShare":0.5,"redistributed":true,
//  "spans":[{"span":1,"from":0.15,"to":6.15,
//    "left":{face}|null,"right":{face}|null,
//    "elasticBottom":{"value":..,"x":..,"side":"right"?},
//    "bottom":{"value":..,"x":..,"rule":"elastic"|"redistributed"|"thirdOfSimple"},
//    "simpleMaximum":M0|null,"reducedLeft":|Ml|,"reducedRight":|Mr|,
//    "top":{"value":..,"x":..,"hoggingPeak":false},
//    "quasiPermanentBottom":{"value":..,"x":..},"quasiPermanentAtBottom":..},..]}
// face: {"support":j,"x":..,"beta":..,"elasticMoment":..,"moment":..,"elasticShear":..,
//  "shear":..,"redistributedShearGoverns":false,"quasiPermanentMoment":..}; null at a free end.
// Moments kN*m (sagging positive), shears kN, x m from the span's left end.
std::string designForcesJsonMember(const BeamForces& forces);

} // namespace spanwise
