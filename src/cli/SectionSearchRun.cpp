#include "cli/SectionSearchRun.h"

#include "cli/JsonResult.h"
#include "cli/ProjectRun.h"
#include "outcome/SectionSearch.h"

#include <charconv>
#include <cmath>

namespace spanwise {

namespace {

// The shortest text that reads back to v (m³ taken to the litre: 1.35, not 1.3500000000000001).
std::string shortest(double v) {
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, v).ptr;
    return std::string(buffer, end);
}

std::string sizeJson(const SectionSearch& search, std::optional<std::size_t> index) {
    if (!index) {
        return "null";
    }
    const SectionCandidate& c = search.candidates[*index];
    return "{\"h\":" + jsonNumber(c.depth) + ",\"b\":" + jsonNumber(c.width) + "}";
}

std::string searchJson(const SectionSearch& search) {
    const SectionSearchRange& r = search.range;
    std::string out = "\"sectionSearch\":{\"range\":{\"minDepth\":" + jsonNumber(r.minDepth) +
                      ",\"maxDepth\":" + jsonNumber(r.maxDepth) +
                      ",\"step\":" + jsonNumber(r.step) + ",\"widths\":[";
    for (std::size_t k = 0; k < r.widths.size(); ++k) {
        out += (k > 0 ? "," : "") + jsonNumber(r.widths[k]);
    }
    out += "],\"perSpan\":" + jsonBoolean(r.perSpan) + "},\"candidates\":[";
    for (std::size_t i = 0; i < search.candidates.size(); ++i) {
        const SectionCandidate& c = search.candidates[i];
        out += (i > 0 ? "," : "") + std::string("{\"h\":") + jsonNumber(c.depth) +
               ",\"b\":" + jsonNumber(c.width) + ",\"passed\":" + jsonBoolean(c.passed) +
               ",\"firstFailure\":" +
               (c.firstFailure.empty() ? std::string("null") : jsonString(c.firstFailure)) +
               ",\"spansPassed\":[";
        for (std::size_t s = 0; s < c.spansPassed.size(); ++s) {
            out += (s > 0 ? "," : "") + jsonBoolean(c.spansPassed[s]);
        }
        out += "],\"largestRatio\":" + jsonReal(c.largestRatio) +
               ",\"concrete\":" + shortest(std::floor(c.concrete * 1000 + 0.5) / 1000) +
               ",\"steel\":" + (c.steel ? jsonReal(*c.steel) : std::string("null")) + "}";
    }
    out += "],\"chosen\":" + sizeJson(search, search.chosen) + ",\"chosenPerSpan\":[";
    for (std::size_t s = 0; s < search.chosenPerSpan.size(); ++s) {
        out += (s > 0 ? "," : "") + sizeJson(search, search.chosenPerSpan[s]);
    }
    return out + "],\"words\":" + jsonString(search.words) + "}";
}

} // namespace

int searchForBatch(const std::string& projectName, const Beam& beam, const BatchOptions& options,
                   std::ostream& out, std::ostream& err) {
    SectionSearchRange range = *options.search;
    if (range.widths.empty()) {
        range.widths = defaultSearchRange(beam).widths; // the beam's own b
    }
    const SectionSearch search = searchSections(beam, range);
    if (search.candidates.empty()) {
        err << "spanwise-calc: " << search.words << '\n';
        return kExitBadInput;
    }
    if (options.json) {
        out << "{\"file\":" << jsonString(projectName) << "," << searchJson(search) << "}\n";
        return kExitOk;
    }
    const SectionSearchTable table = sectionSearchTable(search);
    auto row = [&](const std::vector<std::string>& cells) {
        for (std::size_t c = 0; c < cells.size(); ++c) {
            out << (c > 0 ? "\t" : "") << cells[c];
        }
        out << '\n';
    };
    row(table.headers);
    for (const auto& cells : table.rows) {
        row(cells);
    }
    out << search.words << '\n';
    return kExitOk;
}

} // namespace spanwise
