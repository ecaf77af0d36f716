#include "ui/design/DetailingPage.h"

#include "detailing/DetailingTables.h"
#include "drawing/SheetPainter.h"
#include "model/Beam.h"
#include "ui/common/Controls.h"
#include "ui/common/TableFill.h"

#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace spanwise {

using namespace controls;

namespace {

// The sheet at a readable size: 3 px to a millimetre of the printed drawing (its 3.5 mm texts
// about 10 px high), wider than the window where the beam is long (the page scrolls).
class SheetView : public QWidget {
public:
    explicit SheetView(DetailingSheet sheet) : m_sheet(std::move(sheet)) {
        setObjectName(QStringLiteral("detailingSheetView"));
        setAccessibleName(m_sheet.title);
        const QRectF extents = m_sheet.extents();
        constexpr double kPixelsPerPaperMillimetre = 3.0;
        const int width =
            static_cast<int>(std::ceil(extents.width() / kSheetUnit * kPixelsPerPaperMillimetre)) +
            2 * kMargin;
        setMinimumWidth(std::min(width, 12000));
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        setFixedHeight(heightFor(minimumWidth()));
    }

protected:
    void resizeEvent(QResizeEvent*) override {
        const int wanted = heightFor(width());
        if (wanted != height()) {
            setFixedHeight(wanted);
        }
    }
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        paintDetailingSheet(painter, QRectF(rect()).adjusted(kMargin, kMargin, -kMargin, -kMargin),
                            m_sheet);
    }

private:
    static constexpr int kMargin = 8;
    int heightFor(int width) const {
        return static_cast<int>(std::ceil(detailingSheetHeight(m_sheet, width - 2 * kMargin))) +
               2 * kMargin;
    }
    DetailingSheet m_sheet;
};

QTableWidget* wholeTable(int index, const DetailingTable& table) {
    auto* widget = named<QTableWidget>(("detailingTable" + std::to_string(index)).c_str());
    widget->setEditTriggers(QAbstractItemView::NoEditTriggers);
    widget->verticalHeader()->hide();
    widget->setAccessibleName(QString::fromStdString(table.title));
    fillTable(widget, table.headers, table.rows);
    showEveryRow(widget);
    return widget;
}

} // namespace

DetailingPage::DetailingPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("detailingPage"));
    m_summary = label("detailingSummary", QString());
    m_summary->setWordWrap(true);
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_blocks = new QWidget;
    m_blockColumn = new QVBoxLayout(m_blocks);
    auto* scroll = named<QScrollArea>("detailingBlocks");
    scroll->setWidget(m_blocks);
    scroll->setWidgetResizable(true);
    auto* column = new QVBoxLayout(this);
    column->addWidget(m_summary);
    column->addWidget(scroll, 1);
}

bool DetailingPage::showDetailing(const Beam& beam, const BeamDetailing* detailing,
                                  const QString& whyNone) {
    if (!hasSections(beam)) {
        return false;
    }
    while (QLayoutItem* item = m_blockColumn->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    if (!detailing || !detailing->detailed) {
        QStringList why;
        if (detailing) {
            for (const std::string& missing : detailing->missing) {
                why << QString::fromStdString(missing);
            }
        }
        m_summary->setText(why.isEmpty() ? whyNone : why.join(QLatin1Char('\n')));
        m_summary->setStyleSheet(QStringLiteral("color: #b00000;"));
        return true;
    }
    const DetailingTables tables = detailingTables(*detailing);
    QStringList summary;
    for (const std::string& line : tables.summary) {
        summary << QString::fromStdString(line);
    }
    m_summary->setText(summary.join(QLatin1Char('\n')));
    m_summary->setStyleSheet(QString());
    m_blockColumn->addWidget(new SheetView(detailingSheet(beam, *detailing)));
    int index = 0;
    for (const DetailingTable& table : tables.tables) {
        QLabel* title = label(("detailingTableTitle" + std::to_string(index)).c_str(),
                              QString::fromStdString(table.title));
        title->setStyleSheet(QStringLiteral("font-weight: bold;"));
        m_blockColumn->addWidget(title);
        m_blockColumn->addWidget(wholeTable(index, table));
        ++index;
    }
    m_blockColumn->addStretch(1);
    return true;
}

} // namespace spanwise
