#include "ui/dialogs/ProjectInfoDialog.h"

#include "ui/common/Controls.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

namespace spanwise {

ProjectInfoDialog::ProjectInfoDialog(const ProjectInfo& info, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("projectInfoDialog"));
    setWindowTitle(QStringLiteral("工程信息"));
    auto* form = new QFormLayout(this);
    for (std::size_t i = 0; i < kProjectInfoFields.size(); ++i) {
        const ProjectInfoField& field = kProjectInfoFields[i];
        // projectField, memberField, designerField, ...
        m_fields[i] = controls::named<QLineEdit>((std::string(field.record) + "Field").c_str(),
                                                 QString::fromStdString(info.*field.text));
        m_fields[i]->setMinimumWidth(220);
        form->addRow(QString::fromUtf8(field.caption), m_fields[i]);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->setObjectName(QStringLiteral("projectInfoButtons"));
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

ProjectInfo ProjectInfoDialog::info() const {
    ProjectInfo info;
    for (std::size_t i = 0; i < kProjectInfoFields.size(); ++i) {
        info.*kProjectInfoFields[i].text = m_fields[i]->text().trimmed().toStdString();
    }
    return info;
}

} // namespace spanwise
