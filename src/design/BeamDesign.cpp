#include "design/BeamDesign.h"

#include "design/BeamDesignParts.h"
#include "design/HandCalculation.h"
#include "design/SimpleSpan.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace spanwise {

const char* steelPlaceName(SteelPlace place) {
    switch (place) {
    case SteelPlace::LeftFace:
        return "左端支座边缘";
    case SteelPlace::SpanTop:
        return "跨中上部";
    case SteelPlace::RightFace:
        return "右端支座边缘";
    default:
        return "跨中下部";
    }
}

std::vector<std::string> SteelRow::failures() const {
    std::vector<std::string> out = flexure.failures;
    out.insert(out.end(), bars.failures.begin(), bars.failures.end());
    if (compression) {
        out.insert(out.end(), compression->failures.begin(), compression->failures.end());
    }
    if (ductility) {
        out.insert(out.end(), ductility->failures.begin(), ductility->failures.end());
    }
    if (crack.state == CheckState::Failed) {
        out.push_back(crack.words);
    }
    // one reason said once: two layers designed again can repeat the section's words
    std::vector<std::string> unique;
    for (const std::string& f : out) {
        if (std::find(unique.begin(), unique.end(), f) == unique.end()) {
            unique.push_back(f);
        }
    }
    return unique;
}

std::vector<std::string> SpanDesign::failures() const {
    std::vector<std::string> out;
    for (const SteelRow& row : rows) {
        for (const std::string& f : row.failures()) {
            out.push_back(std::string(steelPlaceName(row.place)) + "：" + f);
        }
    }
    for (const FaceShear* face : {&left, &right}) {
        for (const std::string& f : face->result.failures) {
            out.push_back(std::string(face == &left ? "左端" : "右端") + "受剪：" + f);
        }
    }
    for (const std::string& f : stirrups.failures) {
        out.push_back("箍筋：" + f);
    }
    if (deflection.state == CheckState::Failed) {
        out.push_back("挠度：" + deflection.words);
    }
    return out;
}

std::vector<std::string> BeamDesign::failures() const {
    std::vector<std::string> out;
    if (!designed) {
        return out;
    }
    for (const SpanDesign& span : spans) {
        for (const std::string& f : span.failures()) {
            out.push_back("第" + std::to_string(span.span) + "跨" + f);
        }
    }
    return out;
}

std::string BeamDesign::summary() const {
    if (!designed) {
        return "未设计：" + whyNot;
    }
    const std::vector<std::string> all = failures();
    if (all.empty()) {
        return "全部满足";
    }
    std::string text = std::to_string(all.size()) + " 处不满足：";
    for (std::size_t k = 0; k < all.size(); ++k) {
        text += (k > 0 ? "；" : "") + all[k];
    }
    return text;
}

ProvidedBars proposedBars(const BeamDesign& design) {
    ProvidedBars out;
    if (!design.designed) {
        return out;
    }
    out.spans.resize(design.spans.size());
    out.supports.resize(design.spans.size() + 1);
    for (const SpanDesign& d : design.spans) {
        ProvidedBars::OfSpan& span = out.spans[static_cast<std::size_t>(d.span - 1)];
        for (const SteelRow& row : d.rows) {
            if (row.provided || !row.bars.bars) {
                continue;
            }
            switch (row.place) {
            case SteelPlace::Bottom:
                span.bottom = row.bars.bars;
                break;
            case SteelPlace::SpanTop:
                if (row.tension) {
                    span.spanTop = row.bars.bars;
                }
                break;
            default:
                out.supports[static_cast<std::size_t>(row.support)] = row.bars.bars;
            }
        }
        if (!d.stirrupsProvided) {
            span.stirrups = d.stirrups.stirrups;
        }
    }
    return out;
}

namespace design_parts {

FlexureInput flexureInput(const SpanSection& section, const Materials& m, double moment,
                          bool bottomBars, bool twoLayers, double depthLimit) {
    FlexureInput in;
    in.moment = moment;
    in.width = section.width;
    in.depth = section.depth;
    in.effectiveDepth = effectiveDepth(section.depth, m, twoLayers);
    in.compressionCover = m.tensionCover;
    if (bottomBars && section.hasFlange()) {
        in.flangeWidth = section.flangeWidth;
        in.flangeDepth = section.flangeDepth;
    }
    in.depthLimit = depthLimit;
    return in;
}

double loadFactor(const Beam& beam, LoadCase loadCase) {
    const double g0 = beam.design.importance;
    return loadCase == Live ? g0 * beam.factors.live * beam.factors.designLife
                            : g0 * beam.factors.dead;
}

std::vector<PlacedForce> concentratedForces(const Beam& beam, int s) {
    std::vector<PlacedForce> out;
    const Span& span = beam.span(s);
    const bool fromRight = baseSystem(beam, s) == BaseSystem::FreeRight;
    for (const Load& load : span.loads) {
        if (load.kind != Concentrated) {
            continue;
        }
        const double x = fromRight ? double{span.length} - load.a : double{load.a};
        out.push_back({static_cast<float>(x), load.P * loadFactor(beam, load.loadCase)});
    }
    return out;
}

} // namespace design_parts

using namespace design_parts;

namespace {

// The shear of one face; a of the 独立梁 rule where the span's concentrated forces between the
// faces cause more than 75 % of the simple span's shear there.
FaceShear faceShear(const Beam& beam, int s, const FaceForces& face, bool left, const SpanForces& f,
                    const SpanSection& section, const Materials& m, Working working) {
    FaceShear out;
    out.present = face.present;
    if (!face.present) {
        return out;
    }
    out.support = face.support;
    out.x = face.x;
    out.shear = std::fabs(double{face.shear});
    ShearInput in;
    in.shear = out.shear;
    in.width = section.width;
    in.depth = section.depth;
    in.effectiveDepth = effectiveDepth(section.depth, m);
    in.flangeDepth = section.hasFlange() ? double{section.flangeDepth} : 0.0;
    in.hingeZone = face.beta > 0;
    if (section.independent && baseSystem(beam, s) == BaseSystem::SimplySupported) {
        const double L = beam.span(s).length;
        const double total =
            std::fabs(SimpleSpan(beam, s, beam.design.importance).shear(face.x, /*rightOf=*/left));
        double share = 0, nearest = HUGE_VAL;
        for (const PlacedForce& p : concentratedForces(beam, s)) {
            if (p.x <= f.from || p.x >= f.to) {
                continue;
            }
            share += p.force * (left ? (L - p.x) / L : p.x / L);
            nearest = std::min(nearest, std::fabs(double{p.x} - face.x));
        }
        if (total > 0 && share > 0.75 * total) {
            in.concentratedForceDistance = nearest * 1000;
            out.concentratedRule = true;
        }
    }
    out.result = designShear(in, m, working);
    return out;
}

// The stirrups of a span: for the larger requirement of its faces, by the detailing of its depth.
void stirrupsOf(SpanDesign& d, Working working) {
    const bool calculated = (d.left.present && d.left.result.exceedsConcrete) ||
                            (d.right.present && d.right.result.exceedsConcrete);
    d.detailing = stirrupDetailing(d.section.depth, calculated);
    const double required = std::max(d.left.present ? d.left.result.requiredRatio : 0.0,
                                     d.right.present ? d.right.result.requiredRatio : 0.0);
    const bool sectionFails =
        (d.left.present && !d.left.result.ok()) || (d.right.present && !d.right.result.ok());
    d.stirrupsProvided = d.section.stirrups.has_value();
    if (d.stirrupsProvided) {
        d.stirrups = checkStirrups(*d.section.stirrups, required, d.detailing, working);
    } else if (!sectionFails) {
        d.stirrups = proposeStirrups(required, d.section.width, d.detailing, working);
    }
}

double stirrupDiameterOf(const SpanDesign& d) {
    return d.stirrups.stirrups ? d.stirrups.stirrups->diameter : d.detailing.leastDiameter;
}

// A row's flexure with one layer and, where its bars need them, with two (as + 25), and the
// requirement its bars must reach.
struct RowFlexure {
    FlexureInput input; // one layer
    FlexureResult one;
    const Materials* materials = nullptr;
    Working working = Working::Omitted;
    mutable std::optional<FlexureResult> twoLayers;

    const FlexureResult& two() const {
        if (!twoLayers) {
            FlexureInput deeper = input;
            deeper.effectiveDepth = effectiveDepth(input.depth, *materials, true);
            twoLayers = designFlexure(deeper, *materials, working);
        }
        return *twoLayers;
    }
    BarRequirement requirement(bool withTwoLayers) const {
        BarRequirement r;
        r.oneLayer = one.requiredArea;
        if (withTwoLayers && two().ok()) {
            r.twoLayers = two().requiredArea;
        }
        return r;
    }
};

RowFlexure rowFlexure(const SpanSection& section, const Materials& m, const SteelRow& row,
                      double depthLimit, Working working) {
    const double tensionMoment = row.topBars ? -row.moment : row.moment;
    RowFlexure f;
    f.input = flexureInput(section, m, tensionMoment, !row.topBars, false, depthLimit);
    f.one = designFlexure(f.input, m, working);
    f.materials = &m;
    f.working = working;
    return f;
}

// The bars of a requirement: the set given, checked, or the one proposed. The two-layer design
// is made only where one layer does not serve.
template <typename Requirement>
BarChoice barsFor(const std::optional<BarSet>& given, const Requirement& requirement,
                  const BarRoom& room, const Materials& m, Working working) {
    auto choose = [&](const BarRequirement& r) {
        return given ? checkBars(*given, r, room, working)
                     : proposeBars(r, m.proposedDiameters, room, working);
    };
    BarChoice choice = choose(requirement(false));
    if (!choice.bars || choice.twoLayers || !choice.ok()) {
        choice = choose(requirement(true));
    }
    return choice;
}

SteelRow faceRow(const FaceForces& face, bool left) {
    SteelRow row;
    row.place = left ? SteelPlace::LeftFace : SteelPlace::RightFace;
    row.support = face.support;
    row.x = face.x;
    row.moment = face.moment;
    row.quasiPermanentMoment = face.quasiPermanentMoment;
    row.topBars = true;
    row.tension = face.moment < 0;
    return row;
}

// The top bars over every support, for the larger requirement of the faces meeting there, in the
// room of the narrower span with the thicker stirrups; then what the faces check with them.
void supportBars(const Beam& beam, BeamDesign& out,
                 const std::vector<std::vector<RowFlexure>>& flexures, Working working) {
    const Materials& m = out.materials;
    const int n = beam.spanCount();
    struct FaceRef {
        int span;
        std::size_t row;
    };
    for (int j = 0; j <= n; ++j) {
        std::vector<FaceRef> faces;
        for (int s : {j, j + 1}) {
            if (s < 1 || s > n) {
                continue;
            }
            const SpanDesign& d = out.spans[static_cast<std::size_t>(s - 1)];
            const SteelPlace place = s == j ? SteelPlace::RightFace : SteelPlace::LeftFace;
            for (std::size_t r = 0; r < d.rows.size(); ++r) {
                if (d.rows[r].place == place) {
                    faces.push_back({s, r});
                }
            }
        }
        if (faces.empty()) {
            continue; // a free end
        }
        BarRoom room{BarFace::Top, HUGE_VAL, m.cover, 0};
        for (const FaceRef& f : faces) {
            const SpanDesign& d = out.spans[static_cast<std::size_t>(f.span - 1)];
            room.width = std::min(room.width, double{d.section.width});
            room.stirrupDiameter = std::max(room.stirrupDiameter, stirrupDiameterOf(d));
        }
        // the larger requirement of the faces (two layers only where every face has one)
        auto required = [&](bool withTwoLayers) {
            BarRequirement r;
            bool twoPossible = withTwoLayers;
            for (const FaceRef& f : faces) {
                const BarRequirement face =
                    flexures[static_cast<std::size_t>(f.span - 1)][f.row].requirement(
                        withTwoLayers);
                r.oneLayer = std::max(r.oneLayer, face.oneLayer);
                if (face.twoLayers) {
                    r.twoLayers = std::max(r.twoLayers.value_or(0.0), *face.twoLayers);
                } else {
                    twoPossible = false;
                }
            }
            if (!twoPossible) {
                r.twoLayers.reset();
            }
            return r;
        };
        const std::optional<BarSet>& given = supportDesign(beam, j).topBars;
        const BarChoice bars = barsFor(given, required, room, m, working);
        for (const FaceRef& f : faces) {
            SpanDesign& d = out.spans[static_cast<std::size_t>(f.span - 1)];
            SteelRow& row = d.rows[f.row];
            const RowFlexure& flex = flexures[static_cast<std::size_t>(f.span - 1)][f.row];
            row.bars = bars;
            row.provided = given.has_value();
            row.flexure = bars.twoLayers ? flex.two() : flex.one;
            // As' of the face, from the span's bottom bars carried into the support
            if (row.flexure.compressionArea > 0) {
                double bottomArea = 0;
                for (const SteelRow& other : d.rows) {
                    if (other.place == SteelPlace::Bottom) {
                        bottomArea = other.bars.area;
                    }
                }
                row.compression =
                    checkCompressionSteel(bottomArea, row.flexure.compressionArea, working);
            }
            // the ductility of a redistributed support, with its bars (none: no verdict)
            if (supportDesign(beam, j).redistribution > 0 && bars.bars) {
                row.ductility =
                    checkDuctility(bars.area, row.flexure.compressionArea, d.section.width,
                                   effectiveDepthOf(d, row, m), m, working);
            }
        }
    }
}

} // namespace

BeamDesign designBeam(const Beam& beam, const BeamForces& forces, const Envelope& envelope,
                      Working working) {
    BeamDesign out;
    if (const auto problem = designSettingsProblem(beam.design)) {
        out.whyNot = *problem;
        return out;
    }
    for (int s = 1; s <= beam.spanCount(); ++s) {
        const auto& section = beam.span(s).section;
        if (!section) {
            out.whyNot = "第" + std::to_string(s) + "跨没有截面，各跨均输入截面后方可设计";
            return out;
        }
        if (std::string problem = sectionProblem(*section); !problem.empty()) {
            out.whyNot = "第" + std::to_string(s) + "跨截面：" + problem;
            return out;
        }
    }
    out.materials = materialsOf(beam.design);
    const Materials& m = out.materials;
    const int n = beam.spanCount();
    const double balanced = m.balancedDepth;

    // shear and stirrups first: the stirrups' diameter sets the room the bars have
    for (int s = 1; s <= n; ++s) {
        const SpanForces& f = forces.span(s);
        SpanDesign d;
        d.span = s;
        d.section = *beam.span(s).section;
        d.effectiveDepth = effectiveDepth(d.section.depth, m);
        d.left = faceShear(beam, s, f.left, true, f, d.section, m, working);
        d.right = faceShear(beam, s, f.right, false, f, d.section, m, working);
        stirrupsOf(d, working);
        out.spans.push_back(std::move(d));
    }

    // the rows of every span, with their flexure in one and two layers
    std::vector<std::vector<RowFlexure>> flexures(static_cast<std::size_t>(n));
    for (int s = 1; s <= n; ++s) {
        SpanDesign& d = out.spans[static_cast<std::size_t>(s - 1)];
        const SpanForces& f = forces.span(s);
        auto limitAt = [&](const FaceForces& face) {
            return face.beta > 0 ? std::min(balanced, 0.35) : balanced;
        };
        if (f.left.present) {
            d.rows.push_back(faceRow(f.left, true));
        }
        SteelRow bottom;
        bottom.place = SteelPlace::Bottom;
        bottom.x = f.bottomX;
        bottom.moment = f.bottomMoment;
        bottom.quasiPermanentMoment = f.quasiPermanentBottom;
        bottom.tension = f.bottomMoment > 0;
        d.rows.push_back(bottom);
        if (f.topMoment < 0 || d.section.topBars) {
            SteelRow top;
            top.place = SteelPlace::SpanTop;
            top.x = f.topX;
            top.moment = std::min(0.0f, f.topMoment);
            top.quasiPermanentMoment = f.quasiPermanentAtBottom;
            top.topBars = true;
            top.tension = f.topMoment < 0;
            d.rows.push_back(top);
        }
        if (f.right.present) {
            d.rows.push_back(faceRow(f.right, false));
        }
        for (SteelRow& row : d.rows) {
            const double limit = row.place == SteelPlace::LeftFace    ? limitAt(f.left)
                                 : row.place == SteelPlace::RightFace ? limitAt(f.right)
                                                                      : balanced;
            flexures[static_cast<std::size_t>(s - 1)].push_back(
                rowFlexure(d.section, m, row, limit, working));
        }
    }

    // the bars: each span's bottom and top bars inside it, then the top bars over every
    // support, shared by the faces of the spans meeting there
    for (int s = 1; s <= n; ++s) {
        SpanDesign& d = out.spans[static_cast<std::size_t>(s - 1)];
        const auto& rowFlex = flexures[static_cast<std::size_t>(s - 1)];
        for (std::size_t r = 0; r < d.rows.size(); ++r) {
            SteelRow& row = d.rows[r];
            if (row.place != SteelPlace::Bottom && row.place != SteelPlace::SpanTop) {
                continue;
            }
            const BarRoom room{row.topBars ? BarFace::Top : BarFace::Bottom, d.section.width,
                               m.cover, stirrupDiameterOf(d)};
            const std::optional<BarSet>& given =
                row.topBars ? d.section.topBars : d.section.bottomBars;
            row.provided = given.has_value();
            if (row.place == SteelPlace::SpanTop && !row.tension) {
                // bars provided where none are needed: kept, not checked
                row.bars.bars = given;
                row.bars.area = given ? barArea(*given) : 0.0;
                row.flexure = rowFlex[r].one;
                continue;
            }
            row.bars = barsFor(
                given, [&](bool withTwoLayers) { return rowFlex[r].requirement(withTwoLayers); },
                room, m, working);
            row.flexure = row.bars.twoLayers ? rowFlex[r].two() : rowFlex[r].one;
        }
    }
    supportBars(beam, out, flexures, working);
    serviceability(beam, forces, envelope, out, working);
    out.designed = true;
    return out;
}

} // namespace spanwise
