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
thread_local bool recording = true;
} // namespace

bool stepsRecorded() {
    return recording;
}

StepsOmitted::StepsOmitted() : m_before(recording) {
    recording = false;
}

StepsOmitted::~StepsOmitted() {
    recording = m_before;
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
