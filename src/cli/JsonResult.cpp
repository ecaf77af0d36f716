#include "cli/JsonResult.h"

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

void writeJsonResult(std::ostream& out, const std::string& fileName, const Beam& beam,
                     const BeamResults& r, long sweeps) {
    out << "{\"file\":" << jsonString(fileName) << ",\"spanCount\":" << beam.spanCount()
        << ",\"leftSupport\":" << beam.leftSupport << ",\"rightSupport\":" << beam.rightSupport
        << ",\"sweeps\":" << sweeps << ",\"spans\":[";
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
            << ",\"maxMomentX\":" << jsonNumber(r.SpanMaxMomentX[si])
            << ",\"row\":{\"label\":" << jsonString(row.label) << ",\"values\":[";
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
    out << "\n]}\n";
}

} // namespace spanwise
