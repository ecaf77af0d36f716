// The one function that shows the project: every text, picture, selection and enabled state of
// the main window follows from the editor, its check state and the last calculation.
#include "ui/main/MainWindow.h"

#include "model/SelfWeight.h"

#include "analysis/NumberFormat.h"
#include "design/SectionStiffness.h"
#include "ui/common/Controls.h"
#include "ui/dialogs/ResultWindow.h"
#include "ui/main/BeamSketch.h"
#include "ui/main/SketchPictures.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

namespace spanwise {

using controls::setFieldText;

void MainWindow::refresh() {
    followProject();
    followRecovery();
    // nothing below is an edit: the window's own writes are not the user's
    const QSignalBlocker blockKinds(m_loadKindList);
    const QSignalBlocker blockLoads(m_spanLoadList);
    const QSignalBlocker blockLeft(m_leftSupportList);
    const QSignalBlocker blockRight(m_rightSupportList);
    const QSignalBlocker blockNewCase(m_newLoadCaseList);
    const QSignalBlocker blockSelectedCase(m_selectedLoadCaseList);

    setWindowTitle(titleFor(m_projectName));
    setWindowModified(m_editor.hasUnsavedWork());
    refreshBeamGroup();
    // with the beam's own weight, as it is calculated
    m_beamSketch->setBeam(withSelfWeight(m_editor.project().beam), m_editor.project().currentSpan);
    refreshSpanGroup();
    refreshLoads();
    refreshCommands();
}

void MainWindow::refreshBeamGroup() {
    const Beam& beam = m_editor.project().beam;
    const int count = beam.spanCount();
    setFieldText(m_spanCountField, QString::number(count));
    m_moreSpansButton->setEnabled(count < kMaxSpans);
    m_fewerSpansButton->setEnabled(count > 1);
    m_leftSupportList->setCurrentIndex(beam.leftSupport);
    m_rightSupportList->setCurrentIndex(beam.rightSupport);
}

void MainWindow::refreshSpanGroup() {
    const Project& project = m_editor.project();
    const int count = project.beam.spanCount();
    const int shown = project.currentSpan;
    setFieldText(m_shownSpanField, QString::number(shown));
    m_previousSpanButton->setEnabled(shown > 1);
    m_nextSpanButton->setEnabled(shown < count);
    m_copyPreviousSpanButton->setEnabled(shown > 1);
    m_deleteSpanButton->setEnabled(count > 1);
    m_insertSpanButton->setEnabled(count < kMaxSpans);
    for (int f = 0; f < kValueFieldCount; ++f) {
        const auto which = static_cast<ValueField>(f);
        setFieldText(valueField(which), QString::fromStdString(m_editor.shownText(which)));
    }
    refreshStiffnessSource();
}

void MainWindow::refreshLoads() {
    const Span& span = m_editor.shownSpan();
    const int selected = m_editor.selectedLoad();

    QStringList texts;
    for (const Load& load : span.loads) {
        texts << QString::fromStdString(loadListText(load));
    }
    // the beam's own weight: derived from the section, listed, never selected or edited
    const std::optional<Load> ownWeight =
        selfWeightLoad(m_editor.project().beam, m_editor.project().currentSpan);
    if (ownWeight) {
        texts << QString::fromStdString(loadListText(*ownWeight) + "（" +
                                        formatResult(span.section->width) + "×" +
                                        formatResult(span.section->depth) + "）");
    }
    QStringList listed;
    for (int row = 0; row < m_spanLoadList->count(); ++row) {
        listed << m_spanLoadList->item(row)->text();
    }
    if (texts != listed) {
        m_spanLoadList->clear();
        m_spanLoadList->addItems(texts);
        if (ownWeight) {
            QListWidgetItem* derived = m_spanLoadList->item(m_spanLoadList->count() - 1);
            derived->setFlags(Qt::ItemIsEnabled);
            derived->setForeground(QColor(0x60, 0x60, 0x60));
            derived->setToolTip(QStringLiteral("由截面计算的梁自重（荷载 → 梁自重…）"));
        }
    }
    m_spanLoadList->setCurrentRow(selected - 1);
    m_loadKindList->setCurrentRow(m_offeredKindRow);
    m_newLoadCaseList->setCurrentIndex(m_chosenCase);
    m_selectedLoadCaseLabel->setVisible(selected != 0);
    m_selectedLoadCaseList->setVisible(selected != 0);
    if (selected != 0) {
        m_selectedLoadCaseList->setCurrentIndex(span.load(selected).loadCase);
    }

    const std::optional<LoadKind> kind =
        selected != 0 ? std::optional(span.load(selected).kind) : std::nullopt;
    showParameterRows(kind);

    showSketch(m_loadKindSketch, static_cast<LoadKind>(m_offeredKindRow));
    showSketch(m_selectedLoadSketch, kind);

    m_addLoadButton->setEnabled(span.loadCount() < kMaxLoads);
    m_deleteLoadButton->setEnabled(selected != 0);
    m_deleteAllLoadsButton->setEnabled(span.loadCount() > 0);
}

void MainWindow::refreshCommands() {
    const bool passed = m_editor.isCheckPassed();
    m_checkButton->setEnabled(!passed);
    m_calculateButton->setEnabled(passed);
    m_diagramButton->setEnabled(passed);

    m_undoAction->setEnabled(m_editor.canUndo());
    m_undoAction->setText(QStringLiteral("撤销") +
                          (m_editor.canUndo()
                               ? QStringLiteral(" ") + QString::fromStdString(m_editor.undoName())
                               : QString()));
    m_redoAction->setEnabled(m_editor.canRedo());
    m_redoAction->setText(QStringLiteral("重做") +
                          (m_editor.canRedo()
                               ? QStringLiteral(" ") + QString::fromStdString(m_editor.redoName())
                               : QString()));

    if (m_resultWindow && m_outcome) {
        m_resultWindow->setStale(!outcomeIsCurrent(*m_outcome, m_editor.project().beam));
    }
}

// The fields the selected load's kind uses, each captioned with what it is for that kind: the
// P field holds a force, a moment (clockwise positive) or a linear load's second intensity.
void MainWindow::showParameterRows(std::optional<LoadKind> kind) {
    using enum LoadKind;
    const bool linear = kind == Linear;
    m_forceRow.setShown(kind == Concentrated || kind == Couple || linear);
    m_intensityRow.setShown(kind == Uniform || kind == Trapezoidal || kind == PartialUniform ||
                            linear);
    m_distanceARow.setShown(kind && kind != Uniform);
    m_distanceBRow.setShown(kind == Concentrated || kind == Couple || kind == PartialUniform ||
                            linear);
    m_distanceCRow.setShown(kind == PartialUniform || linear);
    m_intensityRow.label->setText(linear ? QStringLiteral("q1=") : QStringLiteral("q="));
    QString force = QStringLiteral("P="), unit = QStringLiteral("kN"), tip;
    if (kind == Couple) {
        force = QStringLiteral("M=");
        unit = QStringLiteral("kN*m 顺时针为正");
        tip = QStringLiteral("集中力偶，顺时针为正，逆时针输入负值");
    } else if (linear) {
        force = QStringLiteral("q2=");
        unit = QStringLiteral("kN/m");
        tip = QStringLiteral("a + c 处的荷载集度");
    }
    m_forceRow.label->setText(force);
    m_forceRow.unit->setText(unit);
    m_forceRow.field->setToolTip(tip);
    m_forceRow.field->setAccessibleName(force);
    m_intensityRow.field->setAccessibleName(m_intensityRow.label->text());
    // a linear load needs both intensities: q1 above q2; every other kind one of them
    placeForceRow(linear ? 2 : 1);
}

// The sketch of a load kind on the span shown, as that span is supported in the calculation.
void MainWindow::showSketch(QLabel* image, std::optional<LoadKind> kind) {
    const Project& project = m_editor.project();
    const SpanEnds ends = spanEnds(project.beam, project.currentSpan);
    const SketchSupport support = ends.left == EndSupport::Free    ? SketchSupport::FreeLeft
                                  : ends.right == EndSupport::Free ? SketchSupport::FreeRight
                                                                   : SketchSupport::BothEnds;
    const int number = kind ? sketchNumber(support, *kind) : 0;
    if (number == image->property("picture").toInt()) {
        return;
    }
    if (number == 0) {
        image->clear();
    } else {
        image->setPixmap(sketchPixmap(number, image->devicePixelRatioF()));
    }
    image->setProperty("picture", number);
}

} // namespace spanwise
