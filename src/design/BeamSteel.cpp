// The longitudinal steel of the beam's design: the design sections of every span with their
// flexure in one layer and two, the bars of each span (bottom bars, top bars inside it), then the
// top bars over every support, shared by the faces of the spans meeting there, with the
// compression steel and the ductility those faces check.
#include "design/BeamDesignParts.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace spanwise::design_parts {

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

namespace {

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

void steelOf(const BeamForces& forces, BeamDesign& out, const Beam& beam, Working working) {
    const Materials& m = out.materials;
    const int n = beam.spanCount();
    const double balanced = m.balancedDepth;
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
}

} // namespace spanwise::design_parts
