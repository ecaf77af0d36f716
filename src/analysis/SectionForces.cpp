#include "analysis/SectionForces.h"

#include "analysis/LoadFormulas.h"
#include "analysis/Single.h"
#include "analysis/SpanCurve.h"

#include <stdexcept>

namespace spanwise {

BaseSystem baseSystem(const Beam& beam, int span) {
    const SpanEnds ends = spanEnds(beam, span);
    if (ends.left == EndSupport::Free) {
        return BaseSystem::FreeLeft;
    }
    if (ends.right == EndSupport::Free) {
        return BaseSystem::FreeRight;
    }
    return BaseSystem::SimplySupported;
}

namespace {

// Load by load, for a span whose loads leave it.
SectionForce sumOfLoadsAt(const Beam& beam, const BeamResults& results, int s, float x) {
    float sumM = 0, sumVL = 0, sumVR = 0, sumMR = 0;
    const BaseSystem base = baseSystem(beam, s);
    const Span& span = beam.span(s);
    const float L = span.length;
    float m = 0, vl = 0, vr = 0, mr = 0;

    if (base == BaseSystem::SimplySupported) {
        endMomentForces(results.EndMoment[s][1], results.EndMoment[s][2], L, x, m, vl);
        addSingle(sumM, m);
        addSingle(sumMR, m);
        addSingle(sumVL, vl);
        addSingle(sumVR, vl);
    }
    for (const Load& load : span.loads) {
        const float a = load.a;
        const float P = load.P;
        const float q = load.q;
        if (load.kind == PartialUniform || load.kind == Linear) {
            const auto stretch = stretchOf(load, L);
            if (!stretch) {
                continue; // off the span: nothing the check lets through
            }
            const auto wFrom = static_cast<float>(stretch->atFrom);
            const auto wTo = static_cast<float>(stretch->atTo);
            const auto from = static_cast<float>(stretch->from);
            const auto to = static_cast<float>(stretch->to);
            switch (base) {
            case BaseSystem::SimplySupported:
                simpleSpanStretch(wFrom, wTo, from, to, L, x, m, vl);
                break;
            case BaseSystem::FreeLeft:
                freeLeftSpanStretch(wFrom, wTo, from, to, x, m, vl);
                break;
            case BaseSystem::FreeRight:
                freeRightSpanStretch(wFrom, wTo, from, to, L, x, m, vl);
                break;
            }
            addSingle(sumM, m);
            addSingle(sumMR, m);
            addSingle(sumVL, vl);
            addSingle(sumVR, vl);
            continue;
        }
        if (load.kind == Couple) {
            switch (base) {
            case BaseSystem::SimplySupported:
                simpleSpanCouple(P, a, x, L, m, mr, vl);
                break;
            case BaseSystem::FreeLeft:
                freeLeftSpanCouple(P, a, x, m, mr, vl);
                break;
            case BaseSystem::FreeRight:
                freeRightSpanCouple(P, a, x, L, m, mr, vl);
                break;
            }
            addSingle(sumM, m);
            addSingle(sumMR, mr);
            addSingle(sumVL, vl);
            addSingle(sumVR, vl);
            continue;
        }
        switch (load.kind) {
        case Concentrated:
            switch (base) {
            case BaseSystem::SimplySupported:
                simpleSpanForce(a, x, L, P, m, vl, vr);
                break;
            case BaseSystem::FreeLeft:
                freeLeftSpanForce(a, x, L, P, m, vl, vr);
                break;
            case BaseSystem::FreeRight:
                freeRightSpanForce(a, x, L, P, m, vl, vr);
                break;
            }
            break;
        case Uniform:
            switch (base) {
            case BaseSystem::SimplySupported:
                simpleSpanUniform(q, x, L, m, vl);
                break;
            case BaseSystem::FreeLeft:
                freeLeftSpanUniform(L, x, q, m, vl);
                break;
            case BaseSystem::FreeRight:
                freeRightSpanUniform(L, x, q, m, vl);
                break;
            }
            vr = vl;
            break;
        case Trapezoidal:
            switch (base) {
            case BaseSystem::SimplySupported:
                simpleSpanTrapezoid(q, L, a, x, m, vl);
                break;
            case BaseSystem::FreeLeft:
                freeLeftSpanTrapezoid(q, L, a, x, m, vl);
                break;
            case BaseSystem::FreeRight:
                freeRightSpanTrapezoid(q, L, a, x, m, vl);
                break;
            }
            vr = vl;
            break;
        default: // an unknown kind code contributes nothing
            continue;
        }
        addSingle(sumM, m);
        addSingle(sumMR, m);
        addSingle(sumVL, vl);
        addSingle(sumVR, vr);
    }
    return {sumM, sumVL, sumVR, sumMR};
}

} // namespace

SectionForce sectionForceAt(const Beam& beam, const BeamResults& results, int s, float x) {
    if (s < 1 || s > beam.spanCount()) {
        throw std::out_of_range("sectionForceAt: span number out of range");
    }
    return sectionForceAt(beam, results, s, x, SpanCurve(beam, s));
}

SectionForce sectionForceAt(const Beam& beam, const BeamResults& results, int s, float x,
                            const SpanCurve& loads) {
    if (s < 1 || s > beam.spanCount()) {
        throw std::out_of_range("sectionForceAt: span number out of range");
    }
    if (!loads.exact()) {
        return sumOfLoadsAt(beam, results, s, x);
    }
    return curveForceAt(loads, results.EndMoment[s][1], results.EndMoment[s][2], x);
}

} // namespace spanwise
