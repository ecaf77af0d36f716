// 计算 → 设计参数…: the materials and settings the reinforced-concrete design takes (the
// concrete, the steel of the bars and of the stirrups, the environment class, as and gamma0).
// The dialog only gathers the values; the editor decides whether they can be used.
#pragma once

#include "model/Design.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QLineEdit;

namespace spanwise {

class DesignSettingsDialog : public QDialog {
    Q_OBJECT

public:
    explicit DesignSettingsDialog(const DesignSettings& settings, QWidget* parent = nullptr);

    // The settings as chosen; nothing when as does not hold a number.
    std::optional<DesignSettings> settings() const;

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
