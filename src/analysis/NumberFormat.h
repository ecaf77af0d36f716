// Numbers as the engineer reads them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace spanwise {

struct Load;

// A result rounded half up to three decimals, floor(v * 1000 + 0.5) / 1000 taken in double from
// the stored float; never -0.
double roundForDisplay(float v);

// The rounded result as the shortest plain decimal text: 45, -22.5, 13.333, 0.5, never "-0",
// never an exponent; "." as decimal point whatever the locale.
std::string formatResult(float v);

// The canonical text of a stored value in a field: at most 7 significant digits, no trailing
// zeros or point, "0.5" not ".5", exponent form from 10^7 on ("1E+08"), "." as decimal point.
std::string fieldText(float v);

// True for a non-empty plain decimal without sign: digits and at most one point ("12", "12.5",
// ".5", "007", "12.", "." all pass; "", "-3", "1e5", "1E+08", "1.2.3", " 1" and anything with
// a byte outside ASCII fail).
bool isPlainDecimal(std::string_view text);

// How far a text typed into a number field has come, keystroke by keystroke.
enum class NumberEntry {
    Complete, // a number: a plain decimal, optionally with an exponent ("2e5", "2.0E+07")
    Partial,  // on its way to one: "", ".", "2e", "2.0E+", and with a sign "-", "-."
    Refused,  // anything else, and a number beyond the float range
};

// The stage of text in a field that takes a leading minus (signed) or not. Digits with at most
// one point form the mantissa; "e" or "E", an optional sign and digits the exponent.
NumberEntry numberEntryOf(std::string_view text, bool signed_ = false);

// The single-precision value of a complete unsigned number (a plain decimal with an optional
// exponent, as every value field takes it: "12.", ".5", "2e5", "1E+07"); nothing for anything
// else and when the number lies beyond the float range.
std::optional<float> parseFieldNumber(std::string_view text);

// A plain decimal (isPlainDecimal, not "." alone) in double precision, for the span count and
// span number fields.
std::optional<double> parseCountNumber(std::string_view text);

// A load as the span's load list shows it: its text (the kind's name) and its values, with
// "活 " before a live load: "集中力 P=50 a=1.5 b=3", "活 均布荷载 q=10", "梯形荷载 q=10 a=1.5",
// "局部均布荷载 q=10 a=1 c=3", "线性分布荷载 q1=0 q2=12 a=0 c=6", "集中力偶 M=60 a=1.5".
std::string loadListText(const Load& load);

} // namespace spanwise
