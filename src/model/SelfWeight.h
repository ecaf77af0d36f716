// The beam's own weight (梁自重): derived from each span's section, never typed. A span with a
// section carries a dead uniform load γ·b·(h − hf') for a T (the slab's own weight is the
// slab's load) and γ·b·h for a rectangle, as one more load after its typed ones.
#pragma once

#include "model/Beam.h"

#include <optional>
#include <string>

namespace spanwise {

inline constexpr float kDefaultUnitWeight = 25; // kN/m³, reinforced concrete
inline constexpr const char* kSelfWeightText = "梁自重";

// The rule of the unit weight: 0 (not counted) or 1…100 kN/m³; the words where it fails.
inline constexpr const char* kSelfWeightRangeWords =
    "梁自重的重度 γ 应在 1～100 kN/m³ 之间（0 为不计梁自重）";
std::string selfWeightProblem(float unitWeight);

// The self-weight load of span s, where the setting is on and the span has a section.
std::optional<Load> selfWeightLoad(const Beam& beam, int s);

// The beam with every span's self-weight load after its typed loads (as calculated).
Beam withSelfWeight(const Beam& beam);

} // namespace spanwise
