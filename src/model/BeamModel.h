// The one project the program holds: a continuous beam of 1..20 spans with up to 10 loads a
// span, and the result arrays of its last calculation.
//
// Plain data with fixed-size arrays, indexed like the engineer counts: spans 1..20 and loads
// 1..10. Slot 0 of every array exists; span slot 0 is never used, load slot 0 of a span is the
// scratch slot the single-span panel writes while no load is selected.
//
// Units never change: m, kN, kN/m, kN*m (moments and line stiffness i), kN*m*m (EI).
// Every real is single precision; counts, indices and codes are 16-bit signed integers.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace spanwise {

inline constexpr int kMaxSpans = 20;
inline constexpr int kMaxLoads = 10;

// Key sections of one span: left end, up to three positions for each of the 10 loads,
// right end and the -1 terminator.
inline constexpr int kKeySlots = 1 + 3 * kMaxLoads + 1 + 1;

// Outer end supports, in the order of the support lists.
enum SupportKind : std::int16_t { Simple = 0, Cantilever = 1, Fixed = 2 };

// Load kinds, in the order of the load-kind list; the code every load list item carries.
enum LoadKind : std::int16_t { Concentrated = 0, Uniform = 1, Trapezoidal = 2 };

inline constexpr const char* kNewProjectName = "新工程";

template <typename T> using SpanArray = std::array<T, kMaxSpans + 1>;
template <typename T> using LoadArray = std::array<std::array<T, kMaxLoads + 1>, kMaxSpans + 1>;
// Per span, per end: index 1 is the left end, 2 the right end (0 unused).
using EndArray = std::array<std::array<float, 3>, kMaxSpans + 1>;
using KeyTable = std::array<std::array<float, kKeySlots>, kMaxSpans + 1>;

struct BeamModel {
    // A new model is in the reset state of zero(): one simple span of length 0, EI = 1, i = 1.
    BeamModel();

    std::int16_t SpanCount = 1;
    std::int16_t CurrentSpan = 1;
    std::int16_t LeftSupport = Simple;
    std::int16_t RightSupport = Simple;
    std::string ProjectFileName = kNewProjectName; // UTF-8 path, or "新工程" when never named
    bool ProjectSaved = false;

    SpanArray<float> SpanLength{};
    SpanArray<float> SpanEI{};
    SpanArray<float> SpanLineStiffness{};
    SpanArray<std::int16_t> LoadCount{};
    SpanArray<std::int16_t> SelectedLoad{};

    LoadArray<std::int16_t> LoadKindOf{};
    LoadArray<float> LoadP{};
    LoadArray<float> LoadQ{};
    LoadArray<float> LoadA{};
    LoadArray<float> LoadB{};
    LoadArray<float> LoadC{};
    LoadArray<std::string> LoadText{};

    bool operator==(const BeamModel&) const = default;
};

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

    bool operator==(const BeamResults&) const = default;
};

// Reset of the input data (spans 1..20: L = 0, EI = 1, i = 1, no loads; one span shown) and of
// all results. Leaves LeftSupport, RightSupport, ProjectFileName, ProjectSaved and every slot 0
// alone: its callers (start-up, New, Open) set those themselves.
void zero(BeamModel& model, BeamResults& results);

// Clears the result arrays of spans 1..20; span slot 0 is left alone.
void ZERO1(BeamResults& results);

// Copies span `from` to span `to`: length, line stiffness, EI, load count, selected load and
// every load 1..LoadCount(from) with all its fields. Load slots of `to` above the copied count
// keep what they held.
void copySpan(BeamModel& model, int to, int from);

// Sets the values P, q, a, b and c of load slot k of span s to 0 (kind and text stay).
void clearLoadValues(BeamModel& model, int s, int k);

// Sets the load values (P, q, a, b, c) of loads 1..LoadCount(s) to 0, then the selected load
// and the load count; kinds and texts stay in their slots.
void clearLoads(BeamModel& model, int s);

} // namespace spanwise
