// The road from a checked model to its results.
#include "ui/main/MainWindow.h"

#include "analysis/Calculation.h"
#include "analysis/CalculationError.h"
#include "ui/common/Prompter.h"
#include "ui/dialogs/ResultWindow.h"
#include "ui/dialogs/TextWindows.h"

namespace spanwise {

ResultWindow* MainWindow::resultWindow() const {
    return m_output.data();
}

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
        connect(m_output, &ResultWindow::helpRequested, this, [this] { Help_Click(); });
    }
    m_output->show();
    m_output->fill();
    m_output->raise();
}

namespace {

// Shows a modeless window of the given kind, loading it first when it is not open.
template <typename Window> void showLoaded(QPointer<Window>& window, QWidget* parent) {
    if (window.isNull()) {
        window = new Window(parent);
    }
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

void MainWindow::Help_Click() {
    showLoaded(m_help, this);
}

void MainWindow::Introdoction_Click() {
    showLoaded(m_introduction, this);
}

void MainWindow::Declare_Click() {
    Introdoction_Click();
}

} // namespace spanwise
