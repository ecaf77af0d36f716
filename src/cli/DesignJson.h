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
//  "notices":["第2跨左端支座边缘：调幅后 ξ = 0.0812 < 0.10",…],
//  "materials":{"concrete":"C30","fc":14.3,"ft":1.43,"ftk":2.01,"Ec":30000,"steel":"HRB400",
//    "steelSign":"C","fy":360,"stirrupSteel":"HRB400","stirrupSign":"C","fyv":360,
//    "environment":"一","cover":20,"as":40,"asTop":40,"crackLimit":0.3},
//  "supports":[{"support":j,"axis":"②","requiredArea":As,"governingFace":"left"|"right","bars":"4C22"|null,
//    "area":..,"ok":true,"failures":[..]},..],
//  "spans":[{"span":1,"b":250,"h":500,"bf":0,"hf":0,"EI":kN·m²,"i":kN·m,"h0":460,
//    "rows":[{"place":"leftFace"|"bottom"|"spanTop"|"rightFace","support":j|null,"x":..,
//      "moment":M,"tension":true,"redistributed":false,"steel":{steel},"h0":..,
//      "shape":"rectangle"|"flangeClass1"|"flangeClass2","alphaS":..,"xi":..,
//      "doublyReinforced":false,"requiredArea":As,"ratio":ρ,"compressionArea":As',
//      "minimumGoverns":false,"bars":{bars}|null,"compressionCovered":true|false|null,
//      "quasiPermanentMoment":Mq,"crackWidth":w|null,"crack":{"sigmaSq":..,"rhoTe":..,
//      "psi":..,"cs":..,"deq":..,"width":..,"limit":..,"ok":true}|null,"ductilityXi":ξ|null,
//      "ductility":{"xi":..,"ok":true,"notice":"…"|null}|null,"ok":true,"failures":[..]},..],
//    "shear":[{"side":"left"|"right","support":j,"x":..,"V":..,"Vc":..,"alphaCv":0.7,
//      "concentratedRule":false,"slenderness":hw/b,"sectionLimit":kN,"detailingGoverns":false,
//      "minimumGoverns":false,"requiredRatio":Asv/s,"ok":true,"failures":[..]},..],
//    "stirrups":{"legs":2,"diameter":8,"spacing":150,"text":"C8@150(2)","steel":{steel},
//      "ratio":..,"provided":false,"ok":true,"failures":[..]}|null,
//    "hangers":[{"x":..,"force":F,"area":Asv},..],
//    "deflection":{"kind":"span"|"cantileverTip","state":"passed"|"failed"|"notChecked",
//      "words":"..","B":N·mm²|null,"elastic":mm,"longTerm":mm|null,"ratio":l0/f|null,
//      "limitRatio":n}}]}
// steel: {"code":400,"name":"HRB400","sign":"C"}; bars: {"count":4,"diameter":22,
//  "text":"4C22","steel":{steel},"area":..,"ratio":ρ of the bars,"twoLayers":false,"fits":true,
//  "provided":false,"centroid":mm from the tension face,"atRealDepth":{"h0":..,
//  "requiredArea":..}|null,"widenedForCracks":"4C20"|null,"ok":true,"failures":[..]}.
// Moments kN*m, shears kN, areas mm², Asv/s mm²/mm, b, h, h0 mm, x m, stresses N/mm².
std::string designJsonMember(const Beam& beam, const BeamDesign& design);

} // namespace spanwise
