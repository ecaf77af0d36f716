#include "ui/dialogs/CombinationDialog.h"

#include "analysis/NumberFormat.h"
#include "ui/common/Controls.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>

namespace spanwise {

using namespace controls;

CombinationDialog::CombinationDialog(const CombinationFactors& factors, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("combinationDialog"));
    setWindowTitle(QStringLiteral("荷载组合"));
    auto text = [](float v) { return QString::fromStdString(fieldText(v)); };
    m_deadField = field("deadFactorField", text(factors.dead));
    m_liveField = field("liveFactorField", text(factors.live));
    m_designLifeField = field("designLifeFactorField", text(factors.designLife));
    m_favourableBox = named<QCheckBox>("deadFavourableBox", QStringLiteral("恒载有利时取 γG = "));
    m_favourableBox->setChecked(factors.deadFavourable.has_value());
    m_favourableField = field("deadFavourableField", text(factors.deadFavourable.value_or(1.0f)));
    m_favourableField->setEnabled(m_favourableBox->isChecked());
    connect(m_favourableBox, &QCheckBox::toggled, m_favourableField, &QLineEdit::setEnabled);

    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("恒载分项系数 γG"), m_deadField);
    form->addRow(QStringLiteral("活载分项系数 γQ"), m_liveField);
    form->addRow(QStringLiteral("设计使用年限调整系数 γL"), m_designLifeField);
    form->addRow(m_favourableBox, m_favourableField);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->setObjectName(QStringLiteral("combinationButtons"));
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

std::optional<CombinationFactors> CombinationDialog::factors() const {
    auto value = [](const QLineEdit* f) { return parseFieldNumber(f->text().toStdString()); };
    const auto dead = value(m_deadField);
    const auto live = value(m_liveField);
    const auto designLife = value(m_designLifeField);
    const auto favourable = value(m_favourableField);
    if (!dead || !live || !designLife || (m_favourableBox->isChecked() && !favourable)) {
        return std::nullopt;
    }
    CombinationFactors factors{*dead, *live, *designLife, std::nullopt};
    if (m_favourableBox->isChecked()) {
        factors.deadFavourable = *favourable;
    }
    return factors;
}

} // namespace spanwise
