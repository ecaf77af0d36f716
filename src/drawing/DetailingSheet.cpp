// The elevation and the sections of the detailing drawing.
#include "drawing/DetailingSheet.h"

#include "drawing/SheetParts.h"
#include "model/Axes.h"

#include <algorithm>
#include <cmath>

namespace spanwise {

using namespace sheet_parts;

const SheetLayerStyle& layerStyle(SheetLayer layer) {
    static const SheetLayerStyle styles[] = {
        {"S-AXIS", 1, true, 0.18},  {"S-BEAM", 7, false, 0.35}, {"S-SUPP", 8, false, 0.35},
        {"S-RBAR", 6, false, 0.70}, {"S-STIR", 5, false, 0.70}, {"S-SECT", 4, false, 0.70},
        {"S-DIMS", 3, false, 0.18}, {"S-TEXT", 2, false, 0.18}, {"S-TABL", 2, false, 0.18}};
    return styles[static_cast<int>(layer)];
}

QRectF DetailingSheet::extents() const {
    double left = HUGE_VAL, right = -HUGE_VAL, bottom = HUGE_VAL, top = -HUGE_VAL;
    for (const SheetItem& item : items) {
        const double reach = item.kind == SheetItem::Kind::Circle ? item.radius
                             : item.kind == SheetItem::Kind::Text ? item.height
                                                                  : item.width / 2;
        for (const QPointF& p : item.points) {
            left = std::min(left, p.x() - reach);
            right = std::max(right, p.x() + reach);
            bottom = std::min(bottom, p.y() - reach);
            top = std::max(top, p.y() + reach);
        }
    }
    if (left > right) {
        return {};
    }
    return QRectF(QPointF(left, bottom), QPointF(right, top));
}

namespace {

constexpr double u = kSheetUnit;

// 7.4: the beam, its supports and axes, the dimensions, the 平法 texts and the section marks.
void elevation(Sheet& sheet, const Beam& beam, const BeamDetailing& d, double H,
               const std::vector<double>& marks) {
    const DetailedGeometry& g = d.geometry;
    const int n = static_cast<int>(g.spans.size());
    for (const DetailedGeometry::Span& s : g.spans) {
        const double from = s.freeLeft ? s.leftFace : s.leftFace;
        sheet.rectangle(SheetLayer::Beam, from, -s.depth, s.rightFace, 0);
    }
    int number = 0;
    for (int j = 0; j <= n; ++j) {
        const auto k = static_cast<std::size_t>(j);
        if (g.freeNode[k]) {
            continue;
        }
        const double x = g.node[k];
        double deeper = 0;
        for (int s : {j, j + 1}) {
            if (s >= 1 && s <= n) {
                deeper = std::max<double>(deeper, g.spans[static_cast<std::size_t>(s - 1)].depth);
            }
        }
        if (g.supportWidth[k] > 0) {
            const double half = g.supportWidth[k] / 2.0;
            sheet.rectangle(SheetLayer::Support, x - half, -(deeper + 6 * u), x + half, 6 * u);
        }
        sheet.line(SheetLayer::Axis, {x, 10 * u}, {x, -(H + 42 * u)});
        sheet.circle(SheetLayer::Axis, {x, -(H + 46 * u)}, 4 * u);
        ++number;
        const QString axis = beam.axisStyle == AxisStyle::Numbers
                                 ? QString::number(number)
                                 : QString::fromStdString(axisLabel(beam, j));
        sheet.text(SheetLayer::Axis, {x, -(H + 46 * u)}, 5 * u, axis, TextAlign::Middle);
    }
    // dimensions: each span's length, then the whole beam's
    const double first = g.node.front(), last = g.node.back();
    for (const double y : {-(H + 30 * u), -(H + 38 * u)}) {
        sheet.line(SheetLayer::Dimensions, {first, y}, {last, y});
        const bool total = y < -(H + 31 * u);
        for (int j = 0; j <= n; ++j) {
            const double x = g.node[static_cast<std::size_t>(j)];
            if (!total || j == 0 || j == n) {
                sheet.line(SheetLayer::Dimensions, {x - 0.7 * u, y - 0.7 * u},
                           {x + 0.7 * u, y + 0.7 * u});
            }
        }
        if (total) {
            sheet.text(SheetLayer::Dimensions, {(first + last) / 2, y + u}, 2.5 * u,
                       QString::number(std::lround(last - first)), TextAlign::Centre);
        } else {
            for (int s = 1; s <= n; ++s) {
                const double a = g.node[static_cast<std::size_t>(s - 1)];
                const double b = g.node[static_cast<std::size_t>(s)];
                sheet.text(SheetLayer::Dimensions, {(a + b) / 2, y + u}, 2.5 * u,
                           QString::number(std::lround(b - a)), TextAlign::Centre);
            }
        }
    }
    // 集中标注 on the reference span, with its leader
    const DetailedGeometry::Span& ref = g.spans[static_cast<std::size_t>(d.referenceSpan - 1)];
    const double q = ref.leftFace + (ref.rightFace - ref.leftFace) / 4;
    const int lines = static_cast<int>(d.centralLines.size());
    for (int k = 0; k < lines; ++k) {
        sheet.text(SheetLayer::Texts, {q + u, 20 * u + 6 * u * (lines - 1 - k)}, 3.5 * u,
                   QString::fromStdString(d.centralLines[static_cast<std::size_t>(k)]),
                   TextAlign::Left);
    }
    const double top = 20 * u + 6 * u * (lines - 1) + 3.5 * u;
    sheet.line(SheetLayer::Texts, {q, 0}, {q, top});
    sheet.text(SheetLayer::Texts, {0, top + 12 * u}, 7 * u,
               QString::fromStdString(d.name) + QStringLiteral("配筋图") +
                   (d.name.rfind("KL", 0) == 0 ? QStringLiteral("（非抗震）") : QString()),
               TextAlign::Left);
    // 原位: over the supports, at the top and below the middle of each span
    for (int j = 0; j <= n; ++j) {
        const std::string& text = d.supportTexts[static_cast<std::size_t>(j)];
        if (text.empty()) {
            continue;
        }
        const double half = g.supportWidth[static_cast<std::size_t>(j)] / 2.0;
        const double x = g.node[static_cast<std::size_t>(j)];
        if (j == n) {
            sheet.text(SheetLayer::Texts, {x - half - u, 2 * u}, 3.5 * u,
                       QString::fromStdString(text), TextAlign::Right);
        } else {
            sheet.text(SheetLayer::Texts, {x + half + u, 2 * u}, 3.5 * u,
                       QString::fromStdString(text), TextAlign::Left);
        }
    }
    for (int s = 1; s <= n; ++s) {
        const DetailedGeometry::Span& span = g.spans[static_cast<std::size_t>(s - 1)];
        const BeamDetailing::SpanTexts& t = d.spanTexts[static_cast<std::size_t>(s - 1)];
        const double middle = (span.leftFace + span.rightFace) / 2;
        if (!t.top.empty()) {
            sheet.text(SheetLayer::Texts, {middle, 2 * u}, 3.5 * u, QString::fromStdString(t.top),
                       TextAlign::Centre);
        }
        double y = -(span.depth + 6 * u);
        if (!t.bottom.empty()) {
            sheet.text(SheetLayer::Texts, {middle, y}, 3.5 * u, QString::fromStdString(t.bottom),
                       TextAlign::Centre);
        }
        for (const std::string& override : t.overrides) {
            y -= 6 * u;
            sheet.text(SheetLayer::Texts, {middle, y}, 3.5 * u, QString::fromStdString(override),
                       TextAlign::Centre);
        }
    }
    for (const AdditionalStirrups& a : d.additional) {
        const double x = g.node[static_cast<std::size_t>(a.span - 1)] + a.x * 1000;
        sheet.line(SheetLayer::Texts, {x, 0}, {x, 13 * u});
        sheet.text(SheetLayer::Texts, {x, 14 * u}, 3.5 * u, QString::fromStdString(a.text),
                   TextAlign::Centre);
    }
    for (std::size_t k = 0; k < marks.size(); ++k) {
        const double x = marks[k];
        sheet.line(SheetLayer::Sections, {x, 7 * u}, {x, 13 * u});
        sheet.line(SheetLayer::Sections, {x, 7 * u}, {x + 4 * u, 7 * u});
        sheet.text(SheetLayer::Sections, {x + u, 8.5 * u}, 3.5 * u, QString::number(k + 1),
                   TextAlign::Left);
    }
}

} // namespace

DetailingSheet detailingSheet(const Beam& beam, const BeamDetailing& d) {
    Sheet sheet;
    if (!d.detailed || d.geometry.spans.empty()) {
        return std::move(sheet.result);
    }
    sheet.result.title = QString::fromStdString(d.name) + QStringLiteral("配筋图");
    double H = 0;
    for (const DetailedGeometry::Span& s : d.geometry.spans) {
        H = std::max<double>(H, s.depth);
    }
    const std::vector<SectionCut> cuts = sectionCuts(d);
    std::vector<double> marks;
    for (const SectionCut& cut : cuts) {
        marks.push_back(cut.x);
    }
    elevation(sheet, beam, d, H, marks);
    const double below = drawSections(sheet, beam, d, cuts, -(H + 60 * u));
    drawSchedule(sheet, d, below - 30 * u);
    return std::move(sheet.result);
}

} // namespace spanwise
