#include "ui/dialogs/SlabLoadDialog.h"

#include "analysis/NumberFormat.h"
#include "ui/common/Controls.h"
#include "ui/common/NumberValidator.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>

#include <cmath>

namespace spanwise {

using namespace controls;

SlabLoadDialog::SlabLoadDialog(float spanLength, LoadCase loadCase, QWidget* parent)
    : QDialog(parent), m_spanLength(spanLength) {
    setObjectName(QStringLiteral("slabLoadDialog"));
    setWindowTitle(QStringLiteral("双向板传来荷载"));
    auto number = [this](const char* name) {
        QLineEdit* f = field(name, QString());
        f->setValidator(new NumberValidator(false, {}, f));
        return f;
    };
    m_pressureField = number("slabPressureField");
    m_shortSideField = number("slabShortSideField");
    m_longSideField = number("slabLongSideField");
    m_alongLongSide =
        named<QRadioButton>("alongLongSideButton", QStringLiteral("长边 ly 方向（梯形荷载）"));
    m_alongShortSide =
        named<QRadioButton>("alongShortSideButton", QStringLiteral("短边 lx 方向（三角形荷载）"));
    m_alongLongSide->setChecked(true);
    m_bothSidesBox = named<QCheckBox>("bothSidesBox", QStringLiteral("梁两侧均有板"));
    m_caseList = named<QComboBox>("slabCaseList");
    m_caseList->addItems({QStringLiteral("恒载 G"), QStringLiteral("活载 Q")}); // LoadCase
    m_caseList->setCurrentIndex(loadCase);

    auto* side = new QHBoxLayout;
    side->addWidget(m_alongLongSide);
    side->addWidget(m_alongShortSide);
    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("板面荷载 p (kN/m²)"), m_pressureField);
    form->addRow(QStringLiteral("板短边 lx (m)"), m_shortSideField);
    form->addRow(QStringLiteral("板长边 ly (m)"), m_longSideField);
    form->addRow(QStringLiteral("本跨梁沿"), side);
    form->addRow(QString(), m_bothSidesBox);
    form->addRow(QStringLiteral("荷载类别"), m_caseList);
    auto* note = label("slabNote", QStringLiteral("按 45° 线分配：每侧板传来峰值 p·lx/2，"
                                                  "长边梁为梯形（斜坡长 lx/2），短边梁为三角形。"));
    note->setWordWrap(true);
    form->addRow(note);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->setObjectName(QStringLiteral("slabButtons"));
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    for (QLineEdit* length : {m_shortSideField, m_longSideField}) {
        connect(length, &QLineEdit::textEdited, this, [this] { guessSide(); });
    }
}

// The beam lies along the side whose length is nearer the span's.
void SlabLoadDialog::guessSide() {
    const auto lx = parseFieldNumber(m_shortSideField->text().toStdString());
    const auto ly = parseFieldNumber(m_longSideField->text().toStdString());
    if (lx && ly && m_spanLength > 0) {
        const bool longSide = std::fabs(*ly - m_spanLength) <= std::fabs(*lx - m_spanLength);
        (longSide ? m_alongLongSide : m_alongShortSide)->setChecked(true);
    }
}

std::optional<SlabPanels> SlabLoadDialog::panels() const {
    const auto p = parseFieldNumber(m_pressureField->text().toStdString());
    const auto lx = parseFieldNumber(m_shortSideField->text().toStdString());
    const auto ly = parseFieldNumber(m_longSideField->text().toStdString());
    if (!p || !lx || !ly) {
        return std::nullopt;
    }
    return SlabPanels{*p, *lx, *ly, m_alongLongSide->isChecked(), m_bothSidesBox->isChecked()};
}

LoadCase SlabLoadDialog::loadCase() const {
    return static_cast<LoadCase>(m_caseList->currentIndex());
}

} // namespace spanwise
