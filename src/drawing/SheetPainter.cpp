#include "drawing/SheetPainter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace spanwise {

namespace {

QColor screenColour(int aci) {
    switch (aci) {
    case 1:
        return QColor(200, 0, 0);
    case 2:
        return QColor(138, 100, 0);
    case 3:
        return QColor(0, 128, 0);
    case 4:
        return QColor(0, 118, 128);
    case 5:
        return QColor(0, 0, 200);
    case 6:
        return QColor(170, 0, 170);
    case 8:
        return QColor(128, 128, 128);
    default:
        return Qt::black;
    }
}

} // namespace

double detailingSheetHeight(const DetailingSheet& sheet, double width) {
    const QRectF extents = sheet.extents();
    return extents.width() > 0 ? width * extents.height() / extents.width() : 0;
}

void paintDetailingSheet(QPainter& painter, const QRectF& area, const DetailingSheet& sheet) {
    paintDetailingSheetRegion(painter, area, sheet, sheet.extents());
}

void paintDetailingSheetRegion(QPainter& painter, const QRectF& area, const DetailingSheet& sheet,
                               const QRectF& extents) {
    if (extents.width() <= 0 || extents.height() <= 0 || area.width() <= 0) {
        return;
    }
    const double scale = std::min(area.width() / extents.width(), area.height() / extents.height());
    auto at = [&](QPointF p) {
        return QPointF(area.left() + (p.x() - extents.left()) * scale,
                       area.top() + (extents.bottom() - p.y()) * scale);
    };
    painter.save();
    painter.setClipRect(QRectF(area.topLeft(), QSizeF(extents.width(), extents.height()) * scale),
                        Qt::IntersectClip);
    painter.setRenderHint(QPainter::Antialiasing);
    const double millimetre = scale * kSheetUnit; // 1 mm on paper
    for (const SheetItem& item : sheet.items) {
        const SheetLayerStyle& style = layerStyle(item.layer);
        const QColor colour = screenColour(style.colour);
        QPen pen(colour, std::max(0.6, style.plotWidth * millimetre));
        if (style.centreLine) {
            pen.setStyle(Qt::DashDotLine);
            pen.setWidthF(std::max(0.5, pen.widthF()));
        }
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        switch (item.kind) {
        case SheetItem::Kind::Line:
            painter.drawLine(at(item.points[0]), at(item.points[1]));
            break;
        case SheetItem::Kind::Circle:
            painter.drawEllipse(at(item.points[0]), item.radius * scale, item.radius * scale);
            break;
        case SheetItem::Kind::Polyline: {
            if (item.bulge != 0 && item.points.size() == 2) {
                // a bar: a filled dot
                const QPointF centre = (item.points[0] + item.points[1]) / 2;
                const double radius =
                    (std::abs(item.points[1].x() - item.points[0].x()) / 2 + item.width / 2) *
                    scale;
                painter.setPen(Qt::NoPen);
                painter.setBrush(colour);
                painter.drawEllipse(at(centre), radius, radius);
                break;
            }
            QPolygonF polygon;
            for (const QPointF& p : item.points) {
                polygon << at(p);
            }
            if (item.closed) {
                painter.drawPolygon(polygon);
            } else {
                painter.drawPolyline(polygon);
            }
            break;
        }
        case SheetItem::Kind::Text: {
            const double pixels = item.height * scale;
            if (pixels < 1) {
                break;
            }
            QFont font = painter.font();
            font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels * 1.3))));
            font.setStretch(70);
            painter.setFont(font);
            painter.setPen(colour);
            const QFontMetricsF metrics(font);
            const double width = metrics.horizontalAdvance(item.text);
            QPointF p = at(item.points[0]);
            if (item.align == TextAlign::Centre || item.align == TextAlign::Middle) {
                p.rx() -= width / 2;
            } else if (item.align == TextAlign::Right) {
                p.rx() -= width;
            }
            if (item.align == TextAlign::Middle) {
                p.ry() += pixels / 2;
            }
            painter.drawText(p, item.text);
            break;
        }
        }
    }
    painter.restore();
}

} // namespace spanwise
