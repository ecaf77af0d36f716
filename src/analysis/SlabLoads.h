// The load a two-way slab hands the beam it rests on, by the 45-degree lines from the panel's
// corners: a beam along the panel's long side ly takes a trapezoid whose ramps are lx/2 long,
// a beam along its short side lx a triangle; both peak at p * lx / 2 for each panel beside the
// beam (panels on one side or on both).
#pragma once

#include "model/Beam.h"

#include <string>

namespace spanwise {

struct SlabPanels {
    float pressure = 0;        // p, kN/m2: the slab's load per area
    float shortSide = 0;       // lx, m
    float longSide = 0;        // ly, m (not less than lx)
    bool alongLongSide = true; // the beam lies along ly (else along lx)
    bool bothSides = false;    // panels on both sides of the beam
};

// Empty when the panels can load a span of length L; else why not, as the dialog shows it.
std::string slabPanelsProblem(const SlabPanels& panels, float L);

// The load they put on a span of length L (which must pass slabPanelsProblem): a trapezoid
// (kind 2) with ramps lx/2, or a triangle (a = L/2), of plateau or peak p * lx / 2 per panel.
Load slabLoad(const SlabPanels& panels, float L);

} // namespace spanwise
