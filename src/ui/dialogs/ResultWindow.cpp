#include "ui/dialogs/ResultWindow.h"

#include "analysis/Calculation.h"
#include "analysis/CalculationError.h"
#include "analysis/Envelope.h"
#include "analysis/EnvelopeTable.h"
#include "analysis/NumberFormat.h"
#include "analysis/SectionForces.h"
#include "analysis/SpanResults.h"
#include "drawing/DiagramPainter.h"
#include "ui/common/Controls.h"
#include "ui/common/FocusLoss.h"
#include "ui/common/NumberValidator.h"
#include "ui/common/Prompter.h"
#include "ui/common/TableFill.h"
#include "ui/design/DesignForcesPage.h"
#include "ui/design/DesignPage.h"
#include "ui/design/DetailingPage.h"
#include "ui/dialogs/DeflectionPage.h"
#include "ui/dialogs/DiagramPanel.h"
#include "ui/dialogs/WorkingPanel.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenuBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>

namespace spanwise {

using namespace controls;

namespace {

constexpr int kTwipsPerPixel = 15;

QString canonical(float v) {
    return QString::fromStdString(fieldText(v));
}

QLineEdit* readOnly(const char* name) {
    QLineEdit* f = field(name, QString());
    f->setReadOnly(true);
    return f;
}

} // namespace

ResultWindow::ResultWindow(Prompter& prompter, QWidget* parent)
    : QMainWindow(parent, Qt::Window), m_prompter(prompter) {
    setObjectName(QStringLiteral("resultWindow"));
    setWindowTitle(QStringLiteral("结果输出"));
    setAttribute(Qt::WA_DeleteOnClose);

    QAction* outBack = menuBar()->addAction(QStringLiteral("返回"));
    outBack->setObjectName(QStringLiteral("backAction"));
    connect(outBack, &QAction::triggered, this, &QWidget::close);
    QAction* outHelp = menuBar()->addAction(QStringLiteral("帮助"));
    outHelp->setObjectName(QStringLiteral("helpAction"));
    connect(outHelp, &QAction::triggered, this, &ResultWindow::helpRequested);
    QAction* info = menuBar()->addAction(QStringLiteral("工程信息(&Info)…"));
    info->setObjectName(QStringLiteral("projectInfoAction"));
    connect(info, &QAction::triggered, this, [this] { editProjectInfo(); });
    QAction* report = menuBar()->addAction(QStringLiteral("导出计算书(&Report)"));
    report->setObjectName(QStringLiteral("exportReportAction"));
    connect(report, &QAction::triggered, this, [this] { exportReport(); });
    QAction* csv = menuBar()->addAction(QStringLiteral("导出表格(&CSV)"));
    csv->setObjectName(QStringLiteral("exportCsvAction"));
    connect(csv, &QAction::triggered, this, [this] { exportCsv(); });
    QAction* dxf = menuBar()->addAction(QStringLiteral("导出 DXF…"));
    dxf->setObjectName(QStringLiteral("exportDxfAction"));
    connect(dxf, &QAction::triggered, this, [this] { exportDxf(); });

    QLabel* title = label("resultTitle", QStringLiteral("计 算 结 果"));
    title->setAlignment(Qt::AlignCenter);
    m_staleNotice = label("staleNotice", QStringLiteral("数据已修改，结果为上次计算结果"));
    m_staleNotice->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold;"));
    m_staleNotice->setAlignment(Qt::AlignCenter);
    m_staleNotice->hide();

    m_resultTable = named<QTableWidget>("resultTable");
    m_resultTable->setColumnCount(kResultColumns);
    QStringList headers;
    for (const char* h : kResultHeaders) {
        headers << QString::fromUtf8(h);
    }
    m_resultTable->setHorizontalHeaderLabels(headers);
    for (int c = 0; c < kResultColumns; ++c) {
        m_resultTable->setColumnWidth(c, kResultColumnTwips[c] / kTwipsPerPixel);
    }
    m_resultTable->verticalHeader()->hide();
    m_resultTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_resultTable->setAccessibleName(title->text());

    m_diagrams = new DiagramPanel;
    m_reactionTable = named<QTableWidget>("reactionTable");
    m_reactionTable->setColumnCount(3);
    m_reactionTable->setHorizontalHeaderLabels(
        {QStringLiteral("支座"), QStringLiteral("反力(kN)"), QStringLiteral("弯矩(kN*m)")});
    m_reactionTable->verticalHeader()->hide();
    m_reactionTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_reactionTable->setAccessibleName(QStringLiteral("支座反力"));
    auto* tabs = named<QTabWidget>("resultTabs");
    tabs->addTab(m_resultTable, QStringLiteral("结果表"));
    tabs->addTab(m_diagrams, QStringLiteral("内力图"));
    tabs->addTab(m_reactionTable, QStringLiteral("支座反力"));
    m_working = new WorkingPanel;
    tabs->addTab(m_working, QStringLiteral("分配过程"));
    m_tabs = tabs;
    m_envelopePage = named<QWidget>("envelopePage");
    m_factorsLabel = label("factorsLabel", QString());
    m_envelopeSpanTable = named<QTableWidget>("envelopeSpanTable");
    m_envelopeSupportTable = named<QTableWidget>("envelopeSupportTable");
    auto* envelopeColumn = new QVBoxLayout(m_envelopePage);
    envelopeColumn->addWidget(m_factorsLabel);
    envelopeColumn->addWidget(m_envelopeSpanTable, 2);
    envelopeColumn->addWidget(m_envelopeSupportTable, 1);
    for (QTableWidget* table : {m_envelopeSpanTable, m_envelopeSupportTable}) {
        table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table->verticalHeader()->hide();
    }
    m_envelopeSpanTable->setAccessibleName(QStringLiteral("各跨内力包络值"));
    m_envelopeSupportTable->setAccessibleName(QStringLiteral("支座反力包络值"));
    tabs->addTab(m_envelopePage, QStringLiteral("包络值"));
    m_envelopeDiagramPage = named<QWidget>("envelopeDiagramPage");
    m_envelopeDiagrams = new DiagramPanel;
    m_envelopeDiagrams->setObjectName(QStringLiteral("envelopeDiagramPanel"));
    m_envelopeDiagrams->setAccessibleName(QStringLiteral("内力包络图"));
    m_envelopeQueryText = label("envelopeQueryText", QString());
    m_envelopeQueryText->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* envelopeDiagramColumn = new QVBoxLayout(m_envelopeDiagramPage);
    envelopeDiagramColumn->setContentsMargins(0, 0, 0, 0);
    envelopeDiagramColumn->addWidget(m_envelopeDiagrams, 1);
    envelopeDiagramColumn->addWidget(m_envelopeQueryText);
    tabs->addTab(m_envelopeDiagramPage, QStringLiteral("包络图"));
    m_deflectionPage = new DeflectionPage;
    tabs->addTab(m_deflectionPage, QStringLiteral("挠度"));
    m_designForcesPage = new DesignForcesPage;
    tabs->addTab(m_designForcesPage, QStringLiteral("设计内力"));
    m_designPage = new DesignPage;
    tabs->addTab(m_designPage, QStringLiteral("配筋"));
    m_detailingPage = new DetailingPage;
    tabs->addTab(m_detailingPage, QStringLiteral("配筋详图"));
    connect(m_designPage, &DesignPage::proposalsAccepted, this, [this] {
        const BeamDesign* design = m_outcome ? m_outcome->design.get() : nullptr;
        if (design && design->designed && !refusedAsStale(QStringLiteral("采用建议配筋"))) {
            emit proposedBarsAccepted(proposedBars(*design));
        }
    });

    auto* query = named<QGroupBox>("queryFrame", QStringLiteral("内 力 查 询 "));
    QLabel* spanCaption = label("spanCaption", QStringLiteral("当前跨号"));
    m_previousSpanButton = button("previousSpanButton", QStringLiteral("前"));
    m_querySpanField = field("querySpanField", QStringLiteral("1"));
    m_nextSpanButton = button("nextSpanButton", QStringLiteral("后"));
    QLabel* lengthCaption = label("lengthCaption", QStringLiteral("跨度 L"));
    m_querySpanLengthField = readOnly("querySpanLengthField");
    QLabel* distanceCaption = label("distanceCaption", QStringLiteral("请输入到梁左端的距离:"));
    m_queryDistanceField = field("queryDistanceField", QString());
    QLabel* momentCaption = label("momentCaption", QStringLiteral("弯距M="));
    m_queryMomentCaption = momentCaption;
    m_queryMomentField = readOnly("queryMomentField");
    m_queryMomentRightCaption = label("momentRightCaption", QStringLiteral("M右="));
    m_queryMomentRightField = readOnly("queryMomentRightField");
    m_queryMomentRightUnit = label("queryMomentRightUnit", QStringLiteral("kN*m"));
    QLabel* shearCaption = label("shearCaption", QStringLiteral("剪力V="));
    m_queryShearCaption = shearCaption;
    m_queryShearRightCaption = label("shearRightCaption", QStringLiteral("V右="));
    m_queryRangeNotice = label("queryRangeNotice", QString());
    m_queryRangeNotice->setStyleSheet(QStringLiteral("color: #b00000;"));
    m_queryShearField = readOnly("queryShearField");
    m_queryShearRightField = readOnly("queryShearRightField");
    m_queryShearRightUnit = label("queryShearRightUnit", QStringLiteral("kN"));
    for (QPushButton* small : {m_previousSpanButton, m_nextSpanButton}) {
        small->setMaximumWidth(36);
    }
    m_querySpanField->setMaximumWidth(48);
    labelFor(spanCaption, m_querySpanField);
    labelFor(lengthCaption, m_querySpanLengthField);
    labelFor(distanceCaption, m_queryDistanceField);
    labelFor(momentCaption, m_queryMomentField);
    labelFor(shearCaption, m_queryShearField);
    m_queryShearRightField->setAccessibleName(QStringLiteral("剪力V=(右)"));

    // two rows, so that the tables above keep the height: where, and what is there
    auto* where = new QHBoxLayout;
    where->addWidget(spanCaption);
    where->addWidget(m_previousSpanButton);
    where->addWidget(m_querySpanField);
    where->addWidget(m_nextSpanButton);
    where->addSpacing(12);
    where->addWidget(lengthCaption);
    where->addWidget(m_querySpanLengthField);
    where->addWidget(label("lengthUnit", QStringLiteral("m")));
    where->addSpacing(12);
    where->addWidget(distanceCaption);
    where->addWidget(m_queryDistanceField);
    where->addWidget(label("distanceUnit", QStringLiteral("m")));
    where->addWidget(m_queryRangeNotice);
    where->addStretch(1);
    auto* what = new QHBoxLayout;
    what->addWidget(momentCaption);
    what->addWidget(m_queryMomentField);
    what->addWidget(label("momentUnit", QStringLiteral("kN*m")));
    what->addWidget(m_queryMomentRightCaption);
    what->addWidget(m_queryMomentRightField);
    what->addWidget(m_queryMomentRightUnit);
    what->addSpacing(12);
    what->addWidget(shearCaption);
    what->addWidget(m_queryShearField);
    what->addWidget(label("shearUnit", QStringLiteral("kN")));
    what->addWidget(m_queryShearRightCaption);
    what->addWidget(m_queryShearRightField);
    what->addWidget(m_queryShearRightUnit);
    what->addStretch(1);
    auto* rows = new QVBoxLayout(query);
    rows->addLayout(where);
    rows->addLayout(what);

    auto* central = new QWidget;
    auto* page = new QVBoxLayout(central);
    page->addWidget(title);
    m_loadsCaption = label("loadsCaption", QStringLiteral("荷载标准值，活载满布"));
    m_loadsCaption->setAlignment(Qt::AlignCenter);
    m_loadsCaption->hide();
    page->addWidget(m_loadsCaption);
    page->addWidget(m_staleNotice);
    page->addWidget(tabs, 1);
    page->addWidget(query);
    setCentralWidget(central);
    int width = 0;
    for (int twips : kResultColumnTwips) {
        width += twips / kTwipsPerPixel;
    }
    // within a laptop's 1366 x 768, less the title bar and the task bar
    resize(std::max(width + 60, 980), 660);

    connect(m_previousSpanButton, &QPushButton::clicked, this, [this] { showNeighbourSpan(-1); });
    connect(m_nextSpanButton, &QPushButton::clicked, this, [this] { showNeighbourSpan(1); });
    connect(m_querySpanField, &QLineEdit::textEdited, this, [this] { typeQuerySpan(); });
    m_queryDistanceField->setValidator(new NumberValidator(
        false, [this] { flashRefused(m_queryDistanceField); }, m_queryDistanceField));
    connect(m_queryDistanceField, &QLineEdit::textEdited, this, [this] { typeQueryDistance(); });
    onFocusLost(m_queryDistanceField, [this] { leaveQueryDistance(); });
    for (DiagramPanel* panel : {m_diagrams, m_envelopeDiagrams}) {
        connect(panel, &DiagramPanel::sectionClicked, this,
                [this](int span, float x) { queryAt(span, x); });
    }
    connect(m_deflectionPage, &DeflectionPage::sectionClicked, this,
            [this](int span, float x) { queryAt(span, x); });
    for (QWidget* side : {static_cast<QWidget*>(m_queryShearRightField),
                          static_cast<QWidget*>(m_queryShearRightUnit),
                          static_cast<QWidget*>(m_queryShearRightCaption),
                          static_cast<QWidget*>(m_queryMomentRightField),
                          static_cast<QWidget*>(m_queryMomentRightUnit),
                          static_cast<QWidget*>(m_queryMomentRightCaption)}) {
        side->hide();
    }
    m_queryMomentRightField->setAccessibleName(QStringLiteral("弯距M=(右)"));
    m_previousSpanButton->setEnabled(false);
}

ResultWindow::~ResultWindow() {
    removeFocusLossHandlers(this);
}

void ResultWindow::showOutcome(const BeamOutcome& outcome, const std::string& projectName) {
    const bool first = !m_outcome;
    m_diagrams->setCalculation(nullptr);
    m_envelopeDiagrams->setCalculation(nullptr);
    m_envelopeDiagrams->setEnvelope(nullptr);
    m_outcome = outcome;
    m_projectName = projectName;
    const Calculation& calculation = m_outcome->calculation;
    m_diagrams->setCalculation(&calculation);
    m_envelopeDiagrams->setCalculation(&calculation);
    m_envelopeDiagrams->setEnvelope(envelope());
    m_tabs->setTabVisible(m_tabs->indexOf(m_deflectionPage),
                          m_deflectionPage->showOutcome(*m_outcome));
    m_tabs->setTabVisible(m_tabs->indexOf(m_designForcesPage),
                          m_designForcesPage->showOutcome(*m_outcome));
    // the steel, where every span has a section
    m_tabs->setTabVisible(
        m_tabs->indexOf(m_designPage),
        m_designPage->showDesign(beam(), m_outcome->design.get(),
                                 QString::fromStdString(m_outcome->design.whyNot())));
    m_tabs->setTabVisible(
        m_tabs->indexOf(m_detailingPage),
        m_detailingPage->showDetailing(beam(), m_outcome->detailing.get(),
                                       QString::fromStdString(m_outcome->detailing.whyNot())));
    fillTables();
    m_working->showWorking(calculation);
    // the table is the loads as entered; with live loads the user must know they are all on
    m_loadsCaption->setVisible(hasLiveLoads(beam()));
    fillEnvelope();
    m_staleNotice->hide();
    m_querySpan = std::min(m_querySpan, beam().spanCount());
    m_queryDistance = std::fmin(m_queryDistance, std::fmax(beam().span(m_querySpan).length, 0.0f));
    showQuerySpan();
    if (!first) {
        setFieldText(m_queryDistanceField, canonical(m_queryDistance));
        showQuery();
    }
}

void ResultWindow::fillTables() {
    const Beam& calculated = beam();
    const int N = calculated.spanCount();
    m_resultTable->setRowCount(N);
    QStringList rowLabels;
    for (int s = 1; s <= N; ++s) {
        const auto texts =
            resultRowTexts(spanResult(calculated, m_outcome->calculation.results, s));
        rowLabels << QString::fromStdString(texts[0]);
        for (int c = 0; c < kResultColumns; ++c) {
            auto* item = new QTableWidgetItem(QString::fromStdString(texts[c]));
            if (c > 0) {
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            m_resultTable->setItem(s - 1, c, item);
        }
    }
    m_resultTable->setVerticalHeaderLabels(rowLabels); // row headers for screen readers
    const std::vector<QStringList> reactions =
        reactionRows(calculated, m_outcome->calculation.results);
    m_reactionTable->setRowCount(static_cast<int>(reactions.size()));
    for (int r = 0; r < static_cast<int>(reactions.size()); ++r) {
        const QStringList& cells = reactions[static_cast<std::size_t>(r)];
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            item->setTextAlignment((c == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
            m_reactionTable->setItem(r, c, item);
        }
    }
    m_reactionTable->resizeColumnsToContents();
    controls::keepRowsInSight(m_resultTable, 3);
    controls::keepRowsInSight(m_reactionTable, 3);
}

void ResultWindow::fillEnvelope() {
    m_envelopeQueryText->clear();
    if (!envelope()) {
        const QString why = QString::fromStdString(m_outcome->envelope.whyNot());
        m_factorsLabel->setText(why);
        m_envelopeQueryText->setText(why);
        for (QTableWidget* table : {m_envelopeSpanTable, m_envelopeSupportTable}) {
            table->setRowCount(0);
        }
        return;
    }
    const EnvelopeTable table = envelopeTable(beam(), *envelope());
    m_factorsLabel->setText(QStringLiteral("基本组合 ") +
                            QString::fromStdString(factorsText(beam().factors)));
    controls::fillTable(m_envelopeSpanTable, table.spanHeaders, table.spanRows);
    controls::fillTable(m_envelopeSupportTable, table.supportHeaders, table.supportRows);
}

void ResultWindow::setStamp(const CalculationSource& source, const ProjectInfo& info) {
    if (m_outcome) {
        m_outcome->calculation.source = source;
        m_outcome->calculation.beam.info = info;
    }
}

void ResultWindow::setStale(bool stale) {
    m_staleNotice->setVisible(stale);
}

} // namespace spanwise
