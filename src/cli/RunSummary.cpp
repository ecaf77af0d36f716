#include "cli/RunSummary.h"

#include "analysis/NumberFormat.h"
#include "analysis/Reactions.h"
#include "analysis/SpanResults.h"
#include "design/DesignTable.h"
#include "design/HandCalculation.h"

#include <algorithm>
#include <optional>
#include <ostream>

namespace spanwise {

namespace {

constexpr std::array<const char*, kSummaryColumns> kTitles = {
    "跨   号",     "跨度(m)",   "左端M(kN*m)", "右端M(kN*m)", "跨中Mmax(kN*m)",
    "Mmax位置(m)", "左端V(kN)", "右端V(kN)",   "最大反力(kN)"};
constexpr std::array<const char*, kSummaryEnvelopeColumns> kEnvelopeTitles = {
    "包络Mmax(kN*m)", "包络Mmin(kN*m)", "包络Vmax(kN)", "包络Vmin(kN)", "包络Rmax(kN)"};
constexpr std::array<const char*, kSummaryDesignColumns> kDesignTitles = {
    "左边缘M设计(kN*m)", "跨内M设计(kN*m)", "右边缘M设计(kN*m)", "跨中As需(mm²)",
    "跨中钢筋",          "支座As需(mm²)",   "支座钢筋",          "✘数"};

// The larger of two optional values.
std::optional<float> larger(std::optional<float> a, std::optional<float> b) {
    if (a && b) {
        return std::max(*a, *b);
    }
    return a ? a : b;
}

std::string text(std::optional<float> v) {
    return v ? formatResult(*v) : std::string();
}

} // namespace

std::vector<SummaryRow> summaryRows(const Beam& beam, const BeamResults& results,
                                    const Envelope* envelope, const BeamForces* forces,
                                    const BeamDesign* design) {
    SupportReactions reactions;
    supportReactions(beam, results, reactions);
    auto reaction = [&](int j) -> std::optional<float> {
        const SupportReaction& r = reactions[static_cast<std::size_t>(j)];
        return r.present ? std::optional<float>(r.R) : std::nullopt;
    };
    std::vector<SummaryRow> rows;
    for (int s = 1; s <= beam.spanCount(); ++s) {
        const SpanResult r = spanResult(beam, results, s);
        SummaryRow row;
        row.values = {r.label,
                      formatResult(r.length),
                      formatResult(r.leftM),
                      formatResult(r.rightM),
                      formatResult(r.maxMoment),
                      formatResult(r.maxMomentX),
                      formatResult(r.leftV),
                      formatResult(r.rightV),
                      text(larger(reaction(s - 1), reaction(s)))};
        if (envelope != nullptr) {
            const SpanEnvelope& e = envelope->span(s);
            auto maxReaction = [&](int j) -> std::optional<float> {
                const SupportEnvelope& support = envelope->support(j);
                return support.present ? std::optional<float>(support.maxReaction.value)
                                       : std::nullopt;
            };
            row.envelope = {formatResult(e.maxMoment.value), formatResult(e.minMoment.value),
                            formatResult(std::max(e.leftMaxShear.value, e.rightMaxShear.value)),
                            formatResult(std::min(e.leftMinShear.value, e.rightMinShear.value)),
                            text(larger(maxReaction(s - 1), maxReaction(s)))};
        }
        if (forces != nullptr) {
            const SpanForces& f = forces->span(s);
            auto face = [](const FaceForces& end) {
                return end.present ? formatResult(end.moment) : std::string();
            };
            row.design[0] = face(f.left);
            row.design[1] = formatResult(f.bottomMoment);
            row.design[2] = face(f.right);
        }
        if (design != nullptr && design->designed) {
            const SpanDesign& d = design->span(s);
            double faceArea = 0;
            std::string faceBars;
            for (const SteelRow& steel : d.rows) {
                if (steel.place == SteelPlace::Bottom) {
                    row.design[3] = steelAreaText(steel.flexure.requiredArea);
                    row.design[4] = rowBarsText(steel);
                } else if (steel.place != SteelPlace::SpanTop) {
                    faceArea = std::max(faceArea, steel.flexure.requiredArea);
                    faceBars += (faceBars.empty() ? "" : "/") + rowBarsText(steel);
                }
            }
            row.design[5] = steelAreaText(faceArea);
            row.design[6] = faceBars;
            row.design[7] = std::to_string(d.failures().size());
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

void printSummary(std::ostream& out, const std::vector<FileSummary>& files) {
    const bool envelopeColumns =
        std::any_of(files.begin(), files.end(), [](const FileSummary& f) { return f.liveLoads; });
    const bool designColumns =
        std::any_of(files.begin(), files.end(), [](const FileSummary& f) { return f.sections; });
    out << "文件";
    for (const char* title : kTitles) {
        out << '\t' << title;
    }
    if (envelopeColumns) {
        for (const char* title : kEnvelopeTitles) {
            out << '\t' << title;
        }
    }
    if (designColumns) {
        for (const char* title : kDesignTitles) {
            out << '\t' << title;
        }
    }
    out << '\n';
    for (const FileSummary& file : files) {
        for (const SummaryRow& row : file.rows) {
            out << file.file;
            for (const std::string& cell : row.values) {
                out << '\t' << cell;
            }
            if (envelopeColumns) {
                for (const std::string& cell : row.envelope) {
                    out << '\t' << cell;
                }
            }
            if (designColumns) {
                for (const std::string& cell : row.design) {
                    out << '\t' << cell;
                }
            }
            out << '\n';
        }
    }
}

} // namespace spanwise
