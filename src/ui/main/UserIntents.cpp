// What the user does in the main window, handed to the editor; the questions an edit needs.
#include "ui/main/MainWindow.h"

#include "ui/common/Controls.h"
#include "ui/common/Prompter.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QStatusBar>

namespace spanwise {

namespace {

constexpr int kTipMilliseconds = 4000; // how long a status-bar tip stays

} // namespace

Answer MainWindow::askUser(Question question) {
    auto confirm = [this](const QString& text) {
        return m_prompter.ask(Prompter::Icon::Exclamation, text, Prompter::Ok | Prompter::Cancel,
                              Prompter::Cancel) == Prompter::Ok
                   ? Answer::Yes
                   : Answer::Cancel;
    };
    switch (question) {
    case Question::InsertSpan:
        return confirm(QStringLiteral("真的要插入一跨吗?"));
    case Question::DeleteSpan:
        return confirm(QStringLiteral("本跨将被删除,继续否?"));
    case Question::CopyPreviousSpan:
        return confirm(QStringLiteral("本跨的跨度、荷载及刚度将会与前一跨相同，继续吗？"));
    case Question::DeleteAllLoads:
        return confirm(QStringLiteral("真的要删除本跨所有荷载吗？"));
    case Question::DeleteEndSpanLoads:
        break;
    }
    switch (m_prompter.ask(Prompter::Icon::Exclamation,
                           QStringLiteral("支座情况将会改变,删除该支座的荷载吗?"),
                           Prompter::Yes | Prompter::No | Prompter::Cancel, Prompter::No)) {
    case Prompter::Yes:
        return Answer::Yes;
    case Prompter::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

void MainWindow::typeIntoValueField(ValueField field) {
    const bool accepted = m_editor.typeIntoField(field, valueField(field)->text().toStdString());
    refresh();
    if (!accepted) {
        sayWhatTheFieldTakes(field);
    }
}

void MainWindow::sayWhatTheFieldTakes(ValueField field) {
    controls::flashRefused(valueField(field));
    statusBar()->showMessage(takesSign(field) ? QStringLiteral("只能输入数字")
                                              : QStringLiteral("只能输入非负数"),
                             kTipMilliseconds);
}

void MainWindow::leaveValueField(ValueField field) {
    m_editor.leaveField(field);
    refresh();
}

// The span count takes effect when its entry is finished (Enter or leaving the field), once.
void MainWindow::finishSpanCountEntry() {
    const int count = m_editor.project().beam.spanCount();
    const QString text = m_spanCountField->text();
    if (m_finishingSpanCount || text == QString::number(count)) {
        return; // nothing new was typed, or the question about this entry is still open
    }
    m_finishingSpanCount = true;
    const std::optional<int> typed = wholeNumberOf(text.toStdString());
    if (!typed || *typed < 1 || *typed > kMaxSpans) {
        refresh(); // the field shows the count in force again
        m_prompter.tell(Prompter::Icon::Exclamation,
                        QStringLiteral("总跨数应为 1 到 %1 之间的整数").arg(kMaxSpans));
    } else {
        m_editor.setSpanCount(*typed, answerer());
        refresh();
    }
    m_finishingSpanCount = false;
}

void MainWindow::changeSpanCountBy(int step) {
    finishSpanCountEntry();
    m_editor.setSpanCount(m_editor.project().beam.spanCount() + step, answerer());
    refresh();
}

// The span shown follows every keystroke: a number of an existing span shows it, anything
// else puts the field back.
void MainWindow::typeShownSpan() {
    const std::optional<int> typed = wholeNumberOf(m_shownSpanField->text().toStdString());
    m_editor.showSpan(typed.value_or(0));
    refresh();
}

void MainWindow::showNeighbourSpan(int step) {
    m_editor.showSpan(m_editor.project().currentSpan + step);
    refresh();
}

void MainWindow::chooseSupport(BeamEnd end, int listIndex) {
    if (listIndex >= 0) {
        m_editor.setSupport(end, static_cast<SupportKind>(listIndex), answerer());
    }
    refresh();
}

void MainWindow::offerLoadKind(int row) {
    if (row >= 0 && row < m_loadKindList->count()) {
        m_offeredKindRow = row;
    }
    refresh();
}

void MainWindow::addOfferedLoad() {
    m_editor.addLoad(static_cast<LoadKind>(m_offeredKindRow), m_chosenCase);
    refresh();
}

void MainWindow::chooseLoad(int row) {
    if (row >= 0) {
        m_editor.selectLoad(row + 1);
    }
    refresh();
}

void MainWindow::deleteLoadAtRow(int row) {
    if (row >= 0) {
        m_editor.selectLoad(row + 1);
        m_editor.deleteSelectedLoad();
    }
    refresh();
}

void MainWindow::undo() {
    m_editor.undo();
    refresh();
}

void MainWindow::redo() {
    m_editor.redo();
    refresh();
}

} // namespace spanwise
