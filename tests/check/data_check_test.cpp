#include "check/DataCheck.h"

#include <gtest/gtest.h>

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
    // clang-format off
    const SpanCase cases[] = {
        {"length and EI zero", 0, 0, 1, {"第1跨跨度为零!", "第1跨刚度为零! "}},
        {"negative zero is zero", -0.0f, -0.0f, 1, {"第1跨跨度为零!", "第1跨刚度为零! "}},
        {"negative length", -6, 1, 1, {"第1跨跨度为负!"}},
        {"negative EI", 6, -2, 1, {"第1跨刚度为负!"}},
        {"negative i", 6, 1, -1, {"第1跨线刚度为负!"}},
        {"all negative", -6, -2, -1, {"第1跨跨度为负!", "第1跨刚度为负!", "第1跨线刚度为负!"}},
        {"zero length, negative EI and i", 0, -2, -1, {"第1跨跨度为零!", "第1跨刚度为负!", "第1跨线刚度为负!"}},
        {"zero i of a single span is calculated", 6, 1, 0, {"没有错误!"}},
    };
    // clang-format on
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
    int kind;
    float q, P, a, b, L;
    Lines expected;
};

TEST(DataCheck, LoadRulesInOrder) {
    // clang-format off
    // name, kind, q, P, a, b, L, messages
    const LoadCase cases[] = {
        {"force 0, a + b off", Concentrated, 0, 0, 2, 3, 6,
         {"第1跨集中力为零!", "第1跨集中力 a 加 b 不等于跨度!"}},
        {"a 2.5 b 2.5 on 5", Concentrated, 0, 10, 2.5f, 2.5f, 5, {}},
        {"a 2.1 b 4.2 on 6.3, one ulp short", Concentrated, 0, 10, 2.1f, 4.2f, 6.3f, {}},
        {"a 2.1 b 4.3 on 6.3", Concentrated, 0, 10, 2.1f, 4.3f, 6.3f,
         {"第1跨集中力 a 加 b 不等于跨度!"}},
        {"a -1 b 6 on 5", Concentrated, 0, 10, -1, 6, 5, {"第1跨集中力位置超出跨度!"}},
        {"a negative, sum off", Concentrated, 0, 10, -1, 2, 5,
         {"第1跨集中力 a 加 b 不等于跨度!", "第1跨集中力位置超出跨度!"}},
        {"uniform zero", Uniform, 0, 0, 0, 0, 6, {"第1跨均布荷载为零!"}},
        {"trapezoid q 0 a 0", Trapezoidal, 0, 0, 0, 0, 6,
         {"第1跨梯形荷载为零!", "第1跨梯形荷载 a 等于零!"}},
        {"trapezoid a over L/2", Trapezoidal, 4, 0, 3.5f, 0, 6, {"第1跨梯形荷载 a 大于跨度一半!"}},
        {"triangle a = L/2", Trapezoidal, 4, 0, 3, 0, 6, {}},
        {"trapezoid negative a", Trapezoidal, 4, 0, -1, 0, 6, {"第1跨梯形荷载 a 小于零!"}},
        {"2a beyond float", Trapezoidal, 4, 0, 3e38f, 0, 6, {"第1跨梯形荷载 a 大于跨度一半!"}},
        {"2a beyond float downwards", Trapezoidal, 4, 0, -3e38f, 0, 6,
         {"第1跨梯形荷载 a 小于零!"}},
        {"unknown kind is not tested", 7, 0, 0, 0, 0, 6, {}},
    };
    // clang-format on
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

TEST(DataCheck, JointWithoutRotationalStiffness) {
    struct Case {
        const char* name;
        int spans;
        SupportKind left, right;
        std::vector<float> i;
        Lines expected;
    };
    // clang-format off
    const Case cases[] = {
        {"two interior spans with i = 0", 4, Simple, Simple, {1, 0, 0, 1}, {"第2支座两侧转动刚度均为零!"}},
        {"one span with i = 0 beside stiff spans", 3, Simple, Simple, {1, 0, 1}, {}},
        {"i = 0 beside a cantilever end span", 3, Cantilever, Simple, {1, 0, 1}, {"第1支座两侧转动刚度均为零!"}},
        {"i = 0 beside a cantilever right end", 3, Simple, Cantilever, {1, 0, 5}, {"第2支座两侧转动刚度均为零!"}},
        {"i = 0 beside a fixed end span is fine", 3, Fixed, Simple, {1, 0, 1}, {}},
        {"all zero", 3, Fixed, Fixed, {0, 0, 0}, {"第1支座两侧转动刚度均为零!", "第2支座两侧转动刚度均为零!"}},
    };
    // clang-format on
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
