#include "analysis/SectionForces.h"

#include "analysis/LoadFormulas.h"
#include "analysis/Single.h"

#include <stdexcept>

namespace spanwise {

BaseSystem baseSystem(const BeamModel& model, int span) {
    if (span == 1) {
        return model.LeftSupport == Cantilever ? BaseSystem::FreeLeft : BaseSystem::SimplySupported;
    }
    if (span == model.SpanCount) {
        return model.RightSupport == Cantilever ? BaseSystem::FreeRight
                                                : BaseSystem::SimplySupported;
    }
    return BaseSystem::SimplySupported;
}

void KeyPointForce(const BeamModel& model, const BeamResults& results, std::int16_t s, float x,
                   float& M, float& VL, float& VR) {
    if (s < 0 || s > kMaxSpans) {
        throw std::out_of_range("KeyPointForce: span number out of range");
    }
    // accumulate in locals: the outputs may alias nothing, but the compiler cannot know that
    float sumM = 0, sumVL = 0, sumVR = 0;
    const BaseSystem base = baseSystem(model, s);
    const float L = model.SpanLength[s];
    float m = 0, vl = 0, vr = 0;

    if (base == BaseSystem::SimplySupported) {
        MV_NONE(results.EndMoment[s][1], results.EndMoment[s][2], L, x, m, vl);
        addSingle(sumM, m);
        addSingle(sumVL, vl);
        addSingle(sumVR, vl);
    }
    const int n = model.LoadCount[s];
    for (int k = 1; k <= n; ++k) {
        const float a = model.LoadA[s][k];
        const float P = model.LoadP[s][k];
        const float q = model.LoadQ[s][k];
        switch (model.LoadKindOf[s][k]) {
        case Concentrated:
            switch (base) {
            case BaseSystem::SimplySupported:
                MV_P(a, x, L, P, m, vl, vr);
                break;
            case BaseSystem::FreeLeft:
                MV_P_L(a, x, L, P, m, vl, vr);
                break;
            case BaseSystem::FreeRight:
                MV_P_R(a, x, L, P, m, vl, vr);
                break;
            }
            break;
        case Uniform:
            switch (base) {
            case BaseSystem::SimplySupported:
                MV_q(q, x, L, m, vl);
                break;
            case BaseSystem::FreeLeft:
                MV_q_L(L, x, q, m, vl);
                break;
            case BaseSystem::FreeRight:
                MV_q_R(L, x, q, m, vl);
                break;
            }
            vr = vl;
            break;
        case Trapezoidal:
            switch (base) {
            case BaseSystem::SimplySupported:
                MV_T(q, L, a, x, m, vl);
                break;
            case BaseSystem::FreeLeft:
                MV_T_L(q, L, a, x, m, vl);
                break;
            case BaseSystem::FreeRight:
                MV_T_R(q, L, a, x, m, vl);
                break;
            }
            vr = vl;
            break;
        default: // an unknown kind code contributes nothing
            continue;
        }
        addSingle(sumM, m);
        addSingle(sumVL, vl);
        addSingle(sumVR, vr);
    }
    M = sumM;
    VL = sumVL;
    VR = sumVR;
}

} // namespace spanwise
