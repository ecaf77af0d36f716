// The design data's dialogs: the project's design settings, the section of the span shown and
// the supports' widths, beta and top bars.
#include "ui/main/MainWindow.h"

#include "analysis/NumberFormat.h"
#include "design/Materials.h"
#include "design/SectionStiffness.h"
#include "ui/common/Controls.h"
#include "ui/common/Prompter.h"
#include "ui/design/DesignSettingsDialog.h"
#include "ui/design/MemberDialog.h"
#include "ui/design/SectionDialog.h"
#include "ui/design/SectionSearchDialog.h"
#include "ui/design/SelfWeightDialog.h"
#include "ui/design/SupportsDialog.h"

#include <cmath>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <functional>
#include <variant>

namespace spanwise {

namespace {

// as of the settings for the section dialog's h0 (mm).
float tensionCoverOf(const DesignSettings& settings) {
    return designSettingsProblem(settings) ? 40.0f
                                           : static_cast<float>(materialsOf(settings).tensionCover);
}

using Refusal = CommittingDialog::Refusal;

QString words(const std::string& text) {
    return QString::fromStdString(text);
}

// Opens a dialog whose OK takes the visit whole or keeps the dialog open (CommittingDialog):
// commit(dialog) applies what it holds through the editor, or names the control a rule refuses
// and the rule's words. The window is refreshed when the dialog closes, however it closes.
template <typename Dialog, typename Commit>
void openCommitting(Dialog* dialog, MainWindow* window, Commit commit,
                    std::function<void()> refresh) {
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setCommit([dialog, commit] { return commit(*dialog); });
    QObject::connect(dialog, &QDialog::finished, window, [refresh] { refresh(); });
    dialog->open();
}

} // namespace

void MainWindow::editDesignSettings() {
    openCommitting(
        new DesignSettingsDialog(m_editor.project().beam.design, this), this,
        [this](DesignSettingsDialog& d) -> std::optional<Refusal> {
            const auto typed = d.typed();
            if (const auto* refusal = std::get_if<Refusal>(&typed)) {
                return *refusal;
            }
            const DesignSettings& settings = std::get<DesignSettings>(typed);
            if (const auto fault = m_editor.designSettingsFault(settings)) {
                return Refusal{d.controlOf(fault->part), words(fault->words)};
            }
            m_editor.setDesignSettings(settings);
            return std::nullopt;
        },
        [this] { refresh(); });
}

void MainWindow::editSection() {
    const Project& project = m_editor.project();
    const Span& span = m_editor.shownSpan();
    openCommitting(
        new SectionDialog(project.currentSpan, span.length, span.section,
                          tensionCoverOf(project.beam.design), this),
        this,
        [this](SectionDialog& d) -> std::optional<Refusal> {
            const auto typed = d.typed();
            if (const auto* refusal = std::get_if<Refusal>(&typed)) {
                return *refusal;
            }
            const auto& section = std::get<std::optional<SpanSection>>(typed);
            if (const auto fault = m_editor.sectionFault(section)) {
                return Refusal{d.controlOf(fault->part), words(fault->words)};
            }
            m_editor.setSection(section);
            return std::nullopt;
        },
        [this] { refresh(); });
}

void MainWindow::editSupports() {
    openCommitting(
        new SupportsDialog(m_editor.project().beam, this), this,
        [this](SupportsDialog& d) -> std::optional<Refusal> {
            const auto typed = d.typed();
            if (const auto* refusal = std::get_if<Refusal>(&typed)) {
                return *refusal;
            }
            const auto& visit = std::get<SupportsDialog::Visit>(typed);
            if (const auto fault = m_editor.supportsFault(visit.supports, visit.axes)) {
                return Refusal{d.controlOf(fault->support, fault->fault.part),
                               words(fault->fault.words)};
            }
            m_editor.setSupportDesigns(visit.supports, visit.axes);
            return std::nullopt;
        },
        [this] { refresh(); });
}

void MainWindow::editMember() {
    openCommitting(
        new MemberDialog(m_editor.project().beam.member, this), this,
        [this](MemberDialog& d) -> std::optional<Refusal> {
            const auto typed = d.typed();
            if (const auto* refusal = std::get_if<Refusal>(&typed)) {
                return *refusal;
            }
            const MemberData& member = std::get<MemberData>(typed);
            if (const auto fault = memberFault(member)) {
                return Refusal{d.controlOf(fault->part), words(fault->words)};
            }
            m_editor.setMember(member);
            return std::nullopt;
        },
        [this] { refresh(); });
}

void MainWindow::editSelfWeight() {
    openCommitting(
        new SelfWeightDialog(m_editor.project().beam.selfWeight, this), this,
        [this](SelfWeightDialog& d) -> std::optional<Refusal> {
            const auto typed = d.typed();
            if (const auto* refusal = std::get_if<Refusal>(&typed)) {
                return *refusal;
            }
            const std::string problem = m_editor.setSelfWeight(std::get<float>(typed));
            if (!problem.empty()) {
                return Refusal{d.unitWeightField(), words(problem)};
            }
            return std::nullopt;
        },
        [this] { refresh(); });
}

void MainWindow::searchSections() {
    auto* dialog = new SectionSearchDialog(m_editor, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::finished, this, [this] { refresh(); });
    dialog->open();
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
