#include "analysis/DeflectionTable.h"

#include "analysis/EnvelopeTable.h"
#include "analysis/NumberFormat.h"

namespace spanwise {

std::string limitText(float limitDenominator) {
    return "l0/" + formatResult(limitDenominator);
}

std::string deflectionSettingsText(const DeflectionSettings& settings) {
    return "准永久组合 ψq = " + formatResult(settings.quasiPermanent) + "；限值 " +
           limitText(settings.limitDenominator);
}

DeflectionTable deflectionTable(const BeamDeflection& deflection, float limitDenominator,
                                bool arrangements) {
    DeflectionTable table;
    table.headers = {"跨   号", "l0(m)", "最大挠度(mm)", "位置(m)"};
    if (arrangements) {
        table.headers.emplace_back("活载布置");
    }
    table.headers.insert(table.headers.end(), {"最大上拱(mm)", "位置(m)"});
    if (arrangements) {
        table.headers.emplace_back("活载布置");
    }
    table.headers.insert(table.headers.end(), {"l0/w", "限值", "验算"});
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
        row.insert(row.end(), {d.ratio > 0 ? std::to_string(static_cast<long long>(d.ratio)) : "—",
                               limitText(limitDenominator), d.ok ? "✔" : "✘"});
        table.rows.push_back(std::move(row));
    }
    return table;
}

} // namespace spanwise
