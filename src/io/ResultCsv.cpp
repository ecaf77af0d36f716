#include "io/ResultCsv.h"

#include "analysis/EnvelopeTable.h"
#include "analysis/NumberFormat.h"
#include "analysis/Reactions.h"
#include "analysis/SpanResults.h"

#include <array>
#include <initializer_list>

namespace spanwise {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kLineEnd = "\r\n";

// One line: the fields (anything a string_view can be made of), comma-separated, CR LF.
template <typename Fields> void appendRow(std::string& out, const Fields& fields) {
    bool first = true;
    for (const auto& field : fields) {
        if (!first) {
            out += ',';
        }
        out += csvField(field);
        first = false;
    }
    out += kLineEnd;
}

void appendRow(std::string& out, std::initializer_list<std::string_view> fields) {
    appendRow<std::initializer_list<std::string_view>>(out, fields);
}

} // namespace

std::string csvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(text);
    }
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') {
            quoted += '"';
        }
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

std::string resultCsv(const Beam& beam, const BeamResults& results) {
    std::string out(kByteOrderMark);
    appendRow(out, kResultHeaders);
    const int N = beam.spanCount();
    for (int s = 1; s <= N; ++s) {
        appendRow(out, resultRowTexts(spanResult(beam, results, s)));
    }

    SupportReactions reactions;
    supportReactions(beam, results, reactions);
    out += kLineEnd;
    appendRow(out, {"支座反力"});
    appendRow(out, {"支座", "反力(kN)", "弯矩(kN*m)"});
    for (int j = 0; j <= N; ++j) {
        const SupportReaction& r = reactions[static_cast<std::size_t>(j)];
        if (!r.present) {
            continue;
        }
        const std::string moment = r.fixed ? formatResult(r.M) : std::string();
        appendRow(out, {supportLabel(j, N), formatResult(r.R), moment});
    }
    return out;
}

std::string envelopeCsv(const Envelope& envelope) {
    const EnvelopeTable table = envelopeTable(envelope);
    std::string out(kLineEnd);
    appendRow(out, {"荷载组合与包络"});
    appendRow(out, {factorsText(envelope.factors())});
    appendRow(out, table.spanHeaders);
    for (const auto& row : table.spanRows) {
        appendRow(out, row);
    }
    out += kLineEnd;
    appendRow(out, table.supportHeaders);
    for (const auto& row : table.supportRows) {
        appendRow(out, row);
    }
    return out;
}

SaveResult writeResultCsv(const Beam& beam, const BeamResults& results, const QString& path,
                          const Envelope* envelope) {
    return writeFileAtomically(path, resultCsv(beam, results) +
                                         (envelope ? envelopeCsv(*envelope) : std::string()));
}

} // namespace spanwise
