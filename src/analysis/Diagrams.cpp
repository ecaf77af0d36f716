#include "analysis/Diagrams.h"

#include "analysis/SectionForces.h"
#include "analysis/Single.h"
#include "analysis/SpanCurve.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace spanwise {

namespace {

constexpr int kEvenSections = 101;
// Positions before duplicates are removed: even sections, key sections, the largest moment,
// and at most two sections per force.
constexpr int kMaxPositions = kEvenSections + kKeySlots + 1 + 2 * kMaxCalculatedLoads;
// Each force can add one second point for its shear jump.
static_assert(kMaxPositions + kMaxCalculatedLoads <= kMaxDiagramPoints);

struct Positions {
    std::array<float, kMaxPositions> x{};
    int count = 0;
    float L = 0;

    void add(float v) {
        if (v >= 0 && v <= L && count < kMaxPositions) {
            x[count++] = v;
        }
    }
};

// A force a metres from the free right end: the section routine puts it where L - x, rounded to
// single precision, equals a. When one float near L - a does that, it is the force's section;
// otherwise the jump lies between two neighbouring floats, and both go into the diagram.
void addFreeRightForce(Positions& positions, float L, float a) {
    auto fromFreeEnd = [L](float x) { return toSingle(double{L} - x); };
    constexpr float kUp = std::numeric_limits<float>::infinity();
    float x = toSingle(double{L} - a);
    // fromFreeEnd falls as x grows; walk to the last float still left of (or on) the force
    for (int step = 0; step < 8 && fromFreeEnd(x) < a; ++step) {
        x = std::nextafter(x, -kUp);
    }
    for (int step = 0; step < 8 && fromFreeEnd(std::nextafter(x, kUp)) >= a; ++step) {
        x = std::nextafter(x, kUp);
    }
    if (fromFreeEnd(x) == a) {
        positions.add(x);
    } else {
        positions.add(x);
        positions.add(std::nextafter(x, kUp));
    }
}

} // namespace

void sampleSpan(const Beam& beam, const BeamResults& results, int s, SpanDiagram& out) {
    if (s < 1 || s > beam.spanCount()) {
        throw std::out_of_range("sampleSpan: span number out of range");
    }
    out.count = 0;
    Positions positions;
    positions.L = beam.span(s).length;
    const double L = positions.L;
    for (int i = 0; i < kEvenSections; ++i) {
        positions.add(toSingle(L * i / (kEvenSections - 1)));
    }
    const int last = std::clamp<int>(results.KeyPointLast[s], 0, kKeySlots - 2);
    for (int t = 0; t <= last; ++t) {
        positions.add(results.KeyPointX[s][t]);
    }
    positions.add(results.SpanMaxMomentX[s]);
    const bool freeRight = baseSystem(beam, s) == BaseSystem::FreeRight;
    for (int k = 1; k <= std::min<int>(beam.span(s).loadCount(), kMaxCalculatedLoads); ++k) {
        const int kind = beam.span(s).load(k).kind;
        if (kind != Concentrated && kind != Couple) {
            continue;
        }
        if (freeRight) {
            addFreeRightForce(positions, positions.L, beam.span(s).load(k).a);
        } else {
            positions.add(beam.span(s).load(k).a);
        }
    }

    auto begin = positions.x.begin();
    auto end = begin + positions.count;
    std::sort(begin, end);
    end = std::unique(begin, end);
    const SpanCurve loads(beam, s);
    for (auto it = begin; it != end; ++it) {
        const SectionForce f = sectionForceAt(beam, results, s, *it, loads);
        out.points[static_cast<std::size_t>(out.count++)] = {*it, f.M, f.VL};
        if (f.VL != f.VR || f.M != f.MR) {
            out.points[static_cast<std::size_t>(out.count++)] = {*it, f.MR, f.VR};
        }
    }
}

} // namespace spanwise
