// 计算 → 构件…: the member the drawing names and details: non-frame beam (L) or frame beam
// (KL), its number, how the drawing marks the bars' grades, and the secondary beams that bring
// the concentrated forces (their width bs, and this beam's depth h1 below their bottom).
// The dialog only gathers the values; the editor decides whether they can be used.
#pragma once

#include "model/Design.h"
#include "ui/common/CommittingDialog.h"

#include <variant>

class QComboBox;
class QLineEdit;

namespace spanwise {

class MemberDialog : public CommittingDialog {
    Q_OBJECT

public:
    explicit MemberDialog(const MemberData& member, QWidget* parent = nullptr);

    // The member as typed, or the field that does not hold a whole number.
    std::variant<MemberData, Refusal> typed() const;
    QWidget* controlOf(MemberPart part) const;

private:
    QComboBox* m_codeList;
    QLineEdit* m_numberField;
    QComboBox* m_signsList;
    QLineEdit* m_secondaryWidthField;
    QLineEdit* m_secondaryDropField;
};

} // namespace spanwise
