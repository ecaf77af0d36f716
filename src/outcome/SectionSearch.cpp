#include "outcome/SectionSearch.h"

#include "analysis/NumberFormat.h"
#include "outcome/BeamOutcome.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <thread>

namespace spanwise {

namespace {

constexpr std::size_t kMostCandidates = 500;

std::string sizeText(float width, float depth) {
    return formatResult(width) + "×" + formatResult(depth);
}

// One candidate calculated and designed whole.
SectionCandidate evaluate(const Beam& beam, float width, float depth) {
    SectionCandidate c;
    c.width = width;
    c.depth = depth;
    const Beam tried = withSection(beam, width, depth);
    c.spansPassed.assign(static_cast<std::size_t>(beam.spanCount()), false);
    for (int s = 1; s <= tried.spanCount(); ++s) {
        const SpanSection& section = *tried.span(s).section;
        std::string problem = sectionProblem(section);
        if (problem.empty() && !tensionCoverFits(tried.design, section)) {
            problem = kTensionCoverWords;
        }
        if (!problem.empty()) {
            c.firstFailure = "第" + std::to_string(s) + "跨：" + problem;
            return c;
        }
    }
    const BeamOutcome outcome = outcomeOf(tried);
    const BeamDesign* design = outcome.design.get();
    if (!design || !design->designed) {
        c.firstFailure = design ? design->summary() : outcome.design.whyNot();
        return c;
    }
    const std::vector<std::string> failures = design->failures();
    c.passed = failures.empty();
    c.firstFailure = failures.empty() ? std::string() : failures.front();
    for (const SpanDesign& d : design->spans) {
        c.spansPassed[static_cast<std::size_t>(d.span - 1)] = d.failures().empty();
        for (const SteelRow& row : d.rows) {
            if (row.bars.bars && row.effectiveDepth > 0) {
                c.largestRatio = std::max(
                    c.largestRatio, row.bars.area / (double{d.section.width} * row.effectiveDepth));
            }
        }
    }
    if (const BeamDetailing* detailing = outcome.detailing.get();
        detailing && detailing->detailed) {
        c.concrete = detailing->concreteVolume;
        c.steel = static_cast<double>(detailing->totalHundredths) / 100;
    } else {
        for (const Span& span : tried.spans) { // the webs over the whole lengths
            c.concrete += double{span.section->width} * span.section->depth * 1e-6 * span.length;
        }
        if (c.passed) { // a beam that passes is detailed; this keeps the verdict honest
            c.passed = false;
            c.firstFailure = "未出配筋详图";
        }
    }
    return c;
}

} // namespace

SectionSearchRange defaultSearchRange(const Beam& beam) {
    float longest = 0;
    for (const Span& span : beam.spans) {
        longest = std::max(longest, span.length);
    }
    const bool frame = beam.member.code == MemberCode::Frame;
    const double l = double{longest} * 1000;
    SectionSearchRange range;
    range.minDepth =
        static_cast<float>(std::clamp(std::floor(l / (frame ? 14 : 18) / 50) * 50, 150.0, 3000.0));
    range.maxDepth =
        static_cast<float>(std::clamp(std::ceil(l / (frame ? 8 : 12) / 50) * 50, 150.0, 3000.0));
    range.step = 50;
    for (const Span& span : beam.spans) {
        if (span.section && std::find(range.widths.begin(), range.widths.end(),
                                      span.section->width) == range.widths.end()) {
            range.widths.push_back(span.section->width);
        }
    }
    if (range.widths.empty()) {
        range.widths.push_back(250);
    }
    std::sort(range.widths.begin(), range.widths.end());
    return range;
}

std::string searchRangeProblem(const SectionSearchRange& range) {
    if (!(range.step > 0)) {
        return "梁高步长应大于 0";
    }
    if (!(range.minDepth >= 150 && range.maxDepth <= 3000)) {
        return "梁高 h 应在 150～3000 mm 之间";
    }
    if (range.minDepth > range.maxDepth) {
        return "最小梁高 " + formatResult(range.minDepth) + " 大于最大梁高 " +
               formatResult(range.maxDepth);
    }
    if (range.widths.empty()) {
        return "至少给出一个梁宽 b";
    }
    for (float b : range.widths) {
        if (!(b >= 100 && b <= 2000)) {
            return "梁宽 b = " + formatResult(b) + " 不在 100～2000 mm 之间";
        }
    }
    const double depths = std::floor((range.maxDepth - range.minDepth) / range.step + 1e-9) + 1;
    if (depths * static_cast<double>(range.widths.size()) > kMostCandidates) {
        return "候选截面过多（" + formatResult(static_cast<float>(depths * range.widths.size())) +
               " 个），请缩小范围或加大步长（不超过 " + std::to_string(kMostCandidates) + " 个）";
    }
    return {};
}

Beam withSection(const Beam& beam, float width, float depth) {
    Beam out = beam;
    for (Span& span : out.spans) {
        SpanSection section = span.section.value_or(SpanSection{});
        section.width = width;
        section.depth = depth;
        section.bottomBars.reset();
        section.topBars.reset();
        section.stirrups.reset();
        span.section = section;
        span.rightSupportDesign.topBars.reset();
    }
    out.firstSupportDesign.topBars.reset();
    return out;
}

SectionSearch searchSections(const Beam& beam, const SectionSearchRange& range) {
    SectionSearch out;
    out.range = range;
    if (std::string problem = searchRangeProblem(range); !problem.empty()) {
        out.words = problem;
        return out;
    }
    std::vector<float> widths = range.widths;
    std::sort(widths.begin(), widths.end());
    widths.erase(std::unique(widths.begin(), widths.end()), widths.end());
    const int depths =
        static_cast<int>(std::floor((range.maxDepth - range.minDepth) / range.step + 1e-9)) + 1;
    for (int k = 0; k < depths; ++k) {
        const auto depth = static_cast<float>(double{range.minDepth} + k * double{range.step});
        for (float width : widths) {
            SectionCandidate candidate;
            candidate.depth = depth;
            candidate.width = width;
            out.candidates.push_back(candidate);
        }
    }
    // each candidate is a whole calculation of its own: as many at once as the machine runs
    std::atomic<std::size_t> next{0};
    auto work = [&] {
        for (std::size_t i = next++; i < out.candidates.size(); i = next++) {
            out.candidates[i] = evaluate(beam, out.candidates[i].width, out.candidates[i].depth);
        }
    };
    const unsigned threads =
        std::clamp(std::thread::hardware_concurrency(), 1u,
                   static_cast<unsigned>(std::max<std::size_t>(out.candidates.size(), 1)));
    std::vector<std::thread> pool;
    for (unsigned t = 1; t < threads; ++t) {
        pool.emplace_back(work);
    }
    work();
    for (std::thread& t : pool) {
        t.join();
    }
    for (std::size_t i = 0; i < out.candidates.size(); ++i) {
        if (out.candidates[i].passed) {
            out.chosen = i;
            break;
        }
    }
    out.chosenPerSpan.assign(static_cast<std::size_t>(beam.spanCount()), std::nullopt);
    for (std::size_t s = 0; s < out.chosenPerSpan.size(); ++s) {
        for (std::size_t i = 0; i < out.candidates.size(); ++i) {
            if (out.candidates[i].spansPassed[s]) {
                out.chosenPerSpan[s] = i;
                break;
            }
        }
    }
    if (out.chosen) {
        const SectionCandidate& c = out.candidates[*out.chosen];
        out.words = "最小满足要求的截面：" + sizeText(c.width, c.depth);
    } else {
        out.words = "范围内没有满足全部验算的截面（h = " + formatResult(range.minDepth) + "～" +
                    formatResult(range.maxDepth) + " mm）";
    }
    return out;
}

namespace {

std::string fixed(double v, int decimals) {
    const double scale = std::pow(10.0, decimals);
    const double rounded = std::floor(v * scale + 0.5) / scale;
    std::string text = std::to_string(rounded);
    const std::size_t point = text.find('.');
    return point == std::string::npos ? text : text.substr(0, point + 1 + decimals);
}

} // namespace

SectionSearchTable sectionSearchTable(const SectionSearch& search) {
    SectionSearchTable t;
    t.headers = {"梁高h(mm)", "梁宽b(mm)",  "结论",     "首个不满足",
                 "最大ρ(%)",  "混凝土(m³)", "钢筋(kg)", "选用"};
    for (std::size_t i = 0; i < search.candidates.size(); ++i) {
        const SectionCandidate& c = search.candidates[i];
        std::string chosen;
        if (search.range.perSpan) {
            for (std::size_t s = 0; s < search.chosenPerSpan.size(); ++s) {
                if (search.chosenPerSpan[s] == i) {
                    chosen += (chosen.empty() ? "第" : "、") + std::to_string(s + 1);
                }
            }
            chosen += chosen.empty() ? "" : "跨";
        } else if (search.chosen == i) {
            chosen = "★";
        }
        t.rows.push_back({formatResult(c.depth), formatResult(c.width), c.passed ? "✔" : "✘",
                          c.firstFailure, c.largestRatio > 0 ? fixed(c.largestRatio * 100, 2) : "—",
                          fixed(c.concrete, 3), c.steel ? fixed(*c.steel, 2) : "—", chosen});
    }
    return t;
}

} // namespace spanwise
