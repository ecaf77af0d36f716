// Crack width and long-term stiffness worked by hand for 250 × 600, h0 = 560, 4Φ22
// (As = 1520.531), C30 (ftk 2.01, Ec 3.0e4) and HRB400 (Es 2.0e5, ν 1.0); checked with python3.
#include "design/Serviceability.h"

#include <gtest/gtest.h>

namespace spanwise {
namespace {

const Materials c30 = materialsOf(DesignSettings{});

// cs = c + dv = 20 + 8 = 28
ServiceSection beam(double moment, double tensionFlange = 0, double compressionFlange = 0) {
    return {moment, 250, 600, 560, {4, 22}, 8, tensionFlange, 100, compressionFlange, 100};
}

TEST(Serviceability, CrackWidthByHand) {
    // σsq = 180e6/(0.87·560·1520.531) = 242.980; ρte = 1520.531/75000 = 0.0202737;
    // ψ = 1.1 − 0.65·2.01/(ρte·σsq) = 0.834781; wmax = 1.9·ψ·(σsq/2e5)·(1.9·28 + 0.08·22/ρte)
    // = 0.269793
    const CrackWidth c = crackWidth(beam(180), c30);
    EXPECT_EQ(c.state, CheckState::Passed);
    EXPECT_NEAR(c.strain.steelStress, 242.980, 1e-3);
    EXPECT_NEAR(c.strain.strainFactor, 0.834781, 1e-6);
    EXPECT_NEAR(c.width, 0.269793, 1e-6);
    EXPECT_EQ(crackWidthText(c.width), "0.270");
    // Mq = 250: σsq = 337.472, ψ = 0.909042, wmax = 0.408046 > 0.30
    const CrackWidth wide = crackWidth(beam(250), c30);
    EXPECT_EQ(wide.state, CheckState::Failed);
    EXPECT_EQ(wide.words, "裂缝宽度 0.408 mm > wlim = 0.30 mm");
}

TEST(Serviceability, CrackWidthLimits) {
    // a tension flange 1800 × 100: Ate = 75000 + 1550·100, ρte = 0.00661 → 0.01;
    // ψ = 1.1 − 0.65·2.01/(0.01·242.980) = 0.562301, wmax = 0.297493
    const CrackWidth f = crackWidth(beam(180, 1800), c30);
    EXPECT_DOUBLE_EQ(f.strain.effectiveArea, 230000);
    EXPECT_DOUBLE_EQ(f.strain.effectiveRatio, 0.01);
    EXPECT_NEAR(f.width, 0.297493, 1e-6);
    // Mq = 20: 1.1 − 0.65·2.01/(0.0202737·26.998) < 0.2 → 0.2
    EXPECT_DOUBLE_EQ(crackWidth(beam(20), c30).strain.strainFactor, 0.2);
    // C25 三b: c = 55, with Φ12 stirrups cs = 67 → 65; ftk 1.78: ψ = 0.865129,
    // wmax = 1.9·ψ·(242.980/2e5)·(1.9·65 + 0.08·22/ρte) = 0.419989
    DesignSettings exposed;
    exposed.concrete = 25;
    exposed.environment = Exposure::ThreeB;
    ServiceSection thick = beam(180);
    thick.stirrupDiameter = 12;
    const CrackWidth t = crackWidth(thick, materialsOf(exposed));
    EXPECT_DOUBLE_EQ(t.coverToBars, 65);
    EXPECT_NEAR(t.width, 0.419989, 1e-6);
}

TEST(Serviceability, LongTermStiffnessByHand) {
    // ρ = 1520.531/140000 = 0.0108609, αE = 6.6667: Bs = 2e5·As·560²/(1.15ψ + 0.2 + 6αEρ)
    // = 5.98128e13, B = Bs/2 = 2.99064e13, shown with four significant digits as 2.991×10¹³
    // (2.990×10¹³ would follow from 4Φ22 rounded to 1520 mm²; the areas are exact)
    const LongTermStiffness k = longTermStiffness(beam(180), c30);
    EXPECT_EQ(k.state, CheckState::Passed);
    EXPECT_NEAR(k.shortTerm, 5.98128e13, 1e8);
    EXPECT_NEAR(k.longTerm, 2.99064e13, 1e8);
    EXPECT_EQ(stiffnessText(k.longTerm), "2.991×10¹³");
    // a compression flange 1800 × 100: γf' = 155000/140000, Bs = 7.63483e13
    EXPECT_NEAR(longTermStiffness(beam(180, 0, 1800), c30).shortTerm, 7.63483e13, 1e8);
}

TEST(Serviceability, NothingToCheckSaysWhy) {
    ServiceSection noBars = beam(180), invalid = beam(180);
    noBars.bars = {};
    invalid.effectiveDepth = 0;
    const std::string tension = "准永久组合弯矩不使钢筋受拉，不";
    const struct {
        ServiceSection section;
        CheckState state;
        std::string crack, stiffness;
    } cases[] = {
        {beam(-50), CheckState::NotChecked, tension + "验算裂缝", tension + "计算长期刚度"},
        {noBars, CheckState::NotChecked, "无钢筋，不验算裂缝", "无钢筋，不计算长期刚度"},
        {invalid, CheckState::Failed, "截面尺寸无效", "截面尺寸无效"}};
    for (const auto& c : cases) {
        const CrackWidth w = crackWidth(c.section, c30);
        const LongTermStiffness k = longTermStiffness(c.section, c30);
        EXPECT_EQ(w.state, c.state);
        EXPECT_EQ(w.words, c.crack);
        EXPECT_EQ(k.state, c.state);
        EXPECT_EQ(k.words, c.stiffness);
        EXPECT_EQ(w.width + k.longTerm, 0);
    }
}

} // namespace
} // namespace spanwise
