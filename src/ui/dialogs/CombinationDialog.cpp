#include "ui/dialogs/CombinationDialog.h"

#include "analysis/NumberFormat.h"
#include "ui/common/Controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>

namespace spanwise {

using namespace controls;

namespace {

// The limits an engineer usually checks against (GB 50010, GB 50017).
constexpr int kUsualLimits[] = {200, 250, 300, 400, 500};
// The data of the list's items that are not one n: by the table, and typed.
constexpr int kByTable = 0;
constexpr int kTyped = -1;

} // namespace

CombinationDialog::CombinationDialog(const CombinationFactors& factors,
                                     const DeflectionSettings& deflection, QWidget* parent)
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
    m_quasiPermanentField = field("quasiPermanentField", text(deflection.quasiPermanent));
    // the first item takes the limit from the table by each span's l0; the others fix one n
    m_limitList = named<QComboBox>("deflectionLimitList");
    m_limitList->addItem(QStringLiteral("按 GB 50010 表 3.4.3"), kByTable);
    for (int n : kUsualLimits) {
        m_limitList->addItem(QStringLiteral("l0/%1").arg(n), n);
    }
    m_limitList->addItem(QStringLiteral("其他"), kTyped);
    m_limitField = field("deflectionLimitField",
                         deflection.byTable() ? QString() : text(deflection.limitDenominator));
    const int usual = m_limitList->findData(static_cast<int>(deflection.limitDenominator));
    m_limitList->setCurrentIndex(usual >= 0 && float(m_limitList->itemData(usual).toInt()) ==
                                                   deflection.limitDenominator
                                     ? usual
                                     : m_limitList->count() - 1);
    m_limitField->setEnabled(!deflection.byTable());
    // a usual limit fills the field; a typed one that is not usual shows as 其他
    connect(m_limitList, &QComboBox::activated, this, [this](int index) {
        const int n = m_limitList->itemData(index).toInt();
        if (n > 0) {
            m_limitField->setText(QString::number(n));
        } else if (n == kByTable) {
            m_limitField->clear();
        }
        m_limitField->setEnabled(n != kByTable);
    });
    connect(m_limitField, &QLineEdit::textEdited, this, [this](const QString& typed) {
        const int listed = m_limitList->findData(typed.toInt());
        m_limitList->setCurrentIndex(listed > 0 && QString::number(typed.toInt()) == typed
                                         ? listed
                                         : m_limitList->count() - 1);
    });

    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("恒载分项系数 γG"), m_deadField);
    form->addRow(QStringLiteral("活载分项系数 γQ"), m_liveField);
    form->addRow(QStringLiteral("设计使用年限调整系数 γL"), m_designLifeField);
    form->addRow(m_favourableBox, m_favourableField);
    form->addRow(QStringLiteral("挠度验算：准永久值系数 ψq"), m_quasiPermanentField);
    auto* limitRow = new QHBoxLayout;
    limitRow->addWidget(m_limitList);
    limitRow->addWidget(new QLabel(QStringLiteral("l0 /")));
    limitRow->addWidget(m_limitField);
    form->addRow(QStringLiteral("挠度限值"), limitRow);
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

namespace spanwise {

std::optional<DeflectionSettings> CombinationDialog::deflection() const {
    const auto share = parseFieldNumber(m_quasiPermanentField->text().toStdString());
    if (m_limitList->currentData().toInt() == kByTable) {
        return share ? std::optional(DeflectionSettings{*share, 0}) : std::nullopt;
    }
    const auto limit = parseFieldNumber(m_limitField->text().toStdString());
    if (!share || !limit || *limit == 0) {
        return std::nullopt;
    }
    return DeflectionSettings{*share, *limit};
}

} // namespace spanwise
