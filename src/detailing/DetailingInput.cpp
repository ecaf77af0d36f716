#include "detailing/DetailingInput.h"

#include "analysis/NumberFormat.h"
#include "design/BeamDesignParts.h"
#include "model/Axes.h"

#include <algorithm>
#include <cmath>

namespace spanwise {

int millimetres(double metres) {
    return static_cast<int>(std::floor(metres * 1000 + 0.5));
}

namespace {

int wholeMillimetres(double mm) {
    return static_cast<int>(std::floor(mm + 0.5));
}

const SteelRow* rowAt(const SpanDesign& d, SteelPlace place) {
    for (const SteelRow& row : d.rows) {
        if (row.place == place) {
            return &row;
        }
    }
    return nullptr;
}

std::optional<DetailedSet> setOf(const SteelRow* row, int roomWidth, int roomStirrup) {
    if (row == nullptr || !row->bars.bars) {
        return std::nullopt;
    }
    BarSet bars = *row->bars.bars;
    bars.grade = row->steel;
    return DetailedSet{bars, row->bars.twoLayers, row->provided, roomWidth, roomStirrup};
}

// The places inside span s where the shear of an arrangement may turn: its ends, every force
// and couple, the ends of a block of load and, on a linear load that changes its sign, where it
// passes zero (m from the span's left end).
std::vector<double> shearTurns(const Span& span) {
    std::vector<double> at;
    for (const Load& load : span.loads) {
        at.push_back(load.a);
        switch (load.kind) {
        case Trapezoidal:
            at.push_back(double{span.length} - load.a);
            break;
        case PartialUniform:
            at.push_back(double{load.a} + load.c);
            break;
        case Linear:
            at.push_back(double{load.a} + load.c);
            if ((load.q < 0) != (load.P < 0) && load.q != load.P) {
                at.push_back(load.a + load.c * load.q / (double{load.q} - load.P));
            }
            break;
        default:
            break;
        }
    }
    return at;
}

} // namespace

DetailingInput detailingInput(const Beam& beam, const BeamDesign& design, const BeamForces& forces,
                              const Envelope& envelope) {
    DetailingInput in;
    in.member = beam.member;
    in.concrete = beam.design.concrete;
    in.longitudinalSteel = beam.design.longitudinalSteel;
    in.stirrupSteel = beam.design.stirrupSteel;
    in.cover = design.materials.cover;
    in.tensionCover = design.materials.tensionCover;
    in.ft = design.materials.ft;
    in.environment = design.materials.environmentName;
    in.proposedDiameters = design.materials.proposedDiameters;
    in.designPassed = design.failures().empty();
    const int n = beam.spanCount();
    // the drawing counts in whole millimetres: a span no drawing holds is not detailed
    for (int s = 1; s <= n; ++s) {
        if (!(beam.span(s).length <= kLongestDetailedSpan)) {
            in.missing.push_back(
                "第" + std::to_string(s) + "跨跨度 " + formatResult(beam.span(s).length) +
                " m 超出配筋详图的范围（不大于 " + formatResult(kLongestDetailedSpan) + " m）");
        }
    }
    if (!in.missing.empty()) {
        return in;
    }
    const double importance = forces.importance;

    for (int j = 0; j <= n; ++j) {
        DetailingSupport support;
        support.free = isFreeEnd(beam, j);
        support.width = support.free ? 0 : millimetres(supportDesign(beam, j).width);
        const SupportKind outer =
            j == 0 ? beam.leftSupport : (j == n ? beam.rightSupport : Cantilever);
        support.simpleEnd = (j == 0 || j == n) && !support.free && outer == Simple;
        support.fixedEnd = (j == 0 || j == n) && !support.free && outer == Fixed;
        support.beta = supportDesign(beam, j).redistribution;
        // the bars over it, in the room the design gave them: the narrower span, the thicker
        // stirrups
        int width = 1 << 30, stirrup = 0;
        const SteelRow* row = nullptr;
        for (int s : {j, j + 1}) {
            if (s < 1 || s > n) {
                continue;
            }
            const SpanDesign& d = design.span(s);
            width = std::min(width, wholeMillimetres(d.section.width));
            stirrup = std::max(stirrup, wholeMillimetres(design_parts::stirrupDiameterOf(d)));
            row = row ? row : rowAt(d, s == j ? SteelPlace::RightFace : SteelPlace::LeftFace);
        }
        if (!support.free) {
            support.top = setOf(row, width, stirrup);
        }
        in.supports.push_back(support);
    }

    for (int s = 1; s <= n; ++s) {
        const SpanDesign& d = design.span(s);
        const SpanEnds ends = spanEnds(beam, s);
        DetailingSpan span;
        span.length = millimetres(beam.span(s).length);
        span.width = wholeMillimetres(d.section.width);
        span.depth = wholeMillimetres(d.section.depth);
        span.flangeWidth = wholeMillimetres(d.section.flangeWidth);
        span.flangeDepth = wholeMillimetres(d.section.flangeDepth);
        span.freeLeft = ends.left == EndSupport::Free;
        span.freeRight = ends.right == EndSupport::Free;
        const int stirrup = wholeMillimetres(design_parts::stirrupDiameterOf(d));
        const SteelRow* bottom = rowAt(d, SteelPlace::Bottom);
        span.bottom = setOf(bottom, span.width, stirrup);
        span.bottomRequiredArea = bottom ? bottom->flexure.requiredArea : 0;
        if (const SteelRow* face = rowAt(d, SteelPlace::LeftFace)) {
            span.compressionLeft = face->compression.has_value();
        }
        if (const SteelRow* face = rowAt(d, SteelPlace::RightFace)) {
            span.compressionRight = face->compression.has_value();
        }
        if (const SteelRow* top = rowAt(d, SteelPlace::SpanTop)) {
            span.hogs = top->tension;
            span.spanTop = setOf(top, span.width, stirrup);
        }
        if (d.stirrups.stirrups) {
            span.stirrups = *d.stirrups.stirrups;
            span.stirrups->grade = d.stirrupSteel;
        }
        span.stirrupsProvided = d.stirrupsProvided;
        double alpha = HUGE_VAL;
        for (const FaceShear* face : {&d.left, &d.right}) {
            if (face->present) {
                alpha = std::min(alpha, face->result.concreteFactor);
            }
        }
        span.alphaCv = std::isfinite(alpha) ? alpha : 0.7;
        const double leftFace = supportDesign(beam, s - 1).width / 2.0;
        const std::vector<double> turns = shearTurns(beam.span(s));
        const Envelope* env = &envelope;
        span.largestShear = [env, s, leftFace, turns, importance](double from, double to) {
            std::vector<double> at{leftFace + from / 1000, leftFace + to / 1000};
            for (double x : turns) {
                if (x > at[0] && x < at[1]) {
                    at.push_back(x);
                }
            }
            double most = 0;
            for (double x : at) {
                const EnvelopeSection e = env->at(s, static_cast<float>(x));
                for (const Extreme* v :
                     {&e.maxShearLeft, &e.minShearLeft, &e.maxShearRight, &e.minShearRight}) {
                    most = std::max(most, std::fabs(double{v->value}));
                }
            }
            return most * importance;
        };
        for (const Hanger& h : d.hangers) {
            if (h.steel.area > 0) {
                span.forces.push_back({h.x, h.steel.force, h.steel.area});
            }
        }
        in.spans.push_back(std::move(span));
    }

    // the sets the design left without bars, from the left: a support before the span to its
    // right, in a span its bottom bars, its top bars inside it, its stirrups
    for (int j = 0; j <= n; ++j) {
        if (!in.supports[static_cast<std::size_t>(j)].free &&
            !in.supports[static_cast<std::size_t>(j)].top) {
            in.missing.push_back("支座" + std::to_string(j) + "上部钢筋放不下（设计无钢筋）");
        }
        if (j == n) {
            break;
        }
        const DetailingSpan& span = in.spans[static_cast<std::size_t>(j)];
        const std::string name = "第" + std::to_string(j + 1) + "跨";
        if (!span.bottom) {
            in.missing.push_back(name + "下部钢筋放不下（设计无钢筋）");
        }
        if (span.heldAtBothEnds() && span.hogs && !span.spanTop) {
            in.missing.push_back(name + "跨中上部钢筋放不下（设计无钢筋）");
        }
        if (!span.stirrups) {
            in.missing.push_back(name + "无箍筋（截面不满足受剪要求或无满足要求的箍筋）");
        }
    }
    return in;
}

} // namespace spanwise
