// The deflection check as a table of texts, the one layout the result window, the CSV and the
// report print: one row per span.
#pragma once

#include "analysis/Deflection.h"

#include <string>
#include <vector>

namespace spanwise {

// What every deflection shown says about itself.
inline constexpr const char* kElasticDeflectionNote = "按输入 EI 计算的弹性挠度";

struct DeflectionTable {
    std::vector<std::string> headers;
    std::vector<std::vector<std::string>> rows;
};

// What the verdict cell says of a span whose EI was never entered.
inline constexpr const char* kNeedsRealRigidity = "需输入实际 EI";

// 跨号; l0; the largest downward deflection and where; the largest upward one and where; l0/w
// (rounded down; "—" for a span that does not move); with verdicts, the span's limit and ✔ or
// ✘ (kNeedsRealRigidity where the span is not judged). With arrangements (an envelope), the live
// spans of each extreme follow it. Without verdicts the deflection is shown as what it is, the
// check being another's (a designed beam's is the one with the long-term stiffness B).
DeflectionTable deflectionTable(const BeamDeflection& deflection, bool arrangements,
                                bool verdicts = true);

// Said of the elastic deflection of a beam whose check is the design's, with B.
inline constexpr const char* kDeflectionCheckedWithB =
    "挠度验算按长期刚度 B 进行（见截面设计），此处为弹性挠度，不作判断";

// The limit as the engineer writes it: "l0/250".
std::string limitText(float limitDenominator);

// The limit of the settings: "l0/250", or by the table "l0/200（l0<7m）、l0/250（7m≤l0≤9m）、
// l0/300（l0>9m）".
std::string limitRuleText(const DeflectionSettings& settings);

// The quasi-permanent share and the limit as one line: "准永久组合 ψq = 0.5；限值 l0/250".
std::string deflectionSettingsText(const DeflectionSettings& settings);

// Said wherever a deflection is shown when a span's EI is still the default: "第1、3跨 EI 为
// 默认值 1，挠度需输入实际 EI 后方可验算"; empty when every span has its own.
std::string defaultRigidityNote(const Beam& beam);

} // namespace spanwise
