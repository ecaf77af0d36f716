// The editor's numeric fields: what typing into one does to the project (one undo step per visit
// of the field), the complements a, b and c keep of each other, and the line stiffness from EI.
#include "edit/Editor.h"

#include "analysis/NumberFormat.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace spanwise {

namespace {

// a and b of a concentrated force follow each other until their texts agree, which takes a
// step or two; the limit only guards against texts that never settle.
constexpr int kMaxComplementDepth = 8;

// The step's name; the P field holds a moment or a second intensity on some kinds.
const char* stepNameOf(ValueField field, const Load* load) {
    if (field == ValueField::P && load != nullptr && load->kind == Couple) {
        return "修改力偶 M";
    }
    if (field == ValueField::P && load != nullptr && load->kind == Linear) {
        return "修改荷载 q2";
    }
    switch (field) {
    case ValueField::Length:
        return "修改跨度";
    case ValueField::LineStiffness:
        return "修改线刚度";
    case ValueField::EI:
        return "修改刚度 EI";
    case ValueField::P:
        return "修改集中力 P";
    case ValueField::q:
        return "修改荷载 q";
    case ValueField::a:
        return "修改 a";
    case ValueField::b:
        return "修改 b";
    default:
        return "修改 c";
    }
}

// i = EI / L as the "X" button stores it: the value of the quotient's canonical field text
// (7 significant digits), so that the field and the value agree; 1 when L or EI is 0 or the
// quotient lies beyond the float range (EI 3e38 over 1 mm).
float lineStiffnessFromRigidity(float L, float EI) {
    const double quotient = L != 0 && EI != 0 ? double{EI} / L : 0;
    if (quotient == 0 || !(std::fabs(quotient) <= std::numeric_limits<float>::max())) {
        return 1;
    }
    const auto stored = static_cast<float>(quotient);
    return parseFieldNumber(spanwise::fieldText(stored)).value_or(stored);
}

} // namespace

const Load* Editor::selectedLoadOrNull() const {
    return selectedLoad() != 0 ? &shownSpan().load(selectedLoad()) : nullptr;
}

float* Editor::valueOf(ValueField field) {
    Span& span = m_project.beam.span(m_project.currentSpan);
    switch (field) {
    case ValueField::Length:
        return &span.length;
    case ValueField::LineStiffness:
        return &span.lineStiffness;
    case ValueField::EI:
        return &span.ei;
    default:
        break;
    }
    const int k = selectedLoad();
    if (k == 0) {
        return nullptr;
    }
    Load& load = span.load(k);
    switch (field) {
    case ValueField::P:
        return &load.P;
    case ValueField::q:
        return &load.q;
    case ValueField::a:
        return &load.a;
    case ValueField::b:
        return &load.b;
    default:
        return &load.c;
    }
}

// The field now shows `text`: filter it into the value, and let b follow a (or a follow b).
bool Editor::changeFieldText(ValueField field, const std::string& text, int complementDepth) {
    float* value = valueOf(field);
    const char* emptyText = emptyTextOf(field);
    FieldEntry entry = filterFieldText(FieldEntry{text, *value}, emptyText, takesSign(field));
    const bool refused = entry.refused;
    if (entry.text != text) {
        // the field shows the filtered text, which is taken once more: a refused keystroke
        // leaves the value of the canonical text the field shows again
        entry = filterFieldText(entry, emptyText, takesSign(field));
    }
    *value = entry.value;
    m_fieldTexts[indexOf(field)] = entry.text;
    if (field == ValueField::a || field == ValueField::b || field == ValueField::c) {
        complement(field, complementDepth);
    }
    return !refused;
}

// After a (or b) of a concentrated force or moment changed, the other becomes L minus it, so
// that the load stays on the span: for every 0 <= changed <= L, the ends included. On a partial
// or linear load a, c and b add up to L the same way: a or c changed makes b = L - a - c, b
// changed makes a = L - b - c, while those stay within the span.
void Editor::complement(ValueField changed, int depth) {
    const Span& span = shownSpan();
    const Load& load = span.load(selectedLoad());
    const float L = span.length;
    if (L == 0 || depth >= kMaxComplementDepth) {
        return;
    }
    ValueField other = ValueField::b;
    float follower = 0;
    if (load.kind == Concentrated || load.kind == Couple) {
        const float value = changed == ValueField::a ? load.a : load.b;
        if (changed == ValueField::c || !(value >= 0 && value <= L)) {
            return;
        }
        other = changed == ValueField::a ? ValueField::b : ValueField::a;
        follower = L - value; // float difference: correctly rounded
    } else if (load.kind == PartialUniform || load.kind == Linear) {
        const float given = changed == ValueField::b ? load.b : load.a;
        const double rest = double{L} - given - load.c;
        if (!(given >= 0 && load.c >= 0 && rest >= 0)) {
            return;
        }
        other = changed == ValueField::b ? ValueField::a : ValueField::b;
        follower = static_cast<float>(rest);
    } else {
        return;
    }
    *valueOf(other) = follower;
    const std::string text = spanwise::fieldText(follower);
    if (text != m_fieldTexts[indexOf(other)]) {
        changeFieldText(other, text, depth + 1);
    }
}

bool Editor::typeIntoField(ValueField field, const std::string& text) {
    if (isLoadField(field) && selectedLoad() == 0) {
        return true; // the load fields are hidden and disabled without a selected load
    }
    if (!m_inFieldVisit || m_visitedField != field) {
        ++m_fieldVisit;
        m_inFieldVisit = true;
        m_visitedField = field;
    }
    bool accepted = true;
    if (!edit(stepNameOf(field, selectedLoadOrNull()), m_fieldVisit,
              [&] { accepted = changeFieldText(field, text, 0); })) {
        markEditedWithoutChange();
    }
    return accepted;
}

void Editor::leaveField(ValueField field) {
    const bool sameVisit = m_inFieldVisit && m_visitedField == field;
    m_inFieldVisit = false;
    float* value = valueOf(field);
    if (value == nullptr) {
        return;
    }
    const std::string shown = m_fieldTexts[indexOf(field)];
    auto show = [&](const std::string& text) {
        if (text != m_fieldTexts[indexOf(field)]) {
            changeFieldText(field, text, 0);
        }
    };
    edit(stepNameOf(field, selectedLoadOrNull()), sameVisit ? m_fieldVisit : 0, [&] {
        if (isLoadField(field)) {
            if (shown == ".") {
                *value = 0;
                show("0");
            } else {
                show(spanwise::fieldText(*value));
            }
        } else if (field == ValueField::Length) {
            if (shown == ".") {
                show("0");
                *value = 0;
            } else {
                show(spanwise::fieldText(*value));
            }
        } else {
            if (shown == ".") {
                show("1");
            }
            show(spanwise::fieldText(*value));
        }
    });
}

void Editor::computeLineStiffness() {
    m_inFieldVisit = false;
    edit("计算线刚度", 0, [&] {
        Span& span = m_project.beam.span(m_project.currentSpan);
        span.lineStiffness = lineStiffnessFromRigidity(span.length, span.ei);
        showProjectInFields();
    });
    m_checkPassed = false;
}

void Editor::fitLineStiffnessToRigidity() {
    m_inFieldVisit = false;
    edit("按 EI/L 重算线刚度", 0, [&] {
        for (Span& span : m_project.beam.spans) {
            span.lineStiffness = lineStiffnessFromRigidity(span.length, span.ei);
        }
        showProjectInFields();
    });
    m_checkPassed = false;
}

// -- navigation

} // namespace spanwise
