// The drawing of a detailed beam as one list of entities in model millimetres (y up): the
// elevation with its 平法 texts, supports, axes, dimensions and section marks; the sections at
// 2.5 times true size with their bars, hoops and ties; the bar schedule and the notes. The
// result window paints it and the DXF writer writes it, so that the two cannot disagree.
// Plotted at 1:50: u = 50 mm of the model is 1 mm on paper.
#pragma once

#include "detailing/BeamDetailing.h"
#include "model/Beam.h"

#include <QPointF>
#include <QRectF>
#include <QString>

#include <cstdint>
#include <vector>

namespace spanwise {

inline constexpr double kSheetUnit = 50;     // u: 1 mm on paper at 1:50
inline constexpr double kSectionScale = 2.5; // the sections plot at 1:20

// The layers of the drawing, each with its colour (ACI), line type and plotted width (mm).
enum class SheetLayer : std::int8_t {
    Axis,
    Beam,
    Support,
    Bars,
    Stirrups,
    Sections,
    Dimensions,
    Texts,
    Table
};
struct SheetLayerStyle {
    const char* name; // "S-AXIS"
    int colour;
    bool centreLine; // CENTER, else CONTINUOUS
    double plotWidth;
};
const SheetLayerStyle& layerStyle(SheetLayer layer);
inline constexpr SheetLayer kSheetLayers[] = {
    SheetLayer::Axis,       SheetLayer::Beam,     SheetLayer::Support,
    SheetLayer::Bars,       SheetLayer::Stirrups, SheetLayer::Sections,
    SheetLayer::Dimensions, SheetLayer::Texts,    SheetLayer::Table};

// How a text stands at its point: left, centred or right on the baseline, or centred in both
// directions (a schedule's cell).
enum class TextAlign : std::int8_t { Left, Centre, Right, Middle };

struct SheetItem {
    enum class Kind : std::int8_t { Line, Circle, Text, Polyline };
    Kind kind = Kind::Line;
    SheetLayer layer = SheetLayer::Beam;
    std::vector<QPointF> points; // a line's two ends, a polyline's vertices, a circle's or a
                                 // text's point
    bool closed = false;         // a polyline
    double width = 0;            // a polyline's constant width
    double bulge = 0;            // a polyline's bulge at every vertex (1: half circles)
    double radius = 0;           // a circle
    double height = 0;           // a text
    TextAlign align = TextAlign::Left;
    QString text;
};

struct DetailingSheet {
    QString title; // "L1(2)配筋图"
    std::vector<SheetItem> items;

    QRectF extents() const; // of every item's points (a text by its point and height)
};

// The drawing of the beam as detailed; empty where it was not.
DetailingSheet detailingSheet(const Beam& beam, const BeamDetailing& detailing);

} // namespace spanwise
