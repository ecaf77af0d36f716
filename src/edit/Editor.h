// The editor: the only code that changes a project.
//
// The main window is a view. It hands every user intent (a keystroke in a value field, a
// button, a list choice) to one of the functions below, then redraws itself from project(),
// shownText(), isSaved() and isCheckPassed(). Nothing the window writes into its own widgets
// comes back here, so no edit is ever re-entered by the program's own writes.
//
// Every change of the project is one undo step with a name the Edit menu shows ("添加荷载");
// typing into one field is one step per visit of the field (from the first keystroke to
// leaveField). Navigation (the span shown, the selected load) is not a step.
//
// Where an edit needs the user's answer first, the editor asks through the Answerer with a
// named Question; the window shows the question's message box and returns the button. The
// editor asks only when the answer matters and changes nothing before it has the answer.
//
// Two flags follow the project: saved (cleared by every edit and by a change of the span
// shown; set by markSaved after a save or open, and again when undo returns to that state) and
// check passed (set after a data check without errors; cleared by every edit and undo, so the
// calculation runs only on a project that passed the check since its last change).
#pragma once

#include "analysis/SlabLoads.h"
#include "edit/FieldRules.h"
#include "edit/UndoHistory.h"
#include "model/Beam.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace spanwise {

// The decisions an edit may need from the user, each with its own message box.
enum class Question {
    InsertSpan, // "真的要插入一跨吗?" OK / Cancel
    DeleteSpan, // "本跨将被删除,继续否?" OK / Cancel
    CopyPreviousSpan, // "本跨的跨度、荷载及刚度将会与前一跨相同，继续吗？" OK / Cancel
    DeleteAllLoads,     // "真的要删除本跨所有荷载吗？" OK / Cancel
    DeleteEndSpanLoads, // "支座情况将会改变,删除该支座的荷载吗?" Yes / No / Cancel
};

// OK counts as Yes.
enum class Answer { Yes, No, Cancel };

using Answerer = std::function<Answer(Question)>;

enum class BeamEnd { Left, Right };

class Editor {
public:
    // A new project: one span of length 0, EI = i = 1, no loads, not saved.
    Editor();

    const Project& project() const { return m_project; }
    const Span& shownSpan() const { return m_project.shownSpan(); }
    // The selected load of the span shown, 1..loadCount, or 0.
    int selectedLoad() const { return m_project.selectedLoad(m_project.currentSpan); }

    // The text each value field shows: the canonical text of its value, or what the user is
    // typing there. The load fields show the selected load ("0" with none selected).
    const std::string& shownText(ValueField field) const {
        return m_fieldTexts[static_cast<std::size_t>(field)];
    }

    bool isSaved() const { return m_saved; }
    // Unsaved work worth a question before it goes: not saved, and not the untouched (or
    // undone back to untouched) new project that was never on disk.
    bool hasUnsavedWork() const;
    bool isCheckPassed() const { return m_checkPassed; }

    // -- whole project: each starts a fresh history
    void newProject(); // the reset project, not saved
    // The project New starts from: no spans' data yet, the beam's own weight counted.
    static Project freshProject();
    void openProject(const Project& project); // as read from a file, saved
    // A project the program supplies (a verification problem): new and unsaved like
    // newProject(), so the user is asked before it goes, but with this content.
    void startProjectFrom(const Project& project);
    void markSaved(); // the project was written
    // Work recovered after the program died: unsaved, and (onDisk) belonging to a file it was
    // read from or saved to, so that leaving it asks to save.
    void recoverProject(const Project& project, bool onDisk);
    void markCheckPassed() { m_checkPassed = true; } // the data check found no error

    // -- value fields
    // The user changed the text of a field (one keystroke, a paste, a clear). Load fields act
    // on the selected load and do nothing while none is selected. a and b of a concentrated
    // force keep a + b = L while 0 <= value <= L. Returns false when the text was refused (the
    // field shows the value in force again), so that the window can tell the user why.
    bool typeIntoField(ValueField field, const std::string& text);
    // The field lost the focus: a "." or a text with a loose point becomes canonical.
    void leaveField(ValueField field);
    // The "X" button: i = EI / L of the span shown (1 when L or EI is 0).
    void computeLineStiffness();
    // The same on every span, as one step (the data check's notice offers it).
    void fitLineStiffnessToRigidity();

    // -- whole beam
    // The span count as finished in its field or by the more/fewer buttons. Returns false for
    // a count outside 1..20 (nothing changes) and when the user cancelled. Going to one span
    // keeps both supports; where the span's right end becomes a cantilever it first asks
    // whether to delete the span's loads.
    bool setSpanCount(int count, const Answerer& ask);
    void setSupport(BeamEnd end, SupportKind kind, const Answerer& ask);

    // -- the span shown
    void insertSpan(const Answerer& ask);       // before the span shown, its geometry, no loads
    void deleteSpan(const Answerer& ask);       // the span shown
    void copyPreviousSpan(const Answerer& ask); // the span before it, loads and all
    // appended and selected, all values 0, of the given case
    void addLoad(LoadKind kind, LoadCase loadCase = Dead);
    void deleteSelectedLoad();
    void deleteAllLoads(const Answerer& ask);
    void setLoadCase(LoadCase loadCase); // of the selected load; nothing without one
    // The load two-way slab panels hand the span shown, appended and selected as one step of
    // the given case; nothing and the reason when the panels cannot load the span or the span
    // holds ten loads already.
    std::string addSlabLoad(const SlabPanels& panels, LoadCase loadCase);

    // -- combination settings: refused (returns the reason, nothing changes) when
    // combinationFactorsProblem finds one, else one undo step; empty on success
    std::string setCombinationFactors(const CombinationFactors& factors);
    // The factors and the deflection settings together, as the combination dialog gives them:
    // one step, or nothing and the reason when either cannot be used.
    std::string setCombinationSettings(const CombinationFactors& factors,
                                       const DeflectionSettings& deflection);
    // The report's title block, one step; the calculation stays unlocked (it does not enter
    // it). Nothing and the reason when a text cannot be kept.
    std::string setProjectInfo(const ProjectInfo& info);

    // -- design data, each one step; nothing and the reason when a value is out of its range
    // (the data check says what the ranges alone do not: beta where it may not be taken, faces
    // that leave a span no length). The ...Fault() questions say beforehand which value a
    // change would be refused for, and why, so that a dialog can mark it and stay open.
    std::string setDesignSettings(const DesignSettings& settings);
    // The member the drawing names and details (构件…), one step; refused (nothing changes,
    // the rule's words returned) where a value is out of its range.
    std::string setMember(const MemberData& member);
    // The beam's own weight: γ in kN/m³, 0 not counted; one step "梁自重", refused (the rule's
    // words returned, nothing changes) out of its range.
    std::string setSelfWeight(float unitWeight);
    // The sections the section search chose, span by span (a span's own typed bars, stirrups
    // and the supports' top bars go with the old sections); one step "选择截面", refused with
    // the rule's words where one cannot be used.
    std::string chooseSections(const std::vector<SpanSection>& sections);
    enum class SettingsPart : std::int8_t { Settings, TensionCover, TopTensionCover, Environment };
    struct SettingsFault {
        SettingsPart part;
        std::string words;
    };
    std::optional<SettingsFault> designSettingsFault(const DesignSettings& settings) const;
    // The section of the span shown; none makes it a span of typed EI and i again.
    std::string setSection(const std::optional<SpanSection>& section);
    std::optional<SectionFault> sectionFault(const std::optional<SpanSection>& section) const;
    // The design data and the axes of every support 0..spanCount, in order, and how the axes are
    // named (kept where not given).
    std::string setSupportDesigns(const std::vector<SupportDesign>& supports,
                                  std::optional<AxisStyle> axes = std::nullopt);
    struct SupportsFault {
        int support; // -1 for the list as a whole
        SupportFault fault;
    };
    std::optional<SupportsFault> supportsFault(const std::vector<SupportDesign>& supports,
                                               std::optional<AxisStyle> axes = std::nullopt) const;
    // The bar sets given kept as provided (the design's proposals, 采用建议配筋), one step; the
    // spans and supports must be those of the project, the spans with sections.
    std::string provideBars(const ProvidedBars& bars);

    // -- navigation (no undo step)
    void showSpan(int span);   // ignored outside 1..spanCount
    void selectLoad(int load); // 1..loadCount of the span shown, or 0 for none

    // -- undo and redo
    bool canUndo() const { return m_history.canUndo(); }
    bool canRedo() const { return m_history.canRedo(); }
    std::string undoName() const { return m_history.undoName(); }
    std::string redoName() const { return m_history.redoName(); }
    void undo();
    void redo();

private:
    // Every edit runs inside one of these: it compares the project before and after, records
    // the step and clears the flags when anything changed. mergeKey joins the keystrokes of
    // one visit of a field into one step (0: never merge).
    // Returns whether the project changed.
    bool edit(const char* name, long mergeKey, const std::function<void()>& change);
    // The project counts as edited although nothing in it changed (a refused keystroke, a
    // cancelled support change): not saved, check needed again, no undo step.
    void markEditedWithoutChange();
    // After the span or load shown changed: the fields show it; nothing else changes.
    void afterNavigation();
    void showProjectInFields();
    void restore(const Project& project);

    const Load* selectedLoadOrNull() const;
    // The value a field edits in the project; null for a load field without a selected load.
    float* valueOf(ValueField field);
    // Returns false when the text was refused.
    bool changeFieldText(ValueField field, const std::string& text, int complementDepth);
    void complement(ValueField changed, int depth);
    void clearLoadsOf(int span);
    void resizeBeam(int count);

    Project m_project;
    std::array<std::string, kValueFieldCount> m_fieldTexts;
    UndoHistory m_history;
    bool m_saved = false;
    bool m_checkPassed = false;
    bool m_uncleanSinceSave = false; // never on disk
    bool m_everOnDisk = false;       // opened from or saved to a file
    long m_fieldVisit = 0;           // counts visits of value fields, for merging keystrokes
    bool m_inFieldVisit = false;
    ValueField m_visitedField = ValueField::Length;
};

// The whole-number part of a span count or span number as typed ("2.7" gives 2, "02" gives 2);
// nothing for "." and for any text that is not a plain decimal within the double range.
std::optional<int> wholeNumberOf(const std::string& text);

} // namespace spanwise
