// The undo history of one project: every step keeps the whole project before and after it (a
// project is a small value), so undo and redo restore it exactly.
#pragma once

#include "model/Beam.h"

#include <cstddef>
#include <string>
#include <vector>

namespace spanwise {

class UndoHistory {
public:
    // Oldest steps are forgotten beyond this many.
    static constexpr std::size_t kMaxSteps = 500;

    void clear();

    // Records a step that turned `before` into `after`; drops the steps that were undone. A
    // step with the same non-zero mergeKey as the last one extends it instead (typing into
    // one field), unless the last step is where the project was saved.
    void push(const std::string& name, const Project& before, const Project& after, long mergeKey);

    bool canUndo() const { return m_done > 0; }
    bool canRedo() const { return m_done < m_steps.size(); }
    // The name of the step undo (redo) would take back (do again); empty when there is none.
    std::string undoName() const;
    std::string redoName() const;
    // The project as it was before the last step, which becomes undone. Needs canUndo().
    const Project& undo();
    // The project after the next undone step, which is done again. Needs canRedo().
    const Project& redo();

    // The state now is the one on disk.
    void setClean() { m_clean = static_cast<long>(m_done); }
    bool isClean() const { return m_clean == static_cast<long>(m_done); }

private:
    struct Step {
        std::string name;
        Project before;
        Project after;
        long mergeKey = 0;
    };
    std::vector<Step> m_steps;
    std::size_t m_done = 0; // steps 0..m_done-1 are done
    long m_clean = 0;       // number of done steps at the last save; -1 when out of reach
};

} // namespace spanwise
