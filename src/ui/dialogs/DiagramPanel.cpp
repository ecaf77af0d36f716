#include "ui/dialogs/DiagramPanel.h"

#include <QMouseEvent>
#include <QPainter>

namespace spanwise {

DiagramPanel::DiagramPanel(const BeamModel& model, const BeamResults& results, QWidget* parent)
    : QWidget(parent), m_model(model), m_results(results) {
    setObjectName(QStringLiteral("DiagramPanel"));
    setAccessibleName(QStringLiteral("内力图"));
    setAccessibleDescription(
        QStringLiteral("弯矩图（画在受拉侧）和剪力图；单击图形可查询该截面的内力"));
    setMinimumSize(480, 300);
    setCursor(Qt::CrossCursor);
}

QRectF DiagramPanel::drawingArea() const {
    return QRectF(rect()).adjusted(6, 6, -6, -6);
}

void DiagramPanel::setMarker(const std::optional<BeamSection>& marker) {
    m_marker = marker;
    update();
}

void DiagramPanel::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    paintDiagrams(painter, drawingArea(), m_model, m_results, m_marker);
}

void DiagramPanel::mousePressEvent(QMouseEvent* event) {
    if (const auto section = diagramSectionAt(drawingArea(), m_model, event->position().x())) {
        emit sectionClicked(section->span, section->x);
    }
}

} // namespace spanwise
