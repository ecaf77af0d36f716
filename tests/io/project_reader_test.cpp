#include "io/ProjectFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace spanwise {
namespace {

const std::string kUniformGbk = "\xBE\xF9\xB2\xBC\xBA\xC9\xD4\xD8"; // 均布荷载

// The two-span example: span 1 with a selected uniform load of 10 kN/m, span 2 bare.
const std::string kExample =
    "2,1,0,2\r\n6,1,1,1,1\r\n10,0,0,0,0\r\n\"" + kUniformGbk + "\",1\r\n4.5,2,2.5,0,0\r\n";

Project read(const std::string& bytes) {
    const ReadResult r = parseProject(bytes, "t.BMD");
    EXPECT_TRUE(r.ok()) << r.error.message();
    return r.project.value_or(Project{});
}

TEST(ProjectReader, ReadsTheExample) {
    Project expected;
    expected.beam.spans = {spanWith(6, 1, 1, {Load{Uniform, 0, 10, 0, 0, 0, "均布荷载"}}),
                           spanWith(4.5f, 2, 2.5f)};
    expected.beam.rightSupport = Fixed;
    expected.selectedLoad(1) = 1;
    EXPECT_EQ(read(kExample), expected);
}

TEST(ProjectReader, AcceptsTheFormsOtherWritersUse) {
    const Project reference = read(kExample);
    const std::string forms[] = {
        // LF only
        "2,1,0,2\n6,1,1,1,1\n10,0,0,0,0\n\"" + kUniformGbk + "\",1\n4.5,2,2.5,0,0\n",
        // fields one per line, blanks around them, no final line end
        "2\r\n1\r\n0\r\n2\r\n 6 , 1.0 ,+1,1,1\r\n10,0,0,0,0\r\n  \"" + kUniformGbk +
            "\" ,\t1\r\n4.5,2,2.5,0,0",
        // blank lines between records, numbers with a leading point, a trailing point, exponent
        "\r\n2,1,0,2\r\n\r\n6,1,1,1,1\r\n10.,0,.0,-0.0e0,0\r\n\"" + kUniformGbk +
            "\",1\r\n\r\n4.50,2,2.5e0,0,0\r\n\r\n",
    };
    for (const auto& bytes : forms) {
        Project p = read(bytes);
        p.beam.span(1).load(1).b = 0; // -0.0 read as written
        EXPECT_EQ(p, reference) << bytes;
    }
    EXPECT_EQ(read("1,1,0,0\r\n.5,1,1,0,0\r\n").beam.span(1).length, 0.5f);
    // a single span on any pair of supports (the data check refuses the mechanisms)
    const Project propped = read("1,1,2,0\r\n6,1,1,0,0\r\n");
    EXPECT_EQ(propped.beam.leftSupport, Fixed);
    EXPECT_EQ(propped.beam.rightSupport, Simple);
    EXPECT_EQ(read("1,1,0,1\r\n6,1,1,0,0\r\n").beam.rightSupport, Cantilever);
}

struct Malformed {
    const char* name;
    std::string bytes;
    int line;
    std::string reason; // the whole reason
};

TEST(ProjectReader, MalformedFilesNameTheirLineAndFault) {
    const std::string load = "10,0,0,0,0\r\n\"" + kUniformGbk + "\",1\r\n";
    const Malformed cases[] = {
        {"empty file", "", 1, "文件提前结束，缺少工程记录（跨数、当前跨号、两端支座）"},
        {"ends before span 2", "2,1,0,0\r\n6,1,1,0,0\r\n", 3, "文件提前结束，缺少第 2 跨的跨记录"},
        {"ends inside a record", "1,1,0,0\r\n6,1,1", 2, "应有 5 个数值，文件在第 3 个之后就结束了"},
        {"short line", "2,1,0,0\r\n6,1,1,0\r\n5,1,1,0,0\r\n", 2, "应有 5 个数值，该行有 4 个"},
        {"long line", "1,1,0,0\r\n6,1,1,0,0,7\r\n", 2, "应有 5 个数值，该行有 6 个"},
        {"word for a number", "1,1,0,0\r\n6,abc,1,0,0\r\n", 2, "刚度 EI“abc”不是数值"},
        {"empty field", "1,1,0,0\r\n6,,1,0,0\r\n", 2, "刚度 EI为空"},
        {"quoted number", "1,1,0,0\r\n\"6\",1,1,0,0\r\n", 2, "跨度“6”不是数值"},
        {"number too large", "1,1,0,0\r\n1e39,1,1,0,0\r\n", 2, "跨度“1e39”超出单精度数的范围"},
        {"not a number", "1,1,0,0\r\n6,1,nan,0,0\r\n", 2, "线刚度 i“nan”不是有限的数"},
        {"fractional count", "1.5,1,0,0\r\n", 1, "跨数“1.5”不是整数"},
        {"no spans", "0,1,0,0\r\n", 1, "跨数“0”应在 1 到 20 之间"},
        {"21 spans", "21,1,0,0\r\n", 1, "跨数“21”应在 1 到 20 之间"},
        {"current span 0", "2,0,0,0\r\n", 1, "当前跨号“0”应在 1 到 2 之间"},
        {"support code 3", "2,1,3,0\r\n", 1, "左端支座代码“3”应在 0 到 2 之间"},
        {"11 loads", "1,1,0,0\r\n6,1,1,11,0\r\n", 2, "第 1 跨的荷载数“11”应在 0 到 10 之间"},
        {"selected load above count", "1,1,0,0\r\n6,1,1,1,2\r\n" + load, 2,
         "第 1 跨的选中荷载序号“2”应在 0 到 1 之间"},
        {"kind code 6", "1,1,0,0\r\n6,1,1,1,0\r\n10,0,0,0,0\r\n\"x\",6\r\n", 4,
         "荷载类型代码“6”应在 0 到 5 之间"},
        {"missing quote", "1,1,0,0\r\n6,1,1,1,0\r\n10,0,0,0,0\r\n" + kUniformGbk + ",1\r\n", 4,
         "荷载名称“均布荷载”缺少双引号"},
        {"unterminated quote", "1,1,0,0\r\n6,1,1,1,0\r\n10,0,0,0,0\r\n\"abc,1\r\n", 4,
         "引号没有闭合"},
        {"text after the quote", "1,1,0,0\r\n6,1,1,1,0\r\n10,0,0,0,0\r\n\"a\"b,1\r\n", 4,
         "引号后面有多余的字符"},
        {"long word shown shortened", "1,1,0,0\r\nabcdefghijklmnopqrstuvwxyz0123456789,1,1,0,0\r\n",
         2, "跨度“abcdefghijklmnopqrstuvwx…”不是数值"},
        {"broken GBK", "1,1,0,0\r\n6,1,1,1,0\r\n10,0,0,0,0\r\n\"\xBE\",1\r\n", 4,
         "荷载名称不是有效的 GBK 文字"},
        {"data after the last record", "1,1,0,0\r\n6,1,1,0,0\r\n\r\n4.5,2,2.5,0,0\r\n", 4,
         "最后一条记录之后还有多余的内容"},
    };
    for (const auto& c : cases) {
        const ReadResult r = parseProject(c.bytes, "bad.BMD");
        ASSERT_FALSE(r.ok()) << c.name;
        EXPECT_EQ(r.error.line, c.line) << c.name;
        EXPECT_EQ(r.error.reason, c.reason) << c.name;
        EXPECT_EQ(r.error.fileName, "bad.BMD") << c.name;
    }
}

} // namespace
} // namespace spanwise
