// The stirrups along each span, the side bars and their ties, the additional stirrups at the
// concentrated forces, and the 平法 texts: the 集中标注 on the reference span and the 原位 texts
// at the supports and the spans.
#include "detailing/DetailingParts.h"

#include "design/Shear.h"

#include <algorithm>
#include <numbers>

namespace spanwise::detailing_parts {

namespace {

constexpr double kPi = std::numbers::pi;

int stirrupYield(int grade) {
    return std::min(grade == 300 ? 270 : grade == 335 ? 300 : grade == 400 ? 360 : 435, 360);
}

std::string sectionText(const DetailingSpan& s) {
    return std::to_string(s.width) + "×" + std::to_string(s.depth);
}

} // namespace

// 5.1–5.4: one spacing, or n1 dense stirrups at each end of a span held at both ends whose
// stirrups were proposed and whose supports are not redistributed, and a middle zone at the
// largest spacing its own shear allows.
void stirrupZonesOf(Context& c) {
    const int n = c.spanCount();
    for (int s = 1; s <= n; ++s) {
        const DetailingSpan& span = c.span(s);
        StirrupZones z;
        z.span = s;
        if (!span.stirrups) {
            c.out.stirrups.push_back(z);
            continue;
        }
        z.set = *span.stirrups;
        z.denseSpacing = z.set.spacing;
        const double ln = c.ln(s);
        const double s1 = z.set.spacing;
        z.dense = !span.stirrupsProvided && span.heldAtBothEnds() && c.support(s - 1).beta == 0 &&
                  c.support(s).beta == 0;
        if (z.dense) {
            const double zone = std::max(1.5 * span.depth, 500.0);
            z.denseCount = static_cast<int>(std::ceil((zone - 50) / s1 - 1e-9)) + 1;
            z.denseEnd = 50 + (z.denseCount - 1) * s1;
            if (z.denseEnd < ln - z.denseEnd && span.largestShear) {
                z.middleShear = span.largestShear(z.denseEnd, ln - z.denseEnd);
                const double h0 = span.depth - c.in.tensionCover;
                const double fyv = stirrupYield(z.set.grade);
                const double vc = span.alphaCv * c.in.ft * span.width * h0; // N
                const double v = z.middleShear * 1000;
                const bool calculated = v > vc;
                z.middleRequirement =
                    calculated ? std::max((v - vc) / (fyv * h0), 0.24 * c.in.ft / fyv * span.width)
                               : 0;
                const int widest = stirrupDetailing(span.depth, calculated).widestSpacing;
                const double legArea = z.set.legs * kPi * z.set.diameter * z.set.diameter / 4;
                for (int s2 = 400; s2 >= 100; s2 -= 50) {
                    if (s2 <= widest && legArea / s2 >= z.middleRequirement - 1e-12) {
                        z.middleSpacing = s2;
                        break;
                    }
                }
                const double gap = ln - 2 * z.denseEnd;
                z.middleZone = z.middleSpacing > s1 && gap > z.middleSpacing;
                if (z.middleZone) {
                    z.middleCount = static_cast<int>(std::ceil(gap / z.middleSpacing - 1e-9)) - 1;
                }
            }
        }
        z.count = z.middleZone
                      ? 2 * z.denseCount + z.middleCount
                      : std::max(2, static_cast<int>(std::ceil((ln - 100) / s1 - 1e-9)) + 1);
        z.text = stirrupZoneText(c, z);
        c.out.stirrups.push_back(z);
    }
}

// 3.6, 4.7: G bars where hw ≥ 450 (gaps of at most 200, each side 0.1 % of b·hw, the smallest
// diameter from 10 that gives it); a span that needs none takes the reference span's; ties on
// every row of them.
void sideBarsOf(Context& c) {
    const int n = c.spanCount();
    int reference = 1;
    while (reference < n && !c.span(reference).heldAtBothEnds()) {
        ++reference;
    }
    c.out.referenceSpan = reference;
    std::vector<SideBars> bars(static_cast<std::size_t>(n));
    for (int s = 1; s <= n; ++s) {
        const DetailingSpan& span = c.span(s);
        SideBars& g = bars[static_cast<std::size_t>(s - 1)];
        g.span = s;
        const double hw =
            span.depth - c.in.tensionCover - (span.flangeWidth > 0 ? span.flangeDepth : 0);
        if (hw < 450) {
            continue;
        }
        g.needed = true;
        g.perSide = static_cast<int>(std::ceil(hw / 200 - 1e-9)) - 1;
        const double need = 0.001 * span.width * hw;
        for (;; ++g.perSide) {
            for (int d : {10, 12, 14, 16, 18, 20, 22, 25}) {
                if (g.perSide * kPi * d * d / 4 >= need - 1e-9) {
                    g.diameter = d;
                    break;
                }
            }
            if (g.diameter > 0) {
                break;
            }
        }
    }
    const SideBars own = bars[static_cast<std::size_t>(reference - 1)];
    for (int s = 1; s <= n; ++s) {
        SideBars& g = bars[static_cast<std::size_t>(s - 1)];
        if (!g.needed && own.needed) {
            g.perSide = own.perSide;
            g.diameter = own.diameter;
        }
        if (g.perSide == 0) {
            continue;
        }
        const DetailingSpan& span = c.span(s);
        const int grade = c.in.longitudinalSteel;
        g.text = "G" + std::to_string(2 * g.perSide) + c.sign(grade) + std::to_string(g.diameter);
        c.anchorage(grade, g.diameter);
        const double lap = 15.0 * g.diameter;
        g.length =
            roundUpTen(span.heldAtBothEnds() ? c.ln(s) + 2 * lap : c.ln(s) - c.in.cover + lap);
        const StirrupZones& z = c.out.stirrups[static_cast<std::size_t>(s - 1)];
        g.tieDiameter = span.width <= 350 ? 6 : 8;
        g.tieSpacing = 2 * (z.middleZone ? z.middleSpacing : z.set.spacing);
        if (g.tieSpacing > 0) {
            g.tiesPerRow = static_cast<int>(std::ceil((c.ln(s) - 100) / g.tieSpacing - 1e-9)) + 1;
        }
        g.tieLength = roundUpTen(span.width - 2 * c.in.cover + 2 * stirrupHook(g.tieDiameter));
    }
    c.out.sideBars = std::move(bars);
}

// 3.9: at each force, closed stirrups of the span's legs in s = 2h1 + 3bs, at least 3 each side
// at 50 from the secondary beam's face; the least diameter from the span's own that fits.
void additionalStirrupsOf(Context& c) {
    const int bs = c.in.member.secondaryWidth;
    const int h1 = c.in.member.secondaryDrop;
    for (int s = 1; s <= c.spanCount(); ++s) {
        const DetailingSpan& span = c.span(s);
        if (!span.stirrups) {
            continue;
        }
        for (const HangerForce& f : span.forces) {
            AdditionalStirrups a;
            a.span = s;
            a.x = f.x;
            a.force = f.force;
            a.area = f.area;
            a.legs = span.stirrups->legs;
            a.fits = false;
            for (int d : {6, 8, 10, 12, 14}) {
                if (d < span.stirrups->diameter) {
                    continue;
                }
                a.diameter = d;
                a.perSide = std::max(
                    3, static_cast<int>(std::ceil(f.area / (2 * a.legs * kPi * d * d / 4) - 1e-9)));
                if (50 * a.perSide <= h1 + bs) {
                    a.fits = true;
                    break;
                }
            }
            a.text = std::to_string(2 * a.perSide) + c.sign(c.in.stirrupSteel) +
                     std::to_string(a.diameter) + "(" + std::to_string(a.legs) + ")";
            if (!a.fits) {
                c.out.failures.push_back("第" + std::to_string(s) + "跨 x = " + metresText(f.x) +
                                         " m 附加箍筋每侧 " + std::to_string(a.perSide) +
                                         " 根超出 s = 2h1 + 3b 范围，宜改用吊筋");
            }
            c.out.additional.push_back(a);
        }
    }
}

// 3.7, 3.8: the 集中标注 on the reference span and the 原位 texts.
void annotate(Context& c) {
    BeamDetailing& out = c.out;
    const int n = c.spanCount();
    const int ref = out.referenceSpan;
    const DetailingSpan& reference = c.span(ref);
    const StirrupZones& refZones = out.stirrups[static_cast<std::size_t>(ref - 1)];
    const SideBars& refSide = out.sideBars[static_cast<std::size_t>(ref - 1)];
    std::vector<std::string> bottoms;
    for (const DetailingSpan& s : c.in.spans) {
        bottoms.push_back(setText(c, *s.bottom, false));
    }
    out.bottomTexts = bottoms;
    const bool oneBottom = std::all_of(bottoms.begin(), bottoms.end(),
                                       [&](const std::string& t) { return t == bottoms.front(); });
    const bool oneGroup = out.groups.size() == 1;
    std::string item4;
    if (oneGroup) {
        item4 = out.groups.front().text;
    } else {
        for (const std::string& text : out.erectionTexts) {
            if (!text.empty()) {
                item4 = text;
                break;
            }
        }
    }
    out.centralLines = {out.name + " " + sectionText(reference), refZones.text,
                        item4 + (oneBottom ? ";" + bottoms.front() : "")};
    if (!refSide.text.empty()) {
        out.centralLines.push_back(refSide.text);
    }
    out.supportTexts.assign(static_cast<std::size_t>(n + 1), "");
    for (int j = 0; j <= n; ++j) {
        const int g = c.groupOf[static_cast<std::size_t>(j)];
        if (g >= 0 && !oneGroup) {
            out.supportTexts[static_cast<std::size_t>(j)] =
                out.groups[static_cast<std::size_t>(g)].text;
        }
    }
    out.spanTexts.assign(static_cast<std::size_t>(n), {});
    for (int s = 1; s <= n; ++s) {
        const auto k = static_cast<std::size_t>(s - 1);
        const DetailingSpan& span = c.span(s);
        BeamDetailing::SpanTexts& t = out.spanTexts[k];
        if (span.heldAtBothEnds()) {
            const std::string top = out.through[k]
                                        ? out.groups[static_cast<std::size_t>(c.groupOf[k])].text
                                        : out.erectionTexts[k];
            t.top = top == item4 ? std::string() : top;
        }
        if (!oneBottom) {
            t.bottom = bottoms[k];
        }
        if (sectionText(span) != sectionText(reference)) {
            t.overrides.push_back(sectionText(span));
        }
        if (out.stirrups[k].text != refZones.text) {
            t.overrides.push_back(out.stirrups[k].text);
        }
        if (out.sideBars[k].text != refSide.text) {
            t.overrides.push_back(out.sideBars[k].text);
        }
    }
}

} // namespace spanwise::detailing_parts
