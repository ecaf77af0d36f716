#include "design/BarText.h"

#include "model/BarLimits.h"

#include <array>

namespace spanwise {

namespace {

constexpr std::array<std::string_view, 3> kBarSigns = {"Φ", "φ", "ϕ"};
constexpr std::array<std::string_view, 4> kSpaces = {" ", "\t", "　", "\u00a0"};

// The text without spaces, so that "4 Φ 22" reads as "4Φ22".
std::string withoutSpaces(std::string_view text) {
    std::string out;
    while (!text.empty()) {
        bool skipped = false;
        for (std::string_view space : kSpaces) {
            if (text.starts_with(space)) {
                text.remove_prefix(space.size());
                skipped = true;
                break;
            }
        }
        if (!skipped) {
            out += text.front();
            text.remove_prefix(1);
        }
    }
    return out;
}

// Reads the first of `options` at the front of text.
bool take(std::string_view& text, std::initializer_list<std::string_view> options) {
    for (std::string_view option : options) {
        if (text.starts_with(option)) {
            text.remove_prefix(option.size());
            return true;
        }
    }
    return false;
}

// The bar sign: Φ (φ, ϕ), the project's grade (grade 0), or the letter drafting software types
// for a grade (A HPB300, B HRB335, C HRB400, E HRB500, either case), which names the set's own.
bool takeBarSign(std::string_view& text, int& grade) {
    grade = 0;
    if (!text.empty() && steelCodeOfLetter(text.front()) != 0) {
        grade = steelCodeOfLetter(text.front());
        text.remove_prefix(1);
        return true;
    }
    return take(text, {kBarSigns[0], kBarSigns[1], kBarSigns[2]});
}

// Reads a whole number of up to six digits at the front of text.
std::optional<int> takeNumber(std::string_view& text) {
    int value = 0;
    std::size_t digits = 0;
    while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') {
        if (digits == 6) {
            return std::nullopt;
        }
        value = value * 10 + (text[digits] - '0');
        ++digits;
    }
    if (digits == 0) {
        return std::nullopt;
    }
    text.remove_prefix(digits);
    return value;
}

} // namespace

std::string steelSignText(int code, SteelSigns signs) {
    switch (signs) {
    case SteelSigns::Letters:
        return std::string(1, steelLetter(code));
    case SteelSigns::Codes: {
        const int index = code == 300 ? 0 : code == 335 ? 1 : code == 400 ? 2 : 3;
        return "%%13" + std::to_string(index);
    }
    case SteelSigns::Phi:
        return "Φ";
    default:
        return code == 300 ? "Φ" : std::string(1, steelLetter(code));
    }
}

std::string barText(const BarSet& bars, int projectGrade, SteelSigns signs) {
    return std::to_string(bars.count) + steelSignText(gradeOf(bars.grade, projectGrade), signs) +
           std::to_string(bars.diameter);
}

std::string stirrupText(const StirrupSet& s, int projectGrade, SteelSigns signs) {
    return steelSignText(gradeOf(s.grade, projectGrade), signs) + std::to_string(s.diameter) + "@" +
           std::to_string(s.spacing) + "(" + std::to_string(s.legs) + ")";
}

namespace {

std::string typedSign(int grade) {
    return grade == 0 ? std::string("Φ") : steelSignText(grade, SteelSigns::Letters);
}

} // namespace

std::string typedBarText(const BarSet& bars) {
    return std::to_string(bars.count) + typedSign(bars.grade) + std::to_string(bars.diameter);
}

std::string typedStirrupText(const StirrupSet& s) {
    return typedSign(s.grade) + std::to_string(s.diameter) + "@" + std::to_string(s.spacing) + "(" +
           std::to_string(s.legs) + ")";
}

Parsed<BarSet> parseBars(std::string_view typed) {
    const std::string text = withoutSpaces(typed);
    std::string_view rest = text;
    int grade = 0;
    const std::optional<int> count = takeNumber(rest);
    const bool sign = count && takeBarSign(rest, grade);
    const std::optional<int> diameter = sign ? takeNumber(rest) : std::nullopt;
    if (!diameter || !rest.empty()) {
        return {std::nullopt, "格式应为 根数Φ直径，如 4Φ22 或 4C22（A、B、C、E 为牌号）"};
    }
    if (*count < kFewestBars || *count > kMostBars) {
        return {std::nullopt, "根数应为 2～20"};
    }
    if (!isListed(kLongitudinalDiameters, *diameter)) {
        return {std::nullopt, "纵筋直径应为 10、12、14、16、18、20、22、25、28、32、36、40 之一"};
    }
    return {BarSet{*count, *diameter, grade}, ""};
}

Parsed<StirrupSet> parseStirrups(std::string_view typed) {
    const std::string text = withoutSpaces(typed);
    std::string_view rest = text;
    std::optional<int> diameter, spacing, legs = 2;
    int grade = 0;
    if (takeBarSign(rest, grade) && (diameter = takeNumber(rest)) && take(rest, {"@", "＠"}) &&
        (spacing = takeNumber(rest)) && take(rest, {"(", "（"})) {
        legs = takeNumber(rest);
        if (!legs || !take(rest, {")", "）"})) {
            legs.reset();
        }
    }
    if (!diameter || !spacing || !legs || !rest.empty()) {
        return {std::nullopt, "格式应为 Φ直径@间距(肢数)，如 Φ8@150(2) 或 C8@150(2)"};
    }
    if (!isListed(kStirrupDiameters, *diameter)) {
        return {std::nullopt, "箍筋直径应为 6、8、10、12、14 之一"};
    }
    if (*spacing < kNarrowestStirrupSpacing || *spacing > kWidestStirrupSpacing) {
        return {std::nullopt, "箍筋间距应为 50～400"};
    }
    if (!isListed(kStirrupLegs, *legs)) {
        return {std::nullopt, "箍筋肢数应为 2、3、4 或 6"};
    }
    return {StirrupSet{*legs, *diameter, *spacing, grade}, ""};
}

} // namespace spanwise
