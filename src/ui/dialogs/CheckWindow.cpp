#include "ui/dialogs/CheckWindow.h"

#include "ui/common/Controls.h"

#include <QListWidget>
#include <QProgressBar>
#include <QVBoxLayout>

namespace spanwise {

using namespace controls;

CheckWindow::CheckWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("CHECKForm"));
    setWindowTitle(QStringLiteral("数据检查"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_ERRORLIST = label("ERRORLIST", QStringLiteral("有以下错误:"));
    m_List1 = named<QListWidget>("List1");
    m_List1->setAccessibleName(m_ERRORLIST->text());
    m_ERRORLIST->setBuddy(m_List1);
    m_Label2 =
        label("Label2", QStringLiteral("    请改正以上错误,只有通过数据检查,才能进行后面的计算."));
    m_Label2->setWordWrap(true);
    m_Label4 = label("Label4", QStringLiteral("   数据检查通过了,可以进行后面的计算！"));
    m_BAR = named<QProgressBar>("BAR");
    m_Command1 = button("Command1", QStringLiteral("确认"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_ERRORLIST);
    layout->addWidget(m_List1, 1);
    layout->addWidget(m_Label2);
    layout->addWidget(m_Label4);
    layout->addWidget(m_BAR);
    layout->addWidget(m_Command1, 0, Qt::AlignHCenter);
    resize(420, 300);
    connect(m_Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void CheckWindow::start(int steps) {
    m_List1->clear();
    m_BAR->setVisible(true);
    m_BAR->setRange(0, 0);
    m_BAR->setValue(0);
    m_ERRORLIST->hide();
    m_Label4->hide();
    m_Label2->hide();
    m_Command1->setEnabled(false);
    m_BAR->setRange(0, steps);
    m_BAR->setValue(0);
}

void CheckWindow::progress(int done) {
    m_BAR->setValue(done);
}

void CheckWindow::finish(const std::vector<std::string>& messages, bool passed) {
    for (const std::string& message : messages) {
        m_List1->addItem(QString::fromStdString(message));
    }
    m_ERRORLIST->setVisible(!passed);
    m_Label2->setVisible(!passed);
    m_Label4->setVisible(passed);
    m_BAR->hide();
    m_Command1->setEnabled(true);
}

void CheckWindow::Command1_Click() {
    m_List1->clear();
    close();
}

} // namespace spanwise
