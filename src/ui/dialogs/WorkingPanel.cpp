#include "ui/dialogs/WorkingPanel.h"

#include "analysis/CalculationError.h"
#include "analysis/DistributionWorking.h"
#include "analysis/NumberFormat.h"
#include "ui/common/Controls.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace spanwise {

using namespace controls;

namespace {
// The unbalanced moment of a step stands after the joint, before the member ends.
constexpr int kUnbalancedColumn = 2;
} // namespace

WorkingPanel::WorkingPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("workingPanel"));
    m_note = label("workingNote", QString());
    m_note->setWordWrap(true);
    m_table = named<QTableWidget>("workingTable");
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setAccessibleName(QStringLiteral("弯矩分配过程"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(m_note);
    column->addWidget(m_table, 1);
}

void WorkingPanel::showWorking(const Calculation& calculation) {
    m_pending = calculation.beam;
    if (isVisible()) {
        fill(*m_pending);
        m_pending.reset();
    }
}

void WorkingPanel::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_pending) {
        fill(*m_pending);
        m_pending.reset();
    }
}

void WorkingPanel::fill(const Beam& beam) {
    m_table->clear();
    DistributionWorking working;
    try {
        working = recordDistribution(beam);
    } catch (const CalculationError& error) {
        // the same beam calculated a moment ago, so this does not happen
        m_note->setText(QString::fromStdString(describe(error)));
        m_table->setRowCount(0);
        return;
    }
    const WorkingTable table = workingTable(working);
    QStringList headers;
    for (const std::string& h : table.headers) {
        headers << QString::fromStdString(h);
    }
    headers.insert(kUnbalancedColumn, QStringLiteral("不平衡弯矩"));
    m_table->setColumnCount(static_cast<int>(headers.size()));
    m_table->setHorizontalHeaderLabels(headers);
    m_table->setRowCount(static_cast<int>(table.rows.size()));
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const auto& cells = table.rows[r];
        const bool sums = r + 1 == table.rows.size();
        for (std::size_t c = 0; c < cells.size(); ++c) {
            if (cells[c].empty()) {
                continue; // most cells of a long beam's steps: no item at all
            }
            const int column = static_cast<int>(c) + (c >= kUnbalancedColumn ? 1 : 0);
            auto* item = new QTableWidgetItem(QString::fromStdString(cells[c]));
            item->setTextAlignment(c < 2 ? Qt::AlignCenter : Qt::AlignRight | Qt::AlignVCenter);
            if (sums) {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
            }
            m_table->setItem(static_cast<int>(r), column, item);
        }
        if (table.isStep[r]) {
            auto* item =
                new QTableWidgetItem(QString::fromStdString(formatResult(table.unbalanced[r])));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_table->setItem(static_cast<int>(r), kUnbalancedColumn, item);
        }
    }
    m_table->resizeColumnsToContents();
    QString note = QStringLiteral("杆端弯矩以顺时针为正（kN*m）；各节点按顺序逐一放松，分配弯矩 = "
                                  "-不平衡弯矩 × 分配系数μ，传递弯矩 = 分配弯矩 × 传递系数C。"
                                  "共 %1 轮。")
                       .arg(working.rounds);
    if (working.roundsLeftOut() > 0) {
        note += QStringLiteral("只列出前 %1 轮，其余 %2 轮未列出；合计为全部各轮的结果。")
                    .arg(working.roundsRecorded)
                    .arg(working.roundsLeftOut());
    }
    m_note->setText(note);
}

} // namespace spanwise
