// Reading a real from a project file: the same float std::from_chars gives, quicker for the
// plain decimals files hold ("6", "-0.41666666", ".5").
#pragma once

#include <charconv>

namespace spanwise {

// Exactly std::from_chars(first, last, value) (chars_format::general): the same value, end
// and error for every input. A text of at most 15 digits with an optional '-' and point is
// read by one multiplication in double, which rounds to the same float as the decimal itself
// unless it falls within a few units of its last place of halfway between two floats; that
// case and every other text (exponents, long digit strings, "inf") go to std::from_chars.
std::from_chars_result readFloat(const char* first, const char* last, float& value);

} // namespace spanwise
