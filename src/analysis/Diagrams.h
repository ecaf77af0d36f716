// Bending-moment and shear diagrams of the analysed beam, span by span, for drawing.
//
// Every value comes from sectionForceAt with the end moments of the last calculation, so the
// diagram, the result table and the section query never disagree. Fixed-size storage only: a
// panel can sample the whole beam on every repaint without touching the heap.
#pragma once

#include "model/Beam.h"
#include "model/BeamResults.h"

#include <array>
#include <cstdint>

namespace spanwise {

// One section of a diagram: x in m from the left end of the span, M in kN*m, V in kN, with the
// program's signs (M positive with the bottom in tension, V = dM/dx).
struct DiagramPoint {
    float x;
    float M;
    float V;
};

// 101 even sections, every key section, and up to two sections for each force or moment (both
// sides of one whose true position is not a float the section routine recognises exactly), with
// room for the second point of every jump.
inline constexpr int kMaxDiagramPoints = 101 + 2 * (kKeySlots + kMaxCalculatedLoads);

struct SpanDiagram {
    std::array<DiagramPoint, kMaxDiagramPoints> points{};
    int count = 0;
};

// Samples span s (1..spanCount) of the last calculation into out, sorted by x: the 101 sections
// 0, L/100, ..., L; every key section of the span; the position of the largest span moment
// (so the drawn peak shows the table's Mmax); and the true position of every concentrated
// force (x = a, or x = L - a on a span with a free right end). Sections outside 0..L (a beam
// edited since the calculation) are left out. Where the shear or the moment jumps (a section
// on a concentrated force or moment) the section appears twice: first with the values just
// left, then with those just right, so that a moment jump is drawn as a step; everywhere else
// once, with V = VL = VR.
// out is overwritten. Throws std::out_of_range for s outside 1..spanCount and FloatingPointFault on
// a fault; no heap allocation.
void sampleSpan(const Beam& beam, const BeamResults& results, int s, SpanDiagram& out);

} // namespace spanwise
