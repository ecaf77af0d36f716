// The beam as values: a Load, a Span carrying its loads, a Beam of 1..20 spans with its two
// outer end supports, and the Project document that adds what the project file keeps besides
// the beam (the span shown and each span's selected load).
//
// Values compare with == and copy cheaply: undo keeps copies, a calculation keeps the beam it
// was computed from, and a result is stale exactly when that beam differs from the edited one.
// The file name and the saved flag are not here: they belong to the running program.
//
// Units never change: m, kN, kN/m, kN*m (moments and line stiffness i), kN*m*m (EI).
// Every real is stored in single precision; expressions are evaluated in double and rounded
// once when stored (analysis/Single.h). Spans and loads are numbered from 1 as the engineer
// counts them: span(s) is spans[s - 1], and a span's load k is loads[k - 1].
#pragma once

#include "model/Design.h"
#include "model/ProjectInfo.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace spanwise {

inline constexpr int kMaxSpans = 20;
inline constexpr int kMaxLoads = 10;
// The loads a span carries in a calculation: the typed ones and the beam's own weight.
inline constexpr int kMaxCalculatedLoads = kMaxLoads + 1;

// Key sections of one span: left end, up to three positions for each load, right end and the
// -1 terminator.
inline constexpr int kKeySlots = 1 + 3 * kMaxCalculatedLoads + 1 + 1;

// Outer end supports, in the order of the support lists (the code the project file stores).
enum SupportKind : std::int16_t { Simple = 0, Cantilever = 1, Fixed = 2 };

// Load kinds, in the order of the load-kind list (the code the project file stores).
enum LoadKind : std::int16_t {
    Concentrated = 0,   // P at a
    Uniform = 1,        // q over the whole span
    Trapezoidal = 2,    // symmetric: 0 at both ends, rising over a to q, falling over the last a
    PartialUniform = 3, // q over c from a
    Linear = 4,         // q1 at a varying linearly to q2 at a + c
    Couple = 5,         // a concentrated moment M at a, clockwise positive
};
inline constexpr int kLoadKindCount = 6;

inline bool isLoadKind(int code) {
    return code >= 0 && code < kLoadKindCount;
}

// What a load is: permanent (恒载 G) or variable (活载 Q), the code the project file stores.
// The live loads of a span are placed or removed together when the envelope is sought.
enum LoadCase : std::int16_t { Dead = 0, Live = 1 };

// The name of a project that was never saved or opened, as the title bar shows it.
inline constexpr const char* kNewProjectName = "新工程";

// The rigidity a span has before the user enters one (EI = 1 kN*m*m, as a new span takes it):
// its moments may come from the line stiffness alone, but its deflection means nothing.
inline constexpr float kDefaultRigidity = 1;

// The name of a load kind as the load-kind list shows it; a new load takes it as its text.
inline const char* loadKindName(LoadKind kind) {
    switch (kind) {
    case Concentrated:
        return "集中力";
    case Uniform:
        return "均布荷载";
    case PartialUniform:
        return "局部均布荷载";
    case Linear:
        return "线性分布荷载";
    case Couple:
        return "集中力偶";
    default:
        return "梯形荷载";
    }
}

// A load's values; which of them a kind uses, and what they mean for it:
//   Concentrated    P (kN) at a; b = L - a
//   Uniform         q (kN/m)
//   Trapezoidal     q (kN/m), ramps a
//   PartialUniform  q (kN/m) from a over c; b = L - a - c
//   Linear          q1 = q at a, q2 = P at a + c (kN/m); b = L - a - c
//   Couple          M = P (kN*m, clockwise positive) at a; b = L - a
// a is measured from the span's left end, and on a span free at its right end (a cantilever
// end span) from that free end, so that there q1 is the intensity nearer the free end. The
// project file keeps the values in these fields whatever the kind. c is kept with every load;
// only the partial and linear loads read it.
struct Load {
    LoadKind kind = Concentrated;
    float P = 0;      // concentrated force (kN); q2 of a linear load (kN/m); moment (kN*m)
    float q = 0;      // intensity (kN/m): uniform, trapezoid plateau, partial, q1 of a linear
    float a = 0;      // m, where the load starts
    float b = 0;      // m, what remains of the span after it
    float c = 0;      // m, the length of a partial or linear load
    std::string text; // the load list's text: the kind's name when the load was added
    LoadCase loadCase = Dead;

    bool operator==(const Load&) const = default;
};

// True for the kinds added after the first three, which a project file marks as needing a
// reader of its extension block's version 2.
inline bool isLaterKind(LoadKind kind) {
    return kind == PartialUniform || kind == Linear || kind == Couple;
}

struct Span {
    float length = 0;            // L, m
    float ei = kDefaultRigidity; // flexural rigidity EI, kN*m*m
    float lineStiffness = 1;     // i, kN*m: the stiffness the moment distribution uses
    std::vector<Load> loads;     // 0..10, in the order of the span's load list
    // The reinforced-concrete section of the span, when given: then EI and i follow from it
    // (design/SectionStiffness.h) and the typed ones are kept but not used.
    std::optional<SpanSection> section;
    // The support at the span's right end (support s of 0..N), which stays where it is when
    // spans are inserted, deleted or copied; the left end of span 1 is Beam::firstSupportDesign.
    SupportDesign rightSupportDesign;

    int loadCount() const { return static_cast<int>(loads.size()); }
    const Load& load(int k) const { return loads[static_cast<std::size_t>(k - 1)]; }
    Load& load(int k) { return loads[static_cast<std::size_t>(k - 1)]; }

    bool operator==(const Span&) const = default;
};

// A span of the given length and stiffnesses carrying the loads, without a section.
inline Span spanWith(float length, float ei, float lineStiffness, std::vector<Load> loads = {}) {
    Span span;
    span.length = length;
    span.ei = ei;
    span.lineStiffness = lineStiffness;
    span.loads = std::move(loads);
    return span;
}

// The partial factors of the basic combination gammaG * G + gammaQ * gammaL * Q. With
// deadFavourable set, the dead load of each span may instead take that factor wherever this
// makes a force worse; without it every span's dead load takes gammaG.
struct CombinationFactors {
    float dead = 1.3f;                   // gammaG
    float live = 1.5f;                   // gammaQ
    float designLife = 1.0f;             // gammaL, 1.0 for a 50-year design life
    std::optional<float> deadFavourable; // gammaG where the dead load is favourable, usually 1.0

    bool operator==(const CombinationFactors&) const = default;
};

// Empty when the factors can be used; else why not, as the combination dialog shows it: every
// factor positive and finite, the favourable dead-load factor not above gammaG.
std::string combinationFactorsProblem(const CombinationFactors& factors);

// What the deflection check takes: the quasi-permanent share of the live load (psi_q) and the
// limit l0 / n every span is held to: one n for every span, or by default (n = 0) the n GB 50010
// Table 3.4.3 gives for the span's l0 (deflectionLimitFor).
struct DeflectionSettings {
    float quasiPermanent = 0.5f; // psi_q
    float limitDenominator = 0;  // n of l0 / n; 0: by l0 as Table 3.4.3 gives it

    bool byTable() const { return limitDenominator == 0; }
    bool operator==(const DeflectionSettings&) const = default;
};

// Empty when the settings can be used; else why not: psi_q in 0..1, the denominator 0 (by the
// table) or positive and finite.
std::string deflectionSettingsProblem(const DeflectionSettings& settings);

// The n of the limit l0 / n of a span whose check length is l0 (m; twice the length of a
// cantilever): the fixed n, or by GB 50010 Table 3.4.3 l0 / 200 below 7 m, l0 / 250 from 7 to
// 9 m and l0 / 300 above 9 m.
float deflectionLimitFor(const DeflectionSettings& settings, double checkLength);

// How the supports' axes are named on the drawings, in the tables and in the outputs: ①②③…
// from the left (free ends have no axis), A B C … (I, O and Z are skipped, as drawings do), or
// as typed per support.
enum class AxisStyle : std::int16_t { Numbers = 0, Letters = 1, Typed = 2 };

struct Beam {
    SupportKind leftSupport = Simple;               // left end of span 1
    SupportKind rightSupport = Simple;              // right end of the last span
    std::vector<Span> spans = std::vector<Span>(1); // 1..20
    // Kept with the loads they factor: an envelope belongs to the beam it was computed from.
    CombinationFactors factors;
    DeflectionSettings deflection;
    ProjectInfo info;
    DesignSettings design;
    SupportDesign firstSupportDesign; // support 0, at the left end of span 1
    AxisStyle axisStyle = AxisStyle::Numbers;
    MemberData member; // the member the drawing names and details
    // γ (kN/m³) of the beam's own weight, carried as a dead load by every span with a section;
    // 0: not counted (a file without the setting), 25 for a new project
    float selfWeight = 0;

    int spanCount() const { return static_cast<int>(spans.size()); }
    const Span& span(int s) const { return spans[static_cast<std::size_t>(s - 1)]; }
    Span& span(int s) { return spans[static_cast<std::size_t>(s - 1)]; }

    bool operator==(const Beam&) const = default;
};

// True when a load of the beam is live, so that the envelope differs from gammaG * G.
bool hasLiveLoads(const Beam& beam);

// The design data of support j (0 at the left end of span 1 … N at the right end of span N);
// j must be in 0..spanCount.
const SupportDesign& supportDesign(const Beam& beam, int j);
SupportDesign& supportDesign(Beam& beam, int j);

// True when support j (0..spanCount) is a cantilever's free end: no support at all.
bool isFreeEnd(const Beam& beam, int j);

// True when the beam holds design data a file must keep: settings other than the defaults, a
// section, or a support with a width, a beta or bars.
bool hasDesignData(const Beam& beam);

// True when every span has a section: the beam can be designed.
bool hasSections(const Beam& beam);

// The rules of the design data the beam must keep, each with the words every place that asks
// it shows (the editor, the data check, the project file's reader and writer, the dialogs).

// Redistribution (GB 50010 5.4.2, 5.4.3): beta may be taken at an interior support between two
// spans held at both ends, or at a fixed outer end of a span held at both ends (never beside a
// cantilever, whose moment is statically determinate), and never in environment 三a or 三b.
inline constexpr const char* kNoRedistributionInEnvironment = "环境类别为三a、三b 时不调幅";
inline constexpr const char* kNoRedistributionThere =
    "只能用于两侧均为两端支承跨的中间支座或两端支承跨的固定端（悬臂旁的支座、简支端不调幅）";
// Why beta may not be taken at support j (0..spanCount): one of the words above, or empty
// where it may.
std::string whyNoRedistribution(const Beam& beam, int j);
inline bool redistributionAllowed(const Beam& beam, int j) {
    return whyNoRedistribution(beam, j).empty();
}
// beta > 0 where it may not be taken: "左端支座：不能调幅，…", or empty.
std::string redistributionProblem(const Beam& beam, int j);

// as and as,top (0 takes the cover + 20, or as, which every depth allows) below half the depth of
// a section.
inline constexpr const char* kTensionCoverWords = "as、as,top 应小于梁高的一半";
bool tensionCoverFits(const DesignSettings& settings, const SpanSection& section);
// "第s跨：as 应小于梁高的一半" for the first span whose section it does not fit, or empty.
std::string tensionCoverProblem(const Beam& beam);

// What a project file may not hold (empty when it may): the first of tensionCoverProblem() and
// redistributionProblem() at every support.
std::string designFileProblem(const Beam& beam);

// Sets beta back to 0 at every support where it may no longer be taken (a support that became
// the root of a cantilever, environment 三a or 三b); true when it changed any.
bool dropDisallowedRedistribution(Beam& beam);

// How one end of a span is held. Interior ends are continuous over a simple support.
enum class EndSupport { Continuous, Simple, Free, Fixed };

struct SpanEnds {
    EndSupport left = EndSupport::Simple;
    EndSupport right = EndSupport::Simple;
};

// The one rule for how span s (1..spanCount) is supported at each end: the outer end of span 1
// follows the left support, the outer end of the last span the right support (simple, free for
// a cantilever, fixed), every other end is continuous over a simple support. A one-span beam
// takes both supports: simple or fixed at either end, or a cantilever from a fixed end (the
// data check refuses the pairs that are mechanisms).
SpanEnds spanEnds(const Beam& beam, int s);

// The document the main window edits and the project file stores.
struct Project {
    Beam beam;
    int currentSpan = 1; // the span shown in the single-span panel, 1..spanCount
    // Per span 1..20 (index s - 1): the selected load, 1..loadCount, or 0 for none. Entries
    // above the span count belong to the spare spans below.
    std::array<int, kMaxSpans> selectedLoads{};
    // Spans above the span count that the user had before lowering it, in order (spare span 0
    // is span spanCount + 1): raising the count brings them back unchanged. Never saved.
    std::vector<Span> spareSpans;

    int selectedLoad(int s) const { return selectedLoads[static_cast<std::size_t>(s - 1)]; }
    int& selectedLoad(int s) { return selectedLoads[static_cast<std::size_t>(s - 1)]; }
    const Span& shownSpan() const { return beam.span(currentSpan); }

    bool operator==(const Project&) const = default;
};

} // namespace spanwise
