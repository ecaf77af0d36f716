// The sections of the detailing drawing, 2.5 times true size: the outline, the hoops and ties,
// every bar as a filled dot where it lies, and the texts beside them.
#include "drawing/SheetParts.h"

#include "design/BarText.h"

#include <algorithm>

namespace spanwise::sheet_parts {

namespace {

constexpr double u = kSheetUnit;
constexpr double S = kSectionScale;

SteelSigns signsOf(const Beam& beam) {
    switch (beam.member.signs) {
    case DrawingSigns::Codes:
        return SteelSigns::Codes;
    case DrawingSigns::Phi:
        return SteelSigns::Phi;
    default:
        return SteelSigns::Letters;
    }
}

// The bars a section holds at its top: a set in its rows, or erection bars in one row.
struct TopBars {
    DetailedSet set;
    std::string text;
};

} // namespace

void Sheet::line(SheetLayer layer, QPointF a, QPointF b) {
    SheetItem item;
    item.kind = SheetItem::Kind::Line;
    item.layer = layer;
    item.points = {a, b};
    result.items.push_back(item);
}

void Sheet::polyline(SheetLayer layer, std::vector<QPointF> points, bool closed) {
    SheetItem item;
    item.kind = SheetItem::Kind::Polyline;
    item.layer = layer;
    item.points = std::move(points);
    item.closed = closed;
    result.items.push_back(item);
}

void Sheet::rectangle(SheetLayer layer, double left, double bottom, double right, double top) {
    polyline(layer, {{left, bottom}, {right, bottom}, {right, top}, {left, top}}, true);
}

void Sheet::circle(SheetLayer layer, QPointF centre, double radius) {
    SheetItem item;
    item.kind = SheetItem::Kind::Circle;
    item.layer = layer;
    item.points = {centre};
    item.radius = radius;
    result.items.push_back(item);
}

void Sheet::text(SheetLayer layer, QPointF at, double height, const QString& text,
                 TextAlign align) {
    SheetItem item;
    item.kind = SheetItem::Kind::Text;
    item.layer = layer;
    item.points = {at};
    item.height = height;
    item.align = align;
    item.text = text;
    result.items.push_back(item);
}

void Sheet::dot(QPointF centre, double diameter) {
    SheetItem item;
    item.kind = SheetItem::Kind::Polyline;
    item.layer = SheetLayer::Bars;
    item.points = {{centre.x() - diameter / 4, centre.y()},
                   {centre.x() + diameter / 4, centre.y()}};
    item.closed = true;
    item.bulge = 1;
    item.width = diameter / 2;
    result.items.push_back(item);
}

std::vector<SectionCut> sectionCuts(const BeamDetailing& d) {
    std::vector<SectionCut> cuts;
    for (std::size_t k = 0; k < d.geometry.spans.size(); ++k) {
        const DetailedGeometry::Span& s = d.geometry.spans[k];
        const int span = static_cast<int>(k) + 1;
        if (!s.freeLeft) {
            cuts.push_back({span, SectionCut::Place::LeftFace, s.leftFace});
        }
        cuts.push_back({span, SectionCut::Place::Middle, (s.leftFace + s.rightFace) / 2});
        if (!s.freeRight) {
            cuts.push_back({span, SectionCut::Place::RightFace, s.rightFace});
        }
    }
    return cuts;
}

double drawSections(Sheet& sheet, const Beam& beam, const BeamDetailing& d,
                    const std::vector<SectionCut>& cuts, double yTop) {
    const DetailedGeometry& g = d.geometry;
    const SteelSigns signs = signsOf(beam);
    const double c = g.cover;
    double deepest = 0;
    for (const DetailedGeometry::Span& s : g.spans) {
        deepest = std::max<double>(deepest, s.depth);
    }
    double left = 0;
    for (std::size_t k = 0; k < cuts.size(); ++k) {
        const SectionCut& cut = cuts[k];
        const auto si = static_cast<std::size_t>(cut.span - 1);
        const DetailedGeometry::Span& s = g.spans[si];
        const StirrupZones& zones = d.stirrups[si];
        const SideBars& side = d.sideBars[si];
        const bool flange = s.flangeWidth > s.width && s.flangeDepth > 0;
        const double B = flange ? s.flangeWidth : s.width;
        const double web = left + S * (B - s.width) / 2;
        const double bottom = yTop - S * s.depth;
        // the outline
        if (flange) {
            const double under = yTop - S * s.flangeDepth;
            sheet.polyline(SheetLayer::Beam,
                           {{web, bottom},
                            {web + S * s.width, bottom},
                            {web + S * s.width, under},
                            {left + S * B, under},
                            {left + S * B, yTop},
                            {left, yTop},
                            {left, under},
                            {web, under}},
                           true);
        } else {
            sheet.rectangle(SheetLayer::Beam, left, bottom, left + S * B, yTop);
        }
        // the hoops, the single leg and the ties
        const double hoopLeft = web + S * c, hoopRight = web + S * (s.width - c);
        sheet.rectangle(SheetLayer::Stirrups, hoopLeft, bottom + S * c, hoopRight, yTop - S * c);
        const int legs = zones.set.legs;
        const double pitch = (s.width - 2 * c) / std::max(1, legs - 1);
        for (int i = 0; legs >= 4 && i < (legs - 2) / 2; ++i) {
            sheet.rectangle(SheetLayer::Stirrups, web + S * (c + (2 * i + 1) * pitch),
                            bottom + S * c, web + S * (c + (2 * i + 2) * pitch), yTop - S * c);
        }
        if (legs == 3) {
            const double middle = web + S * s.width / 2;
            sheet.line(SheetLayer::Stirrups, {middle, bottom + S * c}, {middle, yTop - S * c});
        }
        const double dv = zones.set.diameter;
        const double hw = s.depth - g.tensionCover - (flange ? s.flangeDepth : 0);
        for (int row = 1; row <= side.perSide; ++row) {
            const double y = bottom + S * (g.tensionCover + row * hw / (side.perSide + 1));
            sheet.line(SheetLayer::Stirrups, {hoopLeft, y}, {hoopRight, y});
            for (const double x : {web + S * (c + dv + side.diameter / 2.0),
                                   web + S * (s.width - c - dv - side.diameter / 2.0)}) {
                sheet.dot({x, y}, S * side.diameter);
            }
        }
        // a row of n bars of d, its centres y from the section's bottom (true size)
        auto row = [&](int count, int diameter, double y) {
            const double from = c + dv + diameter / 2.0;
            const double to = s.width - c - dv - diameter / 2.0;
            for (int b = 0; b < count; ++b) {
                const double x = count == 1 ? s.width / 2.0 : from + (to - from) * b / (count - 1);
                sheet.dot({web + S * x, bottom + S * y}, S * diameter);
            }
        };
        auto rows = [&](const DetailedSet& set, bool top) {
            const int d0 = set.bars.diameter;
            const int outer = outerRowOf(set, top, c);
            const double first = c + dv + d0 / 2.0;
            const double second = first + d0 + std::max(25, d0);
            row(outer, d0, top ? s.depth - first : first);
            row(set.bars.count - outer, d0, top ? s.depth - second : second);
        };
        rows(s.bottom, false);
        // the top: the group set at a face or through a span, the support's over a cantilever,
        // else the erection bars
        const int leftNode = cut.span - 1, rightNode = cut.span;
        const int node = cut.place == SectionCut::Place::LeftFace    ? leftNode
                         : cut.place == SectionCut::Place::RightFace ? rightNode
                         : s.freeLeft                                ? rightNode
                                                                     : leftNode;
        const bool groupSet =
            cut.place != SectionCut::Place::Middle || s.freeLeft || s.freeRight || d.through[si];
        std::string topText;
        if (groupSet) {
            const int group = g.groupOfSupport[static_cast<std::size_t>(node)];
            const BeamDetailing::Group& set = d.groups[static_cast<std::size_t>(group)];
            rows(set.set, true);
            topText = set.text;
        } else if (d.erectionDiameter) {
            const int e = *d.erectionDiameter;
            row(legs, e, s.depth - (c + dv + e / 2.0));
            topText = d.erectionTexts[si];
        }
        // the texts: top and bottom bars, the zone's stirrups and the side bars
        const double centre = left + S * B / 2;
        sheet.text(SheetLayer::Texts, {centre, yTop + 3 * u}, 3.5 * u,
                   QString::fromStdString(topText), TextAlign::Centre);
        sheet.text(SheetLayer::Texts, {centre, bottom - 5 * u}, 3.5 * u,
                   QString::fromStdString(d.bottomTexts[si]), TextAlign::Centre);
        const int spacing = cut.place == SectionCut::Place::Middle && zones.middleZone
                                ? zones.middleSpacing
                                : zones.set.spacing;
        StirrupSet shown = zones.set;
        shown.spacing = spacing;
        const double right = left + S * B + 2 * u;
        sheet.text(SheetLayer::Texts, {right, (yTop + bottom) / 2}, 3.5 * u,
                   QString::fromStdString(stirrupText(shown, shown.grade, signs)), TextAlign::Left);
        if (!side.text.empty()) {
            sheet.text(SheetLayer::Texts, {right, (yTop + bottom) / 2 - 6 * u}, 3.5 * u,
                       QString::fromStdString(side.text), TextAlign::Left);
        }
        const double titleY = yTop - S * deepest - 10 * u;
        const QString number = QString::number(k + 1);
        sheet.text(SheetLayer::Sections, {centre, titleY}, 5 * u, number + "-" + number,
                   TextAlign::Centre);
        sheet.text(SheetLayer::Sections, {centre, titleY - 6 * u}, 3.5 * u, QStringLiteral("1:20"),
                   TextAlign::Centre);
        left += S * B + 30 * u;
    }
    return yTop - S * deepest;
}

} // namespace spanwise::sheet_parts
