#include "design/LongitudinalBars.h"

#include "design/BarText.h"
#include "design/InputCheck.h"
#include "model/BarLimits.h"

#include "design/HandCalculation.h"
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

// The best set of `diameters` with a count in (lowest(d), highest(d)] reaching `area`.
template <typename Lowest, typename Highest>
std::optional<BarSet> bestSet(double area, const std::vector<int>& diameters, Lowest lowest,
                              Highest highest) {
    std::optional<BarSet> best;
    for (int d : diameters) {
        for (int count = std::max(kFewestBars, lowest(d) + 1); count <= highest(d); ++count) {
            const BarSet candidate{count, d};
            if (barArea(candidate) >= area && (!best || preferred(candidate, *best))) {
                best = candidate;
            }
        }
    }
    return best;
}

std::optional<std::string> inputProblem(const BarRequirement& required, const BarRoom& room) {
    if (!allFinite({room.width, room.cover, room.stirrupDiameter})) {
        return kInvalidSectionWords;
    }
    if (!std::isfinite(required.oneLayer) ||
        (required.twoLayers && !std::isfinite(*required.twoLayers))) {
        return "所需钢筋面积无效";
    }
    return std::nullopt;
}

void addAreaVerdict(BarChoice& c, StepWriter& steps) {
    const bool enough = c.area >= c.requiredArea;
    steps.add([&] {
        return CalculationStep{"6.2.10", "As,实配 ≥ As", "",
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

BarChoice proposeBars(const BarRequirement& required, const std::vector<int>& diameters,
                      const BarRoom& room, Working working) {
    BarChoice c;
    StepWriter steps(working, c.steps);
    if (const auto problem = inputProblem(required, room)) {
        c.failures.push_back(*problem);
        return c;
    }
    const auto capacity = [&room](int d) { return oneLayerCapacity(d, room); };
    const auto none = [](int) { return 0; };
    c.requiredArea = required.oneLayer;
    std::optional<BarSet> best = bestSet(required.oneLayer, diameters, none, capacity);
    if (!best && required.twoLayers) {
        const auto twice = [&room](int d) {
            return std::min(kMostBars, 2 * oneLayerCapacity(d, room));
        };
        best = bestSet(*required.twoLayers, diameters, capacity, twice);
        c.twoLayers = best.has_value();
        c.requiredArea = *required.twoLayers;
    }
    if (!best) {
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
    c.bars = best;
    c.area = barArea(*best);
    const int capacityOfBest = capacity(best->diameter);
    const int firstLayer = c.twoLayers ? capacityOfBest : best->count;
    steps.add([&] {
        return fitStep(firstLayer, best->diameter, room, true,
                       c.twoLayers ? "一排最多 " + std::to_string(capacityOfBest) + " 根，" +
                                         barText(*best) + " 两排"
                                   : barText(*best) + " 一排");
    });
    addAreaVerdict(c, steps);
    return c;
}

BarChoice checkBars(const BarSet& provided, const BarRequirement& required, const BarRoom& room,
                    Working working) {
    BarChoice c;
    StepWriter steps(working, c.steps);
    if (const auto problem = inputProblem(required, room)) {
        c.failures.push_back(*problem);
        return c;
    }
    if (provided.count < kFewestBars || provided.count > kMostBars || provided.diameter <= 0) {
        c.failures.push_back("钢筋根数应为 2～20");
        return c;
    }
    const int capacity = oneLayerCapacity(provided.diameter, room);
    c.area = barArea(provided);
    if (provided.count <= capacity) {
        c.bars = provided;
        c.requiredArea = required.oneLayer;
        steps.add([&] { return fitStep(provided.count, provided.diameter, room, true, "一排"); });
        addAreaVerdict(c, steps);
        return c;
    }
    if (provided.count > 2 * capacity) {
        c.failures.push_back("钢筋放不下");
        steps.add([&] {
            return fitStep(provided.count, provided.diameter, room, false,
                           "一排最多 " + std::to_string(capacity) + " 根，两排也放不下 ✘");
        });
        return c;
    }
    c.bars = provided;
    c.twoLayers = true;
    steps.add([&] {
        return fitStep(capacity, provided.diameter, room, true,
                       "一排最多 " + std::to_string(capacity) + " 根，两排");
    });
    if (!required.twoLayers) {
        c.failures.push_back("两排钢筋时截面不能计算");
        return c;
    }
    c.requiredArea = *required.twoLayers;
    addAreaVerdict(c, steps);
    return c;
}

} // namespace spanwise
