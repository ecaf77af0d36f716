#include "check/DataCheck.h"

#include "support/BeamBuilder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numeric>
#include <string>
#include <vector>

namespace spanwise {
namespace {

using Lines = std::vector<std::string>;
using test::BeamBuilder;

// A load with the values as given, kind code included.
Load load(int kind, float q, float P, float a, float b) {
    return Load{static_cast<LoadKind>(kind), P, q, a, b, 0, ""};
}

TEST(DataCheck, MechanismOnlyWhereAFreeEndHasNoFixedOne) {
    const Beam two = BeamBuilder({6, 0}).ends(Cantilever, Cantilever).beam();
    const CheckResult r = checkBeam(two);
    EXPECT_FALSE(r.passed);
    // the mechanism comes first, then the span messages; its joint is not reported again
    EXPECT_EQ(r.messages, (Lines{"结构为可变体系！", "第2跨跨度为零!"}));

    const Beam three = BeamBuilder(3, 6).ends(Cantilever, Cantilever).beam();
    EXPECT_EQ(checkBeam(three).messages, Lines{"没有错误!"});

    // one span: a free end needs a fixed one at the other end
    for (auto [left, right] :
         {std::pair{Simple, Cantilever}, {Cantilever, Simple}, {Cantilever, Cantilever}}) {
        EXPECT_EQ(checkBeam(BeamBuilder({6}).ends(left, right).beam()).messages,
                  Lines{"结构为可变体系！"});
    }
    for (auto [left, right] :
         {std::pair{Fixed, Cantilever}, {Cantilever, Fixed}, {Fixed, Fixed}, {Fixed, Simple}}) {
        EXPECT_EQ(checkBeam(BeamBuilder({6}).ends(left, right).beam()).messages,
                  Lines{"没有错误!"});
    }
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
        const CheckResult r = checkBeam(BeamBuilder({c.L}).stiffness(1, c.EI, c.i).beam());
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
        const CheckResult r =
            checkBeam(BeamBuilder({c.L}).load(1, load(c.kind, c.q, c.P, c.a, c.b)).beam());
        const Lines expected = c.expected.empty() ? Lines{"没有错误!"} : c.expected;
        EXPECT_EQ(r.messages, expected) << c.name;
        EXPECT_EQ(r.passed, c.expected.empty()) << c.name;
    }
}

TEST(DataCheck, LaterKindRulesInOrder) {
    struct Case {
        const char* name;
        int kind;
        float q, P, a, b, c, L;
        Lines expected;
    };
    // clang-format off
    // name, kind, q (q1), P (q2 or M), a, b, c, L, messages
    const Case cases[] = {
        {"partial on [1, 4] of 6", PartialUniform, 10, 0, 1, 2, 3, 6, {}},
        {"partial zero, c zero", PartialUniform, 0, 0, 1, 5, 0, 6,
         {"第1跨局部均布荷载为零!", "第1跨局部均布荷载 c 等于零!"}},
        {"partial beyond the span", PartialUniform, 10, 0, 4, 0, 3, 6,
         {"第1跨局部均布荷载 a 加 c 超出跨度!"}},
        {"partial 2.1 + 4.2 on 6.3, one ulp over", PartialUniform, 10, 0, 2.1f, 0, 4.2f, 6.3f, {}},
        {"partial negative b", PartialUniform, 10, 0, 1, -1, 3, 6,
         {"第1跨局部均布荷载 a、b 或 c 小于零!"}},
        {"linear triangle", Linear, 0, 12, 0, 0, 6, 6, {}},
        {"linear zero at both ends", Linear, 0, 0, 0, 0, 6, 6, {"第1跨线性分布荷载为零!"}},
        {"linear negative a and c", Linear, 5, 5, -1, 1, -2, 6,
         {"第1跨线性分布荷载 a、b 或 c 小于零!"}},
        {"linear c zero, beyond", Linear, 5, 5, 7, 0, 0, 6,
         {"第1跨线性分布荷载 c 等于零!", "第1跨线性分布荷载 a 加 c 超出跨度!"}},
        {"moment at the ends", Couple, 0, 60, 6, 0, 0, 6, {}},
        {"moment zero", Couple, 0, 0, 3, 3, 0, 6, {"第1跨集中力偶为零!"}},
        {"moment beyond the span", Couple, 0, 60, 6.5f, 0, 0, 6, {"第1跨集中力偶位置超出跨度!"}},
        {"moment, b negative", Couple, 0, -60, 3, -1, 0, 6, {"第1跨集中力偶位置超出跨度!"}},
    };
    // clang-format on
    for (const auto& c : cases) {
        Load value = load(c.kind, c.q, c.P, c.a, c.b);
        value.c = c.c;
        const CheckResult r = checkBeam(BeamBuilder({c.L}).load(1, value).beam());
        const Lines expected = c.expected.empty() ? Lines{"没有错误!"} : c.expected;
        EXPECT_EQ(r.messages, expected) << c.name;
    }
}

// A field stores the float of its 7-digit text, so a + b can miss L by a unit in the last place
// or two (2.1 + 4.2 on 6.3 is one short); three units is a real difference.
TEST(DataCheck, SumRuleAcceptsTwoUnitsInTheLastPlaceAndNoMore) {
    const float L = 6.3f;
    const float up2 = std::nextafter(std::nextafter(L, 10.0f), 10.0f);
    const float down2 = std::nextafter(std::nextafter(L, 0.0f), 0.0f);
    EXPECT_TRUE(sumMatchesLength(up2, 0, L));
    EXPECT_TRUE(sumMatchesLength(down2, 0, L));
    EXPECT_FALSE(sumMatchesLength(std::nextafter(up2, 10.0f), 0, L));
    EXPECT_FALSE(sumMatchesLength(std::nextafter(down2, 0.0f), 0, L));
    // the two zeros are one point; the smallest subnormals are its neighbours
    const float tiny = std::numeric_limits<float>::denorm_min();
    EXPECT_TRUE(sumMatchesLength(-tiny, 0, tiny));
    EXPECT_FALSE(sumMatchesLength(-2 * tiny, 0, tiny));
    EXPECT_FALSE(sumMatchesLength(3e38f, 3e38f, std::numeric_limits<float>::max()));
}

// A partial or linear load that reaches the end of its span: a + c is taken in single
// precision, two units in the last place past L still end on the span (a field's 7 digits
// give no closer), three are beyond it. L = 6.3: c = L + 2 ulps and c = L + 3 ulps, a = 0.
TEST(DataCheck, AStretchEndingAtTheSpansEndHasTwoUnitsInTheLastPlace) {
    const float L = 6.3f;
    const float up2 = std::nextafter(std::nextafter(L, 10.0f), 10.0f);
    const float up3 = std::nextafter(up2, 10.0f);
    for (const int kind : {PartialUniform, Linear}) {
        for (const float c : {L, up2, up3}) {
            Load value = load(kind, 10, 10, 0, 0);
            value.c = c;
            const CheckResult r = checkBeam(BeamBuilder({L}).load(1, value).beam());
            const Lines expected = c != up3 ? Lines{"没有错误!"}
                                   : kind == Linear ? Lines{"第1跨线性分布荷载 a 加 c 超出跨度!"}
                                                    : Lines{"第1跨局部均布荷载 a 加 c 超出跨度!"};
            EXPECT_EQ(r.messages, expected) << "kind " << kind << ", c = L + "
                                            << (c == L     ? 0
                                                : c == up2 ? 2
                                                           : 3)
                                            << " ulps";
        }
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
        {"i = 0 beside a free left end", 3, Cantilever, Simple, {1, 0, 1}, {"第1支座两侧转动刚度均为零!"}},
        {"i = 0 beside a free right end", 3, Simple, Cantilever, {1, 0, 5}, {"第2支座两侧转动刚度均为零!"}},
        {"i = 0 beside a fixed end span is fine", 3, Fixed, Simple, {1, 0, 1}, {}},
        {"all zero", 3, Fixed, Fixed, {0, 0, 0}, {"第1支座两侧转动刚度均为零!", "第2支座两侧转动刚度均为零!"}},
    };
    // clang-format on
    for (const auto& c : cases) {
        BeamBuilder m = BeamBuilder(c.spans, 6).ends(c.left, c.right);
        for (int s = 1; s <= c.spans; ++s) {
            m.stiffness(s, 1, c.i[static_cast<std::size_t>(s - 1)]);
        }
        const CheckResult r = checkBeam(m.beam());
        EXPECT_EQ(r.messages, c.expected.empty() ? Lines{"没有错误!"} : c.expected) << c.name;
        EXPECT_EQ(r.passed, c.expected.empty()) << c.name;
    }
}

// i must follow EI / L up to a common factor, unless every EI was left at 1.
TEST(DataCheck, LineStiffnessNotProportionalToRigidityIsANotice) {
    struct Case {
        const char* name;
        std::vector<float> L, EI, i;
        Lines notices;
    };
    // clang-format off
    const Case cases[] = {
        {"span 1 shortened after X", {3, 6}, {78000, 78000}, {13000, 13000},
         {"第1跨线刚度 i = 13000 与 EI/L = 26000 不成比例"}},
        {"EI typed, X forgotten", {6, 6}, {78000, 39000}, {1, 1},
         {"第1跨线刚度 i = 1 与 EI/L = 13000 不成比例", "第2跨线刚度 i = 1 与 EI/L = 6500 不成比例"}},
        {"relative values with a common factor", {6, 4}, {60, 80}, {1, 2}, {}},
        {"every EI left at 1: i alone, and no deflection without EI", {6, 4}, {1, 1}, {1, 7},
         {"第1、2跨 EI 为默认值 1，挠度需输入实际 EI 后方可验算"}},
        {"0.1 % apart is still proportional", {6, 6}, {6000, 6000}, {1000, 1001}, {}},
        {"0.2 % apart is not", {6, 6}, {6000, 6000}, {1000, 1002}, {"第2跨线刚度 i = 1002 与 EI/L = 1000 不成比例"}},
        {"a span in error is left to its message", {6, 0}, {6000, 6000}, {1000, 5}, {}},
    };
    // clang-format on
    for (const auto& c : cases) {
        BeamBuilder m(static_cast<int>(c.L.size()), 1);
        for (std::size_t s = 0; s < c.L.size(); ++s) {
            m.length(static_cast<int>(s + 1), c.L[s])
                .stiffness(static_cast<int>(s + 1), c.EI[s], c.i[s]);
        }
        const CheckResult r = checkBeam(m.beam());
        EXPECT_EQ(r.notices, c.notices) << c.name;
        EXPECT_EQ(r.noticePlaces.size(), c.notices.size()) << c.name;
        if (c.L[1] != 0) {
            EXPECT_TRUE(r.passed) << c.name << ": a notice never blocks the calculation";
        }
    }
}

TEST(DataCheck, EveryMessageNamesItsSpanAndLoad) {
    const Beam m = BeamBuilder({6, 0}).uniform(1, 10).force(1, 0, 2).ends(Simple, Simple).beam();
    const CheckResult r = checkBeam(m);
    EXPECT_EQ(r.messages, (Lines{"第1跨集中力为零!", "第2跨跨度为零!"}));
    EXPECT_EQ(r.places, (std::vector<CheckPlace>{{1, 2}, {2, 0}}));
}

TEST(DataCheck, ProgressOneStepPerSpanAndPerLoad) {
    BeamBuilder builder(20, 6);
    for (int s = 1; s <= 20; ++s) {
        for (int k = 0; k < 10; ++k) {
            const int kind = k % 4 == 3 ? 7 : k % 4; // kind 7 is none the check knows
            builder.load(s, load(kind, 1, 1, kind == Trapezoidal ? 3.0f : 0.0f, 6));
        }
    }
    const Beam m = builder.beam();
    std::vector<int> steps;
    int lastTotal = 0;
    const CheckResult r = checkBeam(m, [&](int done, int total) {
        steps.push_back(done);
        lastTotal = total;
    });
    std::vector<int> expected(220);
    std::iota(expected.begin(), expected.end(), 1);
    EXPECT_EQ(steps, expected);
    EXPECT_EQ(lastTotal, 220);
    EXPECT_EQ(checkStepCount(m), 220);
    EXPECT_TRUE(r.passed);
}

} // namespace
} // namespace spanwise
