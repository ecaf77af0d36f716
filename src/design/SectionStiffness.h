// The stiffness a span's section gives it: the gross section (the flange included), EI = Ec I,
// and i = EI / L. A beam with sections is calculated with these in place of the typed values,
// which stay in the project for the spans without a section (and for when a section goes).
#pragma once

#include "model/Beam.h"

#include <string>

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

// The widest flange GB 50010 Table 5.2.4 gives a span's section (mm) and the item that gives it
// ("l0/3", "b + 12hf'", "b + 6hf'"; "b" for an 独立梁 whose hf'/h0 < 0.05: no flange at all): the
// least of l0/3 (l0 the span's length in m) and, for a beam cast with the slab, b + 12·hf' where
// hf'/h0 < 0.1; for an 独立梁, b + 6·hf' where 0.05 ≤ hf'/h0 < 0.1 and b below 0.05. The table's
// b + sn is the engineer's (the program does not know the next rib). h0 = h − as.
struct FlangeLimit {
    double width = 0;
    const char* item = "l0/3";
};
FlangeLimit flangeLimitByTable(double spanLength, const SpanSection& section,
                               double effectiveDepth);

// bf' of the window's helper: the table's limit and, for a beam in a ribbed floor, b + sn (sn the
// clear distance to the next rib, mm). mm. working: how it was taken, in words ("bf' 取 l0/3 =
// 2200、b + sn = 3300、b + 12hf' = 1450 中的最小值").
double flangeWidthByTable(double spanLength, const SpanSection& section, double effectiveDepth,
                          double clearDistance, std::string* working = nullptr);

// Why a section's flange passes the table's limit (empty when it does not), in the data check's
// words: "第3跨翼缘计算宽度 bf' = 5000 超过 GB 50010 表 5.2.4 的限值 2000（l0/3）".
std::string flangeProblem(int span, double spanLength, const SpanSection& section,
                          double effectiveDepth);

// The beam as the calculation takes it: every span with a usable section gets EI = Ec I and
// i = EI / L (both rounded to single like any stored value); the others, and every span while
// the settings cannot be used, keep what was typed; and, where the project counts it, every span
// with a section carries its own weight (withSelfWeight) after its typed loads.
Beam calculationBeam(const Beam& beam);

} // namespace spanwise
