#include "io/DecimalNumber.h"
#include "io/Gbk.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <random>
#include <string>

namespace spanwise {
namespace {

// readFloat must be std::from_chars to the bit: value, end and error.
void expectSameAsFromChars(const std::string& text) {
    float fast = 12345, reference = 12345;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    const auto [fastEnd, fastError] = readFloat(first, last, fast);
    const auto [referenceEnd, referenceError] = std::from_chars(first, last, reference);
    EXPECT_EQ(fastEnd - first, referenceEnd - first) << text;
    EXPECT_EQ(fastError, referenceError) << text;
    EXPECT_EQ(std::bit_cast<std::uint32_t>(fast), std::bit_cast<std::uint32_t>(reference))
        << text << ": " << fast << " instead of " << reference;
}

TEST(DecimalNumber, ReadsWhatFilesHoldAsFromCharsDoes) {
    const struct {
        const char* text;
        float value;
    } exact[] = {{"6", 6},
                 {"0.5", 0.5f},
                 {".5", 0.5f},
                 {"5.", 5},
                 {"-.5", -0.5f},
                 {"0.41666666", 0.41666666f},
                 {"4.5833335", 4.5833335f},
                 {"1300000", 1.3e6f},
                 // exactly halfway between two floats: ties go to the even one
                 {"16777217", 16777216},
                 {"16777219", 16777220},
                 // just above halfway: the larger one
                 {"16777217.000001", 16777218}};
    for (const auto& c : exact) {
        float v = 0;
        const std::string text = c.text;
        const auto [end, ec] = readFloat(text.data(), text.data() + text.size(), v);
        EXPECT_EQ(ec, std::errc{}) << c.text;
        EXPECT_EQ(end, text.data() + text.size()) << c.text;
        EXPECT_EQ(v, c.value) << c.text;
        expectSameAsFromChars(text);
    }
    float zero = 1;
    const std::string minusZero = "-0";
    readFloat(minusZero.data(), minusZero.data() + 2, zero);
    EXPECT_TRUE(zero == 0 && std::signbit(zero));
    // what the plain form does not cover goes the long way, with the same outcome
    for (const char* text : {"", "-", ".", "-.", "1e5", "2.5E-3", "inf", "-nan", "1.2.3", "12a",
                             "1234567890123456", "0.00000000000000000000001", "3.4e39", "1e-50",
                             "340282356779733661637539395458142568448", "+1", " 1", "1 "}) {
        expectSameAsFromChars(text);
    }
}

TEST(DecimalNumber, AgreesWithFromCharsOnManyDecimals) {
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> length(1, 17), digit(0, 9);
    std::uniform_int_distribution<std::uint32_t> bits;
    for (int n = 0; n < 200000; ++n) {
        std::string text = random() % 3 == 0 ? "-" : "";
        if (n % 2 == 0) {
            // the shortest text of a float, as files are written
            const float f = std::bit_cast<float>(bits(random) & 0x7F7FFFFFu);
            char buffer[64];
            const auto end = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(f),
                                           std::chars_format::fixed)
                                 .ptr;
            text.append(buffer, end);
        } else {
            const int digits = length(random);
            const int point = static_cast<int>(random() % static_cast<unsigned>(digits + 2)) - 1;
            for (int d = 0; d < digits; ++d) {
                text += d == point ? "." : "";
                text += static_cast<char>('0' + digit(random));
            }
        }
        expectSameAsFromChars(text);
        if (HasFailure()) {
            return;
        }
    }
}

TEST(FileTextDecoder, DecodesEveryTextOfAFileAsDecodeFileTextDoes) {
    const std::string uniform = "\xBE\xF9\xB2\xBC\xBA\xC9\xD4\xD8"; // 均布荷载 in GBK
    const std::string beyondGbk = "\x95\x32\x82\x36";               // U+20000 in GB18030
    std::vector<std::string> texts = {uniform,    "P=10 kN", uniform, beyondGbk, "\xBE",
                                      "\x81\x20", uniform,   "",      beyondGbk, "\x01\x7F"};
    for (int n = 0; n < 12; ++n) {
        texts.push_back(uniform + std::to_string(n)); // more texts than it keeps
        texts.push_back(uniform);
    }
    FileTextDecoder decoder;
    for (const std::string& bytes : texts) {
        EXPECT_EQ(decoder.decode(bytes), decodeFileText(bytes)) << bytes;
    }
    EXPECT_EQ(decoder.decode(uniform), std::optional<std::string>("均布荷载"));
    EXPECT_EQ(decoder.decode(beyondGbk), std::optional<std::string>("\xF0\xA0\x80\x80"));
    EXPECT_EQ(decoder.decode("\xBE"), std::nullopt); // cut off in the middle of a character
    EXPECT_EQ(decoder.decode(uniform), std::optional<std::string>("均布荷载"));
}

} // namespace
} // namespace spanwise
