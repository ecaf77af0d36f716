#include "ui/dialogs/DeflectionPage.h"

#include "analysis/CalculationError.h"
#include "analysis/DeflectionTable.h"
#include "analysis/NumberFormat.h"
#include "check/DataCheck.h"
#include "ui/common/Controls.h"
#include "ui/common/TableFill.h"
#include "ui/dialogs/DiagramPanel.h"

#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace spanwise {

using namespace controls;

namespace {

QTableWidget* checkTable(const char* name) {
    auto* table = named<QTableWidget>(name);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    return table;
}

// The height that shows every row of a filled table without scrolling.
int wholeHeight(const QTableWidget* table) {
    return table->horizontalHeader()->sizeHint().height() + table->verticalHeader()->length() +
           2 * table->frameWidth() +
           (table->horizontalScrollBar()->isVisible()
                ? table->horizontalScrollBar()->sizeHint().height()
                : 0);
}

} // namespace

DeflectionPage::DeflectionPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("deflectionPage"));
    m_note = label("deflectionNote", QString());
    m_note->setWordWrap(true);
    m_failure = label("deflectionFailure", QString());
    m_failure->setWordWrap(true);
    m_failure->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold;"));
    m_failure->hide();
    m_panel = new DiagramPanel;
    m_panel->setObjectName(QStringLiteral("deflectionPanel"));
    m_panel->setAccessibleName(QStringLiteral("挠度图"));
    m_panel->setMinimumHeight(100);
    m_queryText = label("deflectionQueryText", QString());
    m_queryText->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_settings = label("deflectionSettings", QString());
    m_settings->setWordWrap(true);
    m_table = checkTable("deflectionTable");
    m_combinationTables = {checkTable("characteristicDeflectionTable"),
                           checkTable("quasiPermanentDeflectionTable")};
    // one table at a time below the line, so that each shows its rows whole
    m_tables = named<QTabWidget>("deflectionTables");
    m_tables->addTab(m_table, QStringLiteral("荷载标准值"));
    m_tables->addTab(m_combinationTables[0], QStringLiteral("标准组合 G+Q"));
    m_tables->addTab(m_combinationTables[1], QStringLiteral("准永久组合 G+ψqQ"));

    auto* below = new QWidget;
    auto* belowColumn = new QVBoxLayout(below);
    belowColumn->setContentsMargins(0, 0, 0, 0);
    belowColumn->addWidget(m_queryText);
    belowColumn->addWidget(m_settings);
    belowColumn->addWidget(m_tables, 1);
    m_split = named<QSplitter>("deflectionSplitter", Qt::Vertical);
    m_split->addWidget(m_panel);
    m_split->addWidget(below);
    m_split->setStretchFactor(0, 1);
    m_split->setChildrenCollapsible(false);

    auto* column = new QVBoxLayout(this);
    column->addWidget(m_failure);
    column->addWidget(m_note);
    column->addWidget(m_split, 1);
    connect(m_panel, &DiagramPanel::sectionClicked, this, &DeflectionPage::sectionClicked);
}

bool DeflectionPage::showOutcome(const BeamOutcome& outcome) {
    const Calculation& calculation = outcome.calculation;
    m_calculation = &calculation;
    const Beam& beam = calculation.beam;
    m_panel->setDeflection(nullptr);
    m_asEntered = outcome.deflection.get();
    m_combinations = nullptr;
    QString failure; // a calculation that failed says so here instead of showing nothing
    // a span without a usable EI (the data check says so): nothing to show
    auto unusable = [](const auto& product) {
        return !product.made() && product.failure &&
               !product.template failedWith<CalculationError>();
    };
    if (unusable(outcome.deflection)) {
        return false;
    }
    if (!m_asEntered) {
        failure = QString::fromStdString(outcome.deflection.whyNot());
    } else if (hasLiveLoads(beam)) {
        if (!outcome.envelope.made()) {
            failure = QString::fromStdString(outcome.envelope.whyNot());
        } else if (unusable(outcome.deflectionCombinations)) {
            m_asEntered = nullptr;
            return false;
        } else {
            m_combinations = outcome.deflectionCombinations.get();
            if (!m_combinations) {
                failure = QString::fromStdString(outcome.deflectionCombinations.whyNot());
            }
        }
    }
    for (int c = 1; c <= 2; ++c) {
        m_tables->setTabVisible(c, m_combinations != nullptr);
    }
    m_failure->setText(failure);
    m_failure->setVisible(!failure.isEmpty());
    if (!m_asEntered) {
        m_note->clear();
        m_settings->clear();
        m_table->setRowCount(0);
        m_queryText->clear();
        return true;
    }
    m_panel->setCalculation(&calculation);
    m_panel->setDeflection(m_asEntered);
    // the deflection is only as good as the EI entered; and the moments came from i. A designed
    // beam's check is the design's, with B: one verdict
    const bool verdicts = !deflectionCheckedWithB(outcome);
    QString note = QString::fromUtf8(kElasticDeflectionNote) +
                   (verdicts ? QStringLiteral("（钢筋混凝土梁请输入长期刚度 B）。")
                             : QStringLiteral("；") + QString::fromUtf8(kDeflectionCheckedWithB) +
                                   QStringLiteral("。"));
    if (const std::string rigidity = defaultRigidityNote(beam); !rigidity.empty()) {
        note += QString::fromStdString(rigidity) + QStringLiteral("。");
    }
    if (!lineStiffnessNotices(beam, nullptr).empty()) {
        note += QStringLiteral("各跨线刚度 i 与 EI/L 不成比例：弯矩按 i 分配，挠度按 EI 计算，两者"
                               "来自不同的刚度。");
    }
    m_note->setText(note);
    const DeflectionTable asEntered = deflectionTable(*m_asEntered, false, verdicts);
    fillTable(m_table, asEntered.headers, asEntered.rows);
    m_settings->setText((hasLiveLoads(beam) ? QStringLiteral("荷载标准值，活载满布；")
                                            : QStringLiteral("荷载标准值；")) +
                        QString::fromStdString(m_combinations
                                                   ? deflectionSettingsText(beam.deflection)
                                                   : "限值 " + limitRuleText(beam.deflection)));
    for (std::size_t c = 0; c < 2; ++c) {
        if (m_combinations) {
            const DeflectionTable table = deflectionTable((*m_combinations)[c], true, verdicts);
            fillTable(m_combinationTables[c], table.headers, table.rows);
        }
    }
    fitTables();
    m_queryText->clear();
    return true;
}

void DeflectionPage::setQuery(int span, float x) {
    if (!m_asEntered || span < 1 || span > m_asEntered->spanCount()) {
        return;
    }
    m_panel->setMarker(BeamSection{span, x});
    auto mm = [](double w) { return QString::fromStdString(formatResult(static_cast<float>(w))); };
    QString text = QStringLiteral("第%1跨 x = %2 m：w = %3 mm")
                       .arg(span)
                       .arg(QString::fromStdString(fieldText(x)), mm(m_asEntered->at(span, x)));
    if (m_combinations) {
        text +=
            QStringLiteral("；标准组合最大 w = %1 mm，准永久组合最大 w = %2 mm")
                .arg(mm((*m_combinations)[0].at(span, x)), mm((*m_combinations)[1].at(span, x)));
    }
    m_queryText->setText(text);
}

void DeflectionPage::fitTables() {
    // the tables take what their rows need, up to what leaves the line 100 pixels; the line
    // takes the rest
    int needed = 0;
    for (QTableWidget* table : {m_table, m_combinationTables[0], m_combinationTables[1]}) {
        needed = std::max(needed, wholeHeight(table));
    }
    const int tabBar = m_tables->tabBar()->sizeHint().height();
    const int labels = m_queryText->sizeHint().height() + m_settings->sizeHint().height();
    const int below = needed + tabBar + labels + 12;
    const int total = std::max(m_split->height(), height() - m_note->sizeHint().height());
    m_split->setSizes({std::max(total - below, 100), below});
}

void DeflectionPage::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitTables();
}

} // namespace spanwise
