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

// Table 5.2.4 for a beam of a ribbed floor: the least of l0/3, b + sn and, where hf'/h0 < 0.1,
// b + 12 hf'.
TEST(SectionStiffness, FlangeWidthByTheTable) {
    // l0 = 6.6 m: 2200; b + sn = 250 + 3050 = 3300; hf'/h0 = 80/460 = 0.17: no third limit
    EXPECT_DOUBLE_EQ(flangeWidthByTable(6.6, 250, 80, 460, 3050), 2200);
    // hf'/h0 = 40/460 = 0.087 < 0.1: b + 12 hf' = 730 governs
    EXPECT_DOUBLE_EQ(flangeWidthByTable(6.6, 250, 40, 460, 3050), 730);
    // close ribs: b + sn = 250 + 1200 = 1450
    EXPECT_DOUBLE_EQ(flangeWidthByTable(6.6, 250, 100, 460, 1200), 1450);
}

} // namespace
} // namespace spanwise
