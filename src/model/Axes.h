// The supports' axes as the engineer names them on the drawings: the label of each support under
// the beam's style, the names tables and messages build from it, and the rule a typed label
// keeps.
#pragma once

#include "model/Beam.h"

#include <optional>
#include <string>

namespace spanwise {

// The axis of support j (0..spanCount) as the beam's style names it: "②", "B" or as typed (a
// typed axis left empty keeps its number); empty for a cantilever's free end.
std::string axisLabel(const Beam& beam, int j);
// The support as tables and messages name it: "②轴支座".
std::string supportName(const Beam& beam, int j);
// The face of support j that a span meets, as design results name it: side -1 the support's
// left face ("③轴支座左边缘", the right end of span j), +1 its right face ("②轴支座右边缘", the
// left end of span j + 1); a free end is "悬臂端".
std::string supportFaceName(const Beam& beam, int j, int side);

// A typed axis: up to kAxisLabelLength characters, no double quote, comma or line break (the
// file keeps it quoted), and no two supports on one axis. Empty when the beam's axes may be
// kept; else the first problem in words ("轴号“A”重复（从左数第 1、3 个支座）").
inline constexpr int kAxisLabelLength = 8;
inline constexpr const char* kAxisLabelWords = "轴号最多 8 个字，不能含有引号、逗号或换行";
struct AxisProblem {
    int support = 0;
    std::string words;
};
std::optional<AxisProblem> axisProblem(const Beam& beam);
std::string axisLabelProblem(const Beam& beam);

} // namespace spanwise
