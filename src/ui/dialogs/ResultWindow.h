// The result window: the result table of a calculation, its moment and shear diagrams, the
// support reactions, and a query of M and V at any section; the report and the table can be
// exported. Everything it shows and exports comes from one outcome (the beam as calculated and
// everything computed from it), which it keeps; a notice says when the edited beam has changed
// since.
// Modeless; closing it unloads it (the next calculation opens a fresh one).
#pragma once

#include "outcome/BeamOutcome.h"

#include <QMainWindow>

#include <optional>
#include <string>

class QLabel;
class QTabWidget;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace spanwise {

class DeflectionPage;
class DesignForcesPage;
class DesignPage;
class DetailingPage;
class DiagramPanel;
class WorkingPanel;
class Prompter;

class ResultWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit ResultWindow(Prompter& prompter, QWidget* parent = nullptr);
    ~ResultWindow() override;

    // Shows the outcome of a calculation just made of the project named projectName (a later
    // one replaces it and keeps the query's span and distance where they still exist).
    void showOutcome(const BeamOutcome& outcome, const std::string& projectName);

    // The outcome shown (nothing before the first).
    const std::optional<BeamOutcome>& outcome() const { return m_outcome; }
    // Shows or hides the notice that the beam has changed since the calculation.
    void setStale(bool stale);
    // The outcome shown now carries this stamp and title block (the project was saved, or its
    // title block edited, since the calculation).
    void setStamp(const CalculationSource& source, const ProjectInfo& info);

signals:
    void helpRequested();
    // The report's title block was edited (and is what this calculation's report prints).
    void projectInfoEdited(const ProjectInfo& info);
    // The user takes the design's proposed bars as provided (results not stale).
    void proposedBarsAccepted(const ProvidedBars& bars);

private:
    void fillTables();
    void fillEnvelope(); // the basic combination over every live-load arrangement
    void typeQuerySpan();
    void showNeighbourSpan(int step);
    void typeQueryDistance();
    // Takes the distance field's text for the query's span: a distance on the span is
    // queried, one beyond it shows no values and the span's range beside the field.
    void applyQueryDistanceText();
    void leaveQueryDistance();
    void queryAt(int span, float x);
    void showQuerySpan();
    void showQuery();
    void showEnvelopeQuery(); // the query's section under the worst arrangements
    // Says why and returns true when the results are stale and may not be exported (what: the
    // export asked for).
    bool refusedAsStale(const QString& what);
    void editProjectInfo();
    void exportReport();
    void exportCsv();
    void exportDxf(); // the detailing's drawing
    const Beam& beam() const { return m_outcome->beam(); }
    const Envelope* envelope() const { return m_outcome->envelope.get(); }

    Prompter& m_prompter;
    std::optional<BeamOutcome> m_outcome;
    std::string m_projectName;
    int m_querySpan = 1;
    float m_queryDistance = 0;

    QLabel* m_staleNotice = nullptr;
    QTableWidget* m_resultTable = nullptr;
    DiagramPanel* m_diagrams = nullptr;
    DesignForcesPage* m_designForcesPage = nullptr;
    DesignPage* m_designPage = nullptr;
    DetailingPage* m_detailingPage = nullptr;
    QTableWidget* m_reactionTable = nullptr;
    QPushButton* m_previousSpanButton = nullptr;
    QLineEdit* m_querySpanField = nullptr;
    QPushButton* m_nextSpanButton = nullptr;
    QLineEdit* m_querySpanLengthField = nullptr;
    QLineEdit* m_queryDistanceField = nullptr;
    QLineEdit* m_queryMomentField = nullptr;
    QLabel* m_queryMomentCaption = nullptr;
    QLabel* m_queryMomentRightCaption = nullptr; // on a concentrated moment: M just right
    QLineEdit* m_queryMomentRightField = nullptr;
    QLabel* m_queryMomentRightUnit = nullptr;
    QLineEdit* m_queryShearField = nullptr;
    QLineEdit* m_queryShearRightField = nullptr;
    QLabel* m_queryShearRightUnit = nullptr;
    QLabel* m_queryShearCaption = nullptr;
    QLabel* m_queryShearRightCaption = nullptr;
    QLabel* m_loadsCaption = nullptr;     // shown when the beam has live loads
    QLabel* m_queryRangeNotice = nullptr; // a typed distance outside the span
    QWidget* m_envelopePage = nullptr;    // 包络值: the factors and the envelope tables
    QLabel* m_factorsLabel = nullptr;
    QTableWidget* m_envelopeSpanTable = nullptr;
    QTableWidget* m_envelopeSupportTable = nullptr;
    QWidget* m_envelopeDiagramPage = nullptr; // 包络图: the envelope curves and the query there
    DeflectionPage* m_deflectionPage = nullptr;
    DiagramPanel* m_envelopeDiagrams = nullptr;
    QLabel* m_envelopeQueryText = nullptr;
    WorkingPanel* m_working = nullptr; // 分配过程: the moment-distribution working
    QTabWidget* m_tabs = nullptr;
    bool m_queryOutOfRange = false;
};

} // namespace spanwise
