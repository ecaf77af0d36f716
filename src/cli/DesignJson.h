// The design forces as a JSON member of the batch tool's result object.
#pragma once

#include "design/BeamDesign.h"
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

// ,"design":{"designed":true,"whyNot":null,"summary":"全部满足","failures":["第1跨…",…],
//  "materials":{"concrete":"C30","fc":14.3,"ft":1.43,"steel":"HRB400","fy":360,
//    "stirrupSteel":"HRB400","fyv":360,"environment":"一","cover":20,"as":40,"crackLimit":0.3},
//  "spans":[{"span":1,"b":250,"h":500,"bf":0,"hf":0,"h0":460,
//    "rows":[{"place":"leftFace"|"bottom"|"spanTop"|"rightFace","x":..,"moment":M,
//      "tension":true,"shape":"rectangle"|"flangeClass1"|"flangeClass2","alphaS":..,"xi":..,
//      "requiredArea":As,"compressionArea":As',"minimumGoverns":false,
//      "bars":{"count":4,"diameter":22,"area":..,"twoLayers":false,"provided":false}|null,
//      "quasiPermanentMoment":Mq,"crackWidth":w|null,"ductilityXi":ξ|null,"ok":true,
//      "failures":[..]},..],
//    "shear":[{"side":"left"|"right","V":..,"Vc":..,"alphaCv":0.7,"requiredRatio":Asv/s,
//      "ok":true,"failures":[..]},..],
//    "stirrups":{"legs":2,"diameter":8,"spacing":150,"ratio":..,"provided":false}|null,
//    "hangers":[{"x":..,"force":F,"area":Asv},..],
//    "deflection":{"state":"passed"|"failed"|"notChecked","words":"..","B":N·mm²|null,
//      "elastic":mm,"longTerm":mm|null,"ratio":l0/f|null,"limitRatio":n}}]}
// Moments kN*m, shears kN, areas mm², Asv/s mm²/mm, b, h mm, x m.
std::string designJsonMember(const BeamDesign& design);

} // namespace spanwise
