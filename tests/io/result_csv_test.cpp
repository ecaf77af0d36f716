// The results as CSV: every name and value the file prints, for the ends the table differs on.
#include "io/ResultCsv.h"

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
                        "左端支座,30,-30\r\n第1支座,60,\r\n右端支座,30,-30\r\n");
}

TEST(ResultCsv, AFreeEndHasNoReactionRow) {
    // span 1 cantilevers 2 m with 10 kN at its tip; span 2 of 4 m takes -20 kN*m at its left
    EXPECT_EQ(csvOf(BeamBuilder({2, 4}).ends(Cantilever, Simple).force(1, 10, 0).beam()),
              kHeader + "第1跨,2,0,0,0,0,-10,-20\r\n第2跨,4,5,-20,0,4,5,0\r\n\r\n"
                        "支座反力\r\n支座,反力(kN),弯矩(kN*m)\r\n"
                        "第1支座,15,\r\n右端支座,-5,\r\n");
}

} // namespace
} // namespace spanwise
