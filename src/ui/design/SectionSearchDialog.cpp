#include "ui/design/SectionSearchDialog.h"

#include "analysis/NumberFormat.h"
#include "ui/common/Controls.h"
#include "ui/common/TableFill.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QRegularExpression>
#include <QTableWidget>
#include <QVBoxLayout>

namespace spanwise {

using namespace controls;

namespace {

QString numberText(float v) {
    return QString::fromStdString(fieldText(v));
}

} // namespace

SectionSearchDialog::SectionSearchDialog(Editor& editor, QWidget* parent)
    : QDialog(parent), m_editor(editor) {
    setObjectName(QStringLiteral("sectionSearchDialog"));
    setWindowTitle(QStringLiteral("选择截面"));
    const SectionSearchRange range = defaultSearchRange(editor.project().beam);
    m_minDepthField = field("minDepthField", numberText(range.minDepth));
    m_maxDepthField = field("maxDepthField", numberText(range.maxDepth));
    m_stepField = field("depthStepField", numberText(range.step));
    QStringList widths;
    for (float b : range.widths) {
        widths << numberText(b);
    }
    m_widthsField = field("widthsField", widths.join(QLatin1Char(',')));
    m_widthsField->setMaximumWidth(160);
    m_perSpanBox = named<QCheckBox>("perSpanBox", QStringLiteral("各跨分别选择"));
    auto* searchButton = button("searchButton", QStringLiteral("搜索"));
    m_table = named<QTableWidget>("candidateTable");
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->verticalHeader()->hide();
    m_words = label("searchWords", QString());
    m_words->setWordWrap(true);
    m_adoptButton = button("adoptSectionButton", QStringLiteral("采用"));
    m_adoptButton->setToolTip(QStringLiteral(
        "把选中的截面（未选中时为标 ★ 者）设为各跨截面，原输入的实配钢筋不再沿用，可撤销"));
    m_adoptButton->setEnabled(false);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("梁高 h 从 (mm)"), m_minDepthField);
    form->addRow(QStringLiteral("到 (mm)"), m_maxDepthField);
    form->addRow(QStringLiteral("步长 (mm)"), m_stepField);
    form->addRow(QStringLiteral("梁宽 b (mm，逗号分隔)"), m_widthsField);
    form->addRow(m_perSpanBox);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(searchButton);
    buttons->addStretch(1);
    buttons->addWidget(m_adoptButton);
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close);
    auto* column = new QVBoxLayout(this);
    column->addLayout(form);
    column->addLayout(buttons);
    column->addWidget(m_table, 1);
    column->addWidget(m_words);
    column->addWidget(close);
    resize(900, 560);
    connect(searchButton, &QPushButton::clicked, this, [this] { search(); });
    connect(m_adoptButton, &QPushButton::clicked, this, [this] { adopt(); });
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void SectionSearchDialog::search() {
    SectionSearchRange range;
    const auto minDepth = parseFieldNumber(m_minDepthField->text().toStdString());
    const auto maxDepth = parseFieldNumber(m_maxDepthField->text().toStdString());
    const auto step = parseFieldNumber(m_stepField->text().toStdString());
    bool numbers = minDepth && maxDepth && step;
    for (const QString& part : m_widthsField->text().split(
             QRegularExpression(QStringLiteral("[,，]")), Qt::SkipEmptyParts)) {
        const auto b = parseFieldNumber(part.trimmed().toStdString());
        numbers = numbers && b;
        if (b) {
            range.widths.push_back(*b);
        }
    }
    m_search.reset();
    m_adoptButton->setEnabled(false);
    if (!numbers) {
        m_words->setText(QStringLiteral("梁高、步长和梁宽应为数字"));
        m_table->setRowCount(0);
        return;
    }
    range.minDepth = *minDepth;
    range.maxDepth = *maxDepth;
    range.step = *step;
    range.perSpan = m_perSpanBox->isChecked();
    SectionSearch found = searchSections(m_editor.project().beam, range);
    const SectionSearchTable table = sectionSearchTable(found);
    fillTable(m_table, table.headers, table.rows);
    m_words->setText(QString::fromStdString(found.words));
    const bool any =
        found.chosen || std::any_of(found.chosenPerSpan.begin(), found.chosenPerSpan.end(),
                                    [](const auto& c) { return c.has_value(); });
    m_adoptButton->setEnabled(!found.candidates.empty() && (any || !range.perSpan));
    m_search = std::move(found);
}

void SectionSearchDialog::adopt() {
    if (!m_search) {
        return;
    }
    const Beam& beam = m_editor.project().beam;
    std::vector<SpanSection> sections;
    const int row = m_table->currentRow();
    for (int s = 1; s <= beam.spanCount(); ++s) {
        std::optional<std::size_t> index;
        if (row >= 0 && m_table->selectionModel()->hasSelection()) {
            index = static_cast<std::size_t>(row);
        } else if (m_search->range.perSpan) {
            index = m_search->chosenPerSpan[static_cast<std::size_t>(s - 1)];
        } else {
            index = m_search->chosen;
        }
        if (!index) {
            m_words->setText(QStringLiteral("第%1跨没有满足要求的截面，请选中一行再采用").arg(s));
            return;
        }
        const SectionCandidate& c = m_search->candidates[*index];
        sections.push_back(*withSection(beam, c.width, c.depth).span(s).section);
    }
    const std::string problem = m_editor.chooseSections(sections);
    if (!problem.empty()) {
        m_words->setText(QString::fromStdString(problem));
        return;
    }
    accept();
}

} // namespace spanwise
