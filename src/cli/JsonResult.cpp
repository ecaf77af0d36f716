#include "cli/JsonResult.h"
#include "model/Axes.h"

#include "cli/DeflectionJson.h"

#include "analysis/NumberFormat.h"
#include "analysis/SpanResults.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <ostream>

namespace spanwise {

std::string jsonString(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
                out += escape;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

std::string jsonNumber(float v) {
    if (!std::isfinite(v)) {
        return "null";
    }
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, v).ptr;
    return std::string(buffer, end);
}

std::string jsonReal(double v) {
    if (!std::isfinite(v)) {
        return "null";
    }
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, v).ptr;
    return std::string(buffer, end);
}

std::string jsonBoolean(bool v) {
    return v ? "true" : "false";
}

std::string jsonStrings(const std::vector<std::string>& list) {
    std::string out = "[";
    for (std::size_t k = 0; k < list.size(); ++k) {
        out += (k > 0 ? "," : "") + jsonString(list[k]);
    }
    return out + "]";
}

void writeJsonResult(std::ostream& out, const std::string& fileName, const BeamOutcome& outcome,
                     bool withEnvelope, const std::string& moreMembers) {
    const Beam& beam = outcome.beam();
    const BeamResults& r = outcome.calculation.results;
    const long sweeps = outcome.calculation.sweeps;
    const Envelope* envelope = withEnvelope ? &outcome.envelope.orThrow() : nullptr;
    out << "{\"file\":" << jsonString(fileName) << ",\"spanCount\":" << beam.spanCount()
        << ",\"leftSupport\":" << beam.leftSupport << ",\"rightSupport\":" << beam.rightSupport
        << ",\"axes\":[";
    for (int j = 0; j <= beam.spanCount(); ++j) {
        out << (j > 0 ? "," : "")
            << (isFreeEnd(beam, j) ? std::string("null") : jsonString(axisLabel(beam, j)));
    }
    out << "],\"sweeps\":" << sweeps << ",\"spans\":[";
    for (int s = 1; s <= beam.spanCount(); ++s) {
        const auto si = static_cast<std::size_t>(s);
        out << (s > 1 ? "," : "") << "\n{\"span\":" << s
            << ",\"length\":" << jsonNumber(beam.span(si).length) << ",\"endMoment\":["
            << jsonNumber(r.EndMoment[si][1]) << "," << jsonNumber(r.EndMoment[si][2])
            << "],\"keySections\":[";
        for (int k = 0; k <= r.KeyPointLast[si]; ++k) {
            const auto ki = static_cast<std::size_t>(k);
            out << (k > 0 ? "," : "") << "{\"x\":" << jsonNumber(r.KeyPointX[si][ki])
                << ",\"M\":" << jsonNumber(r.KeyPointM[si][ki])
                << ",\"V\":" << jsonNumber(r.KeyPointV[si][ki]) << "}";
        }
        const SpanResult row = spanResult(beam, r, s);
        out << "],\"maxMoment\":" << jsonNumber(r.SpanMaxMoment[si])
            << ",\"maxMomentX\":" << jsonNumber(r.SpanMaxMomentX[si]);
        // on a concentrated moment, the side the largest moment is on
        if (r.SpanMaxMomentSide[si] != MomentSide::None) {
            out << ",\"maxMomentSide\":"
                << (r.SpanMaxMomentSide[si] == MomentSide::Left ? "\"left\"" : "\"right\"");
        }
        out << ",\"row\":{\"label\":" << jsonString(row.label) << ",\"values\":[";
        const auto numbers = row.numbers();
        for (std::size_t c = 0; c < numbers.size(); ++c) {
            out << (c > 0 ? "," : "") << jsonNumber(numbers[c]);
        }
        out << "],\"text\":[";
        const auto texts = resultRowTexts(row);
        for (std::size_t c = 1; c < texts.size(); ++c) {
            out << (c > 1 ? "," : "") << jsonString(texts[c]);
        }
        out << "]}}";
    }
    out << "\n]";
    if (envelope != nullptr) {
        out << ",\"envelope\":" << envelopeJson(beam, *envelope);
    }
    out << deflectionJsonMembers(outcome) << moreMembers << "}\n";
}

namespace {

std::string spanListJson(std::uint32_t mask) {
    std::string text = "[";
    for (int s : spansOf(mask)) {
        text += (text.size() > 1 ? "," : "") + std::to_string(s);
    }
    return text + "]";
}

// "value", the arrangement and, when given, one concurrent force.
std::string extremeJson(bool favourable, float value, const Arrangement& a,
                        const char* concurrent = nullptr, float force = 0) {
    std::string text =
        "{\"value\":" + jsonNumber(value) + ",\"liveSpans\":" + spanListJson(a.liveSpans);
    if (favourable) {
        text += ",\"favourableDeadSpans\":" + spanListJson(a.favourableDead);
    }
    if (concurrent != nullptr) {
        text += ",\"" + std::string(concurrent) + "\":" + jsonNumber(force);
    }
    return text + "}";
}

} // namespace

std::string envelopeJson(const Beam& beam, const Envelope& envelope) {
    const CombinationFactors& f = envelope.factors();
    const bool favourable = f.deadFavourable.has_value();
    std::string out =
        "{\"factors\":{\"dead\":" + jsonNumber(f.dead) + ",\"live\":" + jsonNumber(f.live) +
        ",\"designLife\":" + jsonNumber(f.designLife) +
        ",\"deadFavourable\":" + (favourable ? jsonNumber(*f.deadFavourable) : "null") +
        "},\n\"spans\":[";
    auto moment = [&](const MomentExtreme& m) {
        std::string text = extremeJson(favourable, m.value, m.arrangement, "shear", m.shearLeft);
        return text.insert(text.find(",\"liveSpans\""), ",\"x\":" + jsonNumber(m.x));
    };
    auto shear = [&](const ShearExtreme& max, const ShearExtreme& min) {
        return "{\"max\":" +
               extremeJson(favourable, max.value, max.arrangement, "moment", max.moment) +
               ",\"min\":" +
               extremeJson(favourable, min.value, min.arrangement, "moment", min.moment) + "}";
    };
    for (int s = 1; s <= envelope.spanCount(); ++s) {
        const SpanEnvelope& e = envelope.span(s);
        out += (s > 1 ? ",\n" : "") + std::string("{\"span\":") + std::to_string(s) +
               ",\"maxMoment\":" + moment(e.maxMoment) + ",\"minMoment\":" + moment(e.minMoment) +
               ",\"leftShear\":" + shear(e.leftMaxShear, e.leftMinShear) +
               ",\"rightShear\":" + shear(e.rightMaxShear, e.rightMinShear) + "}";
    }
    out += "],\n\"supports\":[";
    bool first = true;
    for (int j = 0; j <= envelope.spanCount(); ++j) {
        const SupportEnvelope& e = envelope.support(j);
        if (!e.present) {
            continue;
        }
        out += (first ? "" : ",\n") + std::string("{\"node\":") + std::to_string(j) +
               ",\"axis\":" + jsonString(axisLabel(beam, j)) + ",\"maxReaction\":" +
               extremeJson(favourable, e.maxReaction.value, e.maxReaction.arrangement) +
               ",\"minReaction\":" +
               extremeJson(favourable, e.minReaction.value, e.minReaction.arrangement);
        if (e.fixed) {
            out += ",\"maxMoment\":" +
                   extremeJson(favourable, e.maxMoment.value, e.maxMoment.arrangement) +
                   ",\"minMoment\":" +
                   extremeJson(favourable, e.minMoment.value, e.minMoment.arrangement);
        }
        out += "}";
        first = false;
    }
    return out + "]}";
}

} // namespace spanwise
