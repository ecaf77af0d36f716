// The longitudinal steel of the beam's design: the design sections of every span with their
// flexure in one layer and two (each with the steel of the set that serves it), the bars of each
// span (bottom bars, top bars inside it), then the top bars over every support, shared by the
// faces of the spans meeting there, with the compression steel and the ductility those faces
// check. A proposal reaches its requirement where its bars really lie and keeps its cracks within
// the limit where any combination can.
#include "design/BeamDesignParts.h"
#include "model/Axes.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace spanwise::design_parts {

FlexureInput flexureInput(const SpanSection& section, const Materials& m, double moment,
                          bool bottomBars, bool twoLayers, double depthLimit) {
    const TensionFace face = bottomBars ? TensionFace::Bottom : TensionFace::Top;
    FlexureInput in;
    in.moment = moment;
    in.width = section.width;
    in.depth = section.depth;
    in.effectiveDepth = effectiveDepth(section.depth, m, twoLayers, face);
    // the compression bars lie at the other face: the top bars' as,top over a span's bottom
    // bars, the bottom bars' as under the top bars
    in.compressionCover = tensionCoverOf(m, bottomBars ? TensionFace::Top : TensionFace::Bottom);
    in.topBars = !bottomBars;
    if (bottomBars && section.hasFlange()) {
        in.flangeWidth = section.flangeWidth;
        in.flangeDepth = section.flangeDepth;
    }
    in.depthLimit = depthLimit;
    return in;
}

SteelsOf::SteelsOf(const Materials& project) : m_project(project) {}

const Materials& SteelsOf::bars(int code) {
    if (code == 0 || code == m_project.steel) {
        return m_project;
    }
    auto it = m_bars.find(code);
    if (it == m_bars.end()) {
        it = m_bars.emplace(code, withBarSteel(m_project, code)).first;
    }
    return it->second;
}

const Materials& SteelsOf::stirrups(int code) {
    if (code == 0 || code == m_project.stirrupSteel) {
        return m_project;
    }
    auto it = m_stirrups.find(code);
    if (it == m_stirrups.end()) {
        it = m_stirrups.emplace(code, withStirrupSteel(m_project, code)).first;
    }
    return it->second;
}

ServiceSection serviceSection(const SpanDesign& d, const SteelRow& row, const Materials& m,
                              const BarSet& bars, bool twoLayers) {
    ServiceSection s;
    s.moment = row.topBars ? -row.quasiPermanentMoment : row.quasiPermanentMoment;
    s.width = d.section.width;
    s.depth = d.section.depth;
    s.effectiveDepth = effectiveDepth(d.section.depth, m, twoLayers,
                                      row.topBars ? TensionFace::Top : TensionFace::Bottom);
    s.bars = bars;
    s.stirrupDiameter = stirrupDiameterOf(d);
    if (d.section.hasFlange()) {
        if (row.topBars) { // the slab lies on the tension side of the top bars
            s.tensionFlangeWidth = d.section.flangeWidth;
            s.tensionFlangeDepth = d.section.flangeDepth;
        } else {
            s.compressionFlangeWidth = d.section.flangeWidth;
            s.compressionFlangeDepth = d.section.flangeDepth;
        }
    }
    return s;
}

namespace {

// A row's flexure with one layer and, where its bars need them, with two (as + 25), with the
// steel of the set that serves it; and what it needs at any depth of its bars.
struct RowFlexure {
    FlexureInput input; // one layer
    FlexureResult one;
    const Materials* materials = nullptr;
    Working working = Working::Omitted;
    mutable std::optional<FlexureResult> twoLayers;

    const FlexureResult& two() const {
        if (!twoLayers) {
            FlexureInput deeper = input;
            deeper.effectiveDepth =
                effectiveDepth(input.depth, *materials, true,
                               input.topBars ? TensionFace::Top : TensionFace::Bottom);
            twoLayers = designFlexure(deeper, *materials, working);
        }
        return *twoLayers;
    }
    std::optional<double> twoLayerArea() const {
        return two().ok() ? std::optional<double>(two().requiredArea) : std::nullopt;
    }
    // the area with the bars' centroid at `centroid` from the tension face
    RealDepthNeed at(double centroid) const {
        FlexureInput real = input;
        real.effectiveDepth = input.depth - centroid;
        const FlexureResult r = designFlexure(real, *materials);
        return {r.ok() ? r.requiredArea : HUGE_VAL, real.effectiveDepth};
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

// One section a set of bars serves: its span, its row and its flexure.
struct Served {
    const SpanDesign* span;
    const SteelRow* row;
    const RowFlexure* flexure;
};

// What a set serving these sections must reach: the larger of their requirements (two layers
// only where every section has one), the larger need where the bars really lie, and every
// crack within its limit.
BarDemand demandOf(const std::vector<Served>& served, const Materials& m) {
    BarDemand demand;
    demand.steel = m.steel;
    demand.layerCover =
        tensionCoverOf(m, served.front().row->topBars ? TensionFace::Top : TensionFace::Bottom);
    for (const Served& s : served) {
        demand.oneLayer = std::max(demand.oneLayer, s.flexure->one.requiredArea);
    }
    demand.twoLayers = [served]() -> std::optional<double> {
        double area = 0;
        for (const Served& s : served) {
            const std::optional<double> two = s.flexure->twoLayerArea();
            if (!two) {
                return std::nullopt;
            }
            area = std::max(area, *two);
        }
        return area;
    };
    demand.atCentroid = [served](double centroid, bool) {
        RealDepthNeed most;
        for (const Served& s : served) {
            const RealDepthNeed need = s.flexure->at(centroid);
            if (need.area >= most.area) {
                most = need;
            }
        }
        return most;
    };
    demand.cracksHold = [served, &m](const BarSet& bars, bool twoLayers) {
        for (const Served& s : served) {
            const CrackWidth w = crackWidth(serviceSection(*s.span, *s.row, m, bars, twoLayers), m);
            if (w.state == CheckState::Failed) {
                return false;
            }
        }
        return true;
    };
    return demand;
}

// The bars of a set: the one given, checked, or the one proposed.
BarChoice barsFor(const std::optional<BarSet>& given, const BarDemand& demand, const BarRoom& room,
                  const Materials& m, Working working) {
    return given ? checkBars(*given, demand, room, working)
                 : proposeBars(demand, m.proposedDiameters, room, working);
}

// The flexure a row reports with its bars: of their layers; of two layers where no bars fit
// although two layers were designed.
const FlexureResult& reportedFlexure(const RowFlexure& flexure, const BarChoice& bars) {
    return bars.twoLayers && flexure.two().ok() ? flexure.two() : flexure.one;
}

SteelRow faceRow(const FaceForces& face, bool left, int steel) {
    SteelRow row;
    row.place = left ? SteelPlace::LeftFace : SteelPlace::RightFace;
    row.support = face.support;
    row.x = face.x;
    row.moment = face.moment;
    row.quasiPermanentMoment = face.quasiPermanentMoment;
    row.topBars = true;
    row.tension = face.moment < 0;
    row.redistributed = face.redistributed;
    row.steel = steel;
    return row;
}

// The area verdict of bars shared by the two faces of support j, the same under both: the larger
// requirement is met, and the other side's is named ("② 轴两侧取大值 763.4 ≥ 708.9（右侧 699.9）").
void sayWhichSideGoverns(const Beam& beam, int j, BarChoice& bars, double leftNeed,
                         double rightNeed) {
    for (CalculationStep& step : bars.steps) {
        if (step.formula != kAreaVerdictFormula) {
            continue;
        }
        const bool enough = bars.area >= bars.requiredArea;
        const std::string other = leftNeed == rightNeed
                                      ? "两侧均为 " + steelAreaText(leftNeed)
                                      : (leftNeed > rightNeed ? "右侧 " + steelAreaText(rightNeed)
                                                              : "左侧 " + steelAreaText(leftNeed));
        step.formula = "As,实配 ≥ max(As左侧, As右侧)";
        step.result = axisLabel(beam, j) + " 轴两侧取大值 " + steelAreaText(bars.area) +
                      (enough ? " ≥ " : " < ") + steelAreaText(bars.requiredArea) + "（" + other +
                      "） mm² " + (enough ? "✔" : "✘");
    }
}

// The top bars over every support, for the faces meeting there, in the room of the narrower
// span with the thicker stirrups; then what the faces check with them.
void supportBars(const Beam& beam, BeamDesign& out, SteelsOf& steels,
                 const std::vector<std::vector<RowFlexure>>& flexures, Working working) {
    const int n = beam.spanCount();
    for (int j = 0; j <= n; ++j) {
        std::vector<Served> served;
        std::vector<std::pair<int, std::size_t>> places; // span, row
        for (int s : {j, j + 1}) {
            if (s < 1 || s > n) {
                continue;
            }
            const SpanDesign& d = out.spans[static_cast<std::size_t>(s - 1)];
            const SteelPlace place = s == j ? SteelPlace::RightFace : SteelPlace::LeftFace;
            for (std::size_t r = 0; r < d.rows.size(); ++r) {
                if (d.rows[r].place == place) {
                    served.push_back(
                        {&d, &d.rows[r], &flexures[static_cast<std::size_t>(s - 1)][r]});
                    places.emplace_back(s, r);
                }
            }
        }
        if (served.empty()) {
            continue; // a free end
        }
        const std::optional<BarSet>& given = supportDesign(beam, j).topBars;
        const Materials& m = steels.bars(served.front().row->steel);
        BarRoom room{BarFace::Top, HUGE_VAL, m.cover, 0};
        for (const Served& s : served) {
            room.width = std::min(room.width, double{s.span->section.width});
            room.stirrupDiameter = std::max(room.stirrupDiameter, stirrupDiameterOf(*s.span));
        }
        BarChoice bars = barsFor(given, demandOf(served, m), room, m, working);
        if (served.size() == 2) {
            sayWhichSideGoverns(beam, j, bars,
                                reportedFlexure(*served[0].flexure, bars).requiredArea,
                                reportedFlexure(*served[1].flexure, bars).requiredArea);
        }
        for (std::size_t k = 0; k < served.size(); ++k) {
            SpanDesign& d = out.spans[static_cast<std::size_t>(places[k].first - 1)];
            SteelRow& row = d.rows[places[k].second];
            const RowFlexure& flex = *served[k].flexure;
            row.bars = bars;
            row.provided = given.has_value();
            row.flexure = reportedFlexure(flex, bars);
            row.effectiveDepth = effectiveDepthOf(d, row, m);
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
            // the ductility where beta lowered the face's moment, with the bars over it (none:
            // no verdict)
            if (row.redistributed && bars.bars) {
                row.ductility =
                    checkDuctility(bars.area, row.flexure.compressionArea, d.section.width,
                                   effectiveDepthOf(d, row, m), m, working);
            }
        }
    }
}

// The rows of span d: its left face, its bottom bars, its top bars inside it where it hogs (or
// where top bars are provided) and its right face, each with the code of its set's steel.
void rowsOf(SpanDesign& d, const SpanForces& f, const Beam& beam, int s) {
    const int project = beam.design.longitudinalSteel;
    auto supportSteel = [&](int j) {
        const auto& bars = supportDesign(beam, j).topBars;
        return gradeOf(bars ? bars->grade : 0, project);
    };
    if (f.left.present) {
        d.rows.push_back(faceRow(f.left, true, supportSteel(s - 1)));
    }
    SteelRow bottom;
    bottom.place = SteelPlace::Bottom;
    bottom.x = f.bottomX;
    bottom.moment = f.bottomMoment;
    bottom.quasiPermanentMoment = f.quasiPermanentBottom;
    bottom.tension = f.bottomMoment > 0;
    bottom.steel = gradeOf(d.section.bottomBars ? d.section.bottomBars->grade : 0, project);
    d.rows.push_back(bottom);
    if (f.topMoment < 0 || d.section.topBars) {
        SteelRow top;
        top.place = SteelPlace::SpanTop;
        top.x = f.topX;
        top.moment = std::min(0.0f, f.topMoment);
        top.quasiPermanentMoment = f.quasiPermanentTop;
        top.topBars = true;
        top.tension = f.topMoment < 0;
        top.steel = gradeOf(d.section.topBars ? d.section.topBars->grade : 0, project);
        d.rows.push_back(top);
    }
    if (f.right.present) {
        d.rows.push_back(faceRow(f.right, false, supportSteel(s)));
    }
}

} // namespace

void steelOf(const BeamForces& forces, BeamDesign& out, const Beam& beam, SteelsOf& steels,
             Working working) {
    const int n = beam.spanCount();
    // the rows of every span, with their flexure in one and two layers
    std::vector<std::vector<RowFlexure>> flexures(static_cast<std::size_t>(n));
    for (int s = 1; s <= n; ++s) {
        SpanDesign& d = out.spans[static_cast<std::size_t>(s - 1)];
        const SpanForces& f = forces.span(s);
        rowsOf(d, f, beam, s);
        for (SteelRow& row : d.rows) {
            const Materials& m = steels.bars(row.steel);
            const FaceForces* face = row.place == SteelPlace::LeftFace    ? &f.left
                                     : row.place == SteelPlace::RightFace ? &f.right
                                                                          : nullptr;
            const double limit =
                face && face->beta > 0 ? std::min(m.balancedDepth, 0.35) : m.balancedDepth;
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
            const Materials& m = steels.bars(row.steel);
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
                row.effectiveDepth = effectiveDepthOf(d, row, m);
                continue;
            }
            row.bars = barsFor(given, demandOf({{&d, &row, &rowFlex[r]}}, m), room, m, working);
            row.flexure = reportedFlexure(rowFlex[r], row.bars);
            row.effectiveDepth = effectiveDepthOf(d, row, m);
        }
    }
    supportBars(beam, out, steels, flexures, working);
}

} // namespace spanwise::design_parts
