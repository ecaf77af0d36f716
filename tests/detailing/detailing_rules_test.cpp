// The detailing's rules one by one: the anchorage table, the sign settings, a deep T that needs
// side bars, additional stirrups that do not fit, and a beam whose design left a set without bars.
#include "DetailingExamples.h"
#include "outcome/BeamOutcome.h"

#include <gtest/gtest.h>

namespace spanwise {
namespace {

using namespace detailing_examples;

// kab of 22G101-1 as printed (the rule book's table 2.2), and in brackets ka for d > 25: every
// cell reproduced by kab = α·fy/ft half up, ka = 1.1·kab half up. C70 takes C60's ft (2.04).
TEST(Anchorage, TheTableAs22G101PrintsIt) {
    const int concretes[] = {20, 25, 30, 35, 40, 45, 50, 55, 60, 70};
    const double ft[] = {1.10, 1.27, 1.43, 1.57, 1.71, 1.80, 1.89, 1.96, 2.04, 2.14};
    struct Row {
        int grade;
        int kab[10];
        int ka[10]; // d > 25
    };
    const Row rows[] = {
        {300, {39, 34, 30, 28, 25, 24, 23, 22, 21, 21}, {39, 34, 30, 28, 25, 24, 23, 22, 21, 21}},
        {335, {38, 33, 29, 27, 25, 23, 22, 21, 21, 21}, {42, 36, 32, 30, 28, 25, 24, 23, 23, 23}},
        {400, {46, 40, 35, 32, 29, 28, 27, 26, 25, 25}, {51, 44, 39, 35, 32, 31, 30, 29, 28, 28}},
        {500, {55, 48, 43, 39, 36, 34, 32, 31, 30, 30}, {61, 53, 47, 43, 40, 37, 35, 34, 33, 33}},
    };
    for (const Row& row : rows) {
        for (std::size_t k = 0; k < std::size(concretes); ++k) {
            const Anchorage small = anchorageFor(concretes[k], ft[k], row.grade, 22);
            EXPECT_EQ(small.basicFactor, row.kab[k]) << row.grade << " C" << concretes[k];
            EXPECT_EQ(small.factor, row.kab[k]) << row.grade << " C" << concretes[k];
            EXPECT_EQ(small.length, row.kab[k] * 22);
            const Anchorage large = anchorageFor(concretes[k], ft[k], row.grade, 28);
            EXPECT_EQ(large.factor, row.ka[k]) << row.grade << " C" << concretes[k];
            EXPECT_EQ(large.basic, row.kab[k] * 28);
            EXPECT_EQ(large.length, row.ka[k] * 28);
        }
    }
    // la is never below 200: 6 mm HPB300 in C60, 21 × 6 = 126 → 200
    EXPECT_EQ(anchorageFor(60, 2.04, 300, 6).length, 200);
}

// The same beam with each sign setting: only the sign changes, in every text and the notes.
TEST(Signs, OnlyTheSignChangesWithTheSetting) {
    struct Case {
        DrawingSigns signs;
        const char* stirrups;
        const char* item4;
        const char* bottomBars;
        const char* note;
    };
    const Case cases[] = {
        {DrawingSigns::Letters, "6A8@200/250(2)", "(2C10);4C20", "C20",
         "混凝土 C30；纵筋 HRB400（C），箍筋 HPB300（A）。"},
        {DrawingSigns::Codes, "6%%1308@200/250(2)", "(2%%13210);4%%13220", "%%13220",
         "混凝土 C30；纵筋 HRB400（%%132），箍筋 HPB300（%%130）。"},
        {DrawingSigns::Phi, "6Φ8@200/250(2)", "(2Φ10);4Φ20", "Φ20",
         "混凝土 C30；纵筋 HRB400（Φ），箍筋 HPB300（Φ）。"},
    };
    for (const Case& c : cases) {
        DetailingInput in = twoSpanL();
        in.member.signs = c.signs;
        const BeamDetailing d = detailBeam(in);
        EXPECT_EQ(d.centralLines[1], c.stirrups);
        EXPECT_EQ(d.centralLines[2], c.item4);
        EXPECT_EQ(d.schedule[0].diameter, c.bottomBars);
        EXPECT_EQ(d.notes.front(), c.note);
        // the codes need a symbol font, and the notes say so
        const bool said = d.notes.back() == "钢筋符号%%130～%%133需结构符号字体";
        EXPECT_EQ(said, c.signs == DrawingSigns::Codes);
    }
}

// KL3(1), 7200, T 400 × 800 (hf' 120), supports 500, as 45: faces 250 … 6950, ln 6700.
// hw = 800 − 45 − 120 = 635 ≥ 450: n = ⌈3.175⌉ − 1 = 3 per side, 0.001·400·635 = 254 > 3·78.5
// (d10) but ≤ 3·113.1 (d12): G6Φ12, 6700 + 30·12 = 7060.
// 9Φ25 in two layers: (344 + 25)/50 = 7.38 → 7 outer, 2 inner: 9Φ25 2/7 (inner row first).
// Frame ends: 4Φ28 la = 39·28 = 1092 > room 480 → bent 15d = 420, 480 ≥ 0.4·980; cut at ln/3 →
// 2240: 420 + 2720, 3140. Bottom 9Φ25 la 875 > 480: bent up 375 at both ends: 375 + 7660 + 375.
// Stirrups: z = 1200, n1 = ⌈1150/100⌉ + 1 = 13, e = 1250; V(1250) = 500·(1 − 1250/3350) =
// 313.43 > Vc = 0.7·1.43·400·755 = 302 302 N: Asv/s = 0.24·1.43/270·400 = 0.5084; smax 250;
// 100.5/150 = 0.670 ≥ 0.5084 > 100.5/200: s2 = 150, m = ⌈4200/150⌉ − 1 = 27: 13Φ8@100/150(2).
// Ties Φ8 (b > 350) at 300: ⌈6600/300⌉ + 1 = 23 per row, 3 rows; 360 + 2·95.2 → 560.
// Weight 527.63 kg; concrete 400·800·6700 = 2.144 m³: 246.1 kg/m³.
TEST(DeepT, NeedsSideBarsAndAnchorsAsAFrame) {
    const BeamDetailing d = detailBeam(deepT());
    ASSERT_TRUE(d.detailed);
    EXPECT_EQ(d.name, "KL3(1)");
    EXPECT_TRUE(d.frame);
    EXPECT_EQ(d.centralLines, (std::vector<std::string>{"KL3(1) 400×800", "13Φ8@100/150(2)",
                                                        "(2Φ12);9Φ25 2/7", "G6Φ12"}));
    ASSERT_EQ(d.sideBars.size(), 1u);
    EXPECT_TRUE(d.sideBars[0].needed);
    EXPECT_EQ(d.sideBars[0].perSide, 3);
    EXPECT_EQ(d.sideBars[0].length, 7060);
    EXPECT_EQ(d.sideBars[0].tiesPerRow, 23);
    EXPECT_EQ(d.sideBars[0].tieLength, 560);
    EXPECT_EQ(d.stirrups[0].middleSpacing, 150);
    EXPECT_EQ(d.stirrups[0].count, 53);
    EXPECT_EQ(d.topRuns[0].left.kind, BarEnd::Kind::Bent);
    EXPECT_EQ(d.schedule[0].shape, "└┘ 375+7660+375");
    EXPECT_EQ(d.schedule[0].length, 8410);
    EXPECT_EQ(d.schedule[1].shape, "┌ 420+2720");
    EXPECT_EQ(d.totalWeight, "527.63");
    EXPECT_EQ(d.steelPerVolume, "246.1");
    EXPECT_EQ(d.notes[3], "按 22G101-1 制图规则与构造详图；框架梁，非抗震。");
}

// Lg5(1): a fixed left end makes the L an Lg with the full detail at both ends. At x = 2.5 the
// force asks 2600: d10 ⌈2600/314.2⌉ = 9 per side … d14 ⌈2600/615.8⌉ = 5: 250 > h1 + bs = 200,
// none fits: 14 with 5 per side and ✘; at x = 5: d12 ⌈1600/452.4⌉ = 4, 200 ≤ 200 fits: 8C12(2).
// Supports 250 wide: room 230; 3C25 la 875 → bent 230 < 0.6·875 = 525 ✘; 2C20 0.6·700 = 420 ✘;
// bottom 12d = 264 > 230 at both ends ✘.
TEST(AdditionalStirrups, ThoseThatDoNotFitAreSaid) {
    const BeamDetailing d = detailBeam(hangersThatDoNotFit());
    ASSERT_TRUE(d.detailed);
    EXPECT_EQ(d.name, "Lg5(1)");
    EXPECT_EQ(d.endDetail, EndDetail::Full);
    ASSERT_EQ(d.additional.size(), 2u);
    EXPECT_EQ(d.additional[0].diameter, 14);
    EXPECT_EQ(d.additional[0].perSide, 5);
    EXPECT_FALSE(d.additional[0].fits);
    EXPECT_EQ(d.additional[0].text, "10%%13014(2)");
    EXPECT_EQ(d.additional[1].text, "8%%13012(2)");
    EXPECT_TRUE(d.additional[1].fits);
    EXPECT_EQ(d.failures,
              (std::vector<std::string>{
                  "第1跨 x = 2.5 m 附加箍筋每侧 5 根超出 s = 2h1 + 3b 范围，宜改用吊筋",
                  "支座0：弯锚水平段 230 < 0.6lab = 525（支座宽 250）",
                  "支座1：弯锚水平段 230 < 0.6lab = 420（支座宽 250）",
                  "支座0：第1跨下部钢筋伸入 12d = 264 > 支座宽 − c = 230，须弯折或机械锚固",
                  "支座1：第1跨下部钢筋伸入 12d = 264 > 支座宽 − c = 230，须弯折或机械锚固"}));
    EXPECT_EQ(d.notes[6], "配筋验算未全部通过，见计算书。");
    EXPECT_EQ(d.notes[7],
              "注意：第1跨 x = 2.5 m 附加箍筋每侧 5 根超出 s = 2h1 + 3b 范围，宜改用吊筋");
    EXPECT_EQ(d.totalWeight, "327.10");
}

TEST(NotDetailed, ABeamWithoutASetSaysWhichIsMissing) {
    DetailingInput in = twoSpanL();
    in.missing = {"第2跨下部钢筋放不下（设计无钢筋）"};
    const BeamDetailing d = detailBeam(in);
    EXPECT_FALSE(d.detailed);
    EXPECT_EQ(d.missing, in.missing);
    EXPECT_TRUE(d.schedule.empty());
}

// A span longer than the drawing takes (its lengths are whole millimetres in an int) is not
// detailed and says so, instead of overflowing: a 1000.1 m span under its own 10 kN/m.
TEST(NotDetailed, ASpanLongerThanTheDrawingTakesIsSaid) {
    Beam beam;
    beam.spans = {spanWith(6, 1, 1), spanWith(1000.1f, 1, 1)};
    for (Span& span : beam.spans) {
        span.loads.push_back(Load{Uniform, 0, 10, 0, 0, 0, "均布荷载", Dead});
        span.section = SpanSection{250, 500, 0, 0, false, {}, {}, {}};
    }
    const BeamOutcome outcome = outcomeOf(beam);
    ASSERT_TRUE(outcome.design.get() && outcome.design.get()->designed);
    const BeamDetailing& d = outcome.detailing.orThrow();
    EXPECT_FALSE(d.detailed);
    EXPECT_EQ(d.missing,
              std::vector<std::string>{"第2跨跨度 1000.1 m 超出配筋详图的范围（不大于 1000 m）"});
}

} // namespace
} // namespace spanwise
