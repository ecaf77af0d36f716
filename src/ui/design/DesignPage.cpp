#include "ui/design/DesignPage.h"

#include "design/DesignTable.h"
#include "drawing/SectionSketch.h"
#include "ui/common/Controls.h"
#include "ui/common/TableFill.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>

namespace spanwise {

using namespace controls;

namespace {

// The sections of one span side by side: left face, inside the span, right face.
class SpanSketchWidget : public QWidget {
public:
    SpanSketchWidget(const SpanDesign& span, const Materials& materials)
        : m_span(span), m_materials(materials) {
        setMinimumSize(360, 210);
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillRect(rect(), Qt::white);
        const SpanSketches sketches = spanSketches(m_span);
        const double w = width() / 3.0;
        auto draw = [&](int k, const std::optional<SectionBars>& bars, const QString& caption) {
            if (bars) {
                paintSectionSketch(painter, QRectF(k * w, 0, w, height()), m_span.section,
                                   m_materials, *bars, caption);
            }
        };
        draw(0, sketches.left, QString::fromStdString(m_span.leftFaceName));
        draw(1, sketches.middle, QStringLiteral("跨中"));
        draw(2, sketches.right, QString::fromStdString(m_span.rightFaceName));
    }

private:
    SpanDesign m_span;
    Materials m_materials;
};

// The rows of a table that belong to span s, without the span's column.
std::vector<std::vector<std::string>> rowsOf(const TextTable& table, int s) {
    std::vector<std::vector<std::string>> out;
    for (const auto& row : table.rows) {
        if (row.front() == std::to_string(s)) {
            out.emplace_back(row.begin() + 1, row.end());
        }
    }
    return out;
}

QTableWidget* spanTable(const char* name, int s, const TextTable& table) {
    auto* widget = named<QTableWidget>((name + std::to_string(s)).c_str());
    widget->setEditTriggers(QAbstractItemView::NoEditTriggers);
    widget->verticalHeader()->hide();
    const std::vector<std::string> headers(table.headers.begin() + 1, table.headers.end());
    const auto rows = rowsOf(table, s);
    fillTable(widget, headers, rows);
    showEveryRow(widget);
    return widget;
}

QString spanTitle(const SpanDesign& d) {
    const SpanSection& s = d.section;
    QString title = QStringLiteral("第%1跨  b×h = %2×%3")
                        .arg(d.span)
                        .arg(static_cast<double>(s.width))
                        .arg(static_cast<double>(s.depth));
    if (s.hasFlange()) {
        title += QStringLiteral("，翼缘 bf'×hf' = %1×%2")
                     .arg(static_cast<double>(s.flangeWidth))
                     .arg(static_cast<double>(s.flangeDepth));
    }
    return title + (s.independent ? QStringLiteral("，独立梁") : QString());
}

// The lines under a span's tables: failures in words, hangers, the deflection's words.
QString notesOf(const SpanDesign& d, const DesignTables& tables) {
    QStringList lines;
    for (const auto& row : rowsOf(tables.hangers, d.span)) {
        lines << QStringLiteral("x = %1 m 处集中力 F = %2 kN：附加横向钢筋 Asv ≥ %3 mm²")
                     .arg(QString::fromStdString(row[0]), QString::fromStdString(row[1]),
                          QString::fromStdString(row[2]));
    }
    for (const auto& row : rowsOf(tables.deflection, d.span)) {
        lines << QStringLiteral("挠度：B = %1 N·mm²，按 EI 的 w = %2 mm，按 B 的 f = %3 mm，"
                                "l0/f = %4（限值 %5）%6")
                     .arg(QString::fromStdString(row[0]), QString::fromStdString(row[1]),
                          QString::fromStdString(row[2]), QString::fromStdString(row[3]),
                          QString::fromStdString(row[4]), QString::fromStdString(row[5]));
    }
    for (const std::string& failure : d.failures()) {
        lines << QStringLiteral("✘ ") + QString::fromStdString(failure);
    }
    for (const SteelRow& row : d.rows) {
        if (row.ductility && row.ductility->notice) {
            lines << QStringLiteral("注意：") + QString::fromStdString(d.placeName(row.place)) +
                         QStringLiteral("：") + QString::fromStdString(*row.ductility->notice);
        }
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace

DesignPage::DesignPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("designPage"));
    m_summary = label("designSummary", QString());
    m_summary->setWordWrap(true);
    m_acceptButton = button("acceptProposalsButton", QStringLiteral("采用建议配筋"));
    m_acceptButton->setToolTip(QStringLiteral("把程序建议的钢筋（带 * 者）记为实配钢筋，可撤销"));
    connect(m_acceptButton, &QPushButton::clicked, this, [this] { emit proposalsAccepted(); });
    auto* top = new QHBoxLayout;
    top->addWidget(m_summary, 1);
    top->addWidget(m_acceptButton);
    m_blocks = new QWidget;
    m_blockColumn = new QVBoxLayout(m_blocks);
    auto* scroll = named<QScrollArea>("designBlocks");
    scroll->setWidget(m_blocks);
    scroll->setWidgetResizable(true);
    auto* column = new QVBoxLayout(this);
    column->addLayout(top);
    column->addWidget(
        label("designLegend", QStringLiteral("钢筋后带 * 者为程序建议，其余为输入的实配钢筋；"
                                             "依据 GB 50010-2010（2015年版）")));
    column->addWidget(scroll, 1);
}

bool DesignPage::showDesign(const Beam& beam, const BeamDesign* design, const QString& whyNone) {
    if (!hasSections(beam)) {
        return false;
    }
    while (QLayoutItem* item = m_blockColumn->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    if (!design || !design->designed) {
        m_summary->setText(design ? QString::fromStdString(design->summary()) : whyNone);
        m_summary->setStyleSheet(QStringLiteral("color: #b00000;"));
        m_acceptButton->setEnabled(false);
        return true;
    }
    const std::vector<std::string> failures = design->failures();
    m_summary->setText(failures.empty()
                           ? QStringLiteral("✔ 全部满足")
                           : QStringLiteral("✘ %1 处不满足，见各跨").arg(failures.size()));
    m_summary->setStyleSheet(failures.empty()
                                 ? QStringLiteral("color: #006000; font-weight: bold;")
                                 : QStringLiteral("color: #b00000; font-weight: bold;"));
    const DesignTables tables = designTables(*design);
    bool proposals = false;
    for (const SpanDesign& d : design->spans) {
        auto* block =
            named<QGroupBox>(("designSpan" + std::to_string(d.span)).c_str(), spanTitle(d));
        auto* inside = new QVBoxLayout(block);
        inside->addWidget(new SpanSketchWidget(d, design->materials));
        inside->addWidget(spanTable("designSteelTable", d.span, tables.steel));
        inside->addWidget(spanTable("designShearTable", d.span, tables.shear));
        auto* notes =
            label(("designSpanNotes" + std::to_string(d.span)).c_str(), notesOf(d, tables));
        notes->setWordWrap(true);
        inside->addWidget(notes);
        m_blockColumn->addWidget(block);
        for (const SteelRow& row : d.rows) {
            proposals = proposals || (!row.provided && row.bars.bars && row.tension);
        }
        proposals = proposals || (!d.stirrupsProvided && d.stirrups.stirrups);
    }
    m_blockColumn->addStretch(1);
    m_acceptButton->setEnabled(proposals);
    return true;
}

} // namespace spanwise
