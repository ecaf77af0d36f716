// Small helpers that put a beam together the way the user would enter it.
#pragma once

#include "analysis/Calculation.h"
#include "model/BeamModel.h"

#include <initializer_list>

namespace spanwise::testing_support {

// A beam of the given span lengths, i = EI = 1 everywhere, ends as given.
inline BeamModel beam(std::initializer_list<float> lengths, std::int16_t left = Simple,
                      std::int16_t right = Simple) {
    BeamModel m;
    m.SpanCount = static_cast<std::int16_t>(lengths.size());
    int s = 1;
    for (float L : lengths) {
        m.SpanLength[s++] = L;
    }
    m.LeftSupport = left;
    m.RightSupport = right;
    return m;
}

inline int addLoad(BeamModel& m, int s, std::int16_t kind) {
    const int k = ++m.LoadCount[s];
    m.LoadKindOf[s][k] = kind;
    m.LoadText[s][k] = kind == Concentrated ? "集中力" : kind == Uniform ? "均布荷载" : "梯形荷载";
    return k;
}

// Concentrated force P at a (b = L - a).
inline void force(BeamModel& m, int s, float P, float a) {
    const int k = addLoad(m, s, Concentrated);
    m.LoadP[s][k] = P;
    m.LoadA[s][k] = a;
    m.LoadB[s][k] = static_cast<float>(double{m.SpanLength[s]} - a);
}

inline void uniform(BeamModel& m, int s, float q) {
    const int k = addLoad(m, s, Uniform);
    m.LoadQ[s][k] = q;
}

inline void trapezoid(BeamModel& m, int s, float q, float a) {
    const int k = addLoad(m, s, Trapezoidal);
    m.LoadQ[s][k] = q;
    m.LoadA[s][k] = a;
}

// The results of a beam's calculation.
inline BeamResults solve(const BeamModel& m) {
    BeamResults r;
    calculate(m, r);
    return r;
}

} // namespace spanwise::testing_support
