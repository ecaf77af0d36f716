#include "edit/UndoHistory.h"

namespace spanwise {

void UndoHistory::clear() {
    m_steps.clear();
    m_done = 0;
    m_clean = 0;
}

void UndoHistory::push(const std::string& name, const Project& before, const Project& after,
                       long mergeKey) {
    if (m_done < m_steps.size()) {
        if (m_clean > static_cast<long>(m_done)) {
            m_clean = -1; // the saved state was among the steps undone
        }
        m_steps.resize(m_done);
    }
    if (mergeKey != 0 && m_done > 0 && m_steps[m_done - 1].mergeKey == mergeKey && !isClean()) {
        m_steps[m_done - 1].after = after;
        return;
    }
    m_steps.push_back(Step{name, before, after, mergeKey});
    ++m_done;
    if (m_steps.size() > kMaxSteps) {
        m_steps.erase(m_steps.begin());
        --m_done;
        m_clean = m_clean > 0 ? m_clean - 1 : -1;
    }
}

std::string UndoHistory::undoName() const {
    return canUndo() ? m_steps[m_done - 1].name : std::string();
}

std::string UndoHistory::redoName() const {
    return canRedo() ? m_steps[m_done].name : std::string();
}

const Project& UndoHistory::undo() {
    --m_done;
    return m_steps[m_done].before;
}

const Project& UndoHistory::redo() {
    ++m_done;
    return m_steps[m_done - 1].after;
}

} // namespace spanwise
