// 荷载 → 双向板传来…: the slab panels beside the span shown (load per area, both sides of a
// panel, whether the beam lies along its long or its short side, panels on one side or on
// both) and the case of the load they give. The dialog only gathers the values; the editor
// decides whether they can load the span.
#pragma once

#include "analysis/SlabLoads.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace spanwise {

class SlabLoadDialog : public QDialog {
    Q_OBJECT

public:
    // spanLength chooses the side the beam most likely lies along as the typed sides change;
    // loadCase is the case offered first.
    SlabLoadDialog(float spanLength, LoadCase loadCase, QWidget* parent = nullptr);

    // The panels as typed; nothing when a field does not hold a number.
    std::optional<SlabPanels> panels() const;
    LoadCase loadCase() const;

private:
    void guessSide();

    float m_spanLength;
    QLineEdit* m_pressureField;
    QLineEdit* m_shortSideField;
    QLineEdit* m_longSideField;
    QRadioButton* m_alongLongSide;
    QRadioButton* m_alongShortSide;
    QCheckBox* m_bothSidesBox;
    QComboBox* m_caseList;
};

} // namespace spanwise
