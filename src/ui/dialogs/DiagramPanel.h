// The moment and shear diagrams of the last calculation in the result window. A click on the
// drawing picks the section under the mouse for the query.
#pragma once

#include "model/BeamModel.h"
#include "report/DiagramPainter.h"

#include <QWidget>

#include <optional>

namespace spanwise {

class DiagramPanel : public QWidget {
    Q_OBJECT

public:
    // model and results: the calculated beam and its results, alive as long as the panel.
    DiagramPanel(const BeamModel& model, const BeamResults& results, QWidget* parent = nullptr);

    // The section of the query, marked on both diagrams; nothing for none.
    void setMarker(const std::optional<BeamSection>& marker);
    const std::optional<BeamSection>& marker() const { return m_marker; }

    QSize sizeHint() const override { return {760, 420}; }

signals:
    void sectionClicked(int span, float x);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QRectF drawingArea() const;

    const BeamModel& m_model;
    const BeamResults& m_results;
    std::optional<BeamSection> m_marker;
};

} // namespace spanwise
