// The stiffness a section gives, worked by hand: the gross inertia of a rectangle and of a T
// with its flange, EI = Ec I and i = EI / L in the beam the calculation takes, and the flange
// width of GB 50010 Table 5.2.4.
#include "design/SectionStiffness.h"

#include <gtest/gtest.h>

namespace spanwise {
namespace {

SpanSection section(float b, float h, float bf = 0, float hf = 0) {
    return SpanSection{b, h, bf, hf, false, {}, {}, {}};
}

// Rectangle 250 x 500: I = b h^3 / 12 = 2.6041667e9 mm^4; C30, Ec = 3.0e4 N/mm^2: EI = 78125
// kN m^2. T 300 x 650 with a 2100 x 100 flange: web 195000 mm^2 at 325, overhangs 180000 at 50,
// centroid 193 mm from the top; I = 300 x 650^3 / 12 + 195000 x 132^2 + 1800 x 100^3 / 12 +
// 180000 x 143^2 = 14.094125e9 mm^4, EI = 422823.75.
TEST(SectionStiffness, GrossInertiaAndRigidityByHand) {
    const DesignSettings c30;
    const SectionProperties rectangle = grossSection(section(250, 500));
    EXPECT_DOUBLE_EQ(rectangle.area, 125000);
    EXPECT_DOUBLE_EQ(rectangle.centroidFromTop, 250);
    EXPECT_NEAR(rectangle.inertia, 2.6041667e9, 1e2);
    EXPECT_NEAR(sectionRigidity(section(250, 500), c30), 78125, 1e-6);

    const SectionProperties tee = grossSection(section(300, 650, 2100, 100));
    EXPECT_DOUBLE_EQ(tee.area, 375000);
    EXPECT_DOUBLE_EQ(tee.centroidFromTop, 193);
    EXPECT_NEAR(tee.inertia, 14.094125e9, 1);
    EXPECT_NEAR(sectionRigidity(section(300, 650, 2100, 100), c30), 422823.75, 1e-6);

    // C50: Ec = 3.45e4
    DesignSettings c50;
    c50.concrete = 50;
    EXPECT_NEAR(sectionRigidity(section(250, 500), c50), 89843.75, 1e-6);
    // a section or settings that cannot be used give none
    EXPECT_EQ(sectionRigidity(section(50, 500), c30), 0);
    DesignSettings bad;
    bad.concrete = 33;
    EXPECT_EQ(sectionRigidity(section(250, 500), bad), 0);
}

TEST(SectionStiffness, TheCalculationTakesEIAndIFromTheSections) {
    Beam beam;
    beam.spans = {spanWith(6.3f, 20000, 3000), spanWith(5, 20000, 4000)};
    const Beam plain = calculationBeam(beam);
    EXPECT_EQ(plain, beam) << "a beam without sections calculates as it always did";

    beam.span(1).section = section(300, 650, 2100, 100);
    const Beam withSection = calculationBeam(beam);
    EXPECT_EQ(withSection.span(1).ei, 422823.75f);
    EXPECT_EQ(withSection.span(1).lineStiffness, static_cast<float>(422823.75f / 6.3f));
    EXPECT_EQ(withSection.span(2).ei, 20000); // the typed values where there is no section
    EXPECT_EQ(withSection.span(2).lineStiffness, 4000);

    beam.design.concrete = 33; // settings that cannot be used: the typed values stay
    EXPECT_EQ(calculationBeam(beam).span(1).ei, 20000);
}

// Table 5.2.4: the least of l0/3 and, for a beam cast with the slab, b + sn (the helper) and
// b + 12hf' where hf'/h0 < 0.1; for an 独立梁, b + 6hf' where 0.05 ≤ hf'/h0 < 0.1 and no flange
// below 0.05. Each case worked by hand beside it.
TEST(SectionStiffness, FlangeWidthByTheTable) {
    const auto section = [](double hf, bool independent) {
        SpanSection s;
        s.width = 250;
        s.depth = 500;
        s.flangeDepth = static_cast<float>(hf);
        s.independent = independent;
        return s;
    };
    const struct {
        double hf, sn;
        bool independent;
        double helper, limit;
        const char* item;
    } cases[] = {// l0 = 6.6 m: 2200; b + sn = 3300; hf'/h0 = 80/460 = 0.17: no third limit
                 {80, 3050, false, 2200, 2200, "l0/3"},
                 // hf'/h0 = 40/460 = 0.087 < 0.1: b + 12 hf' = 730 governs
                 {40, 3050, false, 730, 730, "b + 12hf'"},
                 // close ribs: b + sn = 1450 is the helper's; the table itself allows l0/3
                 {100, 1200, false, 1450, 2200, "l0/3"},
                 // an 独立梁 with hf'/h0 = 40/460 = 0.087: b + 6hf' = 490; sn does not count
                 {40, 100, true, 490, 490, "b + 6hf'"},
                 // an 独立梁 with hf'/h0 = 20/460 = 0.043 < 0.05: no flange, bf' = b
                 {20, 100, true, 250, 250, "b"}};
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(flangeWidthByTable(6.6, section(c.hf, c.independent), 460, c.sn), c.helper)
            << c.hf;
        const FlangeLimit limit = flangeLimitByTable(6.6, section(c.hf, c.independent), 460);
        EXPECT_DOUBLE_EQ(limit.width, c.limit) << c.hf;
        EXPECT_STREQ(limit.item, c.item) << c.hf;
    }
    // the data check's words: 5000 on a 6 m span passes l0/3 = 2000; a flange worked out for
    // 6.64 m (2213.3) passes that of 6.6 m (2200); the table's own value passes
    SpanSection wide = section(120, false);
    wide.flangeWidth = 5000;
    EXPECT_EQ(flangeProblem(3, 6.0, wide, 460),
              "第3跨翼缘计算宽度 bf' = 5000 超过 GB 50010 表 5.2.4 的限值 2000（l0/3）");
    wide.flangeWidth = 2213.3f;
    EXPECT_EQ(flangeProblem(2, 6.6, wide, 460),
              "第2跨翼缘计算宽度 bf' = 2213.3 超过 GB 50010 表 5.2.4 的限值 2200（l0/3）");
    wide.flangeWidth = 2200;
    EXPECT_EQ(flangeProblem(2, 6.6f, wide, 460), "");
    SpanSection thin = section(20, true);
    thin.flangeWidth = 300;
    EXPECT_EQ(
        flangeProblem(1, 6.6, thin, 460),
        "第1跨为独立梁，hf'/h0 < 0.05，GB 50010 表 5.2.4 不计翼缘（bf' = b），应按矩形截面输入");
}

} // namespace
} // namespace spanwise
