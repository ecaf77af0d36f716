#include "analysis/NumberFormat.h"

#include "model/Beam.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace spanwise {

double roundForDisplay(float v) {
    const double r = std::floor(double{v} * 1000 + 0.5) / 1000;
    return r == 0 ? 0.0 : r; // floor(-0.4) is -0
}

std::string formatResult(float v) {
    // A float is below 3.5e38: 39 digits, a sign, a point and three decimals fit.
    char buffer[64];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, roundForDisplay(v), std::chars_format::fixed);
    if (ec != std::errc{}) {
        return std::isnan(v) ? "NaN" : "?";
    }
    return std::string(buffer, end);
}

std::string fieldText(float v) {
    char buffer[32];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, double{v}, std::chars_format::general, 7);
    std::string text(buffer, ec == std::errc{} ? end : buffer);
    for (char& c : text) {
        if (c == 'e') {
            c = 'E';
        }
    }
    return text == "-0" ? "0" : text;
}

bool isPlainDecimal(std::string_view text) {
    if (text.empty()) {
        return false;
    }
    int points = 0;
    for (char c : text) {
        if (c == '.') {
            if (++points == 2) {
                return false;
            }
        } else if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

namespace {

template <typename Real>
std::optional<Real> parseNumber(std::string_view text, std::chars_format format) {
    Real value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, format);
    if (ec != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt; // beyond the range of the type
    }
    return value;
}

template <typename Real> std::optional<Real> parsePlain(std::string_view text) {
    if (!isPlainDecimal(text) || text == ".") {
        return std::nullopt;
    }
    return parseNumber<Real>(text, std::chars_format::fixed);
}

bool allDigits(std::string_view text) {
    for (char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

// The stage of an unsigned number: mantissa, then an optional exponent.
NumberEntry unsignedEntryOf(std::string_view text) {
    const std::size_t e = text.find_first_of("eE");
    const std::string_view mantissa = text.substr(0, e);
    if (!isPlainDecimal(mantissa) && !mantissa.empty()) {
        return NumberEntry::Refused;
    }
    if (e == std::string_view::npos) {
        if (mantissa.empty() || mantissa == ".") {
            return NumberEntry::Partial;
        }
        return parseFieldNumber(text) ? NumberEntry::Complete : NumberEntry::Refused;
    }
    // an exponent needs a mantissa with a digit before it
    if (mantissa.empty() || mantissa == ".") {
        return NumberEntry::Refused;
    }
    std::string_view exponent = text.substr(e + 1);
    if (!exponent.empty() && (exponent.front() == '+' || exponent.front() == '-')) {
        exponent.remove_prefix(1);
    }
    if (!allDigits(exponent)) {
        return NumberEntry::Refused;
    }
    if (exponent.empty()) {
        return NumberEntry::Partial;
    }
    return parseFieldNumber(text) ? NumberEntry::Complete : NumberEntry::Refused;
}

} // namespace

NumberEntry numberEntryOf(std::string_view text, bool signed_) {
    if (signed_ && !text.empty() && text.front() == '-') {
        text.remove_prefix(1);
    }
    return unsignedEntryOf(text);
}

std::optional<float> parseFieldNumber(std::string_view text) {
    const std::size_t e = text.find_first_of("eE");
    const std::string_view mantissa = text.substr(0, e);
    if (!isPlainDecimal(mantissa) || mantissa == ".") {
        return std::nullopt;
    }
    if (e == std::string_view::npos) {
        return parseNumber<float>(text, std::chars_format::fixed);
    }
    std::string_view exponent = text.substr(e + 1);
    if (!exponent.empty() && (exponent.front() == '+' || exponent.front() == '-')) {
        exponent.remove_prefix(1);
    }
    if (exponent.empty() || !allDigits(exponent)) {
        return std::nullopt;
    }
    return parseNumber<float>(text, std::chars_format::scientific);
}

std::optional<double> parseCountNumber(std::string_view text) {
    return parsePlain<double>(text);
}

std::string loadListText(const Load& load) {
    std::string text = load.loadCase == Live ? "活 " + load.text : load.text;
    switch (load.kind) {
    case Concentrated:
        return text + " P=" + fieldText(load.P) + " a=" + fieldText(load.a) +
               " b=" + fieldText(load.b);
    case Uniform:
        return text + " q=" + fieldText(load.q);
    case Trapezoidal:
        return text + " q=" + fieldText(load.q) + " a=" + fieldText(load.a);
    case PartialUniform:
        return text + " q=" + fieldText(load.q) + " a=" + fieldText(load.a) +
               " c=" + fieldText(load.c);
    case Linear:
        return text + " q1=" + fieldText(load.q) + " q2=" + fieldText(load.P) +
               " a=" + fieldText(load.a) + " c=" + fieldText(load.c);
    case Couple:
        return text + " M=" + fieldText(load.P) + " a=" + fieldText(load.a);
    }
    return text;
}

} // namespace spanwise
