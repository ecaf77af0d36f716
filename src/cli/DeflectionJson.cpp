#include "cli/DeflectionJson.h"

#include "analysis/Deflection.h"
#include "cli/JsonResult.h"

namespace spanwise {

namespace {

std::string peakJson(const DeflectionPeak& peak, bool arrangement) {
    std::string text = "{\"value\":" + jsonNumber(peak.value) + ",\"x\":" + jsonNumber(peak.x);
    if (arrangement) {
        text += ",\"liveSpans\":[";
        bool first = true;
        for (int s : spansOf(peak.arrangement.liveSpans)) {
            text += (first ? "" : ",") + std::to_string(s);
            first = false;
        }
        text += "]";
    }
    return text + "}";
}

// ok is null for a span whose EI was never entered: its deflection is not judged.
std::string spansJson(const BeamDeflection& deflection, bool arrangement) {
    std::string text = "[";
    for (int s = 1; s <= deflection.spanCount(); ++s) {
        const SpanDeflection& d = deflection.span(s);
        text += (s > 1 ? "," : "") + std::string("{\"span\":") + std::to_string(s) +
                ",\"max\":" + peakJson(d.max, arrangement) +
                ",\"min\":" + peakJson(d.min, arrangement) +
                ",\"limitRatio\":" + jsonNumber(d.limitDenominator) +
                ",\"ratio\":" + (d.ratio > 0 ? jsonNumber(d.ratio) : "null") + ",\"ok\":" +
                (!d.judged ? "null"
                 : d.ok    ? "true"
                           : "false") +
                "}";
    }
    return text + "]";
}

} // namespace

std::string deflectionJsonMembers(const BeamOutcome& outcome) {
    const bool live = hasLiveLoads(outcome.beam());
    if (!outcome.deflection.made() || (live && !outcome.deflectionCombinations.made())) {
        return ",\"deflection\":null"; // a span without a usable EI
    }
    std::string text = ",\"deflection\":" + spansJson(*outcome.deflection.get(), false);
    if (live) {
        const auto& both = *outcome.deflectionCombinations.get();
        text += ",\"deflectionEnvelope\":{\"characteristic\":" + spansJson(both[0], true) +
                ",\"quasiPermanent\":" + spansJson(both[1], true) + "}";
    }
    return text;
}

} // namespace spanwise
