#include "design/LongitudinalBars.h"

#include "design/BarText.h"
#include "design/InputCheck.h"
#include "model/BarLimits.h"

#include "design/HandCalculation.h"
#include "design/Materials.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace spanwise {

namespace {

// A value put into a formula, as typed: at most three decimals.
std::string text(double v) {
    return trimmedText(v);
}

double roomOf(const BarRoom& room) {
    return room.width - 2 * (room.cover + room.stirrupDiameter);
}

// n·d + (n − 1)·e, the width n bars of d take in one layer.
double layerWidth(int count, int diameter, BarFace face) {
    return count * diameter + (count - 1) * clearSpacing(diameter, face);
}

// "4×22 + 3×25 = 163 ≤ 250 − 2×(20 + 8) = 194"
CalculationStep fitStep(int count, int diameter, const BarRoom& room, bool fits,
                        const std::string& verdict) {
    const std::string e = text(clearSpacing(diameter, room.face));
    return {"9.2.1", "n·d + (n − 1)·e ≤ b − 2·(c + dv)", "",
            std::to_string(count) + "×" + std::to_string(diameter) + " + " +
                std::to_string(count - 1) + "×" + e + " = " +
                text(layerWidth(count, diameter, room.face)) + (fits ? " ≤ " : " > ") +
                text(room.width) + " − 2×(" + text(room.cover) + " + " +
                text(room.stirrupDiameter) + ") = " + text(roomOf(room)) + "，" + verdict};
}

// The order of the proposal: least area (n·d², exact in integers), fewer bars, smaller d.
bool preferred(const BarSet& a, const BarSet& b) {
    const long long areaA = static_cast<long long>(a.count) * a.diameter * a.diameter;
    const long long areaB = static_cast<long long>(b.count) * b.diameter * b.diameter;
    if (areaA != areaB) {
        return areaA < areaB;
    }
    if (a.count != b.count) {
        return a.count < b.count;
    }
    return a.diameter < b.diameter;
}

std::optional<std::string> inputProblem(double required, const BarRoom& room) {
    if (!allFinite({room.width, room.cover, room.stirrupDiameter})) {
        return kInvalidSectionWords;
    }
    if (!std::isfinite(required)) {
        return "所需钢筋面积无效";
    }
    return std::nullopt;
}

// The two-layer requirement, asked for once.
struct TwoLayerArea {
    const BarDemand& demand;
    std::optional<std::optional<double>> asked;

    std::optional<double> get() {
        if (!asked) {
            asked = demand.twoLayers ? demand.twoLayers() : std::nullopt;
            if (*asked && !std::isfinite(**asked)) {
                asked->reset();
            }
        }
        return *asked;
    }
};

// The need at the bars' real centroid where it lies further in than the layers' as (8.5).
std::optional<RealDepthNeed> needAtRealDepth(const BarDemand& demand, const BarSet& bars,
                                             const BarRoom& room, bool twoLayers) {
    const double centroid = barsCentroid(bars, room);
    const double used = demand.layerCover + (twoLayers ? kSecondLayerOffset : 0.0);
    if (!demand.atCentroid || !(centroid > used + 1e-9)) {
        return std::nullopt;
    }
    return demand.atCentroid(centroid, twoLayers);
}

// "钢筋实际位置：a = 20 + 8 + 25/2 = 40.5 > as = 40，h0 = 459.5，需 As = 1030.2 mm² ✔"
CalculationStep realDepthStep(const BarSet& bars, const BarRoom& room, double used,
                              const RealDepthNeed& need, double area) {
    const bool enough = area >= need.area;
    return {"6.2.10", "钢筋实际位置 a", "",
            text(barsCentroid(bars, room)) + " > as = " + text(used) +
                "，h0 = " + text(need.effectiveDepth) + "，需 As = " + steelAreaText(need.area) +
                " mm² " + (enough ? "✔" : "✘")};
}

std::string realDepthFailure(const RealDepthNeed& need) {
    return "按钢筋实际位置 h0 = " + text(need.effectiveDepth) +
           " 需 As = " + steelAreaText(need.area);
}

void addAreaVerdict(BarChoice& c, StepWriter& steps) {
    const bool enough = c.area >= c.requiredArea;
    steps.add([&] {
        return CalculationStep{"6.2.10", kAreaVerdictFormula, "",
                               steelAreaText(c.area) + (enough ? " ≥ " : " < ") +
                                   steelAreaText(c.requiredArea) + " mm² " + (enough ? "✔" : "✘")};
    });
    if (!enough) {
        c.failures.push_back("实配钢筋面积 " + steelAreaText(c.area) + " mm² 小于所需 " +
                             steelAreaText(c.requiredArea) + " mm²");
    }
}

} // namespace

double barArea(const BarSet& bars) {
    if (bars.count <= 0 || bars.diameter <= 0) {
        return 0;
    }
    return bars.count * std::numbers::pi * bars.diameter * bars.diameter / 4;
}

double clearSpacing(int diameter, BarFace face) {
    return face == BarFace::Bottom ? std::max(25.0, static_cast<double>(diameter))
                                   : std::max(30.0, 1.5 * diameter);
}

int oneLayerCapacity(int diameter, const BarRoom& room) {
    if (diameter <= 0) {
        return 0;
    }
    const double available = roomOf(room);
    int count = 0;
    while (count < kMostBars && layerWidth(count + 1, diameter, room.face) <= available) {
        ++count;
    }
    return count;
}

BarDemand::BarDemand(const BarRequirement& required)
    : oneLayer(required.oneLayer), twoLayers([two = required.twoLayers] { return two; }) {}

double barsCentroid(const BarSet& bars, const BarRoom& room) {
    const double first = room.cover + room.stirrupDiameter + bars.diameter / 2.0;
    const int capacity = oneLayerCapacity(bars.diameter, room);
    if (bars.count <= capacity || capacity <= 0) {
        return first;
    }
    const double second = first + bars.diameter + kSecondLayerOffset;
    return (capacity * first + (bars.count - capacity) * second) / bars.count;
}

BarChoice proposeBars(const BarDemand& demand, const std::vector<int>& diameters,
                      const BarRoom& room, Working working) {
    BarChoice c;
    StepWriter steps(working, c.steps);
    if (const auto problem = inputProblem(demand.oneLayer, room)) {
        c.failures.push_back(*problem);
        return c;
    }
    TwoLayerArea twoLayerArea{demand, {}};
    // the combinations of one layer, then of two, each in the order of the proposal
    std::vector<BarSet> oneLayer, twoLayers;
    for (int d : diameters) {
        const int capacity = oneLayerCapacity(d, room);
        for (int n = kFewestBars; n <= capacity; ++n) {
            oneLayer.push_back({n, d});
        }
        for (int n = std::max(kFewestBars, capacity + 1); n <= std::min(kMostBars, 2 * capacity);
             ++n) {
            twoLayers.push_back({n, d});
        }
    }
    std::sort(oneLayer.begin(), oneLayer.end(), preferred);
    std::sort(twoLayers.begin(), twoLayers.end(), preferred);

    struct Found {
        BarSet bars;
        bool twoLayers;
        double required;
        std::optional<RealDepthNeed> need;
    };
    std::optional<Found> byArea, chosen;
    c.requiredArea = demand.oneLayer;
    for (const bool two : {false, true}) {
        if (two) {
            const std::optional<double> required = twoLayerArea.get();
            if (!required || (byArea && !demand.cracksHold)) {
                break;
            }
            if (!byArea) {
                c.requiredArea = *required;
            }
        }
        const double required = two ? *twoLayerArea.get() : demand.oneLayer;
        for (const BarSet& candidate : two ? twoLayers : oneLayer) {
            const double area = barArea(candidate);
            if (area < required) {
                continue;
            }
            std::optional<RealDepthNeed> need = needAtRealDepth(demand, candidate, room, two);
            if (need && area < need->area) {
                continue; // short of what it needs where it really lies
            }
            if (!byArea) {
                byArea = Found{candidate, two, required, need};
            }
            if (!demand.cracksHold || demand.cracksHold(candidate, two)) {
                chosen = Found{candidate, two, required, need};
                break;
            }
        }
        if (chosen) {
            break;
        }
    }
    if (!chosen && byArea) {
        chosen = byArea; // no combination keeps the cracks: the area alone decides
    }
    if (!chosen) {
        c.twoLayers = twoLayerArea.get().has_value();
        c.failures.push_back("钢筋放不下");
        steps.formula("9.2.1", "b − 2·(c + dv)",
                      {{"b", room.width, typedText},
                       {"c", room.cover, typedText},
                       {"dv", room.stirrupDiameter, typedText}},
                      [&] {
                          return text(roomOf(room)) +
                                 " mm，两排也放不下 As = " + steelAreaText(c.requiredArea) +
                                 " mm² 的钢筋 ✘";
                      });
        return c;
    }
    c.bars = chosen->bars;
    c.twoLayers = chosen->twoLayers;
    c.area = barArea(chosen->bars);
    c.requiredArea = chosen->required;
    c.centroid = barsCentroid(chosen->bars, room);
    c.atRealDepth = chosen->need;
    if (byArea && byArea->bars != chosen->bars) {
        c.areaAlone = byArea->bars;
    }
    const int capacity = oneLayerCapacity(chosen->bars.diameter, room);
    const int firstLayer = c.twoLayers ? capacity : chosen->bars.count;
    steps.add([&] {
        const std::string set = barText(*c.bars, demand.steel);
        return fitStep(firstLayer, c.bars->diameter, room, true,
                       c.twoLayers
                           ? "一排最多 " + std::to_string(capacity) + " 根，" + set + " 两排"
                           : set + " 一排");
    });
    addAreaVerdict(c, steps);
    if (c.atRealDepth) {
        steps.add([&] {
            return realDepthStep(*c.bars, room,
                                 demand.layerCover + (c.twoLayers ? kSecondLayerOffset : 0.0),
                                 *c.atRealDepth, c.area);
        });
    }
    if (c.areaAlone) {
        steps.add([&] {
            return CalculationStep{"7.1.2", "按裂缝宽度选配", "",
                                   barText(*c.areaAlone, demand.steel) +
                                       " 裂缝宽度超限，取满足 wmax ≤ wlim 的下一组合 " +
                                       barText(*c.bars, demand.steel)};
        });
    }
    return c;
}

BarChoice checkBars(const BarSet& provided, const BarDemand& demand, const BarRoom& room,
                    Working working) {
    BarChoice c;
    StepWriter steps(working, c.steps);
    if (const auto problem = inputProblem(demand.oneLayer, room)) {
        c.failures.push_back(*problem);
        return c;
    }
    if (provided.count < kFewestBars || provided.count > kMostBars || provided.diameter <= 0) {
        c.failures.push_back("钢筋根数应为 2～20");
        return c;
    }
    TwoLayerArea twoLayerArea{demand, {}};
    const int capacity = oneLayerCapacity(provided.diameter, room);
    c.bars = provided;
    c.area = barArea(provided);
    c.centroid = barsCentroid(provided, room);
    if (provided.count <= capacity) {
        c.requiredArea = demand.oneLayer;
        steps.add([&] { return fitStep(provided.count, provided.diameter, room, true, "一排"); });
    } else if (provided.count > 2 * capacity) {
        // kept as the engineer gave it, checked at the depth of two layers
        c.fits = false;
        c.twoLayers = true;
        c.failures.push_back("钢筋放不下");
        steps.add([&] {
            return fitStep(provided.count, provided.diameter, room, false,
                           "一排最多 " + std::to_string(capacity) + " 根，两排也放不下 ✘");
        });
        return c;
    } else {
        c.twoLayers = true;
        steps.add([&] {
            return fitStep(capacity, provided.diameter, room, true,
                           "一排最多 " + std::to_string(capacity) + " 根，两排");
        });
        const std::optional<double> required = twoLayerArea.get();
        if (!required) {
            c.failures.push_back("两排钢筋时截面不能计算");
            return c;
        }
        c.requiredArea = *required;
    }
    addAreaVerdict(c, steps);
    c.atRealDepth = needAtRealDepth(demand, provided, room, c.twoLayers);
    if (c.atRealDepth) {
        steps.add([&] {
            return realDepthStep(provided, room,
                                 demand.layerCover + (c.twoLayers ? kSecondLayerOffset : 0.0),
                                 *c.atRealDepth, c.area);
        });
        if (c.area < c.atRealDepth->area) {
            c.failures.push_back(realDepthFailure(*c.atRealDepth));
        }
    }
    return c;
}

} // namespace spanwise
