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
            model.LoadQ[s][k] = 0;
            model.LoadP[s][k] = 0;
            model.LoadA[s][k] = 0;
            model.LoadB[s][k] = 0;
            model.LoadC[s][k] = 0;
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

} // namespace spanwise
