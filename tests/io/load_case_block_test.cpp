// The load cases and combination factors in the project file: the block after the counted
// records, written only when needed, read back whole or refused with its line.
#include "io/ProjectFile.h"

#include <gtest/gtest.h>

namespace spanwise {
namespace {

// One span of 6 m with a uniform load (kind code 1, text "q"), then the block lines given.
std::string withBlock(const std::string& block) {
    return "1,1,0,0\r\n6,1,1,1,0\r\n10,0,0,0,0\r\n\"q\",1\r\n" + block;
}

std::string bytesOf(const Project& p) {
    std::string bytes;
    EXPECT_TRUE(projectFileBytes(p, bytes).ok);
    return bytes;
}

Project oneSpan() {
    Project p;
    p.beam.spans = {spanWith(6, 1, 1, {Load{Uniform, 0, 10, 0, 0, 0, "q"}})};
    return p;
}

TEST(LoadCaseBlock, WrittenOnlyWhenNeededAndReadBackWhole) {
    Project plain = oneSpan();
    EXPECT_EQ(bytesOf(plain), withBlock(""));

    Project live = oneSpan();
    live.beam.span(1).load(1).loadCase = Live;
    EXPECT_EQ(bytesOf(live), withBlock("\"Spanwise\",1\r\n\"case\",1,1,1\r\n"
                                       "\"factors\",1.3,1.5,1\r\n"));

    Project factors = oneSpan();
    factors.beam.factors = {1.2f, 1.4f, 1.1f, 0.9f};
    EXPECT_EQ(bytesOf(factors), withBlock("\"Spanwise\",1\r\n\"factors\",1.2,1.4,1.1\r\n"
                                          "\"deadfavourable\",0.9\r\n"));

    Project deflection = oneSpan();
    deflection.beam.deflection = {0.4f, 400};
    EXPECT_EQ(bytesOf(deflection), withBlock("\"Spanwise\",1\r\n\"factors\",1.3,1.5,1\r\n"
                                             "\"deflection\",0.4,400\r\n"));

    // the title block: one record a text, only those not empty, in GBK
    Project titled = oneSpan();
    titled.beam.info.project = "办公楼";
    titled.beam.info.checker = "李四";
    EXPECT_EQ(bytesOf(titled),
              withBlock("\"Spanwise\",1\r\n\"factors\",1.3,1.5,1\r\n\"project\",\""
                        "\xB0\xEC\xB9\xAB\xC2\xA5\"\r\n\"checker\",\"\xC0\xEE\xCB\xC4\"\r\n"));
    Project quoted = oneSpan();
    quoted.beam.info.designer = "张\"三";
    std::string bytes;
    EXPECT_EQ(projectFileBytes(quoted, bytes).reason, "“设计”不能含有双引号或换行");
    Project notText = oneSpan();
    notText.beam.info.member = "KL-1 \xFF"; // no text at all: not UTF-8
    EXPECT_EQ(projectFileBytes(notText, bytes).reason, "“构件编号”无法用 GBK 编码");

    // a later load kind: its values in the load's usual fields, and the block at version 2 so
    // that a reader of version 1 refuses the file by its version rather than drop the load
    Project later = oneSpan();
    later.beam.span(1).loads = {Load{Linear, 12, 0, 0, 0, 6, "线性分布荷载"},
                                Load{Couple, 60, 0, 1.5f, 4.5f, 0, "集中力偶"},
                                Load{PartialUniform, 0, 10, 1, 2, 3, "局部均布荷载"}};
    EXPECT_EQ(bytesOf(later), "1,1,0,0\r\n6,1,1,3,0\r\n0,12,0,0,6\r\n\"\xCF\xDF\xD0\xD4"
                              "\xB7\xD6\xB2\xBC\xBA\xC9\xD4\xD8\",4\r\n0,60,1.5,4.5,0\r\n\""
                              "\xBC\xAF\xD6\xD0\xC1\xA6\xC5\xBC\",5\r\n10,0,1,2,3\r\n\""
                              "\xBE\xD6\xB2\xBF\xBE\xF9\xB2\xBC\xBA\xC9\xD4\xD8\",3\r\n"
                              "\"Spanwise\",2\r\n\"factors\",1.3,1.5,1\r\n");

    // the beam's own weight counted: its unit weight, at version 4 (a reader of version 3
    // refuses the file rather than calculate without it)
    Project ownWeight = oneSpan();
    ownWeight.beam.selfWeight = 25;
    EXPECT_EQ(bytesOf(ownWeight), withBlock("\"Spanwise\",4\r\n\"factors\",1.3,1.5,1\r\n"
                                            "\"selfweight\",25\r\n"));

    for (const Project& p : {plain, live, factors, deflection, titled, later, ownWeight}) {
        const ReadResult r = parseProject(bytesOf(p), "t.BMD");
        ASSERT_TRUE(r.ok()) << r.error.message();
        EXPECT_EQ(*r.project, p);
    }
}

TEST(LoadCaseBlock, ABlockTheProgramCannotTakeIsRefusedWithItsLine) {
    struct Case {
        std::string block;
        int line;
        std::string reason;
    };
    const Case cases[] = {
        {"\"Spanwise\",5\r\n", 5, "扩展块版本 5 是更新的程序写的，本程序只能读版本 4"},
        {"\"Spanwise\",3\r\n\"selfweight\",25\r\n", 6, "梁自重记录需要扩展块版本 4"},
        {"\"Spanwise\",4\r\n\"selfweight\",200\r\n", 6,
         "梁自重的重度 γ 应在 1～100 kN/m³ 之间（0 为不计梁自重）"},
        {"\"Spanwise\",4\r\n\"selfweight\",25\r\n\"selfweight\",25\r\n", 7, "梁自重重复给出"},
        {"\"Spanwise\",x\r\n", 5, "扩展块版本“x”不是整数"},
        {"\"Spanwise\",1\r\n\"wind\",1\r\n", 6, "本程序不认识扩展记录“wind”"},
        {"\"Spanwise\",1\r\ncase,1,1,1\r\n", 6, "扩展记录应以带引号的名称开头，而不是“case”"},
        {"\"Other\",1\r\n", 5, "最后一条记录之后还有多余的内容"},
        {"\"Spanwise\",1\r\n\"case\",2,1,1\r\n", 6, "荷载类别记录的跨号“2”应在 1 到 1 之间"},
        {"\"Spanwise\",1\r\n\"case\",1,2,1\r\n", 6, "第 1 跨的荷载序号“2”应在 1 到 1 之间"},
        {"\"Spanwise\",1\r\n\"case\",1,1,2\r\n", 6, "荷载类别代码“2”应在 0 到 1 之间"},
        {"\"Spanwise\",1\r\n\"case\",1,1\r\n", 6, "应有 4 个字段，文件在第 3 个之后就结束了"},
        {"\"Spanwise\",1\r\n\"case\",1,1,1\r\n\"case\",1,1,0\r\n", 7,
         "第 1 跨第 1 个荷载的类别重复给出"},
        {"\"Spanwise\",1\r\n\"factors\",1.3,abc,1\r\n", 6, "γQ“abc”不是数值"},
        {"\"Spanwise\",1\r\n\"factors\",-1.3,1.5,1\r\n", 6, "恒载分项系数 γG 应为大于零的数"},
        {"\"Spanwise\",1\r\n\"factors\",1.3,1.5,0\r\n", 6,
         "设计使用年限调整系数 γL 应为大于零的数"},
        {"\"Spanwise\",1\r\n\"factors\",1.3,1.5,1\r\n\"factors\",1.3,1.5,1\r\n", 7,
         "荷载组合系数重复给出"},
        {"\"Spanwise\",1\r\n\"factors\",1.3,1.5,1,1\r\n", 6, "应有 4 个字段，该行有 5 个"},
        {"\"Spanwise\",1\r\n\"factors\",1.3,1.5,1\r\n\"deadfavourable\",1.4\r\n", 7,
         "恒载有利时的分项系数不应大于 γG"},
        {"\"Spanwise\",1\r\n\"deadfavourable\",0\r\n", 6, "恒载有利时的分项系数应为大于零的数"},
        {"\"Spanwise\",1\r\n\"deflection\",1.5,250\r\n", 6, "准永久值系数 ψq 应在 0 到 1 之间"},
        {"\"Spanwise\",1\r\n\"deflection\",0.5,-1\r\n", 6, "挠度限值 l0/n 的 n 应为正数"},
        {"\"Spanwise\",1\r\n\"deflection\",0.5\r\n", 6, "应有 3 个字段，文件在第 2 个之后就结束了"},
        {"\"Spanwise\",1\r\n\"deflection\",0.5,250\r\n\"deflection\",0.5,250\r\n", 7,
         "挠度设置重复给出"},
        {"\"Spanwise\",1\r\n\"designer\",x\r\n", 6, "“设计”“x”缺少双引号"},
        {"\"Spanwise\",1\r\n\"date\",\"1\"\r\n\"date\",\"2\"\r\n", 7, "“日期”重复给出"},
    };
    for (const Case& c : cases) {
        const ReadResult r = parseProject(withBlock(c.block), "bad.BMD");
        ASSERT_FALSE(r.ok()) << c.block;
        EXPECT_EQ(r.error.line, c.line) << c.block;
        EXPECT_EQ(r.error.reason, c.reason) << c.block;
    }
    // a span without loads has none to name
    const ReadResult bare =
        parseProject("1,1,0,0\r\n6,1,1,0,0\r\n\"Spanwise\",1\r\n\"case\",1,1,1\r\n", "bad.BMD");
    EXPECT_EQ(bare.error.reason, "第 1 跨没有荷载");
}

} // namespace
} // namespace spanwise
