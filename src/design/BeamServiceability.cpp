// The serviceability of the beam's design: the crack width of every design section under its
// quasi-permanent moment, the additional transverse reinforcement under concentrated forces, and
// each span's deflection with the long-term stiffness B (a cantilever's tip with the rotation
// of its support taken with the stiffness of the span beside it).
#include "design/BeamDesignParts.h"

#include "analysis/Deflection.h"
#include "analysis/SpanCurve.h"
#include "design/HandCalculation.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace spanwise::design_parts {

namespace {

// The section of a row with its bars (in their layers) under the quasi-permanent moment.
ServiceSection rowSection(const SpanDesign& d, const SteelRow& row, const Materials& m) {
    return serviceSection(d, row, m, row.bars.bars ? *row.bars.bars : BarSet{}, row.bars.twoLayers);
}

const SteelRow* rowAt(const SpanDesign& d, SteelPlace place) {
    for (const SteelRow& row : d.rows) {
        if (row.place == place) {
            return &row;
        }
    }
    return nullptr;
}

// The hanger steel at every place strictly between the faces where concentrated forces act (a
// cantilever's free end included), their design values summed by place.
std::vector<Hanger> hangersOf(const Beam& beam, int s, const SpanForces& f, const Materials& m,
                              Working working) {
    std::map<float, double> byPlace;
    const BaseSystem base = baseSystem(beam, s);
    const float L = beam.span(s).length;
    for (const PlacedForce& p : concentratedForces(beam, s)) {
        const bool freeEnd = (base == BaseSystem::FreeRight && p.x >= L) ||
                             (base == BaseSystem::FreeLeft && p.x <= 0);
        if ((p.x > f.from && p.x < f.to) || freeEnd) {
            byPlace[p.x] += p.force;
        }
    }
    std::vector<Hanger> out;
    for (const auto& [x, force] : byPlace) {
        out.push_back({x, additionalTransverse(force, m, working)});
    }
    return out;
}

// The tip deflection of a cantilever under its own loads of one case with its root held, mm:
// the unit load's virtual work, -∫ M(xi)·xi dxi / EI with xi from the free end, exact on each
// cubic piece of the span's curve.
double ownTip(const Beam& beam, int s, LoadCase loadCase) {
    const SpanCurve curve(beam, s, loadCase);
    if (!curve.exact()) {
        return 0;
    }
    double integral = 0;
    for (int p = 0; p < curve.pieceCount(); ++p) {
        const double a = curve.pieceStart(p), h = curve.pieceEnd(p) - a;
        const std::array<double, 4> c = curve.moment(p);
        double part = 0, hp = h;
        for (int k = 0; k < 4; ++k) { // ∫ c_k t^k (a + t) dt over 0..h
            part += c[static_cast<std::size_t>(k)] * (a * hp / (k + 1) + hp * h / (k + 2));
            hp *= h;
        }
        integral += part;
    }
    return -integral / beam.span(s).ei * 1000;
}

// The check of a deflection against l0/n of the span.
void judge(LongTermDeflection& d, StepWriter& steps) {
    // a deflection that is zero by mechanics decides nothing by its round-off
    if (std::fabs(d.deflection) < kDeflectionRoundOff) {
        d.deflection = 0;
    }
    if (std::fabs(d.elastic) < kDeflectionRoundOff) {
        d.elastic = 0;
    }
    d.ratio = d.deflection > 0 ? d.checkLength * 1000 / d.deflection : 0;
    const bool ok = d.deflection <= 0 || d.ratio >= d.limitDenominator;
    d.state = ok ? CheckState::Passed : CheckState::Failed;
    steps.add([&] {
        return CalculationStep{
            "3.4.3", "l0/f",
            d.deflection > 0 ? trimmedText(d.checkLength * 1000) + "/" + fixedText(d.deflection, 2)
                             : std::string(),
            (d.deflection > 0 ? trimmedText(d.ratio, 0) : std::string("不下挠")) +
                (ok ? " ≥ " : " < ") + trimmedText(d.limitDenominator, 0)};
    });
    if (!ok) {
        d.words = "l0/f = " + trimmedText(d.ratio, 0) + " < " + trimmedText(d.limitDenominator, 0);
    }
}

// B of a span from the row its deflection is measured with; false (with the words) where none.
bool stiffnessOf(LongTermDeflection& out, const SpanDesign& d, const SteelRow* row,
                 SteelsOf& steels, Working working) {
    if (row == nullptr) {
        out.words = "无支座边缘截面，不验算挠度";
        return false;
    }
    if (!row->bars.bars) {
        out.words = "钢筋放不下，不验算挠度";
        return false;
    }
    const Materials& m = steels.bars(row->steel);
    out.stiffness = longTermStiffness(rowSection(d, *row, m), m, working);
    if (out.stiffness.state != CheckState::Passed) {
        out.state = out.stiffness.state;
        out.words = out.stiffness.words;
        return false;
    }
    out.steps = out.stiffness.steps; // empty where the steps are not recorded
    return true;
}

} // namespace

void serviceability(const Beam& beam, const BeamForces& forces, const Envelope& envelope,
                    BeamDesign& design, SteelsOf& steels, Working working) {
    const int n = beam.spanCount();
    for (SpanDesign& d : design.spans) {
        for (SteelRow& row : d.rows) {
            if (row.place == SteelPlace::SpanTop && !row.tension) {
                row.crack.words = "不需要跨中上部钢筋，不验算";
                continue;
            }
            const Materials& m = steels.bars(row.steel);
            row.crack = crackWidth(rowSection(d, row, m), m, working);
        }
        d.hangers =
            hangersOf(beam, d.span, forces.span(d.span), steels.stirrups(d.stirrupSteel), working);
    }

    // deflections: the spans held at both ends first, whose stiffness a cantilever beside one
    // takes for the rotation of its support
    const BeamDeflection quasi(beam, envelope, DeflectionCombination::QuasiPermanent);
    for (SpanDesign& d : design.spans) {
        const SpanDeflection& elastic = quasi.span(d.span);
        LongTermDeflection& out = d.deflection;
        out.rigidity = double{beam.span(d.span).ei} * 1e9;
        out.checkLength = elastic.checkLength;
        out.limitDenominator = elastic.limitDenominator;
        if (elastic.cantilever) {
            continue;
        }
        out.elastic = elastic.max.value;
        if (!stiffnessOf(out, d, rowAt(d, SteelPlace::Bottom), steels, working)) {
            continue;
        }
        out.deflection = out.elastic * out.rigidity / out.stiffness.longTerm;
        StepWriter steps(working, out.steps);
        steps.formula("7.2.2", "f = w·EI/B",
                      {{"w", out.elastic, twoDecimalsText},
                       {"EI", out.rigidity, stiffnessText},
                       {"B", out.stiffness.longTerm, stiffnessText}},
                      [&] { return twoDecimalsText(out.deflection) + " mm"; });
        judge(out, steps);
    }
    for (SpanDesign& d : design.spans) {
        const SpanDeflection& elastic = quasi.span(d.span);
        if (!elastic.cantilever) {
            continue;
        }
        LongTermDeflection& out = d.deflection;
        out.cantileverTip = true;
        const bool freeRight = baseSystem(beam, d.span) == BaseSystem::FreeRight;
        out.elastic = elastic.tip;
        const SteelRow* root = rowAt(d, freeRight ? SteelPlace::LeftFace : SteelPlace::RightFace);
        if (!stiffnessOf(out, d, root, steels, working)) {
            continue;
        }
        // the span beside it turns the cantilever's root: its EI/B; none at a fixed end
        const int beside = freeRight ? d.span - 1 : d.span + 1;
        double besideRatio = 0;
        if (beside >= 1 && beside <= n) {
            const LongTermDeflection& other =
                design.spans[static_cast<std::size_t>(beside - 1)].deflection;
            if (!(other.stiffness.state == CheckState::Passed && other.stiffness.longTerm > 0)) {
                out.state = CheckState::NotChecked;
                out.words = "相邻跨无长期刚度 B，悬臂端挠度不验算";
                continue;
            }
            besideRatio = other.rigidity / other.stiffness.longTerm;
        }
        const double ownRatio = out.rigidity / out.stiffness.longTerm;
        // each part of the tip: its own curvature with B, the rest (the root's turn) with the
        // neighbour's; the live parts where they push the tip down
        const double psi = beam.deflection.quasiPermanent;
        const BeamDeflection::LineParts parts =
            quasi.partsAt(d.span, freeRight ? beam.span(d.span).length : 0.0f);
        auto longTerm = [&](double tip, double own) {
            return (tip - own) * besideRatio + own * ownRatio;
        };
        double f = longTerm(parts.fixed, ownTip(beam, d.span, Dead));
        f += std::max(0.0, longTerm(parts.ownLive, psi * ownTip(beam, d.span, Live)));
        for (const auto& [span, tip] : parts.otherLive) {
            f += std::max(0.0, longTerm(tip, 0.0));
        }
        out.deflection = f;
        StepWriter steps(working, out.steps);
        steps.add([&] {
            return CalculationStep{"7.2.2", "f = θs·l·EI'/B' + (w − θs·l)·EI/B",
                                   "EI'/B' = " + threeDecimalsText(besideRatio) +
                                       "，EI/B = " + threeDecimalsText(ownRatio),
                                   twoDecimalsText(out.deflection) + " mm"};
        });
        judge(out, steps);
    }
}

} // namespace spanwise::design_parts
