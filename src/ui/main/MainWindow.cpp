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

MainWindow::MainWindow(Prompter& prompter, QWidget* parent)
    : QMainWindow(parent), m_prompter(prompter), m_projectName(QString::fromUtf8(kNewProjectName)) {
    setObjectName(QStringLiteral("mainWindow"));
    createMenus();
    createControls();
    layOutControls();
    connectControls();
    refresh();
}

MainWindow::~MainWindow() {
    removeFocusLossHandlers(this);
}

QString MainWindow::titleFor(const QString& projectName) {
    // "[*]" shows as "*" while the project has unsaved work
    return QStringLiteral("Spanwise ( ") + projectName + QStringLiteral(" )[*]");
}

void MainWindow::ParameterRow::setShown(bool shown) const {
    label->setVisible(shown);
    field->setVisible(shown);
    unit->setVisible(shown);
    field->setEnabled(shown);
}

void MainWindow::createControls() {
    m_banner = label("banner", QString());
    m_banner->setAlignment(Qt::AlignCenter);
    m_banner->setPixmap(bannerPixmap(devicePixelRatioF()));

    m_beamGroup = named<QGroupBox>("beamGroup", QStringLiteral("总体信息"));
    m_spanCountLabel = label("spanCountLabel", QStringLiteral("总跨数"));
    m_spanCountField = field("spanCountField", QStringLiteral("1"));
    m_spanCountField->setMaximumWidth(48);
    m_moreSpansButton = button("moreSpansButton", QStringLiteral("增"));
    m_fewerSpansButton = button("fewerSpansButton", QStringLiteral("减"));
    m_leftSupportLabel = label("leftSupportLabel", QStringLiteral("左支座"));
    m_leftSupportList = named<QComboBox>("leftSupportList");
    m_rightSupportLabel = label("rightSupportLabel", QStringLiteral("右支座"));
    m_rightSupportList = named<QComboBox>("rightSupportList");
    // in the order of SupportKind
    for (QComboBox* list : {m_leftSupportList, m_rightSupportList}) {
        for (const char* kind : {"简支", "悬臂", "固端"}) {
            list->addItem(QString::fromUtf8(kind));
        }
    }

    m_beamSketch = new BeamSketch;

    m_spanGroup = named<QGroupBox>("spanGroup", QStringLiteral("单跨信息"));
    m_shownSpanLabel = label("shownSpanLabel", QStringLiteral("当前跨号"));
    m_shownSpanField = field("shownSpanField", QStringLiteral("1"));
    m_shownSpanField->setMaximumWidth(48);
    m_previousSpanButton = button("previousSpanButton", QStringLiteral("前"));
    m_nextSpanButton = button("nextSpanButton", QStringLiteral("后"));
    m_spanLengthLabel = label("spanLengthLabel", QStringLiteral("跨度 L"));
    m_valueFields[static_cast<std::size_t>(ValueField::Length)] =
        field("spanLengthField", QStringLiteral("0"));
    m_spanLengthUnit = label("spanLengthUnit", QStringLiteral("m"));
    m_spanEditLabel = label("spanEditLabel", QStringLiteral("编辑"));
    m_copyPreviousSpanButton = button("copyPreviousSpanButton", QStringLiteral("同前一跨"));
    m_deleteSpanButton = button("deleteSpanButton", QStringLiteral("删除本跨"));
    m_insertSpanButton = button("insertSpanButton", QStringLiteral("插入一跨"));
    m_sectionButton = button("sectionButton", QStringLiteral("截面…"));
    createLoadControls();

    m_rigidityLabel = label("rigidityLabel", QStringLiteral("EI="));
    m_valueFields[static_cast<std::size_t>(ValueField::EI)] =
        field("rigidityField", QStringLiteral("1"));
    m_rigidityUnit = label("rigidityUnit", QStringLiteral("kN*m*m"));
    m_lineStiffnessLabel = label("lineStiffnessLabel", QStringLiteral("线刚度i="));
    m_valueFields[static_cast<std::size_t>(ValueField::LineStiffness)] =
        field("lineStiffnessField", QStringLiteral("1"));
    m_lineStiffnessUnit = label("lineStiffnessUnit", QStringLiteral("kN*m"));
    m_computeLineStiffnessButton = button("computeLineStiffnessButton", QStringLiteral("X"));
    m_computeLineStiffnessButton->setFixedWidth(28);
    m_computeLineStiffnessButton->setToolTip(QStringLiteral("i = EI / L"));
    m_stiffnessSource = label("stiffnessSource", QString());
    m_stiffnessSource->setWordWrap(true);
    for (QLineEdit* value : m_valueFields) {
        value->setMinimumWidth(72); // "4444.444" whole, at the window's smallest
    }
    for (QPushButton* small :
         {m_moreSpansButton, m_fewerSpansButton, m_previousSpanButton, m_nextSpanButton}) {
        small->setMaximumWidth(36);
    }

    m_checkButton = button("checkButton", QStringLiteral("数据检查"));
    // kept from the first versions, where it drew the beam; hidden, enabled like the calculation
    m_diagramButton = button("diagramButton", QStringLiteral("计算简图"));
    m_diagramButton->setVisible(false);
    m_calculateButton = button("calculateButton", QStringLiteral("内力计算"));

    QFont heiti = font();
    heiti.setFamilies({QStringLiteral("SimHei"), QStringLiteral("Noto Sans CJK SC")});
    for (QLabel* l :
         {m_spanEditLabel, m_distanceARow.unit, m_distanceBRow.unit, m_distanceCRow.unit}) {
        l->setFont(heiti);
    }

    labelFor(m_spanCountLabel, m_spanCountField);
    labelFor(m_leftSupportLabel, m_leftSupportList);
    labelFor(m_rightSupportLabel, m_rightSupportList);
    labelFor(m_shownSpanLabel, m_shownSpanField);
    labelFor(m_spanLengthLabel, valueField(ValueField::Length));
    for (const ParameterRow* row :
         {&m_forceRow, &m_intensityRow, &m_distanceARow, &m_distanceBRow, &m_distanceCRow}) {
        labelFor(row->label, row->field);
    }
    labelFor(m_rigidityLabel, valueField(ValueField::EI));
    labelFor(m_lineStiffnessLabel, valueField(ValueField::LineStiffness));
    labelFor(m_loadKindLabel, m_loadKindList);
    labelFor(m_spanLoadsLabel, m_spanLoadList);
    labelFor(m_newLoadCaseLabel, m_newLoadCaseList);
    labelFor(m_selectedLoadCaseLabel, m_selectedLoadCaseList);
}

void MainWindow::createLoadControls() {
    m_loadKindLabel = label("loadKindLabel", QStringLiteral("可选荷载形式"));
    m_loadKindSketch = label("loadKindSketch", QString());
    m_loadKindList = named<QListWidget>("loadKindList");
    for (int kind = 0; kind < kLoadKindCount; ++kind) {
        m_loadKindList->addItem(QString::fromUtf8(loadKindName(static_cast<LoadKind>(kind))));
    }
    // the case of the next load added, and apart from it the case of the load selected
    m_newLoadCaseLabel = label("newLoadCaseLabel", QStringLiteral("新增荷载"));
    m_newLoadCaseList = named<QComboBox>("newLoadCaseList");
    m_selectedLoadCaseLabel = label("selectedLoadCaseLabel", QStringLiteral("类别"));
    m_selectedLoadCaseList = named<QComboBox>("selectedLoadCaseList");
    for (QComboBox* cases : {m_newLoadCaseList, m_selectedLoadCaseList}) {
        cases->addItems({QStringLiteral("恒载 G"), QStringLiteral("活载 Q")}); // LoadCase
    }
    m_newLoadCaseList->setToolTip(QStringLiteral("下一个添加的荷载属于恒载还是活载"));
    m_selectedLoadCaseList->setToolTip(QStringLiteral("所选荷载属于恒载还是活载"));
    m_spanLoadsLabel = label("spanLoadsLabel", QStringLiteral("实际荷载形式"));
    m_selectedLoadSketch = label("selectedLoadSketch", QString());
    m_spanLoadList = named<QListWidget>("spanLoadList");
    for (QLabel* image : {m_loadKindSketch, m_selectedLoadSketch}) {
        image->setFixedSize(113, 89);
        image->setAlignment(Qt::AlignCenter);
    }
    // the lists grow with the window; at its smallest they still show three loads
    for (QListWidget* list : {m_loadKindList, m_spanLoadList}) {
        list->setMinimumSize(113, 75);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
    }
    m_spanLoadList->setMinimumWidth(170); // "集中力 P=50 a=1.5 b=3" whole
    m_addLoadButton = button("addLoadButton", QStringLiteral("添加"));
    m_deleteLoadButton = button("deleteLoadButton", QStringLiteral("删除"));
    m_deleteAllLoadsButton = button("deleteAllLoadsButton", QStringLiteral("全删"));
    m_loadParametersLabel = label("loadParametersLabel", QStringLiteral("荷载参数设置"));

    auto row = [this](const char* name, const char* caption, const char* unit, ValueField f) {
        const QString base = QString::fromLatin1(name);
        ParameterRow r{
            named<QLabel>((base + QStringLiteral("Label")).toLatin1().constData(),
                          QString::fromUtf8(caption)),
            field((base + QStringLiteral("Field")).toLatin1().constData(), QStringLiteral("0")),
            named<QLabel>((base + QStringLiteral("Unit")).toLatin1().constData(),
                          QString::fromUtf8(unit))};
        m_valueFields[static_cast<std::size_t>(f)] = r.field;
        return r;
    };
    m_forceRow = row("force", "P=", "kN", ValueField::P);
    m_intensityRow = row("intensity", "q=", "kN/m", ValueField::q);
    m_distanceARow = row("distanceA", "a=", "m", ValueField::a);
    m_distanceBRow = row("distanceB", "b=", "m", ValueField::b);
    m_distanceCRow = row("distanceC", "c=", "m", ValueField::c);
}

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
