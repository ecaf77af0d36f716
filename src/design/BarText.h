// Bars as the drawing and the engineer write them: "4Φ22" and "Φ8@150(2)", and the parser of what
// an engineer types for them.
#pragma once

#include "model/Design.h"

#include <optional>
#include <string>
#include <string_view>

namespace spanwise {

// "4Φ22"
std::string barText(const BarSet& bars);

// "Φ8@150(2)"
std::string stirrupText(const StirrupSet& stirrups);

// A typed value, or why it was refused (in the words the input field shows).
template <typename Value> struct Parsed {
    std::optional<Value> value;
    std::string problem; // empty when value holds

    bool ok() const { return value.has_value(); }
};

// "4Φ22", "4φ22", "4ϕ22", "4 Φ 22", "4C22" (a grade letter A…E of drafting software, either
// case, stands for the sign; the grade is the project's): count, bar sign, diameter; spaces (also
// the full-width one) anywhere. Refused: another form, a count outside 2…20, a diameter not among
// 10, 12, …, 40.
Parsed<BarSet> parseBars(std::string_view text);

// "Φ8@150(2)", "φ8@150", "Φ8＠150（4）": bar sign, diameter, @, spacing and, optionally, the legs
// in parentheses (2 when omitted). Refused: another form, a diameter not among 6, 8, 10, 12, 14, a
// spacing outside 50…400, legs other than 2, 4, 6.
Parsed<StirrupSet> parseStirrups(std::string_view text);

} // namespace spanwise
