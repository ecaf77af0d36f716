// The 挠度 tab of the result window: the deflected line of the loads as entered, the check of
// every span against the project's limit and, with live loads, the worst of the characteristic
// and the quasi-permanent combination; a click on the line queries w there.
#pragma once

#include "outcome/BeamOutcome.h"

#include <QWidget>

#include <array>
#include <optional>

class QLabel;
class QSplitter;
class QTabWidget;
class QTableWidget;

namespace spanwise {

class DiagramPanel;

class DeflectionPage : public QWidget {
    Q_OBJECT

public:
    explicit DeflectionPage(QWidget* parent = nullptr);

    // The deflections of an outcome, which the caller keeps as long as the page shows it: the
    // loads as entered and, with live loads, both combinations. False when a span has no usable
    // EI: then there is nothing to show. A calculation that failed (an overflow) is said on the
    // page.
    bool showOutcome(const BeamOutcome& outcome);
    // The query's section: marked on the line, w there written below it.
    void setQuery(int span, float x);

signals:
    void sectionClicked(int span, float x);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // Gives the tables the height that shows all their rows, the line what is left.
    void fitTables();

    const Calculation* m_calculation = nullptr;
    const BeamDeflection* m_asEntered = nullptr;
    const std::array<BeamDeflection, 2>* m_combinations = nullptr; // characteristic, quasi-perm.
    QLabel* m_failure; // what could not be calculated, in words
    QLabel* m_note;
    DiagramPanel* m_panel;
    QLabel* m_queryText;
    QLabel* m_settings;
    QTableWidget* m_table;
    std::array<QTableWidget*, 2> m_combinationTables; // characteristic, quasi-permanent
    QTabWidget* m_tables;                             // the three tables, one shown at a time
    QSplitter* m_split;                               // the line above, the tables below
};

} // namespace spanwise
