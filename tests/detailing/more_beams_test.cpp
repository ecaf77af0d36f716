// Three more beams worked by hand: an XL, a group whose set comes from a 跨中负弯矩 and does not
// fit a narrower span, and a KL of HPB300 with a cantilever, four-leg stirrups and a
// redistributed fixed end.
#include "DetailingExamples.h"

#include <gtest/gtest.h>

namespace spanwise {
namespace {

using namespace detailing_examples;

std::vector<std::string> lines(const BeamDetailing& d) {
    std::vector<std::string> out;
    for (const ScheduleLine& line : d.schedule) {
        out.push_back(line.kind + " " + line.shape + " " + line.diameter + " " +
                      std::to_string(line.length) + "×" + std::to_string(line.count) + " " +
                      line.weight);
    }
    return out;
}

// One 2500 cantilever from a fixed support 400 wide: no span held at both ends, XL1, the frame's
// detail. 3C20: room 380 < max(la 700, 200 + 100) → bent 15d = 300 (380 ≥ 0.4·700); to the end
// less c, 2480, bent down 12d = 240: 300 + 2660 + 240 = 3200. One group: item 4 is 3C20 and no
// support text; both "bottoms" alike: ";2C12". Bottom 2300 − 20 + 15·12 = 2460. Stirrups one
// spacing ⌈2200/100⌉ + 1 = 23. Total 50.13 kg; concrete 0.2875 → 0.288 m³; 174.4 kg/m³.
TEST(MoreBeams, ACantileverAloneIsAnXL) {
    DetailingInput in = c30();
    DetailingSpan s = span(2500, 250, 500, bars(2, 12), stirrups(8, 100));
    s.freeRight = true;
    s.bottomRequiredArea = 250;
    DetailingSupport fixed = support(400, bars(3, 20));
    fixed.fixedEnd = true;
    DetailingSupport free;
    free.free = true;
    in.spans = {s};
    in.supports = {fixed, free};
    const BeamDetailing d = detailBeam(in);
    EXPECT_EQ(d.name, "XL1");
    EXPECT_EQ(d.endDetail, EndDetail::Frame);
    EXPECT_EQ(d.centralLines,
              (std::vector<std::string>{"XL1 250×500", "A8@100(2)", "3C20;2C12", "G4C10"}));
    EXPECT_EQ(d.supportTexts, (std::vector<std::string>{"", ""}));
    EXPECT_EQ(lines(d), (std::vector<std::string>{"下部纵筋 直 2460 C12 2460×2 4.37",
                                                  "上部纵筋 ┌┐ 300+2660+240 C20 3200×3 23.69",
                                                  "腰筋 直 2430 C10 2430×4 6.00",
                                                  "箍筋 箍 210×460 A8 1540×23 13.99",
                                                  "拉筋 拉 210 A6 390×24 2.08"}));
    EXPECT_EQ(d.totalWeight, "50.13");
    EXPECT_EQ(d.concreteText, "0.288");
    EXPECT_EQ(d.steelPerVolume, "174.4");
}

// Span 2 hogs: it runs its supports' bars through although 1540 + 1540 < 4600. The group {1, 2}
// takes the strongest of 3C22 (360·3·484 = 522 720), 4C25 (900 000, the 跨中负弯矩's) and 3C22:
// 4C25, one row of 4 in b = 300 ((244 + 37.5)/62.5 = 4.5) but only 3 in span 1's 250 → ✘. The
// run: 4800 − 1540 = 3260 to 10 200 + 1540 = 11 740: 8480. Span 1's shear jumps at e = 800 from
// 130 to 60: both sides count, V = 130 kN > Vc = 0.7·1.43·250·460 = 115.1 kN, smax 200: s2 =
// 200, m = ⌈3000/200⌉ − 1 = 14: 6A8@150/200(2).
TEST(MoreBeams, AGroupSetFromAHoggingSpanThatDoesNotFitANarrowerSpan) {
    DetailingInput in = c30(MemberData{MemberCode::NonFrame, 7, DrawingSigns::Letters, 200, 0});
    DetailingSpan s1 = span(5000, 250, 500, bars(3, 20), stirrups(8, 150));
    s1.bottomRequiredArea = 900;
    s1.largestShear =
        shearLines({{0, 150}, {800, 130}, {800, 60}, {3800, 60}, {3800, 130}, {4600, 150}});
    DetailingSpan s2 = span(5000, 300, 500, bars(4, 20, 400, 300), stirrups(8, 150));
    s2.bottomRequiredArea = 1100;
    s2.hogs = true;
    s2.spanTop = bars(4, 25, 400, 300);
    s2.largestShear = shearOf(50);
    DetailingSpan s3 = span(5000, 300, 500, bars(4, 20, 400, 300), stirrups(8, 150));
    s3.bottomRequiredArea = 1100;
    s3.stirrupsProvided = true;
    in.spans = {s1, s2, s3};
    in.supports = {support(400, bars(2, 16), true), support(400, bars(3, 22)),
                   support(400, bars(3, 22, 400, 300)), support(400, bars(2, 16, 400, 300), true)};
    const BeamDetailing d = detailBeam(in);
    EXPECT_EQ(d.through, (std::vector<bool>{false, true, false}));
    EXPECT_EQ(d.supportTexts, (std::vector<std::string>{"2C16", "4C25", "4C25", "2C16"}));
    EXPECT_EQ(d.spanTexts[1].top, "4C25");
    EXPECT_EQ(d.spanTexts[1].overrides, (std::vector<std::string>{"300×500", "6A8@150/300(2)"}));
    EXPECT_EQ(d.centralLines[1], "6A8@150/200(2)");
    EXPECT_EQ(d.failures, (std::vector<std::string>{
                              "支座1、2上部钢筋 4C25 第一排 4 根在第1跨（b = 250）放不下"}));
    EXPECT_EQ(d.topRuns[1].length, 8480);
    EXPECT_EQ(d.totalWeight, "377.68");
    EXPECT_EQ(d.steelPerVolume, "193.2");
}

// KL9(2A): a 1500 cantilever on the left, 6600 + 6600, 450 × 700, C25 (ft 1.27), HPB300 bars and
// stirrups, c 25, as 45, four legs; the right end fixed with β = 0.1. kab = 0.16·270/1.27 =
// 34.0 → 34, la = 34d. Support 1 extends max(1250, 6100)/3 → 2040. Row 1 over it from the
// cantilever's end less c (25, bent down 12d = 264) to 1750 + 2040 = 3790, one straight end's
// hook 6.25·22 = 137.5: 264 + 3765 + 137.5 → 4170. 8A22 over support 2 in two layers ((384 +
// 33)/55 = 7.6 → 7): 8A22 7/1, row 2 cut at 6100/4 → 1530. KL bottom bars into an interior
// support max(748, 250 + 110) = 748; span 3's right end a frame bend 330 (room 475 < 748):
// 748 + 6100 + 475 + 330 + 137.5 → 7800. β at node 3: span 3 one spacing, A8@150(4).
// Inner hoops 400/3 = 133.3 wide (written 134): 266.7 + 1300 + 190.4 → 1760. At the force, Asv
// 900 with 4 legs: 900/402.1 → 3 per side (zone 2·100 + 3·250): 6A8(4), 6 outer and 6 inner.
TEST(MoreBeams, AKLOfPlainBarsWithACantileverAndFourLegs) {
    DetailingInput in = c30(MemberData{MemberCode::Frame, 9, DrawingSigns::Letters, 250, 100});
    in.concrete = 25;
    in.ft = 1.27;
    in.longitudinalSteel = 300;
    in.cover = 25;
    in.tensionCover = 45;
    in.environment = "二a";
    const StirrupSet four = stirrups(8, 150, 4);
    DetailingSpan tip = span(1500, 450, 700, bars(2, 14, 300, 450), four);
    tip.freeLeft = true;
    tip.bottomRequiredArea = 630;
    DetailingSpan s2 = span(6600, 450, 700, bars(6, 22, 300, 450), four);
    s2.bottomRequiredArea = 2200;
    s2.largestShear = shearOf(150);
    s2.forces = {{3.3, 243, 900}};
    DetailingSpan s3 = s2;
    s3.forces.clear();
    in.spans = {tip, s2, s3};
    DetailingSupport free;
    free.free = true;
    DetailingSupport fixed = support(500, bars(4, 20, 300, 450));
    fixed.fixedEnd = true;
    fixed.beta = 0.1;
    in.supports = {free, support(500, bars(6, 22, 300, 450)),
                   support(500, bars(8, 22, 300, 450, 8, true)), fixed};
    const BeamDetailing d = detailBeam(in);
    EXPECT_EQ(d.centralLines,
              (std::vector<std::string>{"KL9(2A) 450×700", "8A8@150/350(4)", "(4A12)", "G6A12"}));
    EXPECT_EQ(d.supportTexts, (std::vector<std::string>{"", "6A22", "8A22 7/1", "4A20"}));
    EXPECT_EQ(d.spanTexts[0].overrides, (std::vector<std::string>{"A8@150(4)"}));
    EXPECT_EQ(d.spanTexts[2].overrides, (std::vector<std::string>{"A8@150(4)"}));
    EXPECT_EQ(
        lines(d),
        (std::vector<std::string>{
            "下部纵筋 直 1435+2弯钩 A14 1610×2 3.89", "下部纵筋 直 7596+2弯钩 A22 7880×6 141.19",
            "下部纵筋 ┘ 7323+330+弯钩 A22 7800×6 139.76",
            "上部纵筋 ┌ 264+3765+弯钩 A22 4170×6 74.72", "上部纵筋 直 4580+2弯钩 A22 4860×7 101.59",
            "上部纵筋 直 3560+2弯钩 A22 3840×1 11.47", "上部纵筋 ┐ 2515+300+弯钩 A20 2940×4 29.02",
            "架立筋 直 2320 A12 2320×8 16.49", "腰筋 直 1410 A12 1410×6 7.52",
            "腰筋 直 6460 A12 6460×12 68.87", "箍筋 箍 400×650 A8 2300×77 69.93",
            "箍筋 箍 134×650 A8 1760×77 53.51", "拉筋 拉 400 A8 600×108 25.59",
            "附加箍筋 箍 400×650 A8 2300×6 5.45", "附加箍筋 箍 134×650 A8 1760×6 4.17"}));
    EXPECT_EQ(d.totalWeight, "753.17");
    EXPECT_EQ(d.steelPerVolume, "177.8");
    EXPECT_EQ(d.notes[2], "lab = 34d，la = 34d。");
}

} // namespace
} // namespace spanwise
