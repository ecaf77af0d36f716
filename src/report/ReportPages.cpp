#include "report/ReportPages.h"

#include <algorithm>
#include <numeric>

namespace spanwise::report_pages {

namespace {

constexpr double kCellPadding = 4;  // each side of a cell's text
constexpr double kSmallestFont = 5; // points: a table never gets smaller than this

// The natural width of each column: its widest text and the padding.
std::vector<double> naturalWidths(const QStringList& headers, const std::vector<QStringList>& rows,
                                  const QFontMetricsF& metrics) {
    std::vector<double> widths(static_cast<std::size_t>(headers.size()), 0.0);
    auto widen = [&](const QStringList& cells) {
        for (int c = 0; c < cells.size() && c < headers.size(); ++c) {
            auto& w = widths[static_cast<std::size_t>(c)];
            w = std::max(w, metrics.horizontalAdvance(cells[c]) + 2 * kCellPadding + 2);
        }
    };
    widen(headers);
    for (const QStringList& row : rows) {
        widen(row);
    }
    return widths;
}

// A run of characters a line must not be broken inside: letters, digits and the signs written
// with them (a number with its sign, "l0/250", "kN*m", "(活)").
bool keepsTogether(QChar c) {
    return c.unicode() < 0x2E80 && !c.isSpace();
}

} // namespace

QStringList PageCursor::wrap(const QString& text, const QFontMetricsF& metrics) const {
    // the pieces a line may break between: a run kept together, or one other character
    QStringList pieces;
    for (qsizetype i = 0; i < text.size();) {
        qsizetype j = i + 1;
        if (keepsTogether(text[i])) {
            while (j < text.size() && keepsTogether(text[j])) {
                ++j;
            }
        }
        pieces << text.mid(i, j - i);
        i = j;
    }
    QStringList lines;
    QString current;
    for (const QString& piece : pieces) {
        if (!current.isEmpty() && metrics.horizontalAdvance(current + piece) > width()) {
            lines << current;
            current.clear();
        }
        if (metrics.horizontalAdvance(piece) > width()) { // one run wider than the page
            for (const QChar c : piece) {
                if (!current.isEmpty() && metrics.horizontalAdvance(current + c) > width()) {
                    lines << current;
                    current.clear();
                }
                current += c;
            }
            continue;
        }
        current += piece;
    }
    lines << current;
    return lines;
}

void PageCursor::table(const QStringList& headers, const std::vector<QStringList>& rows,
                       const std::vector<double>& weights, const QFont& font) {
    QFont fitted = font;
    std::vector<double> widths = naturalWidths(headers, rows, metricsOf(fitted));
    auto total = [](const std::vector<double>& w) {
        return std::accumulate(w.begin(), w.end(), 0.0);
    };
    while (total(widths) > width() && fitted.pointSizeF() * 0.92 >= kSmallestFont) {
        fitted.setPointSizeF(fitted.pointSizeF() * 0.92);
        widths = naturalWidths(headers, rows, metricsOf(fitted));
    }
    // the columns after the first in groups that fit beside it
    std::vector<std::pair<int, int>> parts; // first and last column of each part
    int first = 1;
    double used = widths.empty() ? 0 : widths[0];
    for (int c = 1; c < headers.size(); ++c) {
        const double w = widths[static_cast<std::size_t>(c)];
        if (used + w > width() && c > first) {
            parts.emplace_back(first, c - 1);
            first = c;
            used = widths[0];
        }
        used += w;
    }
    parts.emplace_back(first, static_cast<int>(headers.size()) - 1);
    for (const auto& [from, to] : parts) {
        auto pick = [&](const QStringList& cells) {
            QStringList out{cells.value(0)};
            for (int c = from; c <= to; ++c) {
                out << cells.value(c);
            }
            return out;
        };
        std::vector<QStringList> picked;
        for (const QStringList& row : rows) {
            picked.push_back(pick(row));
        }
        std::vector<double> partWidths{widths.empty() ? 0 : widths[0]};
        std::vector<double> partWeights{weights.empty() ? 1.0 : weights[0]};
        for (int c = from; c <= to; ++c) {
            partWidths.push_back(widths[static_cast<std::size_t>(c)]);
            partWeights.push_back(static_cast<std::size_t>(c) < weights.size()
                                      ? weights[static_cast<std::size_t>(c)]
                                      : 1.0);
        }
        // the room left over shared in proportion to the weights, as the tables always looked
        const double spare = std::max(0.0, width() - total(partWidths));
        const double weightSum = total(partWeights);
        for (std::size_t c = 0; c < partWidths.size(); ++c) {
            partWidths[c] += weightSum > 0 ? spare * partWeights[c] / weightSum : 0;
        }
        if (parts.size() > 1 && from > 1) {
            gap(4);
        }
        fittedTable(headers.size() > 0 ? pick(headers) : headers, picked, partWidths, fitted);
    }
}

void PageCursor::fittedTable(const QStringList& headers, const std::vector<QStringList>& rows,
                             const std::vector<double>& widths, const QFont& font) {
    m_painter.setFont(font);
    const QFontMetricsF metrics = metricsOf(font);
    const double rowHeight = metrics.lineSpacing() + 6;
    auto drawRow = [&](const QStringList& cells, bool header) {
        const double top = take(rowHeight);
        double x = left();
        for (int c = 0; c < cells.size() && static_cast<std::size_t>(c) < widths.size(); ++c) {
            const double w = widths[static_cast<std::size_t>(c)];
            const QRectF cell(x, top, w, rowHeight);
            if (header) {
                m_painter.fillRect(cell, QColor(225, 230, 236));
            }
            m_painter.drawRect(cell);
            m_painter.drawText(
                cell.adjusted(kCellPadding, 0, -kCellPadding, 0),
                static_cast<int>((c == 0 || header ? Qt::AlignHCenter : Qt::AlignRight) |
                                 Qt::AlignVCenter | Qt::TextSingleLine),
                cells[c]);
            x += w;
        }
    };
    drawRow(headers, true);
    for (const QStringList& r : rows) {
        if (m_y + rowHeight > m_area.height()) {
            newPage(); // the header again on the next page
            drawRow(headers, true);
        }
        drawRow(r, false);
    }
}

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
