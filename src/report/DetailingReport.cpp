// The report's 配筋详图: the drawing of the beam as the DXF holds it, printed in bands across the
// page where it is wider than the page allows at a readable size, and the detailing's tables.
#include "report/DesignSections.h"

#include "detailing/DetailingTables.h"
#include "drawing/DetailingSheet.h"
#include "drawing/SheetPainter.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace spanwise::report_pages {

namespace {

// Where the drawing may be cut between bands: not through a text. Each text's run along x
// (its width estimated on the wide side, a character as wide as the text is high), merged.
std::vector<std::pair<double, double>> textRuns(const DetailingSheet& sheet) {
    std::vector<std::pair<double, double>> runs;
    for (const SheetItem& item : sheet.items) {
        if (item.kind != SheetItem::Kind::Text || item.points.empty()) {
            continue;
        }
        const double width = item.height * static_cast<double>(item.text.size());
        const double x = item.points.front().x();
        const double from = item.align == TextAlign::Left    ? x
                            : item.align == TextAlign::Right ? x - width
                                                             : x - width / 2;
        runs.emplace_back(from - item.height, from + width + item.height);
    }
    std::sort(runs.begin(), runs.end());
    std::vector<std::pair<double, double>> merged;
    for (const auto& run : runs) {
        if (!merged.empty() && run.first <= merged.back().second) {
            merged.back().second = std::max(merged.back().second, run.second);
        } else {
            merged.push_back(run);
        }
    }
    return merged;
}

// The drawing at no less than half its plotted size (its 3.5 mm texts 1.75 mm high): in bands
// left to right, each cut where no text stands and as high as what stands in it (the schedule
// and the notes only under the first), drawn as a picture at 200 dpi so that what the page
// prints is what the screen shows; the texts themselves are in the tables that follow.
void sheetBands(PageCursor& page, const DetailingSheet& sheet) {
    const QRectF extents = sheet.extents();
    if (extents.width() <= 0 || extents.height() <= 0) {
        return;
    }
    constexpr double kPointsPerMillimetre = 72.0 / 25.4;
    constexpr double kLeastPlotScale = 0.5;
    const double widest = page.width() / kPointsPerMillimetre / kLeastPlotScale * kSheetUnit;
    const double scale = page.width() / std::min(widest, extents.width());
    const auto runs = textRuns(sheet);
    double left = extents.left();
    while (left < extents.right() - 1) {
        double right = std::min(left + widest, extents.right());
        if (right < extents.right()) {
            for (const auto& [from, to] : runs) {
                if (right > from && right < to && from > left + widest / 2) {
                    right = from; // before the text, where that leaves half a band at least
                }
            }
        }
        double low = extents.bottom();
        double high = extents.top();
        for (const SheetItem& item : sheet.items) {
            for (const QPointF& p : item.points) {
                if (p.x() >= left - item.radius && p.x() <= right + item.radius) {
                    low = std::min(low, p.y() - item.radius - item.height);
                    high = std::max(high, p.y() + item.radius + item.height);
                }
            }
        }
        if (high > low) {
            const QRectF region(left, low, right - left, high - low);
            const QSizeF size = region.size() * scale; // points
            constexpr double kPixelsPerPoint = 200.0 / 72.0;
            QImage picture((size * kPixelsPerPoint).toSize(), QImage::Format_RGB32);
            picture.fill(Qt::white);
            QPainter painter(&picture);
            paintDetailingSheetRegion(painter, QRectF(QPointF(0, 0), QSizeF(picture.size())), sheet,
                                      region);
            painter.end();
            page.keepTogether(size.height() + 6);
            const double top = page.take(size.height());
            page.painter().drawImage(QRectF(QPointF(page.left(), top), size), picture);
            page.gap(6);
        }
        left = right;
    }
}

} // namespace

void detailingSection(PageCursor& page, const BeamOutcome& outcome, const QString& title,
                      const QFont& heading, const QFont& body, const QFont& small) {
    page.newPage();
    page.line(title, heading);
    const BeamDetailing* detailing = outcome.detailing.get();
    if (!detailing || !detailing->detailed) {
        page.line(QStringLiteral("未出配筋详图："), body);
        if (detailing && !detailing->missing.empty()) {
            for (const std::string& missing : detailing->missing) {
                page.line(QStringLiteral("  ") + QString::fromStdString(missing), body);
            }
        } else {
            page.line(QStringLiteral("  ") + QString::fromStdString(outcome.detailing.whyNot()),
                      body);
        }
        return;
    }
    const DetailingTables tables = detailingTables(*detailing);
    for (const std::string& line : tables.summary) {
        page.line(QString::fromStdString(line), body);
    }
    page.gap(4);
    sheetBands(page, detailingSheet(outcome.beam(), *detailing));
    for (const DetailingTable& table : tables.tables) {
        if (table.rows.empty()) {
            continue;
        }
        page.keepTogether(40 +
                          16 * static_cast<double>(std::min<std::size_t>(table.rows.size(), 20)));
        page.line(QString::fromStdString(table.title), body);
        std::vector<QStringList> rows;
        for (const auto& row : table.rows) {
            rows.push_back(texts(row));
        }
        page.table(texts(table.headers), rows, std::vector<double>(table.headers.size(), 1.0),
                   small);
        page.gap(4);
    }
}

} // namespace spanwise::report_pages
