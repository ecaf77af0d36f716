// The bar texts and what an engineer may type for them.
#include "design/BarText.h"

#include <gtest/gtest.h>

namespace spanwise {
namespace {

TEST(BarText, LongitudinalBars) {
    EXPECT_EQ(barText({4, 22}), "4Φ22");
    // the grade letters of drafting software stand for the sign: what a keyboard types
    for (const char* typed :
         {"4Φ22", "4φ22", "4ϕ22", " 4 Φ 22\t", "4　Φ22", "4C22", "4c22", "4 A 22", "4E22"}) {
        EXPECT_EQ(parseBars(typed).value, (BarSet{4, 22})) << typed;
    }
    EXPECT_EQ(parseBars("20Φ40").value, (BarSet{20, 40}));
    const std::string format = "格式应为 根数Φ直径，如 4Φ22 或 4C22", count = "根数应为 2～20",
                      diameter = "纵筋直径应为 10、12、14、16、18、20、22、25、28、32、36、40 之一";
    const std::pair<const char*, std::string> refused[] = {
        {"", format},       {"4x22", format},      {"Φ22", format}, {"4F22", format},
        {"4Φ22mm", format}, {"4Φ1234567", format}, {"1Φ22", count}, {"21Φ22", count},
        {"4Φ23", diameter}, {"4Φ8", diameter}};
    for (const auto& [typed, problem] : refused) {
        EXPECT_FALSE(parseBars(typed).ok()) << typed;
        EXPECT_EQ(parseBars(typed).problem, problem) << typed;
    }
}

TEST(BarText, Stirrups) {
    EXPECT_EQ(stirrupText({2, 8, 150}), "Φ8@150(2)");
    const std::pair<const char*, StirrupSet> accepted[] = {
        {"Φ8@150(2)", {2, 8, 150}},    {"φ8@150", {2, 8, 150}},    {"Φ 10 @ 100 (4)", {4, 10, 100}},
        {"Φ12＠50（6）", {6, 12, 50}}, {"C8@150(2)", {2, 8, 150}}, {"a6@200", {2, 6, 200}}};
    for (const auto& [typed, stirrups] : accepted) {
        EXPECT_EQ(parseStirrups(typed).value, stirrups) << typed;
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
        {"Φ8@150(3)", "箍筋肢数应为 2、4 或 6"}};
    for (const auto& [typed, problem] : refused) {
        EXPECT_EQ(parseStirrups(typed).problem, problem) << typed;
        EXPECT_FALSE(parseStirrups(typed).ok()) << typed;
    }
}

} // namespace
} // namespace spanwise
