#include "cli/DeflectionJson.h"

#include "analysis/Deflection.h"
#include "cli/JsonResult.h"

#include <optional>

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

std::string deflectionJsonMembers(const Beam& beam, const BeamResults& results,
                                  const Envelope* envelope) {
    try {
        std::string text = ",\"deflection\":" + spansJson(BeamDeflection(beam, results), false);
        if (hasLiveLoads(beam)) {
            std::optional<Envelope> own;
            if (envelope == nullptr) {
                envelope = &own.emplace(beam);
            }
            const auto both = BeamDeflection::envelopesOf(beam, *envelope);
            text += ",\"deflectionEnvelope\":{\"characteristic\":" + spansJson(both[0], true) +
                    ",\"quasiPermanent\":" + spansJson(both[1], true) + "}";
        }
        return text;
    } catch (const std::exception&) {
        return ",\"deflection\":null"; // a span without a usable EI
    }
}

} // namespace spanwise
