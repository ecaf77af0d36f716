#include "model/Design.h"

#include "model/BarLimits.h"

#include <array>
#include <cmath>
#include <utility>

namespace spanwise {

namespace {

constexpr std::array<const char*, 5> kExposureNames = {"一", "二a", "二b", "三a", "三b"};
constexpr std::array<const char*, 5> kExposureCodes = {"1", "2a", "2b", "3a", "3b"};

bool within(float v, double lo, double hi) {
    return std::isfinite(v) && v >= lo && v <= hi;
}

} // namespace

std::optional<std::string> designSettingsProblem(const DesignSettings& settings) {
    if (settings.concrete < 20 || settings.concrete > 80 || settings.concrete % 5 != 0) {
        return "混凝土强度等级应为 C20～C80（级差 5）";
    }
    const int steel = settings.longitudinalSteel;
    if (steel != 300 && steel != 335 && steel != 400 && steel != 500) {
        return "纵筋应为 HPB300、HRB335、HRB400 或 HRB500";
    }
    const int stirrups = settings.stirrupSteel;
    if (stirrups != 300 && stirrups != 335 && stirrups != 400) {
        return "箍筋应为 HPB300、HRB335 或 HRB400";
    }
    const auto environment = static_cast<int>(settings.environment);
    if (environment < 0 || environment >= static_cast<int>(kExposureNames.size())) {
        return "环境类别应为 一、二a、二b、三a 或 三b";
    }
    if (!(settings.tensionCover >= 0) || !std::isfinite(settings.tensionCover)) {
        return "as 应大于 0（0 表示取保护层厚度 + 20）";
    }
    if (!(settings.topTensionCover >= 0) || !std::isfinite(settings.topTensionCover)) {
        return "as,top 应大于 0（0 表示与 as 相同）";
    }
    if (settings.importance != 0.9f && settings.importance != 1.0f && settings.importance != 1.1f) {
        return "结构重要性系数 γ0 应为 0.9、1.0 或 1.1";
    }
    return std::nullopt;
}

char steelLetter(int code) {
    switch (code) {
    case 300:
        return 'A';
    case 335:
        return 'B';
    case 400:
        return 'C';
    case 500:
        return 'E';
    default:
        return '?';
    }
}

int steelCodeOfLetter(char letter) {
    for (int code : kSteelCodes) {
        if (steelLetter(code) == letter || steelLetter(code) == letter - 'a' + 'A') {
            return code;
        }
    }
    return 0;
}

bool concreteTooWeakFor(int concrete, int steelCode) {
    return concrete < 25 && steelCode >= 400;
}

namespace {

bool knownGrade(int grade) {
    return grade == 0 || steelLetter(grade) != '?';
}

} // namespace

std::string barSetProblem(const BarSet& bars) {
    if (bars.count < kFewestBars || bars.count > kMostBars) {
        return "钢筋根数应为 2～20";
    }
    if (!isListed(kLongitudinalDiameters, bars.diameter)) {
        return "纵筋直径应为 10、12、14、16、18、20、22、25、28、32、36 或 40";
    }
    if (!knownGrade(bars.grade)) {
        return "钢筋牌号应为 HPB300、HRB335、HRB400 或 HRB500";
    }
    return {};
}

std::optional<MemberFault> memberFault(const MemberData& member) {
    if (member.number < 1 || member.number > 999) {
        return MemberFault{MemberPart::Number, "构件编号应为 1～999"};
    }
    if (member.secondaryWidth < 100 || member.secondaryWidth > 2000) {
        return MemberFault{MemberPart::SecondaryWidth, "次梁宽 bs 应在 100～2000 mm 之间"};
    }
    if (member.secondaryDrop < 0 || member.secondaryDrop > 3000) {
        return MemberFault{MemberPart::SecondaryDrop, "h1 应在 0～3000 mm 之间"};
    }
    return std::nullopt;
}

std::string stirrupSetProblem(const StirrupSet& stirrups) {
    if (!isListed(kStirrupLegs, stirrups.legs)) {
        return "箍筋肢数应为 2、3、4 或 6";
    }
    if (!knownGrade(stirrups.grade)) {
        return "箍筋牌号应为 HPB300、HRB335、HRB400 或 HRB500";
    }
    if (!isListed(kStirrupDiameters, stirrups.diameter)) {
        return "箍筋直径应为 6、8、10、12 或 14";
    }
    if (stirrups.spacing < kNarrowestStirrupSpacing || stirrups.spacing > kWidestStirrupSpacing) {
        return "箍筋间距应为 50～400 mm";
    }
    return {};
}

std::optional<SectionFault> sectionFault(const SpanSection& section) {
    using P = SectionPart;
    if (!within(section.width, 100, 2000)) {
        return SectionFault{P::Width, "梁宽 b 应在 100～2000 mm 之间"};
    }
    if (!within(section.depth, 150, 3000)) {
        return SectionFault{P::Depth, "梁高 h 应在 150～3000 mm 之间"};
    }
    const bool rectangle = section.flangeWidth == 0 && section.flangeDepth == 0;
    if (!rectangle &&
        !(within(section.flangeWidth, 0, 1e5) && section.flangeWidth > section.width)) {
        return SectionFault{P::FlangeWidth, "翼缘宽度 bf' 应大于梁宽 b（矩形截面填 0）"};
    }
    if (!rectangle && !(within(section.flangeDepth, 0, 1e5) && section.flangeDepth > 0 &&
                        section.flangeDepth < section.depth)) {
        return SectionFault{P::FlangeDepth, "翼缘高度 hf' 应在 0 与梁高 h 之间（矩形截面填 0）"};
    }
    const std::pair<const std::optional<BarSet>*, P> sets[] = {{&section.bottomBars, P::BottomBars},
                                                               {&section.topBars, P::TopBars}};
    for (const auto& [bars, part] : sets) {
        if (*bars) {
            if (std::string problem = barSetProblem(**bars); !problem.empty()) {
                return SectionFault{part, problem};
            }
        }
    }
    if (section.stirrups) {
        if (std::string problem = stirrupSetProblem(*section.stirrups); !problem.empty()) {
            return SectionFault{P::Stirrups, problem};
        }
    }
    return std::nullopt;
}

std::string sectionProblem(const SpanSection& section) {
    const auto fault = sectionFault(section);
    return fault ? fault->words : std::string();
}

std::optional<SupportFault> supportDesignFault(const SupportDesign& support) {
    if (!within(support.width, 0, 10)) {
        return SupportFault{SupportPart::Width, "支座宽度应在 0～10 m 之间"};
    }
    if (!within(support.redistribution, 0, 0.25)) {
        return SupportFault{SupportPart::Redistribution, "调幅系数 β 应在 0～0.25 之间"};
    }
    if (support.topBars) {
        if (std::string problem = barSetProblem(*support.topBars); !problem.empty()) {
            return SupportFault{SupportPart::TopBars, problem};
        }
    }
    return std::nullopt;
}

std::string supportDesignProblem(const SupportDesign& support) {
    const auto fault = supportDesignFault(support);
    return fault ? fault->words : std::string();
}

const char* exposureName(Exposure exposure) {
    const auto i = static_cast<std::size_t>(exposure);
    return i < kExposureNames.size() ? kExposureNames[i] : "?";
}

const char* exposureCode(Exposure exposure) {
    const auto i = static_cast<std::size_t>(exposure);
    return i < kExposureCodes.size() ? kExposureCodes[i] : "?";
}

std::optional<Exposure> exposureOfCode(const std::string& code) {
    for (std::size_t i = 0; i < kExposureCodes.size(); ++i) {
        if (code == kExposureCodes[i]) {
            return static_cast<Exposure>(i);
        }
    }
    return std::nullopt;
}

bool ProvidedBars::empty() const {
    for (const OfSpan& span : spans) {
        if (span.bottom || span.spanTop || span.stirrups) {
            return false;
        }
    }
    for (const auto& support : supports) {
        if (support) {
            return false;
        }
    }
    return true;
}

} // namespace spanwise
