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

namespace spanwise {
namespace {

// The member's record: written only when it differs from L1, letters, bs 200, h1 0, and then in
// a block of version 3; read back to the same beam and the same bytes.
TEST(MemberRecord, IsWrittenOnlyWhenSetAndReadsBackByteForByte) {
    Project p;
    const Load q{Uniform, 0, 10, 0, 0, 0, "q"};
    p.beam.spans = {spanWith(6, 1, 1, {q})};
    const std::string counted = "1,1,0,0\r\n6,1,1,1,0\r\n10,0,0,0,0\r\n\"q\",1\r\n";
    std::string bytes;
    ASSERT_TRUE(projectFileBytes(p, bytes).ok);
    EXPECT_EQ(bytes, counted); // the default member: no block at all
    p.beam.member = MemberData{MemberCode::Frame, 12, DrawingSigns::Phi, 250, 150};
    ASSERT_TRUE(projectFileBytes(p, bytes).ok);
    const std::string expected = counted + "\"Spanwise\",3\r\n\"factors\",1.3,1.5,1\r\n"
                                           "\"detailing\",\"KL\",12,\"phi\",250,150\r\n";
    EXPECT_EQ(bytes, expected);
    const ReadResult back = parseProject(bytes, "member.BMD");
    ASSERT_TRUE(back.ok()) << back.error.message();
    EXPECT_EQ(back.project->beam, p.beam);
    std::string again;
    ASSERT_TRUE(projectFileBytes(*back.project, again).ok);
    EXPECT_EQ(again, bytes);
}

TEST(MemberRecord, BadMemberDataIsRefusedWithItsLine) {
    struct Case {
        std::string record;
        std::string reason;
    };
    const Case cases[] = {
        {"\"detailing\",\"WKL\",1,\"letters\",200,0", "构件代号“WKL”应为 \"L\" 或 \"KL\""},
        {"\"detailing\",\"L\",0,\"letters\",200,0", "构件编号“0”应在 1 到 999 之间"},
        {"\"detailing\",\"L\",1,\"greek\",200,0",
         "钢筋符号方式“greek”应为 \"letters\"、\"codes\" 或 \"phi\""},
        {"\"detailing\",\"L\",1,\"codes\",50,0", "次梁宽 bs“50”应在 100 到 2000 之间"},
        {"\"detailing\",\"L\",1,\"codes\",200,3500", "h1“3500”应在 0 到 3000 之间"},
        {"\"detailing\",\"L\",1,\"codes\",200,0\r\n\"detailing\",\"L\",1,\"codes\",200,0",
         "构件记录重复给出"},
    };
    const std::string head = "1,1,0,0\r\n6,1,1,1,0\r\n10,0,0,0,0\r\n\"q\",1\r\n\"Spanwise\",3\r\n"
                             "\"factors\",1.3,1.5,1\r\n";
    for (const Case& c : cases) {
        const ReadResult r = parseProject(head + c.record + "\r\n", "bad.BMD");
        ASSERT_FALSE(r.ok()) << c.record;
        EXPECT_EQ(r.error.reason, c.reason) << c.record;
        EXPECT_GE(r.error.line, 7) << c.record;
    }
    // a block of version 2 cannot hold it: a reader of version 2 refuses the file by its version
    const ReadResult old =
        parseProject("1,1,0,0\r\n6,1,1,1,0\r\n10,0,0,0,0\r\n\"q\",1\r\n\"Spanwise\",2\r\n"
                     "\"factors\",1.3,1.5,1\r\n\"detailing\",\"KL\",1,\"letters\",200,0\r\n",
                     "old.BMD");
    ASSERT_FALSE(old.ok());
    EXPECT_EQ(old.error.line, 7);
    EXPECT_EQ(old.error.reason, "构件记录需要扩展块版本 3");
}

} // namespace
} // namespace spanwise
