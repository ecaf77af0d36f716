#include "ui/design/DesignSettingsDialog.h"

#include "analysis/NumberFormat.h"
#include "ui/common/Controls.h"
#include "ui/common/NumberValidator.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>

namespace spanwise {

using namespace controls;

namespace {

// A list whose items carry their values; the one equal to current chosen.
QComboBox* listOf(const char* name, const std::vector<std::pair<QString, QVariant>>& items,
                  const QVariant& current) {
    auto* list = named<QComboBox>(name);
    for (const auto& [text, value] : items) {
        list->addItem(text, value);
    }
    list->setCurrentIndex(std::max(0, list->findData(current)));
    return list;
}

} // namespace

DesignSettingsDialog::DesignSettingsDialog(const DesignSettings& settings, QWidget* parent)
    : CommittingDialog(parent) {
    setObjectName(QStringLiteral("designSettingsDialog"));
    setWindowTitle(QStringLiteral("设计参数"));
    std::vector<std::pair<QString, QVariant>> grades;
    for (int grade = 20; grade <= 80; grade += 5) {
        grades.emplace_back(QStringLiteral("C%1").arg(grade), grade);
    }
    m_concreteList = listOf("concreteList", grades, settings.concrete);
    m_steelList = listOf("steelList",
                         {{QStringLiteral("HPB300"), 300},
                          {QStringLiteral("HRB335"), 335},
                          {QStringLiteral("HRB400"), 400},
                          {QStringLiteral("HRB500"), 500}},
                         settings.longitudinalSteel);
    m_stirrupSteelList = listOf("stirrupSteelList",
                                {{QStringLiteral("HPB300"), 300},
                                 {QStringLiteral("HRB335"), 335},
                                 {QStringLiteral("HRB400"), 400}},
                                settings.stirrupSteel);
    std::vector<std::pair<QString, QVariant>> classes;
    for (int e = 0; e <= static_cast<int>(Exposure::ThreeB); ++e) {
        classes.emplace_back(QString::fromUtf8(exposureName(static_cast<Exposure>(e))), e);
    }
    m_environmentList = listOf("environmentList", classes, static_cast<int>(settings.environment));
    m_tensionCoverField =
        field("tensionCoverField", QString::fromStdString(fieldText(settings.tensionCover)));
    m_tensionCoverField->setValidator(new NumberValidator(false, {}, m_tensionCoverField));
    m_topTensionCoverField =
        field("topTensionCoverField", QString::fromStdString(fieldText(settings.topTensionCover)));
    m_topTensionCoverField->setValidator(new NumberValidator(false, {}, m_topTensionCoverField));
    m_topTensionCoverField->setToolTip(
        QStringLiteral("支座及跨中负弯矩的上部钢筋合力点至梁顶的距离；主梁上部钢筋在板和次梁"
                       "钢筋之下，取值较大"));
    m_importanceList = listOf(
        "importanceList",
        {{QStringLiteral("0.9"), 0.9}, {QStringLiteral("1.0"), 1.0}, {QStringLiteral("1.1"), 1.1}},
        static_cast<double>(settings.importance));
    if (settings.importance == 0.9f) {
        m_importanceList->setCurrentIndex(0);
    } else if (settings.importance == 1.1f) {
        m_importanceList->setCurrentIndex(2);
    }

    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("混凝土强度等级"), m_concreteList);
    form->addRow(QStringLiteral("纵筋"), m_steelList);
    form->addRow(QStringLiteral("箍筋"), m_stirrupSteelList);
    form->addRow(QStringLiteral("环境类别"), m_environmentList);
    form->addRow(QStringLiteral("as (mm，0 取保护层厚度 + 20)"), m_tensionCoverField);
    form->addRow(QStringLiteral("as,top 上部钢筋 (mm，0 取 as)"), m_topTensionCoverField);
    form->addRow(QStringLiteral("结构重要性系数 γ0"), m_importanceList);
    form->addRow(statusLine());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->setObjectName(QStringLiteral("designSettingsButtons"));
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

std::variant<DesignSettings, CommittingDialog::Refusal> DesignSettingsDialog::typed() const {
    DesignSettings s;
    for (const auto& [f, into] : {std::pair{m_tensionCoverField, &s.tensionCover},
                                  std::pair{m_topTensionCoverField, &s.topTensionCover}}) {
        const auto value = parseFieldNumber(f->text().toStdString());
        if (!value) {
            return Refusal{f, QStringLiteral("应为数字")};
        }
        *into = *value;
    }
    s.concrete = m_concreteList->currentData().toInt();
    s.longitudinalSteel = m_steelList->currentData().toInt();
    s.stirrupSteel = m_stirrupSteelList->currentData().toInt();
    s.environment = static_cast<Exposure>(m_environmentList->currentData().toInt());
    s.importance = static_cast<float>(m_importanceList->currentData().toDouble());
    return s;
}

QWidget* DesignSettingsDialog::controlOf(Editor::SettingsPart part) const {
    switch (part) {
    case Editor::SettingsPart::TensionCover:
        return m_tensionCoverField;
    case Editor::SettingsPart::TopTensionCover:
        return m_topTensionCoverField;
    case Editor::SettingsPart::Environment:
        return m_environmentList;
    default:
        return m_concreteList;
    }
}

} // namespace spanwise
