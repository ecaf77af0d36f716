// 计算 → 设计参数…: the materials and settings the reinforced-concrete design takes (the
// concrete, the steel of the bars and of the stirrups, the environment class, as and gamma0).
// The dialog only gathers the values; the editor decides whether they can be used.
#pragma once

#include "model/Design.h"

#include "edit/Editor.h"
#include "ui/common/CommittingDialog.h"

#include <optional>
#include <variant>

class QComboBox;
class QLineEdit;

namespace spanwise {

class DesignSettingsDialog : public CommittingDialog {
    Q_OBJECT

public:
    explicit DesignSettingsDialog(const DesignSettings& settings, QWidget* parent = nullptr);

    // The settings as chosen, or the field that does not hold a number.
    std::variant<DesignSettings, Refusal> typed() const;
    // The control of a part of the settings.
    QWidget* controlOf(Editor::SettingsPart part) const;

private:
    QComboBox* m_concreteList;
    QComboBox* m_steelList;
    QComboBox* m_stirrupSteelList;
    QComboBox* m_environmentList;
    QLineEdit* m_tensionCoverField;
    QLineEdit* m_topTensionCoverField;
    QComboBox* m_importanceList;
};

} // namespace spanwise
