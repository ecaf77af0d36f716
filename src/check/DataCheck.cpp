#include "check/DataCheck.h"

#include "design/SectionStiffness.h"

#include "check/DesignCheck.h"

#include "analysis/DeflectionTable.h"
#include "analysis/NumberFormat.h"
#include "analysis/Single.h"
#include "analysis/Solver.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>

namespace spanwise {

namespace {

// Position of a float on the line of all floats, -0 and +0 sharing 0: neighbouring floats
// differ by one.
std::int64_t floatOrdinal(float v) {
    const auto bits = std::bit_cast<std::uint32_t>(v);
    const auto magnitude = static_cast<std::int64_t>(bits & 0x7fffffffU);
    return (bits & 0x80000000U) != 0 ? -magnitude : magnitude;
}

// Relative difference of i from EI/L that still counts as proportional.
constexpr double kStiffnessTolerance = 1e-3;

// L, EI and i all positive and finite, with EI/L within the float range.
bool usableForStiffness(const Span& span) {
    const double quotient = double{span.ei} / span.length;
    return span.length > 0 && span.ei > 0 && span.lineStiffness > 0 && std::isfinite(span.length) &&
           std::isfinite(span.ei) && std::isfinite(span.lineStiffness) &&
           quotient <= std::numeric_limits<float>::max();
}

} // namespace

void SpanMessages::add(const char* ruleText) {
    m_list.push_back("第" + std::to_string(m_span) + ruleText);
    m_places.push_back(CheckPlace{m_span, m_load});
}

std::string jointWithoutStiffnessMessage(int joint) {
    return "第" + std::to_string(joint) + "支座两侧转动刚度均为零!";
}

bool checkLengthAndRigidity(SpanMessages& out, float al, float aEI) {
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
    if (!std::isfinite(ai)) {
        out.add(kLineStiffnessOutOfRange);
        return false;
    }
    return true;
}

bool sumMatchesLength(float a, float b, float L) {
    const std::optional<float> sum = singleIfFinite(double{a} + double{b});
    if (!sum || !std::isfinite(L)) {
        return false;
    }
    const std::int64_t distance = floatOrdinal(*sum) - floatOrdinal(L);
    return distance >= -2 && distance <= 2;
}

bool checkConcentratedForce(SpanMessages& out, float aP, float aa, float ab, float al) {
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

bool checkUniformLoad(SpanMessages& out, float aq) {
    if (aq == 0) {
        out.add(kUniformZero);
        return false;
    }
    return true;
}

bool checkTrapezoid(SpanMessages& out, float aq, float aa, float al) {
    bool ok = true;
    auto fail = [&](const char* text) {
        out.add(text);
        ok = false;
    };
    if (aq == 0) {
        fail(kTrapezoidZero);
    }
    const std::optional<float> twice = singleIfFinite(2.0 * double{aa});
    // beyond the float range, 2a is over half of any span when a is positive
    if (twice ? *twice > al : aa > 0) {
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

bool checkStretchLoad(SpanMessages& out, LoadKind kind, float aq, float aq2, float aa, float ab,
                      float ac, float al) {
    bool ok = true;
    auto fail = [&](const char* text) {
        out.add(text);
        ok = false;
    };
    const bool linear = kind == Linear;
    if (aq == 0 && (!linear || aq2 == 0)) {
        fail(linear ? kLinearZero : kPartialZero);
    }
    if (ac == 0) {
        fail(linear ? kLinearLengthZero : kPartialLengthZero);
    }
    if (aa < 0 || ab < 0 || ac < 0) {
        fail(linear ? kLinearNegative : kPartialNegative);
    }
    const std::optional<float> end = singleIfFinite(double{aa} + double{ac});
    if (!end || (*end > al && floatOrdinal(*end) - floatOrdinal(al) > 2)) {
        fail(linear ? kLinearBeyondSpan : kPartialBeyondSpan);
    }
    return ok;
}

bool checkCouple(SpanMessages& out, float aM, float aa, float ab, float al) {
    bool ok = true;
    if (aM == 0) {
        out.add(kCoupleZero);
        ok = false;
    }
    if (!(aa >= 0 && aa <= al) || ab < 0) {
        out.add(kCoupleOutsideSpan);
        ok = false;
    }
    return ok;
}

std::vector<std::string> lineStiffnessNotices(const Beam& beam, std::vector<CheckPlace>* places) {
    std::vector<std::string> notices;
    const int N = beam.spanCount();
    bool allRigiditiesReset = true;
    double smallestRatio = std::numeric_limits<double>::infinity();
    double largestRatio = 0;
    for (const Span& span : beam.spans) {
        allRigiditiesReset = allRigiditiesReset && span.ei == 1;
        if (usableForStiffness(span)) {
            const double ratio = double{span.lineStiffness} * span.length / span.ei;
            smallestRatio = std::min(smallestRatio, ratio);
            largestRatio = std::max(largestRatio, ratio);
        }
    }
    if (allRigiditiesReset || !(largestRatio > smallestRatio * (1 + kStiffnessTolerance))) {
        return notices;
    }
    for (int s = 1; s <= N; ++s) {
        const Span& span = beam.span(s);
        if (!usableForStiffness(span)) {
            continue;
        }
        const double quotient = double{span.ei} / span.length;
        if (std::fabs(span.lineStiffness - quotient) > kStiffnessTolerance * quotient) {
            notices.push_back(
                "第" + std::to_string(s) + "跨线刚度 i = " + fieldText(span.lineStiffness) +
                " 与 EI/L = " + fieldText(static_cast<float>(quotient)) + " 不成比例");
            if (places != nullptr) {
                places->push_back(CheckPlace{s, 0});
            }
        }
    }
    return notices;
}

std::string checkPlaceText(const CheckPlace& place) {
    if (place.span == 0) {
        return "整体";
    }
    const std::string span = "第" + std::to_string(place.span) + "跨";
    return place.load == 0 ? span : span + "第" + std::to_string(place.load) + "个荷载";
}

int checkStepCount(const Beam& beam) {
    int steps = 0;
    for (int s = 1; s <= beam.spanCount() && s <= kMaxSpans; ++s) {
        steps += 1 + beam.span(s).loadCount();
    }
    return steps;
}

CheckResult checkBeam(const Beam& typed, const CheckProgress& progress) {
    // spans with a section are checked with the stiffness it gives, as they are calculated
    const Beam beam = calculationBeam(typed);
    const int N = beam.spanCount();
    if (N < 1 || N > kMaxSpans) {
        throw std::invalid_argument("checkBeam: span count out of range");
    }
    for (int s = 1; s <= N; ++s) {
        const int loads = beam.span(s).loadCount();
        if (loads < 0 || loads > kMaxLoads) {
            throw std::invalid_argument("checkBeam: load count out of range");
        }
    }

    CheckResult result;
    auto& list = result.messages;
    bool passed = true;
    const int total = checkStepCount(beam);
    int done = 0;
    auto advance = [&] {
        ++done;
        if (progress) {
            progress(done, total);
        }
    };

    // two cantilever ends on two spans; on one span a free end held only by a simple support
    const bool mechanism =
        (N == 2 && beam.leftSupport == Cantilever && beam.rightSupport == Cantilever) ||
        (N == 1 && (beam.leftSupport == Cantilever || beam.rightSupport == Cantilever) &&
         beam.leftSupport != Fixed && beam.rightSupport != Fixed);
    if (mechanism) {
        list.emplace_back(kMechanism);
        result.places.emplace_back();
        passed = false;
    }

    for (int s = 1; s <= N; ++s) {
        const auto si = static_cast<std::size_t>(s);
        SpanMessages out(list, result.places, s);
        const float L = beam.span(si).length;
        // both rules run: a span may be reported for its EI and its i at once
        const bool spanOk = checkLengthAndRigidity(out, L, beam.span(si).ei);
        const bool stiffnessOk = lineStiffnessCheck(out, beam.span(si).lineStiffness);
        passed = passed && spanOk && stiffnessOk;
        advance();
        for (int k = 1; k <= beam.span(si).loadCount(); ++k) {
            const auto ki = static_cast<std::size_t>(k);
            out.setLoad(k);
            bool loadOk = true;
            switch (beam.span(si).load(ki).kind) {
            case Concentrated:
                loadOk =
                    checkConcentratedForce(out, beam.span(si).load(ki).P, beam.span(si).load(ki).a,
                                           beam.span(si).load(ki).b, L);
                break;
            case Uniform:
                loadOk = checkUniformLoad(out, beam.span(si).load(ki).q);
                break;
            case Trapezoidal:
                loadOk = checkTrapezoid(out, beam.span(si).load(ki).q, beam.span(si).load(ki).a, L);
                break;
            case PartialUniform:
            case Linear: {
                const Load& load = beam.span(si).load(ki);
                loadOk =
                    checkStretchLoad(out, load.kind, load.q, load.P, load.a, load.b, load.c, L);
                break;
            }
            case Couple: {
                const Load& load = beam.span(si).load(ki);
                loadOk = checkCouple(out, load.P, load.a, load.b, L);
                break;
            }
            default:
                break; // an unknown kind is not tested
            }
            passed = passed && loadOk;
            advance();
        }
    }

    // a mechanism's only joint has no stiffness on either side; that was said already
    for (int j = 1; j <= N - 1 && !mechanism; ++j) {
        if (rotationalStiffness(beam, j) + rotationalStiffness(beam, j + 1) == 0) {
            list.push_back(jointWithoutStiffnessMessage(j));
            result.places.emplace_back();
            passed = false;
        }
    }

    passed = checkDesignData(beam, list, result.places) && passed;

    if (passed) {
        list.emplace_back(kNoErrors);
        result.places.emplace_back();
    }
    result.passed = passed;
    result.notices = lineStiffnessNotices(beam, &result.noticePlaces);
    result.lineStiffnessMismatch = !result.notices.empty();
    // a deflection needs the real EI of every span; the moments may come from i alone
    for (int s = 1; s <= N; ++s) {
        if (beam.span(s).ei == kDefaultRigidity) {
            result.notices.push_back(defaultRigidityNote(beam));
            result.noticePlaces.push_back(CheckPlace{s, 0});
            break;
        }
    }
    return result;
}

} // namespace spanwise
