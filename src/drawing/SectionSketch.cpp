#include "drawing/SectionSketch.h"

#include "design/BarText.h"
#include "design/LongitudinalBars.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace spanwise {

SpanSketches spanSketches(const SpanDesign& span) {
    SpanSketches out;
    const double dv =
        span.stirrups.stirrups ? span.stirrups.stirrups->diameter : span.detailing.leastDiameter;
    out.middle.stirrupDiameter = dv;
    SectionBars base;
    base.stirrupDiameter = dv;
    for (const SteelRow& row : span.rows) {
        if (row.place == SteelPlace::Bottom) {
            base.bottom = row.bars.bars;
            base.bottomTwoLayers = row.bars.twoLayers;
            base.bottomSteel = row.steel;
            out.middle.bottom = row.bars.bars;
            out.middle.bottomTwoLayers = row.bars.twoLayers;
            out.middle.bottomSteel = row.steel;
        } else if (row.place == SteelPlace::SpanTop) {
            out.middle.top = row.bars.bars;
            out.middle.topTwoLayers = row.bars.twoLayers;
            out.middle.topSteel = row.steel;
        }
    }
    for (const SteelRow& row : span.rows) {
        if (row.place == SteelPlace::LeftFace || row.place == SteelPlace::RightFace) {
            SectionBars face = base;
            face.top = row.bars.bars;
            face.topTwoLayers = row.bars.twoLayers;
            face.topSteel = row.steel;
            (row.place == SteelPlace::LeftFace ? out.left : out.right) = face;
        }
    }
    return out;
}

namespace {

// The centres of n bars of diameter d in a layer between the stirrup's inner faces.
std::vector<double> barCentres(int n, double d, double inner, double width) {
    std::vector<double> xs;
    if (n <= 0) {
        return xs;
    }
    const double left = inner + d / 2, right = width - inner - d / 2;
    for (int k = 0; k < n; ++k) {
        xs.push_back(n == 1 ? width / 2 : left + (right - left) * k / (n - 1));
    }
    return xs;
}

} // namespace

void paintSectionSketch(QPainter& painter, const QRectF& area, const SpanSection& section,
                        const Materials& m, const SectionBars& bars, const QString& caption) {
    painter.save();
    const QFontMetricsF metrics(painter.font());
    const double captionHeight = metrics.lineSpacing() * 2.2;
    const QRectF drawing = area.adjusted(4, 4, -4, -captionHeight);
    const double b = section.width, h = section.depth;
    const bool flange = section.hasFlange();
    const double bf = flange ? double{section.flangeWidth} : b;
    const double hf = flange ? double{section.flangeDepth} : 0.0;
    if (!(b > 0 && h > 0 && drawing.width() > 0 && drawing.height() > 0)) {
        painter.restore();
        return;
    }
    // one scale, the web kept at least a third of the width where the flange is very wide
    const double wide = std::min(bf, 3 * b);
    const double scale = std::min(drawing.width() / wide, drawing.height() / h);
    const double x0 = drawing.center().x() - b * scale / 2;
    const double y0 = drawing.top() + (drawing.height() - h * scale) / 2;
    auto px = [&](double x) { return x0 + x * scale; };
    auto py = [&](double y) { return y0 + y * scale; };

    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(QColor(235, 235, 235));
    QPolygonF outline;
    const double overhang = std::min((bf - b) / 2, (wide - b) / 2);
    outline << QPointF(px(0), py(h)) << QPointF(px(b), py(h)) << QPointF(px(b), py(hf))
            << QPointF(px(b + overhang), py(hf)) << QPointF(px(b + overhang), py(0))
            << QPointF(px(-overhang), py(0)) << QPointF(px(-overhang), py(hf))
            << QPointF(px(0), py(hf));
    painter.drawPolygon(outline);
    if (bf > wide) { // the flange goes on: broken off
        painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
        for (double edge : {px(-overhang), px(b + overhang)}) {
            painter.drawLine(QPointF(edge, py(0) - 2), QPointF(edge, py(hf) + 2));
        }
    }

    // the stirrup, its centre line c + dv/2 inside the web's faces
    const double c = m.cover, dv = std::max(bars.stirrupDiameter, 6.0);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0, 90, 170), std::max(1.0, dv * scale)));
    painter.drawRect(QRectF(QPointF(px(c + dv / 2), py(c + dv / 2)),
                            QPointF(px(b - c - dv / 2), py(h - c - dv / 2))));

    // the bars: one layer at as from the face, a second 25 mm further in
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(200, 30, 30));
    const double inner = c + dv;
    auto layers = [&](const BarSet& set, bool bottom, bool two) {
        const BarRoom room{bottom ? BarFace::Bottom : BarFace::Top, b, c, dv};
        const int first = two ? std::max(1, oneLayerCapacity(set.diameter, room)) : set.count;
        const int counts[2] = {std::min(first, set.count), set.count - std::min(first, set.count)};
        for (int layer = 0; layer < 2; ++layer) {
            const double fromFace = inner + set.diameter / 2.0 + layer * (set.diameter + 25.0);
            const double y = bottom ? h - fromFace : fromFace;
            for (double x : barCentres(counts[layer], set.diameter, inner, b)) {
                const double r = std::max(1.5, set.diameter * scale / 2);
                painter.drawEllipse(QPointF(px(x), py(y)), r, r);
            }
        }
    };
    if (bars.bottom) {
        layers(*bars.bottom, true, bars.bottomTwoLayers);
    }
    if (bars.top) {
        layers(*bars.top, false, bars.topTwoLayers);
    }

    painter.setPen(Qt::black);
    const QString barsText =
        (bars.top
             ? QStringLiteral("上 ") + QString::fromStdString(barText(*bars.top, bars.topSteel)) +
                   (bars.topTwoLayers ? QStringLiteral("(两排)") : QString())
             : QString()) +
        (bars.top && bars.bottom ? QStringLiteral("  ") : QString()) +
        (bars.bottom ? QStringLiteral("下 ") +
                           QString::fromStdString(barText(*bars.bottom, bars.bottomSteel)) +
                           (bars.bottomTwoLayers ? QStringLiteral("(两排)") : QString())
                     : QString());
    painter.drawText(
        QRectF(area.left(), area.bottom() - captionHeight, area.width(), captionHeight),
        Qt::AlignHCenter | Qt::AlignTop, caption + QStringLiteral("\n") + barsText);
    painter.restore();
}

} // namespace spanwise
