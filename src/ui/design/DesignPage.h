// The 配筋 tab of the result window: one block per span (its sections drawn with their bars at
// the faces and inside the span; the steel of every design section, the shear at both faces
// with the stirrups, the hangers under concentrated forces and the deflection with the
// long-term stiffness, each row ✔ or ✘ with its reason), and the beam's summary above.
#pragma once

#include "analysis/Calculation.h"
#include "design/BeamDesign.h"

#include <QWidget>

#include <optional>

class QLabel;
class QPushButton;
class QVBoxLayout;

namespace spanwise {

class DesignPage : public QWidget {
    Q_OBJECT

public:
    explicit DesignPage(QWidget* parent = nullptr);

    // The design of the calculated beam (which the caller keeps as long as the page shows it).
    // False when the beam has no sections: the tab has nothing to show.
    bool showDesign(const Beam& beam, const BeamDesign* design, const QString& whyNone);

signals:
    // The user takes every bar set the design proposed as provided.
    void proposalsAccepted();

private:
    QLabel* m_summary;
    QPushButton* m_acceptButton;
    QWidget* m_blocks;
    QVBoxLayout* m_blockColumn;
};

} // namespace spanwise
