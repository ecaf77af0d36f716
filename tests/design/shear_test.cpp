// Shear at a face, the stirrup detailing and the additional transverse reinforcement, worked by
// hand (C30: fc 14.3, ft 1.43; HPB300 stirrups fyv 270, HRB400 360).
#include "design/Shear.h"

#include <gtest/gtest.h>

namespace spanwise {
namespace {

Materials withStirrups(int steel) {
    DesignSettings s;
    s.stirrupSteel = steel;
    return materialsOf(s);
}

const Materials hpb = withStirrups(300);

ShearInput face(double shear, double b = 250, double hf = 0, bool hinge = false) {
    return {shear, b, 600, 560, hf, std::nullopt, hinge};
}

TEST(Shear, StirrupsByHand) {
    // Vc = 0.7·1.43·250·560 = 140.14 kN; Asv/s = (250 − 140.14)e3/(270·560) = 0.726587 above
    // the minimum 0.24·1.43/270·250 = 0.317778; hw/b = 2.24 ≤ 4: 0.25·14.3·250·560 = 500.5 kN
    const ShearResult r = designShear(face(250), hpb);
    EXPECT_TRUE(r.ok() && r.exceedsConcrete && !r.minimumGoverns);
    EXPECT_NEAR(r.concreteShear, 140.14, 1e-9);
    EXPECT_NEAR(r.requiredRatio, 0.7266, 5e-5);
    EXPECT_NEAR(r.sectionLimit, 500.5, 1e-9);
    // 独立梁, λ = 1120/560 = 2: αcv = 1.75/3, Vc = 116.783, Asv/s = (180 − Vc)e3/151200 = 0.418100
    ShearInput independent = face(180);
    independent.concentratedForceDistance = 1120;
    EXPECT_NEAR(designShear(independent, hpb).requiredRatio, 0.4181, 5e-5);
    // V = 150: (150 − 140.14)e3/151200 = 0.0652 < 0.317778, the minimum governs; V ≤ Vc: 0
    const ShearResult least = designShear(face(150), hpb);
    EXPECT_TRUE(least.minimumGoverns);
    EXPECT_NEAR(least.requiredRatio, 0.317778, 1e-6);
    const ShearResult detailing = designShear(face(140), hpb, Working::Written);
    EXPECT_FALSE(detailing.exceedsConcrete);
    EXPECT_EQ(detailing.requiredRatio, 0);
    EXPECT_EQ(stepText(detailing.steps.back()), "V ≤ Vc：按构造配箍，Asv/s = 0");
    // hinge zones: 1.2·0.726587 = 0.871905; where V ≤ Vc still 0.3·1.43/270·250 = 0.397222; the
    // rule is CECS 51:93's, cited beside GB 50010 5.4
    const ShearResult hinge = designShear(face(250, 250, 0, true), hpb, Working::Written);
    EXPECT_NEAR(hinge.requiredRatio, 0.871905, 1e-6);
    EXPECT_EQ(hinge.steps.back().clause, "CECS 51:93，GB 50010 5.4");
    EXPECT_NEAR(designShear(face(100, 250, 0, true), hpb).requiredRatio, 0.397222, 1e-6);
}

TEST(Shear, SectionLimit) {
    // b = 100: hw/b = 5.6, 0.25 − 0.025·1.6 = 0.21: 0.21·14.3·100·560 = 168.168 kN; a T with
    // hf' = 100: hw/b = 4.6, 0.235: 188.188 kN; b = 80: hw/b = 7, 0.20: 128.128 kN
    const std::pair<ShearInput, double> cases[] = {
        {face(100, 100), 168.168}, {face(100, 100, 100), 188.188}, {face(100, 80), 128.128}};
    for (const auto& [input, limit] : cases) {
        EXPECT_NEAR(designShear(input, hpb).sectionLimit, limit, 1e-9);
    }
    const ShearResult beyond = designShear(face(500.6), hpb);
    EXPECT_EQ(beyond.failures, std::vector<std::string>{"截面尺寸不满足受剪要求"});
    EXPECT_EQ(designShear(face(100, 0), hpb).failures.front(), "截面尺寸无效");
    EXPECT_EQ(designShear(face(-1), hpb).failures.front(), "剪力无效");
}

TEST(Shear, ConcentratedForceFactorIsLimited) {
    // λ = a/h0 within 1.5…3; 0/0 and x/0 still give a λ in the range
    const std::pair<double, double> cases[] = {{500, 1.5}, {2000, 3}, {840, 1.5}, {1120, 2}};
    for (const auto& [a, lambda] : cases) {
        EXPECT_EQ(concentratedShearFactor(a, 560).shearSpanRatio, lambda);
        EXPECT_DOUBLE_EQ(concentratedShearFactor(a, 560).factor, 1.75 / (lambda + 1));
    }
    EXPECT_EQ(concentratedShearFactor(0, 0).shearSpanRatio, 1.5);
    EXPECT_EQ(concentratedShearFactor(5, 0).shearSpanRatio, 3);
}

TEST(Shear, DetailingByDepth) {
    // Table 9.2.9 at the edges of its rows: least diameter, smax for V > Vc and for V ≤ Vc
    const struct {
        double h;
        int diameter, calculated, detailing;
    } cases[] = {{300, 6, 150, 200}, {301, 6, 200, 300}, {500, 6, 200, 300},
                 {501, 6, 250, 350}, {800, 6, 250, 350}, {801, 8, 300, 400}};
    for (const auto& c : cases) {
        EXPECT_EQ(stirrupDetailing(c.h, true).leastDiameter, c.diameter);
        EXPECT_EQ(stirrupDetailing(c.h, true).widestSpacing, c.calculated);
        EXPECT_EQ(stirrupDetailing(c.h, false).widestSpacing, c.detailing);
    }
}

TEST(Shear, AdditionalTransverseReinforcement) {
    const Materials hrb = withStirrups(400);
    EXPECT_EQ(stepText(additionalTransverse(100, hrb, Working::Written).steps.front()),
              "Asv ≥ F/fyv = 100×10³/360 = 277.8 mm²");
    EXPECT_NEAR(additionalTransverse(100, hrb).area, 277.78, 0.01);
    EXPECT_EQ(additionalTransverse(-20, hrb).area, 0); // an upward force
}

} // namespace
} // namespace spanwise
