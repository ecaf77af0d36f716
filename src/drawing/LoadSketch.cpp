// The beam with every load drawn and labelled: loads that would cover one another (a force and
// a block at the same place, two forces at one point, labels side by side) are stacked in lanes
// above the beam, so that none hides another; live loads are drawn dashed in blue with "(活)".
#include "drawing/DiagramPainter.h"
#include "model/Axes.h"

#include "drawing/DrawingParts.h"

#include "analysis/NumberFormat.h"
#include "analysis/SectionForces.h"
#include "analysis/SpanCurve.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace spanwise {

using namespace drawing;

namespace {

const QColor kLiveLoad(0, 84, 200);

enum class Shape { Arrow, Block, Couple };

// One load as the sketch draws it, in pixels along the beam.
struct SketchItem {
    Shape shape = Shape::Arrow;
    double x0 = 0, x1 = 0;       // where it acts: a point (arrow, couple) or a stretch (block)
    double rise0 = 1, rise1 = 1; // a block's height at x0 and x1, 0..1 of the lane's block
    double ramp0 = 0, ramp1 = 0; // a block's corners: full height from x0 + ramp0 to x1 - ramp1
    bool clockwise = true;       // a couple
    QString text;
    bool live = false;
    double footLeft = 0, footRight = 0; // what it takes of the lane, its label included
    int lane = 0;
};

// The text of a load's value as the sketch writes it.
QString valueText(const Load& load) {
    QString text;
    switch (load.kind) {
    case Concentrated:
        text = QStringLiteral("P=") + number(load.P);
        break;
    case Couple:
        text = QStringLiteral("M=") + number(load.P);
        break;
    case Linear:
        text = QStringLiteral("q=") + number(load.q) + QStringLiteral("~") + number(load.P);
        break;
    default:
        text = QStringLiteral("q=") + number(load.q);
        break;
    }
    return load.loadCase == Live ? text + QStringLiteral("(活)") : text;
}

// The items of every load of the beam, with the stretch each takes in its lane.
std::vector<SketchItem> itemsOf(const Beam& beam, const Scale& scale, const QFontMetricsF& metrics,
                                double size) {
    std::vector<SketchItem> items;
    for (int s = 1; s <= beam.spanCount(); ++s) {
        const float L = beam.span(s).length;
        const bool freeRight = baseSystem(beam, s) == BaseSystem::FreeRight;
        for (const Load& load : beam.span(s).loads) {
            SketchItem item;
            item.text = valueText(load);
            item.live = load.loadCase == Live;
            const double textWidth = metrics.horizontalAdvance(item.text) + 2;
            switch (load.kind) {
            case Concentrated: {
                const double x = scale.px(s, freeRight ? L - load.a : load.a);
                item.shape = Shape::Arrow;
                item.x0 = item.x1 = x;
                item.footLeft = x - size * 0.5;
                item.footRight = x + 2 + textWidth;
                break;
            }
            case Uniform:
            case Trapezoidal: {
                item.shape = Shape::Block;
                item.x0 = scale.px(s, 0);
                item.x1 = scale.px(s, L);
                if (load.kind == Trapezoidal && L > 0) {
                    item.ramp0 = item.ramp1 =
                        (item.x1 - item.x0) * std::clamp(double{load.a} / L, 0.0, 0.5);
                }
                const double middle = (item.x0 + item.x1) / 2;
                item.footLeft = std::min(item.x0, middle - textWidth / 2);
                item.footRight = std::max(item.x1, middle + textWidth / 2);
                break;
            }
            case PartialUniform:
            case Linear: {
                const std::optional<LoadStretch> stretch = stretchOf(load, L);
                if (!stretch) {
                    continue; // off its span: the data check says so
                }
                item.shape = Shape::Block;
                // along x, whichever end the stretch is measured from
                const double from = scale.px(s, freeRight ? L - stretch->from : stretch->from);
                const double to = scale.px(s, freeRight ? L - stretch->to : stretch->to);
                const double most = std::max(std::fabs(stretch->atFrom), std::fabs(stretch->atTo));
                const double riseFrom = most > 0 ? std::fabs(stretch->atFrom) / most : 1;
                const double riseTo = most > 0 ? std::fabs(stretch->atTo) / most : 1;
                item.x0 = std::min(from, to);
                item.x1 = std::max(from, to);
                item.rise0 = from <= to ? riseFrom : riseTo;
                item.rise1 = from <= to ? riseTo : riseFrom;
                const double middle = (item.x0 + item.x1) / 2;
                item.footLeft = std::min(item.x0, middle - textWidth / 2);
                item.footRight = std::max(item.x1, middle + textWidth / 2);
                break;
            }
            case Couple: {
                const double x = scale.px(s, freeRight ? L - load.a : load.a);
                item.shape = Shape::Couple;
                item.clockwise = load.P >= 0;
                item.x0 = item.x1 = x;
                item.footLeft = x - size * 1.4;
                item.footRight = x + size * 1.4 + 2 + textWidth;
                break;
            }
            default:
                continue; // a kind the sketch does not know draws nothing
            }
            items.push_back(item);
        }
    }
    return items;
}

// Two items cover each other in one lane when their loads overlap (blocks that only touch at a
// support do not) or a value's text comes near the other's load or value.
bool covers(const SketchItem& a, const SketchItem& b) {
    constexpr double kGap = 4;
    const bool bodies = a.x0 < b.x1 && b.x0 < a.x1 && !(a.x0 == a.x1 && b.x0 == b.x1);
    const bool points = a.x0 == a.x1 && b.x0 == b.x1 && std::fabs(a.x0 - b.x0) < kGap;
    const bool feet = a.footLeft < b.footRight + kGap && b.footLeft < a.footRight + kGap;
    return bodies || points || (feet && (a.shape != Shape::Block || b.shape != Shape::Block));
}

// Puts every item in a lane where it covers no other and no shaft crosses its value. The forces
// and couples come first, from the right, each in the lowest lane above every shaft within its
// reach (its own shaft then passes left of the values below it); the blocks go above every
// force and couple within their reach and above one another where they overlap. Returns the
// number of lanes.
int assignLanes(std::vector<SketchItem>& items) {
    std::vector<std::size_t> points, blocks;
    for (std::size_t i = 0; i < items.size(); ++i) {
        (items[i].shape == Shape::Block ? blocks : points).push_back(i);
    }
    std::stable_sort(points.begin(), points.end(),
                     [&](std::size_t a, std::size_t b) { return items[a].x0 > items[b].x0; });
    std::stable_sort(blocks.begin(), blocks.end(), [&](std::size_t a, std::size_t b) {
        return items[a].footLeft < items[b].footLeft;
    });
    std::vector<std::vector<std::size_t>> lanes;
    auto place = [&](std::size_t i, std::size_t lowest) {
        std::size_t lane = lowest;
        auto taken = [&](std::size_t l) {
            return l < lanes.size() &&
                   std::any_of(lanes[l].begin(), lanes[l].end(),
                               [&](std::size_t j) { return covers(items[i], items[j]); });
        };
        while (taken(lane)) {
            ++lane;
        }
        if (lane >= lanes.size()) {
            lanes.resize(lane + 1);
        }
        lanes[lane].push_back(i);
        items[i].lane = static_cast<int>(lane);
    };
    // above every shaft placed already that stands within the item's reach
    auto aboveShafts = [&](std::size_t i, std::size_t placed) {
        std::size_t lowest = 0;
        for (std::size_t k = 0; k < placed; ++k) {
            const SketchItem& shaft = items[points[k]];
            if (shaft.x0 >= items[i].footLeft - 2 && shaft.x0 <= items[i].footRight + 2) {
                lowest = std::max(lowest, static_cast<std::size_t>(shaft.lane) + 1);
            }
        }
        return lowest;
    };
    for (std::size_t k = 0; k < points.size(); ++k) {
        place(points[k], aboveShafts(points[k], k));
    }
    for (std::size_t i : blocks) {
        place(i, aboveShafts(i, points.size()));
    }
    return static_cast<int>(lanes.size());
}

void drawArrowHead(QPainter& painter, const QPointF& tip, double size) {
    QPolygonF head;
    head << tip << QPointF(tip.x() - size * 0.4, tip.y() - size * 0.8)
         << QPointF(tip.x() + size * 0.4, tip.y() - size * 0.8);
    painter.save();
    painter.setBrush(painter.pen().color());
    painter.setPen(QPen(painter.pen().color(), 1));
    painter.drawPolygon(head);
    painter.restore();
}

void drawItem(QPainter& painter, const SketchItem& item, double laneBottom, double laneHeight,
              double beamY, double textHeight, double size) {
    const QColor colour = item.live ? kLiveLoad : QColor(Qt::black);
    painter.setPen(QPen(colour, 1, item.live ? Qt::DashLine : Qt::SolidLine));
    painter.setBrush(Qt::NoBrush);
    const double laneTop = laneBottom - laneHeight;
    const QFontMetricsF metrics(painter.font());
    const double textWidth = metrics.horizontalAdvance(item.text) + 2;
    switch (item.shape) {
    case Shape::Arrow: {
        const double top = laneTop + textHeight / 2;
        painter.drawLine(QPointF(item.x0, top), QPointF(item.x0, beamY - 2));
        drawArrowHead(painter, QPointF(item.x0, beamY - 2), size);
        painter.setPen(colour);
        painter.drawText(QRectF(item.x0 + 2, laneTop, textWidth, textHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, item.text);
        break;
    }
    case Shape::Block: {
        const double height = std::max(2.0, laneHeight - textHeight - 2);
        QPolygonF outline;
        outline << QPointF(item.x0, laneBottom)
                << QPointF(item.x0 + item.ramp0, laneBottom - height * item.rise0)
                << QPointF(item.x1 - item.ramp1, laneBottom - height * item.rise1)
                << QPointF(item.x1, laneBottom);
        painter.drawPolygon(outline);
        painter.setPen(colour);
        const double middle = (item.x0 + item.x1) / 2;
        painter.drawText(QRectF(middle - textWidth / 2, laneTop, textWidth, textHeight),
                         Qt::AlignCenter, item.text);
        break;
    }
    case Shape::Couple: {
        const double radius = std::clamp(laneHeight * 0.3, 3.0, size * 1.2);
        const QPointF centre(item.x0, laneBottom - radius - 1);
        QPainterPath arc;
        const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
        arc.arcMoveTo(box, 210);
        arc.arcTo(box, 210, -240);
        painter.drawPath(arc);
        // the head at the end the couple turns towards, along the arc there
        const double end = (item.clockwise ? 210.0 - 240.0 : 210.0) * M_PI / 180;
        const QPointF at(centre.x() + radius * std::cos(end), centre.y() - radius * std::sin(end));
        const double turn = item.clockwise ? 1 : -1;
        const QPointF along(turn * std::sin(end), turn * std::cos(end));
        const QPointF across(-along.y(), along.x());
        const double head = std::max(2.5, size * 0.45);
        QPolygonF arrow;
        arrow << at + along * head << at + across * head * 0.5 << at - across * head * 0.5;
        painter.drawLine(QPointF(item.x0, centre.y() + radius), QPointF(item.x0, beamY - 2));
        painter.setBrush(colour);
        painter.drawPolygon(arrow);
        painter.setPen(colour);
        painter.drawText(QRectF(item.x0 + radius + 2, laneTop, textWidth, textHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, item.text);
        break;
    }
    }
}

// The font of the load values: textPixels when given, else in proportion to the sketch.
QFont valueFont(const QPainter& painter, double areaHeight, double textPixels) {
    const double size = std::clamp(areaHeight * 0.075, 4.0, 10.0);
    return sized(painter, textPixels > 0 ? textPixels : size * 1.05);
}

} // namespace

double loadSketchHeight(const Beam& beam, double width, const QFont& font) {
    const QRectF area(0, 0, width, 100);
    const Scale scale(area, beam);
    if (!scale.valid()) {
        return 0;
    }
    const QFontMetricsF metrics(font);
    std::vector<SketchItem> items = itemsOf(beam, scale, metrics, metrics.height() * 0.9);
    const int lanes = std::max(1, assignLanes(items));
    // a lane holds a value's line and a block as high again; the beam lies at two thirds
    const double room = lanes * metrics.height() * 2.1 + metrics.height() + 6;
    return room / 0.66;
}

void paintLoadSketch(QPainter& painter, const QRectF& area, const Beam& beam, int shadedSpan,
                     double textPixels, int firstSpanNumber) {
    const Scale scale(area, beam);
    if (!scale.valid()) {
        return;
    }
    const double h = area.height();
    const double size = std::clamp(h * 0.075, 4.0, 10.0);
    const double beamY = area.top() + h * 0.66;
    painter.save();
    if (shadedSpan >= 1 && shadedSpan <= beam.spanCount()) {
        painter.fillRect(QRectF(QPointF(scale.px(shadedSpan, 0), area.top()),
                                QPointF(scale.px(shadedSpan + 1, 0), area.bottom())),
                         kShadedSpan);
    }
    drawBeam(painter, scale, beam, beamY, size, false);
    const QFont spanFont = valueFont(painter, h, textPixels);
    painter.setFont(spanFont);

    // the lanes share the room above the beam; with many, their values get a smaller font
    const double room = beamY - 3 - area.top();
    QFont font = spanFont;
    std::vector<SketchItem> items = itemsOf(beam, scale, QFontMetricsF(font), size);
    int lanes = std::max(1, assignLanes(items));
    for (int tries = 0; tries < 6; ++tries) {
        const double textHeight = QFontMetricsF(font).height();
        if (room / lanes >= textHeight * 1.6 || font.pixelSize() <= 5) {
            break;
        }
        font.setPixelSize(std::max(5, static_cast<int>(font.pixelSize() * 0.85)));
        items = itemsOf(beam, scale, QFontMetricsF(font), size);
        lanes = std::max(1, assignLanes(items));
    }
    painter.setFont(font);
    const double textHeight = QFontMetricsF(font).height();
    const double laneHeight = std::min(room / lanes, textHeight * 2.6);
    // blocks first, then arrows and couples over them, so that no arrow is hidden
    for (Shape pass : {Shape::Block, Shape::Arrow, Shape::Couple}) {
        for (const SketchItem& item : items) {
            if (item.shape == pass) {
                drawItem(painter, item, beamY - 3 - item.lane * laneHeight, laneHeight, beamY,
                         std::min(textHeight, laneHeight), size);
            }
        }
    }

    // each support's axis under it; each span's number and length between them where they
    // fit, the number alone on a crowded beam, and the axes a line lower where even that would
    // touch them
    painter.setFont(spanFont);
    painter.setPen(QPen(Qt::black, 1));
    const QFontMetricsF metrics(spanFont);
    const double lineHeight = metrics.height() + 2;
    double axisWidth = 0;
    for (int j = 0; j <= beam.spanCount(); ++j) {
        const QString axis = QString::fromStdString(axisLabel(beam, j));
        axisWidth = std::max(axisWidth, metrics.horizontalAdvance(axis) + 4);
    }
    bool crowded = false;
    for (int s = 1; s <= beam.spanCount(); ++s) {
        const double between = scale.px(s + 1, 0) - scale.px(s, 0) - axisWidth;
        crowded = crowded ||
                  metrics.horizontalAdvance(QString::number(s + firstSpanNumber - 1)) > between;
    }
    const double belowY = beamY + size * 1.2;
    const double axisY = crowded ? belowY + lineHeight : belowY;
    for (int j = 0; j <= beam.spanCount(); ++j) {
        const QString axis = QString::fromStdString(axisLabel(beam, j));
        const double x = std::clamp(scale.px(j + 1, 0), area.left() + axisWidth / 2,
                                    area.right() - axisWidth / 2);
        painter.drawText(QRectF(x - axisWidth / 2, axisY, axisWidth, lineHeight), Qt::AlignCenter,
                         axis);
    }
    const double aside = crowded ? 0 : axisWidth / 2;
    for (int s = 1; s <= beam.spanCount(); ++s) {
        const QRectF below(scale.px(s, 0) + aside, belowY,
                           scale.px(s + 1, 0) - scale.px(s, 0) - 2 * aside, lineHeight);
        const int spanNumber = s + firstSpanNumber - 1;
        QString text = QStringLiteral("第%1跨 L=%2")
                           .arg(spanNumber)
                           .arg(QString::fromStdString(fieldText(beam.span(s).length)));
        if (metrics.horizontalAdvance(text) > below.width()) {
            text = QString::number(spanNumber);
        }
        painter.drawText(below, Qt::AlignCenter, text);
    }
    painter.restore();
}

} // namespace spanwise
