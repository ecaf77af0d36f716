// Texts of numbers: the results as every table prints them, the fields' filter and canonical form.
#include "analysis/NumberFormat.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <random>

namespace spanwise {
namespace {

// floor(v * 1000 + 0.5) / 1000: halves go up, also below zero, and nothing prints as "-0".
TEST(FormatResult, RoundsHalfUpToThreeDecimals) {
    struct Case {
        float v;
        const char* text;
    };
    // clang-format off
    const Case cases[] = {{1.23449f, "1.234"}, {1.2345f, "1.235"}, {-0.0004f, "0"},
                          {-0.0009f, "-0.001"}, {-1.0625f, "-1.062"}, {1.0625f, "1.063"},
                          {-22.5f, "-22.5"}, {45, "45"}, {13.3333333f, "13.333"},
                          {1e7f, "10000000"}, {-0.0f, "0"}, {25.3125f, "25.313"}};
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(formatResult(c.v), c.text) << c.v;
    }
}

TEST(FieldText, IsTheSevenDigitGeneralForm) {
    struct Case {
        float v;
        const char* text;
    };
    // clang-format off
    const Case cases[] = {{0, "0"}, {1, "1"}, {0.5f, "0.5"}, {12.5f, "12.5"}, {4000, "4000"},
                          {0.1f, "0.1"}, {2.1f, "2.1"}, {4.2f, "4.2"}, {1.0f / 3, "0.3333333"},
                          {9999999, "9999999"}, {1e7f, "1E+07"}, {1e8f, "1E+08"},
                          {123456789.0f, "1.234568E+08"}, {3.4e38f, "3.4E+38"}, {-0.0f, "0"},
                          {-22.5f, "-22.5"}, {0.0001f, "0.0001"}, {1e-5f, "1E-05"}};
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(fieldText(c.v), c.text);
    }
}

TEST(ParseFieldNumber, RefusesWhatIsNoFloat) {
    EXPECT_EQ(parseFieldNumber("12."), 12.0f);
    EXPECT_EQ(parseFieldNumber(".5"), 0.5f);
    EXPECT_EQ(parseFieldNumber("007"), 7.0f);
    EXPECT_EQ(parseFieldNumber("2.1"), 2.1f);
    // an exponent as engineers write EI: the canonical texts read back
    EXPECT_EQ(parseFieldNumber("2e5"), 200000.0f);
    EXPECT_EQ(parseFieldNumber("2.0E+07"), 2e7f);
    EXPECT_EQ(parseFieldNumber("1E-05"), 1e-5f);
    EXPECT_EQ(parseFieldNumber("1.234568E+08"), 123456800.0f);
    EXPECT_FALSE(parseCountNumber("1e5")); // counts are whole numbers typed plainly
    // digits with at most one point and an optional exponent, nothing else: no sign, blank or
    // wide digit, no exponent without digits
    for (const char* bad :
         {"",   ".",  "-3",  "+1", " 1",  "4 ",    "1-",   "12.5.", "1,5",  "１２",
          "五", "e5", ".e5", "1e", "1e+", "1e5.5", "1ee5", "1e5e",  "4e38", "1e-50"}) {
        EXPECT_FALSE(parseFieldNumber(bad)) << bad;
        EXPECT_FALSE(parseCountNumber(bad)) << bad;
    }
    EXPECT_FALSE(parseFieldNumber(std::string(39, '9'))); // beyond 3.4e38
    EXPECT_EQ(parseFieldNumber(std::string(38, '9')), 1e38f);
    EXPECT_EQ(parseCountNumber(std::string(39, '9')), 1e39);
    EXPECT_FALSE(parseCountNumber(std::string(400, '9'))); // beyond the double range
}

// Keystroke by keystroke, a text is a number, on its way to one, or refused; the field keeps
// what is on its way and takes back a refused keystroke.
TEST(NumberEntry, EveryStageOfTyping) {
    struct Case {
        const char* text;
        bool signed_;
        NumberEntry stage;
    };
    using enum NumberEntry;
    // clang-format off
    const Case cases[] = {
        {"", false, Partial}, {".", false, Partial}, {"2", false, Complete},
        {"2.", false, Complete}, {"2.0e", false, Partial}, {"2.0e5", false, Complete},
        {"2.0E+", false, Partial}, {"2.0E+07", false, Complete}, {"1E-", false, Partial},
        {"1E-05", false, Complete}, {"-", false, Refused}, {"-6", false, Refused},
        {"-", true, Partial}, {"-.", true, Partial}, {"-6", true, Complete},
        {"-2e", true, Partial}, {"--6", true, Refused}, {"e", false, Refused},
        {".e", false, Refused}, {"2e5.", false, Refused}, {"2e+-5", false, Refused},
        {"2,5", false, Refused}, {"4e38", false, Refused}, {"1E+075", false, Refused},
        {"x", true, Refused}, {"6 ", false, Refused}};
    // clang-format on
    for (const Case& c : cases) {
        EXPECT_EQ(numberEntryOf(c.text, c.signed_), c.stage) << c.text;
    }
}

// Any value's canonical text, read back and written again, must settle at once: the a/b
// complement of a concentrated force relies on texts becoming equal.
TEST(FieldText, SettlesAfterOneRoundTrip) {
    std::mt19937 rng(3);
    std::uniform_int_distribution<std::uint32_t> bits(0, 0x7f7fffff);
    for (int i = 0; i < 100000; ++i) {
        std::uint32_t b = bits(rng);
        float v = 0;
        std::memcpy(&v, &b, sizeof v);
        const std::string once = fieldText(v);
        if (const auto value = parseFieldNumber(once)) {
            EXPECT_EQ(fieldText(*value), once) << v;
        }
    }
}

} // namespace
} // namespace spanwise
