// The result window `OUTPUT`: the result table of the last calculation, the moment and shear
// diagrams, the support reactions, and a query of M and V at any section; the report and the
// table can be exported. It reads the main window's model and results and owns only its query
// state and a copy of the model as calculated (so that table, diagrams and exports agree).
// Modeless; closing it unloads it (the next calculation opens a fresh one).
#pragma once

#include "model/BeamModel.h"

#include <QMainWindow>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace spanwise {

class DiagramPanel;
class Prompter;

class ResultWindow : public QMainWindow {
    Q_OBJECT

public:
    ResultWindow(const BeamModel& model, const BeamResults& results, Prompter& prompter,
                 QWidget* parent = nullptr);
    ~ResultWindow() override;

    // Fills the table from the results of the calculation just made (a later calculation
    // refills it and keeps the query's span and distance) and notes which model they belong to.
    void fill();

    // Shows or hides the notice that the model has changed since the calculation.
    void checkStale();

signals:
    void helpRequested();

private:
    void Currentnumber_Change();
    void front_Click();
    void back_Click();
    void TX_Change();
    void TX_LostFocus();
    void showQuery();
    void queryAt(int span, float x);
    void exportReport();
    void exportCsv();

    const BeamModel& m_model;
    const BeamResults& m_results;
    Prompter& m_prompter;
    BeamModel m_calculated; // the model the table was calculated from
    std::int16_t m_QuerySpan = 1;
    float m_QueryDistance = 0;

    QLabel* m_staleNotice = nullptr;
    QTableWidget* m_Grid = nullptr;
    DiagramPanel* m_diagrams = nullptr;
    QTableWidget* m_reactions = nullptr;
    QPushButton* m_front = nullptr;
    QLineEdit* m_Currentnumber = nullptr;
    QPushButton* m_back = nullptr;
    QLineEdit* m_length = nullptr;
    QLineEdit* m_TX = nullptr;
    QLineEdit* m_CM = nullptr;
    QLineEdit* m_CV1 = nullptr;
    QLineEdit* m_CV2 = nullptr;
    QLabel* m_LV2 = nullptr;
};

} // namespace spanwise
