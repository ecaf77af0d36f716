#include "ui/dialogs/CheckWindow.h"

#include "ui/common/Controls.h"

#include <QListWidget>
#include <QProgressBar>
#include <QVBoxLayout>

namespace spanwise {

using namespace controls;

CheckWindow::CheckWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("checkWindow"));
    setWindowTitle(QStringLiteral("数据检查"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_errorListLabel = label("errorListLabel", QStringLiteral("有以下错误:"));
    m_messageList = named<QListWidget>("messageList");
    m_messageList->setAccessibleName(m_errorListLabel->text());
    m_errorListLabel->setBuddy(m_messageList);
    m_correctErrorsLabel =
        label("correctErrorsLabel",
              QStringLiteral("    请改正以上错误,只有通过数据检查,才能进行后面的计算."));
    m_correctErrorsLabel->setWordWrap(true);
    m_checkPassedLabel =
        label("checkPassedLabel", QStringLiteral("   数据检查通过了,可以进行后面的计算！"));
    m_progressBar = named<QProgressBar>("checkProgressBar");
    m_confirmButton = button("confirmButton", QStringLiteral("确认"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_errorListLabel);
    layout->addWidget(m_messageList, 1);
    layout->addWidget(m_correctErrorsLabel);
    layout->addWidget(m_checkPassedLabel);
    layout->addWidget(m_progressBar);
    layout->addWidget(m_confirmButton, 0, Qt::AlignHCenter);
    resize(420, 300);
    connect(m_confirmButton, &QPushButton::clicked, this, [this] { confirm(); });
}

void CheckWindow::start(int steps) {
    m_messageList->clear();
    m_progressBar->setVisible(true);
    m_progressBar->setRange(0, 0);
    m_progressBar->setValue(0);
    m_errorListLabel->hide();
    m_checkPassedLabel->hide();
    m_correctErrorsLabel->hide();
    m_confirmButton->setEnabled(false);
    m_progressBar->setRange(0, steps);
    m_progressBar->setValue(0);
}

void CheckWindow::progress(int done) {
    m_progressBar->setValue(done);
}

void CheckWindow::finish(const std::vector<std::string>& messages, bool passed) {
    for (const std::string& message : messages) {
        m_messageList->addItem(QString::fromStdString(message));
    }
    m_errorListLabel->setVisible(!passed);
    m_correctErrorsLabel->setVisible(!passed);
    m_checkPassedLabel->setVisible(passed);
    m_progressBar->hide();
    m_confirmButton->setEnabled(true);
}

void CheckWindow::confirm() {
    m_messageList->clear();
    close();
}

} // namespace spanwise
