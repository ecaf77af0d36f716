#include "ui/common/CommittingDialog.h"

#include <QLabel>
#include <QLineEdit>

namespace spanwise {

namespace {

// How a refused control is marked: a red frame that the next attempt clears.
const char* const kRefusedStyle = "border: 2px solid #c00000;";

} // namespace

CommittingDialog::CommittingDialog(QWidget* parent) : QDialog(parent) {
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("dialogStatus"));
    m_status->setWordWrap(true);
    m_status->setStyleSheet(QStringLiteral("color: #b00000;"));
    m_status->hide();
}

void CommittingDialog::accept() {
    clearMark();
    const std::optional<Refusal> refusal = m_commit ? m_commit() : std::nullopt;
    if (refusal) {
        refuse(*refusal);
        return;
    }
    QDialog::accept();
}

void CommittingDialog::refuse(const Refusal& refusal) {
    m_status->setText(refusal.reason);
    m_status->show();
    m_refused = refusal.control;
    if (m_refused != nullptr) {
        m_refused->setStyleSheet(QString::fromLatin1(kRefusedStyle));
        m_refused->setToolTip(refusal.reason);
        m_refused->setFocus(Qt::OtherFocusReason);
        if (auto* field = qobject_cast<QLineEdit*>(m_refused)) {
            field->selectAll();
        }
    }
}

void CommittingDialog::clearMark() {
    if (m_refused != nullptr) {
        m_refused->setStyleSheet(QString());
        m_refused->setToolTip(QString());
        m_refused = nullptr;
    }
    m_status->clear();
    m_status->hide();
}

} // namespace spanwise
