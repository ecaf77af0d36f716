#include "analysis/DistributionWorking.h"

#include "analysis/NumberFormat.h"
#include "analysis/Single.h"
#include "analysis/Solver.h"

#include <algorithm>
#include <stdexcept>

namespace spanwise {

void DistributionWorking::record(long round, int joint, double unbalanced, float distributedLeft,
                                 float distributedRight, float carryLeft, float carryRight) {
    if (round > roundCap) {
        return;
    }
    // the amounts carried are what the solver added to the far ends, each rounded to single
    steps.push_back({round, joint, toSingle(unbalanced), distributedLeft, distributedRight,
                     toSingle(double{distributedLeft} * carryLeft),
                     toSingle(double{distributedRight} * carryRight)});
}

DistributionWorking recordDistribution(const Beam& beam, long roundCap) {
    const int N = beam.spanCount();
    if (N < 1 || N > kMaxSpans) {
        throw std::invalid_argument("recordDistribution: span count out of range");
    }
    DistributionWorking working;
    working.spanCount = N;
    working.roundCap = std::max(0L, roundCap);
    // one round holds N-1 steps; reserve what the first rounds need, not the whole cap
    working.steps.reserve(static_cast<std::size_t>(std::min(working.roundCap, 50L) * (N - 1)));

    BeamResults results{};
    loadTerms(beam, results);
    distributionFactors(beam, results);
    working.rounds = distributeMoments(beam, results, working);
    working.roundsRecorded = std::min(working.rounds, working.roundCap);

    for (int s = 1; s <= N; ++s) {
        const auto si = static_cast<std::size_t>(s);
        for (int end = 1; end <= 2; ++end) {
            const auto e = static_cast<std::size_t>(end);
            working.fixedEndMoment[si][e] = results.FixedEndMoment[si][e];
            working.finalMoment[si][e] = results.EndMoment[si][e];
            if (working.atJoint(s, end)) {
                working.rotationalStiffness[si][e] = toSingle(rotationalStiffness(beam, s));
                working.distributionFactor[si][e] = results.DistributionFactor[si][e];
                working.carryOverFactor[si][e] = results.CarryOverFactor[si];
            }
        }
    }
    return working;
}

std::string roundsText(long rounds) {
    return "……共 " + std::to_string(rounds) + " 轮";
}

WorkingTable workingTable(const DistributionWorking& working, long firstRounds) {
    const int N = working.spanCount;
    const auto columns = static_cast<std::size_t>(2 + 2 * N);
    auto column = [](int s, int end) { return static_cast<std::size_t>(2 * s + end - 1); };

    WorkingTable table;
    table.headers = {"步骤", "节点"};
    for (int s = 1; s <= N; ++s) {
        table.headers.push_back("第" + std::to_string(s) + "跨左端");
        table.headers.push_back("第" + std::to_string(s) + "跨右端");
    }
    auto addRow = [&](std::string label, float unbalanced, bool step) {
        std::vector<std::string> row(columns);
        row[0] = std::move(label);
        table.rows.push_back(std::move(row));
        table.unbalanced.push_back(unbalanced);
        table.isStep.push_back(step);
        return &table.rows.back();
    };
    auto factorRow = [&](const char* label, const EndArray& values) {
        std::vector<std::string>& row = *addRow(label, 0, false);
        for (int s = 1; s <= N; ++s) {
            for (int end = 1; end <= 2; ++end) {
                if (working.atJoint(s, end)) {
                    row[column(s, end)] = fieldText(
                        values[static_cast<std::size_t>(s)][static_cast<std::size_t>(end)]);
                }
            }
        }
    };
    auto momentRow = [&](std::string label, const EndArray& values) {
        std::vector<std::string>& row = *addRow(std::move(label), 0, false);
        for (int s = 1; s <= N; ++s) {
            for (int end = 1; end <= 2; ++end) {
                row[column(s, end)] = formatResult(
                    values[static_cast<std::size_t>(s)][static_cast<std::size_t>(end)]);
            }
        }
    };

    factorRow("转动刚度S", working.rotationalStiffness);
    factorRow("分配系数μ", working.distributionFactor);
    factorRow("传递系数C", working.carryOverFactor);
    momentRow("固端弯矩", working.fixedEndMoment);
    const long shownRounds =
        firstRounds < 0 ? working.roundsRecorded : std::min(firstRounds, working.roundsRecorded);
    long number = 0;
    for (const DistributionStep& step : working.steps) {
        if (step.round > shownRounds) {
            break;
        }
        std::vector<std::string>& row = *addRow(std::to_string(++number), step.unbalanced, true);
        const int j = step.joint;
        row[1] = std::to_string(j);
        row[column(j, 2)] = formatResult(step.distributedLeft);
        row[column(j + 1, 1)] = formatResult(step.distributedRight);
        if (working.carryOverFactor[static_cast<std::size_t>(j)][2] != 0) {
            row[column(j, 1)] = formatResult(step.carriedLeft);
        }
        if (working.carryOverFactor[static_cast<std::size_t>(j + 1)][1] != 0) {
            row[column(j + 1, 2)] = formatResult(step.carriedRight);
        }
    }
    if (shownRounds < working.rounds) {
        addRow(roundsText(working.rounds), 0, false);
    }
    momentRow("合计", working.finalMoment);
    return table;
}

} // namespace spanwise
