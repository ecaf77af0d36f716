// The supports' axes as drawings name them: the labels each style gives, the names tables and
// messages build from them, and the rule a typed axis must keep.
#include "model/Axes.h"

#include <gtest/gtest.h>

namespace spanwise {
namespace {

Beam beamOf(int spans, SupportKind left = Simple, SupportKind right = Simple) {
    Beam beam;
    beam.spans.resize(static_cast<std::size_t>(spans));
    beam.leftSupport = left;
    beam.rightSupport = right;
    return beam;
}

// The labels of nodes 0..N written out by hand: circled numbers from U+2460 (⑳ is U+2473, ㉑
// U+3251); the letters of the alphabet without I, O and Z; a free end none, and the supports
// counted from the first real one.
TEST(AxisLabels, EachStyleNamesTheSupportsFromTheLeft) {
    struct Row {
        const char* what;
        Beam beam;
        AxisStyle style;
        std::vector<std::string> labels;
    };
    const std::vector<Row> rows = {
        {"three spans numbered", beamOf(3), AxisStyle::Numbers, {"①", "②", "③", "④"}},
        {"three spans lettered", beamOf(3), AxisStyle::Letters, {"A", "B", "C", "D"}},
        {"a cantilever on the left has no axis at its free end",
         beamOf(2, Cantilever, Simple),
         AxisStyle::Numbers,
         {"", "①", "②"}},
        {"a cantilever on the right",
         beamOf(2, Fixed, Cantilever),
         AxisStyle::Letters,
         {"A", "B", ""}},
    };
    for (const Row& row : rows) {
        Beam beam = row.beam;
        beam.axisStyle = row.style;
        for (int j = 0; j <= beam.spanCount(); ++j) {
            EXPECT_EQ(axisLabel(beam, j), row.labels[static_cast<std::size_t>(j)])
                << row.what << ", node " << j;
        }
    }
    // twenty spans: 21 supports, the last ㉑ and W (A…H is 8, J…N 5 more, P…W 8 more: 21)
    Beam twenty = beamOf(20);
    EXPECT_EQ(axisLabel(twenty, 19), "⑳");
    EXPECT_EQ(axisLabel(twenty, 20), "㉑");
    twenty.axisStyle = AxisStyle::Letters;
    EXPECT_EQ(axisLabel(twenty, 8), "J");  // I skipped
    EXPECT_EQ(axisLabel(twenty, 13), "P"); // O skipped
    EXPECT_EQ(axisLabel(twenty, 20), "W");
}

TEST(AxisLabels, NamesOfSupportsAndFacesFollowTheAxes) {
    Beam beam = beamOf(2, Simple, Cantilever);
    EXPECT_EQ(supportName(beam, 1), "②轴支座");
    EXPECT_EQ(supportFaceName(beam, 1, +1), "②轴支座右边缘");
    EXPECT_EQ(supportFaceName(beam, 1, -1), "②轴支座左边缘");
    EXPECT_EQ(supportName(beam, 2), "悬臂端");
    EXPECT_EQ(supportFaceName(beam, 2, -1), "悬臂端");

    beam.axisStyle = AxisStyle::Typed;
    beam.span(1).rightSupportDesign.axis = "5/C";
    EXPECT_EQ(supportFaceName(beam, 1, +1), "5/C轴支座右边缘");
    // a typed axis left empty keeps its number
    EXPECT_EQ(axisLabel(beam, 0), "①");
    // typed labels are used only while the axes are typed
    beam.axisStyle = AxisStyle::Letters;
    EXPECT_EQ(axisLabel(beam, 1), "B");
}

TEST(AxisLabels, ATypedAxisKeepsItsRule) {
    struct Row {
        const char* typed;
        int support;
        std::string words; // empty: kept
    };
    const Row rows[] = {
        {"A-1", 1, ""},
        {"一二三四五六七八", 1, ""}, // 8 characters
        {"一二三四五六七八九", 1,
         "轴号“一二三四五六七八九”：轴号最多 8 个字，不能含有引号、逗号或换行"},
        {"A\"", 1, "轴号“A\"”：轴号最多 8 个字，不能含有引号、逗号或换行"},
        {"1,2", 1, "轴号“1,2”：轴号最多 8 个字，不能含有引号、逗号或换行"},
        // the same name as support 0's number
        {"①", 1, "轴号“①”重复（从左数第 1、2 个支座）"},
    };
    for (const Row& row : rows) {
        Beam beam = beamOf(2);
        beam.axisStyle = AxisStyle::Typed;
        beam.span(1).rightSupportDesign.axis = row.typed;
        const auto problem = axisProblem(beam);
        if (row.words.empty()) {
            EXPECT_FALSE(problem) << row.typed;
        } else {
            ASSERT_TRUE(problem) << row.typed;
            EXPECT_EQ(problem->support, row.support);
            EXPECT_EQ(problem->words, row.words);
        }
    }
    // under numbers the typed texts are not names at all
    Beam numbered = beamOf(2);
    numbered.span(1).rightSupportDesign.axis = "1,2";
    EXPECT_FALSE(axisProblem(numbered));
}

} // namespace
} // namespace spanwise
