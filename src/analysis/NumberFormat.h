// Numbers as the engineer reads them.
#pragma once

#include <string>

namespace spanwise {

// A result rounded half up to three decimals, floor(v * 1000 + 0.5) / 1000 taken in double from
// the stored float; never -0.
double roundForDisplay(float v);

// The rounded result as the shortest plain decimal text: 45, -22.5, 13.333, 0.5, never "-0",
// never an exponent; "." as decimal point whatever the locale.
std::string formatResult(float v);

} // namespace spanwise
