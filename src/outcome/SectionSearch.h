// The smallest section that works: every candidate section (depths h from a range and step,
// widths b from a list) put on the spans and the beam calculated and designed whole, as the
// program does for the user's own section (its own weight, its stiffness, the envelope, the
// design forces, the proposed bars, their cracks, the deflection with B, the detailing); the
// bars and stirrups typed for the old section are left out (they were chosen for another).
// Standard library only.
#pragma once

#include "model/Beam.h"

#include <optional>
#include <string>
#include <vector>

namespace spanwise {

struct SectionSearchRange {
    float minDepth = 0, maxDepth = 0, step = 50; // h, mm
    std::vector<float> widths;                   // b, mm
    bool perSpan = false; // each span its own least passing section, else one for every span
};

// The rule-of-thumb range of the longest span l: h from l/18 to l/12 for a non-frame beam (次梁),
// l/14 to l/8 for a frame beam (主梁), rounded outwards to 50 mm, step 50; the widths of the
// spans' sections as they are (250 where none has one).
SectionSearchRange defaultSearchRange(const Beam& beam);

// Why the range cannot be searched, in words; empty when it can.
std::string searchRangeProblem(const SectionSearchRange& range);

struct SectionCandidate {
    float depth = 0, width = 0;
    bool passed = false;
    std::string firstFailure;      // of a ✘: the first failing check, in words
    std::vector<bool> spansPassed; // per span: its own sections and checks all ✔
    double largestRatio = 0;       // ρ of the bars, the largest over the beam
    double concrete = 0;           // m³
    std::optional<double> steel;   // kg, from the bar schedule; none where not detailed
};

struct SectionSearch {
    SectionSearchRange range;
    std::vector<SectionCandidate> candidates; // by h, then by b
    // one section for every span: the least h, then the least b, that passes everything
    std::optional<std::size_t> chosen;
    // per span: the index of each span's own least passing candidate (none where none passes)
    std::vector<std::optional<std::size_t>> chosenPerSpan;
    std::string words; // the outcome in words ("最小满足要求的截面：250×550", "范围内没有…")
};

// The beam with every span's section set to b × h (a T keeps its flange, a span without a
// section becomes a rectangle), the bars and stirrups typed for the old sections left out.
Beam withSection(const Beam& beam, float width, float depth);

// Searches the range; a range searchRangeProblem refuses gives no candidates and its words.
SectionSearch searchSections(const Beam& beam, const SectionSearchRange& range);

// The candidates as the dialog and the batch tool print them: 梁高h, 梁宽b, 结论 (✔/✘),
// 首个不满足, 最大ρ (%), 混凝土(m³), 钢筋(kg) and 选用 ("★" on the least passing one; with
// perSpan the spans it is the least passing one of, "第1、3跨").
struct SectionSearchTable {
    std::vector<std::string> headers;
    std::vector<std::vector<std::string>> rows;
};
SectionSearchTable sectionSearchTable(const SectionSearch& search);

} // namespace spanwise
