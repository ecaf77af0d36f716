#include "analysis/EnvelopeTable.h"
#include "model/Axes.h"

#include "analysis/NumberFormat.h"
#include "analysis/Reactions.h"

namespace spanwise {

namespace {

std::string spanList(std::uint32_t mask) {
    std::string text;
    for (int s : spansOf(mask)) {
        if (!text.empty()) {
            text += ',';
        }
        text += std::to_string(s);
    }
    return text.empty() ? "无" : text;
}

// V just left and, under a concentrated force, just right: "12.5/-7.5".
std::string shearCell(float left, float right) {
    return left == right ? formatResult(left) : formatResult(left) + "/" + formatResult(right);
}

} // namespace

std::string arrangementCell(const Arrangement& arrangement) {
    std::string text = spanList(arrangement.liveSpans);
    if (arrangement.favourableDead != 0) {
        text += "；恒载有利：" + spanList(arrangement.favourableDead);
    }
    return text;
}

EnvelopeTable envelopeTable(const Beam& beam, const Envelope& envelope) {
    EnvelopeTable table;
    table.spanHeaders = {
        "跨   号",      "Mmax(kN*m)",   "Mmax位置(m)", "Mmax活载布置", "对应V(kN)", "Mmin(kN*m)",
        "Mmin位置(m)",  "Mmin活载布置", "对应V(kN)",   "左端Vmax(kN)", "活载布置",  "对应M(kN*m)",
        "左端Vmin(kN)", "活载布置",     "对应M(kN*m)", "右端Vmax(kN)", "活载布置",  "对应M(kN*m)",
        "右端Vmin(kN)", "活载布置",     "对应M(kN*m)"};
    const int n = envelope.spanCount();
    for (int s = 1; s <= n; ++s) {
        const SpanEnvelope& e = envelope.span(s);
        std::vector<std::string> row{"第" + std::to_string(s) + "跨"};
        for (const MomentExtreme* m : {&e.maxMoment, &e.minMoment}) {
            row.insert(row.end(),
                       {formatResult(m->value), formatResult(m->x), arrangementCell(m->arrangement),
                        shearCell(m->shearLeft, m->shearRight)});
        }
        for (const ShearExtreme* v :
             {&e.leftMaxShear, &e.leftMinShear, &e.rightMaxShear, &e.rightMinShear}) {
            row.insert(row.end(), {formatResult(v->value), arrangementCell(v->arrangement),
                                   formatResult(v->moment)});
        }
        table.spanRows.push_back(row);
    }
    table.supportHeaders = {"支座",       "Rmax(kN)", "活载布置",   "Rmin(kN)", "活载布置",
                            "Mmax(kN*m)", "活载布置", "Mmin(kN*m)", "活载布置"};
    for (int j = 0; j <= n; ++j) {
        const SupportEnvelope& e = envelope.support(j);
        if (!e.present) {
            continue;
        }
        std::vector<std::string> row{supportName(beam, j)};
        for (const Extreme* r : {&e.maxReaction, &e.minReaction}) {
            row.insert(row.end(), {formatResult(r->value), arrangementCell(r->arrangement)});
        }
        for (const Extreme* m : {&e.maxMoment, &e.minMoment}) {
            if (e.fixed) {
                row.insert(row.end(), {formatResult(m->value), arrangementCell(m->arrangement)});
            } else {
                row.insert(row.end(), {"", ""});
            }
        }
        table.supportRows.push_back(row);
    }
    return table;
}

std::string factorsText(const CombinationFactors& f) {
    std::string text = "γG = " + formatResult(f.dead) + "，γQ = " + formatResult(f.live) +
                       "，γL = " + formatResult(f.designLife);
    if (f.deadFavourable) {
        text += "，恒载有利时 γG = " + formatResult(*f.deadFavourable);
    }
    return text;
}

} // namespace spanwise
