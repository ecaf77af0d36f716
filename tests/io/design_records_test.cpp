// The design data in the project file's block: every record written as the format lays it out,
// read back to the same project, and every kind of bad record refused with its line.
#include "io/ProjectFile.h"

#include <gtest/gtest.h>

namespace spanwise {
namespace {

// Two spans of 6 m with a uniform load each (kind code 1, text "q"), then the block given.
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

std::string bytesOf(const Project& p) {
    std::string bytes;
    const SaveResult saved = projectFileBytes(p, bytes);
    EXPECT_TRUE(saved.ok) << saved.reason;
    return bytes;
}

constexpr const char* kHead = "\"Spanwise\",2\r\n\"factors\",1.3,1.5,1\r\n";

// Every record of the design data, with the fields the format lays out, in the writer's order:
// settings, sections, supports, then each span's bars and last the bars over the supports (the
// lines below are typed from the format, not printed by the program).
TEST(DesignRecords, EveryRecordIsWrittenAsLaidOutAndReadBackWhole) {
    Project p = twoSpanProject();
    p.beam.design = {35, 500, 300, Exposure::TwoA, 45, 1.1f};
    p.beam.span(1).section =
        SpanSection{250, 600, 1800, 100, false, BarSet{4, 22}, std::nullopt, StirrupSet{2, 8, 150}};
    p.beam.span(2).section =
        SpanSection{300, 650, 0, 0, true, std::nullopt, BarSet{2, 16}, std::nullopt};
    p.beam.firstSupportDesign.width = 0.4f;
    p.beam.span(1).rightSupportDesign = {0.3f, 0.2f, BarSet{3, 20}, {}};
    const std::string expected =
        twoSpans(std::string(kHead) + "\"design\",35,500,300,\"2a\",45,1.1\r\n"
                                      "\"section\",1,250,600,1800,100,0\r\n"
                                      "\"section\",2,300,650,0,0,1\r\n"
                                      "\"support\",0,0.4,0\r\n"
                                      "\"support\",1,0.3,0.2\r\n"
                                      "\"bottom\",1,4,22\r\n"
                                      "\"stirrups\",1,2,8,150\r\n"
                                      "\"spantop\",2,2,16\r\n"
                                      "\"top\",1,3,20\r\n");
    EXPECT_EQ(bytesOf(p), expected);
    const ReadResult back = parseProject(expected, "t.BMD");
    ASSERT_TRUE(back.ok()) << back.error.message();
    EXPECT_EQ(*back.project, p);

    // a set's own grade where it is not the project's; as,top where it is not as
    Project graded = p;
    graded.beam.design.topTensionCover = 60;
    graded.beam.span(1).section->bottomBars = BarSet{4, 22, 400};       // differs from HRB500
    graded.beam.span(1).section->stirrups = StirrupSet{3, 8, 150, 300}; // the project's
    graded.beam.span(1).rightSupportDesign.topBars = BarSet{3, 20, 335};
    std::string withGrades = expected;
    for (const auto& [from, to] : {std::pair<std::string, std::string>{
                                       "\"2a\",45,1.1\r\n", "\"2a\",45,1.1\r\n\"topas\",60\r\n"},
                                   {"\"bottom\",1,4,22\r\n", "\"bottom\",1,4,22,400\r\n"},
                                   {"\"stirrups\",1,2,8,150\r\n", "\"stirrups\",1,3,8,150\r\n"},
                                   {"\"top\",1,3,20\r\n", "\"top\",1,3,20,335\r\n"}}) {
        withGrades.replace(withGrades.find(from), from.size(), to);
    }
    EXPECT_EQ(bytesOf(graded), withGrades);
    const ReadResult gradedBack = parseProject(withGrades, "t.BMD");
    ASSERT_TRUE(gradedBack.ok()) << gradedBack.error.message();
    const Beam& b = gradedBack.project->beam;
    EXPECT_EQ(b.span(1).section->bottomBars, (BarSet{4, 22, 400}));
    EXPECT_EQ(b.span(1).section->stirrups, (StirrupSet{3, 8, 150, 0})); // the project's again
    EXPECT_EQ(b.span(1).rightSupportDesign.topBars, (BarSet{3, 20, 335}));
    EXPECT_EQ(b.design.topTensionCover, 60);

    // settings alone (a section on no span yet) still make the block version 2
    Project settingsOnly = twoSpanProject();
    settingsOnly.beam.design.concrete = 40;
    EXPECT_EQ(bytesOf(settingsOnly),
              twoSpans(std::string(kHead) + "\"design\",40,400,400,\"1\",0,1\r\n"));

    // and without design data, not a byte of it: the file stays as it always was
    EXPECT_EQ(bytesOf(twoSpanProject()), twoSpans(""));
}

// A section may be missing on some spans while the engineer enters them one at a time: such a
// project saves and opens whole, the other spans keeping their typed EI.
TEST(DesignRecords, ASectionOnSomeSpansOnlyIsKept) {
    Project p = twoSpanProject();
    p.beam.span(2).section = SpanSection{250, 500, 0, 0, false, {}, {}, {}};
    const ReadResult back = parseProject(bytesOf(p), "t.BMD");
    ASSERT_TRUE(back.ok()) << back.error.message();
    EXPECT_FALSE(back.project->beam.span(1).section.has_value());
    EXPECT_EQ(back.project->beam.span(2).section, p.beam.span(2).section);
}

TEST(DesignRecords, EveryKindOfBadRecordIsRefusedWithItsLine) {
    struct Case {
        std::string block; // after the factors line (line 10 is the first given here)
        int line;
        std::string reason;
    };
    const std::string d = "\"design\",30,400,400,\"1\",0,1\r\n";
    const Case cases[] = {
        {d + "\"section\",3,250,500,0,0,0\r\n", 11, "设计记录的跨号“3”应在 1 到 2 之间"},
        {d + "\"section\",1,50,500,0,0,0\r\n", 11, "梁宽 b 应在 100～2000 mm 之间"},
        {d + "\"section\",1,250,500,200,100,0\r\n", 11,
         "翼缘宽度 bf' 应大于梁宽 b（矩形截面填 0）"},
        {d + "\"section\",1,250,500,0,0,0\r\n\"section\",1,250,500,0,0,0\r\n", 12,
         "第 1 跨的截面重复给出"},
        {d + "\"support\",3,0.3,0\r\n", 11, "设计记录的支座号“3”应在 0 到 2 之间"},
        {d + "\"support\",1,0.3,0.3\r\n", 11, "调幅系数 β 应在 0～0.25 之间"},
        {d + "\"support\",1,-0.3,0\r\n", 11, "支座宽度应在 0～10 m 之间"},
        {d + "\"support\",0,0,0.2\r\n", 11,
         "①轴支座：不能调幅，只能用于两侧均为两端支承跨的中间支座或两端支承跨的固定端（悬臂旁的支"
         "座、"
         "简支端不调幅）"},
        {"\"design\",30,400,400,\"3a\",0,1\r\n\"support\",1,0,0.1\r\n", 11,
         "②轴支座：不能调幅，环境类别为三a、三b 时不调幅"},
        {d + "\"bottom\",1,4,22\r\n", 11, "第 1 跨没有截面记录"},
        {d + "\"section\",1,250,500,0,0,0\r\n\"bottom\",1,1,22\r\n", 12, "钢筋根数应为 2～20"},
        {d + "\"section\",1,250,500,0,0,0\r\n\"bottom\",1,4,23\r\n", 12,
         "纵筋直径应为 10、12、14、16、18、20、22、25、28、32、36 或 40"},
        {d + "\"section\",1,250,500,0,0,0\r\n\"stirrups\",1,5,8,150\r\n", 12,
         "箍筋肢数应为 2、3、4 或 6"},
        {d + "\"section\",1,250,500,0,0,0\r\n\"bottom\",1,4,22,450\r\n", 12,
         "钢筋牌号“450”应为 300、335、400 或 500"},
        {d + "\"section\",1,250,500,0,0,0\r\n\"bottom\",1,4,22,400,1\r\n", 12,
         "应有 4 至 5 个字段，该行有 6 个"},
        {d + "\"topas\",0\r\n", 11, "as,top 应大于 0"},
        {d + "\"topas\",260\r\n\"section\",1,500,500,0,0,0\r\n", 10,
         "第1跨：as、as,top 应小于梁高的一半"},
        {d + "\"top\",1,2,16\r\n\"top\",1,2,16\r\n", 12, "1 号支座的上部钢筋重复给出"},
        {"\"design\",30,400,400,\"4\",0,1\r\n", 10, "环境类别“4”应为 1、2a、2b、3a 或 3b"},
        {"\"design\",32,400,400,\"1\",0,1\r\n", 10, "混凝土强度等级应为 C20～C80（级差 5）"},
        {"\"design\",30,400,400,\"1\",0,1.2\r\n", 10, "结构重要性系数 γ0 应为 0.9、1.0 或 1.1"},
        {"\"design\",30,400,400,\"1\",300,1\r\n\"section\",1,250,500,0,0,0\r\n", 10,
         "第1跨：as、as,top 应小于梁高的一半"},
        {"\"section\",1,250,500,0,0,0\r\n", 10, "缺少设计参数记录（\"design\"）"},
    };
    for (const Case& c : cases) {
        const ReadResult r = parseProject(twoSpans(kHead + c.block), "bad.BMD");
        ASSERT_FALSE(r.ok()) << c.block;
        EXPECT_EQ(r.error.line, c.line) << c.block;
        EXPECT_EQ(r.error.reason, c.reason) << c.block;
    }
    // design records need version 2 of the block: a reader of version 1 would drop them
    const ReadResult old = parseProject(twoSpans("\"Spanwise\",1\r\n" + d), "old.BMD");
    ASSERT_FALSE(old.ok());
    EXPECT_EQ(old.error.line, 8);
    EXPECT_EQ(old.error.reason, "设计记录需要扩展块版本 2");
    // a cantilever's free end (a span fixed at its left end, free at its right) is no support
    const ReadResult free = parseProject(
        "1,1,2,1\r\n3,1,1,0,0\r\n\"Spanwise\",2\r\n" + d + "\"support\",1,0.3,0\r\n", "free.BMD");
    ASSERT_FALSE(free.ok());
    EXPECT_EQ(free.error.reason, "支座记录的支座号“1”是悬臂的自由端，不是支座");
}

// The writer refuses what the reader would refuse, so that a save never leaves a file that does
// not open; the bytes already there are not touched (the save writes nothing).
TEST(DesignRecords, TheWriterRefusesDataNoFileMayHold) {
    std::string bytes;
    Project wide = twoSpanProject();
    wide.beam.span(1).section = SpanSection{3000, 500, 0, 0, false, {}, {}, {}};
    EXPECT_FALSE(projectFileBytes(wide, bytes).ok);
    EXPECT_TRUE(bytes.empty());
    Project beta = twoSpanProject();
    beta.beam.firstSupportDesign.redistribution = 0.2f; // a simple end
    EXPECT_FALSE(projectFileBytes(beta, bytes).ok);
}

} // namespace
} // namespace spanwise
