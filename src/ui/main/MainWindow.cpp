#include "ui/main/MainWindow.h"

#include "io/RecoveryCopies.h"

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

} // namespace spanwise
