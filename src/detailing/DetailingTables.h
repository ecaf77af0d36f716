// The detailing as tables of texts, the one layout the result window, the report, the CSV and
// the batch tool print: the member and its anchorage, the 平法 texts, the spans' top bars (through
// or cut off, and why), the top runs and the bottom bars with both ends, the stirrups' zones, the
// additional stirrups, the side bars, the schedule and its totals, the notes.
#pragma once

#include "detailing/BeamDetailing.h"

#include <string>
#include <vector>

namespace spanwise {

struct DetailingTable {
    std::string title;
    std::vector<std::string> headers;
    std::vector<std::vector<std::string>> rows;
};

struct DetailingTables {
    std::vector<std::string> summary; // "构件：L1(2)（非框架梁，端支座按铰接）" and the like
    std::vector<DetailingTable> tables; // in the order above; the schedule's last
};

DetailingTables detailingTables(const BeamDetailing& detailing);

// The schedule alone, with its totals as its last rows (the CSV's).
DetailingTable scheduleTable(const BeamDetailing& detailing);

} // namespace spanwise
