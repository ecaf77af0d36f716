#include "analysis/DeflectionTable.h"

#include "analysis/EnvelopeTable.h"
#include "analysis/NumberFormat.h"

#include <charconv>
#include <cmath>

namespace spanwise {

namespace {

// A ratio rounded down to a whole number, whatever its size (a float holds up to 3.4×10³⁸, no
// integer type does).
std::string wholeText(float ratio) {
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, std::floor(double{ratio}),
                                   std::chars_format::fixed, 0)
                         .ptr;
    return std::string(buffer, end);
}

} // namespace

std::string limitText(float limitDenominator) {
    return "l0/" + formatResult(limitDenominator);
}

std::string limitRuleText(const DeflectionSettings& settings) {
    if (!settings.byTable()) {
        return limitText(settings.limitDenominator);
    }
    return "l0/200（l0<7m）、l0/250（7m≤l0≤9m）、l0/300（l0>9m）";
}

std::string deflectionSettingsText(const DeflectionSettings& settings) {
    return "准永久组合 ψq = " + formatResult(settings.quasiPermanent) + "；限值 " +
           limitRuleText(settings);
}

std::string defaultRigidityNote(const Beam& beam) {
    std::string spans;
    for (int s = 1; s <= beam.spanCount(); ++s) {
        if (beam.span(s).ei == kDefaultRigidity) {
            spans += (spans.empty() ? "第" : "、") + std::to_string(s);
        }
    }
    if (spans.empty()) {
        return {};
    }
    return spans + "跨 EI 为默认值 1，挠度需输入实际 EI 后方可验算";
}

DeflectionTable deflectionTable(const BeamDeflection& deflection, bool arrangements,
                                bool verdicts) {
    DeflectionTable table;
    table.headers = {"跨   号", "l0(m)", "最大挠度(mm)", "位置(m)"};
    if (arrangements) {
        table.headers.emplace_back("活载布置");
    }
    table.headers.insert(table.headers.end(), {"最大上拱(mm)", "位置(m)"});
    if (arrangements) {
        table.headers.emplace_back("活载布置");
    }
    table.headers.emplace_back("l0/w");
    if (verdicts) {
        table.headers.insert(table.headers.end(), {"限值", "验算"});
    }
    for (int s = 1; s <= deflection.spanCount(); ++s) {
        const SpanDeflection& d = deflection.span(s);
        std::vector<std::string> row{"第" + std::to_string(s) + "跨", formatResult(d.checkLength),
                                     formatResult(d.max.value), formatResult(d.max.x)};
        if (arrangements) {
            row.push_back(arrangementCell(d.max.arrangement));
        }
        row.insert(row.end(), {formatResult(d.min.value), formatResult(d.min.x)});
        if (arrangements) {
            row.push_back(arrangementCell(d.min.arrangement));
        }
        // l0/w rounded down, as a limit is checked
        const bool measured = d.judged && d.ratio > 0;
        row.push_back(measured ? wholeText(d.ratio) : "—");
        if (verdicts) {
            row.insert(row.end(), {limitText(d.limitDenominator), !d.judged ? kNeedsRealRigidity
                                                                  : d.ok    ? "✔"
                                                                            : "✘"});
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}

} // namespace spanwise
