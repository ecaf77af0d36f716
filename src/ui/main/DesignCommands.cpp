// The design data's dialogs: the project's design settings, the section of the span shown and
// the supports' widths, beta and top bars.
#include "ui/main/MainWindow.h"

#include "analysis/NumberFormat.h"
#include "design/Materials.h"
#include "design/SectionStiffness.h"
#include "ui/common/Controls.h"
#include "ui/common/Prompter.h"
#include "ui/design/DesignSettingsDialog.h"
#include "ui/design/SectionDialog.h"
#include "ui/design/SupportsDialog.h"

#include <cmath>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <functional>

namespace spanwise {

namespace {

// as of the settings for the section dialog's h0 (mm).
float tensionCoverOf(const DesignSettings& settings) {
    return designSettingsProblem(settings) ? 40.0f
                                           : static_cast<float>(materialsOf(settings).tensionCover);
}

// Opens a dialog; when it is accepted, apply() gives the reason its values cannot be used (or
// nothing), which the user is told; the window is refreshed either way.
template <typename Dialog, typename Apply>
void openDialog(Dialog* dialog, Prompter& prompter, Apply apply, std::function<void()> after) {
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QDialog::accepted, dialog, [dialog, &prompter, apply, after] {
        const std::string problem = apply(*dialog);
        if (!problem.empty()) { // a bad value changes nothing
            prompter.tell(Prompter::Icon::Exclamation, QString::fromStdString(problem));
        }
        after();
    });
    dialog->open();
}

} // namespace

void MainWindow::editDesignSettings() {
    openDialog(
        new DesignSettingsDialog(m_editor.project().beam.design, this), m_prompter,
        [this](const DesignSettingsDialog& d) {
            const auto settings = d.settings();
            return settings ? m_editor.setDesignSettings(*settings) : std::string("as 应为数字");
        },
        [this] { refresh(); });
}

void MainWindow::editSection() {
    const Project& project = m_editor.project();
    const Span& span = m_editor.shownSpan();
    openDialog(
        new SectionDialog(project.currentSpan, span.length, span.section,
                          tensionCoverOf(project.beam.design), this),
        m_prompter,
        [this](const SectionDialog& d) {
            const auto section = d.section();
            if (!section && !d.removed()) {
                return d.problem();
            }
            return m_editor.setSection(section);
        },
        [this] { refresh(); });
}

void MainWindow::editSupports() {
    openDialog(
        new SupportsDialog(m_editor.project().beam, this), m_prompter,
        [this](const SupportsDialog& d) {
            const auto supports = d.supports();
            return supports ? m_editor.setSupportDesigns(*supports) : d.problem();
        },
        [this] { refresh(); });
}

// With a section the stiffness fields show what it gives and cannot be typed into; the caption
// says so. Without one they are the typed EI and i, as they always were.
void MainWindow::refreshStiffnessSource() {
    const Beam& beam = m_editor.project().beam;
    const Span& span = m_editor.shownSpan();
    const QString size = span.section
                             ? QString::fromStdString(formatResult(span.section->width) + "×" +
                                                      formatResult(span.section->depth))
                             : QString();
    m_sectionButton->setToolTip(span.section ? QStringLiteral("本跨截面 ") + size
                                             : QStringLiteral("本跨的钢筋混凝土截面与配筋"));
    const bool fromSection = span.section && !designSettingsProblem(beam.design) &&
                             sectionProblem(*span.section).empty();
    for (ValueField f : {ValueField::EI, ValueField::LineStiffness}) {
        valueField(f)->setReadOnly(fromSection);
    }
    m_computeLineStiffnessButton->setEnabled(!fromSection);
    if (!fromSection) {
        m_stiffnessSource->setText(span.section ? QStringLiteral("截面数据有误，按输入的 EI 计算")
                                                : QString());
        return;
    }
    const Span calculated = calculationBeam(beam).span(m_editor.project().currentSpan);
    controls::setFieldText(valueField(ValueField::EI),
                           QString::fromStdString(fieldText(calculated.ei)));
    // a span too short for its section has no i to show; the data check says why
    controls::setFieldText(valueField(ValueField::LineStiffness),
                           std::isfinite(calculated.lineStiffness)
                               ? QString::fromStdString(fieldText(calculated.lineStiffness))
                               : QString());
    m_stiffnessSource->setText(
        QStringLiteral("EI、i 由截面 %1、C%2 计算").arg(size).arg(beam.design.concrete));
}

} // namespace spanwise
