// The data check of a beam's design data: the rules its settings, sections and supports must
// meet before its design forces and steel can be had. Every broken rule adds one message, in
// the style of the span messages ("第2跨…", "第1支座…"), with its place.
#pragma once

#include "check/DataCheck.h"

#include <string>
#include <vector>

namespace spanwise {

inline constexpr const char* kSpanWithoutLengthBetweenFaces = "跨两端支座宽度之半的和不小于跨度!";

// Appends the messages of the design data (none for a beam without any) to list and places.
// Returns true when it appended none.
bool checkDesignData(const Beam& beam, std::vector<std::string>& list,
                     std::vector<CheckPlace>& places);

} // namespace spanwise
