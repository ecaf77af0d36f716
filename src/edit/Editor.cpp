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

std::size_t indexOf(ValueField field) {
    return static_cast<std::size_t>(field);
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

std::optional<int> wholeNumberOf(const std::string& text) {
    const auto value = parseCountNumber(text);
    if (!value) {
        return std::nullopt;
    }
    // anything this large is out of range for every count; keep it out of range as an int
    return static_cast<int>(std::min(std::trunc(*value), 1e6));
}

Editor::Editor() {
    showProjectInFields();
}

bool Editor::edit(const char* name, long mergeKey, const std::function<void()>& change) {
    const Project before = m_project;
    change();
    // a support that can no longer be redistributed (it became the root of a cantilever) gives
    // up its beta in the same step: undo brings it back with the support's old kind
    dropDisallowedRedistribution(m_project.beam);
    if (m_project == before) {
        return false;
    }
    m_history.push(name, before, m_project, mergeKey);
    m_saved = false;
    m_checkPassed = false;
    return true;
}

void Editor::markEditedWithoutChange() {
    m_saved = false;
    m_checkPassed = false;
}

bool Editor::hasUnsavedWork() const {
    return !m_saved && (m_everOnDisk || !(m_project.beam == Beam{}));
}

void Editor::newProject() {
    restore(Project{});
    m_history.clear();
    m_saved = false;
    m_everOnDisk = false;
    m_uncleanSinceSave = true; // a new project is not on disk: undo never makes it saved
    m_inFieldVisit = false;
}

void Editor::startProjectFrom(const Project& project) {
    newProject();
    restore(project);
}

void Editor::openProject(const Project& project) {
    restore(project);
    m_history.clear();
    markSaved();
    m_inFieldVisit = false;
}

void Editor::markSaved() {
    m_history.setClean();
    m_saved = true;
    m_everOnDisk = true;
    m_uncleanSinceSave = false;
}

void Editor::restore(const Project& project) {
    m_project = project;
    m_saved = m_history.isClean() && !m_uncleanSinceSave;
    m_checkPassed = false;
    showProjectInFields();
}

void Editor::undo() {
    if (canUndo()) {
        m_inFieldVisit = false;
        restore(m_history.undo());
    }
}

void Editor::redo() {
    if (canRedo()) {
        m_inFieldVisit = false;
        restore(m_history.redo());
    }
}

void Editor::showProjectInFields() {
    const Span& span = shownSpan();
    const int k = selectedLoad();
    const Load none;
    const Load& load = k != 0 ? span.load(k) : none;
    auto set = [this](ValueField field, float value) {
        m_fieldTexts[indexOf(field)] = spanwise::fieldText(value);
    };
    set(ValueField::Length, span.length);
    set(ValueField::LineStiffness, span.lineStiffness);
    set(ValueField::EI, span.ei);
    set(ValueField::P, load.P);
    set(ValueField::q, load.q);
    set(ValueField::a, load.a);
    set(ValueField::b, load.b);
    set(ValueField::c, load.c);
}

// -- value fields

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

void Editor::afterNavigation(bool spanChanged) {
    const auto before = m_fieldTexts;
    showProjectInFields();
    // new values in the fields count as an edit: the project must pass the check again
    if (m_fieldTexts != before) {
        m_checkPassed = false;
        spanChanged = true;
    }
    if (spanChanged) {
        m_saved = false;
        m_uncleanSinceSave = true;
    }
}

void Editor::showSpan(int span) {
    m_inFieldVisit = false;
    if (span >= 1 && span <= m_project.beam.spanCount()) {
        m_project.currentSpan = span;
    }
    afterNavigation(true);
}

void Editor::selectLoad(int load) {
    m_inFieldVisit = false;
    if (load < 0 || load > shownSpan().loadCount()) {
        return;
    }
    m_project.selectedLoad(m_project.currentSpan) = load;
    afterNavigation(false);
}

} // namespace spanwise
