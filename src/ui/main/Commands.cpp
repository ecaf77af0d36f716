// The road from a checked model to its results.
#include "ui/main/MainWindow.h"

#include "analysis/Calculation.h"
#include "analysis/CalculationError.h"
#include "check/DataCheck.h"
#include "ui/common/Prompter.h"
#include "ui/dialogs/CheckWindow.h"
#include "ui/dialogs/ResultWindow.h"
#include "ui/dialogs/TextWindows.h"

#include <QPushButton>

namespace spanwise {

void MainWindow::check_Click() {
    if (m_checkWindow.isNull()) {
        m_checkWindow = new CheckWindow(this);
    }
    m_checkWindow->show();
    m_checkWindow->raise();
    m_checkWindow->start(checkStepCount(m_model));
    const CheckResult outcome =
        checkModel(m_model, [this](int done, int /*total*/) { m_checkWindow->progress(done); });
    m_checkWindow->finish(outcome.messages, outcome.passed);
    if (outcome.passed) {
        m_check->setEnabled(false);
        m_Command6->setEnabled(true);
        m_done->setEnabled(true);
    }
}

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
        m_output = new ResultWindow(m_model, m_results, m_prompter, this);
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
