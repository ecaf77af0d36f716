// The result window's tab 分配过程: the moment-distribution working of a calculation in the
// classic layout, one column per member end, one row per balancing step, the factors and the
// fixed-end moments above and the final sums at the bottom. The working is recorded from the
// calculated beam when the panel is given it; the plain calculation records nothing.
#pragma once

#include "analysis/Calculation.h"

#include <QWidget>

class QLabel;
class QTableWidget;

namespace spanwise {

class WorkingPanel : public QWidget {
    Q_OBJECT

public:
    explicit WorkingPanel(QWidget* parent = nullptr);

    // Shows the working of the calculation's beam (which calculated without error).
    void showWorking(const Calculation& calculation);

private:
    QLabel* m_note = nullptr;
    QTableWidget* m_table = nullptr;
};

} // namespace spanwise
