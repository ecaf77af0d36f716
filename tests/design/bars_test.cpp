// Bar areas, the one-layer fit, the proposals and the checks of provided bars and stirrups at the
// boundaries of their rules; every count below is worked by hand from
// n·d + (n − 1)·e ≤ b − 2·(c + dv) (c = 20, dv = 8) and the areas n·π·d²/4.
#include "design/LongitudinalBars.h"
#include "design/Stirrups.h"

#include <gtest/gtest.h>

#include <numbers>
#include <vector>

namespace spanwise {
namespace {

using Words = std::vector<std::string>;
const std::vector<int> hrbDiameters = {12, 14, 16, 18, 20, 22, 25, 28, 32};

BarRoom bottom(double b) {
    return {BarFace::Bottom, b, 20, 8};
}

TEST(Bars, OneLayerCapacityAtItsEdge) {
    EXPECT_DOUBLE_EQ(barArea({4, 22}), 4 * std::numbers::pi * 121);
    // bottom 22 (e = 25): 5·22 + 4·25 = 210 = b − 56 at b = 266; top 22 (e = 33): 242 at 298;
    // top 16 (e = 30, not 1.5·16): 200 at 256; bottom 32 (e = 32): 3·32 + 2·32 = 160 at 216
    const struct {
        int d;
        BarFace face;
        double b;
        int capacity;
    } cases[] = {{22, BarFace::Bottom, 266, 5}, {22, BarFace::Bottom, 265.9, 4},
                 {22, BarFace::Top, 298, 5},    {22, BarFace::Top, 297.9, 4},
                 {16, BarFace::Top, 256, 5},    {16, BarFace::Top, 255.9, 4},
                 {32, BarFace::Bottom, 216, 3}, {32, BarFace::Bottom, 215.9, 2},
                 {40, BarFace::Bottom, 95, 0},  {12, BarFace::Bottom, 2000, 20}}; // 53 fit; 20 most
    for (const auto& c : cases) {
        EXPECT_EQ(oneLayerCapacity(c.d, {c.face, c.b, 20, 8}), c.capacity) << c.d << " " << c.b;
    }
}

TEST(Bars, ProposalTakesTheLeastAreaThenFewerBars) {
    // b = 250 holds 5 of 12…18, 4 of 20…25, 3 of 28, 32: the least n·d² reaching 1000·4/π =
    // 1273.2 is 5·16² = 1280 (1005.31 mm²), above it 4·18² = 1296. b = 400 holds 9Φ12 and 4Φ18,
    // both n·d² = 1296, nothing in 1286…1296: 1010 mm² takes the fewer bars, 4Φ18; 1220 mm²
    // (n·d² ≥ 1553.4): 8Φ14 and 2Φ28 tie at 1568, 2Φ28
    const struct {
        double b, required;
        BarSet bars;
    } cases[] = {{250, 1000, {5, 16}},
                 {250, 1005.3, {5, 16}},
                 {250, 1005.4, {4, 18}},
                 {400, 1010, {4, 18}},
                 {400, 1220, {2, 28}}};
    for (const auto& c : cases) {
        const BarChoice choice =
            proposeBars(BarRequirement{c.required, c.required}, hrbDiameters, bottom(c.b));
        EXPECT_TRUE(choice.ok() && !choice.twoLayers) << c.required;
        EXPECT_EQ(choice.bars, c.bars) << c.required;
    }
}

TEST(Bars, TwoLayersAndBarsThatDoNotFit) {
    // b = 200 (room 144): one layer holds at most 3Φ28 = 1847.3 mm² < 2000; in two layers (more
    // than one layer's n, at most twice it) the least n·d² ≥ 2100·4/π = 2673.8 is 6·22² = 2904
    const BarChoice two = proposeBars(BarRequirement{2000, 2100}, hrbDiameters, bottom(200));
    EXPECT_TRUE(two.ok() && two.twoLayers);
    EXPECT_EQ(two.bars, (BarSet{6, 22}));
    EXPECT_DOUBLE_EQ(two.requiredArea, 2100);
    // two layers hold at most 6Φ28, n·d² = 4704 < 5000·4/π; or two layers cannot be designed
    for (const BarRequirement& r : {BarRequirement{2000, 5000}, BarRequirement{2000, {}}}) {
        const BarChoice none = proposeBars(r, hrbDiameters, bottom(200));
        EXPECT_EQ(none.failures, Words{"钢筋放不下"});
        EXPECT_FALSE(none.bars);
    }
    // provided: 4Φ22 fits one layer of b = 250, 5Φ22 two (checked against 1100), 9Φ22 none
    const BarRequirement required{1000, 1100};
    EXPECT_TRUE(checkBars({4, 22}, required, bottom(250)).ok());
    const BarChoice provided = checkBars({5, 22}, required, bottom(250));
    EXPECT_TRUE(provided.ok() && provided.twoLayers && provided.requiredArea == 1100);
    EXPECT_EQ(checkBars({9, 22}, required, bottom(250)).failures, Words{"钢筋放不下"});
    EXPECT_EQ(checkBars({2, 16}, required, bottom(250)).failures, // 2Φ16 = 402.12 mm²
              Words{"实配钢筋面积 402.1 mm² 小于所需 1000.0 mm²"});
}

// A proposal goes on in the order of area until its cracks hold: b = 250 (room 194 with c = 20
// and dv = 8), 1000 mm² in one layer, 1050 in two. By area alone 5C16 (1005.3). Where sets of
// more than 14 mm crack too wide, no one-layer set of 14 or less reaches 1000 (5C14 = 769.7 is
// the most one layer holds), and in two layers 7C14 (1077.6) comes before 10C12 (1131.0). Where
// nothing keeps its cracks, the area alone decides.
TEST(Bars, AProposalKeepsItsCracksWhereItCan) {
    BarDemand demand(BarRequirement{1000, 1050});
    demand.cracksHold = [](const BarSet& bars, bool) { return bars.diameter <= 14; };
    const BarChoice smaller = proposeBars(demand, hrbDiameters, bottom(250));
    EXPECT_EQ(smaller.bars, (BarSet{7, 14, 0}));
    EXPECT_TRUE(smaller.twoLayers);
    EXPECT_EQ(smaller.areaAlone, (BarSet{5, 16, 0}));
    demand.cracksHold = [](const BarSet&, bool) { return false; };
    const BarChoice none = proposeBars(demand, hrbDiameters, bottom(250));
    EXPECT_EQ(none.bars, (BarSet{5, 16, 0}));
    EXPECT_FALSE(none.twoLayers || none.areaAlone);
}

TEST(Stirrups, ProposalTakesTheSmallestDiameterAtItsLargestSpacing) {
    // 2 legs of 6: 56.549 mm², of 8: 100.531 (0.67021 at 150); 0.7266 needs s ≤ 77.8 with Φ6,
    // ≤ 138.4 with Φ8; 0.4181 allows Φ6 at 135.3, 0.3 at 188.5; V ≤ Vc at h 600: smax 350;
    // b > 400 takes 4 legs (113.1 mm²); h > 800 needs Φ8
    const struct {
        double required, b, h;
        bool calculated;
        StirrupSet stirrups;
    } cases[] = {{0.7266, 250, 600, true, {2, 8, 100}}, {0.4181, 250, 600, true, {2, 6, 100}},
                 {0.3, 250, 600, true, {2, 6, 150}},    {0, 250, 600, false, {2, 6, 350}},
                 {1.0, 450, 600, true, {4, 6, 100}},    {0, 300, 900, false, {2, 8, 400}},
                 {0.67, 250, 600, true, {2, 8, 150}},   {0.6703, 250, 600, true, {2, 8, 100}}};
    for (const auto& c : cases) {
        const StirrupChoice s =
            proposeStirrups(c.required, c.b, stirrupDetailing(c.h, c.calculated), 400);
        EXPECT_TRUE(s.ok()) << c.required;
        EXPECT_EQ(s.stirrups, c.stirrups) << c.required;
    }
    // the most of 2 legs is Φ12@100: 2·113.097/100 = 2.262
    const StirrupChoice none = proposeStirrups(2.3, 250, stirrupDetailing(600, true), 400);
    EXPECT_EQ(none.failures, Words{"无满足要求的箍筋"});
    EXPECT_FALSE(none.stirrups);
}

TEST(Stirrups, ProvidedSetsAreCheckedWithTheirWords) {
    const StirrupDetailing deep = stirrupDetailing(900, true);     // d ≥ 8, s ≤ 300
    EXPECT_EQ(checkStirrups({2, 6, 300}, 0.5, deep, 400).failures, // 56.549/300 = 0.188
              (Words{"箍筋 Asv/s = 0.188 小于所需 0.500 mm²/mm", "箍筋直径 6 小于构造最小直径 8"}));
    EXPECT_EQ(checkStirrups({4, 10, 350}, 0.5, deep, 400).failures,
              Words{"箍筋间距 350 大于最大间距 300"});
    const StirrupChoice fine = checkStirrups({2, 8, 150}, 0.5, deep, 400);
    EXPECT_TRUE(fine.ok());
    EXPECT_NEAR(fine.ratio, 2 * 16 * std::numbers::pi / 150, 1e-12);
}

} // namespace
} // namespace spanwise
