// No NaN or infinity leaves the design, whatever one input holds: each field of each input is set
// in turn to 0, a negative, a tiny, a huge value, NaN and infinity, the others those of a
// 250 × 600 beam (h0 = 560, C30, HRB400).
#include "design/Flexure.h"
#include "design/LongitudinalBars.h"
#include "design/Serviceability.h"
#include "design/Stirrups.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>

namespace spanwise {
namespace {

const Materials c30 = materialsOf(DesignSettings{});
constexpr double kOdd[] = {0,
                           -1,
                           1e-300,
                           1e300,
                           std::numeric_limits<double>::quiet_NaN(),
                           std::numeric_limits<double>::infinity()};

bool allFinite(std::initializer_list<double> values) {
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

// check(input) for every odd value in every field.
template <typename Input, typename Check>
void eachOdd(const Input& ordinary, std::initializer_list<double Input::*> fields, Check check) {
    for (double Input::*field : fields) {
        for (double v : kOdd) {
            Input in = ordinary;
            in.*field = v;
            SCOPED_TRACE(v);
            check(in);
        }
    }
}

TEST(DegenerateInput, EveryResultStaysFiniteOrSaysItOverflowed) {
    using F = FlexureInput;
    eachOdd(
        F{150, 250, 600, 560, 40, 0, 0, 0.5},
        {&F::moment, &F::width, &F::depth, &F::effectiveDepth, &F::compressionCover,
         &F::flangeWidth, &F::flangeDepth, &F::depthLimit},
        [](const F& in) {
            const FlexureResult r = designFlexure(in, c30);
            EXPECT_TRUE(allFinite({r.alphaS, r.xi, r.requiredArea, r.compressionArea, r.ratio}));
            EXPECT_TRUE(std::isfinite(checkDuctility(in.moment, 0, in.width, 560, c30).xi));
        });
    using S = ShearInput;
    eachOdd(S{250, 250, 600, 560, 0, 1120, false},
            {&S::shear, &S::width, &S::depth, &S::effectiveDepth, &S::flangeDepth},
            [](const S& in) {
                const ShearResult r = designShear(in, c30);
                EXPECT_TRUE(allFinite({r.sectionLimit, r.concreteShear, r.requiredRatio}));
                EXPECT_TRUE(std::isfinite(additionalTransverse(in.shear, c30).area));
                const StirrupChoice s =
                    proposeStirrups(in.shear, 250, stirrupDetailing(600, true), 400);
                EXPECT_EQ(s.ok(), std::isfinite(in.shear) && in.shear <= 2.26); // Φ12@100(2)
            });
    for (double v : kOdd) {
        for (const BarChoice& c :
             {proposeBars(BarRequirement{v, v}, c30.proposedDiameters,
                          {BarFace::Bottom, 250, 20, 8}),
              proposeBars(BarRequirement{1000, 1100}, c30.proposedDiameters,
                          {BarFace::Top, v, 20, 8}),
              checkBars({4, 22}, BarRequirement{1000, 1100}, {BarFace::Bottom, 250, v, 8})}) {
            EXPECT_TRUE(allFinite({c.area, c.requiredArea}));
        }
    }
    using V = ServiceSection;
    eachOdd(V{180, 250, 600, 560, {4, 22}, 8, 1800, 100, 1800, 100},
            {&V::moment, &V::width, &V::depth, &V::effectiveDepth, &V::stirrupDiameter,
             &V::tensionFlangeWidth, &V::tensionFlangeDepth, &V::compressionFlangeDepth},
            [](const V& s) {
                const CrackWidth w = crackWidth(s, c30);
                const LongTermStiffness k = longTermStiffness(s, c30);
                EXPECT_TRUE(allFinite({w.strain.steelStress, w.strain.strainFactor, w.width,
                                       k.flangeRatio, k.shortTerm, k.longTerm}));
            });
    // 1e305 kN·m is 1e311 N·mm, beyond the double range
    const ServiceSection huge{1e305, 250, 600, 560, {4, 22}, 8, 0, 0, 0, 0};
    EXPECT_EQ(crackWidth(huge, c30).words, "数值超出可计算范围");
    EXPECT_EQ(longTermStiffness(huge, c30).state, CheckState::Failed);
    EXPECT_EQ(designFlexure({1e305, 250, 600, 560, 40, 0, 0, 0.5}, c30).failures,
              std::vector<std::string>{"数值超出可计算范围"});
}

} // namespace
} // namespace spanwise
