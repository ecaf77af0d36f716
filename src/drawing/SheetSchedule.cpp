// The bar schedule of the detailing drawing, and the notes under it.
#include "drawing/SheetParts.h"

namespace spanwise::sheet_parts {

namespace {

constexpr double u = kSheetUnit;
constexpr double kColumns[] = {12, 60, 16, 24, 14, 24, 24}; // in u
constexpr double kRow = 8;                                  // u

} // namespace

void drawSchedule(Sheet& sheet, const BeamDetailing& d, double yTop) {
    std::vector<std::array<QString, 7>> rows;
    rows.push_back({QStringLiteral("编号"), QStringLiteral("形状"), QStringLiteral("直径"),
                    QStringLiteral("单根长(mm)"), QStringLiteral("根数"), QStringLiteral("总长(m)"),
                    QStringLiteral("重量(kg)")});
    for (const ScheduleLine& line : d.schedule) {
        rows.push_back({QString::number(line.number), QString::fromStdString(line.shape),
                        QString::fromStdString(line.diameter), QString::number(line.length),
                        QString::number(line.count), QString::fromStdString(line.totalLength),
                        QString::fromStdString(line.weight)});
    }
    rows.push_back({QString(), QStringLiteral("合计"), QString(), QString(), QString(), QString(),
                    QString::fromStdString(d.totalWeight)});
    rows.push_back(
        {QString(),
         QStringLiteral("混凝土 ") + QString::fromStdString(d.concreteText) + QStringLiteral(" m³"),
         QString(), QString(), QString(), QString(),
         QString::fromStdString(d.steelPerVolume) + QStringLiteral(" kg/m³")});
    double width = 0;
    for (double w : kColumns) {
        width += w * u;
    }
    const double bottom = yTop - static_cast<double>(rows.size()) * kRow * u;
    sheet.text(SheetLayer::Table, {width / 2, yTop + 3 * u}, 5 * u, QStringLiteral("钢筋表"),
               TextAlign::Centre);
    for (std::size_t r = 0; r <= rows.size(); ++r) {
        const double y = yTop - static_cast<double>(r) * kRow * u;
        sheet.line(SheetLayer::Table, {0, y}, {width, y});
    }
    double x = 0;
    for (std::size_t k = 0; k <= std::size(kColumns); ++k) {
        sheet.line(SheetLayer::Table, {x, yTop}, {x, bottom});
        if (k < std::size(kColumns)) {
            for (std::size_t r = 0; r < rows.size(); ++r) {
                const QString& text = rows[r][k];
                if (!text.isEmpty()) {
                    const double y = yTop - (static_cast<double>(r) + 0.5) * kRow * u;
                    sheet.text(SheetLayer::Table, {x + kColumns[k] * u / 2, y}, 3.5 * u, text,
                               TextAlign::Middle);
                }
            }
            x += kColumns[k] * u;
        }
    }
    double y = bottom - 12 * u;
    sheet.text(SheetLayer::Texts, {0, y}, 3.5 * u, QStringLiteral("说明："), TextAlign::Left);
    int number = 0;
    for (const std::string& note : d.notes) {
        y -= 6 * u;
        const bool numbered = number < 6;
        sheet.text(SheetLayer::Texts, {0, y}, 3.5 * u,
                   (numbered ? QString::number(++number) + QStringLiteral(". ") : QString()) +
                       QString::fromStdString(note),
                   TextAlign::Left);
    }
}

} // namespace spanwise::sheet_parts
