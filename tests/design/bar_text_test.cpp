// The bar texts and what an engineer may type for them: the sign of a set's own grade (the letter
// drafting software types: A HPB300, B HRB335, C HRB400, E HRB500) or the project's (Φ).
#include "design/BarText.h"

#include <gtest/gtest.h>

namespace spanwise {
namespace {

TEST(BarText, LongitudinalBarsCarryTheirGrade) {
    // the tables write HPB300 as Φ and the others by their letter; a set of grade 0 takes the
    // project's; the drawing's settings write letters, codes or Φ for every grade
    const struct {
        BarSet bars;
        int project;
        SteelSigns signs;
        const char* text;
    } written[] = {{{4, 22, 0}, 400, SteelSigns::Tables, "4C22"},
                   {{4, 22, 0}, 300, SteelSigns::Tables, "4Φ22"},
                   {{4, 22, 500}, 400, SteelSigns::Tables, "4E22"},
                   {{4, 22, 335}, 400, SteelSigns::Tables, "4B22"},
                   {{4, 22, 0}, 300, SteelSigns::Letters, "4A22"},
                   {{4, 22, 0}, 400, SteelSigns::Codes, "4%%13222"},
                   {{4, 22, 300}, 400, SteelSigns::Codes, "4%%13022"},
                   {{4, 22, 500}, 400, SteelSigns::Phi, "4Φ22"}};
    for (const auto& w : written) {
        EXPECT_EQ(barText(w.bars, w.project, w.signs), w.text);
    }
    // what an engineer types: Φ for the project's grade, a letter for the set's own
    const std::pair<const char*, BarSet> accepted[] = {
        {"4Φ22", {4, 22, 0}},      {"4φ22", {4, 22, 0}},     {"4ϕ22", {4, 22, 0}},
        {" 4 Φ 22\t", {4, 22, 0}}, {"4　Φ22", {4, 22, 0}},   {"4C22", {4, 22, 400}},
        {"4c22", {4, 22, 400}},    {"4 A 22", {4, 22, 300}}, {"4B22", {4, 22, 335}},
        {"4E22", {4, 22, 500}},    {"20Φ40", {20, 40, 0}}};
    for (const auto& [typed, bars] : accepted) {
        EXPECT_EQ(parseBars(typed).value, bars) << typed;
        EXPECT_EQ(parseBars(typedBarText(bars)).value, bars) << typed; // typed back the same
    }
    const std::string format = "格式应为 根数Φ直径，如 4Φ22 或 4C22（A、B、C、E 为牌号）",
                      count = "根数应为 2～20",
                      diameter = "纵筋直径应为 10、12、14、16、18、20、22、25、28、32、36、40 之一";
    const std::pair<const char*, std::string> refused[] = {
        {"", format},     {"4x22", format},   {"Φ22", format},       {"4F22", format},
        {"4D22", format}, {"4Φ22mm", format}, {"4Φ1234567", format}, {"1Φ22", count},
        {"21Φ22", count}, {"4Φ23", diameter}, {"4Φ8", diameter}};
    for (const auto& [typed, problem] : refused) {
        EXPECT_FALSE(parseBars(typed).ok()) << typed;
        EXPECT_EQ(parseBars(typed).problem, problem) << typed;
    }
}

TEST(BarText, StirrupsCarryTheirGradeAndTakeThreeLegs) {
    EXPECT_EQ(stirrupText({2, 8, 150, 0}, 300), "Φ8@150(2)");
    EXPECT_EQ(stirrupText({2, 8, 150, 0}, 400), "C8@150(2)");
    EXPECT_EQ(stirrupText({3, 8, 150, 400}, 300), "C8@150(3)");
    const std::pair<const char*, StirrupSet> accepted[] = {
        {"Φ8@150(2)", {2, 8, 150, 0}},       {"φ8@150", {2, 8, 150, 0}},
        {"Φ 10 @ 100 (4)", {4, 10, 100, 0}}, {"Φ12＠50（6）", {6, 12, 50, 0}},
        {"C8@150(2)", {2, 8, 150, 400}},     {"a6@200", {2, 6, 200, 300}},
        {"C8@150(3)", {3, 8, 150, 400}}};
    for (const auto& [typed, stirrups] : accepted) {
        EXPECT_EQ(parseStirrups(typed).value, stirrups) << typed;
        EXPECT_EQ(parseStirrups(typedStirrupText(stirrups)).value, stirrups) << typed;
    }
    const std::string format = "格式应为 Φ直径@间距(肢数)，如 Φ8@150(2) 或 C8@150(2)";
    const std::pair<const char*, std::string> refused[] = {
        {"8@150", format},
        {"Φ8", format},
        {"Φ8@150(", format},
        {"Φ8@150(2", format},
        {"Φ8@150(2)x", format},
        {"Φ7@150", "箍筋直径应为 6、8、10、12、14 之一"},
        {"Φ8@49", "箍筋间距应为 50～400"},
        {"Φ8@401", "箍筋间距应为 50～400"},
        {"Φ8@150(5)", "箍筋肢数应为 2、3、4 或 6"}};
    for (const auto& [typed, problem] : refused) {
        EXPECT_EQ(parseStirrups(typed).problem, problem) << typed;
        EXPECT_FALSE(parseStirrups(typed).ok()) << typed;
    }
}

} // namespace
} // namespace spanwise
