// A span with a cantilever, and three spans whose short middle one runs its top bars through:
// the texts, the runs and the weights worked by hand.
#include "DetailingExamples.h"

#include <gtest/gtest.h>

namespace spanwise {
namespace {

using namespace detailing_examples;

std::vector<std::string> shapes(const BeamDetailing& d) {
    std::vector<std::string> out;
    for (const ScheduleLine& line : d.schedule) {
        out.push_back(line.shape + " " + line.diameter + " ×" + std::to_string(line.count) + " " +
                      line.weight);
    }
    return out;
}

// Nodes 0, 6000, 8000; span 1's faces 200 … 5800 (ln 5600), the cantilever's 6200 … 8000 (lc
// 1800). One span held at both ends and one cantilever: L2(1A).
// 9.2.6 at support 0: 1300/4 = 325.0 > 2C14 = 307.9: proposed again for 325 — 3C12 = 339.3 is
// the least area (2C16 = 402.1, 3C14 = 461.8), one layer of 5 fits in 194: "由 2C14 改为 3C12".
// 5C25 over support 1 in two layers: e = 37.5, (194 + 37.5)/62.5 = 3.7 → 3 in the first row:
// 5C25 3/2. Support 1 extends max(5600, 1800)/3 → 1870 (row 2 1400) into span 1; support 0 L/5 =
// 1200: 3070 < 5600, not through.
// Runs: 3C12 bent at 0 (la 420 > room 380; 15d = 180): −180 … 1400, 1760. Row 1 of 5C25 from
// 5800 − 1870 = 3930 to the end less c, 7980, bent down 12d = 300: 4050 + 300 = 4350. Row 2
// from 5800 − 1400 = 4400 to 6200 + 0.75·1800 = 7550: 3150.
// Bottom: 4C22 264 + 5600 + 264 = 6128 → 6130; the cantilever's 2A14 from 7980 back to 15d =
// 210 past the face: 1990, two plain ends of 6.25d = 87.5: 2165 → 2170.
// Stirrups: span 1 6A8@200/350(2) (V 80 ≤ Vc, smax 350), 21; the cantilever one spacing
// ⌈1700/150⌉ + 1 = 13. Its depth 450 needs no G (hw 410) but takes G4C10 of the 集中标注:
// 1800 − 20 + 150 = 1930. Ties at 2·350 (9 per row) and 2·150 (7 per row).
// Weights: 73.22 + 5.25 + 4.69 + 50.32 + 24.29 + 3.49 + 14.56 + 4.76 + 14.43 + 7.39 + 2.77 =
// 205.17; concrete 0.84 + 0.2025 = 1.0425 → 1.043; 205.17/1.0425 = 196.8.
TEST(CantileverBeam, ItsBarsRunToTheEndAndItsTextsStandApart) {
    const BeamDetailing d = detailBeam(spanAndCantilever());
    ASSERT_TRUE(d.detailed);
    EXPECT_EQ(d.name, "L2(1A)");
    EXPECT_EQ(d.centralLines,
              (std::vector<std::string>{"L2(1A) 250×600", "6A8@200/350(2)", "(2C10)", "G4C10"}));
    EXPECT_EQ(d.supportTexts, (std::vector<std::string>{"3C12", "5C25 3/2", ""}));
    EXPECT_EQ(d.spanTexts[0].bottom, "4C22");
    EXPECT_EQ(d.spanTexts[1].top, "");
    EXPECT_EQ(d.spanTexts[1].bottom, "2A14");
    EXPECT_EQ(d.spanTexts[1].overrides, (std::vector<std::string>{"250×450", "A8@150(2)"}));
    EXPECT_EQ(d.changes,
              (std::vector<std::string>{"支座0：上部构造钢筋按9.2.6不少于跨中下部钢筋计算"
                                        "面积的1/4（325.0 mm²），由 2C14 改为 3C12"}));
    ASSERT_EQ(d.topRuns.size(), 3u);
    EXPECT_EQ(d.topRuns[1].right.kind, BarEnd::Kind::FreeEnd);
    EXPECT_DOUBLE_EQ(d.topRuns[1].right.x, 7980);
    EXPECT_EQ(d.topRuns[2].right.kind, BarEnd::Kind::Stop);
    EXPECT_DOUBLE_EQ(d.topRuns[2].right.x, 7550);
    EXPECT_EQ(shapes(d),
              (std::vector<std::string>{
                  "直 6128 C22 ×4 73.22", "直 1990+2弯钩 A14 ×2 5.25", "┌ 180+1580 C12 ×3 4.69",
                  "┐ 4050+300 C25 ×3 50.32", "直 3150 C25 ×2 24.29", "直 2830 C10 ×2 3.49",
                  "直 5900 C10 ×4 14.56", "直 1930 C10 ×4 4.76", "箍 210×560 A8 ×21 14.43",
                  "箍 210×410 A8 ×13 7.39", "拉 210 A6 ×32 2.77"}));
    EXPECT_EQ(d.schedule[1].length, 2170);
    EXPECT_EQ(d.totalWeight, "205.17");
    EXPECT_EQ(d.concreteText, "1.043");
    EXPECT_EQ(d.steelPerVolume, "196.8");
}

// Nodes 0, 6000, 7800, 13800; ln 5600, 1400, 5600. Support 1 extends max(5600, 1400)/3 → 1870
// into span 2, support 2 likewise: 3740 ≥ 1400, span 2 is through; spans 1 and 3 are not
// (1200 + 1870 < 5600). Groups {0}, {1, 2}, {3}; the group set of {1, 2} is the stronger of 4C22
// (360·4·22² = 696 960) and 3C25 (675 000): 4C22, written over both supports and at the top of
// the short span, and run from 5800 − 1870 = 3930 to 7600 + 1870 = 9870: 5940.
// 9.2.6: 2C14 provided at 0 (307.9 < 325.0) is kept with ✘; 2C14 proposed at 3 becomes 3C12.
// Span 1's bottom bars enter support 1 by max(12d, 0.7la) = max(264, 0.7·770 = 539) = 539: 264
// + 5600 + 539 = 6403 → 6410. The provided 3-leg stirrups of span 2 are one spacing, ⌈1300/100⌉
// + 1 = 14, a single leg each of 560 + 2·95.2 = 750.4 → 760.
TEST(ShortMiddleSpan, ItsTopBarsRunThroughAndJoinTheSupports) {
    const BeamDetailing d = detailBeam(shortMiddleSpan());
    ASSERT_TRUE(d.detailed);
    EXPECT_EQ(d.name, "L4(3)");
    EXPECT_EQ(d.through, (std::vector<bool>{false, true, false}));
    ASSERT_EQ(d.groups.size(), 3u);
    EXPECT_EQ(d.groups[1].first, 1);
    EXPECT_EQ(d.groups[1].last, 2);
    EXPECT_EQ(d.groups[1].text, "4C22");
    EXPECT_EQ(d.supportTexts, (std::vector<std::string>{"2C14", "4C22", "4C22", "3C12"}));
    EXPECT_EQ(d.spanTexts[1].top, "4C22");
    EXPECT_EQ(d.spanTexts[1].overrides, (std::vector<std::string>{"A8@100(3)"}));
    EXPECT_EQ(d.erectionTexts, (std::vector<std::string>{"(2C10)", "", "(2C10)"}));
    EXPECT_EQ(d.failures,
              (std::vector<std::string>{"支座0：上部钢筋 2C14（307.9 mm²）少于跨中下部钢筋"
                                        "计算面积的1/4（325.0 mm²，GB 50010 9.2.6）"}));
    EXPECT_EQ(d.topRuns[1].length, 5940);
    EXPECT_DOUBLE_EQ(d.bottomRuns[0].right.fromFace, 539);
    EXPECT_EQ(d.bottomRuns[0].length, 6410);
    EXPECT_EQ(shapes(d), (std::vector<std::string>{"直 6403 C22 ×4 76.57", "直 1784 C16 ×2 5.65",
                                                   "直 6128 C22 ×4 73.22", "┌ 210+1580 C14 ×2 4.33",
                                                   "直 5940 C22 ×4 70.95", "┐ 1580+180 C12 ×3 4.69",
                                                   "直 2830 C10 ×4 6.98", "直 5900 C10 ×8 29.12",
                                                   "直 1700 C10 ×4 4.20", "箍 210×560 A8 ×56 38.48",
                                                   "单肢 560 A8 ×14 4.20", "拉 210 A6 ×52 4.50"}));
    EXPECT_EQ(d.totalWeight, "322.89");
    EXPECT_EQ(d.steelPerVolume, "170.8");
}

} // namespace
} // namespace spanwise
