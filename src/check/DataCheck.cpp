#include "check/DataCheck.h"

#include "analysis/Solver.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>

namespace spanwise {

namespace {

// Rounds a double to single precision; a value that would round to infinity gives infinity
// without relying on an out-of-range conversion.
float roundToSingle(double v) {
    constexpr double kOverflow = double{std::numeric_limits<float>::max()} + 0x1p103;
    if (std::fabs(v) >= kOverflow) {
        return v > 0 ? std::numeric_limits<float>::infinity()
                     : -std::numeric_limits<float>::infinity();
    }
    return static_cast<float>(v);
}

// Position of a float on the line of all floats, -0 and +0 sharing 0: neighbouring floats
// differ by one.
std::int64_t floatOrdinal(float v) {
    const auto bits = std::bit_cast<std::uint32_t>(v);
    const auto magnitude = static_cast<std::int64_t>(bits & 0x7fffffffU);
    return (bits & 0x80000000U) != 0 ? -magnitude : magnitude;
}

} // namespace

void SpanMessages::add(const char* ruleText) {
    m_list.push_back("第" + std::to_string(m_span) + ruleText);
}

std::string jointWithoutStiffnessMessage(int joint) {
    return "第" + std::to_string(joint) + "支座两侧转动刚度均为零!";
}

bool Total_Check(SpanMessages& out, float al, float aEI) {
    bool ok = true;
    auto fail = [&](const char* text) {
        out.add(text);
        ok = false;
    };
    if (al == 0) {
        fail(kLengthZero);
    }
    if (aEI == 0) {
        fail(kRigidityZero);
    }
    if (al < 0) {
        fail(kLengthNegative);
    }
    if (aEI < 0) {
        fail(kRigidityNegative);
    }
    return ok;
}

bool lineStiffnessCheck(SpanMessages& out, float ai) {
    if (ai < 0) {
        out.add(kLineStiffnessNegative);
        return false;
    }
    return true;
}

bool sumMatchesLength(float a, float b, float L) {
    const float sum = roundToSingle(double{a} + double{b});
    if (!std::isfinite(sum) || !std::isfinite(L)) {
        return false;
    }
    const std::int64_t distance = floatOrdinal(sum) - floatOrdinal(L);
    return distance >= -2 && distance <= 2;
}

bool P_Check(SpanMessages& out, float aP, float aa, float ab, float al) {
    bool ok = true;
    auto fail = [&](const char* text) {
        out.add(text);
        ok = false;
    };
    if (aP == 0) {
        fail(kForceZero);
    }
    if (!sumMatchesLength(aa, ab, al)) {
        fail(kForceSumNotLength);
    }
    if (aa < 0 || ab < 0) {
        fail(kForceOutsideSpan);
    }
    return ok;
}

bool q_Check(SpanMessages& out, float aq) {
    if (aq == 0) {
        out.add(kUniformZero);
        return false;
    }
    return true;
}

bool T_Check(SpanMessages& out, float aq, float aa, float al) {
    bool ok = true;
    auto fail = [&](const char* text) {
        out.add(text);
        ok = false;
    };
    if (aq == 0) {
        fail(kTrapezoidZero);
    }
    if (roundToSingle(2.0 * aa) > al) {
        fail(kTrapezoidOverHalf);
    }
    if (aa == 0) {
        fail(kTrapezoidAZero);
    }
    if (aa < 0) {
        fail(kTrapezoidANegative);
    }
    return ok;
}

int checkStepCount(const BeamModel& model) {
    int steps = 0;
    for (int s = 1; s <= model.SpanCount && s <= kMaxSpans; ++s) {
        steps += 1 + model.LoadCount[static_cast<std::size_t>(s)];
    }
    return steps;
}

CheckResult checkModel(const BeamModel& model, const CheckProgress& progress) {
    const int N = model.SpanCount;
    if (N < 1 || N > kMaxSpans) {
        throw std::invalid_argument("checkModel: span count out of range");
    }
    for (int s = 1; s <= N; ++s) {
        const int loads = model.LoadCount[static_cast<std::size_t>(s)];
        if (loads < 0 || loads > kMaxLoads) {
            throw std::invalid_argument("checkModel: load count out of range");
        }
    }

    CheckResult result;
    auto& list = result.messages;
    bool passed = true;
    const int total = checkStepCount(model);
    int done = 0;
    auto advance = [&] {
        ++done;
        if (progress) {
            progress(done, total);
        }
    };

    const bool mechanism =
        N == 2 && model.LeftSupport == Cantilever && model.RightSupport == Cantilever;
    if (mechanism) {
        list.emplace_back(kMechanism);
        passed = false;
    }

    for (int s = 1; s <= N; ++s) {
        const auto si = static_cast<std::size_t>(s);
        SpanMessages out(list, s);
        const float L = model.SpanLength[si];
        // both rules run: a span may be reported for its EI and its i at once
        const bool spanOk = Total_Check(out, L, model.SpanEI[si]);
        const bool stiffnessOk = lineStiffnessCheck(out, model.SpanLineStiffness[si]);
        passed = passed && spanOk && stiffnessOk;
        advance();
        for (int k = 1; k <= model.LoadCount[si]; ++k) {
            const auto ki = static_cast<std::size_t>(k);
            bool loadOk = true;
            switch (model.LoadKindOf[si][ki]) {
            case Concentrated:
                loadOk =
                    P_Check(out, model.LoadP[si][ki], model.LoadA[si][ki], model.LoadB[si][ki], L);
                break;
            case Uniform:
                loadOk = q_Check(out, model.LoadQ[si][ki]);
                break;
            case Trapezoidal:
                loadOk = T_Check(out, model.LoadQ[si][ki], model.LoadA[si][ki], L);
                break;
            default:
                break; // an unknown kind is not tested
            }
            passed = passed && loadOk;
            advance();
        }
    }

    // a mechanism's only joint has no stiffness on either side; that was said already
    for (int j = 1; j <= N - 1 && !mechanism; ++j) {
        if (rotationalStiffness(model, j) + rotationalStiffness(model, j + 1) == 0) {
            list.push_back(jointWithoutStiffnessMessage(j));
            passed = false;
        }
    }

    if (passed) {
        list.emplace_back(kNoErrors);
    }
    result.passed = passed;
    return result;
}

} // namespace spanwise
