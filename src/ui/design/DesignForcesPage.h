// The 设计内力 tab of the result window: at the faces of every support the moments (elastic
// and after redistribution, with beta), the shears and the quasi-permanent moments; between
// the faces of every span the bottom bars' design moment with its place and the rule that gave
// it, the top bars' moment inside the span and the largest quasi-permanent moment.
#pragma once

#include "outcome/BeamOutcome.h"

#include <QWidget>

class QLabel;
class QTableWidget;

namespace spanwise {

class DesignForcesPage : public QWidget {
    Q_OBJECT

public:
    explicit DesignForcesPage(QWidget* parent = nullptr);

    // The design forces of an outcome (or why there are none). False when the beam has no
    // design data: the tab has nothing to show.
    bool showOutcome(const BeamOutcome& outcome);

private:
    QLabel* m_summary;
    QLabel* m_failure;
    QTableWidget* m_faceTable;
    QTableWidget* m_spanTable;
};

} // namespace spanwise
