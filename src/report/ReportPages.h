// The pages of the calculation report: a cursor that writes blocks top to bottom on A4 pages
// (a new page when the next block does not fit, every page stamped below its written area), the
// report's fonts, and tables too wide for one page printed in parts.
#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QStringList>

#include <functional>
#include <string>
#include <vector>

namespace spanwise::report_pages {

// Writes top to bottom on A4 pages in points, starting a new page when the next block does
// not fit.
class PageCursor {
public:
    // footer draws the stamp of page n in the strip below the written area.
    using Footer = std::function<void(QPainter&, int page, const QRectF& strip)>;

    PageCursor(QPdfWriter& writer, QPainter& painter, Footer footer)
        : m_writer(writer), m_painter(painter),
          m_area(writer.pageLayout().paintRect(QPageLayout::Point)), m_footer(std::move(footer)) {
        m_area.moveTo(0, 0);
        m_area.setHeight(m_area.height() - kFooterHeight);
        m_y = 0;
    }

    double width() const { return m_area.width(); }
    double left() const { return m_area.left(); }
    int pages() const { return m_pages; }

    void newPage() {
        finishPage();
        m_writer.newPage();
        ++m_pages;
        m_y = 0;
    }

    // The stamp of the page being written; once more after the last page.
    void finishPage() {
        m_painter.save();
        m_footer(m_painter, m_pages,
                 QRectF(m_area.left(), m_area.bottom() + 4, m_area.width(), kFooterHeight - 4));
        m_painter.restore();
    }

    // Makes room for a block of the given height, on a new page when needed.
    double take(double height) {
        if (m_y + height > m_area.height() && m_y > 0) {
            newPage();
        }
        const double top = m_y;
        m_y += height;
        return top;
    }

    void gap(double height) { m_y += height; }

    // Starts a new page unless a block of this height still fits, so that a heading stays with
    // what follows it.
    void keepTogether(double height) {
        if (m_y + height > m_area.height() && m_y > 0) {
            newPage();
        }
    }

    void line(const QString& text, const QFont& font, Qt::Alignment align = Qt::AlignLeft) {
        m_painter.setFont(font);
        const QFontMetricsF metrics = metricsOf(font);
        const QStringList wrapped = wrap(text, metrics);
        for (const QString& part : wrapped) {
            const double top = take(metrics.lineSpacing());
            m_painter.drawText(QRectF(left(), top, width(), metrics.lineSpacing()),
                               static_cast<int>(align | Qt::AlignVCenter), part);
        }
    }

    // A table with a header row. Each column is as wide as its widest text, and the room left
    // over is shared in the given proportions; a table too wide for the page is set in a
    // smaller font and, where that is not enough, printed in parts that each repeat the first
    // column. No text is ever cut or broken.
    void table(const QStringList& headers, const std::vector<QStringList>& rows,
               const std::vector<double>& weights, const QFont& font);

    QPainter& painter() { return m_painter; }
    // Text measured as the page draws it (points), not as the screen would.
    QFontMetricsF metricsOf(const QFont& font) const { return QFontMetricsF(font, &m_writer); }

private:
    // The text cut into lines no wider than the page: between words and Chinese characters,
    // never inside a run of letters, digits and signs such as "l0/250" unless it alone is
    // wider than the line.
    QStringList wrap(const QString& text, const QFontMetricsF& metrics) const;
    // One table whose columns are known to fit the page at this font.
    void fittedTable(const QStringList& headers, const std::vector<QStringList>& rows,
                     const std::vector<double>& widths, const QFont& font);

    static constexpr double kFooterHeight = 26;

    QPdfWriter& m_writer;
    QPainter& m_painter;
    QRectF m_area;
    Footer m_footer;
    double m_y = 0;
    int m_pages = 1;
};

// WenQuanYi Micro Hei first: its characters keep their own code points in the PDF's text, so
// the report can be searched and copied; Noto CJK stands in where it is missing.
QFont reportFont(double points, bool bold = false);

QStringList texts(const std::vector<std::string>& cells);

// The columns first..last of a table's header and rows, after its first column (the span or
// support), so that a wide table prints as several that fit the page.
void tablePart(PageCursor& page, const std::vector<std::string>& headers,
               const std::vector<std::vector<std::string>>& rows, std::size_t first,
               std::size_t last, const QFont& font);

} // namespace spanwise::report_pages
