// Flexure and the ductility check against sections worked by hand (C30: fc 14.3, ft 1.43;
// HRB400: fy = fy' 360, ξb = 8.8/17 = 0.517647); the numbers were checked with python3.
#include "design/Flexure.h"

#include <gtest/gtest.h>

#include <cmath>

namespace spanwise {
namespace {

const Materials c30 = materialsOf(DesignSettings{});

FlexureInput section(double moment, double b, double h, double h0, double bf = 0, double hf = 0) {
    return {moment, b, h, h0, 40, bf, hf, c30.balancedDepth};
}

TEST(Flexure, RectangleByHand) {
    // αs = 150e6/(14.3·250·460²) = 0.198289; ξ = 1 − √(1 − 2αs) = 0.223198;
    // As = 14.3·250·ξ·460/360 = 1019.58 > 0.2 %·250·500 = 250 (45·1.43/360 = 0.179 % < 0.2 %)
    const FlexureResult r = designFlexure(section(150, 250, 500, 460), c30, Working::Written);
    ASSERT_TRUE(r.ok());
    EXPECT_FALSE(r.doublyReinforced || r.minimumGoverns);
    EXPECT_NEAR(r.alphaS, 0.19829, 5e-6);
    EXPECT_NEAR(r.xi, 0.22320, 5e-6);
    EXPECT_NEAR(r.requiredArea, 1019.58, 0.01);
    EXPECT_DOUBLE_EQ(r.minimumArea, 250);
    EXPECT_NEAR(r.ratio, 1019.58 / (250 * 460), 1e-7);
    EXPECT_EQ(stepText(r.steps.front()),
              "αs = M/(α1·fc·b·h0²) = 150×10⁶/(1.0×14.3×250×460²) = 0.1983");
}

TEST(Flexure, DoublyReinforcedByHand) {
    // ξ = 0.6352 > ξb; x = ξb·440 = 227.765; As' = [300e6 − 14.3·250·x·(440 − x/2)]/
    // (360·400) = 239.277; As = (14.3·250·x + 360·As')/360 = 2501.107
    const FlexureResult r = designFlexure(section(300, 250, 500, 440), c30);
    EXPECT_TRUE(r.doublyReinforced);
    EXPECT_NEAR(r.compressionArea, 239.28, 0.01);
    EXPECT_NEAR(r.requiredArea, 2501.11, 0.01);
    // at a redistributed face ξlim = 0.35: x = 154; As' = (300e6 − 14.3·250·154·363)/144000
    // = 695.49; As = (14.3·250·154 + 360·As')/360 = 2224.79
    FlexureInput face = section(300, 250, 500, 440);
    face.depthLimit = 0.35;
    const FlexureResult limited = designFlexure(face, c30);
    EXPECT_NEAR(limited.compressionArea, 695.49, 0.01);
    EXPECT_NEAR(limited.requiredArea, 2224.79, 0.01);
    // the span's bottom bars carried into the support supply As'
    EXPECT_TRUE(checkCompressionSteel(763.4, 695.49).ok());
    EXPECT_EQ(checkCompressionSteel(603.2, 695.49).failures,
              std::vector<std::string>{"伸入支座的底筋 603.2 mm² 小于所需受压钢筋 695.5 mm²"});
}

TEST(Flexure, FlangedSectionsByHand) {
    // class 1: 14.3·1800·80·(460 − 40) = 864.864 kN·m ≥ 200; as the rectangle 1800 wide:
    // αs = 0.0367203, ξ = 0.0374204, As = 14.3·1800·ξ·460/360 = 1230.76; ρ on the web
    const FlexureResult one = designFlexure(section(200, 200, 500, 460, 1800, 80), c30);
    EXPECT_EQ(one.shape, FlexureShape::FlangeClass1);
    EXPECT_NEAR(one.requiredArea, 1230.76, 0.01);
    EXPECT_NEAR(one.ratio, 1230.76 / (200 * 460), 1e-6);
    // class 2: 14.3·600·100·490 = 420.42 < 500; M1 = 14.3·350·100·490 = 245.245 kN·m;
    // web αs = 254.755e6/(14.3·250·540²) = 0.244376, ξ = 0.284984;
    // As = (14.3·250·ξ·540 + 14.3·350·100)/360 = 2918.51
    const FlexureResult two = designFlexure(section(500, 250, 600, 540, 600, 100), c30);
    EXPECT_EQ(two.shape, FlexureShape::FlangeClass2);
    EXPECT_NEAR(two.alphaS, 0.244376, 1e-6);
    EXPECT_NEAR(two.requiredArea, 2918.51, 0.01);
}

TEST(Flexure, TheFlangesCapacityDecidesTheClassAtItsLeverArm) {
    // 250×600 web, bf' × hf' = 600 × 100, h0 = 540: the flange alone carries
    // α1·fc·bf'·hf'·(h0 − hf'/2) = 14.3·600·100·490 = 420.42 kN·m; a lever arm of h0 − hf'
    // (440) would give 377.52, h0 (540) 463.32. Either side of 420.42 the class changes.
    const FlexureResult below = designFlexure(section(420.3, 250, 600, 540, 600, 100), c30);
    EXPECT_EQ(below.shape, FlexureShape::FlangeClass1);
    // as the rectangle 600 wide: αs = 420.3e6/(14.3·600·540²) = 0.167990
    EXPECT_NEAR(below.alphaS, 0.167990, 1e-6);
    const FlexureResult above = designFlexure(section(420.6, 250, 600, 540, 600, 100), c30);
    EXPECT_EQ(above.shape, FlexureShape::FlangeClass2);
    // the web takes M − 14.3·350·100·490 = 420.6 − 245.245 = 175.355 kN·m:
    // αs = 175.355e6/(14.3·250·540²) = 0.168212
    EXPECT_NEAR(above.alphaS, 0.168212, 1e-6);
}

TEST(Flexure, MinimumSteel) {
    // M = 20: As = 14.3·250·ξ·460/360 = 122.41 < 250
    const FlexureResult small = designFlexure(section(20, 250, 500, 460), c30);
    EXPECT_TRUE(small.minimumGoverns);
    EXPECT_NEAR(small.calculatedArea, 122.41, 0.01);
    EXPECT_DOUBLE_EQ(small.requiredArea, 250);
    // HPB300: 45·1.43/270 = 0.23833 % > 0.2 %: 297.92 for M = 0 and for a moment that does not
    // put the bars in tension; a T takes the web b·h (0.2 %·200·500)
    DesignSettings plain;
    plain.longitudinalSteel = 300;
    for (double moment : {0.0, -35.0}) {
        const FlexureResult none =
            designFlexure(section(moment, 250, 500, 460), materialsOf(plain));
        EXPECT_NEAR(none.requiredArea, 297.92, 0.01);
        EXPECT_TRUE(none.ok() && none.minimumGoverns && none.alphaS == 0);
    }
    EXPECT_DOUBLE_EQ(designFlexure(section(0, 200, 500, 460, 1800, 80), c30).requiredArea, 200);
}

TEST(Flexure, SectionsThatCannotBeDesignedSayWhy) {
    const std::pair<FlexureInput, std::string> cases[] = {
        {section(100, 0, 500, 460), "截面尺寸无效"},
        {section(100, 250, 500, 520), "截面尺寸无效"},
        {section(NAN, 250, 500, 460), "弯矩无效"},
        {section(400, 250, 150, 30), "h0 − as' ≤ 0，不能配受压钢筋"},
        {section(100, 250, 500, 460, 200, 80), "翼缘尺寸无效：应 bf' > b，0 < hf' < h"}};
    for (const auto& [input, words] : cases) {
        const FlexureResult r = designFlexure(input, c30);
        EXPECT_EQ(r.failures, std::vector<std::string>{words});
        EXPECT_EQ(r.requiredArea, 0);
    }
    // far too small yet designable: huge, finite steel (As' = 19577.8 by 6.2.10)
    const FlexureResult tiny = designFlexure(section(500, 100, 150, 110), c30);
    EXPECT_TRUE(tiny.ok());
    EXPECT_NEAR(tiny.compressionArea, 19577.8, 0.1);
}

// The working writes M with the sign convention's sign: a face whose moment sags (+2.2) does not
// put its top bars in tension, and is written "M = 2.2", not the top bars' −2.2.
TEST(Flexure, TheWorkingWritesMWithTheConventionsSign) {
    FlexureInput face = section(-2.2, 250, 500, 460);
    face.topBars = true;
    const FlexureResult r = designFlexure(face, c30, Working::Written);
    ASSERT_FALSE(r.steps.empty());
    EXPECT_EQ(stepText(r.steps.front()), "M = 2.2 kN·m：钢筋不受拉，按最小配筋率配筋");
    // a hogging face takes its magnitude: |M| = 150 kN·m
    face.moment = 150;
    EXPECT_EQ(stepText(designFlexure(face, c30, Working::Written).steps.front()),
              "αs = |M|/(α1·fc·b·h0²) = 150×10⁶/(1.0×14.3×250×460²) = 0.1983");
}

TEST(Flexure, DuctilityOfRedistributedFaces) {
    // ξ = (360·As − 360·As')/(14.3·250·460); 4Φ22 = 1520.53, 5Φ22 = 1900.66 mm²
    const DuctilityCheck fine = checkDuctility(1520.53, 0, 250, 460, c30);
    EXPECT_NEAR(fine.xi, 0.332862, 1e-6);
    EXPECT_TRUE(fine.ok() && !fine.notice);
    EXPECT_EQ(checkDuctility(1900.66, 0, 250, 460, c30).failures,
              std::vector<std::string>{"调幅后 ξ = 0.4161 > 0.35"});
    EXPECT_NEAR(checkDuctility(1900.66, 1000, 250, 460, c30).xi, 0.197165, 1e-6);
    const DuctilityCheck shallow = checkDuctility(400, 0, 250, 460, c30);
    EXPECT_TRUE(shallow.ok());
    EXPECT_EQ(shallow.notice, "调幅后 ξ = 0.0876 < 0.10");
    EXPECT_EQ(checkDuctility(400, 0, 250, 0, c30).failures.front(), "截面尺寸无效");
}

} // namespace
} // namespace spanwise
