// Whole-span operations relative to the current span: insert before it, delete it, or make it
// a copy of the span before it. Each asks first; anything but OK changes nothing.
#include "ui/main/MainWindow.h"

#include "ui/common/Controls.h"

#include "ui/common/Prompter.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace spanwise {

using controls::setFieldText;

bool MainWindow::confirmed(const QString& question) {
    return m_prompter.ask(Prompter::Icon::Exclamation, question, Prompter::Ok | Prompter::Cancel,
                          Prompter::Cancel) == Prompter::Ok;
}

void MainWindow::Command5_Click() {
    if (!confirmed(QStringLiteral("真的要插入一跨吗?"))) {
        return;
    }
    MarkEdited();
    const int c = m_model.CurrentSpan;
    const int n = m_model.SpanCount;
    for (int j = n + 1; j >= c + 1; --j) {
        copySpan(m_model, j, j - 1);
    }
    m_model.SpanCount = static_cast<std::int16_t>(n + 1);
    setFieldText(m_number, QString::number(m_model.SpanCount));
    // the new span takes the current span's geometry and stiffness, without loads
    m_model.SelectedLoad[c] = 0;
    m_model.LoadCount[c] = 0;
    Currentnumber_Change();
}

void MainWindow::Command4_Click() {
    if (!confirmed(QStringLiteral("本跨将被删除,继续否?"))) {
        return;
    }
    MarkEdited();
    const int c = m_model.CurrentSpan;
    const int n = m_model.SpanCount;
    for (int j = c; j <= n - 1; ++j) {
        copySpan(m_model, j, j + 1);
    }
    m_model.SpanLength[n] = 0;
    m_model.SpanLineStiffness[n] = 1;
    m_model.SpanEI[n] = 1;
    clearLoads(m_model, n);
    // the model before the list, so the support handling finds nothing changed
    if (c == 1) {
        m_model.LeftSupport = Simple;
        m_LL->setCurrentIndex(0);
    }
    if (c == n) {
        m_model.RightSupport = Simple;
        m_RR->setCurrentIndex(0);
    }
    m_model.SpanCount = static_cast<std::int16_t>(n - 1);
    setFieldText(m_number, QString::number(m_model.SpanCount));
    Currentnumber_Change();
}

void MainWindow::Command3_Click() {
    if (!confirmed(QStringLiteral("本跨的跨度、荷载及刚度将会与前一跨相同，继续吗？"))) {
        return;
    }
    const int c = m_model.CurrentSpan;
    m_add->setEnabled(m_model.LoadCount[c - 1] != kMaxLoads);
    MarkEdited();
    copySpan(m_model, c, c - 1);

    m_List2->clear();
    if (m_model.LoadCount[c] == 0) {
        m_remove->setEnabled(false);
        m_clear->setEnabled(false);
        shownone();
        SHOWSHOW();
        return;
    }
    m_clear->setEnabled(true);
    showLoadList();
}

} // namespace spanwise
