#include "design/Stirrups.h"

#include "design/BarText.h"
#include "model/BarLimits.h"

#include "design/HandCalculation.h"
#include <cmath>
#include <numbers>

namespace spanwise {

namespace {

// "Asv/s = n·π·d²/4/s = 2×π×8²/4/150 = 0.670 ≥ 0.501 ✔"
CalculationStep ratioStep(const StirrupSet& s, int steel, double ratio, double requiredRatio) {
    const bool enough = ratio >= requiredRatio;
    return {"6.3.4", stirrupText(s, steel) + "：Asv/s = n·π·d²/4/s",
            std::to_string(s.legs) + "×π×" + std::to_string(s.diameter) + "²/4/" +
                std::to_string(s.spacing),
            stirrupRatioText(ratio) + (enough ? " ≥ " : " < ") + stirrupRatioText(requiredRatio) +
                " mm²/mm " + (enough ? "✔" : "✘")};
}

CalculationStep detailingStep(const StirrupDetailing& detailing) {
    return {"9.2.9", "构造要求", "",
            "d ≥ " + std::to_string(detailing.leastDiameter) + "，s ≤ " +
                std::to_string(detailing.widestSpacing)};
}

// What a proposal and a check begin with: a requirement that is a number, and the detailing rule
// heading the steps.
StirrupChoice startedChoice(double requiredRatio, const StirrupDetailing& detailing,
                            Working working) {
    StirrupChoice c;
    if (!std::isfinite(requiredRatio)) {
        c.failures.push_back("所需 Asv/s 无效");
    } else {
        StepWriter(working, c.steps).add([&] { return detailingStep(detailing); });
    }
    return c;
}

} // namespace

double stirrupRatio(const StirrupSet& s) {
    if (s.legs <= 0 || s.diameter <= 0 || s.spacing <= 0) {
        return 0;
    }
    return s.legs * std::numbers::pi * s.diameter * s.diameter / 4 / s.spacing;
}

int proposedStirrupLegs(double width) {
    return width > 400 ? 4 : 2;
}

StirrupChoice proposeStirrups(double requiredRatio, double width, const StirrupDetailing& detailing,
                              int steel, Working working) {
    StirrupChoice c = startedChoice(requiredRatio, detailing, working);
    StepWriter steps(working, c.steps);
    if (!c.ok()) {
        return c;
    }
    const int legs = proposedStirrupLegs(width);
    for (int d : kProposedStirrupDiameters) {
        if (d < detailing.leastDiameter) {
            continue;
        }
        for (int s : kProposedStirrupSpacings) {
            const StirrupSet candidate{legs, d, s};
            if (s <= detailing.widestSpacing && stirrupRatio(candidate) >= requiredRatio) {
                c.stirrups = candidate;
                c.ratio = stirrupRatio(candidate);
                steps.add([&] { return ratioStep(candidate, steel, c.ratio, requiredRatio); });
                return c;
            }
        }
    }
    c.failures.push_back("无满足要求的箍筋");
    const StirrupSet strongest{legs, kProposedStirrupDiameters.back(),
                               kProposedStirrupSpacings.back()};
    steps.add([&] { return ratioStep(strongest, steel, stirrupRatio(strongest), requiredRatio); });
    return c;
}

StirrupChoice checkStirrups(const StirrupSet& provided, double requiredRatio,
                            const StirrupDetailing& detailing, int steel, Working working) {
    StirrupChoice c = startedChoice(requiredRatio, detailing, working);
    if (!c.ok()) {
        return c;
    }
    c.stirrups = provided;
    c.ratio = stirrupRatio(provided);
    StepWriter(working, c.steps).add([&] {
        return ratioStep(provided, steel, c.ratio, requiredRatio);
    });
    if (c.ratio < requiredRatio) {
        c.failures.push_back("箍筋 Asv/s = " + stirrupRatioText(c.ratio) + " 小于所需 " +
                             stirrupRatioText(requiredRatio) + " mm²/mm");
    }
    if (provided.diameter < detailing.leastDiameter) {
        c.failures.push_back("箍筋直径 " + std::to_string(provided.diameter) +
                             " 小于构造最小直径 " + std::to_string(detailing.leastDiameter));
    }
    if (provided.spacing > detailing.widestSpacing) {
        c.failures.push_back("箍筋间距 " + std::to_string(provided.spacing) + " 大于最大间距 " +
                             std::to_string(detailing.widestSpacing));
    }
    return c;
}

} // namespace spanwise
