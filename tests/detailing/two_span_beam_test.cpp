// A two-span L beam detailed whole: every text, cut-off, length and weight, worked by hand.
//
// Geometry: nodes at 0, 6000, 12000; faces 200 … 5800 and 6200 … 11800, ln = 5600; h0 = 560.
// Anchorage: kab = 0.14·360/1.43 = 35.24 → 35, la = 35d (d ≤ 25).
// Name: two spans held at both ends, no fixed end → L1(2), pinned ends.
// 9.2.6: 2C16 = 402.1 ≥ 1180/4 = 295 and ≥ 1100/4: kept.
// Extensions: support 0 pinned L/5 = 1200; support 1 max(5600, 5600)/3 = 1866.7 → 1870 (row 2
// 1400). Span 1: 1200 + 1870 = 3070 < 5600, not through; span 2 alike: three groups.
// Erection: longest L 6000 → d 10, 2 legs; 5600 − 1200 − 1870 + 300 = 2830.
// Top runs: at support 0 room 400 − 20 = 380 < la 560: bent, 15d = 240, 380 ≥ 0.35·560 = 196;
// from 200 − 380 = −180 to 200 + 1200 = 1400: ┌ 240+1580 = 1820. Over support 1 from
// 5800 − 1870 = 3930 to 6200 + 1870 = 8070: 直 4140.
// Bottom: 12d = 240 into each support: 240 + 5600 + 240 = 6080.
// Stirrups: z = max(900, 500) = 900, n1 = ⌈850/200⌉ + 1 = 6, e = 1050. Span 1's middle zone
// [1050, 4550]: V = 107.5 + 77.5·1750/2800 = 155.94 kN at its right end; Vc = 0.7·1.43·250·560
// = 140 140 N < V: Asv/s = max(15 797.5/(270·560), 0.24·1.43/270·250 = 0.3178); smax 250;
// 2·50.27/250 = 0.402 ≥ 0.3178: s2 = 250, m = ⌈3500/250⌉ − 1 = 13, 2·6 + 13 = 25 stirrups. Span
// 2: V 95 ≤ Vc, smax 350: s2 = 350, m = 9, 21 stirrups.
// G: hw = 560, n = ⌈2.8⌉ − 1 = 2 per side, 0.001·250·560 = 140 ≤ 2·78.5 (d10): G4C10, length
// 5600 + 2·150 = 5900. Ties A6 at 2·250 = 500: ⌈5500/500⌉ + 1 = 12 per row (span 2 at 700: 9),
// 210 + 2(11.4 + 75) = 382.8 → 390.
// Hoops 210×560: 420 + 1120 + 2(15.2 + 80) = 1730.4 → 1740. 附加箍筋: Asv 250/(2·2·50.27) →
// 2 → 3 per side, 150 ≤ 200: 6A8(2).
// Weights 617·d²·L·n/10⁶ hundredths, half up (the table below); total 256.46 kg; concrete
// 2·250·600·5600 = 1.680 m³; 256.46/1.68 = 152.65 → 152.7 kg/m³.
#include "DetailingExamples.h"

#include <gtest/gtest.h>

namespace spanwise {
namespace {

using namespace detailing_examples;

TEST(TwoSpanBeam, TheAnnotationNamesEverySetOnce) {
    const BeamDetailing d = detailBeam(twoSpanL());
    ASSERT_TRUE(d.detailed);
    EXPECT_EQ(d.name, "L1(2)");
    EXPECT_EQ(d.endDetail, EndDetail::Pinned);
    EXPECT_EQ(d.centralLines, (std::vector<std::string>{"L1(2) 250×600", "6A8@200/250(2)",
                                                        "(2C10);4C20", "G4C10"}));
    EXPECT_EQ(d.supportTexts, (std::vector<std::string>{"2C16", "4C22", "2C16"}));
    ASSERT_EQ(d.spanTexts.size(), 2u);
    EXPECT_EQ(d.spanTexts[0].top, ""); // (2C10) is the 集中标注's
    EXPECT_EQ(d.spanTexts[0].bottom, "");
    EXPECT_TRUE(d.spanTexts[0].overrides.empty());
    EXPECT_EQ(d.spanTexts[1].overrides, (std::vector<std::string>{"6A8@200/350(2)"}));
    ASSERT_EQ(d.additional.size(), 1u);
    EXPECT_EQ(d.additional[0].text, "6A8(2)");
    EXPECT_EQ(d.additional[0].perSide, 3);
    EXPECT_TRUE(d.additional[0].fits);
    EXPECT_EQ(d.through, (std::vector<bool>{false, false}));
    EXPECT_TRUE(d.failures.empty());
    EXPECT_TRUE(d.changes.empty());
}

TEST(TwoSpanBeam, EveryBarStopsWhereTheWorkingSays) {
    const BeamDetailing d = detailBeam(twoSpanL());
    ASSERT_EQ(d.topRuns.size(), 3u);
    const TopRun& end = d.topRuns[0];
    EXPECT_EQ(end.left.kind, BarEnd::Kind::Bent);
    EXPECT_DOUBLE_EQ(end.left.fromFace, 380);
    EXPECT_DOUBLE_EQ(end.left.bend, 240);
    EXPECT_DOUBLE_EQ(end.left.x, -180);
    EXPECT_EQ(end.right.kind, BarEnd::Kind::CutOff);
    EXPECT_DOUBLE_EQ(end.right.x, 1400);
    EXPECT_EQ(end.length, 1820);
    const TopRun& middle = d.topRuns[1];
    EXPECT_DOUBLE_EQ(middle.left.x, 3930);
    EXPECT_DOUBLE_EQ(middle.right.x, 8070);
    EXPECT_EQ(middle.length, 4140);
    EXPECT_EQ(d.topRuns[2].length, 1820);
    EXPECT_EQ(d.erectionLengths, (std::vector<int>{2830, 2830}));
    ASSERT_EQ(d.bottomRuns.size(), 2u);
    EXPECT_DOUBLE_EQ(d.bottomRuns[0].left.fromFace, 240);
    EXPECT_EQ(d.bottomRuns[0].length, 6080);
    ASSERT_EQ(d.stirrups.size(), 2u);
    EXPECT_EQ(d.stirrups[0].denseCount, 6);
    EXPECT_NEAR(d.stirrups[0].middleShear, 155.9375, 1e-9);
    EXPECT_EQ(d.stirrups[0].middleSpacing, 250);
    EXPECT_EQ(d.stirrups[0].middleCount, 13);
    EXPECT_EQ(d.stirrups[0].count, 25);
    EXPECT_EQ(d.stirrups[1].count, 21);
    ASSERT_EQ(d.sideBars.size(), 2u);
    EXPECT_EQ(d.sideBars[0].length, 5900);
    EXPECT_EQ(d.sideBars[0].tiesPerRow, 12);
    EXPECT_EQ(d.sideBars[1].tiesPerRow, 9);
    EXPECT_EQ(d.sideBars[0].tieLength, 390);
}

TEST(TwoSpanBeam, TheScheduleWeighsEveryBar) {
    const BeamDetailing d = detailBeam(twoSpanL());
    struct Line {
        const char* kind;
        const char* shape;
        const char* diameter;
        int length, count;
        const char* total;
        const char* weight;
    };
    // 617·d²·L·n/10⁶: 246 800·6080·8 = 12 004.35; 157 952·1820·2 = 574.95; 298 628·4140·4 =
    // 4945.28; 61 700·2830·4 = 698.44; 61 700·5900·8 = 2912.24; 39 488·1740·46 = 3160.62;
    // 22 212·390·42 = 363.83; 39 488·1740·6 = 412.25 hundredths
    const Line expected[] = {
        {"下部纵筋", "直 6080", "C20", 6080, 8, "48.64", "120.04"},
        {"上部纵筋", "┌ 240+1580", "C16", 1820, 2, "3.64", "5.75"},
        {"上部纵筋", "直 4140", "C22", 4140, 4, "16.56", "49.45"},
        {"上部纵筋", "┐ 1580+240", "C16", 1820, 2, "3.64", "5.75"},
        {"架立筋", "直 2830", "C10", 2830, 4, "11.32", "6.98"},
        {"腰筋", "直 5900", "C10", 5900, 8, "47.20", "29.12"},
        {"箍筋", "箍 210×560", "A8", 1740, 46, "80.04", "31.61"},
        {"拉筋", "拉 210", "A6", 390, 42, "16.38", "3.64"},
        {"附加箍筋", "箍 210×560", "A8", 1740, 6, "10.44", "4.12"},
    };
    ASSERT_EQ(d.schedule.size(), std::size(expected));
    for (std::size_t k = 0; k < std::size(expected); ++k) {
        const ScheduleLine& line = d.schedule[k];
        const Line& e = expected[k];
        EXPECT_EQ(line.number, static_cast<int>(k) + 1);
        EXPECT_EQ(line.kind, e.kind) << k;
        EXPECT_EQ(line.shape, e.shape) << k;
        EXPECT_EQ(line.diameter, e.diameter) << k;
        EXPECT_EQ(line.length, e.length) << k;
        EXPECT_EQ(line.count, e.count) << k;
        EXPECT_EQ(line.totalLength, e.total) << k;
        EXPECT_EQ(line.weight, e.weight) << k;
    }
    EXPECT_EQ(d.totalWeight, "256.46");
    EXPECT_EQ(d.concreteText, "1.680");
    EXPECT_EQ(d.steelPerVolume, "152.7");
    EXPECT_EQ(d.notes, (std::vector<std::string>{
                           "混凝土 C30；纵筋 HRB400（C），箍筋 HPB300（A）。",
                           "环境类别 一，保护层厚度 20 mm（箍筋外缘）。",
                           "lab = 35d，la = 35d（d ≤ 25）、39d（d > 25）。",
                           "按 22G101-1 制图规则与构造详图；非框架梁。",
                           "附加箍筋：次梁宽 200，h1 = 0，每侧第一根距次梁边 50，间距 50。",
                           "钢筋长度按外皮尺寸（mm），未计接头。"}));
}

} // namespace
} // namespace spanwise
