#include "cli/DetailingJson.h"

#include "cli/JsonResult.h"

namespace spanwise {

namespace {

std::string endJson(const BarEnd& e) {
    const char* kinds[] = {"cutOff", "straight", "bent", "freeEnd", "stop"};
    return "{\"kind\":" + jsonString(kinds[static_cast<int>(e.kind)]) +
           ",\"support\":" + (e.support >= 0 ? std::to_string(e.support) : "null") +
           ",\"fromFace\":" + jsonReal(e.fromFace) + ",\"bend\":" + jsonReal(e.bend) +
           ",\"hook\":" + jsonBoolean(e.hook) + ",\"x\":" + jsonReal(e.x) +
           ",\"words\":" + jsonString(e.words) + "}";
}

// The members a top run and a bottom set share: the bars, both ends, the cut length.
template <typename Run> std::string runJson(const Run& r) {
    return "\"count\":" + std::to_string(r.bars.count) +
           ",\"d\":" + std::to_string(r.bars.diameter) +
           ",\"steel\":" + std::to_string(r.bars.grade) + ",\"left\":" + endJson(r.left) +
           ",\"right\":" + endJson(r.right) + ",\"length\":" + std::to_string(r.length);
}

std::string zonesJson(const StirrupZones& z) {
    return "{\"text\":" + jsonString(z.text) + ",\"dense\":" + jsonBoolean(z.dense) +
           ",\"n1\":" + std::to_string(z.denseCount) + ",\"s1\":" + std::to_string(z.denseSpacing) +
           ",\"e\":" + jsonReal(z.denseEnd) + ",\"V\":" + jsonReal(z.middleShear) +
           ",\"required\":" + jsonReal(z.middleRequirement) +
           ",\"s2\":" + std::to_string(z.middleSpacing) +
           ",\"middleZone\":" + jsonBoolean(z.middleZone) +
           ",\"m\":" + std::to_string(z.middleCount) + ",\"count\":" + std::to_string(z.count) +
           "}";
}

std::string sideJson(const SideBars& g) {
    if (g.perSide == 0) {
        return "null";
    }
    return "{\"text\":" + jsonString(g.text) + ",\"perSide\":" + std::to_string(g.perSide) +
           ",\"d\":" + std::to_string(g.diameter) + ",\"own\":" + jsonBoolean(g.needed) +
           ",\"length\":" + std::to_string(g.length) +
           ",\"tieD\":" + std::to_string(g.tieDiameter) +
           ",\"tieSpacing\":" + std::to_string(g.tieSpacing) +
           ",\"tiesPerRow\":" + std::to_string(g.tiesPerRow) + "}";
}

template <typename T, typename F> std::string array(const std::vector<T>& items, F&& each) {
    std::string out = "[";
    for (std::size_t k = 0; k < items.size(); ++k) {
        out += (k > 0 ? "," : "") + each(items[k], k);
    }
    return out + "]";
}

} // namespace

std::string detailingJsonMember(const BeamDetailing& d) {
    std::string out = ",\"detailing\":{\"detailed\":" + jsonBoolean(d.detailed) +
                      ",\"missing\":" + jsonStrings(d.missing);
    if (!d.detailed) {
        return out + "}";
    }
    const char* details[] = {"pinned", "full", "frame"};
    out += ",\"name\":" + jsonString(d.name) + ",\"frame\":" + jsonBoolean(d.frame) +
           ",\"endDetail\":" + jsonString(details[static_cast<int>(d.endDetail)]);
    out += ",\"anchorages\":" + array(d.anchorages, [](const Anchorage& a, std::size_t) {
               return "{\"steel\":" + std::to_string(a.grade) +
                      ",\"d\":" + std::to_string(a.diameter) +
                      ",\"kab\":" + std::to_string(a.basicFactor) +
                      ",\"ka\":" + std::to_string(a.factor) +
                      ",\"lab\":" + std::to_string(a.basic) +
                      ",\"la\":" + std::to_string(a.length) + "}";
           });
    out += ",\"centralLines\":" + jsonStrings(d.centralLines);
    std::string supports = "[";
    for (std::size_t j = 0; j < d.supportTexts.size(); ++j) {
        if (!d.supportTexts[j].empty()) {
            supports += (supports.size() > 1 ? "," : "") + std::string("{\"support\":") +
                        std::to_string(j) + ",\"text\":" + jsonString(d.supportTexts[j]) + "}";
        }
    }
    out += ",\"supports\":" + supports + "]";
    out +=
        ",\"spans\":" + array(d.spanTexts, [&](const BeamDetailing::SpanTexts& t, std::size_t k) {
            return "{\"span\":" + std::to_string(k + 1) + ",\"top\":" + jsonString(t.top) +
                   ",\"bottom\":" + jsonString(t.bottom) +
                   ",\"overrides\":" + jsonStrings(t.overrides) +
                   ",\"bottomBars\":" + jsonString(d.bottomTexts[k]) +
                   ",\"through\":" + jsonBoolean(d.through[k]) +
                   ",\"why\":" + jsonString(d.throughWhy[k]) + ",\"erection\":" +
                   (d.erectionTexts[k].empty() ? "null" : jsonString(d.erectionTexts[k])) +
                   ",\"erectionLength\":" + std::to_string(d.erectionLengths[k]) +
                   ",\"stirrups\":" + zonesJson(d.stirrups[k]) +
                   ",\"sideBars\":" + sideJson(d.sideBars[k]) + "}";
        });
    out += ",\"additionalStirrups\":" +
           array(d.additional, [](const AdditionalStirrups& a, std::size_t) {
               return "{\"span\":" + std::to_string(a.span) +
                      ",\"x\":" + jsonNumber(static_cast<float>(a.x)) +
                      ",\"F\":" + jsonReal(a.force) + ",\"Asv\":" + jsonReal(a.area) +
                      ",\"d\":" + std::to_string(a.diameter) +
                      ",\"perSide\":" + std::to_string(a.perSide) +
                      ",\"legs\":" + std::to_string(a.legs) + ",\"text\":" + jsonString(a.text) +
                      ",\"fits\":" + jsonBoolean(a.fits) + "}";
           });
    out += ",\"topRuns\":" + array(d.topRuns, [](const TopRun& r, std::size_t) {
               return "{\"first\":" + std::to_string(r.firstSupport) +
                      ",\"last\":" + std::to_string(r.lastSupport) +
                      ",\"row\":" + std::to_string(r.row) + "," + runJson(r) + "}";
           });
    out += ",\"bottomBars\":" + array(d.bottomRuns, [](const BottomRun& r, std::size_t) {
               return "{\"span\":" + std::to_string(r.span) + "," + runJson(r) + "}";
           });
    out += ",\"schedule\":" + array(d.schedule, [](const ScheduleLine& l, std::size_t) {
               return "{\"number\":" + std::to_string(l.number) +
                      ",\"kind\":" + jsonString(l.kind) + ",\"shape\":" + jsonString(l.shape) +
                      ",\"diameter\":" + jsonString(l.diameter) +
                      ",\"length\":" + std::to_string(l.length) +
                      ",\"count\":" + std::to_string(l.count) +
                      ",\"totalLength\":" + jsonString(l.totalLength) +
                      ",\"weight\":" + jsonString(l.weight) + "}";
           });
    out += ",\"totals\":{\"weight\":" + jsonString(d.totalWeight) +
           ",\"concrete\":" + jsonString(d.concreteText) +
           ",\"steelPerVolume\":" + jsonString(d.steelPerVolume) + "}";
    out += ",\"groups\":" + array(d.groups, [](const BeamDetailing::Group& g, std::size_t) {
               return "{\"first\":" + std::to_string(g.first) +
                      ",\"last\":" + std::to_string(g.last) + ",\"text\":" + jsonString(g.text) +
                      ",\"count\":" + std::to_string(g.set.bars.count) +
                      ",\"d\":" + std::to_string(g.set.bars.diameter) + "}";
           });
    const DetailedGeometry& g = d.geometry;
    out += ",\"geometry\":{\"cover\":" + jsonReal(g.cover) +
           ",\"nodes\":" + array(g.node, [](double x, std::size_t) { return jsonReal(x); }) +
           ",\"supports\":" +
           array(g.supportWidth,
                 [&](int w, std::size_t j) {
                     return "{\"width\":" + std::to_string(w) +
                            ",\"free\":" + jsonBoolean(g.freeNode[j]) + "}";
                 }) +
           ",\"spans\":" +
           array(g.spans,
                 [&](const DetailedGeometry::Span& s, std::size_t k) {
                     return "{\"length\":" + std::to_string(s.length) +
                            ",\"b\":" + std::to_string(s.width) +
                            ",\"h\":" + std::to_string(s.depth) +
                            ",\"bf\":" + std::to_string(s.flangeWidth) +
                            ",\"hf\":" + std::to_string(s.flangeDepth) +
                            ",\"leftFace\":" + jsonReal(s.leftFace) +
                            ",\"rightFace\":" + jsonReal(s.rightFace) +
                            ",\"freeLeft\":" + jsonBoolean(s.freeLeft) +
                            ",\"freeRight\":" + jsonBoolean(s.freeRight) +
                            ",\"legs\":" + std::to_string(d.stirrups[k].set.legs) +
                            ",\"stirrupD\":" + std::to_string(d.stirrups[k].set.diameter) +
                            ",\"bottomCount\":" + std::to_string(s.bottom.bars.count) +
                            ",\"bottomD\":" + std::to_string(s.bottom.bars.diameter) + "}";
                 }) +
           "}";
    out += ",\"changes\":" + jsonStrings(d.changes) + ",\"failures\":" + jsonStrings(d.failures) +
           ",\"notes\":" + jsonStrings(d.notes) + "}";
    return out;
}

} // namespace spanwise
