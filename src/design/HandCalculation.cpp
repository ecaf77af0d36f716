#include "design/HandCalculation.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

namespace spanwise {

namespace {

// Half up, as the result table rounds: floor(v·10^k + 0.5)/10^k; -0 becomes 0.
double roundHalfUp(double v, int decimals) {
    const double scale = std::pow(10.0, decimals);
    const double r = std::floor(v * scale + 0.5) / scale;
    return r == 0 ? 0.0 : r;
}

std::string fixedChars(double v, int decimals) {
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
