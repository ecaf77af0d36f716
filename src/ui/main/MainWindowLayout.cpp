// Where the main window's controls stand: the groups in their reading order, the load rows that
// a kind's fields take, and the tab order.
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

void MainWindow::layOutControls() {
    auto* beamRow = new QHBoxLayout(m_beamGroup);
    beamRow->addWidget(m_spanCountLabel);
    beamRow->addWidget(m_spanCountField);
    beamRow->addSpacing(8);
    beamRow->addWidget(m_moreSpansButton);
    beamRow->addWidget(m_fewerSpansButton);
    beamRow->addStretch(1);
    beamRow->addWidget(m_leftSupportLabel);
    beamRow->addWidget(m_leftSupportList);
    beamRow->addStretch(1);
    beamRow->addWidget(m_rightSupportLabel);
    beamRow->addWidget(m_rightSupportList);

    auto* spanRow = new QHBoxLayout;
    spanRow->addWidget(m_shownSpanLabel);
    spanRow->addWidget(m_shownSpanField);
    spanRow->addWidget(m_previousSpanButton);
    spanRow->addWidget(m_nextSpanButton);
    spanRow->addSpacing(16);
    spanRow->addWidget(m_spanLengthLabel);
    spanRow->addWidget(valueField(ValueField::Length));
    spanRow->addWidget(m_spanLengthUnit);
    spanRow->addSpacing(8);
    spanRow->addWidget(m_sectionButton);
    spanRow->addStretch(1);
    spanRow->addWidget(m_spanEditLabel);
    spanRow->addWidget(m_copyPreviousSpanButton);
    spanRow->addWidget(m_deleteSpanButton);
    spanRow->addWidget(m_insertSpanButton);

    auto* offered = new QVBoxLayout;
    offered->addWidget(m_loadKindLabel, 0, Qt::AlignHCenter);
    offered->addWidget(m_loadKindSketch);
    offered->addWidget(m_loadKindList, 1);
    auto* newCase = new QHBoxLayout;
    newCase->addWidget(m_newLoadCaseLabel);
    newCase->addWidget(m_newLoadCaseList, 1);
    offered->addLayout(newCase);

    auto* listButtons = new QVBoxLayout;
    listButtons->addStretch(1);
    listButtons->addWidget(m_addLoadButton);
    listButtons->addWidget(m_deleteLoadButton);
    listButtons->addWidget(m_deleteAllLoadsButton);

    auto* actual = new QVBoxLayout;
    actual->addWidget(m_spanLoadsLabel, 0, Qt::AlignHCenter);
    actual->addWidget(m_selectedLoadSketch);
    actual->addWidget(m_spanLoadList, 1);

    // P and q share one place where a load has one of them (placeForceRow)
    auto* parameters = new QGridLayout;
    m_parameterGrid = parameters;
    parameters->addWidget(m_loadParametersLabel, 0, 0, 1, 6, Qt::AlignHCenter);
    auto addRow = [&](const ParameterRow& row, int r, int c) {
        parameters->addWidget(row.label, r, c, Qt::AlignRight);
        parameters->addWidget(row.field, r, c + 1);
        parameters->addWidget(row.unit, r, c + 2);
    };
    addRow(m_forceRow, 1, 0);
    addRow(m_intensityRow, 1, 0);
    addRow(m_distanceARow, 1, 3);
    addRow(m_distanceCRow, 2, 3);
    addRow(m_distanceBRow, 3, 3);
    parameters->addWidget(m_selectedLoadCaseLabel, 3, 0, Qt::AlignRight);
    parameters->addWidget(m_selectedLoadCaseList, 3, 1, 1, 2);
    parameters->addWidget(m_rigidityLabel, 4, 0, 1, 2, Qt::AlignRight);
    parameters->addWidget(valueField(ValueField::EI), 4, 2, 1, 2);
    parameters->addWidget(m_rigidityUnit, 4, 4, 1, 2);
    parameters->addWidget(m_lineStiffnessLabel, 5, 0, 1, 2, Qt::AlignRight);
    parameters->addWidget(valueField(ValueField::LineStiffness), 5, 2, 1, 2);
    auto* unitAndButton = new QHBoxLayout;
    unitAndButton->addWidget(m_lineStiffnessUnit);
    unitAndButton->addWidget(m_computeLineStiffnessButton);
    unitAndButton->addStretch(1);
    parameters->addLayout(unitAndButton, 5, 4, 1, 2);
    parameters->addWidget(m_stiffnessSource, 6, 0, 1, 6);
    parameters->setRowStretch(7, 1);

    // an enlarged window widens the two lists; the parameters stay beside their captions
    auto* loads = new QHBoxLayout;
    loads->addLayout(offered, 1);
    loads->addLayout(listButtons);
    loads->addLayout(actual, 1);
    loads->addSpacing(12);
    loads->addLayout(parameters);

    auto* spanColumn = new QVBoxLayout(m_spanGroup);
    spanColumn->addLayout(spanRow);
    spanColumn->addLayout(loads);

    auto* commands = new QHBoxLayout;
    commands->addStretch(1);
    commands->addWidget(m_checkButton);
    commands->addStretch(1);
    commands->addWidget(m_diagramButton);
    commands->addWidget(m_calculateButton);
    commands->addStretch(1);

    auto* central = new QWidget;
    auto* page = new QVBoxLayout(central);
    page->addWidget(m_banner);
    page->addWidget(m_beamGroup);
    page->addWidget(m_beamSketch, 2);
    page->addWidget(m_spanGroup, 3);
    page->addLayout(commands);
    setCentralWidget(central);

    // Tab goes through the window as it reads: the beam's row, the span's row, then the load
    // columns left to right (offered kinds, their buttons, the span's loads, the parameters)
    // and the commands at the bottom
    QWidget* order[] = {m_spanCountField,
                        m_moreSpansButton,
                        m_fewerSpansButton,
                        m_leftSupportList,
                        m_rightSupportList,
                        m_shownSpanField,
                        m_previousSpanButton,
                        m_nextSpanButton,
                        valueField(ValueField::Length),
                        m_sectionButton,
                        m_copyPreviousSpanButton,
                        m_deleteSpanButton,
                        m_insertSpanButton,
                        m_loadKindList,
                        m_newLoadCaseList,
                        m_addLoadButton,
                        m_deleteLoadButton,
                        m_deleteAllLoadsButton,
                        m_spanLoadList,
                        m_intensityRow.field,
                        m_forceRow.field,
                        m_distanceARow.field,
                        m_distanceCRow.field,
                        m_selectedLoadCaseList,
                        m_distanceBRow.field,
                        valueField(ValueField::EI),
                        valueField(ValueField::LineStiffness),
                        m_computeLineStiffnessButton,
                        m_checkButton,
                        m_diagramButton,
                        m_calculateButton};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

void MainWindow::placeForceRow(int row) {
    if (row == m_forceRowAt) {
        return;
    }
    for (QWidget* w :
         {static_cast<QWidget*>(m_forceRow.label), static_cast<QWidget*>(m_forceRow.field),
          static_cast<QWidget*>(m_forceRow.unit)}) {
        m_parameterGrid->removeWidget(w);
    }
    m_parameterGrid->addWidget(m_forceRow.label, row, 0, Qt::AlignRight);
    m_parameterGrid->addWidget(m_forceRow.field, row, 1);
    m_parameterGrid->addWidget(m_forceRow.unit, row, 2);
    m_forceRowAt = row;
}

} // namespace spanwise
