#include "model/BeamModel.h"

namespace spanwise {

namespace {

void resetInput(BeamModel& model) {
    model.SpanCount = 1;
    model.CurrentSpan = 1;
    for (int s = 1; s <= kMaxSpans; ++s) {
        model.SpanLineStiffness[s] = 1;
        model.SpanEI[s] = 1;
        model.SpanLength[s] = 0;
        model.LoadCount[s] = 0;
        model.SelectedLoad[s] = 0;
        for (int k = 1; k <= kMaxLoads; ++k) {
            clearLoadValues(model, s, k);
            model.LoadKindOf[s][k] = Concentrated;
            model.LoadText[s][k].clear();
        }
    }
}

} // namespace

BeamModel::BeamModel() {
    resetInput(*this);
}

void zero(BeamModel& model, BeamResults& results) {
    resetInput(model);
    ZERO1(results);
}

void ZERO1(BeamResults& r) {
    for (int s = 1; s <= kMaxSpans; ++s) {
        for (int e = 1; e <= 2; ++e) {
            r.FixedEndMoment[s][e] = 0;
            r.DistributionFactor[s][e] = 0;
            r.EndMoment[s][e] = 0;
            r.DistributedMoment[s][e] = 0;
        }
        r.StiffnessFactor[s] = 0;
        r.CarryOverFactor[s] = 0;
        r.SpanMaxMoment[s] = 0;
        r.SpanMaxMomentX[s] = 0;
        r.KeyPointX[s].fill(0);
        r.KeyPointM[s].fill(0);
        r.KeyPointV[s].fill(0);
        r.KeyPointLast[s] = 0;
    }
}

void copySpan(BeamModel& m, int to, int from) {
    m.SpanLength[to] = m.SpanLength[from];
    m.SpanLineStiffness[to] = m.SpanLineStiffness[from];
    m.SpanEI[to] = m.SpanEI[from];
    m.LoadCount[to] = m.LoadCount[from];
    m.SelectedLoad[to] = m.SelectedLoad[from];
    for (int k = 1; k <= m.LoadCount[from]; ++k) {
        m.LoadQ[to][k] = m.LoadQ[from][k];
        m.LoadP[to][k] = m.LoadP[from][k];
        m.LoadA[to][k] = m.LoadA[from][k];
        m.LoadB[to][k] = m.LoadB[from][k];
        m.LoadC[to][k] = m.LoadC[from][k];
        m.LoadKindOf[to][k] = m.LoadKindOf[from][k];
        m.LoadText[to][k] = m.LoadText[from][k];
    }
}

void clearLoadValues(BeamModel& m, int s, int k) {
    m.LoadQ[s][k] = 0;
    m.LoadP[s][k] = 0;
    m.LoadA[s][k] = 0;
    m.LoadB[s][k] = 0;
    m.LoadC[s][k] = 0;
}

void clearLoads(BeamModel& m, int s) {
    for (int k = 1; k <= m.LoadCount[s]; ++k) {
        clearLoadValues(m, s, k);
    }
    m.SelectedLoad[s] = 0;
    m.LoadCount[s] = 0;
}

} // namespace spanwise
