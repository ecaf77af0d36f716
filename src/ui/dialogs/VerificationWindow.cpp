#include "ui/dialogs/VerificationWindow.h"

#include "ui/common/Controls.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace spanwise {

using namespace controls;

VerificationWindow::VerificationWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("verificationWindow"));
    setWindowTitle(QStringLiteral("验证算例"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(980, 600);

    m_summary = label("verificationSummary", QString());
    QFont bold = m_summary->font();
    bold.setBold(true);
    m_summary->setFont(bold);
    m_table = named<QTableWidget>("verificationTable");
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->verticalHeader()->hide();
    m_table->setAccessibleName(QStringLiteral("验证算例"));
    m_source = label("problemSource", QString());
    m_source->setWordWrap(true);
    m_source->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_openButton = button("openProblemButton", QStringLiteral("作为工程打开"));
    QPushButton* close = button("closeVerificationButton", QStringLiteral("关闭"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_openButton);
    buttons->addWidget(close);
    auto* column = new QVBoxLayout(this);
    column->addWidget(m_summary);
    column->addWidget(m_table, 1);
    column->addWidget(m_source);
    column->addLayout(buttons);

    const ProblemsRead read = readProblems(shippedProblemsText());
    m_problems = read.problems;
    m_outcome = runVerification(m_problems);
    m_summary->setText(read.ok() ? QString::fromStdString(verificationSummary(m_outcome))
                                 : QStringLiteral("验证算例无法读取：第 %1 行 %2")
                                       .arg(read.errorLine)
                                       .arg(QString::fromStdString(read.error)));

    QStringList headers;
    for (const std::string& h : verificationHeaders()) {
        headers << QString::fromStdString(h);
    }
    m_table->setColumnCount(static_cast<int>(headers.size()));
    m_table->setHorizontalHeaderLabels(headers);
    m_table->setRowCount(static_cast<int>(m_outcome.rows.size()));
    for (std::size_t r = 0; r < m_outcome.rows.size(); ++r) {
        const VerificationRow& row = m_outcome.rows[r];
        const auto texts = verificationRowTexts(m_outcome, m_problems, row);
        for (std::size_t c = 0; c < texts.size(); ++c) {
            auto* item = new QTableWidgetItem(QString::fromStdString(texts[c]));
            if (c >= 3) {
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            if (c + 1 == texts.size()) {
                item->setTextAlignment(Qt::AlignCenter);
                item->setForeground(row.agrees ? QColor(0, 128, 0) : QColor(192, 0, 0));
            }
            m_table->setItem(static_cast<int>(r), static_cast<int>(c), item);
        }
    }
    m_table->resizeColumnsToContents();
    m_openButton->setEnabled(false);

    connect(m_table, &QTableWidget::itemSelectionChanged, this, [this] { showSource(); });
    connect(m_table, &QTableWidget::cellDoubleClicked, this, [this] { openSelected(); });
    connect(m_openButton, &QPushButton::clicked, this, [this] { openSelected(); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
}

int VerificationWindow::selectedProblem() const {
    const auto rows = m_table->selectionModel()->selectedRows();
    if (rows.isEmpty()) {
        return -1;
    }
    return m_outcome.rows[static_cast<std::size_t>(rows.front().row())].problem;
}

void VerificationWindow::showSource() {
    const int p = selectedProblem();
    m_openButton->setEnabled(p >= 0);
    m_source->setText(
        p < 0 ? QString()
              : QStringLiteral("出处：") +
                    QString::fromStdString(m_problems[static_cast<std::size_t>(p)].source));
}

void VerificationWindow::openSelected() {
    const int p = selectedProblem();
    if (p < 0) {
        return;
    }
    Project project;
    project.beam = m_problems[static_cast<std::size_t>(p)].beam;
    emit openProblemRequested(project);
}

} // namespace spanwise
