// The whole beam as the engineer enters it, above the span panel of the main window: supports,
// spans to scale with their numbers and lengths, every load, and the span being edited shaded.
// A click on a span asks for that span to be shown.
#pragma once

#include "model/Beam.h"

#include <QWidget>

namespace spanwise {

class BeamSketch : public QWidget {
    Q_OBJECT

public:
    explicit BeamSketch(QWidget* parent = nullptr);

    // The beam drawn (a copy, so that the sketch never outlives what it shows) and the span
    // shaded as the one being edited.
    void setBeam(const Beam& beam, int currentSpan);
    int currentSpan() const { return m_currentSpan; }

    QSize sizeHint() const override { return {600, 110}; }
    QSize minimumSizeHint() const override { return {300, 80}; }

signals:
    void spanClicked(int span);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QRectF drawingArea() const;

    Beam m_beam;
    int m_currentSpan = 1;
};

} // namespace spanwise
