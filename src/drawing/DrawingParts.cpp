#include "drawing/DrawingParts.h"

#include "analysis/NumberFormat.h"
#include "analysis/SectionForces.h"

#include <QFontMetricsF>
#include <QLineF>
#include <QPainter>

#include <algorithm>
#include <utility>

namespace spanwise::drawing {

QString number(float v) {
    return QString::fromStdString(formatResult(v));
}

Scale::Scale(const QRectF& area, const Beam& beam) {
    left = area.left() + area.width() * 0.08;
    width = area.width() * 0.86;
    for (int s = 1; s <= beam.spanCount(); ++s) {
        start[s] = total;
        total += std::max(0.0f, beam.span(s).length);
    }
    start[beam.spanCount() + 1] = total;
}

Band::Band(double bandTop, double bandHeight, double most, double least, bool down)
    : top(bandTop), height(bandHeight), positiveDown(down) {
    const double pad = bandHeight * 0.16;
    const double inner = bandHeight - 2 * pad;
    const double above = down ? std::max(0.0, -least) : std::max(0.0, most);
    const double below = down ? std::max(0.0, most) : std::max(0.0, -least);
    const double range = above + below;
    perUnit = range > 0 ? inner / range : 0;
    axis = bandTop + pad + (range > 0 ? inner * above / range : inner / 2);
}

QFont sized(const QPainter& painter, double pixels) {
    QFont font = painter.font();
    font.setPixelSize(std::max(6, static_cast<int>(pixels)));
    return font;
}

namespace {

void drawSupports(QPainter& painter, const Scale& scale, const Beam& beam, double beamY,
                  double size) {
    const int N = beam.spanCount();
    for (int j = 0; j <= N; ++j) {
        const double x = scale.px(j == 0 ? 1 : j, j == 0 ? 0 : beam.span(j).length);
        const bool leftEnd = j == 0;
        const EndSupport end = leftEnd  ? spanEnds(beam, 1).left
                               : j == N ? spanEnds(beam, N).right
                                        : EndSupport::Continuous;
        if (end == EndSupport::Free) {
            continue; // a free end: nothing
        }
        if (end == EndSupport::Fixed) {
            const double dir = leftEnd ? -1 : 1;
            painter.drawLine(QPointF(x, beamY - size), QPointF(x, beamY + size));
            for (int h = 0; h < 5; ++h) {
                const double y = beamY - size + h * size * 0.5;
                painter.drawLine(QPointF(x, y + size * 0.4), QPointF(x + dir * size * 0.4, y));
            }
            continue;
        }
        QPolygonF hinge;
        hinge << QPointF(x, beamY) << QPointF(x - size * 0.6, beamY + size)
              << QPointF(x + size * 0.6, beamY + size);
        painter.drawPolygon(hinge);
    }
}

// A support with a width (a column, a wall, a girder) drawn to scale across the beam, its faces
// where the design forces are taken.
void drawSupportWidths(QPainter& painter, const Scale& scale, const Beam& beam, double beamY,
                       double size) {
    const int N = beam.spanCount();
    painter.save();
    painter.setBrush(QColor(190, 190, 190));
    painter.setPen(QPen(Qt::darkGray, 1));
    for (int j = 0; j <= N; ++j) {
        const double width = supportDesign(beam, j).width;
        if (width <= 0 || isFreeEnd(beam, j)) {
            continue;
        }
        const double x = scale.px(j == 0 ? 1 : j, j == 0 ? 0 : beam.span(j).length);
        const double half = std::max(1.5, width / 2 / scale.total * scale.width);
        painter.drawRect(QRectF(x - half, beamY - size * 0.9, 2 * half, size * 2.3));
    }
    painter.restore();
}

} // namespace

void drawBeam(QPainter& painter, const Scale& scale, const Beam& beam, double beamY, double size,
              bool spanLabels) {
    painter.save();
    drawSupportWidths(painter, scale, beam, beamY, size);
    painter.setPen(QPen(Qt::black, std::max(1.5, size * 0.18)));
    painter.drawLine(QPointF(scale.px(1, 0), beamY),
                     QPointF(scale.px(beam.spanCount() + 1, 0), beamY));
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    drawSupports(painter, scale, beam, beamY, size);
    if (spanLabels) {
        painter.setFont(sized(painter, size * 1.1));
        for (int s = 1; s <= beam.spanCount(); ++s) {
            const QRectF label(scale.px(s, 0), beamY - size * 2.6,
                               scale.px(s + 1, 0) - scale.px(s, 0), size * 1.6);
            // the full label where it fits, the span number alone on a crowded beam
            QString text = QStringLiteral("第%1跨 L=%2")
                               .arg(s)
                               .arg(QString::fromStdString(fieldText(beam.span(s).length)));
            if (QFontMetricsF(painter.font()).horizontalAdvance(text) > label.width()) {
                text = QString::number(s);
            }
            painter.drawText(label, Qt::AlignCenter, text);
        }
    }
    painter.restore();
}

void drawFilledDiagram(QPainter& painter, const QPolygonF& outline, const QColor& fill) {
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPolygon(outline);
    painter.setBrush(QBrush(fill.darker(160), Qt::BDiagPattern));
    painter.drawPolygon(outline);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(outline.mid(1, outline.size() - 2));
    painter.restore();
}

DiagramLayout::DiagramLayout(const QRectF& area) {
    const double h = area.height();
    size = std::clamp(h * 0.03, 4.0, 10.0);
    loadSketch = QRectF(area.left(), area.top(), area.width(), h * 0.22);
    beamY = loadSketch.top() + loadSketch.height() * 0.66; // as paintLoadSketch puts it
    momentTop = area.top() + h * 0.25;
    momentHeight = h * 0.4;
    shearTop = area.top() + h * 0.66;
    shearHeight = h * 0.34;
}

void Labels::avoid(const QPolygonF& line) {
    if (line.size() >= 2) {
        m_lines.push_back(line);
        m_lineBounds.push_back(line.boundingRect().adjusted(-1, -1, 1, 1));
    }
}

namespace {

bool crosses(const QLineF& segment, const QRectF& box) {
    if (box.contains(segment.p1()) || box.contains(segment.p2())) {
        return true;
    }
    const QLineF edges[] = {{box.topLeft(), box.topRight()},
                            {box.topRight(), box.bottomRight()},
                            {box.bottomRight(), box.bottomLeft()},
                            {box.bottomLeft(), box.topLeft()}};
    for (const QLineF& edge : edges) {
        if (segment.intersects(edge, nullptr) == QLineF::BoundedIntersection) {
            return true;
        }
    }
    return false;
}

} // namespace

bool Labels::isFree(const QRectF& box) const {
    for (const QRectF& placed : m_placed) {
        if (placed.intersects(box)) {
            return false;
        }
    }
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        if (!m_lineBounds[i].intersects(box)) {
            continue;
        }
        const QPolygonF& line = m_lines[i];
        for (qsizetype k = 1; k < line.size(); ++k) {
            if (crosses(QLineF(line[k - 1], line[k]), box)) {
                return false;
            }
        }
    }
    return true;
}

std::optional<QRectF> Labels::add(const QPointF& at, const QString& text, bool above, int side) {
    const QFontMetricsF metrics(m_painter.font());
    const double w = metrics.horizontalAdvance(text) + 2;
    const double h = metrics.height();
    const double top = above ? at.y() - h - 1 : at.y() + 1;
    // the place asked for, then the sides of the point
    const int sides[3] = {side, side == 0 ? -1 : -side, side == 0 ? 1 : 0};
    for (int tried : sides) {
        const double left = tried < 0 ? at.x() - w - 1 : tried > 0 ? at.x() + 1 : at.x() - w / 2;
        const QRectF box(left, top, w, h);
        if (isFree(box)) {
            m_placed.push_back(box);
            m_painter.drawText(box, Qt::AlignCenter, text);
            return box;
        }
    }
    return std::nullopt;
}

void drawQueryMarker(QPainter& painter, Labels& labels, double px, const DiagramLayout& layout,
                     double bottom, const QString& momentText, const QString& shearText) {
    painter.save();
    painter.setPen(QPen(kMarker, 1, Qt::DashLine));
    const QPolygonF line{QPointF(px, layout.momentTop), QPointF(px, bottom)};
    painter.drawPolyline(line);
    labels.avoid(line);
    painter.setPen(kMarker);
    const QFontMetricsF metrics(painter.font());
    for (const auto& [y, text] :
         {std::pair{layout.momentTop, momentText}, std::pair{layout.shearTop, shearText}}) {
        const QRectF box(px + 3, y, metrics.horizontalAdvance(text) + 2, metrics.height());
        painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, text);
        labels.reserve(box);
    }
    painter.restore();
}

} // namespace spanwise::drawing
