#include "ui/design/DesignForcesPage.h"

#include "analysis/CalculationError.h"
#include "design/DesignForcesTable.h"
#include "ui/common/Controls.h"
#include "ui/common/TableFill.h"

#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include <stdexcept>

namespace spanwise {

using namespace controls;

DesignForcesPage::DesignForcesPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("designForcesPage"));
    m_summary = label("designForcesSummary", QString());
    m_summary->setWordWrap(true);
    m_failure = label("designForcesFailure", QString());
    m_failure->setWordWrap(true);
    m_failure->setStyleSheet(QStringLiteral("color: #b00000;"));
    m_faceTable = named<QTableWidget>("designFaceTable");
    m_spanTable = named<QTableWidget>("designSpanTable");
    for (QTableWidget* table : {m_faceTable, m_spanTable}) {
        table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table->verticalHeader()->hide();
    }
    auto* column = new QVBoxLayout(this);
    column->addWidget(m_summary);
    column->addWidget(m_failure);
    column->addWidget(
        label("designFaceCaption", QStringLiteral("支座边缘（基本组合 × γ0；Mq 为准永久组合）")));
    column->addWidget(m_faceTable, 3);
    column->addWidget(label("designSpanCaption",
                            QStringLiteral("跨内（两支座边缘之间；M设计为下部钢筋的设计弯矩）")));
    column->addWidget(m_spanTable, 2);
}

bool DesignForcesPage::showOutcome(const BeamOutcome& outcome) {
    const Beam& beam = outcome.beam();
    if (!hasDesignData(beam)) {
        return false;
    }
    m_failure->clear();
    m_failure->hide();
    if (const BeamForces* forces = outcome.forces.get()) {
        const DesignForcesTable table = designForcesTable(beam, *forces);
        m_summary->setText(QString::fromStdString(designForcesSummary(beam, *forces)));
        fillTable(m_faceTable, table.faceHeaders, table.faceRows);
        fillTable(m_spanTable, table.spanHeaders, table.spanRows);
    } else {
        m_summary->clear();
        m_failure->setText(QStringLiteral("无法计算设计内力：") +
                           QString::fromStdString(outcome.forces.whyNot()));
        m_failure->show();
        m_faceTable->setRowCount(0);
        m_spanTable->setRowCount(0);
    }
    return true;
}

} // namespace spanwise
