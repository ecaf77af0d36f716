// The detailing as a JSON member of the batch tool's result object (--detailing --json), so that
// a drawing program's or a checker's script takes the texts, cut-offs and schedule without
// working them again:
// ,"detailing":{"detailed":true,"missing":[],"name":"L1(2)","frame":false,
//   "endDetail":"pinned"|"full"|"frame","anchorages":[{"steel":400,"d":16,"kab":35,"ka":35,
//   "lab":560,"la":560}],"centralLines":["L1(2) 250×600",…],
//   "supports":[{"support":0,"text":"2C16"}],        (原位 texts over the supports)
//   "spans":[{"span":1,"top":"","bottom":"","overrides":[],"bottomBars":"4C20","through":false,
//     "why":"…","erection":"(2C10)"|null,"erectionLength":2830,
//     "stirrups":{"text":"6A8@200/250(2)","dense":true,"n1":6,"s1":200,"e":1050,"V":155.94,
//       "required":0.3178,"s2":250,"m":13,"count":25},
//     "sideBars":{"text":"G4C10","perSide":2,"d":10,"own":true,"length":5900,"tieD":6,
//       "tieSpacing":500,"tiesPerRow":12}|null},…],
//   "additionalStirrups":[{"span":1,"x":3,"F":67.5,"Asv":250,"d":8,"perSide":3,"legs":2,
//     "text":"6A8(2)","fits":true}],
//   "topRuns":[{"first":0,"last":0,"row":1,"count":2,"d":16,"steel":400,"left":END,"right":END,
//     "length":1820}],
//   "bottomBars":[{"span":1,"count":4,"d":20,"steel":400,"left":END,"right":END,"length":6080}],
//   "schedule":[{"number":1,"kind":"下部纵筋","shape":"直 6080","diameter":"C20","length":6080,
//     "count":8,"totalLength":"48.64","weight":"120.04"}],
//   "totals":{"weight":"256.46","concrete":"1.680","steelPerVolume":"152.7"},
//   "groups":[{"first":0,"last":0,"text":"2C16","count":2,"d":16}],
//   "geometry":{"cover":20,"nodes":[0,6000,…],"supports":[{"width":400,"free":false}],
//     "spans":[{"length":6000,"b":250,"h":600,"bf":0,"hf":0,"leftFace":200,"rightFace":5800,
//       "freeLeft":false,"freeRight":false,"legs":2,"stirrupD":8,"bottomCount":4,"bottomD":20}]},
//   "changes":[…],"failures":[…],"notes":[…]}
// with END = {"kind":"cutOff"|"straight"|"bent"|"freeEnd"|"stop","support":j|null,
//   "fromFace":mm,"bend":mm,"hook":false,"x":mm,"words":"…"}; lengths in mm, x from node 0.
#pragma once

#include "detailing/BeamDetailing.h"

#include <string>

namespace spanwise {

std::string detailingJsonMember(const BeamDetailing& detailing);

} // namespace spanwise
