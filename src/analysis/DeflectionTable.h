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

// 跨号; l0; the largest downward deflection and where; the largest upward one and where; l0/w;
// the limit; ✔ or ✘. With arrangements (an envelope), the live spans of each extreme follow it.
DeflectionTable deflectionTable(const BeamDeflection& deflection, float limitDenominator,
                                bool arrangements);

// The limit as the engineer writes it: "l0/250".
std::string limitText(float limitDenominator);

// The quasi-permanent share and the limit as one line: "准永久组合 ψq = 0.5；限值 l0/250".
std::string deflectionSettingsText(const DeflectionSettings& settings);

} // namespace spanwise
