// The steel of the design as a JSON member: for every design section what the 计算书 prints of
// it, so that a checker's or a drawing program's script can verify or use it without working it
// again.
#include "cli/DesignJson.h"
#include "model/Axes.h"

#include "cli/JsonResult.h"
#include "design/BarText.h"

#include <charconv>
#include <cmath>

namespace spanwise {

namespace {

std::string boolean(bool v) {
    return jsonBoolean(v);
}
std::string real(double v) {
    return jsonReal(v);
}
std::string strings(const std::vector<std::string>& list) {
    return jsonStrings(list);
}

// {"code":400,"name":"HRB400","sign":"C"}
std::string steelJson(int code) {
    return "{\"code\":" + std::to_string(code) + ",\"name\":" + jsonString(steelName(code)) +
           ",\"sign\":" + jsonString(steelSignText(code)) + "}";
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

std::string barsJson(const SteelRow& row, double width) {
    if (!row.bars.bars) {
        return "null";
    }
    const BarChoice& c = row.bars;
    std::string out = "{\"count\":" + std::to_string(c.bars->count) +
                      ",\"diameter\":" + std::to_string(c.bars->diameter) +
                      ",\"text\":" + jsonString(barText(*c.bars, row.steel)) +
                      ",\"steel\":" + steelJson(row.steel) + ",\"area\":" + real(c.area) +
                      ",\"ratio\":" + real(c.area / (width * row.effectiveDepth)) +
                      ",\"twoLayers\":" + boolean(c.twoLayers) + ",\"fits\":" + boolean(c.fits) +
                      ",\"provided\":" + boolean(row.provided) +
                      ",\"centroid\":" + real(c.centroid);
    out += ",\"atRealDepth\":";
    out += c.atRealDepth ? "{\"h0\":" + real(c.atRealDepth->effectiveDepth) +
                               ",\"requiredArea\":" + real(c.atRealDepth->area) + "}"
                         : std::string("null");
    out += ",\"widenedForCracks\":";
    out += c.areaAlone ? jsonString(barText(*c.areaAlone, row.steel)) : std::string("null");
    return out + ",\"ok\":" + boolean(c.ok()) + ",\"failures\":" + strings(c.failures) + "}";
}

std::string crackJson(const CrackWidth& c) {
    if (c.state == CheckState::NotChecked) {
        return "null";
    }
    return "{\"sigmaSq\":" + real(c.strain.steelStress) +
           ",\"rhoTe\":" + real(c.strain.effectiveRatio) +
           ",\"psi\":" + real(c.strain.strainFactor) + ",\"cs\":" + real(c.coverToBars) +
           ",\"deq\":" + real(c.equivalentDiameter) + ",\"width\":" + real(c.width) +
           ",\"limit\":" + real(c.limit) + ",\"ok\":" + boolean(c.state == CheckState::Passed) +
           "}";
}

std::string rowJson(const SteelRow& row, double width) {
    const FlexureResult& f = row.flexure;
    const std::vector<std::string> failures = row.failures();
    std::string out =
        "{\"place\":\"" + std::string(placeName(row.place)) +
        "\",\"support\":" + (row.support >= 0 ? std::to_string(row.support) : "null") +
        ",\"x\":" + jsonNumber(row.x) + ",\"moment\":" + real(row.moment) +
        ",\"tension\":" + boolean(row.tension) +
        ",\"redistributed\":" + boolean(row.redistributed) + ",\"steel\":" + steelJson(row.steel) +
        ",\"h0\":" + real(row.effectiveDepth) + ",\"shape\":\"" + shapeName(f.shape) +
        "\",\"alphaS\":" + real(f.alphaS) + ",\"xi\":" + real(f.xi) +
        ",\"doublyReinforced\":" + boolean(f.doublyReinforced) +
        ",\"requiredArea\":" + real(f.requiredArea) + ",\"ratio\":" + real(f.ratio) +
        ",\"compressionArea\":" + real(f.compressionArea) +
        ",\"minimumGoverns\":" + boolean(f.minimumGoverns) + ",\"bars\":" + barsJson(row, width) +
        ",\"compressionCovered\":" +
        (row.compression ? boolean(row.compression->ok()) : std::string("null")) +
        ",\"quasiPermanentMoment\":" + real(row.quasiPermanentMoment) + ",\"crackWidth\":" +
        (row.crack.state == CheckState::NotChecked ? "null" : real(row.crack.width)) +
        ",\"crack\":" + crackJson(row.crack) +
        ",\"ductilityXi\":" + (row.ductility ? real(row.ductility->xi) : "null") +
        ",\"ductility\":";
    if (row.ductility) {
        out +=
            "{\"xi\":" + real(row.ductility->xi) + ",\"ok\":" + boolean(row.ductility->ok()) +
            ",\"notice\":" + (row.ductility->notice ? jsonString(*row.ductility->notice) : "null") +
            "}";
    } else {
        out += "null";
    }
    return out + ",\"ok\":" + boolean(failures.empty()) + ",\"failures\":" + strings(failures) +
           "}";
}

std::string shearJson(const FaceShear& face, bool left) {
    const ShearResult& r = face.result;
    return std::string("{\"side\":\"") + (left ? "left" : "right") +
           "\",\"support\":" + std::to_string(face.support) + ",\"x\":" + jsonNumber(face.x) +
           ",\"V\":" + real(face.shear) + ",\"Vc\":" + real(r.concreteShear) +
           ",\"alphaCv\":" + real(r.concreteFactor) +
           ",\"concentratedRule\":" + boolean(face.concentratedRule) +
           ",\"slenderness\":" + real(r.slenderness) + ",\"sectionLimit\":" + real(r.sectionLimit) +
           ",\"detailingGoverns\":" + boolean(!r.exceedsConcrete) +
           ",\"minimumGoverns\":" + boolean(r.minimumGoverns) +
           ",\"requiredRatio\":" + real(r.requiredRatio) + ",\"ok\":" + boolean(r.ok()) +
           ",\"failures\":" + strings(r.failures) + "}";
}

std::string spanJson(const Span& span, const SpanDesign& d) {
    std::string out = "{\"span\":" + std::to_string(d.span) + ",\"b\":" + real(d.section.width) +
                      ",\"h\":" + real(d.section.depth) + ",\"bf\":" + real(d.section.flangeWidth) +
                      ",\"hf\":" + real(d.section.flangeDepth) + ",\"EI\":" + jsonNumber(span.ei) +
                      ",\"i\":" + jsonNumber(span.lineStiffness) +
                      ",\"h0\":" + real(d.effectiveDepth) + ",\"rows\":[";
    for (std::size_t r = 0; r < d.rows.size(); ++r) {
        out += (r > 0 ? "," : "") + rowJson(d.rows[r], d.section.width);
    }
    out += "],\"shear\":[";
    bool first = true;
    for (const FaceShear* face : {&d.left, &d.right}) {
        if (face->present) {
            out += (first ? "" : ",") + shearJson(*face, face == &d.left);
            first = false;
        }
    }
    out += "],\"stirrups\":";
    if (const auto& st = d.stirrups.stirrups) {
        out += "{\"legs\":" + std::to_string(st->legs) +
               ",\"diameter\":" + std::to_string(st->diameter) +
               ",\"spacing\":" + std::to_string(st->spacing) +
               ",\"text\":" + jsonString(stirrupText(*st, d.stirrupSteel)) +
               ",\"steel\":" + steelJson(d.stirrupSteel) + ",\"ratio\":" + real(d.stirrups.ratio) +
               ",\"provided\":" + boolean(d.stirrupsProvided) +
               ",\"ok\":" + boolean(d.stirrups.ok()) +
               ",\"failures\":" + strings(d.stirrups.failures) + "}";
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
    out += "],\"deflection\":{\"kind\":" + jsonString(f.cantileverTip ? "cantileverTip" : "span") +
           ",\"state\":\"" + stateName(f.state) + "\",\"words\":" + jsonString(f.words) +
           ",\"B\":" + (computed ? real(f.stiffness.longTerm) : "null") +
           ",\"elastic\":" + real(f.elastic) +
           ",\"longTerm\":" + (computed ? real(f.deflection) : "null") +
           ",\"ratio\":" + (computed && f.deflection > 0 ? real(f.ratio) : "null") +
           ",\"limitRatio\":" + real(f.limitDenominator) + "}}";
    return out;
}

// Per support: the top bars over it, the larger requirement of its faces and which face it is.
std::string supportsJson(const Beam& beam, const BeamDesign& design) {
    std::string out = "[";
    bool first = true;
    for (std::size_t j = 0; j <= design.spans.size(); ++j) {
        const SteelRow* governing = nullptr;
        for (const SpanDesign& d : design.spans) {
            for (const SteelRow& row : d.rows) {
                if (row.support == static_cast<int>(j) &&
                    (governing == nullptr ||
                     row.flexure.requiredArea > governing->flexure.requiredArea)) {
                    governing = &row;
                }
            }
        }
        if (governing == nullptr) {
            continue; // a free end
        }
        const BarChoice& bars = governing->bars;
        out += (first ? "" : ",") + std::string("{\"support\":") + std::to_string(j) +
               ",\"axis\":" + jsonString(axisLabel(beam, static_cast<int>(j))) +
               ",\"requiredArea\":" + real(governing->flexure.requiredArea) +
               ",\"governingFace\":" +
               jsonString(governing->place == SteelPlace::RightFace ? "left" : "right") +
               ",\"bars\":" +
               (bars.bars ? jsonString(barText(*bars.bars, governing->steel)) : "null") +
               ",\"area\":" + real(bars.area) + ",\"ok\":" + boolean(bars.ok()) +
               ",\"failures\":" + strings(bars.failures) + "}";
        first = false;
    }
    return out + "]";
}

} // namespace

std::string designJsonMember(const Beam& beam, const BeamDesign& design) {
    std::string out = ",\"design\":{\"designed\":" + boolean(design.designed) +
                      ",\"whyNot\":" + (design.designed ? "null" : jsonString(design.whyNot)) +
                      ",\"summary\":" + jsonString(design.summary()) +
                      ",\"failures\":" + strings(design.failures()) +
                      ",\"notices\":" + strings(design.notices());
    if (!design.designed) {
        return out + "}";
    }
    const Materials& m = design.materials;
    out += ",\"materials\":{\"concrete\":" + jsonString(m.concreteName) + ",\"fc\":" + real(m.fc) +
           ",\"ft\":" + real(m.ft) + ",\"ftk\":" + real(m.ftk) + ",\"Ec\":" + real(m.Ec) +
           ",\"steel\":" + jsonString(m.steelName) +
           ",\"steelSign\":" + jsonString(steelSignText(m.steel)) + ",\"fy\":" + real(m.fy) +
           ",\"stirrupSteel\":" + jsonString(m.stirrupSteelName) +
           ",\"stirrupSign\":" + jsonString(steelSignText(m.stirrupSteel)) +
           ",\"fyv\":" + real(m.fyv) + ",\"environment\":" + jsonString(m.environmentName) +
           ",\"cover\":" + real(m.cover) + ",\"as\":" + real(m.tensionCover) +
           ",\"asTop\":" + real(m.topTensionCover) + ",\"crackLimit\":" + real(m.crackLimit) +
           "},\"supports\":" + supportsJson(beam, design) + ",\"spans\":[";
    for (std::size_t s = 0; s < design.spans.size(); ++s) {
        const SpanDesign& d = design.spans[s];
        out += (s > 0 ? ",\n" : "\n") + spanJson(beam.span(d.span), d);
    }
    return out + "\n]}";
}

} // namespace spanwise
