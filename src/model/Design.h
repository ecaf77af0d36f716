// What the reinforced-concrete design of the beam takes besides the beam itself: the project's
// materials and settings, each span's section (with the bars the engineer provided, if any) and
// each support's width and redistribution factor. Values, compared with ==, kept with the beam
// they describe (model/Beam.h) so that undo and the stale-result test cover them.
//
// Units: b, h, bf', hf', as and bar diameters in mm; support widths in m; spacings in mm.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace spanwise {

// The environment class of GB 50010 Table 3.5.2, as the design dialog lists them.
enum class Exposure : std::int16_t { One = 0, TwoA, TwoB, ThreeA, ThreeB };

// The project's design settings, with the defaults a new project takes.
struct DesignSettings {
    int concrete = 30; // the grade's number: C30 is 30 (20..80 in steps of 5)
    // the steels by their codes: 300 HPB300, 335 HRB335, 400 HRB400, 500 HRB500
    int longitudinalSteel = 400; // 300, 335, 400 or 500
    int stirrupSteel = 400;      // 300, 335 or 400
    Exposure environment = Exposure::One;
    float tensionCover = 0;  // as, mm from the tension face to one layer's centroid; 0: cover + 20
    float importance = 1.0f; // gamma0: 0.9, 1.0 or 1.1
    // as,top of the top bars (faces, 跨中负弯矩), which run under the slab's and the secondary
    // beams' bars in a main beam; 0: equal to as
    float topTensionCover = 0;

    bool operator==(const DesignSettings&) const = default;
};

// n bars of diameter d, of their own steel grade or of the project's.
struct BarSet {
    int count = 0;
    int diameter = 0;
    int grade = 0; // the steel's code (300, 335, 400, 500); 0: the project's longitudinal steel

    bool operator==(const BarSet&) const = default;
};

// Stirrups of d with the given number of legs at a spacing s.
struct StirrupSet {
    int legs = 0;
    int diameter = 0;
    int spacing = 0;
    int grade = 0; // the steel's code (300, 335, 400, 500); 0: the project's stirrup steel

    bool operator==(const StirrupSet&) const = default;
};

// The steel codes of the grades, and the letter drafting software writes for each: A HPB300,
// B HRB335, C HRB400, E HRB500.
inline constexpr int kSteelCodes[] = {300, 335, 400, 500};
// The letter of a code ('?' for none), and the code of a letter (either case; 0 for none).
char steelLetter(int code);
int steelCodeOfLetter(char letter);
// The grade a set is made of: its own, or the project's (0).
inline int gradeOf(int own, int project) {
    return own != 0 ? own : project;
}

// The section of a span: web b x h, and a compression flange bf' x hf' where the slab acts with
// the beam (both 0 for a rectangle). The bar sets are those the engineer provided; where one is
// absent the design proposes it.
struct SpanSection {
    float width = 0;          // b
    float depth = 0;          // h
    float flangeWidth = 0;    // bf'
    float flangeDepth = 0;    // hf'
    bool independent = false; // 独立梁: not cast with a slab
    std::optional<BarSet> bottomBars;
    std::optional<BarSet> topBars; // top bars inside the span (跨中负弯矩)
    std::optional<StirrupSet> stirrups;

    bool hasFlange() const { return flangeWidth > 0 && flangeDepth > 0; }
    bool operator==(const SpanSection&) const = default;
};

// A support's design data: its width (a column, wall or girder), the redistribution factor
// beta of its moment and the top bars provided over it.
struct SupportDesign {
    float width = 0;          // m
    float redistribution = 0; // beta, 0..0.25
    std::optional<BarSet> topBars;
    // The support's axis as the engineer names it on the drawings, where the beam's axes are
    // typed (AxisStyle::Typed); empty: the axis keeps its number.
    std::string axis;

    bool operator==(const SupportDesign&) const = default;
};

// The member the drawing names and details: 非框架梁 L (Lg with a fixed end, XL without a span
// held at both ends) or 楼层框架梁 KL (detailed without seismic rules), its number, how the steel
// signs are written (the letters A B C E, the codes %%130…%%133 of a structural symbol font, or Φ
// for every grade), and the secondary beams that bring the concentrated forces: their width bs
// and this beam's depth h1 below their bottom (the zone of the additional stirrups).
enum class MemberCode : std::int8_t { NonFrame = 0, Frame = 1 };
enum class DrawingSigns : std::int8_t { Letters = 0, Codes = 1, Phi = 2 };
struct MemberData {
    MemberCode code = MemberCode::NonFrame;
    int number = 1; // 1 … 999
    DrawingSigns signs = DrawingSigns::Letters;
    int secondaryWidth = 200; // bs, 100 … 2000 mm
    int secondaryDrop = 0;    // h1, 0 … 3000 mm

    bool operator==(const MemberData&) const = default;
};
// Which value a rule refuses, and the rule's words; nothing where every value can be used.
enum class MemberPart : std::int8_t { Number, SecondaryWidth, SecondaryDrop };
struct MemberFault {
    MemberPart part;
    std::string words;
};
std::optional<MemberFault> memberFault(const MemberData& member);

// Bar sets to be kept as provided, as the design proposed them: per span (s at s - 1) its bottom
// bars, its top bars inside it and its stirrups, per support (0..N) its top bars; an empty
// entry leaves what the project has.
struct ProvidedBars {
    struct OfSpan {
        std::optional<BarSet> bottom, spanTop;
        std::optional<StirrupSet> stirrups;
    };
    std::vector<OfSpan> spans;
    std::vector<std::optional<BarSet>> supports;

    bool empty() const;
};

// The ranges the design takes, and the values a user may not enter; each function is empty (or
// nothing) when the values can be used, else why not, in the words the dialogs and the file's
// reader show.

// A grade, a steel or a factor outside the lists of the design dialog; as or as,top negative.
std::optional<std::string> designSettingsProblem(const DesignSettings& settings);

// GB 50010 4.1.2: concrete below C25 with a steel of 400 MPa or more (longitudinal or stirrup,
// the project's or a set's own). The data check's words.
inline constexpr const char* kConcreteBelowC25Words =
    "采用 400MPa 及以上钢筋时混凝土强度等级不应低于 C25（GB 50010 4.1.2）";
bool concreteTooWeakFor(int concrete, int steelCode);

// The value of a section or a support a rule refuses, and the rule's words: what a dialog marks.
enum class SectionPart : std::int8_t {
    Width,
    Depth,
    FlangeWidth,
    FlangeDepth,
    BottomBars,
    TopBars,
    Stirrups
};
struct SectionFault {
    SectionPart part;
    std::string words;
};
enum class SupportPart : std::int8_t { Width, Redistribution, TopBars, Axis };
struct SupportFault {
    SupportPart part;
    std::string words;
};

// b 100..2000 and h 150..3000 mm; a flange with bf' > b and 0 < hf' < h, or none (both 0); bars
// within the ranges an engineer may provide. The first value that breaks a rule, or nothing.
std::optional<SectionFault> sectionFault(const SpanSection& section);
// Its words, or empty.
std::string sectionProblem(const SpanSection& section);

// Width 0..10 m; beta 0..0.25; top bars within the ranges.
std::optional<SupportFault> supportDesignFault(const SupportDesign& support);
std::string supportDesignProblem(const SupportDesign& support);

// n 2..20 of a diameter 10..40 of the list, a grade of the list or 0; stirrups of 2, 3, 4 or 6
// legs, a diameter 6..14 of the list, spacing 50..400 mm, a grade of the list or 0.
std::string barSetProblem(const BarSet& bars);
std::string stirrupSetProblem(const StirrupSet& stirrups);

// The environment classes as the dialog lists them, and as the project file writes them.
const char* exposureName(Exposure exposure); // "一", "二a", …
const char* exposureCode(Exposure exposure); // "1", "2a", …
std::optional<Exposure> exposureOfCode(const std::string& code);

} // namespace spanwise
