// 截面…: the reinforced-concrete section of the span shown: web b x h, a compression flange
// bf' x hf' (with the GB 50010 Table 5.2.4 helper for bf' in a ribbed floor), whether the beam
// is an 独立梁, and the bars provided (empty: the design proposes them). The dialog only
// gathers what was typed; the editor decides whether it can be used. 删除截面 gives the span its
// typed EI and i back.
#pragma once

#include "model/Design.h"

#include "ui/common/CommittingDialog.h"

#include <optional>
#include <string>
#include <variant>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace spanwise {

class SectionDialog : public CommittingDialog {
    Q_OBJECT

public:
    // span: its number, its length (m) and the section it has; tensionCover: as of the design
    // settings (mm), for the helper's h0.
    SectionDialog(int span, float length, const std::optional<SpanSection>& section,
                  float tensionCover, QWidget* parent = nullptr);

    // The section as typed, or nothing when the user asked to delete it (removed()); or the field
    // that does not hold a number or a bar text, and why.
    std::variant<std::optional<SpanSection>, Refusal> typed() const;
    bool removed() const { return m_removed; }
    // The field that holds a part of the section.
    QWidget* controlOf(SectionPart part) const;

private:
    void fillFlangeByTable();
    void showFlangeFields();

    float m_length;
    float m_tensionCover;
    bool m_removed = false;
    QLineEdit* m_widthField;
    QLineEdit* m_depthField;
    QCheckBox* m_flangeBox;
    QLineEdit* m_flangeWidthField;
    QLineEdit* m_flangeDepthField;
    QLineEdit* m_clearDistanceField;
    QLabel* m_tableNote;
    QCheckBox* m_independentBox;
    QLineEdit* m_bottomBarsField;
    QLineEdit* m_topBarsField;
    QLineEdit* m_stirrupsField;
};

} // namespace spanwise
