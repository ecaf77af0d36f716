#include "cli/DesignJson.h"

#include "cli/JsonResult.h"

#include <charconv>
#include <cmath>

namespace spanwise {

namespace {

std::string boolean(bool v) {
    return v ? "true" : "false";
}

std::string faceJson(const FaceForces& f) {
    if (!f.present) {
        return "null";
    }
    return "{\"support\":" + std::to_string(f.support) + ",\"x\":" + jsonNumber(f.x) +
           ",\"beta\":" + jsonNumber(f.beta) + ",\"elasticMoment\":" + jsonNumber(f.elasticMoment) +
           ",\"moment\":" + jsonNumber(f.moment) +
           ",\"elasticShear\":" + jsonNumber(f.elasticShear) + ",\"shear\":" + jsonNumber(f.shear) +
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
               "},\"quasiPermanentAtBottom\":" + jsonNumber(f.quasiPermanentAtBottom) + "}";
    }
    return out + "\n]}";
}

namespace {

// The shortest JSON number that reads back to v (null when v is not finite).
std::string real(double v) {
    if (!std::isfinite(v)) {
        return "null";
    }
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, v).ptr;
    return std::string(buffer, end);
}

std::string strings(const std::vector<std::string>& list) {
    std::string out = "[";
    for (std::size_t k = 0; k < list.size(); ++k) {
        out += (k > 0 ? "," : "") + jsonString(list[k]);
    }
    return out + "]";
}

const char* placeName(SteelPlace place) {
    switch (place) {
    case SteelPlace::LeftFace:
        return "leftFace";
    case SteelPlace::SpanTop:
        return "spanTop";
    case SteelPlace::RightFace:
        return "rightFace";
    default:
        return "bottom";
    }
}

const char* shapeName(FlexureShape shape) {
    return shape == FlexureShape::FlangeClass1   ? "flangeClass1"
           : shape == FlexureShape::FlangeClass2 ? "flangeClass2"
                                                 : "rectangle";
}

const char* stateName(CheckState state) {
    return state == CheckState::Passed   ? "passed"
           : state == CheckState::Failed ? "failed"
                                         : "notChecked";
}

std::string rowJson(const SteelRow& row) {
    const FlexureResult& f = row.flexure;
    std::string bars = "null";
    if (row.bars.bars) {
        bars = "{\"count\":" + std::to_string(row.bars.bars->count) +
               ",\"diameter\":" + std::to_string(row.bars.bars->diameter) +
               ",\"area\":" + real(row.bars.area) +
               ",\"twoLayers\":" + boolean(row.bars.twoLayers) +
               ",\"provided\":" + boolean(row.provided) + "}";
    }
    const std::vector<std::string> failures = row.failures();
    return "{\"place\":\"" + std::string(placeName(row.place)) + "\",\"x\":" + jsonNumber(row.x) +
           ",\"moment\":" + real(row.moment) + ",\"tension\":" + boolean(row.tension) +
           ",\"shape\":\"" + shapeName(f.shape) + "\",\"alphaS\":" + real(f.alphaS) +
           ",\"xi\":" + real(f.xi) + ",\"requiredArea\":" + real(f.requiredArea) +
           ",\"compressionArea\":" + real(f.compressionArea) +
           ",\"minimumGoverns\":" + boolean(f.minimumGoverns) + ",\"bars\":" + bars +
           ",\"quasiPermanentMoment\":" + real(row.quasiPermanentMoment) + ",\"crackWidth\":" +
           (row.crack.state == CheckState::NotChecked ? "null" : real(row.crack.width)) +
           ",\"ductilityXi\":" + (row.ductility ? real(row.ductility->xi) : "null") +
           ",\"ok\":" + boolean(failures.empty()) + ",\"failures\":" + strings(failures) + "}";
}

std::string spanJson(const SpanDesign& d) {
    std::string out = "{\"span\":" + std::to_string(d.span) + ",\"b\":" + real(d.section.width) +
                      ",\"h\":" + real(d.section.depth) + ",\"bf\":" + real(d.section.flangeWidth) +
                      ",\"hf\":" + real(d.section.flangeDepth) +
                      ",\"h0\":" + real(d.effectiveDepth) + ",\"rows\":[";
    for (std::size_t r = 0; r < d.rows.size(); ++r) {
        out += (r > 0 ? "," : "") + rowJson(d.rows[r]);
    }
    out += "],\"shear\":[";
    bool first = true;
    for (const FaceShear* face : {&d.left, &d.right}) {
        if (!face->present) {
            continue;
        }
        const ShearResult& r = face->result;
        out += std::string(first ? "" : ",") + "{\"side\":\"" +
               (face == &d.left ? "left" : "right") + "\",\"V\":" + real(face->shear) +
               ",\"Vc\":" + real(r.concreteShear) + ",\"alphaCv\":" + real(r.concreteFactor) +
               ",\"requiredRatio\":" + real(r.requiredRatio) + ",\"ok\":" + boolean(r.ok()) +
               ",\"failures\":" + strings(r.failures) + "}";
        first = false;
    }
    out += "],\"stirrups\":";
    if (const auto& st = d.stirrups.stirrups) {
        out += "{\"legs\":" + std::to_string(st->legs) +
               ",\"diameter\":" + std::to_string(st->diameter) +
               ",\"spacing\":" + std::to_string(st->spacing) +
               ",\"ratio\":" + real(d.stirrups.ratio) +
               ",\"provided\":" + boolean(d.stirrupsProvided) + "}";
    } else {
        out += "null";
    }
    out += ",\"hangers\":[";
    for (std::size_t k = 0; k < d.hangers.size(); ++k) {
        const Hanger& h = d.hangers[k];
        out += (k > 0 ? "," : "") + std::string("{\"x\":") + jsonNumber(h.x) +
               ",\"force\":" + real(h.steel.force) + ",\"area\":" + real(h.steel.area) + "}";
    }
    const LongTermDeflection& f = d.deflection;
    const bool computed = f.stiffness.state == CheckState::Passed;
    out += "],\"deflection\":{\"state\":\"" + std::string(stateName(f.state)) +
           "\",\"words\":" + jsonString(f.words) +
           ",\"B\":" + (computed ? real(f.stiffness.longTerm) : "null") +
           ",\"elastic\":" + real(f.elastic) +
           ",\"longTerm\":" + (computed ? real(f.deflection) : "null") +
           ",\"ratio\":" + (computed && f.deflection > 0 ? real(f.ratio) : "null") +
           ",\"limitRatio\":" + real(f.limitDenominator) + "}}";
    return out;
}

} // namespace

std::string designJsonMember(const BeamDesign& design) {
    std::string out = ",\"design\":{\"designed\":" + boolean(design.designed) +
                      ",\"whyNot\":" + (design.designed ? "null" : jsonString(design.whyNot)) +
                      ",\"summary\":" + jsonString(design.summary()) +
                      ",\"failures\":" + strings(design.failures());
    if (!design.designed) {
        return out + "}";
    }
    const Materials& m = design.materials;
    out += ",\"materials\":{\"concrete\":" + jsonString(m.concreteName) + ",\"fc\":" + real(m.fc) +
           ",\"ft\":" + real(m.ft) + ",\"steel\":" + jsonString(m.steelName) +
           ",\"fy\":" + real(m.fy) + ",\"stirrupSteel\":" + jsonString(m.stirrupSteelName) +
           ",\"fyv\":" + real(m.fyv) + ",\"environment\":" + jsonString(m.environmentName) +
           ",\"cover\":" + real(m.cover) + ",\"as\":" + real(m.tensionCover) +
           ",\"crackLimit\":" + real(m.crackLimit) + "},\"spans\":[";
    for (std::size_t s = 0; s < design.spans.size(); ++s) {
        out += (s > 0 ? ",\n" : "\n") + spanJson(design.spans[s]);
    }
    return out + "\n]}";
}

} // namespace spanwise
