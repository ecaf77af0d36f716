#include "ui/main/BeamSketch.h"

#include "drawing/DiagramPainter.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>

namespace spanwise {

BeamSketch::BeamSketch(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("beamSketch"));
    setAccessibleName(QStringLiteral("全梁简图"));
    setAccessibleDescription(QStringLiteral("整根梁的支座、跨度和荷载；单击某一跨即转到该跨"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setMaximumHeight(240); // taller only spreads the arrows
    setCursor(Qt::PointingHandCursor);
    // a click finishes the entry of the field being typed in before another span is shown
    setFocusPolicy(Qt::ClickFocus);
}

void BeamSketch::setBeam(const Beam& beam, int currentSpan) {
    if (beam == m_beam && currentSpan == m_currentSpan) {
        return;
    }
    m_beam = beam;
    m_currentSpan = currentSpan;
    update();
}

QRectF BeamSketch::drawingArea() const {
    return QRectF(rect()).adjusted(4, 4, -4, -4);
}

void BeamSketch::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    paintLoadSketch(painter, drawingArea(), m_beam, m_currentSpan,
                    QFontMetricsF(font()).height() * 0.8);
}

void BeamSketch::mousePressEvent(QMouseEvent* event) {
    const auto section = diagramSectionAt(drawingArea(), m_beam, event->position().x());
    if (section) {
        emit spanClicked(section->span);
    }
}

} // namespace spanwise
