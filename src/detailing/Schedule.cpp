// The bar schedule (钢筋表): every bar of the beam as an item with its shape, single length and
// count, items of the same shape one line; the weights, the concrete of the webs and the steel
// per m³; and the drawing's notes.
#include "detailing/DetailingParts.h"

#include <cstdio>

namespace spanwise::detailing_parts {

namespace {

std::string hundredthsText(long long hundredths) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%lld.%02lld", hundredths / 100, hundredths % 100);
    return buffer;
}

std::string part(double mm) {
    return std::to_string(roundUpWhole(mm));
}

// "+2弯钩" for two HPB300 hooks, "+弯钩" for one.
std::string hooks(const BarEnd& left, const BarEnd& right) {
    const int count = (left.hook ? 1 : 0) + (right.hook ? 1 : 0);
    return count == 2 ? "+2弯钩" : count == 1 ? "+弯钩" : "";
}

// A longitudinal bar's shape: straight, or bent at one or both ends (down for top bars, up for
// bottom bars), its parts from the left.
std::string barShape(const BarEnd& left, const BarEnd& right, bool top) {
    const std::string straight = part(right.x - left.x);
    std::string text;
    if (left.bend > 0 && right.bend > 0) {
        text = std::string(top ? "┌┐ " : "└┘ ") + part(left.bend) + "+" + straight + "+" +
               part(right.bend);
    } else if (left.bend > 0) {
        text = std::string(top ? "┌ " : "└ ") + part(left.bend) + "+" + straight;
    } else if (right.bend > 0) {
        text = std::string(top ? "┐ " : "┘ ") + straight + "+" + part(right.bend);
    } else {
        text = "直 " + straight;
    }
    return text + hooks(left, right);
}

struct Item {
    std::string kind, shape;
    int grade = 0, diameter = 0, length = 0, count = 0;
};

} // namespace

void scheduleOf(Context& c) {
    BeamDetailing& out = c.out;
    const int n = c.spanCount();
    const double cover = c.in.cover;
    std::vector<Item> items;
    auto add = [&](Item item) {
        if (item.count <= 0) {
            return;
        }
        for (Item& kept : items) {
            if (kept.kind == item.kind && kept.shape == item.shape && kept.grade == item.grade &&
                kept.diameter == item.diameter) {
                kept.count += item.count;
                return;
            }
        }
        items.push_back(item);
    };
    for (const BottomRun& r : out.bottomRuns) {
        add({"下部纵筋", barShape(r.left, r.right, false), r.bars.grade, r.bars.diameter, r.length,
             r.bars.count});
    }
    for (const TopRun& r : out.topRuns) {
        add({"上部纵筋", barShape(r.left, r.right, true), r.bars.grade, r.bars.diameter, r.length,
             r.bars.count});
    }
    for (int s = 1; s <= n; ++s) {
        const int length = out.erectionLengths[static_cast<std::size_t>(s - 1)];
        if (length > 0) {
            add({"架立筋", "直 " + std::to_string(length), c.in.longitudinalSteel,
                 *out.erectionDiameter, length, c.span(s).stirrups->legs});
        }
    }
    for (const SideBars& g : out.sideBars) {
        if (g.perSide > 0) {
            add({"腰筋", "直 " + std::to_string(g.length), c.in.longitudinalSteel, g.diameter,
                 g.length, 2 * g.perSide});
        }
    }
    // hoops of a span's section with stirrups of d and the legs given, count positions each
    auto hoops = [&](const char* kind, int s, int d, int legs, int grade, int positions) {
        const DetailingSpan& span = c.span(s);
        const double width = span.width - 2 * cover;
        const double height = span.depth - 2 * cover;
        const double hook2 = 2 * stirrupHook(d);
        add({kind, "箍 " + part(width) + "×" + part(height), grade, d,
             roundUpTen(2 * width + 2 * height + hook2), positions});
        if (legs >= 4) {
            const double inner = width / (legs - 1);
            add({kind, "箍 " + part(inner) + "×" + part(height), grade, d,
                 roundUpTen(2 * inner + 2 * height + hook2), positions * (legs - 2) / 2});
        }
        if (legs == 3) {
            add({kind, "单肢 " + part(height), grade, d, roundUpTen(height + hook2), positions});
        }
    };
    for (const StirrupZones& z : out.stirrups) {
        hoops("箍筋", z.span, z.set.diameter, z.set.legs, z.set.grade, z.count);
    }
    for (const SideBars& g : out.sideBars) {
        if (g.perSide > 0 && g.tiesPerRow > 0) {
            add({"拉筋", "拉 " + part(c.span(g.span).width - 2 * cover), c.in.stirrupSteel,
                 g.tieDiameter, g.tieLength, g.tiesPerRow * g.perSide});
        }
    }
    for (int s = 1; s <= n; ++s) {
        for (const AdditionalStirrups& a : out.additional) {
            if (a.span == s) {
                hoops("附加箍筋", s, a.diameter, a.legs, c.in.stirrupSteel, 2 * a.perSide);
            }
        }
    }

    int number = 0;
    for (const Item& item : items) {
        ScheduleLine line;
        line.number = ++number;
        line.kind = item.kind;
        line.shape = item.shape;
        line.diameter = c.sign(item.grade) + std::to_string(item.diameter);
        line.length = item.length;
        line.count = item.count;
        const long long total = 1LL * item.length * item.count; // mm
        line.totalLength = hundredthsText(total / 10);          // m: the length is whole cm
        const long long d2 = 1LL * item.diameter * item.diameter;
        line.hundredths = (617 * d2 * total + 500000) / 1000000;
        line.weight = hundredthsText(line.hundredths);
        out.totalHundredths += line.hundredths;
        out.schedule.push_back(line);
    }
    out.totalWeight = hundredthsText(out.totalHundredths);
    double volume = 0; // mm³
    for (int s = 1; s <= n; ++s) {
        volume += double(c.span(s).width) * c.span(s).depth * c.ln(s);
    }
    out.concreteVolume = volume / 1e9;
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.3f",
                  std::floor(out.concreteVolume * 1000 + 0.5) / 1000);
    out.concreteText = buffer;
    const double perVolume =
        out.concreteVolume > 0 ? out.totalHundredths / 100.0 / out.concreteVolume : 0;
    std::snprintf(buffer, sizeof buffer, "%.1f", std::floor(perVolume * 10 + 0.5) / 10);
    out.steelPerVolume = buffer;

    // 说明
    auto steelName = [](int code) {
        return code == 300 ? "HPB300" : code == 335 ? "HRB335" : code == 400 ? "HRB400" : "HRB500";
    };
    const int steel = c.in.longitudinalSteel;
    const Anchorage small = anchorageFor(c.in.concrete, c.in.ft, steel, 25);
    const Anchorage large = anchorageFor(c.in.concrete, c.in.ft, steel, 28);
    out.notes.push_back("混凝土 C" + std::to_string(c.in.concrete) + "；纵筋 " + steelName(steel) +
                        "（" + c.sign(steel) + "），箍筋 " + steelName(c.in.stirrupSteel) + "（" +
                        c.sign(c.in.stirrupSteel) + "）。");
    out.notes.push_back("环境类别 " + c.in.environment + "，保护层厚度 " + lengthText(cover) +
                        " mm（箍筋外缘）。");
    const std::string lab = "lab = " + std::to_string(small.basicFactor) + "d，la = ";
    out.notes.push_back(isPlain(steel) ? lab + std::to_string(small.factor) + "d。"
                                       : lab + std::to_string(small.factor) + "d（d ≤ 25）、" +
                                             std::to_string(large.factor) + "d（d > 25）。");
    out.notes.push_back(std::string("按 22G101-1 制图规则与构造详图；") +
                        (out.frame ? "框架梁，非抗震。" : "非框架梁。"));
    out.notes.push_back("附加箍筋：次梁宽 " + std::to_string(c.in.member.secondaryWidth) +
                        "，h1 = " + std::to_string(c.in.member.secondaryDrop) +
                        "，每侧第一根距次梁边 50，间距 50。");
    out.notes.push_back("钢筋长度按外皮尺寸（mm），未计接头。");
    if (!c.in.designPassed) {
        out.notes.push_back("配筋验算未全部通过，见计算书。");
    }
    for (const std::string& change : out.changes) {
        out.notes.push_back(change);
    }
    for (const std::string& failure : out.failures) {
        out.notes.push_back("注意：" + failure);
    }
    if (c.signs == SteelSigns::Codes) {
        out.notes.push_back("钢筋符号%%130～%%133需结构符号字体");
    }
}

} // namespace spanwise::detailing_parts
