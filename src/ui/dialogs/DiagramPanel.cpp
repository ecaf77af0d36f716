#include "ui/dialogs/DiagramPanel.h"

#include <QMouseEvent>
#include <QPainter>

namespace spanwise {

DiagramPanel::DiagramPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("diagramPanel"));
    setAccessibleName(QStringLiteral("内力图"));
    setAccessibleDescription(
        QStringLiteral("弯矩图（画在受拉侧）和剪力图；单击图形可查询该截面的内力"));
    setMinimumSize(480, 300);
    setCursor(Qt::CrossCursor);
}

QRectF DiagramPanel::drawingArea() const {
    return QRectF(rect()).adjusted(6, 6, -6, -6);
}

void DiagramPanel::setCalculation(const Calculation* calculation) {
    m_calculation = calculation;
    update();
}

void DiagramPanel::setEnvelope(const Envelope* envelope) {
    m_envelope = envelope;
    update();
}

void DiagramPanel::setDeflection(const BeamDeflection* deflection) {
    m_deflection = deflection;
    update();
}

void DiagramPanel::setMarker(const std::optional<BeamSection>& marker) {
    m_marker = marker;
    update();
}

void DiagramPanel::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    if (m_calculation != nullptr && m_deflection != nullptr) {
        paintDeflectionLine(painter, drawingArea(), m_calculation->beam, *m_deflection, m_marker);
    } else if (m_calculation != nullptr && m_envelope != nullptr) {
        paintEnvelopeDiagrams(painter, drawingArea(), m_calculation->beam, m_calculation->results,
                              *m_envelope, m_marker);
    } else if (m_calculation != nullptr) {
        paintDiagrams(painter, drawingArea(), m_calculation->beam, m_calculation->results,
                      m_marker);
    }
}

void DiagramPanel::mousePressEvent(QMouseEvent* event) {
    if (m_calculation == nullptr) {
        return;
    }
    const auto section =
        diagramSectionAt(drawingArea(), m_calculation->beam, event->position().x());
    if (section) {
        emit sectionClicked(section->span, section->x);
    }
}

} // namespace spanwise
