#include "exports/ResultCsv.h"
#include "model/Axes.h"

#include "analysis/DeflectionTable.h"
#include "analysis/EnvelopeTable.h"
#include "analysis/NumberFormat.h"
#include "analysis/Reactions.h"
#include "analysis/SpanResults.h"
#include "design/DesignForcesTable.h"
#include "design/DesignTable.h"
#include "detailing/DetailingTables.h"

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
        appendRow(out, {supportName(beam, j), formatResult(r.R), moment});
    }
    return out;
}

std::string envelopeCsv(const Beam& beam, const Envelope& envelope) {
    const EnvelopeTable table = envelopeTable(beam, envelope);
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

std::string deflectionCsv(const BeamOutcome& outcome, bool withCombinations) {
    const Beam& beam = outcome.beam();
    const BeamDeflection* asEntered = outcome.deflection.get();
    const bool combinations = withCombinations && hasLiveLoads(beam);
    if (asEntered == nullptr || (combinations && !outcome.deflectionCombinations.made())) {
        return {}; // a span without a usable EI: no deflections (the data check says why)
    }
    std::string out;
    const bool verdicts = !deflectionCheckedWithB(outcome);
    auto table = [&](const char* title, const BeamDeflection& deflection, bool arrangements) {
        const DeflectionTable t = deflectionTable(deflection, arrangements, verdicts);
        appendRow(out, {title});
        appendRow(out, t.headers);
        for (const auto& row : t.rows) {
            appendRow(out, row);
        }
    };
    out += kLineEnd;
    if (verdicts) {
        appendRow(out,
                  {"挠度验算", kElasticDeflectionNote, "限值 " + limitRuleText(beam.deflection)});
    } else {
        appendRow(out, {"挠度", kElasticDeflectionNote, kDeflectionCheckedWithB});
    }
    if (const std::string note = defaultRigidityNote(beam); !note.empty()) {
        appendRow(out, {note});
    }
    table(hasLiveLoads(beam) ? "荷载标准值，活载满布" : "荷载标准值", *asEntered, false);
    if (combinations) {
        const auto& both = *outcome.deflectionCombinations.get();
        appendRow(out, {deflectionSettingsText(beam.deflection)});
        table("标准组合 G+Q", both[0], true);
        table("准永久组合 G+ψqQ", both[1], true);
    }
    return out;
}

std::string designForcesCsv(const BeamOutcome& outcome) {
    const Beam& beam = outcome.beam();
    const BeamForces* forces = outcome.forces.get();
    if (!hasDesignData(beam) || forces == nullptr) {
        return {}; // an overflow of the factored loads: the window and the report say so
    }
    const DesignForcesTable table = designForcesTable(beam, *forces);
    std::string out(kLineEnd);
    appendRow(out, {"设计内力", designForcesSummary(beam, *forces)});
    appendRow(out, {"支座边缘"});
    appendRow(out, table.faceHeaders);
    for (const auto& row : table.faceRows) {
        appendRow(out, row);
    }
    appendRow(out, {"跨内"});
    appendRow(out, table.spanHeaders);
    for (const auto& row : table.spanRows) {
        appendRow(out, row);
    }
    return out;
}

std::string designCsv(const BeamDesign& design) {
    std::string out(kLineEnd);
    appendRow(out, {"截面设计", design.summary()});
    if (!design.designed) {
        return out;
    }
    for (const std::string& notice : design.notices()) {
        appendRow(out, {"注意", notice});
    }
    const DesignTables tables = designTables(design);
    const std::pair<const char*, const TextTable*> parts[] = {
        {"正截面受弯", &tables.steel},
        {"斜截面受剪", &tables.shear},
        {"附加横向钢筋", &tables.hangers},
        {"挠度（长期刚度）", &tables.deflection}};
    for (const auto& [title, table] : parts) {
        if (table->rows.empty()) {
            continue;
        }
        appendRow(out, {title});
        appendRow(out, table->headers);
        for (const auto& row : table->rows) {
            appendRow(out, row);
        }
    }
    appendRow(out, {"注：钢筋后的 * 表示程序建议的配筋，其余为输入的实配钢筋。"});
    return out;
}

std::string scheduleCsv(const BeamDetailing& detailing) {
    std::string out(kLineEnd);
    const DetailingTable schedule = scheduleTable(detailing);
    appendRow(out, {schedule.title, detailing.name});
    appendRow(out, schedule.headers);
    for (const auto& row : schedule.rows) {
        appendRow(out, row);
    }
    return out;
}

std::string outcomeCsv(const BeamOutcome& outcome, bool withEnvelope) {
    const Beam& beam = outcome.beam();
    const Envelope* envelope = withEnvelope ? outcome.envelope.get() : nullptr;
    const BeamDesign* design = outcome.design.get();
    const BeamDetailing* detailing = outcome.detailing.get();
    return resultCsv(beam, outcome.calculation.results) +
           (envelope ? envelopeCsv(beam, *envelope) : std::string()) +
           deflectionCsv(outcome, withEnvelope) + designForcesCsv(outcome) +
           (design && hasSections(beam) ? designCsv(*design) : std::string()) +
           (detailing && detailing->detailed ? scheduleCsv(*detailing) : std::string());
}

SaveResult writeOutcomeCsv(const BeamOutcome& outcome, const QString& path) {
    return writeFileAtomically(path, outcomeCsv(outcome, hasLiveLoads(outcome.beam())));
}

} // namespace spanwise
