// 验证算例: the built-in verification problems, calculated when the window opens, in a table
// (problem, quantity, exact value, Spanwise's value, difference, ✔/✘) under the summary
// "验证算例 n/m 通过" and the source of the selected problem. Any problem can be opened as a
// project (作为工程打开, or a double-click on its row). Modeless; closing it unloads it.
#pragma once

#include "model/Beam.h"
#include "verify/Verification.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QTableWidget;

namespace spanwise {

class VerificationWindow : public QWidget {
    Q_OBJECT

public:
    explicit VerificationWindow(QWidget* parent = nullptr);

    const VerificationOutcome& outcome() const { return m_outcome; }

signals:
    // The user asked to open this problem's beam as a project.
    void openProblemRequested(const spanwise::Project& project);

private:
    int selectedProblem() const; // -1 without a selected row
    void showSource();
    void openSelected();

    std::vector<VerificationProblem> m_problems;
    VerificationOutcome m_outcome;
    QLabel* m_summary = nullptr;
    QTableWidget* m_table = nullptr;
    QLabel* m_source = nullptr;
    QPushButton* m_openButton = nullptr;
};

} // namespace spanwise
