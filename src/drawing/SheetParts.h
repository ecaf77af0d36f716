// What the parts of the detailing drawing share: the list being drawn, and where the sections
// are cut.
#pragma once

#include "drawing/DetailingSheet.h"

#include <vector>

namespace spanwise::sheet_parts {

// The drawing being made, item by item.
struct Sheet {
    DetailingSheet result;

    void line(SheetLayer layer, QPointF a, QPointF b);
    void rectangle(SheetLayer layer, double left, double bottom, double right, double top);
    void polyline(SheetLayer layer, std::vector<QPointF> points, bool closed);
    void circle(SheetLayer layer, QPointF centre, double radius);
    void text(SheetLayer layer, QPointF at, double height, const QString& text, TextAlign align);
    // A bar of diameter d at its true size times the scale: a closed polyline of two vertices
    // with bulge 1 and width d/2, which CAD fills as a dot.
    void dot(QPointF centre, double diameter);
};

// Where a section is cut: at a span's left face, its middle or its right face.
struct SectionCut {
    enum class Place : std::int8_t { LeftFace, Middle, RightFace };
    int span = 1;
    Place place = Place::Middle;
    double x = 0; // in the elevation
};
std::vector<SectionCut> sectionCuts(const BeamDetailing& d);

// The sections side by side with their tops at yTop; returns the bottom of the deepest.
double drawSections(Sheet& sheet, const Beam& beam, const BeamDetailing& d,
                    const std::vector<SectionCut>& cuts, double yTop);
// The schedule with its top-left corner at (0, yTop), then the notes under it.
void drawSchedule(Sheet& sheet, const BeamDetailing& d, double yTop);

} // namespace spanwise::sheet_parts
