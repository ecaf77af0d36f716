// The recorded working of the moment distribution: factors by hand, the steps as an engineer
// would do them, the final sums equal to the calculation, and the cap on recorded rounds.
#include "analysis/DistributionWorking.h"
#include "analysis/NumberFormat.h"
#include "support/BeamBuilder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace spanwise {
namespace {

using test::BeamBuilder;

// Three spans of 6, 4 and 5 m with i = 2, 3 and 1, q = 10 kN/m on each, outer ends as given.
Beam threeSpans(SupportKind left, SupportKind right) {
    return BeamBuilder({6, 4, 5})
        .stiffness(1, 1, 2)
        .stiffness(2, 1, 3)
        .stiffness(3, 1, 1)
        .uniform(1, 10)
        .uniform(2, 10)
        .uniform(3, 10)
        .ends(left, right)
        .beam();
}

struct FactorCase {
    const char* name;
    SupportKind left, right;
    // S, mu and C at joint 1 (span 1 right end, span 2 left end) and joint 2 (span 2 right end,
    // span 3 left end), and the fixed-end moments of the outer spans' ends
    double S[4], mu[4], C[4];
    double fixedEnd[4]; // span 1 left, span 1 right, span 3 left, span 3 right
};

class WorkingFactors : public ::testing::TestWithParam<FactorCase> {};

TEST_P(WorkingFactors, EqualTheHandValues) {
    const FactorCase& c = GetParam();
    const DistributionWorking w = recordDistribution(threeSpans(c.left, c.right));
    const float S[4] = {w.rotationalStiffness[1][2], w.rotationalStiffness[2][1],
                        w.rotationalStiffness[2][2], w.rotationalStiffness[3][1]};
    const float mu[4] = {w.distributionFactor[1][2], w.distributionFactor[2][1],
                         w.distributionFactor[2][2], w.distributionFactor[3][1]};
    const float C[4] = {w.carryOverFactor[1][2], w.carryOverFactor[2][1], w.carryOverFactor[2][2],
                        w.carryOverFactor[3][1]};
    for (int n = 0; n < 4; ++n) {
        EXPECT_FLOAT_EQ(S[n], static_cast<float>(c.S[n])) << n;
        EXPECT_FLOAT_EQ(mu[n], static_cast<float>(c.mu[n])) << n;
        EXPECT_FLOAT_EQ(C[n], static_cast<float>(c.C[n])) << n;
    }
    EXPECT_NEAR(mu[0] + mu[1], 1, 1e-7);
    EXPECT_NEAR(mu[2] + mu[3], 1, 1e-7);
    const float fixedEnd[4] = {w.fixedEndMoment[1][1], w.fixedEndMoment[1][2],
                               w.fixedEndMoment[3][1], w.fixedEndMoment[3][2]};
    for (int n = 0; n < 4; ++n) {
        EXPECT_NEAR(fixedEnd[n], c.fixedEnd[n], 1e-5) << n;
    }
    // the interior span is held at both joints: -qL^2/12 and +qL^2/12
    EXPECT_NEAR(w.fixedEndMoment[2][1], -160.0 / 12, 1e-5);
    EXPECT_NEAR(w.fixedEndMoment[2][2], 160.0 / 12, 1e-5);
    // the outer ends are no joints: no factors there
    EXPECT_EQ(w.distributionFactor[1][1], 0);
    EXPECT_EQ(w.carryOverFactor[3][2], 0);
}

INSTANTIATE_TEST_SUITE_P(
    ThreeSpans, WorkingFactors,
    ::testing::Values(
        // k = 3 at a pinned outer end, 4 at a continuous or fixed one, 0 at a free one;
        // C = 1/2 towards a continuous or fixed far end, 0 towards a pin or a free end
        FactorCase{"pinned ends",
                   Simple,
                   Simple,
                   {6, 12, 12, 3},
                   {1.0 / 3, 2.0 / 3, 0.8, 0.2},
                   {0, 0.5, 0.5, 0},
                   {0, 45, -31.25, 0}},
        FactorCase{"fixed left end",
                   Fixed,
                   Simple,
                   {8, 12, 12, 3},
                   {0.4, 0.6, 0.8, 0.2},
                   {0.5, 0.5, 0.5, 0},
                   {-30, 30, -31.25, 0}},
        FactorCase{"cantilever right end",
                   Simple,
                   Cantilever,
                   {6, 12, 12, 0},
                   {1.0 / 3, 2.0 / 3, 1, 0},
                   {0, 0.5, 0.5, 0},
                   {0, 45, -125, 0}}),
    [](const ::testing::TestParamInfo<FactorCase>& param) {
        std::string name = param.param.name;
        for (char& ch : name) {
            ch = ch == ' ' ? '_' : ch;
        }
        return name;
    });

TEST(Working, TheFirstStepsAreThoseOfTheHandCalculation) {
    const DistributionWorking w = recordDistribution(threeSpans(Simple, Simple));
    ASSERT_GE(w.steps.size(), 2u);
    // joint 1: 45 - 13.333 is released by 1/3 and 2/3; half of span 2's share goes on to joint 2
    const DistributionStep& first = w.steps[0];
    EXPECT_EQ(first.round, 1);
    EXPECT_EQ(first.joint, 1);
    EXPECT_NEAR(first.unbalanced, 45 - 160.0 / 12, 1e-4);
    EXPECT_NEAR(first.distributedLeft, -(45 - 160.0 / 12) / 3, 1e-4);
    EXPECT_NEAR(first.distributedRight, -(45 - 160.0 / 12) * 2 / 3, 1e-4);
    EXPECT_NEAR(first.carriedRight, -(45 - 160.0 / 12) / 3, 1e-4);
    EXPECT_EQ(first.carriedLeft, 0); // towards the pin
    // joint 2 then sees 13.333 - 10.556 - 31.25
    const DistributionStep& second = w.steps[1];
    const double unbalanced = 160.0 / 12 - (45 - 160.0 / 12) / 3 - 31.25;
    EXPECT_EQ(second.joint, 2);
    EXPECT_NEAR(second.unbalanced, unbalanced, 1e-4);
    EXPECT_NEAR(second.distributedLeft, -0.8 * unbalanced, 1e-4);
    EXPECT_NEAR(second.distributedRight, -0.2 * unbalanced, 1e-4);
    EXPECT_NEAR(second.carriedLeft, -0.4 * unbalanced, 1e-4);
    EXPECT_EQ(second.carriedRight, 0);
}

// The beams of the independent check: the working adds up to the calculation.
TEST(Working, FinalSumsEqualTheCalculatedEndMomentsOnRandomBeams) {
    std::mt19937 rng(20240607);
    for (int n = 0; n < 300; ++n) {
        const Beam beam = test::randomBeam(rng);
        const Calculation calculation = calculateBeam(beam);
        const DistributionWorking w = recordDistribution(beam);
        ASSERT_EQ(w.rounds, calculation.sweeps);
        ASSERT_EQ(w.roundsLeftOut(), 0);
        EXPECT_EQ(w.steps.size(), static_cast<std::size_t>(w.rounds * (beam.spanCount() - 1)));
        const int N = beam.spanCount();
        EndArray sums{};
        double largest = 1;
        for (int s = 1; s <= N; ++s) {
            for (int e = 1; e <= 2; ++e) {
                EXPECT_EQ(w.finalMoment[s][e], calculation.results.EndMoment[s][e]);
                sums[s][e] = w.fixedEndMoment[s][e];
                largest = std::fmax(largest, std::fabs(w.fixedEndMoment[s][e]));
            }
        }
        // every step balances its joint, and the columns add up to the final moments
        for (const DistributionStep& step : w.steps) {
            EXPECT_NEAR(step.distributedLeft + step.distributedRight, -step.unbalanced,
                        1e-6 * largest);
            const auto j = static_cast<std::size_t>(step.joint);
            sums[j][2] += step.distributedLeft;
            sums[j + 1][1] += step.distributedRight;
            sums[j][1] += step.carriedLeft;
            sums[j + 1][2] += step.carriedRight;
        }
        for (int s = 1; s <= N; ++s) {
            for (int e = 1; e <= 2; ++e) {
                EXPECT_NEAR(sums[s][e], w.finalMoment[s][e], 0.0005 + 1e-5 * largest)
                    << "beam " << n << " span " << s << " end " << e;
            }
        }
        // the table's last row is the end moments as --json and the result table give them
        const WorkingTable table = workingTable(w);
        ASSERT_EQ(table.rows.back().front(), "合计");
        EXPECT_EQ(table.rows.back()[2 * static_cast<std::size_t>(N)],
                  formatResult(calculation.results.EndMoment[N][1]));
    }
}

TEST(Working, RoundsBeyondTheCapAreCountedNotKept) {
    const Beam beam = threeSpans(Fixed, Simple);
    const long sweeps = calculateBeam(beam).sweeps;
    ASSERT_GT(sweeps, 3);
    for (long cap : {0L, 1L, 3L}) {
        const DistributionWorking w = recordDistribution(beam, cap);
        EXPECT_EQ(w.rounds, sweeps);
        EXPECT_EQ(w.roundsRecorded, cap);
        EXPECT_EQ(w.roundsLeftOut(), sweeps - cap);
        EXPECT_EQ(w.steps.size(), static_cast<std::size_t>(2 * cap));
        EXPECT_EQ(w.finalMoment, calculateBeam(beam).results.EndMoment);
        const WorkingTable table = workingTable(w);
        // four rows of factors and fixed-end moments, the steps, the rounds left out, the sums
        ASSERT_EQ(table.rows.size(), static_cast<std::size_t>(4 + 2 * cap + 2));
        EXPECT_EQ(table.rows[table.rows.size() - 2][0], roundsText(sweeps));
    }
    // the table may show fewer rounds than were kept
    const WorkingTable firstRound = workingTable(recordDistribution(beam), 1);
    EXPECT_EQ(firstRound.rows.size(), 4u + 2u + 2u);
    EXPECT_EQ(firstRound.rows[6][0], "……共 " + std::to_string(sweeps) + " 轮");
}

TEST(Working, TableHasOneColumnPerMemberEndAndEmptyCellsWhereNothingApplies) {
    const DistributionWorking w =
        recordDistribution(BeamBuilder({6, 6}).uniform(1, 10).uniform(2, 10).beam());
    const WorkingTable table = workingTable(w);
    const std::vector<std::string> headers{"步骤",      "节点",      "第1跨左端",
                                           "第1跨右端", "第2跨左端", "第2跨右端"};
    EXPECT_EQ(table.headers, headers);
    ASSERT_EQ(table.rows.size(), 6u); // two equal pinned spans settle in one round
    const std::vector<std::vector<std::string>> rows{
        {"转动刚度S", "", "", "3", "3", ""}, {"分配系数μ", "", "", "0.5", "0.5", ""},
        {"传递系数C", "", "", "0", "0", ""}, {"固端弯矩", "", "0", "45", "-45", "0"},
        {"1", "1", "", "0", "0", ""},        {"合计", "", "0", "45", "-45", "0"}};
    EXPECT_EQ(table.rows, rows);
    EXPECT_TRUE(table.isStep[4]);
    EXPECT_FALSE(table.isStep[5]);
}

TEST(Working, OneSpanHasNoStepsAndNoFactors) {
    const DistributionWorking w = recordDistribution(BeamBuilder({5}).uniform(1, 8).beam());
    EXPECT_TRUE(w.steps.empty());
    const WorkingTable table = workingTable(w);
    ASSERT_EQ(table.rows.size(), 5u);
    EXPECT_EQ(table.rows[4], (std::vector<std::string>{"合计", "", "0", "0"}));
}

} // namespace
} // namespace spanwise
