#include "drawing/DiagramPainter.h"
#include "model/Axes.h"

#include "drawing/DrawingParts.h"

#include "analysis/Diagrams.h"
#include "analysis/NumberFormat.h"
#include "analysis/Reactions.h"
#include "analysis/SectionForces.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <array>
#include <cmath>

namespace spanwise {

using namespace drawing;

void paintDiagrams(QPainter& painter, const QRectF& area, const Beam& beam,
                   const BeamResults& results, const std::optional<BeamSection>& marker) {
    const Scale scale(area, beam);
    if (!scale.valid()) {
        return;
    }
    const int N = beam.spanCount();
    std::array<SpanDiagram, kMaxSpans + 1> diagrams;
    double mMost = 0, mLeast = 0, vMost = 0, vLeast = 0;
    for (int s = 1; s <= N; ++s) {
        try {
            sampleSpan(beam, results, s, diagrams[s]);
        } catch (const std::exception&) {
            // a section beyond single precision (extreme input that still calculated): say so
            // rather than draw part of the beam
            painter.drawText(area, Qt::AlignCenter,
                             QStringLiteral("第%1跨的内力超出单精度范围，无法绘制内力图。").arg(s));
            return;
        }
        for (int i = 0; i < diagrams[s].count; ++i) {
            const DiagramPoint& p = diagrams[s].points[i];
            mMost = std::max(mMost, double{p.M});
            mLeast = std::min(mLeast, double{p.M});
            vMost = std::max(vMost, double{p.V});
            vLeast = std::min(vLeast, double{p.V});
        }
    }
    const DiagramLayout layout(area);
    const double size = layout.size;
    painter.save();
    const auto [moments, shears] =
        drawDiagramFrame(painter, layout, area.left(), beam, {mMost, mLeast, vMost, vLeast},
                         QStringLiteral("弯矩图 M(kN*m)"), QStringLiteral("剪力图 V(kN)"));

    painter.setFont(sized(painter, size * 0.95));
    Labels labels(painter);
    auto drawCurve = [&](const Band& band, bool moment) {
        const QColor fill = moment ? kMomentFill : kShearFill;
        for (int s = 1; s <= N; ++s) {
            const SpanDiagram& d = diagrams[s];
            if (d.count == 0) {
                continue;
            }
            QPolygonF outline;
            outline << QPointF(scale.px(s, d.points[0].x), band.axis);
            for (int i = 0; i < d.count; ++i) {
                const DiagramPoint& p = d.points[i];
                outline << QPointF(scale.px(s, p.x), band.y(moment ? p.M : p.V));
            }
            outline << QPointF(scale.px(s, d.points[d.count - 1].x), band.axis);
            drawFilledDiagram(painter, outline, fill);
            labels.avoid(outline.mid(1, outline.size() - 2));
        }
        painter.setPen(QPen(Qt::black, 1));
        painter.drawLine(QPointF(scale.px(1, 0), band.axis),
                         QPointF(scale.px(N + 1, 0), band.axis));
    };
    drawCurve(moments, true);
    drawCurve(shears, false);

    if (marker && marker->span >= 1 && marker->span <= N) {
        try {
            const SectionForce f = sectionForceAt(beam, results, marker->span, marker->x);
            const QString v =
                f.VL == f.VR ? number(f.VL) : number(f.VL) + QStringLiteral(" / ") + number(f.VR);
            drawQueryMarker(painter, labels, scale.px(marker->span, marker->x), layout,
                            area.bottom(), QStringLiteral("M=") + number(f.M),
                            QStringLiteral("V=") + v);
        } catch (const std::exception&) {
            // a section beyond single precision: no query line
        }
    }

    // values, the ones to keep first: the moments at the supports and each span's maximum, the
    // shears at the span ends, then the moments under concentrated forces and both sides of
    // every jump of the shear
    auto momentLabel = [&](int s, float x, float M) {
        labels.add(QPointF(scale.px(s, x), moments.y(M)), number(M), M <= 0);
    };
    for (int s = 1; s <= N; ++s) {
        const SpanDiagram& d = diagrams[s];
        if (d.count == 0) {
            continue;
        }
        const float L = beam.span(s).length;
        const DiagramPoint& first = d.points[0];
        const DiagramPoint& last = d.points[d.count - 1];
        if (s == 1 || std::fabs(first.M) > 0.0005f) {
            momentLabel(s, first.x, first.M);
        }
        momentLabel(s, last.x, last.M);
        const float xMax = results.SpanMaxMoment[s] == 0 && results.SpanMaxMomentX[s] == 0
                               ? -1
                               : results.SpanMaxMomentX[s];
        if (xMax > L * 0.02f && xMax < L * 0.98f) {
            momentLabel(s, xMax, results.SpanMaxMoment[s]);
        }
    }
    for (int s = 1; s <= N; ++s) {
        const SpanDiagram& d = diagrams[s];
        if (d.count == 0) {
            continue;
        }
        const DiagramPoint& first = d.points[0];
        const DiagramPoint& last = d.points[d.count - 1];
        labels.add(QPointF(scale.px(s, first.x), shears.y(first.V)), number(first.V), first.V >= 0,
                   +1);
        labels.add(QPointF(scale.px(s, last.x), shears.y(last.V)), number(last.V), last.V >= 0, -1);
    }
    for (int s = 1; s <= N; ++s) {
        const SpanDiagram& d = diagrams[s];
        const float L = beam.span(s).length;
        for (int i = 1; i < d.count; ++i) {
            const DiagramPoint& a = d.points[i - 1];
            const DiagramPoint& b = d.points[i];
            if (a.x == b.x && a.V != b.V && b.x > 0 && b.x < L) {
                if (b.x != results.SpanMaxMomentX[s]) { // the maximum is written already
                    momentLabel(s, b.x, b.M);
                }
                const double px = scale.px(s, b.x);
                labels.add(QPointF(px - 1, shears.y(a.V)), number(a.V), a.V >= 0, -1);
                labels.add(QPointF(px + 1, shears.y(b.V)), number(b.V), b.V >= 0, +1);
            }
        }
    }
    painter.restore();
}

std::optional<BeamSection> diagramSectionAt(const QRectF& area, const Beam& beam, double px) {
    const Scale scale(area, beam);
    if (!scale.valid() || px < scale.left || px > scale.left + scale.width) {
        return std::nullopt;
    }
    const double along = (px - scale.left) / scale.width * scale.total;
    for (int s = 1; s <= beam.spanCount(); ++s) {
        if (along <= scale.start[s + 1] || s == beam.spanCount()) {
            const double x = std::clamp(along - scale.start[s], 0.0,
                                        double{std::max(0.0f, beam.span(s).length)});
            // to the millimetre, as the engineer would type it
            return BeamSection{s, static_cast<float>(std::round(x * 1000) / 1000)};
        }
    }
    return std::nullopt;
}

namespace drawing {

void drawSketchAboveDiagrams(QPainter& painter, const DiagramLayout& layout, const Beam& beam) {
    constexpr int kMostSpansWithLoads = 8;
    if (beam.spanCount() <= kMostSpansWithLoads) {
        paintLoadSketch(painter, layout.loadSketch, beam, 0, layout.size * 1.1);
        return;
    }
    Beam bare = beam;
    for (Span& span : bare.spans) {
        span.loads.clear();
    }
    paintLoadSketch(painter, layout.loadSketch, bare, 0, layout.size * 1.1);
}

DiagramBands drawDiagramFrame(QPainter& painter, const DiagramLayout& layout, double left,
                              const Beam& beam, const std::array<double, 4>& range,
                              const QString& momentTitle, const QString& shearTitle) {
    drawSketchAboveDiagrams(painter, layout, beam);
    const DiagramBands bands{Band(layout.momentTop, layout.momentHeight, range[0], range[1], true),
                             Band(layout.shearTop, layout.shearHeight, range[2], range[3], false)};
    painter.setFont(sized(painter, layout.size * 1.05));
    painter.drawText(QPointF(left, bands.moments.top + layout.size), momentTitle);
    painter.drawText(QPointF(left, bands.shears.top + layout.size), shearTitle);
    return bands;
}

} // namespace drawing

Beam spansOfBeam(const Beam& beam, int first, int last) {
    Beam part = beam;
    part.spans.assign(beam.spans.begin() + (first - 1), beam.spans.begin() + last);
    part.leftSupport = first == 1 ? beam.leftSupport : Simple;
    part.rightSupport = last == beam.spanCount() ? beam.rightSupport : Simple;
    // the axes keep the names they have in the whole beam
    part.axisStyle = AxisStyle::Typed;
    part.firstSupportDesign = supportDesign(beam, first - 1);
    for (int j = first - 1; j <= last; ++j) {
        supportDesign(part, j - first + 1).axis = axisLabel(beam, j);
    }
    return part;
}

std::vector<QStringList> reactionRows(const Beam& beam, const BeamResults& results) {
    SupportReactions reactions;
    try {
        supportReactions(beam, results, reactions);
    } catch (const std::exception&) {
        return {}; // a reaction beyond single precision: the table stays empty
    }
    std::vector<QStringList> rows;
    for (int j = 0; j <= beam.spanCount(); ++j) {
        const SupportReaction& r = reactions[static_cast<std::size_t>(j)];
        if (!r.present) {
            continue;
        }
        rows.push_back({QString::fromStdString(supportName(beam, j)), number(r.R),
                        r.fixed ? number(r.M) : QString()});
    }
    return rows;
}

} // namespace spanwise
