#include "detailing/DetailingParts.h"

#include "design/LongitudinalBars.h"

#include <algorithm>
#include <cstdio>

namespace spanwise::detailing_parts {

std::string lengthText(double mm) {
    const double whole = std::floor(mm + 0.5);
    if (std::fabs(mm - whole) < 1e-6) {
        return std::to_string(static_cast<long long>(whole));
    }
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.1f", std::floor(mm * 10 + 0.5) / 10);
    return buffer;
}

std::string metresText(double m) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.3f", std::floor(m * 1000 + 0.5) / 1000);
    std::string text = buffer;
    while (text.back() == '0') {
        text.pop_back();
    }
    if (text.back() == '.') {
        text.pop_back();
    }
    return text;
}

} // namespace spanwise::detailing_parts

namespace spanwise {

Anchorage anchorageFor(int concrete, double ft, int grade, int diameter) {
    // in whole numbers: α = 16/100 (plain) or 14/100 (ribbed), ft in hundredths (C60's above C60)
    const bool plain = detailing_parts::isPlain(grade);
    const long long alpha = plain ? 16 : 14;
    const long long fy = grade == 300 ? 270 : grade == 335 ? 300 : grade == 400 ? 360 : 435;
    const long long hundredths = concrete > 60 ? 204 : std::llround(ft * 100);
    const long long kab = (2 * alpha * fy + hundredths) / (2 * hundredths);
    Anchorage a;
    a.grade = grade;
    a.diameter = diameter;
    a.basicFactor = static_cast<int>(kab);
    a.factor = !plain && diameter > 25 ? static_cast<int>((11 * kab + 5) / 10) : a.basicFactor;
    a.basic = a.basicFactor * diameter;
    a.length = std::max(a.factor * diameter, 200);
    return a;
}

} // namespace spanwise

namespace spanwise::detailing_parts {

Context::Context(const DetailingInput& input, BeamDetailing& result) : in(input), out(result) {
    signs = input.member.signs == DrawingSigns::Codes ? SteelSigns::Codes
            : input.member.signs == DrawingSigns::Phi ? SteelSigns::Phi
                                                      : SteelSigns::Letters;
    node.push_back(0);
    for (const DetailingSpan& s : input.spans) {
        node.push_back(node.back() + s.length);
    }
    for (int s = 1; s <= spanCount(); ++s) {
        const auto k = static_cast<std::size_t>(s);
        const double left =
            span(s).freeLeft ? node[k - 1] : node[k - 1] + support(s - 1).width / 2.0;
        const double right = span(s).freeRight ? node[k] : node[k] - support(s).width / 2.0;
        leftFace.push_back(left);
        rightFace.push_back(right);
        clear.push_back(right - left);
    }
    for (const DetailingSupport& j : input.supports) {
        supportSets.push_back(j.top);
    }
}

const Anchorage& Context::anchorage(int grade, int diameter) {
    for (const Anchorage& a : out.anchorages) {
        if (a.grade == grade && a.diameter == diameter) {
            return a;
        }
    }
    out.anchorages.push_back(anchorageFor(in.concrete, in.ft, grade, diameter));
    std::sort(out.anchorages.begin(), out.anchorages.end(),
              [](const Anchorage& x, const Anchorage& y) {
                  return x.grade != y.grade ? x.grade < y.grade : x.diameter < y.diameter;
              });
    for (const Anchorage& a : out.anchorages) {
        if (a.grade == grade && a.diameter == diameter) {
            return a;
        }
    }
    return out.anchorages.front(); // not reached
}

int Context::extension(int j, int s, int row) const {
    const int n = spanCount();
    if (isEnd(j)) {
        if (out.endDetail == EndDetail::Pinned) {
            return roundUpTen(span(s).length / 5.0);
        }
        return roundUpTen(ln(s) / (row == 1 ? 3.0 : 4.0));
    }
    double longest = 0;
    for (int t : {j, j + 1}) {
        if (t >= 1 && t <= n) {
            longest = std::max(longest, ln(t));
        }
    }
    return roundUpTen(longest / (row == 1 ? 3.0 : 4.0));
}

int capacity(int diameter, int width, int stirrup, bool top, double cover) {
    return oneLayerCapacity(diameter, BarRoom{top ? BarFace::Top : BarFace::Bottom, double(width),
                                              cover, double(stirrup)});
}

int firstRow(const DetailedSet& set, bool top, double cover) {
    const int n = set.bars.count;
    const int cap = capacity(set.bars.diameter, set.roomWidth, set.roomStirrup, top, cover);
    return set.twoLayers && cap > 0 && n > cap ? cap : n;
}

std::string setText(const Context& c, const DetailedSet& set, bool top) {
    const std::string text = c.bars(set.bars);
    const int outer = firstRow(set, top, c.in.cover);
    const int inner = set.bars.count - outer;
    if (inner <= 0) {
        return text;
    }
    return text + " " +
           (top ? std::to_string(outer) + "/" + std::to_string(inner)
                : std::to_string(inner) + "/" + std::to_string(outer));
}

std::string stirrupZoneText(const Context& c, const StirrupZones& z) {
    const std::string sign = c.sign(z.set.grade) + std::to_string(z.set.diameter) + "@";
    const std::string legs = "(" + std::to_string(z.set.legs) + ")";
    if (z.middleZone) {
        return std::to_string(z.denseCount) + sign + std::to_string(z.denseSpacing) + "/" +
               std::to_string(z.middleSpacing) + legs;
    }
    return sign + std::to_string(z.set.spacing) + legs;
}

} // namespace spanwise::detailing_parts
