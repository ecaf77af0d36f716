#include "ui/main/MainWindow.h"

#include "ui/common/Controls.h"
#include "ui/common/FocusLoss.h"
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
    : QMainWindow(parent), m_prompter(prompter) {
    setObjectName(QStringLiteral("window"));
    createMenus();
    createControls();
    layOutControls();
    connectHandlers();
    setWindowTitle(titleFor(QString::fromUtf8(kNewProjectName)));
}

MainWindow::~MainWindow() {
    removeFocusLossHandlers(this);
}

QString MainWindow::titleFor(const QString& projectName) {
    return QStringLiteral("Spanwise ( ") + projectName + QStringLiteral(" )");
}

void MainWindow::updateTitle() {
    setWindowTitle(titleFor(QString::fromStdString(m_model.ProjectFileName)));
}

void MainWindow::ParameterRow::setShown(bool shown) const {
    label->setVisible(shown);
    field->setVisible(shown);
    unit->setVisible(shown);
    field->setEnabled(shown);
}

void MainWindow::createMenus() {
    auto action = [this](QMenu* menu, const char* name, const QString& text) {
        QAction* a = menu->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    QMenu* file = menuBar()->addMenu(QStringLiteral("文件(&File)"));
    file->setObjectName(QStringLiteral("File"));
    connect(action(file, "Open", QStringLiteral("旧工程(&Open)")), &QAction::triggered, this,
            [this] { Open_Click(); });
    connect(action(file, "New", QStringLiteral("新工程(&New)")), &QAction::triggered, this,
            [this] { New_Click(); });
    file->addSeparator();
    connect(action(file, "Save", QStringLiteral("保存(&Save)")), &QAction::triggered, this,
            [this] { Save_Click(); });
    connect(action(file, "Saveas", QStringLiteral("保存为(S&ave as)")), &QAction::triggered, this,
            [this] { Saveas_Click(); });
    file->addSeparator();
    connect(action(file, "Exit", QStringLiteral("退出(&Exit)")), &QAction::triggered, this,
            [this] { Exit_Click(); });

    QMenu* news = menuBar()->addMenu(QStringLiteral("信息(&News)"));
    news->setObjectName(QStringLiteral("News"));
    connect(action(news, "Introdoction", QStringLiteral("产品介绍(&Introduction)")),
            &QAction::triggered, this, [this] { Introdoction_Click(); });
    connect(action(news, "Declare", QStringLiteral("版权说明(&Declare)")), &QAction::triggered,
            this, [this] { Declare_Click(); });
    connect(action(news, "Help", QStringLiteral("帮助(&Help)")), &QAction::triggered, this,
            [this] { Help_Click(); });
}

void MainWindow::createControls() {
    m_HEAD = label("HEAD", QString());
    m_HEAD->setAlignment(Qt::AlignCenter);
    m_HEAD->setPixmap(bannerPixmap(devicePixelRatioF()));

    m_Frame1 = named<QGroupBox>("Frame1", QStringLiteral("总体信息"));
    m_Label1 = label("Label1", QStringLiteral("总跨数"));
    m_number = field("number", QStringLiteral("1"));
    m_number->setMaximumWidth(48);
    m_PLUS = button("PLUS", QStringLiteral("增"));
    m_REDUCE = button("REDUCE", QStringLiteral("减"));
    m_Label3 = label("Label3", QStringLiteral("左支座"));
    m_LL = named<QComboBox>("LL");
    m_Label4 = label("Label4", QStringLiteral("右支座"));
    m_RR = named<QComboBox>("RR");
    for (QComboBox* list : {m_LL, m_RR}) {
        int tag = 1;
        for (const char* kind : {"简支", "悬臂", "固端"}) {
            list->addItem(QString::fromUtf8(kind), tag++);
        }
    }

    m_Frame2 = named<QGroupBox>("Frame2", QStringLiteral("单跨信息"));
    m_Label2 = label("Label2", QStringLiteral("当前跨号"));
    m_Currentnumber = field("Currentnumber", QStringLiteral("1"));
    m_Currentnumber->setMaximumWidth(48);
    m_front = button("front", QStringLiteral("前"));
    m_back = button("back", QStringLiteral("后"));
    m_Label6 = label("Label6", QStringLiteral("跨度 L"));
    m_length = field("length", QStringLiteral("0"));
    m_Label11 = label("Label11", QStringLiteral("m"));
    m_Label7 = label("Label7", QStringLiteral("编辑"));
    m_Command3 = button("Command3", QStringLiteral("同前一跨"));
    m_Command4 = button("Command4", QStringLiteral("删除本跨"));
    m_Command5 = button("Command5", QStringLiteral("插入一跨"));
    m_Label8 = label("Label8", QStringLiteral("可选荷载形式"));
    m_Image1 = label("Image1", QString());
    m_List1 = named<QListWidget>("List1");
    int kind = 0;
    for (const char* name : {"集中力", "均布荷载", "梯形荷载"}) {
        auto* item = new QListWidgetItem(QString::fromUtf8(name), m_List1);
        item->setData(Qt::UserRole, kind++);
    }
    m_Label9 = label("Label9", QStringLiteral("实际荷载形式"));
    m_Image2 = label("Image2", QString());
    m_List2 = named<QListWidget>("List2");
    for (QLabel* image : {m_Image1, m_Image2}) {
        image->setFixedSize(113, 89); // 1695 x 1335 twips
        image->setAlignment(Qt::AlignCenter);
    }
    for (QListWidget* list : {m_List1, m_List2}) {
        list->setFixedSize(113, 75);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
    }
    m_add = button("add", QStringLiteral("添加"));
    m_remove = button("remove", QStringLiteral("删除"));
    m_clear = button("clear", QStringLiteral("全删"));
    m_setup = label("setup", QStringLiteral("荷载参数设置"));

    m_rowP = {label("Label5", QStringLiteral("P=")), field("P", QStringLiteral("0")),
              label("Label15", QStringLiteral("kN"))};
    m_rowQ = {label("ee", QStringLiteral("q=")), field("q", QStringLiteral("0")),
              label("Label10", QStringLiteral("kN/m"))};
    m_rowA = {label("aa", QStringLiteral("a=")), field("a", QStringLiteral("0")),
              label("Label12", QStringLiteral("m"))};
    m_rowB = {label("bb", QStringLiteral("b=")), field("b", QStringLiteral("0")),
              label("Label13", QStringLiteral("m"))};
    m_rowC = {label("cc", QStringLiteral("c=")), field("c", QStringLiteral("0")),
              label("Label14", QStringLiteral("m"))};

    m_Label16 = label("Label16", QStringLiteral("EI="));
    m_EI = field("EI", QStringLiteral("1"));
    m_Label17 = label("Label17", QStringLiteral("kN*m*m"));
    m_ii = label("ii", QStringLiteral("线刚度i="));
    m_I = field("I", QStringLiteral("1"));
    m_Label18 = label("Label18", QStringLiteral("kN*m"));
    m_Command1 = button("Command1", QStringLiteral("X"));
    m_Command1->setFixedWidth(28);
    for (QPushButton* small : {m_PLUS, m_REDUCE, m_front, m_back}) {
        small->setMaximumWidth(36);
    }

    m_check = button("check", QStringLiteral("数据检查"));
    m_done = button("done", QStringLiteral("计算简图"));
    m_Command6 = button("Command6", QStringLiteral("内力计算"));

    QFont heiti = font();
    heiti.setFamilies({QStringLiteral("SimHei"), QStringLiteral("Noto Sans CJK SC")});
    for (QLabel* l : {m_Label7, m_rowA.unit, m_rowB.unit, m_rowC.unit}) {
        l->setFont(heiti);
    }

    labelFor(m_Label1, m_number);
    labelFor(m_Label3, m_LL);
    labelFor(m_Label4, m_RR);
    labelFor(m_Label2, m_Currentnumber);
    labelFor(m_Label6, m_length);
    for (const ParameterRow* row : {&m_rowP, &m_rowQ, &m_rowA, &m_rowB, &m_rowC}) {
        labelFor(row->label, row->field);
    }
    labelFor(m_Label16, m_EI);
    labelFor(m_ii, m_I);
    labelFor(m_Label8, m_List1);
    labelFor(m_Label9, m_List2);

    // the state in which the window opens
    m_REDUCE->setEnabled(false);
    m_LL->setEnabled(false);
    m_RR->setEnabled(false);
    m_front->setEnabled(false);
    m_back->setEnabled(false);
    m_Command3->setEnabled(false);
    m_Command4->setEnabled(false);
    m_add->setEnabled(false);
    m_remove->setEnabled(false);
    m_clear->setEnabled(false);
    for (const ParameterRow* row : {&m_rowP, &m_rowQ, &m_rowA, &m_rowB, &m_rowC}) {
        row->setShown(false);
    }
    m_done->setVisible(false);
    m_done->setEnabled(false);
    m_Command6->setEnabled(false);
}

void MainWindow::layOutControls() {
    auto* frame1 = new QHBoxLayout(m_Frame1);
    frame1->addWidget(m_Label1);
    frame1->addWidget(m_number);
    frame1->addSpacing(8);
    frame1->addWidget(m_PLUS);
    frame1->addWidget(m_REDUCE);
    frame1->addStretch(1);
    frame1->addWidget(m_Label3);
    frame1->addWidget(m_LL);
    frame1->addStretch(1);
    frame1->addWidget(m_Label4);
    frame1->addWidget(m_RR);

    auto* spanRow = new QHBoxLayout;
    spanRow->addWidget(m_Label2);
    spanRow->addWidget(m_Currentnumber);
    spanRow->addWidget(m_front);
    spanRow->addWidget(m_back);
    spanRow->addSpacing(16);
    spanRow->addWidget(m_Label6);
    spanRow->addWidget(m_length);
    spanRow->addWidget(m_Label11);
    spanRow->addStretch(1);
    spanRow->addWidget(m_Label7);
    spanRow->addWidget(m_Command3);
    spanRow->addWidget(m_Command4);
    spanRow->addWidget(m_Command5);

    auto* available = new QVBoxLayout;
    available->addWidget(m_Label8, 0, Qt::AlignHCenter);
    available->addWidget(m_Image1);
    available->addWidget(m_List1);

    auto* listButtons = new QVBoxLayout;
    listButtons->addStretch(1);
    listButtons->addWidget(m_add);
    listButtons->addWidget(m_remove);
    listButtons->addWidget(m_clear);

    auto* actual = new QVBoxLayout;
    actual->addWidget(m_Label9, 0, Qt::AlignHCenter);
    actual->addWidget(m_Image2);
    actual->addWidget(m_List2);

    // parameters: P and q share one place, only one of them is ever shown
    auto* parameters = new QGridLayout;
    parameters->addWidget(m_setup, 0, 0, 1, 6, Qt::AlignHCenter);
    auto addRow = [&](const ParameterRow& row, int r, int c) {
        parameters->addWidget(row.label, r, c, Qt::AlignRight);
        parameters->addWidget(row.field, r, c + 1);
        parameters->addWidget(row.unit, r, c + 2);
    };
    addRow(m_rowP, 1, 0);
    addRow(m_rowQ, 1, 0);
    addRow(m_rowA, 1, 3);
    addRow(m_rowB, 2, 3);
    addRow(m_rowC, 3, 3);
    parameters->addWidget(m_Label16, 4, 0, 1, 2, Qt::AlignRight);
    parameters->addWidget(m_EI, 4, 2, 1, 2);
    parameters->addWidget(m_Label17, 4, 4, 1, 2);
    parameters->addWidget(m_ii, 5, 0, 1, 2, Qt::AlignRight);
    parameters->addWidget(m_I, 5, 2, 1, 2);
    auto* unitAndButton = new QHBoxLayout;
    unitAndButton->addWidget(m_Label18);
    unitAndButton->addWidget(m_Command1);
    unitAndButton->addStretch(1);
    parameters->addLayout(unitAndButton, 5, 4, 1, 2);
    parameters->setRowStretch(6, 1);

    auto* loads = new QHBoxLayout;
    loads->addLayout(available);
    loads->addLayout(listButtons);
    loads->addLayout(actual);
    loads->addSpacing(12);
    loads->addLayout(parameters, 1);

    auto* frame2 = new QVBoxLayout(m_Frame2);
    frame2->addLayout(spanRow);
    frame2->addLayout(loads);

    auto* commands = new QHBoxLayout;
    commands->addStretch(1);
    commands->addWidget(m_check);
    commands->addStretch(1);
    commands->addWidget(m_done);
    commands->addWidget(m_Command6);
    commands->addStretch(1);

    auto* central = new QWidget;
    auto* page = new QVBoxLayout(central);
    page->addWidget(m_HEAD);
    page->addWidget(m_Frame1);
    page->addWidget(m_Frame2, 1);
    page->addLayout(commands);
    setCentralWidget(central);

    // keyboard order as the engineer works through a span
    QWidget* order[] = {m_number,        m_PLUS,       m_REDUCE,     m_LL,         m_RR,
                        m_Currentnumber, m_back,       m_length,     m_rowQ.field, m_rowP.field,
                        m_rowA.field,    m_rowB.field, m_rowC.field, m_I,          m_EI,
                        m_List1,         m_List2,      m_add,        m_remove,     m_clear,
                        m_Command4,      m_Command5,   m_done,       m_Command6,   m_check,
                        m_front,         m_Command3,   m_Command1};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

void MainWindow::connectHandlers() {
    connect(m_number, &QLineEdit::textChanged, this, [this] { number_Change(); });
    connect(m_PLUS, &QPushButton::clicked, this, [this] { PLUS_Click(); });
    connect(m_REDUCE, &QPushButton::clicked, this, [this] { REDUCE_Click(); });
    connect(m_LL, &QComboBox::currentIndexChanged, this, [this] { LL_Click(); });
    connect(m_RR, &QComboBox::currentIndexChanged, this, [this] { RR_Click(); });
    connect(m_Currentnumber, &QLineEdit::textChanged, this, [this] { Currentnumber_Change(); });
    connect(m_front, &QPushButton::clicked, this, [this] { front_Click(); });
    connect(m_back, &QPushButton::clicked, this, [this] { back_Click(); });

    connect(m_rowP.field, &QLineEdit::textChanged, this, [this] { P_Change(); });
    connect(m_rowQ.field, &QLineEdit::textChanged, this, [this] { q_Change(); });
    connect(m_rowA.field, &QLineEdit::textChanged, this, [this] { a_Change(); });
    connect(m_rowB.field, &QLineEdit::textChanged, this, [this] { b_Change(); });
    connect(m_rowC.field, &QLineEdit::textChanged, this, [this] { c_Change(); });
    connect(m_EI, &QLineEdit::textChanged, this, [this] { EI_Change(); });
    connect(m_I, &QLineEdit::textChanged, this, [this] { I_Change(); });
    connect(m_length, &QLineEdit::textChanged, this, [this] { length_Change(); });
    onFocusLost(m_rowP.field, [this] { loadFieldLostFocus(m_rowP.field, m_model.LoadP); });
    onFocusLost(m_rowQ.field, [this] { loadFieldLostFocus(m_rowQ.field, m_model.LoadQ); });
    onFocusLost(m_rowA.field, [this] { loadFieldLostFocus(m_rowA.field, m_model.LoadA); });
    onFocusLost(m_rowB.field, [this] { loadFieldLostFocus(m_rowB.field, m_model.LoadB); });
    onFocusLost(m_rowC.field, [this] { loadFieldLostFocus(m_rowC.field, m_model.LoadC); });
    onFocusLost(m_EI, [this] { EI_LostFocus(); });
    onFocusLost(m_I, [this] { I_LostFocus(); });
    onFocusLost(m_length, [this] { length_LostFocus(); });
    connect(m_Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });

    // A list's click handling runs when its selection changes, by the user or the program, and
    // again when the user clicks the item that is already selected.
    connect(m_List1, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) {
            List1_Click();
        }
    });
    connect(m_List1, &QListWidget::itemClicked, this, [this] { List1_Click(); });
    connect(m_List1, &QListWidget::itemDoubleClicked, this, [this] { List1_DblClick(); });
    connect(m_List2, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) {
            List2_Click();
        }
    });
    connect(m_List2, &QListWidget::itemClicked, this, [this] { List2_Click(); });
    connect(m_List2, &QListWidget::itemDoubleClicked, this, [this] { List2_DblClick(); });
    onFocusLost(m_List2, [this] { List2_LostFocus(); });
    connect(m_add, &QPushButton::clicked, this, [this] { add_Click(); });
    connect(m_check, &QPushButton::clicked, this, [this] { check_Click(); });
    connect(m_Command6, &QPushButton::clicked, this, [this] { Command6_Click(); });
    connect(m_Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(m_Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
    connect(m_Command5, &QPushButton::clicked, this, [this] { Command5_Click(); });
    connect(m_remove, &QPushButton::clicked, this, [this] { remove_Click(); });
    connect(m_clear, &QPushButton::clicked, this, [this] { clear_Click(); });
}

void MainWindow::Form_Load() {
    newProject();
}

} // namespace spanwise
