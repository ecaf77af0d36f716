// The supports' axes in the project file: written only where they are not numbered, typed ones
// in GBK like a load's text, read back to the same beam, and every bad record refused with its
// line and the reason.
#include "io/ProjectFile.h"

#include <gtest/gtest.h>

namespace spanwise {
namespace {

// Two spans of 6 m with a uniform load each (kind code 1, text "q"), then the block given; the
// lines are typed from the format, not printed by the program.
std::string twoSpans(const std::string& block) {
    return "2,1,0,0\r\n6,1,1,1,0\r\n10,0,0,0,0\r\n\"q\",1\r\n6,1,1,1,0\r\n10,0,0,0,0\r\n"
           "\"q\",1\r\n" +
           block;
}

Project twoSpanProject() {
    Project p;
    const Load q{Uniform, 0, 10, 0, 0, 0, "q"};
    p.beam.spans = {spanWith(6, 1, 1, {q}), spanWith(6, 1, 1, {q})};
    return p;
}

constexpr const char* kHead = "\"Spanwise\",2\r\n\"factors\",1.3,1.5,1\r\n";

TEST(AxisRecords, OnlyAxesThatAreNotNumberedAreWrittenAndTheyReadBack) {
    struct Case {
        const char* what;
        AxisStyle style;
        std::vector<std::string> typed; // per node
        std::string file;
    };
    const Case cases[] = {
        // the default: the file holds no block at all, as before axes had names
        {"numbered", AxisStyle::Numbers, {"x", "y", "z"}, twoSpans("")},
        {"lettered",
         AxisStyle::Letters,
         {},
         twoSpans(std::string(kHead) + "\"axes\",\"letters\"\r\n")},
        // 甲 is BC D7 in GBK; an axis left empty is not written (it keeps its number)
        {"typed",
         AxisStyle::Typed,
         {"1/A", "", "甲"},
         twoSpans(std::string(kHead) +
                  "\"axes\",\"typed\"\r\n\"axis\",0,\"1/A\"\r\n\"axis\",2,\"\xBC\xD7\"\r\n")},
    };
    for (const Case& c : cases) {
        Project p = twoSpanProject();
        p.beam.axisStyle = c.style;
        for (std::size_t j = 0; j < c.typed.size(); ++j) {
            supportDesign(p.beam, static_cast<int>(j)).axis = c.typed[j];
        }
        std::string bytes;
        ASSERT_TRUE(projectFileBytes(p, bytes).ok) << c.what;
        EXPECT_EQ(bytes, c.file) << c.what;
        if (c.style == AxisStyle::Numbers) {
            continue; // typed texts under numbers are not kept: they name nothing
        }
        const ReadResult back = parseProject(bytes, "axes.BMD");
        ASSERT_TRUE(back.ok()) << back.error.message();
        EXPECT_EQ(back.project->beam, p.beam) << c.what;
    }
}

TEST(AxisRecords, EveryKindOfBadRecordIsRefusedWithItsLine) {
    struct Case {
        std::string block; // after the factors line (line 10 is the first given here)
        int line;
        std::string reason;
    };
    const std::string typed = "\"axes\",\"typed\"\r\n";
    const Case cases[] = {
        {"\"axes\",\"roman\"\r\n", 10, "轴号方式“roman”应为 \"letters\" 或 \"typed\""},
        {"\"axes\",letters\r\n", 10, "轴号方式“letters”应为 \"letters\" 或 \"typed\""},
        {typed + typed, 11, "轴号方式重复给出"},
        {typed + "\"axis\",3,\"A\"\r\n", 11, "轴号记录的支座号“3”应在 0 到 2 之间"},
        {typed + "\"axis\",1,\"A\"\r\n\"axis\",1,\"B\"\r\n", 12, "1 号支座的轴号重复给出"},
        {typed + "\"axis\",1,A\r\n", 11, "轴号“A”缺少双引号"},
        {typed + "\"axis\",1,\"\"\r\n", 11, "轴号为空"},
        {typed + "\"axis\",1,\"A,B\"\r\n", 11,
         "轴号“A,B”：轴号最多 8 个字，不能含有引号、逗号或换行"},
        {typed + "\"axis\",0,\"B\"\r\n\"axis\",1,\"B\"\r\n", 11,
         "轴号“B”重复（从左数第 1、2 个支座）"},
        {"\"axis\",1,\"A\"\r\n", 10, "轴号记录需要 \"axes\",\"typed\""},
        {"\"axis\",1,\"A\"\r\n\"axes\",\"letters\"\r\n", 10, "轴号记录需要 \"axes\",\"typed\""},
    };
    for (const Case& c : cases) {
        const ReadResult r = parseProject(twoSpans(kHead + c.block), "bad.BMD");
        ASSERT_FALSE(r.ok()) << c.block;
        EXPECT_EQ(r.error.line, c.line) << c.block;
        EXPECT_EQ(r.error.reason, c.reason) << c.block;
    }
    // a cantilever's free end (a span fixed at its left end, free at its right) has no axis
    const ReadResult free = parseProject(
        "1,1,2,1\r\n3,1,1,0,0\r\n\"Spanwise\",2\r\n" + typed + "\"axis\",1,\"A\"\r\n", "free.BMD");
    ASSERT_FALSE(free.ok());
    EXPECT_EQ(free.error.reason, "轴号记录的支座号“1”是悬臂的自由端，不是支座");
}

// The writer refuses what the reader would: two supports on one axis.
TEST(AxisRecords, TheWriterRefusesAxesNoFileMayHold) {
    Project p = twoSpanProject();
    p.beam.axisStyle = AxisStyle::Typed;
    p.beam.firstSupportDesign.axis = "A";
    p.beam.span(1).rightSupportDesign.axis = "A";
    std::string bytes;
    const SaveResult twice = projectFileBytes(p, bytes);
    EXPECT_FALSE(twice.ok);
    EXPECT_EQ(twice.reason, "轴号“A”重复（从左数第 1、2 个支座）");
    EXPECT_TRUE(bytes.empty()); // nothing to write
}

} // namespace
} // namespace spanwise
