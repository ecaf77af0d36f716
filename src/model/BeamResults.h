// Everything a calculation leaves behind, indexed like the engineer counts: spans 1..20 (slot
// 0 unused), ends 1 (left) and 2 (right). A value-initialised BeamResults{} is the state
// before any calculation; every calculation starts from it.
#pragma once

#include "model/Beam.h"

#include <array>
#include <cstdint>

namespace spanwise {

template <typename T> using SpanArray = std::array<T, kMaxSpans + 1>;

// Which side of a section a value belongs to where a concentrated moment makes M jump there.
enum class MomentSide : std::int8_t { None = 0, Left, Right };
// Per span, per end: index 1 is the left end, 2 the right end (0 unused).
using EndArray = std::array<std::array<float, 3>, kMaxSpans + 1>;
using KeyTable = std::array<std::array<float, kKeySlots>, kMaxSpans + 1>;

// Everything the calculation leaves behind; rebuilt from scratch by every calculation.
// Moments are member-end moments on the span, clockwise positive: the bending moment of the
// beam is EndMoment[s][1] at the left end of span s and -EndMoment[s][2] at its right end.
struct BeamResults {
    EndArray FixedEndMoment{};
    SpanArray<float> StiffnessFactor{};
    EndArray DistributionFactor{};
    SpanArray<float> CarryOverFactor{};
    EndArray EndMoment{};
    EndArray DistributedMoment{};

    // Key sections: slot 0 is the left end, slots 1..KeyPointLast[s] hold the sorted positions
    // with L last, the slot after the last holds -1.
    KeyTable KeyPointX{};
    KeyTable KeyPointM{};
    KeyTable KeyPointV{};
    SpanArray<std::int16_t> KeyPointLast{};

    SpanArray<float> SpanMaxMoment{};
    SpanArray<float> SpanMaxMomentX{};
    SpanArray<MomentSide> SpanMaxMomentSide{}; // on a concentrated moment: which side

    bool operator==(const BeamResults&) const = default;
};

} // namespace spanwise
