#include "edit/FieldRules.h"

#include "analysis/NumberFormat.h"

namespace spanwise {

FieldEntry filterFieldText(FieldEntry entry, const char* emptyText) {
    if (entry.text.empty()) {
        entry.text = emptyText;
        entry.value = *parseFieldNumber(entry.text);
    } else if (entry.text == ".") {
        // a number being typed: nothing to store yet
    } else if (const auto parsed = parseFieldNumber(entry.text)) {
        entry.value = *parsed;
    } else {
        entry.text = fieldText(entry.value);
    }
    return entry;
}

} // namespace spanwise
