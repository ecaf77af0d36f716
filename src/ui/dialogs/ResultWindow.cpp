#include "ui/dialogs/ResultWindow.h"

#include "analysis/Calculation.h"
#include "analysis/NumberFormat.h"
#include "analysis/SectionForces.h"
#include "analysis/SpanResults.h"
#include "io/ResultCsv.h"
#include "report/DiagramPainter.h"
#include "report/Report.h"
#include "ui/common/Controls.h"
#include "ui/common/FocusLoss.h"
#include "ui/common/Prompter.h"
#include "ui/dialogs/DiagramPanel.h"

#include <QGridLayout>
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

QString result(float v) {
    return QString::fromStdString(formatResult(v));
}
QString canonical(float v) {
    return QString::fromStdString(fieldText(v));
}

QLineEdit* readOnly(const char* name) {
    QLineEdit* f = field(name, QString());
    f->setReadOnly(true);
    return f;
}

} // namespace

ResultWindow::ResultWindow(const BeamModel& model, const BeamResults& results, Prompter& prompter,
                           QWidget* parent)
    : QMainWindow(parent, Qt::Window), m_model(model), m_results(results), m_prompter(prompter),
      m_calculated(model) {
    setObjectName(QStringLiteral("OUTPUT"));
    setWindowTitle(QStringLiteral("结果输出"));
    setAttribute(Qt::WA_DeleteOnClose);

    QAction* outBack = menuBar()->addAction(QStringLiteral("返回"));
    outBack->setObjectName(QStringLiteral("OUTBACK"));
    connect(outBack, &QAction::triggered, this, &QWidget::close);
    QAction* outHelp = menuBar()->addAction(QStringLiteral("帮助"));
    outHelp->setObjectName(QStringLiteral("OUTHELP"));
    connect(outHelp, &QAction::triggered, this, &ResultWindow::helpRequested);
    QAction* report = menuBar()->addAction(QStringLiteral("导出计算书(&Report)"));
    report->setObjectName(QStringLiteral("ExportReport"));
    connect(report, &QAction::triggered, this, [this] { exportReport(); });
    QAction* csv = menuBar()->addAction(QStringLiteral("导出表格(&CSV)"));
    csv->setObjectName(QStringLiteral("ExportCsv"));
    connect(csv, &QAction::triggered, this, [this] { exportCsv(); });

    QLabel* title = label("resultTitle", QStringLiteral("计 算 结 果"));
    title->setAlignment(Qt::AlignCenter);
    m_staleNotice = label("staleNotice", QStringLiteral("数据已修改，结果为上次计算结果"));
    m_staleNotice->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold;"));
    m_staleNotice->setAlignment(Qt::AlignCenter);
    m_staleNotice->hide();

    m_Grid = named<QTableWidget>("Grid");
    m_Grid->setColumnCount(kResultColumns);
    QStringList headers;
    for (const char* h : kResultHeaders) {
        headers << QString::fromUtf8(h);
    }
    m_Grid->setHorizontalHeaderLabels(headers);
    for (int c = 0; c < kResultColumns; ++c) {
        m_Grid->setColumnWidth(c, kResultColumnTwips[c] / kTwipsPerPixel);
    }
    m_Grid->verticalHeader()->hide();
    m_Grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_Grid->setAccessibleName(title->text());

    m_diagrams = new DiagramPanel(m_calculated, m_results);
    connect(m_diagrams, &DiagramPanel::sectionClicked, this,
            [this](int span, float x) { queryAt(span, x); });
    m_reactions = named<QTableWidget>("Reactions");
    m_reactions->setColumnCount(3);
    m_reactions->setHorizontalHeaderLabels(
        {QStringLiteral("支座"), QStringLiteral("反力(kN)"), QStringLiteral("弯矩(kN*m)")});
    m_reactions->verticalHeader()->hide();
    m_reactions->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_reactions->setAccessibleName(QStringLiteral("支座反力"));
    auto* tabs = named<QTabWidget>("resultTabs");
    tabs->addTab(m_Grid, QStringLiteral("结果表"));
    tabs->addTab(m_diagrams, QStringLiteral("内力图"));
    tabs->addTab(m_reactions, QStringLiteral("支座反力"));

    auto* query = named<QGroupBox>("queryFrame", QStringLiteral("内 力 查 询 "));
    QLabel* spanCaption = label("spanCaption", QStringLiteral("当前跨号"));
    m_front = button("front", QStringLiteral("前"));
    m_Currentnumber = field("Currentnumber", QStringLiteral("1"));
    m_back = button("back", QStringLiteral("后"));
    QLabel* lengthCaption = label("lengthCaption", QStringLiteral("跨度 L"));
    m_length = readOnly("length");
    QLabel* distanceCaption = label("distanceCaption", QStringLiteral("请输入到梁左端的距离:"));
    m_TX = field("TX", QString());
    QLabel* momentCaption = label("momentCaption", QStringLiteral("弯距M="));
    m_CM = readOnly("CM");
    QLabel* shearCaption = label("shearCaption", QStringLiteral("剪力V="));
    m_CV1 = readOnly("CV1");
    m_CV2 = readOnly("CV2");
    m_LV2 = label("LV2", QStringLiteral("kN"));
    for (QPushButton* small : {m_front, m_back}) {
        small->setMaximumWidth(36);
    }
    m_Currentnumber->setMaximumWidth(48);
    labelFor(spanCaption, m_Currentnumber);
    labelFor(lengthCaption, m_length);
    labelFor(distanceCaption, m_TX);
    labelFor(momentCaption, m_CM);
    labelFor(shearCaption, m_CV1);
    m_CV2->setAccessibleName(QStringLiteral("剪力V=(右)"));

    auto* grid = new QGridLayout(query);
    grid->addWidget(spanCaption, 0, 0, Qt::AlignRight);
    auto* spanRow = new QHBoxLayout;
    spanRow->addWidget(m_front);
    spanRow->addWidget(m_Currentnumber);
    spanRow->addWidget(m_back);
    spanRow->addStretch(1);
    grid->addLayout(spanRow, 0, 1);
    grid->addWidget(lengthCaption, 0, 2, Qt::AlignRight);
    grid->addWidget(m_length, 0, 3);
    grid->addWidget(label("lengthUnit", QStringLiteral("m")), 0, 4);
    grid->addWidget(distanceCaption, 1, 0, 1, 2, Qt::AlignRight);
    grid->addWidget(m_TX, 1, 3);
    grid->addWidget(label("distanceUnit", QStringLiteral("m")), 1, 4);
    grid->addWidget(momentCaption, 2, 0, Qt::AlignRight);
    grid->addWidget(m_CM, 2, 1);
    grid->addWidget(label("momentUnit", QStringLiteral("kN*m")), 2, 2);
    grid->addWidget(shearCaption, 3, 0, Qt::AlignRight);
    grid->addWidget(m_CV1, 3, 1);
    grid->addWidget(label("shearUnit", QStringLiteral("kN")), 3, 2);
    grid->addWidget(m_CV2, 3, 3);
    grid->addWidget(m_LV2, 3, 4);
    grid->setColumnStretch(5, 1);

    auto* central = new QWidget;
    auto* page = new QVBoxLayout(central);
    page->addWidget(title);
    page->addWidget(m_staleNotice);
    page->addWidget(tabs, 1);
    page->addWidget(query);
    setCentralWidget(central);
    int width = 0;
    for (int twips : kResultColumnTwips) {
        width += twips / kTwipsPerPixel;
    }
    resize(std::max(width + 60, 780), 640);

    connect(m_front, &QPushButton::clicked, this, [this] { front_Click(); });
    connect(m_back, &QPushButton::clicked, this, [this] { back_Click(); });
    connect(m_Currentnumber, &QLineEdit::textChanged, this, [this] { Currentnumber_Change(); });
    connect(m_TX, &QLineEdit::textChanged, this, [this] { TX_Change(); });
    onFocusLost(m_TX, [this] { TX_LostFocus(); });

    // loading
    m_CV2->hide();
    m_LV2->hide();
    m_length->setText(canonical(m_model.SpanLength[1]));
    m_front->setEnabled(false);
    m_back->setEnabled(m_model.SpanCount != 1);
}

ResultWindow::~ResultWindow() {
    removeFocusLossHandlers(this);
}

void ResultWindow::fill() {
    m_calculated = m_model;
    const int N = m_model.SpanCount;
    m_Grid->setRowCount(N);
    QStringList rowLabels;
    for (std::int16_t s = 1; s <= N; ++s) {
        const SpanResult row = spanResult(m_model, m_results, s);
        const QString label = QString::fromStdString(row.label);
        rowLabels << label;
        m_Grid->setItem(s - 1, 0, new QTableWidgetItem(label));
        const auto numbers = row.numbers();
        for (int c = 1; c < kResultColumns; ++c) {
            auto* item = new QTableWidgetItem(result(numbers[c - 1]));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_Grid->setItem(s - 1, c, item);
        }
    }
    m_Grid->setVerticalHeaderLabels(rowLabels); // row headers for screen readers
    const std::vector<QStringList> reactions = reactionRows(m_calculated, m_results);
    m_reactions->setRowCount(static_cast<int>(reactions.size()));
    for (int r = 0; r < static_cast<int>(reactions.size()); ++r) {
        const QStringList& cells = reactions[static_cast<std::size_t>(r)];
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            item->setTextAlignment((c == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
            m_reactions->setItem(r, c, item);
        }
    }
    m_reactions->resizeColumnsToContents();
    m_staleNotice->hide();
    m_diagrams->update();
}

void ResultWindow::checkStale() {
    m_staleNotice->setVisible(!sameCalculationInput(m_model, m_calculated));
}

void ResultWindow::Currentnumber_Change() {
    const auto value = parseCountNumber(m_Currentnumber->text().toStdString());
    if (!value) {
        setFieldText(m_Currentnumber, QString::number(m_QuerySpan));
        return;
    }
    const double whole = std::floor(*value);
    setFieldText(m_Currentnumber, QString::number(whole, 'f', 0));
    const int N = m_model.SpanCount;
    if (whole < 1 || whole > N) {
        setFieldText(m_Currentnumber, QString::number(m_QuerySpan));
    } else {
        m_QuerySpan = static_cast<std::int16_t>(whole);
        m_length->setText(canonical(m_model.SpanLength[m_QuerySpan]));
    }
    m_back->setEnabled(m_QuerySpan != N);
    m_front->setEnabled(m_QuerySpan != 1);
    // a distance beyond the new span's end is moved to that end, never evaluated past it
    const float L = m_model.SpanLength[m_QuerySpan];
    if (m_QueryDistance > L) {
        m_QueryDistance = std::fmax(L, 0.0f);
        setFieldText(m_TX, canonical(m_QueryDistance));
    }
    showQuery();
}

void ResultWindow::front_Click() {
    setFieldText(m_Currentnumber, QString::number(m_Currentnumber->text().toInt() - 1));
    m_QuerySpan = static_cast<std::int16_t>(m_Currentnumber->text().toInt());
}

void ResultWindow::back_Click() {
    setFieldText(m_Currentnumber, QString::number(m_Currentnumber->text().toInt() + 1));
    m_QuerySpan = static_cast<std::int16_t>(m_Currentnumber->text().toInt());
}

void ResultWindow::TX_Change() {
    const QString text = m_TX->text();
    if (text.isEmpty()) {
        m_QueryDistance = 0;
        setFieldText(m_TX, QStringLiteral("0"));
        return;
    }
    if (text == QStringLiteral(".")) {
        return;
    }
    const auto value = parseFieldNumber(text.toStdString());
    if (!value) {
        setFieldText(m_TX, canonical(m_QueryDistance));
        return;
    }
    if (*value <= m_model.SpanLength[m_QuerySpan]) {
        m_QueryDistance = *value;
    } else {
        setFieldText(m_TX, canonical(m_QueryDistance));
    }
    showQuery();
}

void ResultWindow::TX_LostFocus() {
    if (m_TX->text() == QStringLiteral(".")) {
        m_QueryDistance = 0;
        setFieldText(m_TX, QStringLiteral("0"));
    } else {
        setFieldText(m_TX, canonical(m_QueryDistance));
    }
}

void ResultWindow::queryAt(int span, float x) {
    setFieldText(m_Currentnumber, QString::number(span));
    const float clamped = std::fmin(x, m_model.SpanLength[m_QuerySpan]);
    setFieldText(m_TX, canonical(std::fmax(clamped, 0.0f)));
}

void ResultWindow::exportReport() {
    const QString path = m_prompter.saveFileName(
        QStringLiteral("导出计算书"), QStringLiteral("PDF 文件 (*.pdf)"), QStringLiteral("pdf"));
    if (path.isEmpty()) {
        return;
    }
    const ReportOutcome written = writeReport(m_calculated, m_results, path);
    if (!written.ok) {
        m_prompter.tell(Prompter::Icon::Critical,
                        QStringLiteral("导出计算书“%1”失败：%2")
                            .arg(path, QString::fromStdString(written.reason)));
    }
}

void ResultWindow::exportCsv() {
    const QString path = m_prompter.saveFileName(
        QStringLiteral("导出表格"), QStringLiteral("CSV 文件 (*.csv)"), QStringLiteral("csv"));
    if (path.isEmpty()) {
        return;
    }
    const SaveResult written = writeResultCsv(m_calculated, m_results, path);
    if (!written.ok) {
        m_prompter.tell(Prompter::Icon::Critical,
                        QStringLiteral("导出表格“%1”失败：%2")
                            .arg(path, QString::fromStdString(written.reason)));
    }
}

void ResultWindow::showQuery() {
    m_diagrams->setMarker(BeamSection{m_QuerySpan, m_QueryDistance});
    float M = 0, VL = 0, VR = 0;
    try {
        KeyPointForce(m_model, m_results, m_QuerySpan, m_QueryDistance, M, VL, VR);
    } catch (const std::exception&) {
        // the model was edited into something the old end moments cannot be combined with
        m_CM->clear();
        m_CV1->clear();
        m_CV2->hide();
        m_LV2->hide();
        return;
    }
    m_CM->setText(result(M));
    m_CV1->setText(result(VL));
    const bool onForce = VL != VR;
    m_CV2->setVisible(onForce);
    m_LV2->setVisible(onForce);
    if (onForce) {
        m_CV2->setText(result(VR));
    }
}

} // namespace spanwise
