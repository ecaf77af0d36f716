#include "ui/common/NumberValidator.h"

#include "analysis/NumberFormat.h"

#include <utility>

namespace spanwise {

NumberValidator::NumberValidator(bool signed_, std::function<void()> onRefused, QObject* parent)
    : QValidator(parent), m_signed(signed_), m_onRefused(std::move(onRefused)) {}

QValidator::State NumberValidator::validate(QString& input, int& /*pos*/) const {
    switch (numberEntryOf(input.toStdString(), m_signed)) {
    case NumberEntry::Complete:
        return Acceptable;
    case NumberEntry::Partial:
        return Intermediate;
    case NumberEntry::Refused:
        break;
    }
    if (m_onRefused) {
        m_onRefused();
    }
    return Invalid;
}

} // namespace spanwise
