#include "check/DataCheck.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace spanwise {
namespace {

using Lines = std::vector<std::string>;

// A beam of n spans of 6 m, EI = 1, i = 1, simple ends: passes the check.
Beam beam(int n) {
    Beam m;
    m.spans.assign(static_cast<std::size_t>(n), Span{6, 1, 1, {}});
    return m;
}

void addLoad(Beam& m, int s, int kind, float q, float P, float a, float b) {
    m.span(s).loads.push_back(Load{static_cast<LoadKind>(kind), P, q, a, b, 0, ""});
}

TEST(DataCheck, SoundBeamListsOnlyNoErrors) {
    Beam m = beam(3);
    addLoad(m, 1, Uniform, 10, 0, 0, 0);
    addLoad(m, 2, Concentrated, 0, 20, 2, 4);
    addLoad(m, 3, Trapezoidal, 5, 0, 3, 0); // a = L/2: a triangle
    const CheckResult r = checkBeam(m);
    EXPECT_TRUE(r.passed);
    EXPECT_EQ(r.messages, Lines{"没有错误!"});
}

TEST(DataCheck, MechanismOnlyForTwoSpansWithBothEndsCantilevered) {
    Beam two = beam(2);
    two.leftSupport = Cantilever;
    two.rightSupport = Cantilever;
    two.span(2).length = 0;
    const CheckResult r = checkBeam(two);
    EXPECT_FALSE(r.passed);
    // the mechanism comes first, then the span messages; its joint is not reported again
    EXPECT_EQ(r.messages, (Lines{"结构为可变体系！", "第2跨跨度为零!"}));

    Beam three = beam(3);
    three.leftSupport = Cantilever;
    three.rightSupport = Cantilever;
    EXPECT_EQ(checkBeam(three).messages, Lines{"没有错误!"});
}

struct SpanCase {
    const char* name;
    float L, EI, i;
    Lines expected;
};

TEST(DataCheck, WholeSpanRulesInOrder) {
    const SpanCase cases[] = {
        {"length and EI zero", 0, 0, 1, {"第1跨跨度为零!", "第1跨刚度为零! "}},
        {"negative zero is zero", -0.0f, -0.0f, 1, {"第1跨跨度为零!", "第1跨刚度为零! "}},
        {"negative length", -6, 1, 1, {"第1跨跨度为负!"}},
        {"negative EI", 6, -2, 1, {"第1跨刚度为负!"}},
        {"negative i", 6, 1, -1, {"第1跨线刚度为负!"}},
        {"all negative", -6, -2, -1, {"第1跨跨度为负!", "第1跨刚度为负!", "第1跨线刚度为负!"}},
        {"zero length, negative EI and i",
         0,
         -2,
         -1,
         {"第1跨跨度为零!", "第1跨刚度为负!", "第1跨线刚度为负!"}},
        {"zero i of a single span is calculated", 6, 1, 0, {"没有错误!"}},
    };
    for (const auto& c : cases) {
        Beam m = beam(1);
        m.span(1).length = c.L;
        m.span(1).ei = c.EI;
        m.span(1).lineStiffness = c.i;
        const CheckResult r = checkBeam(m);
        EXPECT_EQ(r.messages, c.expected) << c.name;
        EXPECT_EQ(r.passed, c.expected == Lines{"没有错误!"}) << c.name;
    }
}

struct LoadCase {
    const char* name;
    std::int16_t kind;
    float q, P, a, b, L;
    Lines expected;
};

TEST(DataCheck, LoadRulesInOrder) {
    const LoadCase cases[] = {
        {"force 0 kN and a + b off",
         Concentrated,
         0,
         0,
         2,
         3,
         6,
         {"第1跨集中力为零!", "第1跨集中力 a 加 b 不等于跨度!"}},
        {"a 2.5 b 2.5 on 5", Concentrated, 0, 10, 2.5f, 2.5f, 5, {}},
        {"a 2.1 b 4.2 on 6.3 is one ulp short", Concentrated, 0, 10, 2.1f, 4.2f, 6.3f, {}},
        {"a 2.1 b 4.3 on 6.3",
         Concentrated,
         0,
         10,
         2.1f,
         4.3f,
         6.3f,
         {"第1跨集中力 a 加 b 不等于跨度!"}},
        {"a -1 b 6 on 5 lies outside", Concentrated, 0, 10, -1, 6, 5, {"第1跨集中力位置超出跨度!"}},
        {"b negative", Concentrated, 0, 10, 6, -1, 5, {"第1跨集中力位置超出跨度!"}},
        {"a negative and sum off",
         Concentrated,
         0,
         10,
         -1,
         2,
         5,
         {"第1跨集中力 a 加 b 不等于跨度!", "第1跨集中力位置超出跨度!"}},
        {"negative force is an upward load", Concentrated, 0, -10, 2, 4, 6, {}},
        {"uniform zero", Uniform, 0, 0, 0, 0, 6, {"第1跨均布荷载为零!"}},
        {"uniform upward", Uniform, -3, 0, 0, 0, 6, {}},
        {"trapezoid q 0 a 0 on 6",
         Trapezoidal,
         0,
         0,
         0,
         0,
         6,
         {"第1跨梯形荷载为零!", "第1跨梯形荷载 a 等于零!"}},
        {"trapezoid q 0 a 3.5 on 6",
         Trapezoidal,
         0,
         0,
         3.5f,
         0,
         6,
         {"第1跨梯形荷载为零!", "第1跨梯形荷载 a 大于跨度一半!"}},
        {"trapezoid triangle a = L/2", Trapezoidal, 4, 0, 3, 0, 6, {}},
        {"trapezoid negative a", Trapezoidal, 4, 0, -1, 0, 6, {"第1跨梯形荷载 a 小于零!"}},
        {"trapezoid huge a doubles beyond float",
         Trapezoidal,
         4,
         0,
         3e38f,
         0,
         6,
         {"第1跨梯形荷载 a 大于跨度一半!"}},
        {"unknown kind is not tested", 7, 0, 0, 0, 0, 6, {}},
    };
    for (const auto& c : cases) {
        Beam m = beam(1);
        m.span(1).length = c.L;
        addLoad(m, 1, c.kind, c.q, c.P, c.a, c.b);
        const CheckResult r = checkBeam(m);
        const Lines expected = c.expected.empty() ? Lines{"没有错误!"} : c.expected;
        EXPECT_EQ(r.messages, expected) << c.name;
        EXPECT_EQ(r.passed, c.expected.empty()) << c.name;
    }
}

TEST(DataCheck, SumRuleAcceptsTwoUnitsInTheLastPlaceAndNoMore) {
    const float L = 6.3f;
    ASSERT_NE(static_cast<float>(double{2.1f} + double{4.2f}), L); // exact equality refuses it
    const float up1 = std::nextafter(L, 10.0f);
    const float up2 = std::nextafter(up1, 10.0f);
    const float up3 = std::nextafter(up2, 10.0f);
    const float down2 = std::nextafter(std::nextafter(L, 0.0f), 0.0f);
    const float down3 = std::nextafter(down2, 0.0f);
    EXPECT_TRUE(sumMatchesLength(up2, 0, L));
    EXPECT_TRUE(sumMatchesLength(down2, 0, L));
    EXPECT_FALSE(sumMatchesLength(up3, 0, L));
    EXPECT_FALSE(sumMatchesLength(down3, 0, L));
    // the two zeros are one point; the smallest subnormals are neighbours of it
    const float tiny = std::numeric_limits<float>::denorm_min();
    EXPECT_TRUE(sumMatchesLength(-tiny, 0, tiny));
    EXPECT_FALSE(sumMatchesLength(-2 * tiny, 0, tiny));
    EXPECT_FALSE(sumMatchesLength(3e38f, 3e38f, std::numeric_limits<float>::max()));
}

// The float a field holds after the user typed n / 10 with one decimal.
float tenths(int n) {
    const std::string text = std::to_string(n / 10) + "." + std::to_string(n % 10);
    float v = 0;
    std::from_chars(text.data(), text.data() + text.size(), v);
    return v;
}

TEST(DataCheck, SumRuleMendsEveryOneDecimalPairOnShortSpans) {
    // Every (L, a) with one decimal the user can type, b = L - a as its field would hold it.
    int acceptedBefore = 0;
    int pairs = 0;
    for (int l10 = 1; l10 <= 300; ++l10) {
        const float L = tenths(l10);
        for (int a10 = 0; a10 <= l10; ++a10) {
            const int b10 = l10 - a10;
            const float a = tenths(a10);
            const float b = tenths(b10);
            ++pairs;
            acceptedBefore += static_cast<float>(double{a} + b) == L ? 1 : 0;
            ASSERT_TRUE(sumMatchesLength(a, b, L)) << a << " + " << b << " on " << L;
        }
    }
    EXPECT_LT(acceptedBefore, pairs); // the exact comparison did refuse some of them
}

TEST(DataCheck, MessagesFollowSpansAndLoadsInOrderWithTheSpanNumber) {
    Beam m = beam(12);
    m.span(3).ei = 0;
    addLoad(m, 3, Uniform, 0, 0, 0, 0);
    addLoad(m, 3, Uniform, 1, 0, 0, 0);
    addLoad(m, 3, Concentrated, 0, 0, 1, 5);
    addLoad(m, 12, Trapezoidal, 0, 0, 1, 0);
    EXPECT_EQ(checkBeam(m).messages, (Lines{"第3跨刚度为零! ", "第3跨均布荷载为零!",
                                            "第3跨集中力为零!", "第12跨梯形荷载为零!"}));
}

TEST(DataCheck, JointWithoutRotationalStiffness) {
    struct Case {
        const char* name;
        int spans;
        SupportKind left, right;
        std::vector<float> i;
        Lines expected;
    };
    const Case cases[] = {
        {"two interior spans with i = 0",
         4,
         Simple,
         Simple,
         {1, 0, 0, 1},
         {"第2支座两侧转动刚度均为零!"}},
        {"one span with i = 0 beside stiff spans", 3, Simple, Simple, {1, 0, 1}, {}},
        {"i = 0 beside a cantilever end span",
         3,
         Cantilever,
         Simple,
         {1, 0, 1},
         {"第1支座两侧转动刚度均为零!"}},
        {"i = 0 beside a cantilever right end",
         3,
         Simple,
         Cantilever,
         {1, 0, 5},
         {"第2支座两侧转动刚度均为零!"}},
        {"i = 0 beside a fixed end span is fine", 3, Fixed, Simple, {1, 0, 1}, {}},
        {"all zero",
         3,
         Fixed,
         Fixed,
         {0, 0, 0},
         {"第1支座两侧转动刚度均为零!", "第2支座两侧转动刚度均为零!"}},
    };
    for (const auto& c : cases) {
        Beam m = beam(c.spans);
        m.leftSupport = c.left;
        m.rightSupport = c.right;
        for (int s = 1; s <= c.spans; ++s) {
            m.span(s).lineStiffness = c.i[static_cast<std::size_t>(s - 1)];
        }
        const CheckResult r = checkBeam(m);
        EXPECT_EQ(r.messages, c.expected.empty() ? Lines{"没有错误!"} : c.expected) << c.name;
        EXPECT_EQ(r.passed, c.expected.empty()) << c.name;
    }
}

TEST(DataCheck, ProgressOneStepPerSpanAndPerLoad) {
    Beam m = beam(20);
    for (int s = 1; s <= 20; ++s) {
        for (int k = 0; k < 10; ++k) {
            const int kind = k % 4; // kind 3 is not tested
            addLoad(m, s, kind, 1, 1, kind == Trapezoidal ? 3.0f : 0.0f, 6);
        }
    }
    std::vector<int> steps;
    int lastTotal = 0;
    const CheckResult r = checkBeam(m, [&](int done, int total) {
        steps.push_back(done);
        lastTotal = total;
    });
    ASSERT_EQ(steps.size(), 220u);
    EXPECT_EQ(lastTotal, 220);
    EXPECT_EQ(checkStepCount(m), 220);
    for (std::size_t n = 0; n < steps.size(); ++n) {
        EXPECT_EQ(steps[n], static_cast<int>(n) + 1);
    }
    EXPECT_TRUE(r.passed);
}

} // namespace
} // namespace spanwise
