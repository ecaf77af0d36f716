// Bars as the drawing and the engineer write them: "4Φ22" and "Φ8@150(2)", and the parser of what
// an engineer types for them.
#pragma once

#include "model/Design.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace spanwise {

// How a bar's steel shows: as the design's tables write it (HPB300 Φ, the others by the letter
// of drafting software, B HRB335, C HRB400, E HRB500), or as a drawing's sign setting asks:
// letters (A HPB300 too), the codes %%130…%%133 of a structural symbol font, or Φ for every grade.
enum class SteelSigns : std::int8_t { Tables, Letters, Codes, Phi };

// The sign of a steel code (300, 335, 400, 500) in the given style.
std::string steelSignText(int code, SteelSigns signs = SteelSigns::Tables);

// "4C22": count, the sign of the set's grade (its own, else the project's), diameter.
std::string barText(const BarSet& bars, int projectGrade, SteelSigns signs = SteelSigns::Tables);

// "Φ8@150(2)", "C8@150(3)": the sign of the set's grade, diameter, spacing and legs.
std::string stirrupText(const StirrupSet& stirrups, int projectGrade,
                        SteelSigns signs = SteelSigns::Tables);

// A set as the engineer types it (what the input fields show): "4Φ22" and "Φ8@150(2)" for the
// project's grade, "4C22" and "A8@150(2)" (the letters A, B, C, E) for a set's own.
std::string typedBarText(const BarSet& bars);
std::string typedStirrupText(const StirrupSet& stirrups);

// A typed value, or why it was refused (in the words the input field shows).
template <typename Value> struct Parsed {
    std::optional<Value> value;
    std::string problem; // empty when value holds

    bool ok() const { return value.has_value(); }
};

// "4Φ22", "4φ22", "4ϕ22", "4 Φ 22" (the project's grade), "4C22" (the letter of drafting
// software names the set's own grade: A HPB300, B HRB335, C HRB400, E HRB500, either case):
// count, sign, diameter; spaces (also the full-width one) anywhere. Refused: another form, another
// letter, a count outside 2…20, a diameter not among 10, 12, …, 40.
Parsed<BarSet> parseBars(std::string_view text);

// "Φ8@150(2)", "φ8@150", "C8＠150（4）": sign (or grade letter), diameter, @, spacing and,
// optionally, the legs in parentheses (2 when omitted). Refused: another form, a diameter not
// among 6, 8, 10, 12, 14, a spacing outside 50…400, legs other than 2, 3, 4, 6.
Parsed<StirrupSet> parseStirrups(std::string_view text);

} // namespace spanwise
