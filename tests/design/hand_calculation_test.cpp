// The number texts of the hand calculation: rounding half up, the decimals of each quantity and
// the powers of ten.
#include "design/HandCalculation.h"

#include <gtest/gtest.h>

namespace spanwise {
namespace {

TEST(HandCalculation, NumberTexts) {
    const std::pair<std::string, std::string> cases[] = {
        {fixedText(1019.58, 1), "1019.6"},
        {fixedText(0.2, 3), "0.200"},
        {fixedText(-0.0004, 3), "0.000"},
        {fixedText(0.125, 2), "0.13"},
        {trimmedText(150), "150"},
        {trimmedText(13.33333), "13.333"},
        {factorText(1), "1.0"},
        {significantText(2.98985e13, 4), "2.990×10¹³"},
        {significantText(9.99961e4, 4), "1.000×10⁵"},
        {significantText(-4.5e-3, 2), "-4.5×10⁻³"},
        {significantText(7.25, 3), "7.25"},
        {superscriptText(-10), "⁻¹⁰"}};
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(text, expected);
    }
}

} // namespace
} // namespace spanwise
