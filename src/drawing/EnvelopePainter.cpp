#include "analysis/Diagrams.h"
#include "analysis/Envelope.h"
#include "drawing/DiagramPainter.h"
#include "drawing/DrawingParts.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace spanwise {

using namespace drawing;

namespace {

// One section of the envelope curves; where the shear jumps the section appears twice, first
// with the shears just left of it, then just right.
struct EnvelopePoint {
    float x;
    float maxMoment, minMoment;
    float maxShear, minShear;
};

EnvelopePoint pointAt(const Envelope& envelope, int s, float x, bool rightSide) {
    const EnvelopeSection e = envelope.at(s, x);
    return {x, e.maxMoment.value, e.minMoment.value,
            rightSide ? e.maxShearRight.value : e.maxShearLeft.value,
            rightSide ? e.minShearRight.value : e.minShearLeft.value};
}

// The curves of span s at the sections of the diagram of the loads as entered (which holds every
// load's start and end, so every break of the envelope) and at the envelope's own extremes.
std::vector<EnvelopePoint> sampleEnvelope(const Beam& beam, const BeamResults& results,
                                          const Envelope& envelope, int s, SpanDiagram& sections) {
    sampleSpan(beam, results, s, sections);
    std::vector<EnvelopePoint> points;
    points.reserve(static_cast<std::size_t>(sections.count) + 2);
    for (int i = 0; i < sections.count; ++i) {
        const float x = sections.points[i].x;
        const bool secondOfJump = i > 0 && sections.points[i - 1].x == x;
        points.push_back(pointAt(envelope, s, x, secondOfJump));
    }
    const float L = beam.span(s).length;
    for (const MomentExtreme* peak : {&envelope.span(s).maxMoment, &envelope.span(s).minMoment}) {
        const float x = peak->x;
        const bool known = std::any_of(points.begin(), points.end(),
                                       [x](const EnvelopePoint& p) { return p.x == x; });
        if (x > 0 && x < L && !known) {
            const auto at =
                std::lower_bound(points.begin(), points.end(), x,
                                 [](const EnvelopePoint& p, float value) { return p.x < value; });
            points.insert(at, pointAt(envelope, s, x, false));
        }
    }
    return points;
}

} // namespace

void paintEnvelopeDiagrams(QPainter& painter, const QRectF& area, const Beam& beam,
                           const BeamResults& results, const Envelope& envelope,
                           const std::optional<BeamSection>& marker) {
    const Scale scale(area, beam);
    if (!scale.valid() || envelope.spanCount() != beam.spanCount()) {
        return;
    }
    const int N = beam.spanCount();
    std::vector<std::vector<EnvelopePoint>> curves(static_cast<std::size_t>(N) + 1);
    double mMost = 0, mLeast = 0, vMost = 0, vLeast = 0;
    SpanDiagram sections;
    for (int s = 1; s <= N; ++s) {
        try {
            curves[static_cast<std::size_t>(s)] =
                sampleEnvelope(beam, results, envelope, s, sections);
        } catch (const std::exception&) {
            painter.drawText(area, Qt::AlignCenter,
                             QStringLiteral("第%1跨的内力超出单精度范围，无法绘制包络图。").arg(s));
            return;
        }
        for (const EnvelopePoint& p : curves[static_cast<std::size_t>(s)]) {
            mMost = std::max(mMost, double{p.maxMoment});
            mLeast = std::min(mLeast, double{p.minMoment});
            vMost = std::max(vMost, double{p.maxShear});
            vLeast = std::min(vLeast, double{p.minShear});
        }
    }
    const DiagramLayout layout(area);
    const double size = layout.size;
    painter.save();
    const auto [moments, shears] =
        drawDiagramFrame(painter, layout, area.left(), beam, {mMost, mLeast, vMost, vLeast},
                         QStringLiteral("弯矩包络图 M(kN*m)"), QStringLiteral("剪力包络图 V(kN)"));

    // each band: the largest values forward, the smallest back, so the polygon is the area
    // between them; both curves are outlined
    painter.setFont(sized(painter, size * 0.95));
    Labels labels(painter);
    auto drawBand = [&](const Band& band, bool moment) {
        for (int s = 1; s <= N; ++s) {
            const std::vector<EnvelopePoint>& curve = curves[static_cast<std::size_t>(s)];
            if (curve.empty()) {
                continue;
            }
            QPolygonF upper, lower;
            for (const EnvelopePoint& p : curve) {
                const double px = scale.px(s, p.x);
                upper << QPointF(px, band.y(moment ? p.maxMoment : p.maxShear));
                lower << QPointF(px, band.y(moment ? p.minMoment : p.minShear));
            }
            QPolygonF outline = upper;
            for (auto it = lower.crbegin(); it != lower.crend(); ++it) {
                outline << *it;
            }
            const QColor fill = moment ? kMomentFill : kShearFill;
            painter.setPen(Qt::NoPen);
            painter.setBrush(fill);
            painter.drawPolygon(outline);
            painter.setPen(QPen(Qt::black, 1));
            painter.setBrush(Qt::NoBrush);
            painter.drawPolyline(upper);
            painter.drawPolyline(lower);
            labels.avoid(upper);
            labels.avoid(lower);
        }
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.drawLine(QPointF(scale.px(1, 0), band.axis),
                         QPointF(scale.px(N + 1, 0), band.axis));
        painter.setPen(QPen(Qt::black, 1));
    };
    drawBand(moments, true);
    drawBand(shears, false);

    if (marker && marker->span >= 1 && marker->span <= N) {
        try {
            const EnvelopeSection e = envelope.at(marker->span, marker->x);
            drawQueryMarker(painter, labels, scale.px(marker->span, marker->x), layout,
                            area.bottom(),
                            QStringLiteral("Mmax=%1 Mmin=%2")
                                .arg(number(e.maxMoment.value), number(e.minMoment.value)),
                            QStringLiteral("Vmax=%1 Vmin=%2")
                                .arg(number(e.maxShearLeft.value), number(e.minShearLeft.value)));
        } catch (const std::exception&) {
            // a section beyond single precision: no query line
        }
    }

    // values, the ones to keep first: the smallest moment at each support and each span's
    // largest (and, where it hogs inside the span, smallest) moment, then the largest shear at
    // each span's left end and the smallest at its right end
    for (int s = 1; s <= N; ++s) {
        const std::vector<EnvelopePoint>& curve = curves[static_cast<std::size_t>(s)];
        if (curve.empty()) {
            continue;
        }
        const float L = beam.span(s).length;
        auto momentLabel = [&](float x, float M) {
            labels.add(QPointF(scale.px(s, x), moments.y(M)), number(M), M <= 0);
        };
        const EnvelopePoint& first = curve.front();
        const EnvelopePoint& last = curve.back();
        if (s == 1 || std::fabs(first.minMoment) > 0.0005f) {
            momentLabel(first.x, first.minMoment);
        }
        momentLabel(last.x, last.minMoment);
        const SpanEnvelope& span = envelope.span(s);
        if (span.maxMoment.x > L * 0.02f && span.maxMoment.x < L * 0.98f &&
            span.maxMoment.value > 0) {
            momentLabel(span.maxMoment.x, span.maxMoment.value);
        }
        if (span.minMoment.x > L * 0.02f && span.minMoment.x < L * 0.98f &&
            span.minMoment.value < 0) {
            momentLabel(span.minMoment.x, span.minMoment.value);
        }
    }
    for (int s = 1; s <= N; ++s) {
        const std::vector<EnvelopePoint>& curve = curves[static_cast<std::size_t>(s)];
        if (curve.empty()) {
            continue;
        }
        const EnvelopePoint& first = curve.front();
        const EnvelopePoint& last = curve.back();
        labels.add(QPointF(scale.px(s, first.x), shears.y(first.maxShear)), number(first.maxShear),
                   first.maxShear >= 0, +1);
        labels.add(QPointF(scale.px(s, last.x), shears.y(last.minShear)), number(last.minShear),
                   last.minShear >= 0, -1);
    }
    painter.restore();
}

} // namespace spanwise
