// The data check of the design data: what the ranges of each value cannot say (beta where the
// moment may not be redistributed, faces that leave a span no length, as against the depth),
// each message with the span or support it names; none of it for a beam without design data.
#include "check/DataCheck.h"
#include "design/SectionStiffness.h"

#include "support/BeamBuilder.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace spanwise {
namespace {

using Lines = std::vector<std::string>;
using test::BeamBuilder;

TEST(DesignCheck, EachRuleWithTheSpanOrSupportItNames) {
    struct Case {
        const char* what;
        SupportKind left, right;
        std::function<void(Beam&)> change;
        Lines messages;
    };
    const std::vector<Case> cases = {
        {"widths of 3 + 3.2 m leave span 2 of 6 m no length between its faces",
         Simple,
         Simple,
         [](Beam& b) {
             b.span(1).rightSupportDesign.width = 6;
             b.span(2).rightSupportDesign.width = 6.2f;
         },
         // and each of those supports passes the middle of the span on its other side
         {"②轴支座宽度之半不小于第1跨跨度之半（支座边缘到达或越过跨中）!",
          "第2跨两端支座宽度之半的和不小于跨度!",
          "③轴支座宽度之半不小于第3跨跨度之半（支座边缘到达或越过跨中）!"}},
        {"a free end's width is no face: the cantilever keeps its length",
         Simple,
         Cantilever,
         [](Beam& b) {
             b.span(3).rightSupportDesign.width = 9; // what support 3, the free end, held
             b.span(1).rightSupportDesign.width = 0.4f;
         },
         {"没有错误!"}},
        {"beta at the root of a cantilever",
         Simple,
         Cantilever,
         [](Beam& b) { b.span(2).rightSupportDesign.redistribution = 0.2f; },
         {"③轴支座：不能调幅，只能用于两侧均为两端支承跨的中间支座或两端支承跨的固定端（悬臂旁的支"
          "座、"
          "简支端不调幅）!"}},
        {"beta at a simple end",
         Simple,
         Simple,
         [](Beam& b) { b.firstSupportDesign.redistribution = 0.1f; },
         {"①轴支座：不能调幅，只能用于两侧均为两端支承跨的中间支座或两端支承跨的固定端（悬臂旁的支"
          "座、"
          "简支端不调幅）!"}},
        {"beta at a fixed end of a span held at both ends is allowed",
         Fixed,
         Simple,
         [](Beam& b) { b.firstSupportDesign.redistribution = 0.1f; },
         {"没有错误!"}},
        {"beta in environment 三b, said once for two supports",
         Simple,
         Simple,
         [](Beam& b) {
             b.design.environment = Exposure::ThreeB;
             b.span(1).rightSupportDesign.redistribution = 0.1f;
             b.span(2).rightSupportDesign.redistribution = 0.1f;
         },
         {"环境类别为三a、三b 时不调幅!"}},
        {"as of 260 mm against a 500 mm section",
         Simple,
         Simple,
         [](Beam& b) {
             b.design.tensionCover = 260;
             b.span(3).section = SpanSection{250, 500, 0, 0, false, {}, {}, {}};
         },
         {"第3跨：as、as,top 应小于梁高的一半!"}},
        // GB 50010 4.1.2: C20 with 400 MPa steel, the project's or a set's own
        {"C20 with HRB400",
         Simple,
         Simple,
         [](Beam& b) { b.design.concrete = 20; },
         {"采用 400MPa 及以上钢筋时混凝土强度等级不应低于 C25（GB 50010 4.1.2）!"}},
        {"C20 with HRB335 and one set of C",
         Simple,
         Simple,
         [](Beam& b) {
             b.design = {.concrete = 20, .longitudinalSteel = 335, .stirrupSteel = 300};
             b.span(2).section = SpanSection{250, 500, 0, 0, false, BarSet{4, 22, 400}, {}, {}};
         },
         {"采用 400MPa 及以上钢筋时混凝土强度等级不应低于 C25（GB 50010 4.1.2）!"}},
        {"C20 with HRB335 and HPB300",
         Simple,
         Simple,
         [](Beam& b) {
             b.design = {.concrete = 20, .longitudinalSteel = 335, .stirrupSteel = 300};
         },
         {"没有错误!"}},
        // a support 7 m wide on 6 m spans: each face passes the middle of its span
        {"a support wider than its spans",
         Simple,
         Simple,
         [](Beam& b) { b.span(1).rightSupportDesign.width = 7; },
         {"②轴支座宽度之半不小于第1跨跨度之半（支座边缘到达或越过跨中）!",
          "②轴支座宽度之半不小于第2跨跨度之半（支座边缘到达或越过跨中）!"}},
        // Table 5.2.4: bf' = 5000 on a 6 m span, l0/3 = 2000 (hf'/h0 = 120/460 > 0.1)
        {"a flange wider than the table allows",
         Simple,
         Simple,
         [](Beam& b) { b.span(1).section = SpanSection{250, 500, 5000, 120, false, {}, {}, {}}; },
         {"第1跨翼缘计算宽度 bf' = 5000 超过 GB 50010 表 5.2.4 的限值 2000（l0/3）!"}},
        {"a flange not wider than the web",
         Simple,
         Simple,
         [](Beam& b) { b.span(1).section = SpanSection{250, 500, 200, 80, false, {}, {}, {}}; },
         {"第1跨截面：翼缘宽度 bf' 应大于梁宽 b（矩形截面填 0）"}},
    };
    for (const Case& c : cases) {
        Beam beam = BeamBuilder(3, 6).uniform(1, 10).uniform(2, 10).uniform(3, 10).beam();
        beam.leftSupport = c.left;
        beam.rightSupport = c.right;
        c.change(beam);
        const CheckResult r = checkBeam(beam);
        EXPECT_EQ(r.messages, c.messages) << c.what;
        EXPECT_EQ(r.passed, c.messages == Lines{"没有错误!"}) << c.what;
    }
}

// With a section the beam is checked with the stiffness it gives: the notice about the default
// EI of 1 is not given for a span whose EI comes from its section, and still for the others.
TEST(DesignCheck, TheStiffnessNoticeFollowsTheSections) {
    Beam beam = BeamBuilder(2, 6).uniform(1, 10).uniform(2, 10).beam();
    beam.span(1).ei = beam.span(2).ei = kDefaultRigidity;
    beam.span(2).lineStiffness = 1.0f / 6; // EI / L: no other notice
    beam.span(1).section = SpanSection{250, 500, 0, 0, false, {}, {}, {}};
    const CheckResult r = checkBeam(calculationBeam(beam));
    EXPECT_EQ(r.notices, Lines{"第2跨 EI 为默认值 1，挠度需输入实际 EI 后方可验算"});
}

// A section on a span typed far too short: EI = 3.0e4 × 250 × 500³ / 12 N·mm² = 78125 kN·m² over
// L = 1.4e-45 m (the least float a field or a file can give) is about 5.6e49, beyond the float
// range: taking the section's stiffness must not fail, and the check refuses the span in words.
TEST(DesignCheck, ASpanTooShortForItsSectionIsRefusedNotCalculated) {
    Beam beam = BeamBuilder(2, 6).uniform(1, 10).uniform(2, 10).beam();
    beam.span(1).length = std::numeric_limits<float>::denorm_min();
    beam.span(1).section = SpanSection{250, 500, 0, 0, false, {}, {}, {}};
    Beam calculated;
    ASSERT_NO_THROW(calculated = calculationBeam(beam));
    EXPECT_FLOAT_EQ(calculated.span(1).ei, 78125.0f);
    const CheckResult r = checkBeam(calculated);
    EXPECT_FALSE(r.passed);
    EXPECT_EQ(r.messages, Lines{"第1跨线刚度 EI/L 超出数值范围，跨度过小!"});
}

} // namespace
} // namespace spanwise
