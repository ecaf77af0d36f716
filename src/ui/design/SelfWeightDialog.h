// 荷载 → 梁自重…: whether the spans with a section carry the beam's own weight, and its unit
// weight γ. The dialog only gathers the values; the editor decides whether they can be used.
#pragma once

#include "ui/common/CommittingDialog.h"

#include <variant>

class QCheckBox;
class QLineEdit;

namespace spanwise {

class SelfWeightDialog : public CommittingDialog {
    Q_OBJECT

public:
    explicit SelfWeightDialog(float unitWeight, QWidget* parent = nullptr);

    // γ as chosen (0: not counted), or the field that does not hold a number.
    std::variant<float, Refusal> typed() const;
    QWidget* unitWeightField() const;

private:
    QCheckBox* m_countedBox;
    QLineEdit* m_unitWeightField;
};

} // namespace spanwise
