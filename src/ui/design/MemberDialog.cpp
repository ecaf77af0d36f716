#include "ui/design/MemberDialog.h"

#include "analysis/NumberFormat.h"
#include "ui/common/Controls.h"
#include "ui/common/NumberValidator.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>

#include <cmath>

namespace spanwise {

using namespace controls;

MemberDialog::MemberDialog(const MemberData& member, QWidget* parent) : CommittingDialog(parent) {
    setObjectName(QStringLiteral("memberDialog"));
    setWindowTitle(QStringLiteral("构件"));
    m_codeList = named<QComboBox>("memberCodeList");
    m_codeList->addItem(QStringLiteral("L 非框架梁（次梁）"),
                        static_cast<int>(MemberCode::NonFrame));
    m_codeList->addItem(QStringLiteral("KL 框架梁"), static_cast<int>(MemberCode::Frame));
    m_codeList->setCurrentIndex(std::max(0, m_codeList->findData(static_cast<int>(member.code))));
    m_numberField = field("memberNumberField", QString::number(member.number));
    m_signsList = named<QComboBox>("drawingSignsList");
    m_signsList->addItem(QStringLiteral("字母 A B C E（C8@200）"),
                         static_cast<int>(DrawingSigns::Letters));
    m_signsList->addItem(QStringLiteral("CAD 代码 %%130～%%133"),
                         static_cast<int>(DrawingSigns::Codes));
    m_signsList->addItem(QStringLiteral("Φ（不区分牌号）"), static_cast<int>(DrawingSigns::Phi));
    m_signsList->setCurrentIndex(
        std::max(0, m_signsList->findData(static_cast<int>(member.signs))));
    m_secondaryWidthField = field("secondaryWidthField", QString::number(member.secondaryWidth));
    m_secondaryDropField = field("secondaryDropField", QString::number(member.secondaryDrop));
    for (QLineEdit* f : {m_numberField, m_secondaryWidthField, m_secondaryDropField}) {
        f->setValidator(new NumberValidator(false, {}, f));
    }
    m_secondaryDropField->setToolTip(
        QStringLiteral("本梁底面至次梁底面的高差；附加箍筋布置在 s = 2h1 + 3b 范围内"));

    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("构件代号"), m_codeList);
    form->addRow(QStringLiteral("编号"), m_numberField);
    form->addRow(QStringLiteral("钢筋符号"), m_signsList);
    form->addRow(QStringLiteral("次梁宽 bs (mm)"), m_secondaryWidthField);
    form->addRow(QStringLiteral("h1 (mm)"), m_secondaryDropField);
    form->addRow(statusLine());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->setObjectName(QStringLiteral("memberButtons"));
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

std::variant<MemberData, CommittingDialog::Refusal> MemberDialog::typed() const {
    MemberData m;
    for (const auto& [f, into] :
         {std::pair{m_numberField, &m.number}, std::pair{m_secondaryWidthField, &m.secondaryWidth},
          std::pair{m_secondaryDropField, &m.secondaryDrop}}) {
        const auto value = parseFieldNumber(f->text().toStdString());
        // a whole number within what an int holds; the range is the rule's (memberFault)
        if (!value || std::nearbyint(*value) != *value || std::fabs(*value) > 1e6) {
            return Refusal{f, QStringLiteral("应为整数")};
        }
        *into = static_cast<int>(*value);
    }
    m.code = static_cast<MemberCode>(m_codeList->currentData().toInt());
    m.signs = static_cast<DrawingSigns>(m_signsList->currentData().toInt());
    return m;
}

QWidget* MemberDialog::controlOf(MemberPart part) const {
    switch (part) {
    case MemberPart::SecondaryWidth:
        return m_secondaryWidthField;
    case MemberPart::SecondaryDrop:
        return m_secondaryDropField;
    default:
        return m_numberField;
    }
}

} // namespace spanwise
