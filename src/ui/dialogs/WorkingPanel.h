// The result window's tab 分配过程: the moment-distribution working of a calculation in the
// classic layout, one column per member end, one row per balancing step, the factors and the
// fixed-end moments above and the final sums at the bottom. The working is recorded from the
// calculated beam when the panel is first shown with it (the plain calculation records
// nothing, and a tab never opened costs nothing).
#pragma once

#include "analysis/Calculation.h"

#include <QWidget>

#include <optional>

class QLabel;
class QTableWidget;

namespace spanwise {

class WorkingPanel : public QWidget {
    Q_OBJECT

public:
    explicit WorkingPanel(QWidget* parent = nullptr);

    // Shows the working of the calculation's beam (which calculated without error): at once
    // when the panel is visible, else when it is next shown.
    void showWorking(const Calculation& calculation);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fill(const Beam& beam);

    std::optional<Beam> m_pending; // a beam whose working is not yet in the table
    QLabel* m_note = nullptr;
    QTableWidget* m_table = nullptr;
};

} // namespace spanwise
