#include "analysis/SlabLoads.h"

#include <cmath>

namespace spanwise {

std::string slabPanelsProblem(const SlabPanels& panels, float L) {
    if (!(L > 0) || !std::isfinite(L)) {
        return "本跨跨度应先输入";
    }
    if (!std::isfinite(panels.pressure) || panels.pressure == 0) {
        return "板面荷载 p 应为非零的数";
    }
    if (!(panels.shortSide > 0) || !std::isfinite(panels.shortSide) || !(panels.longSide > 0) ||
        !std::isfinite(panels.longSide)) {
        return "板的边长应为正数";
    }
    if (panels.shortSide > panels.longSide) {
        return "板的短边 lx 不应大于长边 ly";
    }
    if (panels.alongLongSide && panels.shortSide > L) {
        return "梯形荷载两端斜坡长 lx/2 超过本跨跨度的一半";
    }
    return {};
}

Load slabLoad(const SlabPanels& panels, float L) {
    Load load;
    load.kind = Trapezoidal;
    load.text = loadKindName(Trapezoidal);
    const double perPanel = double{panels.pressure} * panels.shortSide / 2;
    load.q = static_cast<float>(perPanel * (panels.bothSides ? 2 : 1));
    load.a = panels.alongLongSide ? static_cast<float>(double{panels.shortSide} / 2)
                                  : static_cast<float>(double{L} / 2);
    return load;
}

} // namespace spanwise
