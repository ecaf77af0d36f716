#include "analysis/CalculationError.h"

#include "analysis/Single.h"

namespace spanwise {

void detail::throwFault(double v) {
    throw FloatingPointFault(std::isnan(v) ? FloatingPointFault::Invalid
                                           : FloatingPointFault::Overflow);
}

std::string describe(const CalculationError& error) {
    const std::string where = error.span > 0 ? "第" + std::to_string(error.span) + "跨" : "";
    if (dynamic_cast<const JointWithoutStiffness*>(&error)) {
        return "计算失败：第" + std::to_string(error.joint) +
               "支座两侧转动刚度之和为零，无法计算分配系数，请检查线刚度。";
    }
    if (const auto* fault = dynamic_cast<const FloatingPointFault*>(&error)) {
        const char* what =
            fault->kind == FloatingPointFault::Overflow ? "出现数值溢出" : "出现无效运算";
        if (fault->stage == FloatingPointFault::Distribution && error.joint > 0) {
            return "计算失败：弯矩分配时第" + std::to_string(error.joint) + "支座" + what +
                   "，请检查输入数据。";
        }
        return "计算失败：" + where + what + "，请检查输入数据。";
    }
    if (const auto* stall = dynamic_cast<const NoConvergence*>(&error)) {
        return "计算失败：弯矩分配经" + std::to_string(stall->sweeps) +
               "轮仍不收敛，请检查线刚度。";
    }
    return "计算失败：" + where + "请检查输入数据。";
}

std::string describeFailure(const std::exception& error) {
    if (const auto* calculation = dynamic_cast<const CalculationError*>(&error)) {
        return describe(*calculation);
    }
    return "计算失败：数据无法计算，请检查输入数据。";
}

} // namespace spanwise
