#include "ui/design/SelfWeightDialog.h"

#include "analysis/NumberFormat.h"
#include "model/SelfWeight.h"
#include "ui/common/Controls.h"
#include "ui/common/NumberValidator.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>

namespace spanwise {

using namespace controls;

SelfWeightDialog::SelfWeightDialog(float unitWeight, QWidget* parent) : CommittingDialog(parent) {
    setObjectName(QStringLiteral("selfWeightDialog"));
    setWindowTitle(QStringLiteral("梁自重"));
    m_countedBox = named<QCheckBox>("selfWeightCountedBox", QStringLiteral("计入梁自重"));
    m_countedBox->setChecked(unitWeight > 0);
    m_countedBox->setToolTip(QStringLiteral(
        "有截面的跨加恒载均布荷载 γ·b·h（T 形截面 γ·b·(h − hf')，板自重计入板荷载）"));
    m_unitWeightField =
        field("unitWeightField",
              QString::fromStdString(fieldText(unitWeight > 0 ? unitWeight : kDefaultUnitWeight)));
    m_unitWeightField->setValidator(new NumberValidator(false, {}, m_unitWeightField));
    m_unitWeightField->setEnabled(unitWeight > 0);
    connect(m_countedBox, &QCheckBox::toggled, m_unitWeightField, &QWidget::setEnabled);

    auto* form = new QFormLayout(this);
    form->addRow(m_countedBox);
    form->addRow(QStringLiteral("重度 γ (kN/m³)"), m_unitWeightField);
    form->addRow(statusLine());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->setObjectName(QStringLiteral("selfWeightButtons"));
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

std::variant<float, CommittingDialog::Refusal> SelfWeightDialog::typed() const {
    if (!m_countedBox->isChecked()) {
        return 0.0f;
    }
    const auto value = parseFieldNumber(m_unitWeightField->text().toStdString());
    if (!value) {
        return Refusal{m_unitWeightField, QStringLiteral("应为数字")};
    }
    if (*value == 0) { // 0 means "not counted", which the box says; a typed 0 is out of range
        return Refusal{m_unitWeightField, QString::fromUtf8(kSelfWeightRangeWords)};
    }
    return *value;
}

QWidget* SelfWeightDialog::unitWeightField() const {
    return m_unitWeightField;
}

} // namespace spanwise
