#include "design/HandCalculation.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

namespace spanwise {

namespace {

// Half up, as the result table rounds: floor(v·10^k + 0.5)/10^k; -0 becomes 0.
double roundHalfUp(double v, int decimals) {
    static constexpr double kScales[] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
    const double scale =
        decimals >= 0 && decimals <= 9 ? kScales[decimals] : std::pow(10.0, decimals);
    const double r = std::floor(v * scale + 0.5) / scale;
    return r == 0 ? 0.0 : r;
}

std::string fixedChars(double v, int decimals) {
    // the values of a beam, already rounded to `decimals`: an integer of tenths, hundredths, …
    // written as it is, much faster than the general conversion below
    static constexpr long long kPowers[] = {1,      10,      100,      1000,      10000,
                                            100000, 1000000, 10000000, 100000000, 1000000000};
    if (decimals >= 0 && decimals <= 9 && std::fabs(v) < 1e15 / kPowers[decimals]) {
        const long long scale = kPowers[decimals];
        const long long scaled = std::llround(v * static_cast<double>(scale));
        const unsigned long long magnitude =
            static_cast<unsigned long long>(scaled < 0 ? -scaled : scaled);
        std::string text = (scaled < 0 ? "-" : "") + std::to_string(magnitude / scale);
        if (decimals > 0) {
            std::string fraction = std::to_string(magnitude % scale);
            text += '.';
            text.append(static_cast<std::size_t>(decimals) - fraction.size(), '0');
            text += fraction;
        }
        return text;
    }
    // A finite double is below 1.8e308: 309 digits, a sign, a point and the decimals fit.
    char buffer[400];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed, decimals);
    return ec == std::errc{} ? std::string(buffer, end) : std::string("?");
}

} // namespace

std::string stepText(const CalculationStep& step) {
    std::string text = step.formula;
    if (!step.substitution.empty()) {
        text += " = " + step.substitution;
    }
    if (!step.result.empty()) {
        text += (step.substitution.empty() ? "：" : " = ") + step.result;
    }
    return text;
}

namespace {

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '\'';
}

// A byte that continues a symbol: an ASCII letter or digit, a prime, or the first byte of a
// Greek letter (U+0370…U+03FF: the ψ of "ψq", the ρ of "ρte").
bool continuesSymbol(char c) {
    const auto u = static_cast<unsigned char>(c);
    return isLetter(c) || (c >= '0' && c <= '9') || u == 0xCE || u == 0xCF;
}

bool endsWithNumber(const std::string& text) {
    return !text.empty() && ((text.back() >= '0' && text.back() <= '9') || text.back() == ')');
}

} // namespace

std::string substitution(std::string_view formula, std::initializer_list<FormulaNumber> numbers) {
    std::string_view rhs = formula;
    const std::size_t equals = rhs.find(" = "), atLeast = rhs.find(" ≥ ");
    if (equals != std::string_view::npos || atLeast != std::string_view::npos) {
        rhs.remove_prefix(equals < atLeast ? equals + std::string_view(" = ").size()
                                           : atLeast + std::string_view(" ≥ ").size());
    }
    constexpr std::string_view kRemark = "（";
    if (const std::size_t remark = rhs.rfind(kRemark);
        remark != std::string_view::npos && remark > 0 && rhs.ends_with("）")) {
        rhs = rhs.substr(0, remark);
    }
    constexpr std::string_view kDot = "·";
    // the bytes a symbol or the dot can start with: the runs between them are copied whole
    std::array<bool, 256> starts{};
    starts[static_cast<unsigned char>(kDot.front())] = true;
    for (const FormulaNumber& n : numbers) {
        if (!n.symbol.empty()) {
            starts[static_cast<unsigned char>(n.symbol.front())] = true;
        }
    }
    std::string out;
    out.reserve(rhs.size() * 2);
    std::size_t i = 0;
    while (i < rhs.size()) {
        if (!starts[static_cast<unsigned char>(rhs[i])]) {
            std::size_t j = i + 1;
            while (j < rhs.size() && !starts[static_cast<unsigned char>(rhs[j])]) {
                ++j;
            }
            out.append(rhs.substr(i, j - i));
            i = j;
            continue;
        }
        const FormulaNumber* match = nullptr;
        for (const FormulaNumber& n : numbers) {
            const std::size_t end = i + n.symbol.size();
            if (n.symbol.empty() || n.symbol.front() != rhs[i] ||
                (match != nullptr && n.symbol.size() <= match->symbol.size())) {
                continue;
            }
            if (rhs.compare(i, n.symbol.size(), n.symbol) == 0 &&
                (i == 0 || !isLetter(rhs[i - 1])) &&
                (end == rhs.size() || !continuesSymbol(rhs[end]) ||
                 !continuesSymbol(n.symbol.back()))) {
                match = &n;
            }
        }
        if (match != nullptr) {
            if (endsWithNumber(out) && i > 0 && rhs[i - 1] != ' ') {
                out += "×"; // "2αs": a number multiplies the symbol
            }
            out += match->text(match->value);
            i += match->symbol.size();
        } else if (rhs.substr(i, kDot.size()) == kDot) {
            out += "×";
            i += kDot.size();
        } else {
            out += rhs[i++];
        }
    }
    return out;
}

std::string fixedText(double v, int decimals) {
    return fixedChars(roundHalfUp(v, decimals), decimals);
}

std::string trimmedText(double v, int decimals) {
    std::string text = fixedText(v, decimals);
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0') {
            text.pop_back();
        }
        if (text.back() == '.') {
            text.pop_back();
        }
    }
    return text == "-0" ? "0" : text;
}

std::string factorText(double v) {
    std::string text = trimmedText(v, 4);
    return text.find('.') == std::string::npos ? text + ".0" : text;
}

std::string significantText(double v, int digits) {
    if (v == 0) {
        return "0";
    }
    char buffer[64];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::scientific, digits - 1);
    const std::string text = ec == std::errc{} ? std::string(buffer, end) : std::string("?");
    const std::size_t e = text.find('e');
    if (e == std::string::npos) { // inf, nan
        return text;
    }
    const int exponent = std::atoi(text.c_str() + e + 1);
    const std::string mantissa = text.substr(0, e);
    return exponent == 0 ? mantissa : mantissa + "×10" + superscriptText(exponent);
}

std::string superscriptText(int n) {
    static const char* const digitsUp[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
    std::string digits;
    for (long long rest = std::llabs(n);; rest /= 10) {
        digits.insert(0, digitsUp[rest % 10]);
        if (rest < 10) {
            break;
        }
    }
    return n < 0 ? "⁻" + digits : digits;
}

} // namespace spanwise
