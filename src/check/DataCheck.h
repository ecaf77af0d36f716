// The data check: the rules a beam must satisfy before the internal-force calculation may run.
//
// Every broken rule adds one line to the error list the data-check window shows; the check never
// stops at the first error. Span messages read "第" + span number + rule text; the texts are
// the program's own and must not change (the tests compare them byte for byte).
// Values are compared as the stored single-precision numbers and zero tests are exact. The
// input fields refuse a minus sign, so the zero tests let negative values through; a project
// file can still hold them, and the negative-value rules catch those the calculation cannot
// use. Negative P and q stay legal: they are upward loads.
#pragma once

#include "model/Beam.h"
#include "model/BeamResults.h"

#include <functional>
#include <string>
#include <vector>

namespace spanwise {

// Rule texts, each appended after "第s".
inline constexpr const char* kLengthZero = "跨跨度为零!";
inline constexpr const char* kRigidityZero = "跨刚度为零! "; // the trailing blank belongs to it
inline constexpr const char* kForceZero = "跨集中力为零!";
inline constexpr const char* kForceSumNotLength = "跨集中力 a 加 b 不等于跨度!";
inline constexpr const char* kUniformZero = "跨均布荷载为零!";
inline constexpr const char* kTrapezoidZero = "跨梯形荷载为零!";
inline constexpr const char* kTrapezoidOverHalf = "跨梯形荷载 a 大于跨度一半!";
inline constexpr const char* kTrapezoidAZero = "跨梯形荷载 a 等于零!";
// Values a project file can hold but the input fields refuse.
inline constexpr const char* kLengthNegative = "跨跨度为负!";
inline constexpr const char* kRigidityNegative = "跨刚度为负!";
inline constexpr const char* kLineStiffnessNegative = "跨线刚度为负!";
// i = EI/L of a section on a span too short for it: beyond the float range.
inline constexpr const char* kLineStiffnessOutOfRange = "跨线刚度 EI/L 超出数值范围，跨度过小!";
inline constexpr const char* kForceOutsideSpan = "跨集中力位置超出跨度!";
inline constexpr const char* kTrapezoidANegative = "跨梯形荷载 a 小于零!";

// The later load kinds: partial uniform, linearly varying, concentrated moment.
inline constexpr const char* kPartialZero = "跨局部均布荷载为零!";
inline constexpr const char* kPartialLengthZero = "跨局部均布荷载 c 等于零!";
inline constexpr const char* kPartialNegative = "跨局部均布荷载 a、b 或 c 小于零!";
inline constexpr const char* kPartialBeyondSpan = "跨局部均布荷载 a 加 c 超出跨度!";
inline constexpr const char* kLinearZero = "跨线性分布荷载为零!";
inline constexpr const char* kLinearLengthZero = "跨线性分布荷载 c 等于零!";
inline constexpr const char* kLinearNegative = "跨线性分布荷载 a、b 或 c 小于零!";
inline constexpr const char* kLinearBeyondSpan = "跨线性分布荷载 a 加 c 超出跨度!";
inline constexpr const char* kCoupleZero = "跨集中力偶为零!";
inline constexpr const char* kCoupleOutsideSpan = "跨集中力偶位置超出跨度!";

// Whole-structure messages.
inline constexpr const char* kMechanism = "结构为可变体系！"; // full-width "！"
inline constexpr const char* kNoErrors = "没有错误!";

// "第j支座两侧转动刚度均为零!" for joint j (the support between spans j and j + 1).
std::string jointWithoutStiffnessMessage(int joint);

// Collects the messages of the span under test into the error list.
// Where a message points the user: a span and one of its loads (0: the span itself); span 0
// for a message about the whole structure or a joint.
struct CheckPlace {
    int span = 0;
    int load = 0;
    bool operator==(const CheckPlace&) const = default;
};

// Collects the messages of the span under test into the error list, with their places.
class SpanMessages {
public:
    SpanMessages(std::vector<std::string>& list, std::vector<CheckPlace>& places, int span)
        : m_list(list), m_places(places), m_span(span) {}
    void add(const char* ruleText);
    // The load the next messages are about (0: the span).
    void setLoad(int load) { m_load = load; }

private:
    std::vector<std::string>& m_list;
    std::vector<CheckPlace>& m_places;
    int m_span;
    int m_load = 0;
};

// The rule functions: each appends one message per broken rule, in the order tested, and
// returns true when it appended none.

// Span length al and rigidity EI aEI: zero length, zero EI, negative length, negative EI.
bool checkLengthAndRigidity(SpanMessages& out, float al, float aEI);
// Line stiffness ai of the span: negative (zero is left to the joint rule).
bool lineStiffnessCheck(SpanMessages& out, float ai);
// Concentrated force aP at aa with remaining distance ab on a span al: zero force, a + b not
// the span length, a or b negative.
bool checkConcentratedForce(SpanMessages& out, float aP, float aa, float ab, float al);
// Uniform load of intensity aq: zero.
bool checkUniformLoad(SpanMessages& out, float aq);
// Symmetric trapezoid of plateau aq rising over aa on a span al: zero load, 2a > L, a zero,
// a negative.
bool checkTrapezoid(SpanMessages& out, float aq, float aa, float al);

// A partial (linear: with its second intensity q2) load of intensity aq from aa over ac, with
// ab after it, on a span al: zero load, c zero, a, b or c negative, a + c beyond the span (by
// more than two units in the last place of L).
bool checkStretchLoad(SpanMessages& out, LoadKind kind, float aq, float aq2, float aa, float ab,
                      float ac, float al);
// A concentrated moment aM at aa with ab after it on a span al: zero, outside 0..L.
bool checkCouple(SpanMessages& out, float aM, float aa, float ab, float al);

// The a + b = L test. The fields store the value of their 7-digit text, so a = 2.1 and
// b = 4.2 on L = 6.3 add up to one unit in the last place below float(6.3); a sum is
// therefore accepted when, rounded to single precision, it lies within two units in the last
// place of L.
bool sumMatchesLength(float a, float b, float L);

struct CheckResult {
    // The lines of the error list in the order appended; when the check passes the single
    // line "没有错误!".
    std::vector<std::string> messages;
    std::vector<CheckPlace> places; // one per message
    bool passed = false;
    // Notices that do not block the calculation (line stiffness not proportional to EI/L, EI
    // still the default), each with its span.
    std::vector<std::string> notices;
    std::vector<CheckPlace> noticePlaces;
    // Some notice is about i and EI/L: setting i = EI/L on every span mends it.
    bool lineStiffnessMismatch = false;
};

// Where a message belongs, as the check window shows it beside the message: "第2跨第1个荷载",
// "第2跨", or "整体" for the whole structure and the joints.
std::string checkPlaceText(const CheckPlace& place);

// Moment distribution uses only the ratios of the line stiffnesses i. When the user entered
// real rigidities, i should be EI/L on every span (any common factor will do); a beam whose
// EI are all left at 1 is described by its i alone. Otherwise every span whose i differs from
// EI/L by more than 0.1 % is named: "第1跨线刚度 i = 13000 与 EI/L = 26000 不成比例". Spans
// with a zero, negative or unusable L, EI or i are left to the error rules.
std::vector<std::string> lineStiffnessNotices(const Beam& beam, std::vector<CheckPlace>* places);

// Called after each step with the number of steps done and the total (checkStepCount).
using CheckProgress = std::function<void(int done, int total)>;

// One step per span 1..spanCount and one per load 1..loadCount, untested kinds included.
int checkStepCount(const Beam& beam);

// The whole data check, as the data-check button runs it: the mechanism rule, then every span
// with its loads in list order, then the joints 1..spanCount - 1; spans with a section are
// checked with the EI and i it gives (calculationBeam). Reads the beam only; the
// current span and everything else stay as they are. Throws std::invalid_argument for counts
// outside 1..20 spans or 0..10 loads, which no editing operation or project file produces.
CheckResult checkBeam(const Beam& beam, const CheckProgress& progress = {});

} // namespace spanwise
