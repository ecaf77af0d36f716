// The deflected line of the whole beam, drawn to the scale of the other diagrams.
#include "analysis/Deflection.h"
#include "drawing/DiagramPainter.h"
#include "drawing/DrawingParts.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace spanwise {

using namespace drawing;

namespace {

constexpr int kSamplesPerSpan = 64;

} // namespace

void paintDeflectionLine(QPainter& painter, const QRectF& area, const Beam& beam,
                         const BeamDeflection& deflection,
                         const std::optional<BeamSection>& marker) {
    const Scale scale(area, beam);
    const int N = beam.spanCount();
    if (!scale.valid() || deflection.spanCount() != N) {
        return;
    }
    // every span at evenly spaced sections and at its extremes
    std::vector<std::vector<QPointF>> lines(static_cast<std::size_t>(N) + 1);
    double most = 0, least = 0;
    for (int s = 1; s <= N; ++s) {
        const float L = beam.span(s).length;
        std::vector<float> xs;
        for (int i = 0; i <= kSamplesPerSpan; ++i) {
            xs.push_back(static_cast<float>(double{L} * i / kSamplesPerSpan));
        }
        xs.push_back(deflection.span(s).max.x);
        xs.push_back(deflection.span(s).min.x);
        std::sort(xs.begin(), xs.end());
        for (float x : xs) {
            const double w = deflection.at(s, x);
            lines[static_cast<std::size_t>(s)].emplace_back(x, w);
            most = std::max(most, w);
            least = std::min(least, w);
        }
    }
    const DiagramLayout layout(area);
    const double size = layout.size;
    painter.save();
    drawSketchAboveDiagrams(painter, layout, beam);
    const Band band(layout.momentTop, layout.momentHeight + layout.shearHeight * 0.6, most, least,
                    true);
    painter.setFont(sized(painter, size * 1.05));
    painter.drawText(QPointF(area.left(), band.top + size), QStringLiteral("挠度 w(mm)，向下为正"));
    painter.setFont(sized(painter, size * 0.95));
    Labels labels(painter);
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.drawLine(QPointF(scale.px(1, 0), band.axis), QPointF(scale.px(N + 1, 0), band.axis));
    for (int s = 1; s <= N; ++s) {
        QPolygonF curve;
        for (const QPointF& p : lines[static_cast<std::size_t>(s)]) {
            curve << QPointF(scale.px(s, p.x()), band.y(p.y()));
        }
        painter.setPen(QPen(kShearFill.darker(180), 2));
        painter.drawPolyline(curve);
        labels.avoid(curve);
    }
    if (marker && marker->span >= 1 && marker->span <= N) {
        const double w = deflection.at(marker->span, marker->x);
        DiagramLayout queryLayout = layout;
        queryLayout.shearTop = band.top + band.height; // one text only: below the drawing
        drawQueryMarker(painter, labels, scale.px(marker->span, marker->x), queryLayout,
                        band.top + band.height,
                        QStringLiteral("w=") + number(static_cast<float>(w)), QString());
    }
    // each span's largest deflection, its largest rise where it rises, a cantilever's tip
    painter.setPen(Qt::black);
    for (int s = 1; s <= N; ++s) {
        const SpanDeflection& d = deflection.span(s);
        if (d.max.value > 0) {
            labels.add(QPointF(scale.px(s, d.max.x), band.y(d.max.value)), number(d.max.value),
                       false);
        }
        if (d.min.value < 0) {
            labels.add(QPointF(scale.px(s, d.min.x), band.y(d.min.value)), number(d.min.value),
                       true);
        }
        if (d.cantilever) {
            const bool rightTip = s == N && beam.rightSupport == Cantilever;
            const float x = rightTip ? beam.span(s).length : 0.0f;
            labels.add(QPointF(scale.px(s, x), band.y(d.tip)), number(d.tip), d.tip < 0,
                       rightTip ? -1 : +1);
        }
    }
    painter.restore();
}

} // namespace spanwise
