// A table widget filled with rows of texts under their column titles.
#pragma once

#include <QHeaderView>
#include <QStringList>
#include <QTableWidget>

#include <algorithm>

#include <string>
#include <vector>

namespace spanwise::controls {

// However small its window, the table shows its header and the given number of rows (fewer
// when it has fewer); the rest scroll within it.
inline void keepRowsInSight(QTableWidget* table, int rows) {
    const int shown = std::min(rows, std::max(table->rowCount(), 1));
    const int rowHeight =
        table->rowCount() > 0 ? table->rowHeight(0) : table->verticalHeader()->defaultSectionSize();
    table->setMinimumHeight(table->horizontalHeader()->sizeHint().height() + shown * rowHeight +
                            2 * table->frameWidth() + 2);
}

inline void fillTable(QTableWidget* widget, const std::vector<std::string>& headers,
                      const std::vector<std::vector<std::string>>& rows) {
    widget->clear();
    widget->setColumnCount(static_cast<int>(headers.size()));
    widget->setRowCount(static_cast<int>(rows.size()));
    QStringList labels;
    for (const std::string& header : headers) {
        labels << QString::fromStdString(header);
    }
    widget->setHorizontalHeaderLabels(labels);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            widget->setItem(static_cast<int>(r), static_cast<int>(c),
                            new QTableWidgetItem(QString::fromStdString(rows[r][c])));
        }
    }
    widget->resizeColumnsToContents();
    keepRowsInSight(widget, 3);
}

// A table of a scrolling page: every row in sight and no scroll bar of its own (the page
// scrolls, not the table).
inline void showEveryRow(QTableWidget* widget) {
    widget->setMinimumHeight(widget->horizontalHeader()->sizeHint().height() +
                             widget->rowCount() * widget->verticalHeader()->defaultSectionSize() +
                             2 * widget->frameWidth() + 2);
    widget->setMaximumHeight(widget->minimumHeight());
    widget->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    widget->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

} // namespace spanwise::controls
