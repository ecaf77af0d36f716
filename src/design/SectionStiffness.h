// The stiffness a span's section gives it: the gross section (the flange included), EI = Ec I,
// and i = EI / L. A beam with sections is calculated with these in place of the typed values,
// which stay in the project for the spans without a section (and for when a section goes).
#pragma once

#include "model/Beam.h"

namespace spanwise {

// The gross section: web b x h with the flange bf' x hf' at its top. mm², mm, mm⁴.
struct SectionProperties {
    double area = 0;
    double centroidFromTop = 0;
    double inertia = 0; // about the horizontal axis through the centroid
};
SectionProperties grossSection(const SpanSection& section);

// EI of the section in kN*m*m (Ec in N/mm² of the settings' concrete, I in mm⁴); 0 when the
// settings or the section cannot be used.
double sectionRigidity(const SpanSection& section, const DesignSettings& settings);

// bf' of a beam in a ribbed floor by GB 50010 Table 5.2.4: the least of l0 / 3, b + sn and,
// where hf' / h0 < 0.1, b + 12 hf' (l0 the span's length in m; b, hf', h0 and sn, the clear
// distance to the next rib, in mm). mm.
double flangeWidthByTable(double spanLength, double width, double flangeDepth,
                          double effectiveDepth, double clearDistance);

// The beam as the calculation takes it: every span with a usable section gets EI = Ec I and
// i = EI / L (both rounded to single like any stored value); the others, and every span while
// the settings cannot be used, keep what was typed.
Beam calculationBeam(const Beam& beam);

} // namespace spanwise
