// How the value fields of the single-span panel take text, keystroke by keystroke.
//
// A field shows text and edits one single-precision value of the project. Every change of the
// text is filtered at once: a plain decimal is taken (with a leading minus in the fields of a
// load's P and q, which may point upwards), anything else is refused and the field shows the
// value in force again. Between keystrokes a field may hold "." or a text
// with a trailing point; leaving the field turns such a text into the value's canonical text.
#pragma once

#include <cstddef>
#include <string>

namespace spanwise {

// The eight value fields, in the order the panel fills them.
enum class ValueField { Length, LineStiffness, EI, P, q, a, b, c };
inline constexpr int kValueFieldCount = 8;

// Where a field's text is kept among the kValueFieldCount texts.
inline std::size_t indexOf(ValueField field) {
    return static_cast<std::size_t>(field);
}

inline bool isLoadField(ValueField field) {
    return field == ValueField::P || field == ValueField::q || field == ValueField::a ||
           field == ValueField::b || field == ValueField::c;
}

// P and q take negative values (upward loads); lengths, EI and i do not.
inline bool takesSign(ValueField field) {
    return field == ValueField::P || field == ValueField::q;
}

// A text the field will show and the value it edits; filtering changes either or both.
struct FieldEntry {
    std::string text;
    float value = 0;
    bool refused = false; // the text was refused and replaced by the value in force
};

// A field's text changed: empty shows the field's empty text ("0", or "1" for EI and i) and
// stores its value; a number on its way (".", "2e", "2.5E-", with a sign "-" and "-.") changes
// nothing; a number (a plain decimal with an optional exponent, with takesSign a minus before
// it) is stored; anything else (or a number beyond the float range) is refused and the field
// shows the value in force again.
FieldEntry filterFieldText(FieldEntry entry, const char* emptyText, bool takesSign = false);

// The text a field shows when it is emptied.
inline const char* emptyTextOf(ValueField field) {
    return field == ValueField::Length || isLoadField(field) ? "0" : "1";
}

} // namespace spanwise
