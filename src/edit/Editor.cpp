#include "edit/Editor.h"

#include "model/SelfWeight.h"

#include "analysis/NumberFormat.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace spanwise {

std::optional<int> wholeNumberOf(const std::string& text) {
    const auto value = parseCountNumber(text);
    if (!value) {
        return std::nullopt;
    }
    // anything this large is out of range for every count; keep it out of range as an int
    return static_cast<int>(std::min(std::trunc(*value), 1e6));
}

Editor::Editor() : m_project(freshProject()) {
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
    return !m_saved && (m_everOnDisk || !(m_project.beam == freshProject().beam));
}

Project Editor::freshProject() {
    Project project;
    project.beam.selfWeight = kDefaultUnitWeight; // counted from the first section typed
    return project;
}

void Editor::newProject() {
    restore(freshProject());
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

void Editor::recoverProject(const Project& project, bool onDisk) {
    newProject();
    restore(project);
    m_everOnDisk = onDisk;
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

void Editor::afterNavigation() {
    // looking is not editing: no undo step, no question before the project goes, the check
    // still passed; the file records the span shown when the project is saved
    showProjectInFields();
}

void Editor::showSpan(int span) {
    m_inFieldVisit = false;
    if (span >= 1 && span <= m_project.beam.spanCount()) {
        m_project.currentSpan = span;
    }
    afterNavigation();
}

void Editor::selectLoad(int load) {
    m_inFieldVisit = false;
    if (load < 0 || load > shownSpan().loadCount()) {
        return;
    }
    m_project.selectedLoad(m_project.currentSpan) = load;
    afterNavigation();
}

} // namespace spanwise
