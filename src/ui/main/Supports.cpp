// The two end supports: a change of the statics of an end span may not suit the loads already
// on it, so the program offers to delete them.
#include "ui/main/MainWindow.h"

#include "ui/common/Prompter.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>

namespace spanwise {

void MainWindow::LL_Click() {
    supportChanged(m_LL, m_model.LeftSupport, 1);
}

void MainWindow::RR_Click() {
    supportChanged(m_RR, m_model.RightSupport, m_model.SpanCount);
}

void MainWindow::supportChanged(QComboBox* list, std::int16_t& support, int endSpan) {
    const int chosen = list->currentIndex();
    if (chosen == support || chosen < 0) {
        return; // the program's own settings, made after the model, pass here
    }
    MarkEdited();
    const bool current = endSpan == s();
    auto deleteLoads = [&] {
        if (!current) {
            deleteLoadsOfSpan(endSpan);
            return;
        }
        ANOTHER_SHOWPICTURE();
        clearSketch(m_Image2);
        m_List2->clear();
        shownone();
        DELALL();
    };
    if (m_model.LoadCount[endSpan] != 0) {
        const auto answer = m_prompter.ask(
            Prompter::Icon::Exclamation, QStringLiteral("支座情况将会改变,删除该支座的荷载吗?"),
            Prompter::Yes | Prompter::No | Prompter::Cancel, Prompter::No);
        if (answer == Prompter::Cancel) {
            list->setCurrentIndex(support);
            return;
        }
        support = static_cast<std::int16_t>(chosen);
        if (answer == Prompter::Yes) {
            deleteLoads();
        } else if (current) {
            ANOTHER_SHOWPICTURE();
            if (m_List2->currentRow() >= 0) {
                SHOWPICTURE();
            }
        }
        return;
    }
    support = static_cast<std::int16_t>(chosen);
    deleteLoads();
}

void MainWindow::DELLEFT() {
    deleteLoadsOfSpan(1);
}

void MainWindow::DELRIGHT() {
    deleteLoadsOfSpan(m_model.SpanCount);
}

void MainWindow::deleteLoadsOfSpan(int span) {
    clearLoads(m_model, span);
}

} // namespace spanwise
