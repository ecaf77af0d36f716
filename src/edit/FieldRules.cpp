#include "edit/FieldRules.h"

#include "analysis/NumberFormat.h"

namespace spanwise {

FieldEntry filterFieldText(FieldEntry entry, const char* emptyText, bool takesSign) {
    entry.refused = false;
    const bool negative = takesSign && !entry.text.empty() && entry.text.front() == '-';
    const std::string_view magnitude = std::string_view(entry.text).substr(negative ? 1 : 0);
    if (entry.text.empty()) {
        entry.text = emptyText;
        entry.value = *parseFieldNumber(entry.text);
        return entry;
    }
    switch (numberEntryOf(entry.text, takesSign)) {
    case NumberEntry::Partial: // a number being typed: nothing to store yet
        break;
    case NumberEntry::Complete: {
        const float parsed = *parseFieldNumber(magnitude);
        entry.value = negative ? -parsed : parsed;
        break;
    }
    case NumberEntry::Refused:
        entry.text = fieldText(entry.value);
        entry.refused = true;
        break;
    }
    return entry;
}

} // namespace spanwise
