// The detailing of a beam, part by part: the member's name and end detail, the top bars at a
// simple end (9.2.6), the groups of supports joined by through spans, then the side bars, the
// stirrups, the annotation, every bar's run and the schedule.
#include "detailing/DetailingParts.h"

#include "design/HandCalculation.h"
#include "design/LongitudinalBars.h"

#include <algorithm>

namespace spanwise {

using namespace detailing_parts;

namespace detailing_parts {

namespace {

int yieldStrength(int grade) {
    return grade == 300 ? 270 : grade == 335 ? 300 : grade == 400 ? 360 : 435;
}

// fy·n·d²: the set's tensile strength up to a constant.
long long strengthOf(const BarSet& bars) {
    return 1LL * yieldStrength(bars.grade) * bars.count * bars.diameter * bars.diameter;
}

} // namespace

// 9.2.6-1: the top bars at a simple outer end reach a quarter of the bottom steel its span needs;
// a proposed set that does not is proposed again for that area, a provided one is kept with ✘.
void applyEndSupportMinimum(Context& c) {
    const int n = c.spanCount();
    for (int j : {0, n}) {
        const DetailingSupport& support = c.support(j);
        std::optional<DetailedSet>& set = c.supportSets[static_cast<std::size_t>(j)];
        if (!support.simpleEnd || !set) {
            continue;
        }
        const DetailingSpan& span = c.span(j == 0 ? 1 : n);
        const double need = span.bottomRequiredArea / 4;
        const double area = barArea(set->bars);
        if (area >= need) {
            continue;
        }
        const std::string name = "支座" + std::to_string(j);
        if (set->provided) {
            c.out.failures.push_back(name + "：上部钢筋 " + c.bars(set->bars) + "（" +
                                     steelAreaText(area) + " mm²）少于跨中下部钢筋计算面积的1/4（" +
                                     steelAreaText(need) + " mm²，GB 50010 9.2.6）");
            continue;
        }
        const BarRoom room{BarFace::Top, double(set->roomWidth), c.in.cover,
                           double(set->roomStirrup)};
        const BarChoice choice =
            proposeBars(BarDemand(BarRequirement{need, need}), c.in.proposedDiameters, room);
        if (!choice.bars) {
            c.out.failures.push_back(name + "：按9.2.6所需上部构造钢筋（" + steelAreaText(need) +
                                     " mm²）放不下");
            continue;
        }
        DetailedSet larger = *set;
        larger.bars = *choice.bars;
        larger.bars.grade = c.in.longitudinalSteel;
        larger.twoLayers = choice.twoLayers;
        c.out.changes.push_back(name + "：上部构造钢筋按9.2.6不少于跨中下部钢筋计算面积的1/4（" +
                                steelAreaText(need) + " mm²），由 " + c.bars(set->bars) + " 改为 " +
                                c.bars(larger.bars));
        set = larger;
    }
}

// 3.3: a span is through when the first-row extensions from its supports meet, or where the
// envelope hogs inside it; supports joined by through spans form a group, whose set is the
// strongest of its supports' sets and its through spans' 跨中负弯矩 sets, and must fit every span
// it lies in.
void groupSupports(Context& c) {
    const int n = c.spanCount();
    BeamDetailing& out = c.out;
    out.through.assign(static_cast<std::size_t>(n), false);
    out.throughWhy.assign(static_cast<std::size_t>(n), "");
    for (int s = 1; s <= n; ++s) {
        const auto k = static_cast<std::size_t>(s - 1);
        if (!c.span(s).heldAtBothEnds()) {
            out.throughWhy[k] = "悬臂：上部钢筋为其支座的钢筋，伸至悬臂端";
            continue;
        }
        const int aL = c.extension(s - 1, s, 1);
        const int aR = c.extension(s, s, 1);
        const std::string sum = "aL + aR = " + std::to_string(aL) + " + " + std::to_string(aR) +
                                " = " + std::to_string(aL + aR);
        const std::string ln = "ln = " + lengthText(c.ln(s));
        if (aL + aR >= c.ln(s) - 1e-6) {
            out.through[k] = true;
            out.throughWhy[k] = "贯通：" + sum + " ≥ " + ln;
        } else if (c.span(s).hogs) {
            out.through[k] = true;
            out.throughWhy[k] = "贯通：跨内有负弯矩（跨中负弯矩），" + sum + " < " + ln;
        } else {
            out.throughWhy[k] = "不贯通：" + sum + " < " + ln + "，上部钢筋截断，设架立筋";
        }
    }
    c.groupOf.assign(static_cast<std::size_t>(n + 1), -1);
    for (int j = 0; j <= n; ++j) {
        if (c.support(j).free) {
            continue;
        }
        const bool joined = j > 0 && out.through[static_cast<std::size_t>(j - 1)];
        if (!joined) {
            out.groups.push_back({j, j, {}, {}});
        }
        out.groups.back().last = j;
        c.groupOf[static_cast<std::size_t>(j)] = static_cast<int>(out.groups.size()) - 1;
    }
    for (BeamDetailing::Group& g : out.groups) {
        std::optional<DetailedSet> best;
        auto consider = [&](const std::optional<DetailedSet>& set) {
            if (set && (!best || strengthOf(set->bars) > strengthOf(best->bars))) {
                best = set;
            }
        };
        for (int j = g.first; j <= g.last; ++j) {
            consider(c.supportSets[static_cast<std::size_t>(j)]);
            if (j < g.last) {
                consider(c.span(j + 1).spanTop);
            }
        }
        if (!best) {
            continue; // not detailed: the design left the set without bars
        }
        g.set = *best;
        g.text = setText(c, g.set, true);
        // it lies in every span beside its supports: its first row must fit each
        std::string names;
        for (int j = g.first; j <= g.last; ++j) {
            names += (j > g.first ? "、" : "") + std::to_string(j);
        }
        const int first = firstRow(g.set, true, c.in.cover);
        for (int s = std::max(1, g.first); s <= std::min(n, g.last + 1); ++s) {
            const DetailingSpan& span = c.span(s);
            const int stirrup = span.stirrups ? span.stirrups->diameter : 0;
            const int cap =
                capacity(g.set.bars.diameter, span.width, std::max(stirrup, 6), true, c.in.cover);
            if (cap < first) {
                out.failures.push_back("支座" + names + "上部钢筋 " + g.text + " 第一排 " +
                                       std::to_string(first) + " 根在第" + std::to_string(s) +
                                       "跨（b = " + std::to_string(span.width) + "）放不下");
            }
        }
    }
}

} // namespace detailing_parts

namespace {

// 3.1: the spans held at both ends are counted, a cantilever adds A (two: B); L with a fixed end
// is Lg, a beam without a span held at both ends is XL.
void nameOf(Context& c) {
    int held = 0, cantilevers = 0;
    bool fixed = false;
    for (const DetailingSpan& s : c.in.spans) {
        (s.heldAtBothEnds() ? held : cantilevers) += 1;
    }
    for (const DetailingSupport& j : c.in.supports) {
        fixed = fixed || j.fixedEnd;
    }
    const MemberData& m = c.in.member;
    const std::string number = std::to_string(m.number);
    BeamDetailing& out = c.out;
    out.frame = m.code == MemberCode::Frame;
    if (held == 0) {
        out.name = "XL" + number;
        out.endDetail = EndDetail::Frame;
        return;
    }
    const std::string prefix = out.frame ? "KL" : fixed ? "Lg" : "L";
    out.name = prefix + number + "(" + std::to_string(held) +
               (cantilevers == 1   ? "A"
                : cantilevers == 2 ? "B"
                                   : "") +
               ")";
    out.endDetail = out.frame ? EndDetail::Frame : fixed ? EndDetail::Full : EndDetail::Pinned;
}

} // namespace

int outerRowOf(const DetailedSet& set, bool top, double cover) {
    return firstRow(set, top, cover);
}

BeamDetailing detailBeam(const DetailingInput& in) {
    BeamDetailing out;
    out.missing = in.missing;
    if (!out.missing.empty() || in.spans.empty() || in.supports.size() != in.spans.size() + 1) {
        return out;
    }
    Context c(in, out);
    nameOf(c);
    applyEndSupportMinimum(c);
    groupSupports(c);
    stirrupZonesOf(c);
    sideBarsOf(c);
    additionalStirrupsOf(c);
    topRunsOf(c);
    annotate(c);
    bottomRunsOf(c);
    scheduleOf(c);
    DetailedGeometry& g = out.geometry;
    g.node = c.node;
    g.cover = in.cover;
    g.tensionCover = in.tensionCover;
    g.groupOfSupport = c.groupOf;
    for (const DetailingSupport& j : in.supports) {
        g.supportWidth.push_back(j.width);
        g.freeNode.push_back(j.free);
    }
    for (int s = 1; s <= c.spanCount(); ++s) {
        const DetailingSpan& span = c.span(s);
        const auto k = static_cast<std::size_t>(s - 1);
        g.spans.push_back({span.length, span.width, span.depth, span.flangeWidth, span.flangeDepth,
                           span.freeLeft, span.freeRight, c.leftFace[k], c.rightFace[k],
                           *span.bottom});
    }
    out.detailed = true;
    return out;
}

} // namespace spanwise
