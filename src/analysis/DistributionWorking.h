// The working of the moment distribution, as an engineer writes it down to check it: per joint
// the rotational stiffness S = k*i, the distribution factor mu and the carry-over factor C of
// each member end, the fixed-end moments, every balancing step in the order the solver takes
// them, and the final member-end moments. Recorded only when asked for (recordDistribution);
// the plain calculation records nothing. Moments are member-end moments on the span,
// clockwise positive, like BeamResults::EndMoment.
#pragma once

#include "model/Beam.h"
#include "model/BeamResults.h"

#include <string>
#include <vector>

namespace spanwise {

// One balancing of joint j (between span j and span j+1), as the solver did it.
struct DistributionStep {
    long round = 0; // the sweep over the joints 1..N-1, from 1
    int joint = 0;
    float unbalanced = 0;       // M(j, right end) + M(j+1, left end) before the step
    float distributedLeft = 0;  // to the right end of span j
    float distributedRight = 0; // to the left end of span j+1
    float carriedLeft = 0;      // to the left end of span j
    float carriedRight = 0;     // to the right end of span j+1
    bool operator==(const DistributionStep&) const = default;
};

// Rounds kept by default: far more than a beam of reasonable stiffness needs to settle, and a
// few hundred kilobytes at most.
inline constexpr long kDefaultWorkingRounds = 200;

struct DistributionWorking {
    int spanCount = 0;
    EndArray rotationalStiffness{}; // S = k*i at the member ends at a joint, else 0
    EndArray distributionFactor{};  // mu at the member ends at a joint, else 0
    EndArray carryOverFactor{};     // from this end to the span's far end
    EndArray fixedEndMoment{};
    std::vector<DistributionStep> steps; // of the first roundsRecorded rounds
    long rounds = 0;                     // every round the solver ran
    long roundsRecorded = 0;
    EndArray finalMoment{}; // the end moments of the calculation

    long roundsLeftOut() const { return rounds - roundsRecorded; }
    // True when end (1 left, 2 right) of span s lies at an interior support.
    bool atJoint(int s, int end) const { return end == 1 ? s > 1 : s < spanCount; }
    // Records one step of round `round`; steps of rounds beyond roundCap are left out.
    void record(long round, int joint, double unbalanced, float distributedLeft,
                float distributedRight, float carryLeft, float carryRight);
    long roundCap = kDefaultWorkingRounds;
};

// Runs the distribution of the beam (which must have passed the data check) and records its
// working, keeping the steps of the first roundCap rounds (at least 0). Throws what calculate()
// throws; the final moments equal calculate()'s EndMoment.
DistributionWorking recordDistribution(const Beam& beam, long roundCap = kDefaultWorkingRounds);

// The working as a table of texts: the titles "步骤", "节点" and one per member end in beam
// order ("第1跨左端", "第1跨右端", "第2跨左端", ...), and the rows: "转动刚度S", "分配系数μ",
// "传递系数C", "固端弯矩", the steps (step number, joint number, the distributed moments at the
// joint's ends and the carried-over moments at the far ends), "……共 n 轮" when rounds were
// left out, and "合计" with the final moments. Moments in the result display format, factors
// as field text; a cell that does not apply is empty. With firstRounds >= 0, only the steps of
// the first firstRounds rounds are listed (and the row "……共 n 轮" follows when more ran).
struct WorkingTable {
    std::vector<std::string> headers;
    std::vector<std::vector<std::string>> rows;
    std::vector<float> unbalanced; // per row: the step's unbalanced moment; 0 on other rows
    std::vector<bool> isStep;      // per row
};
WorkingTable workingTable(const DistributionWorking& working, long firstRounds = -1);

// "……共 n 轮"
std::string roundsText(long rounds);

} // namespace spanwise
