// A table widget filled with rows of texts under their column titles.
#pragma once

#include <QStringList>
#include <QTableWidget>

#include <string>
#include <vector>

namespace spanwise::controls {

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
}

} // namespace spanwise::controls
