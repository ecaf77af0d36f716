// What each control of the main window reaches when the user works it: a signal to the intent it
// means, connected once.
#include "ui/main/MainWindow.h"

#include "ui/common/Controls.h"
#include "ui/common/FocusLoss.h"
#include "ui/common/NumberValidator.h"
#include "ui/main/BeamSketch.h"
#include "ui/main/SketchPictures.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace spanwise {

using namespace controls;

void MainWindow::connectControls() {
    for (int f = 0; f < kValueFieldCount; ++f) {
        const auto which = static_cast<ValueField>(f);
        QLineEdit* edit = valueField(which);
        edit->setValidator(new NumberValidator(
            takesSign(which), [this, which] { sayWhatTheFieldTakes(which); }, edit));
        connect(edit, &QLineEdit::textEdited, this, [this, which] { typeIntoValueField(which); });
        onFocusLost(edit, [this, which] { leaveValueField(which); });
    }
    for (QLineEdit* edit : findChildren<QLineEdit*>()) {
        leaveUndoKeysToWindow(edit);
    }
    connect(m_sectionButton, &QPushButton::clicked, this, [this] { editSection(); });
    connect(m_computeLineStiffnessButton, &QPushButton::clicked, this, [this] {
        m_editor.computeLineStiffness();
        refresh();
    });

    connect(m_spanCountField, &QLineEdit::returnPressed, this, [this] { finishSpanCountEntry(); });
    onFocusLost(m_spanCountField, [this] { finishSpanCountEntry(); });
    connect(m_moreSpansButton, &QPushButton::clicked, this, [this] { changeSpanCountBy(1); });
    connect(m_fewerSpansButton, &QPushButton::clicked, this, [this] { changeSpanCountBy(-1); });
    connect(m_leftSupportList, &QComboBox::activated, this,
            [this](int index) { chooseSupport(BeamEnd::Left, index); });
    connect(m_rightSupportList, &QComboBox::activated, this,
            [this](int index) { chooseSupport(BeamEnd::Right, index); });

    connect(m_shownSpanField, &QLineEdit::textEdited, this, [this] { typeShownSpan(); });
    connect(m_previousSpanButton, &QPushButton::clicked, this, [this] { showNeighbourSpan(-1); });
    connect(m_nextSpanButton, &QPushButton::clicked, this, [this] { showNeighbourSpan(1); });
    connect(m_beamSketch, &BeamSketch::spanClicked, this, [this](int span) {
        m_editor.showSpan(span);
        refresh();
    });
    auto withAnswers = [this](void (Editor::*edit)(const Answerer&)) {
        return [this, edit] {
            (m_editor.*edit)(answerer());
            refresh();
        };
    };
    connect(m_insertSpanButton, &QPushButton::clicked, this, withAnswers(&Editor::insertSpan));
    connect(m_deleteSpanButton, &QPushButton::clicked, this, withAnswers(&Editor::deleteSpan));
    connect(m_copyPreviousSpanButton, &QPushButton::clicked, this,
            withAnswers(&Editor::copyPreviousSpan));

    // a list acts when the user moves its selection (mouse or keys) and when the user clicks
    // the item already selected; refresh() moves selections with the signals blocked
    connect(m_loadKindList, &QListWidget::currentRowChanged, this,
            [this](int row) { offerLoadKind(row); });
    connect(m_loadKindList, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { offerLoadKind(m_loadKindList->row(item)); });
    connect(m_loadKindList, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        offerLoadKind(m_loadKindList->row(item));
        addOfferedLoad();
    });
    connect(m_addLoadButton, &QPushButton::clicked, this, [this] { addOfferedLoad(); });
    connect(m_newLoadCaseList, &QComboBox::activated, this, [this](int index) {
        if (index >= 0) {
            m_chosenCase = static_cast<LoadCase>(index); // for the next load only
        }
        refresh();
    });
    connect(m_selectedLoadCaseList, &QComboBox::activated, this, [this](int index) {
        if (index >= 0) {
            m_editor.setLoadCase(static_cast<LoadCase>(index));
        }
        refresh();
    });
    connect(m_spanLoadList, &QListWidget::currentRowChanged, this,
            [this](int row) { chooseLoad(row); });
    connect(m_spanLoadList, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { chooseLoad(m_spanLoadList->row(item)); });
    connect(m_spanLoadList, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { deleteLoadAtRow(m_spanLoadList->row(item)); });
    connect(m_deleteLoadButton, &QPushButton::clicked, this, [this] {
        m_editor.deleteSelectedLoad();
        refresh();
    });
    connect(m_deleteAllLoadsButton, &QPushButton::clicked, this,
            withAnswers(&Editor::deleteAllLoads));

    connect(m_checkButton, &QPushButton::clicked, this, [this] { checkData(); });
    connect(m_calculateButton, &QPushButton::clicked, this, [this] { calculate(); });
}

} // namespace spanwise
