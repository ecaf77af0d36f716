#include "design/DesignForcesTable.h"
#include "model/Axes.h"

#include "analysis/NumberFormat.h"
#include "analysis/Reactions.h"

namespace spanwise {

namespace {

// A moment with its side where a concentrated moment makes two: "-12.5(右)".
std::string sided(float value, MomentSide side) {
    return formatResult(value) + (side == MomentSide::Right ? "(右)" : "");
}

} // namespace

DesignForcesTable designForcesTable(const Beam& beam, const BeamForces& forces) {
    DesignForcesTable table;
    table.faceHeaders = {"跨号",        "支座边缘",  "x(m)",      "β",       "M弹性(kN*m)",
                         "M设计(kN*m)", "V弹性(kN)", "V设计(kN)", "Mq(kN*m)"};
    table.spanHeaders = {"跨号",        "M弹性(kN*m)", "位置(m)", "M0(kN*m)",
                         "M设计(kN*m)", "位置(m)",     "取值",    "跨中负弯矩(kN*m)",
                         "位置(m)",     "Mq(kN*m)",    "位置(m)"};
    const int n = beam.spanCount();
    for (int s = 1; s <= n; ++s) {
        const SpanForces& f = forces.span(s);
        for (const FaceForces* face : {&f.left, &f.right}) {
            if (!face->present) {
                continue;
            }
            table.faceRows.push_back(
                {std::to_string(s), supportFaceName(beam, face->support, face == &f.left ? +1 : -1),
                 formatResult(face->x), formatResult(face->beta), formatResult(face->elasticMoment),
                 formatResult(face->moment), formatResult(face->elasticShear),
                 formatResult(face->shear) + (face->redistributedShearGoverns ? "(调幅)" : ""),
                 formatResult(face->quasiPermanentMoment)});
        }
        table.spanRows.push_back(
            {std::to_string(s), sided(f.elasticBottom, f.elasticBottomSide),
             formatResult(f.elasticBottomX), f.redistributed ? formatResult(f.simpleMaximum) : "",
             formatResult(f.bottomMoment), formatResult(f.bottomX), spanMomentRuleText(f.rule),
             f.topMoment < 0 ? formatResult(f.topMoment) : "",
             f.topMoment < 0 ? formatResult(f.topX) : "", formatResult(f.quasiPermanentBottom),
             formatResult(f.quasiPermanentBottomX)});
    }
    return table;
}

std::vector<std::string> redistributionWorking(const BeamForces& forces) {
    std::vector<std::string> lines;
    for (std::size_t s = 0; s < forces.spans.size(); ++s) {
        const SpanForces& f = forces.spans[s];
        if (!f.redistributed) {
            continue;
        }
        const double M0 = f.simpleMaximum;
        const double rule = 1.02 * M0 - (double{f.reducedLeft} + f.reducedRight) / 2;
        lines.push_back("第" + std::to_string(s + 1) + "跨：M0 = " + formatResult(f.simpleMaximum) +
                        "；1.02M0 − (Ml + Mr)/2 = 1.02×" + formatResult(f.simpleMaximum) + " − (" +
                        formatResult(f.reducedLeft) + " + " + formatResult(f.reducedRight) +
                        ")/2 = " + formatResult(static_cast<float>(rule)) +
                        "；M0/3 = " + formatResult(static_cast<float>(M0 / 3)) +
                        "；M弹性 = " + formatResult(f.elasticBottom) + "；取 " +
                        formatResult(f.bottomMoment) + "（" + spanMomentRuleText(f.rule) + "）");
    }
    return lines;
}

std::string designForcesSummary(const Beam& beam, const BeamForces& forces) {
    std::string text = "γ0 = " + formatResult(forces.importance) +
                       "；准永久值系数 ψq = " + formatResult(forces.quasiPermanentShare);
    std::string redistributed;
    for (int j = 0; j <= beam.spanCount(); ++j) {
        if (supportDesign(beam, j).redistribution > 0 && !isFreeEnd(beam, j)) {
            redistributed += (redistributed.empty() ? "" : "、") + supportName(beam, j) +
                             " β = " + formatResult(supportDesign(beam, j).redistribution);
        }
    }
    text += redistributed.empty() ? "；不调幅" : "；调幅：" + redistributed;
    return text;
}

} // namespace spanwise
