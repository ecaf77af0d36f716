#include "report/Report.h"

#include "analysis/Deflection.h"
#include "analysis/DeflectionTable.h"
#include "analysis/DistributionWorking.h"
#include "analysis/Envelope.h"
#include "analysis/EnvelopeTable.h"
#include "analysis/NumberFormat.h"
#include "analysis/SpanResults.h"
#include "check/DataCheck.h"
#include "model/Version.h"
#include "report/DiagramPainter.h"
#include "verify/Verification.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <functional>
#include <optional>
#include <vector>

namespace spanwise {

namespace {

QString field(float v) {
    return QString::fromStdString(fieldText(v));
}

QString supportName(std::int16_t kind) {
    switch (kind) {
    case Cantilever:
        return QStringLiteral("悬臂");
    case Fixed:
        return QStringLiteral("固端");
    default:
        return QStringLiteral("简支");
    }
}

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
        const QFontMetricsF metrics(font);
        const QStringList wrapped = wrap(text, metrics);
        for (const QString& part : wrapped) {
            const double top = take(metrics.lineSpacing());
            m_painter.drawText(QRectF(left(), top, width(), metrics.lineSpacing()),
                               static_cast<int>(align | Qt::AlignVCenter), part);
        }
    }

    // A table with a header row; columns share the width in the given proportions.
    void table(const QStringList& headers, const std::vector<QStringList>& rows,
               const std::vector<double>& weights, const QFont& font) {
        m_painter.setFont(font);
        const QFontMetricsF metrics(font);
        const double rowHeight = metrics.lineSpacing() + 6;
        double total = 0;
        for (double w : weights) {
            total += w;
        }
        auto drawRow = [&](const QStringList& cells, bool header) {
            const double top = take(rowHeight);
            double x = left();
            for (int c = 0; c < cells.size(); ++c) {
                const double w = width() * weights[static_cast<std::size_t>(c)] / total;
                const QRectF cell(x, top, w, rowHeight);
                if (header) {
                    m_painter.fillRect(cell, QColor(225, 230, 236));
                }
                m_painter.drawRect(cell);
                m_painter.drawText(
                    cell.adjusted(3, 0, -3, 0),
                    static_cast<int>((c == 0 || header ? Qt::AlignHCenter : Qt::AlignRight) |
                                     Qt::AlignVCenter),
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

private:
    QStringList wrap(const QString& text, const QFontMetricsF& metrics) const {
        QStringList parts;
        QString current;
        for (const QChar c : text) {
            if (metrics.horizontalAdvance(current + c) > width() && !current.isEmpty()) {
                parts << current;
                current.clear();
            }
            current += c;
        }
        parts << current;
        return parts;
    }

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
QFont reportFont(double points, bool bold = false) {
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

// The columns first..last of a table's header and rows, after its first column (the span or
// support), so that a wide table prints as several that fit the page.
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

// The basic combination over every live-load arrangement: factors, the extremes of every span
// and support with the arrangements that give them, and the envelope diagrams.
void envelopeSection(PageCursor& page, QPainter& painter, const Calculation& calculation,
                     const QFont& heading, const QFont& body, const QFont& small) {
    page.keepTogether(120);
    page.line(QStringLiteral("五、荷载组合与包络"), heading);
    std::optional<Envelope> envelope;
    try {
        envelope.emplace(calculation.beam);
    } catch (const std::exception& e) {
        page.line(QStringLiteral("包络无法计算：") + QString::fromUtf8(e.what()), body);
        return;
    }
    page.line(QStringLiteral("基本组合 ") +
                  QString::fromStdString(factorsText(calculation.beam.factors)) +
                  QStringLiteral("；活荷载按各跨满跨布置或不布置的全部组合取最不利值。"),
              body);
    const EnvelopeTable table = envelopeTable(*envelope);
    page.line(QStringLiteral("跨中弯矩包络"), body);
    tablePart(page, table.spanHeaders, table.spanRows, 1, 8, small);
    page.gap(4);
    page.line(QStringLiteral("左端剪力包络"), body);
    tablePart(page, table.spanHeaders, table.spanRows, 9, 14, small);
    page.gap(4);
    page.line(QStringLiteral("右端剪力包络"), body);
    tablePart(page, table.spanHeaders, table.spanRows, 15, 20, small);
    page.gap(4);
    page.keepTogether(60);
    page.line(QStringLiteral("支座反力与固端弯矩包络"), body);
    page.table(
        texts(table.supportHeaders),
        [&] {
            std::vector<QStringList> rows;
            for (const std::vector<std::string>& row : table.supportRows) {
                rows.push_back(texts(row));
            }
            return rows;
        }(),
        {1.2, 1, 1.4, 1, 1.4, 1, 1.4, 1, 1.4}, small);
    page.line(
        QStringLiteral("注：活载布置列出布置活载的跨号；“恒载有利”列出恒载取有利分项系数的跨号。"),
        small);
    page.gap(8);
    const double diagramHeight = 300;
    page.keepTogether(diagramHeight + 30);
    page.line(QStringLiteral("内力包络图"), body);
    paintEnvelopeDiagrams(
        painter, QRectF(page.left(), page.take(diagramHeight), page.width(), diagramHeight),
        calculation.beam, calculation.results, *envelope, {});
}

// The deflections from EI: what they are, the check of every span (the loads as entered; with
// live loads both combinations over every arrangement) and the deflected line.
void deflectionSection(PageCursor& page, QPainter& painter, const Calculation& calculation,
                       const QString& title, const QFont& heading, const QFont& body,
                       const QFont& small) {
    const Beam& beam = calculation.beam;
    page.keepTogether(120);
    page.line(title, heading);
    std::optional<BeamDeflection> asEntered;
    std::optional<std::array<BeamDeflection, 2>> combinations;
    try {
        asEntered.emplace(beam, calculation.results);
        if (hasLiveLoads(beam)) {
            combinations = BeamDeflection::envelopesOf(beam, Envelope(beam));
        }
    } catch (const std::exception&) {
        page.line(QStringLiteral("挠度无法计算：有跨的 EI 不是正数。"), body);
        return;
    }
    page.line(QString::fromUtf8(kElasticDeflectionNote) +
                  QStringLiteral("（钢筋混凝土梁应输入长期刚度 B）；") +
                  QString::fromStdString(
                      combinations ? deflectionSettingsText(beam.deflection)
                                   : "限值 " + limitText(beam.deflection.limitDenominator)) +
                  QStringLiteral("；悬臂跨的 l0 取其跨度的两倍。"),
              body);
    if (!lineStiffnessNotices(beam, nullptr).empty()) {
        page.line(QStringLiteral("注意：各跨线刚度 i 与 EI/L 不成比例，弯矩按 i 分配而挠度按 EI "
                                 "计算，两者来自不同的刚度。"),
                  small);
    }
    auto table = [&](const QString& caption, const BeamDeflection& d, bool arrangements) {
        const DeflectionTable t =
            deflectionTable(d, beam.deflection.limitDenominator, arrangements);
        page.line(caption, body);
        tablePart(page, t.headers, t.rows, 1, t.headers.size() - 1, small);
        page.gap(4);
    };
    table(hasLiveLoads(beam) ? QStringLiteral("荷载标准值，活载满布")
                             : QStringLiteral("荷载标准值"),
          *asEntered, false);
    if (combinations) {
        table(QStringLiteral("标准组合 G+Q（活载最不利布置）"), (*combinations)[0], true);
        table(QStringLiteral("准永久组合 G+ψqQ（活载最不利布置）"), (*combinations)[1], true);
    }
    const double diagramHeight = 220;
    page.keepTogether(diagramHeight + 20);
    page.line(QStringLiteral("挠度图（荷载标准值）"), body);
    paintDeflectionLine(painter,
                        QRectF(page.left(), page.take(diagramHeight), page.width(), diagramHeight),
                        beam, *asEntered, {});
}

// The moment-distribution working: the factors, the fixed-end moments, the steps of the first
// rounds and the final sums, the member ends in groups that fit the page width.
void workingSection(PageCursor& page, const Calculation& calculation, const QString& title,
                    const QFont& heading, const QFont& small) {
    constexpr long kRoundsShown = 2;
    constexpr int kEndsPerTable = 8;
    page.keepTogether(120);
    page.line(title, heading);
    DistributionWorking working;
    try {
        working = recordDistribution(calculation.beam, kRoundsShown);
    } catch (const std::exception& e) {
        page.line(QStringLiteral("分配过程无法列出：") + QString::fromUtf8(e.what()), small);
        return;
    }
    page.line(QStringLiteral("杆端弯矩以顺时针为正（kN*m）；共 %1 轮，列出前 %2 轮。")
                  .arg(working.rounds)
                  .arg(std::min(working.rounds, kRoundsShown)),
              small);
    const WorkingTable table = workingTable(working, kRoundsShown);
    const int ends = 2 * working.spanCount;
    for (int first = 0; first < ends; first += kEndsPerTable) {
        const int last = std::min(ends, first + kEndsPerTable);
        auto pick = [&](const std::vector<std::string>& cells) {
            QStringList out{QString::fromStdString(cells[0]), QString::fromStdString(cells[1])};
            for (int c = first; c < last; ++c) {
                out << QString::fromStdString(cells[static_cast<std::size_t>(c + 2)]);
            }
            return out;
        };
        std::vector<QStringList> rows;
        for (std::size_t r = 0; r < table.rows.size(); ++r) {
            QStringList cells = pick(table.rows[r]);
            // a step at a joint outside these member ends has nothing to show here
            bool empty = true;
            for (int c = 2; c < cells.size(); ++c) {
                empty = empty && cells[c].isEmpty();
            }
            if (!(table.isStep[r] && empty)) {
                rows.push_back(std::move(cells));
            }
        }
        std::vector<double> weights(static_cast<std::size_t>(last - first + 2), 1.0);
        weights[0] = 1.6;
        weights[1] = 0.6;
        page.table(pick(table.headers), rows, weights, small);
        page.gap(4);
    }
}

} // namespace

namespace {

// The stamp of every page: what produced the report, from which input, and where the page is.
QStringList stampLines(const Calculation& calculation, const std::string& projectName,
                       const QString& calculatedAt, int page, int pages) {
    const CalculationSource& source = calculation.source;
    const QString file =
        QFileInfo(QString::fromStdString(source.file.empty() ? projectName : source.file))
            .fileName();
    QString input = QStringLiteral("输入文件：") + file + QStringLiteral("　");
    if (source.file.empty() || source.sha256.empty()) {
        input += QStringLiteral("未保存的修改");
    } else {
        input += QStringLiteral("SHA-256 ") + QString::fromStdString(source.sha256);
    }
    static const QString verified = QString::fromStdString([] {
        const ProblemsRead shipped = readProblems(shippedProblemsText());
        return verificationSummary(runVerification(shipped.problems));
    }());
    return {QStringLiteral("Spanwise %1　计算时间 %2　%3　第 %4 页 共 %5 页")
                .arg(QString::fromUtf8(kProgramVersion), calculatedAt, verified)
                .arg(page)
                .arg(pages),
            input};
}

} // namespace

ReportOutcome writeReport(const Calculation& calculation, const std::string& projectName,
                          const QString& path, const QDateTime& when) {
    // the pages are counted first, so that every page can say "共 m 页"
    QBuffer counting;
    counting.open(QIODevice::WriteOnly);
    const ReportOutcome counted = layOutReport(calculation, projectName, counting, when, 0);
    if (!counted.ok) {
        return counted;
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return {false, "无法写入文件", 0};
    }
    ReportOutcome outcome = layOutReport(calculation, projectName, file, when, counted.pages);
    file.close();
    if (outcome.ok && file.error() != QFileDevice::NoError) {
        return {false, "无法写入文件", 0};
    }
    return outcome;
}

ReportOutcome layOutReport(const Calculation& calculation, const std::string& projectName,
                           QIODevice& device, const QDateTime& when, int pageCount) {
    const Beam& beam = calculation.beam;
    const BeamResults& results = calculation.results;
    ReportOutcome outcome;
    QPdfWriter writer(&device);
    writer.setResolution(72); // one unit is one point
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(42, 42, 42, 42), QPageLayout::Point));
    writer.setTitle(QStringLiteral("连续梁内力计算书"));
    writer.setCreator(QStringLiteral("Spanwise"));
    QPainter painter;
    if (!painter.begin(&writer)) {
        outcome.reason = "无法写入文件";
        return outcome;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    const QString calculatedAt = calculation.source.calculatedAt.empty()
                                     ? when.toString(QStringLiteral("yyyy-MM-dd HH:mm"))
                                     : QString::fromStdString(calculation.source.calculatedAt);
    const QFont stamp = reportFont(6.5);
    PageCursor page(writer, painter, [&](QPainter& p, int n, const QRectF& strip) {
        p.setFont(stamp);
        p.setPen(QColor(90, 90, 90));
        p.drawLine(strip.topLeft(), strip.topRight());
        p.drawText(strip.adjusted(0, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                   stampLines(calculation, projectName, calculatedAt, n, pageCount)
                       .join(QLatin1Char('\n')));
    });
    const QFont title = reportFont(16, true);
    const QFont heading = reportFont(11, true);
    const QFont body = reportFont(9);
    const QFont small = reportFont(8);
    const int N = beam.spanCount();

    page.line(QStringLiteral("连续梁内力计算书"), title, Qt::AlignHCenter);
    page.gap(6);
    // the title block: what the report is of and who signs it
    std::vector<QStringList> block;
    for (std::size_t i = 0; i < kProjectInfoFields.size(); i += 2) {
        QStringList row;
        for (std::size_t j = i; j < i + 2; ++j) {
            row << QString::fromUtf8(kProjectInfoFields[j].caption)
                << QString::fromStdString(beam.info.*kProjectInfoFields[j].text);
        }
        block.push_back(row);
    }
    page.table(block.front(), {block.begin() + 1, block.end()}, {1, 2.2, 1, 2.2}, body);
    page.gap(6);
    const QString name = QString::fromStdString(
        calculation.source.file.empty() ? projectName : calculation.source.file);
    page.line(QStringLiteral("工程文件：") + QFileInfo(name).fileName() +
                  (calculation.source.file.empty() && projectName == kNewProjectName
                       ? QStringLiteral("（未保存）")
                       : QString()),
              body);
    page.line(QStringLiteral("计算日期：") + calculatedAt, body);
    page.line(QStringLiteral("计算程序：Spanwise（弯矩分配法）"), body);
    page.line(
        QStringLiteral("单位：长度 m，力 kN，线荷载 kN/m，弯矩 kN*m，线刚度 kN*m，EI kN*m*m。"),
        body);
    page.line(
        QStringLiteral("符号规定：弯矩以使梁下部受拉为正、上部受拉为负；剪力以绕截面内侧顺时针"
                       "转动为正；荷载向下为正。"),
        body);
    page.gap(8);

    page.line(QStringLiteral("一、输入数据"), heading);
    page.line(QStringLiteral("总跨数：%1；左支座：%2；右支座：%3。")
                  .arg(N)
                  .arg(supportName(beam.leftSupport), supportName(beam.rightSupport)),
              body);
    std::vector<QStringList> spans;
    std::vector<QStringList> loads;
    for (int s = 1; s <= N; ++s) {
        spans.push_back({QStringLiteral("第%1跨").arg(s), field(beam.span(s).length),
                         field(beam.span(s).ei), field(beam.span(s).lineStiffness),
                         QString::number(beam.span(s).loadCount())});
        for (int k = 1; k <= beam.span(s).loadCount(); ++k) {
            const int kind = beam.span(s).load(k).kind;
            auto blankUnless = [](bool used, float v) { return used ? field(v) : QString(); };
            loads.push_back({QStringLiteral("第%1跨").arg(s), QString::number(k),
                             QString::fromStdString(beam.span(s).load(k).text),
                             blankUnless(kind == Concentrated, beam.span(s).load(k).P),
                             blankUnless(kind != Concentrated, beam.span(s).load(k).q),
                             blankUnless(kind != Uniform, beam.span(s).load(k).a),
                             blankUnless(kind == Concentrated, beam.span(s).load(k).b)});
        }
    }
    page.table({QStringLiteral("跨号"), QStringLiteral("跨度L(m)"), QStringLiteral("EI(kN*m*m)"),
                QStringLiteral("线刚度i(kN*m)"), QStringLiteral("荷载数")},
               spans, {1, 1.2, 1.4, 1.4, 1}, body);
    page.gap(6);
    if (!loads.empty()) {
        page.table({QStringLiteral("跨号"), QStringLiteral("序号"), QStringLiteral("荷载形式"),
                    QStringLiteral("P(kN)"), QStringLiteral("q(kN/m)"), QStringLiteral("a(m)"),
                    QStringLiteral("b(m)")},
                   loads, {1, 0.7, 1.3, 1, 1, 1, 1}, body);
        page.line(
            QStringLiteral("注：悬臂端跨上集中力的 a 自自由端量起；梯形荷载两端斜坡长度均为 a。"),
            small);
    }
    page.gap(10);
    // the sketch of a long beam in rows of a few spans each, so that its loads stay legible
    constexpr int kSpansPerRow = 5;
    const int sketchRows = N > kSpansPerRow + 1 ? (N + kSpansPerRow - 1) / kSpansPerRow : 1;
    const double sketchHeight = sketchRows == 1 ? 110 : 95;
    for (int row = 0; row < sketchRows; ++row) {
        const int first = sketchRows == 1 ? 1 : row * kSpansPerRow + 1;
        const int last = sketchRows == 1 ? N : std::min(N, first + kSpansPerRow - 1);
        paintLoadSketch(painter,
                        QRectF(page.left(), page.take(sketchHeight), page.width(), sketchHeight),
                        spansOfBeam(beam, first, last), 0, 0, first);
    }
    page.gap(8);

    page.keepTogether(80);
    page.line(QStringLiteral("二、计算结果"), heading);
    const bool live = hasLiveLoads(beam);
    if (live) {
        page.line(QStringLiteral("荷载标准值，活载满布"), body);
    }
    QStringList headers;
    for (const char* h : kResultHeaders) {
        headers << QString::fromUtf8(h);
    }
    std::vector<QStringList> rows;
    for (int s = 1; s <= N; ++s) {
        QStringList cells;
        for (const std::string& text : resultRowTexts(spanResult(beam, results, s))) {
            cells << QString::fromStdString(text);
        }
        rows.push_back(cells);
    }
    page.table(headers, rows, {0.8, 0.9, 1, 1.1, 1.35, 1.1, 1, 1.1}, small);
    page.gap(6);

    page.keepTogether(80);
    page.line(QStringLiteral("三、支座反力"), heading);
    page.table({QStringLiteral("支座"), QStringLiteral("反力(kN)"), QStringLiteral("弯矩(kN*m)")},
               reactionRows(beam, results), {1.4, 1, 1}, body);
    page.line(QStringLiteral("注：反力向上为正；固端弯矩按梁端截面弯矩的符号给出。"), small);
    page.gap(8);

    const double diagramHeight = 300;
    page.keepTogether(diagramHeight + 30);
    page.line(QStringLiteral("四、内力图"), heading);
    paintDiagrams(painter,
                  QRectF(page.left(), page.take(diagramHeight), page.width(), diagramHeight), beam,
                  results, {});
    if (live) {
        page.gap(8);
        envelopeSection(page, painter, calculation, heading, body, small);
    }
    page.gap(8);
    workingSection(page, calculation,
                   live ? QStringLiteral("六、弯矩分配过程") : QStringLiteral("五、弯矩分配过程"),
                   heading, small);
    page.gap(8);
    deflectionSection(page, painter, calculation,
                      live ? QStringLiteral("七、挠度验算") : QStringLiteral("六、挠度验算"),
                      heading, body, small);

    page.finishPage();
    painter.end();
    outcome.ok = true;
    outcome.pages = page.pages();
    return outcome;
}

} // namespace spanwise
