// The road from a checked model to its results.
#include "ui/main/MainWindow.h"

#include "analysis/Calculation.h"
#include "analysis/CalculationError.h"
#include "ui/common/Prompter.h"
#include "ui/dialogs/ResultWindow.h"

namespace spanwise {

ResultWindow* MainWindow::resultWindow() const { return m_output.data(); }

void MainWindow::Command6_Click() {
    try {
        calculate(m_model, m_results);
    } catch (const CalculationError& error) {
        // the results of the last calculation stay as they were, and so does the result window
        m_prompter.tell(Prompter::Icon::Critical, QString::fromStdString(describe(error)));
        return;
    }
    RESULT();
}

void MainWindow::RESULT() {
    if (m_output.isNull()) {
        m_output = new ResultWindow(m_model, m_results, this);
        // checked once the editing handler has finished changing the model
        connect(this, &MainWindow::edited, m_output, &ResultWindow::checkStale,
                Qt::QueuedConnection);
    }
    m_output->show();
    m_output->fill();
    m_output->raise();
}

} // namespace spanwise
