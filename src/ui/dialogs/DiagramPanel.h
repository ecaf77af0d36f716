// The moment and shear diagrams of the last calculation in the result window, or their
// envelope over every live-load arrangement. A click on the drawing picks the section under
// the mouse for the query.
#pragma once

#include "analysis/Calculation.h"
#include "drawing/DiagramPainter.h"

#include <QWidget>

#include <optional>

namespace spanwise {

class BeamDeflection;
class Envelope;

class DiagramPanel : public QWidget {
    Q_OBJECT

public:
    explicit DiagramPanel(QWidget* parent = nullptr);

    // The calculation drawn (alive as long as the panel shows it); null draws nothing.
    void setCalculation(const Calculation* calculation);

    // Draws the envelope instead of the diagrams of the loads as entered (alive as long as the
    // panel shows it); null for the diagrams.
    void setEnvelope(const Envelope* envelope);
    // Draws the deflected line instead (alive as long as the panel shows it); null for none.
    void setDeflection(const BeamDeflection* deflection);

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

    const Calculation* m_calculation = nullptr;
    const Envelope* m_envelope = nullptr;
    const BeamDeflection* m_deflection = nullptr;
    std::optional<BeamSection> m_marker;
};

} // namespace spanwise
