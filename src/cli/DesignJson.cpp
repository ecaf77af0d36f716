#include "cli/DesignJson.h"

#include "cli/JsonResult.h"

#include <charconv>
#include <cmath>

namespace spanwise {

namespace {

std::string boolean(bool v) {
    return jsonBoolean(v);
}

std::string faceJson(const FaceForces& f) {
    if (!f.present) {
        return "null";
    }
    return "{\"support\":" + std::to_string(f.support) + ",\"x\":" + jsonNumber(f.x) +
           ",\"beta\":" + jsonNumber(f.beta) + ",\"elasticMoment\":" + jsonNumber(f.elasticMoment) +
           ",\"moment\":" + jsonNumber(f.moment) +
           ",\"elasticShear\":" + jsonNumber(f.elasticShear) + ",\"shear\":" + jsonNumber(f.shear) +
           ",\"redistributed\":" + boolean(f.redistributed) +
           ",\"redistributedShearGoverns\":" + boolean(f.redistributedShearGoverns) +
           ",\"quasiPermanentMoment\":" + jsonNumber(f.quasiPermanentMoment) + "}";
}

const char* ruleName(SpanMomentRule rule) {
    switch (rule) {
    case SpanMomentRule::Redistributed:
        return "redistributed";
    case SpanMomentRule::ThirdOfSimple:
        return "thirdOfSimple";
    default:
        return "elastic";
    }
}

} // namespace

std::string designForcesJsonMember(const BeamForces& forces) {
    std::string out = ",\"designForces\":{\"importance\":" + jsonNumber(forces.importance) +
                      ",\"quasiPermanentShare\":" + jsonNumber(forces.quasiPermanentShare) +
                      ",\"redistributed\":" + boolean(forces.redistributed) + ",\"spans\":[";
    for (std::size_t s = 0; s < forces.spans.size(); ++s) {
        const SpanForces& f = forces.spans[s];
        out += (s > 0 ? ",\n" : "\n") + std::string("{\"span\":") + std::to_string(s + 1) +
               ",\"from\":" + jsonNumber(f.from) + ",\"to\":" + jsonNumber(f.to) +
               ",\"left\":" + faceJson(f.left) + ",\"right\":" + faceJson(f.right) +
               ",\"elasticBottom\":{\"value\":" + jsonNumber(f.elasticBottom) +
               ",\"x\":" + jsonNumber(f.elasticBottomX) +
               (f.elasticBottomSide == MomentSide::None
                    ? std::string()
                    : std::string(",\"side\":") +
                          (f.elasticBottomSide == MomentSide::Left ? "\"left\"" : "\"right\"")) +
               "},\"bottom\":{\"value\":" + jsonNumber(f.bottomMoment) +
               ",\"x\":" + jsonNumber(f.bottomX) + ",\"rule\":\"" + ruleName(f.rule) +
               "\"},\"simpleMaximum\":" + (f.redistributed ? jsonNumber(f.simpleMaximum) : "null") +
               ",\"reducedLeft\":" + jsonNumber(f.reducedLeft) +
               ",\"reducedRight\":" + jsonNumber(f.reducedRight) +
               ",\"top\":{\"value\":" + jsonNumber(f.topMoment) + ",\"x\":" + jsonNumber(f.topX) +
               ",\"hoggingPeak\":" + boolean(f.hoggingPeak) +
               "},\"quasiPermanentBottom\":{\"value\":" + jsonNumber(f.quasiPermanentBottom) +
               ",\"x\":" + jsonNumber(f.quasiPermanentBottomX) +
               "},\"quasiPermanentAtBottom\":" + jsonNumber(f.quasiPermanentAtBottom) +
               ",\"quasiPermanentTop\":" + jsonNumber(f.quasiPermanentTop) + "}";
    }
    return out + "\n]}";
}

} // namespace spanwise
