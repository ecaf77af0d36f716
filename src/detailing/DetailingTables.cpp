#include "detailing/DetailingTables.h"

#include "detailing/DetailingParts.h"

#include <cstdio>

namespace spanwise {

using detailing_parts::lengthText;
using detailing_parts::metresText;

namespace {

const char* endDetailWords(EndDetail detail) {
    switch (detail) {
    case EndDetail::Full:
        return "端支座按充分利用钢筋的抗拉强度";
    case EndDetail::Frame:
        return "端支座按框架梁";
    default:
        return "端支座按铰接";
    }
}

std::string where(const BarEnd& end) {
    return end.support >= 0 ? "支座" + std::to_string(end.support) : std::string("悬臂端");
}

std::string length(int mm) {
    return std::to_string(mm);
}

// A ratio as the tables write it: 4 decimals.
std::string ratioText(double v) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.4f", v);
    return buffer;
}

} // namespace

DetailingTable scheduleTable(const BeamDetailing& d) {
    DetailingTable t;
    t.title = "钢筋表";
    t.headers = {"编号", "名称", "形状", "直径", "单根长(mm)", "根数", "总长(m)", "重量(kg)"};
    for (const ScheduleLine& line : d.schedule) {
        t.rows.push_back({std::to_string(line.number), line.kind, line.shape, line.diameter,
                          length(line.length), std::to_string(line.count), line.totalLength,
                          line.weight});
    }
    t.rows.push_back({"合计", "", "", "", "", "", "", d.totalWeight});
    t.rows.push_back(
        {"混凝土", "", d.concreteText + " m³", "", "", "", "", d.steelPerVolume + " kg/m³"});
    return t;
}

DetailingTables detailingTables(const BeamDetailing& d) {
    DetailingTables out;
    if (!d.detailed) {
        out.summary.push_back("未出配筋详图：");
        for (const std::string& m : d.missing) {
            out.summary.push_back(m);
        }
        return out;
    }
    out.summary.push_back("构件：" + d.name + "（" + (d.frame ? "框架梁，非抗震" : "非框架梁") +
                          "；" + endDetailWords(d.endDetail) + "）");
    std::string anchorage = "锚固：";
    for (std::size_t k = 0; k < d.anchorages.size(); ++k) {
        const Anchorage& a = d.anchorages[k];
        anchorage += (k > 0 ? "；" : "") +
                     std::string(a.grade == 300   ? "HPB300"
                                 : a.grade == 335 ? "HRB335"
                                 : a.grade == 400 ? "HRB400"
                                                  : "HRB500") +
                     " d" + std::to_string(a.diameter) + " lab = " + std::to_string(a.basic) +
                     "，la = " + std::to_string(a.length);
    }
    out.summary.push_back(anchorage);
    std::string central = "集中标注：";
    for (std::size_t k = 0; k < d.centralLines.size(); ++k) {
        central += (k > 0 ? " / " : "") + d.centralLines[k];
    }
    out.summary.push_back(central);

    DetailingTable texts{"原位标注", {"位置", "上部", "下部", "另注"}, {}};
    for (std::size_t j = 0; j < d.supportTexts.size(); ++j) {
        if (!d.supportTexts[j].empty()) {
            texts.rows.push_back({"支座" + std::to_string(j), d.supportTexts[j], "", ""});
        }
    }
    for (std::size_t s = 0; s < d.spanTexts.size(); ++s) {
        const BeamDetailing::SpanTexts& t = d.spanTexts[s];
        std::string overrides;
        for (const std::string& o : t.overrides) {
            overrides += (overrides.empty() ? "" : " ") + o;
        }
        texts.rows.push_back({"第" + std::to_string(s + 1) + "跨", t.top, t.bottom, overrides});
    }
    out.tables.push_back(texts);

    DetailingTable through{"跨上部钢筋", {"跨号", "上部钢筋", "说明"}, {}};
    for (std::size_t s = 0; s < d.through.size(); ++s) {
        through.rows.push_back({std::to_string(s + 1),
                                d.through[s]                 ? "贯通"
                                : d.erectionTexts[s].empty() ? ""
                                                             : "架立筋 " + d.erectionTexts[s],
                                d.throughWhy[s]});
    }
    out.tables.push_back(through);

    DetailingTable runs{
        "上部纵筋截断与锚固",
        {"支座", "排", "钢筋", "左端", "左端 x(mm)", "右端", "右端 x(mm)", "单根长(mm)"},
        {}};
    for (const TopRun& r : d.topRuns) {
        std::string supports = std::to_string(r.firstSupport);
        if (r.lastSupport != r.firstSupport) {
            supports += "～" + std::to_string(r.lastSupport);
        }
        runs.rows.push_back(
            {supports, std::to_string(r.row),
             std::to_string(r.bars.count) + "根 d" + std::to_string(r.bars.diameter),
             where(r.left) + " " + r.left.words, lengthText(r.left.x),
             where(r.right) + " " + r.right.words, lengthText(r.right.x), length(r.length)});
    }
    out.tables.push_back(runs);

    DetailingTable bottoms{"下部纵筋锚固", {"跨号", "钢筋", "左端", "右端", "单根长(mm)"}, {}};
    for (const BottomRun& r : d.bottomRuns) {
        bottoms.rows.push_back({std::to_string(r.span),
                                d.bottomTexts[static_cast<std::size_t>(r.span - 1)],
                                where(r.left) + " " + r.left.words,
                                where(r.right) + " " + r.right.words, length(r.length)});
    }
    out.tables.push_back(bottoms);

    DetailingTable zones{"箍筋",
                         {"跨号", "箍筋", "加密区 n1", "s1", "e(mm)", "中部 V(kN)", "Asv/s需", "s2",
                          "中部 m", "总数"},
                         {}};
    for (const StirrupZones& z : d.stirrups) {
        zones.rows.push_back(
            {std::to_string(z.span), z.text, z.dense ? std::to_string(z.denseCount) : "—",
             std::to_string(z.denseSpacing), z.dense ? lengthText(z.denseEnd) : "—",
             z.dense ? detailing_parts::lengthText(z.middleShear) : "—",
             z.dense ? ratioText(z.middleRequirement) : "—",
             z.middleZone ? std::to_string(z.middleSpacing) : "—",
             z.middleZone ? std::to_string(z.middleCount) : "—", std::to_string(z.count)});
    }
    out.tables.push_back(zones);

    DetailingTable additional{
        "附加箍筋",
        {"跨号", "x(m)", "F(kN)", "Asv需(mm²)", "直径", "每侧根数", "标注", "结论"},
        {}};
    for (const AdditionalStirrups& a : d.additional) {
        additional.rows.push_back({std::to_string(a.span), metresText(a.x), lengthText(a.force),
                                   lengthText(a.area), std::to_string(a.diameter),
                                   std::to_string(a.perSide), a.text, a.fits ? "✔" : "✘"});
    }
    out.tables.push_back(additional);

    DetailingTable side{
        "腰筋与拉筋", {"跨号", "腰筋", "单根长(mm)", "拉筋直径", "拉筋间距", "每排根数"}, {}};
    for (const SideBars& g : d.sideBars) {
        if (g.perSide > 0) {
            side.rows.push_back({std::to_string(g.span),
                                 g.text + (g.needed ? "" : "（同集中标注）"), length(g.length),
                                 std::to_string(g.tieDiameter), std::to_string(g.tieSpacing),
                                 std::to_string(g.tiesPerRow)});
        }
    }
    out.tables.push_back(side);
    out.tables.push_back(scheduleTable(d));
    return out;
}

} // namespace spanwise
