// The material values against GB 50010's tables and the formulas of 6.2.1, 6.2.6 and 6.2.7 worked
// by hand.
#include "design/Materials.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace spanwise {
namespace {

DesignSettings settings(int concrete, int steel, Exposure environment = Exposure::One) {
    return {.concrete = concrete, .longitudinalSteel = steel, .environment = environment};
}

TEST(Materials, StressBlockAndBalancedDepthByGrade) {
    // ξb = β1/(1 + fy/(Es·εcu)): C30 HRB400 0.8/(1 + 360/660) = 8.8/17; HPB300
    // 0.8/(1 + 270/693); HRB500 0.8/(1 + 435/660). C65 lies halfway from C50 to C80: α1 0.97,
    // β1 0.77, βc 0.9, εcu 0.0033 − 15e-5, ξb = 0.77/(1 + 360/630) = 0.49; C80 εcu 0.0030,
    // ξb = 0.74/(1 + 360/600) = 0.4625
    const struct {
        int concrete, steel;
        double alpha1, beta1, betaC, strain, balanced;
    } cases[] = {{30, 400, 1.0, 0.8, 1.0, 0.0033, 8.8 / 17},
                 {30, 300, 1.0, 0.8, 1.0, 0.0033, 0.8 * 693 / 963},
                 {50, 500, 1.0, 0.8, 1.0, 0.0033, 0.8 * 660 / 1095},
                 {65, 400, 0.97, 0.77, 0.9, 0.00315, 0.49},
                 {80, 400, 0.94, 0.74, 0.8, 0.0030, 0.4625}};
    for (const auto& c : cases) {
        const Materials m = materialsOf(settings(c.concrete, c.steel));
        EXPECT_NEAR(m.alpha1, c.alpha1, 1e-12) << c.concrete;
        EXPECT_NEAR(m.beta1, c.beta1, 1e-12) << c.concrete;
        EXPECT_NEAR(m.betaC, c.betaC, 1e-12) << c.concrete;
        EXPECT_NEAR(m.ultimateStrain, c.strain, 1e-12) << c.concrete;
        EXPECT_NEAR(m.balancedDepth, c.balanced, 1e-12) << c.concrete << " " << c.steel;
    }
}

// HRB335 (GB 50010 4.2.3, still in the 2015 edition): fy = fy' = 300, Es = 2.00e5, ν = 1.0,
// proposed 12…25; ξb = 0.8/(1 + 300/(2e5 × 0.0033)) = 0.8/(1 + 5/11) = 0.55; as stirrups fyv =
// 300. A set's own grade gives the project's materials that steel.
TEST(Materials, HRB335AndTheSteelOfASet) {
    const Materials m = materialsOf({.longitudinalSteel = 335, .stirrupSteel = 335});
    EXPECT_EQ(m.steelName, "HRB335");
    EXPECT_EQ(std::vector<double>({m.fy, m.fyCompression, m.Es, m.bondFactor, m.fyv}),
              std::vector<double>({300, 300, 2e5, 1.0, 300}));
    EXPECT_NEAR(m.balancedDepth, 0.55, 1e-12);
    EXPECT_EQ(m.proposedDiameters, (std::vector<int>{12, 14, 16, 18, 20, 22, 25}));
    const Materials own = withBarSteel(materialsOf({}), 500);
    EXPECT_EQ(own.fy, 435);
    EXPECT_NEAR(own.balancedDepth, 0.8 * 660 / 1095, 1e-12);
    EXPECT_EQ(withStirrupSteel(materialsOf({}), 300).fyv, 270);
    EXPECT_EQ(withStirrupSteel(materialsOf({}), 500).fyv, 360); // not more than 360
}

TEST(Materials, CoverAndCrackLimitByEnvironment) {
    // Table 8.2.1 (+5 for C20, C25), Table 3.4.5; as = c + 20 unless set
    const struct {
        int concrete;
        Exposure environment;
        float tensionCover;
        double cover, crackLimit, as;
    } cases[] = {{30, Exposure::One, 0, 20, 0.30, 40},
                 {25, Exposure::TwoA, 0, 30, 0.20, 50},
                 {20, Exposure::ThreeB, 45, 55, 0.20, 45}};
    for (const auto& c : cases) {
        const Materials m = materialsOf(
            {.concrete = c.concrete, .environment = c.environment, .tensionCover = c.tensionCover});
        EXPECT_EQ(std::vector<double>({m.cover, m.crackLimit, m.tensionCover}),
                  std::vector<double>({c.cover, c.crackLimit, c.as}));
    }
    const Materials plain = materialsOf({.longitudinalSteel = 300, .stirrupSteel = 300});
    EXPECT_EQ(plain.concreteName + " " + plain.steelName + " " + plain.environmentName,
              "C30 HPB300 一");
    EXPECT_EQ(std::vector<double>({plain.fyv, plain.bondFactor}), std::vector<double>({270, 0.7}));
    EXPECT_EQ(plain.proposedDiameters, (std::vector<int>{12, 14, 16, 18, 20, 22}));
}

TEST(Materials, SettingsOutsideTheListsAreRefusedWithTheirWords) {
    const DesignSettings stirrup{.stirrupSteel = 500}, importance{.importance = 1.2f};
    EXPECT_FALSE(designSettingsProblem(DesignSettings{}));
    EXPECT_FALSE(designSettingsProblem(settings(30, 335))); // HRB335, still in the 2015 edition
    EXPECT_EQ(designSettingsProblem(settings(33, 400)), "混凝土强度等级应为 C20～C80（级差 5）");
    EXPECT_EQ(designSettingsProblem(settings(30, 350)),
              "纵筋应为 HPB300、HRB335、HRB400 或 HRB500");
    EXPECT_EQ(designSettingsProblem(stirrup), "箍筋应为 HPB300、HRB335 或 HRB400");
    EXPECT_EQ(designSettingsProblem(importance), "结构重要性系数 γ0 应为 0.9、1.0 或 1.1");
    EXPECT_THROW(materialsOf(settings(85, 400)), std::invalid_argument);
}

} // namespace
} // namespace spanwise
