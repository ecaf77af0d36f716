// The results follow the project where they still belong to it: an edit that touches no force
// (bars and stirrups provided or adopted) has the design made again at once; the report's title
// block follows the project's; and the stamp says whether the beam is what the file on disk holds.
#include "ui/main/MainWindow.h"

#include "check/DataCheck.h"
#include "exports/CalculationSourceOf.h"
#include "ui/dialogs/ResultWindow.h"

namespace spanwise {

void MainWindow::followProject() {
    if (!m_outcome) {
        return;
    }
    const Beam& beam = m_editor.project().beam;
    bool redone = false;
    if (!outcomeIsCurrent(*m_outcome, beam)) {
        // the forces are those of the calculation: the design alone is made again, provided
        // the edited beam passes the check as a calculation would require
        std::optional<BeamOutcome> next = redesigned(*m_outcome, beam);
        if (!next || !checkBeam(beam).passed) {
            return; // stale: the window says so
        }
        next->calculation.source.calculatedAt = m_outcome->calculation.source.calculatedAt;
        m_outcome = std::move(next);
        m_editor.markCheckPassed();
        redone = true;
    }
    const bool titleChanged = m_outcome->beam().info != beam.info;
    if (titleChanged) {
        m_outcome->calculation.beam.info = beam.info;
    }
    // the stamp: the file with the digest of its bytes where the beam is what they hold
    const bool named = m_projectName != QString::fromUtf8(kNewProjectName);
    const bool unsaved = m_editor.hasUnsavedWork();
    const QString file = named ? m_projectName : QString();
    const bool restamp = redone || titleChanged || unsaved != m_stampedUnsaved ||
                         file.toStdString() != m_outcome->calculation.source.file;
    if (restamp) {
        const std::string calculatedAt = m_outcome->calculation.source.calculatedAt;
        m_outcome->calculation.source = calculationSourceOf(file, unsaved);
        m_outcome->calculation.source.calculatedAt = calculatedAt;
        m_stampedUnsaved = unsaved;
    }
    if (m_resultWindow && redone) {
        m_resultWindow->showOutcome(*m_outcome, m_projectName.toStdString());
    } else if (m_resultWindow && restamp) {
        m_resultWindow->setStamp(m_outcome->calculation.source, m_outcome->beam().info);
    }
}

} // namespace spanwise
