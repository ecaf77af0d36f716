// The results as CSV: every name and value the file prints, for the ends the table differs on.
#include "exports/ResultCsv.h"

#include "io/ProjectFile.h"

#include "support/BeamBuilder.h"

#include <gtest/gtest.h>

#include <utility>

namespace spanwise {
namespace {

using test::BeamBuilder;

std::string csvOf(const Beam& beam) {
    return resultCsv(beam, test::solve(beam));
}

const std::string kHeader = "\xEF\xBB\xBF跨   号,跨度(m),左端V(kN),左端M(kN*m),跨中Mmax(kN*m),"
                            "Mmax位置(m),右端V(kN),右端M(kN*m)\r\n";

TEST(ResultCsv, FixedEndsCarryTheirMomentsInTheReactionRows) {
    // each span of 6 m under 10 kN/m acts as fixed at both ends: -30 at the supports, 15 between
    EXPECT_EQ(csvOf(BeamBuilder({6, 6}).ends(Fixed, Fixed).uniform(1, 10).uniform(2, 10).beam()),
              kHeader + "第1跨,6,30,-30,15,3,-30,-30\r\n第2跨,6,30,-30,15,3,-30,-30\r\n\r\n"
                        "支座反力\r\n支座,反力(kN),弯矩(kN*m)\r\n"
                        "①轴支座,30,-30\r\n②轴支座,60,\r\n③轴支座,30,-30\r\n");
}

TEST(ResultCsv, AFreeEndHasNoReactionRow) {
    // span 1 cantilevers 2 m with 10 kN at its tip; span 2 of 4 m takes -20 kN*m at its left
    EXPECT_EQ(csvOf(BeamBuilder({2, 4}).ends(Cantilever, Simple).force(1, 10, 0).beam()),
              kHeader + "第1跨,2,0,0,0,0,-10,-20\r\n第2跨,4,5,-20,0,4,5,0\r\n\r\n"
                        "支座反力\r\n支座,反力(kN),弯矩(kN*m)\r\n"
                        "①轴支座,15,\r\n②轴支座,-5,\r\n");
}

// Two 6 m spans, 250 x 500, C30, HRB400, as = 40, g = 20 and q = 15 kN/m, beta = 0.2 at the
// middle support, worked by hand: M_B = -35 x 36 / 8 = -157.5, at the face 0.8 x that = -126;
// V_B = 5/8 x 35 x 6 = 131.25 (not lowered); quasi-permanent -27.5 x 36 / 8 = -123.75. The face
// steel: alpha_s = 126e6 / (14.3 x 250 x 460^2) = 0.1666, xi = 1 - sqrt(1 - 2 alpha_s) =
// 0.1834, As = 14.3 x 250 x 0.1834 x 460 / 360 = 837.7, 3Φ20 give 942.5 (rho = 942.5 / (250 x
// 460) = 0.0082) by area, but its crack under Mq is w = 0.405 mm > 0.30: the proposal is the
// first in the order of area whose crack stays within 0.30, 4C20 = 1256.6 mm² (ρ = 1256.6 / (250
// × 460) = 0.0109, w = 0.252, worked out beside the batch tool's case of the same beam).
TEST(ResultCsv, TheDesignTablesCarryTheDesignForcesAndTheSteel) {
    const ReadResult read = readProjectFile(SPANWISE_TEST_DATA_DIR "/redistributed_two_spans.BMD");
    ASSERT_TRUE(read.ok());
    const BeamOutcome outcome = outcomeOf(read.project->beam);
    const std::string forces = designForcesCsv(outcome);
    EXPECT_NE(forces.find("1,②轴支座左边缘,6,0.2,-157.5,-126,-131.25,-131.25,-123.75\r\n"),
              std::string::npos)
        << forces;
    const std::string steel = designCsv(*outcome.design.get());
    EXPECT_NE(
        steel.find("1,②轴支座左边缘,-126,0.1666,0.1834,837.7,,4C20*,1256.6,0.0109,0.252,✔\r\n"),
        std::string::npos)
        << steel;
    EXPECT_NE(steel.find("截面设计,全部满足"), std::string::npos) << steel;
    // one deflection verdict: the design's with B; the elastic one is shown without its own
    const std::string whole = outcomeCsv(outcome, true);
    EXPECT_NE(whole.find("挠度,按输入 EI 计算的弹性挠度,挠度验算按长期刚度 B 进行"),
              std::string::npos);
    EXPECT_EQ(whole.find("l0/w,限值,验算"), std::string::npos);
    EXPECT_NE(whole.find("跨号,B(N*mm²),w按EI(mm),f按B(mm),l0/f,限值,结论"), std::string::npos);
    // and after it the bar schedule: the bottom bars 6 a span, 6000 + 2 × 12d = 6288 cut to
    // 6290, 12 × 6.29 = 75.48 m of 0.00617 × 12² = 0.88848 kg/m = 67.06 kg
    const std::size_t schedule = whole.find("\r\n钢筋表,L1(2)\r\n");
    ASSERT_NE(schedule, std::string::npos);
    EXPECT_GT(schedule, whole.find("l0/f"));
    EXPECT_NE(whole.find("1,下部纵筋,直 6288,C12,6290,12,75.48,67.06\r\n", schedule),
              std::string::npos);
}

} // namespace
} // namespace spanwise
