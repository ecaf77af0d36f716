// The load lists: the kinds on offer (List1) and the current span's loads (List2).
#include "ui/main/MainWindow.h"

#include "ui/common/Controls.h"

#include "ui/common/Prompter.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace spanwise {

using controls::setFieldText;

void MainWindow::List1_Click() {
    m_add->setEnabled(m_model.LoadCount[s()] != kMaxLoads);
    ANOTHER_SHOWPICTURE();
}

void MainWindow::List1_DblClick() {
    if (m_model.LoadCount[s()] == kMaxLoads) {
        m_add->setEnabled(false);
        return;
    }
    m_add->setEnabled(true);
    appendLoadOfSelectedKind();
}

void MainWindow::add_Click() {
    appendLoadOfSelectedKind();
}

void MainWindow::appendLoadOfSelectedKind() {
    const QListWidgetItem* kind = m_List1->currentItem();
    if (kind == nullptr || m_model.LoadCount[s()] >= kMaxLoads) {
        return;
    }
    // the free slots may hold values of deleted loads
    for (int j = m_model.LoadCount[s()] + 1; j <= kMaxLoads; ++j) {
        clearLoadValues(m_model, s(), j);
    }
    auto* item = new QListWidgetItem(kind->text());
    item->setData(Qt::UserRole, kind->data(Qt::UserRole));
    m_List2->addItem(item);
    m_Image2->setPixmap(m_Image1->pixmap());
    m_Image2->setProperty("picture", m_Image1->property("picture"));
    const int n = m_List2->count();
    m_model.LoadKindOf[s()][n] = static_cast<std::int16_t>(kind->data(Qt::UserRole).toInt());
    m_model.LoadCount[s()] = static_cast<std::int16_t>(n);
    m_model.LoadText[s()][n] = kind->text().toStdString();
    if (m_List2->currentRow() >= 0) {
        m_remove->setEnabled(true);
    }
    m_clear->setEnabled(true);
    selectLoadRow(n - 1);
    m_model.SelectedLoad[s()] = static_cast<std::int16_t>(n);
    if (n == kMaxLoads) {
        m_add->setEnabled(false);
    }
}

void MainWindow::List2_Click() {
    if (m_List2->currentRow() < 0) {
        return;
    }
    m_model.SelectedLoad[s()] = static_cast<std::int16_t>(m_List2->currentRow() + 1);
    m_remove->setEnabled(true);
    m_clear->setEnabled(true);
    SHOWPICTURE();
    SHOWWHAT();
    SHOWSHOW();
}

void MainWindow::DELONE() {
    const int p = m_List2->currentRow();
    if (p < 0) {
        return;
    }
    // no load stays selected: the view must not move the selection to a neighbour, whose slot
    // the rewritten fields below would then clear
    m_List2->setCurrentRow(-1);
    delete m_List2->takeItem(p);
    clearSketch(m_Image2);
    m_remove->setEnabled(false);
    m_add->setEnabled(true);
    // each rewritten field stores 0 into the slot of the load being deleted
    for (const ParameterRow* row : {&m_rowQ, &m_rowP, &m_rowA, &m_rowB, &m_rowC}) {
        setFieldText(row->field, QStringLiteral("0"));
    }
    auto clearValues = [this](int j) { clearLoadValues(m_model, s(), j); };
    std::int16_t& count = m_model.LoadCount[s()];
    if (m_List2->count() == 0) {
        clearValues(1);
        m_model.SelectedLoad[s()] = 0;
        --count;
        m_clear->setEnabled(false);
        return;
    }
    if (p == m_List2->count()) {
        clearValues(p + 1);
        m_model.SelectedLoad[s()] = 0;
        --count;
        return;
    }
    for (int j = p + 1; j <= count - 1; ++j) {
        m_model.LoadQ[s()][j] = m_model.LoadQ[s()][j + 1];
        m_model.LoadP[s()][j] = m_model.LoadP[s()][j + 1];
        m_model.LoadA[s()][j] = m_model.LoadA[s()][j + 1];
        m_model.LoadB[s()][j] = m_model.LoadB[s()][j + 1];
        m_model.LoadC[s()][j] = m_model.LoadC[s()][j + 1];
        m_model.LoadText[s()][j] = m_model.LoadText[s()][j + 1];
        m_model.LoadKindOf[s()][j] = m_model.LoadKindOf[s()][j + 1];
    }
    clearValues(count);
    m_model.SelectedLoad[s()] = 0;
    --count;
}

void MainWindow::remove_Click() {
    DELONE();
    if (m_List2->count() == 0) {
        m_clear->setEnabled(false);
    }
    shownone();
}

void MainWindow::List2_DblClick() {
    DELONE();
    if (m_List2->count() == 0) {
        clearSketch(m_Image2);
        m_remove->setEnabled(false);
        m_clear->setEnabled(false);
    }
    shownone();
}

void MainWindow::List2_LostFocus() {
    m_remove->setEnabled(m_List2->currentRow() >= 0);
    m_clear->setEnabled(m_List2->count() > 0);
}

void MainWindow::clear_Click() {
    const auto answer =
        m_prompter.ask(Prompter::Icon::Exclamation, QStringLiteral("真的要删除本跨所有荷载吗？"),
                       Prompter::Ok | Prompter::Cancel, Prompter::Cancel);
    if (answer != Prompter::Ok) {
        return;
    }
    m_List2->clear();
    clearSketch(m_Image2);
    DELALL();
    m_remove->setEnabled(false);
    m_clear->setEnabled(false);
    shownone();
}

void MainWindow::DELALL() {
    for (const ParameterRow* row : {&m_rowQ, &m_rowP, &m_rowA, &m_rowB, &m_rowC}) {
        setFieldText(row->field, QStringLiteral("0"));
    }
    for (int j = 1; j <= m_model.LoadCount[s()]; ++j) {
        clearLoadValues(m_model, s(), j);
    }
    m_add->setEnabled(true);
    m_remove->setEnabled(false);
    m_clear->setEnabled(false);
    m_model.SelectedLoad[s()] = 0;
    m_model.LoadCount[s()] = 0;
}

} // namespace spanwise
