// The cross-section of a beam with its bars, to scale: the web and the flange, the stirrup, the
// bottom and top bars in one or two layers, and a caption below. Shared by the result window's
// 配筋 tab and the report.
#pragma once

#include "design/BeamDesign.h"

#include <QRectF>
#include <QString>

#include <optional>

class QPainter;

namespace spanwise {

struct SectionBars {
    std::optional<BarSet> bottom;
    bool bottomTwoLayers = false;
    int bottomSteel = 0; // the code of the bottom bars' steel
    std::optional<BarSet> top;
    bool topTwoLayers = false;
    int topSteel = 0;
    double stirrupDiameter = 0; // mm
};

// The bars of the three sections of a span the sketches show: at the left face (the top bars
// over the support, the span's bottom bars carried in), inside the span (the bottom bars and the
// top bars inside it) and at the right face. A free end has no face: nothing.
struct SpanSketches {
    std::optional<SectionBars> left, right;
    SectionBars middle;
};
SpanSketches spanSketches(const SpanDesign& span);

// Draws the section in area, to one scale for width and depth, the caption below it.
void paintSectionSketch(QPainter& painter, const QRectF& area, const SpanSection& section,
                        const Materials& materials, const SectionBars& bars,
                        const QString& caption);

} // namespace spanwise
