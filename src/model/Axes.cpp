#include "model/Axes.h"

#include <string_view>

namespace spanwise {

namespace {

// The k-th circled number (1..21): ① is U+2460, ⑳ U+2473, ㉑ U+3251.
std::string circledNumber(int k) {
    const char32_t code = k <= 20 ? char32_t(0x245F + k) : char32_t(0x3250 + (k - 20));
    std::string utf8;
    utf8 += static_cast<char>(0xE0 | (code >> 12));
    utf8 += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    utf8 += static_cast<char>(0x80 | (code & 0x3F));
    return utf8;
}

// The axis letters in order: I, O and Z are left out, as they read as 1, 0 and 2.
constexpr std::string_view kAxisLetters = "ABCDEFGHJKLMNPQRSTUVWXY";

int characterCount(const std::string& utf8) {
    int count = 0;
    for (unsigned char c : utf8) {
        count += (c & 0xC0) != 0x80 ? 1 : 0;
    }
    return count;
}

} // namespace

std::string axisLabel(const Beam& beam, int j) {
    if (isFreeEnd(beam, j)) {
        return {};
    }
    if (beam.axisStyle == AxisStyle::Typed && !supportDesign(beam, j).axis.empty()) {
        return supportDesign(beam, j).axis;
    }
    const int k = isFreeEnd(beam, 0) ? j : j + 1; // supports counted from the left
    if (beam.axisStyle == AxisStyle::Letters) {
        return std::string(1, kAxisLetters[static_cast<std::size_t>(k - 1)]);
    }
    return circledNumber(k);
}

std::string supportName(const Beam& beam, int j) {
    return isFreeEnd(beam, j) ? "悬臂端" : axisLabel(beam, j) + "轴支座";
}

std::string supportFaceName(const Beam& beam, int j, int side) {
    if (isFreeEnd(beam, j)) {
        return "悬臂端";
    }
    return supportName(beam, j) + (side < 0 ? "左边缘" : "右边缘");
}

std::string axisLabelProblem(const Beam& beam) {
    const auto problem = axisProblem(beam);
    return problem ? problem->words : std::string();
}

std::optional<AxisProblem> axisProblem(const Beam& beam) {
    if (beam.axisStyle != AxisStyle::Typed) {
        return std::nullopt;
    }
    const int n = beam.spanCount();
    for (int j = 0; j <= n; ++j) {
        const std::string& typed = supportDesign(beam, j).axis;
        if (isFreeEnd(beam, j) || typed.empty()) {
            continue;
        }
        if (characterCount(typed) > kAxisLabelLength ||
            typed.find_first_of("\"\r\n,") != std::string::npos) {
            return AxisProblem{j, "轴号“" + typed + "”：" + kAxisLabelWords};
        }
    }
    for (int j = 0; j <= n; ++j) {
        for (int k = 0; k < j; ++k) {
            if (!isFreeEnd(beam, j) && !isFreeEnd(beam, k) &&
                axisLabel(beam, j) == axisLabel(beam, k)) {
                const int shift = isFreeEnd(beam, 0) ? 0 : 1; // supports counted from 1
                return AxisProblem{j, "轴号“" + axisLabel(beam, j) + "”重复（从左数第 " +
                                          std::to_string(k + shift) + "、" +
                                          std::to_string(j + shift) + " 个支座）"};
            }
        }
    }
    return std::nullopt;
}

} // namespace spanwise
