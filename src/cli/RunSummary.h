// The summary of a batch run: one table over every file and span, for a design record.
#pragma once

#include "analysis/Envelope.h"
#include "design/BeamDesign.h"
#include "design/DesignForces.h"
#include "model/Beam.h"
#include "model/BeamResults.h"

#include <array>
#include <iosfwd>
#include <string>
#include <vector>

namespace spanwise {

// One span of one beam: 第s跨, then L, left and right end moment, the largest span moment and
// its position, left and right end shear and the larger reaction of the span's two supports
// (empty when neither end is held), as the result table prints numbers.
inline constexpr int kSummaryColumns = 9;
// With live loads, the envelope of the basic combination: largest and smallest moment of the
// span, largest and smallest end shear, and the largest reaction of its supports.
inline constexpr int kSummaryEnvelopeColumns = 5;

// With sections on every span, the design moments (at the left face, the bottom bars' between
// the faces, at the right face; empty at a free end), then the steel: the bottom bars' required
// As and their bars, the larger required As of the faces and their top bars ("3Φ20/2Φ22"),
// and how many places the design marked ✘.
inline constexpr int kSummaryDesignColumns = 8;

struct SummaryRow {
    std::array<std::string, kSummaryColumns> values;
    std::array<std::string, kSummaryEnvelopeColumns> envelope; // empty without live loads
    std::array<std::string, kSummaryDesignColumns> design;     // empty without sections
};

// The rows of a calculated beam, one per span; envelope only when the beam has live loads,
// design only with its design forces.
std::vector<SummaryRow> summaryRows(const Beam& beam, const BeamResults& results,
                                    const Envelope* envelope, const BeamForces* forces = nullptr,
                                    const BeamDesign* design = nullptr);

struct FileSummary {
    std::string file;
    std::vector<SummaryRow> rows; // empty for a file that failed
    bool liveLoads = false;
    bool sections = false; // its rows carry the design moments
};

// Tab-separated: the titles, then per file and span "file" and its row. The envelope columns
// are there when any file has live loads, the design columns when any file has sections; they
// stay empty for the files without.
void printSummary(std::ostream& out, const std::vector<FileSummary>& files);

} // namespace spanwise
