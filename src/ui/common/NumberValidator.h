// The first filter of a number field: a keystroke (or a paste) that would leave the field with
// a text it cannot take is refused before it reaches the field, so that the field keeps its
// text, caret and selection exactly as they were and the next keys land where the user
// expects. The editor filters what does reach the field once more.
#pragma once

#include <QValidator>

#include <functional>

namespace spanwise {

class NumberValidator : public QValidator {
public:
    // signed_: the field takes a leading minus (a load that may point upwards). onRefused runs
    // for every refused keystroke, so that the window can say what the field takes.
    NumberValidator(bool signed_, std::function<void()> onRefused, QObject* parent);

    State validate(QString& input, int& pos) const override;

private:
    bool m_signed;
    std::function<void()> m_onRefused;
};

} // namespace spanwise
