#include "report/ReportPages.h"

namespace spanwise::report_pages {

QFont reportFont(double points, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC")});
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QStringList texts(const std::vector<std::string>& cells) {
    QStringList out;
    for (const std::string& cell : cells) {
        out << QString::fromStdString(cell);
    }
    return out;
}

void tablePart(PageCursor& page, const std::vector<std::string>& headers,
               const std::vector<std::vector<std::string>>& rows, std::size_t first,
               std::size_t last, const QFont& font) {
    auto pick = [&](const std::vector<std::string>& cells) {
        QStringList out{QString::fromStdString(cells.at(0))};
        for (std::size_t c = first; c <= last && c < cells.size(); ++c) {
            out << QString::fromStdString(cells[c]);
        }
        return out;
    };
    std::vector<QStringList> picked;
    for (const std::vector<std::string>& row : rows) {
        picked.push_back(pick(row));
    }
    const QStringList head = pick(headers);
    std::vector<double> weights(static_cast<std::size_t>(head.size()), 1.0);
    for (int c = 1; c < head.size(); ++c) {
        if (head[c].contains(QStringLiteral("布置"))) {
            weights[static_cast<std::size_t>(c)] = 1.6; // "1,3,5,7,9" and the like
        }
    }
    page.table(head, picked, weights, font);
}

} // namespace spanwise::report_pages
