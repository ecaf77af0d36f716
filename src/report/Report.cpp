#include "report/Report.h"

#include "analysis/CalculationError.h"
#include "analysis/Deflection.h"
#include "analysis/DeflectionTable.h"
#include "analysis/DistributionWorking.h"
#include "analysis/Envelope.h"
#include "analysis/EnvelopeTable.h"
#include "analysis/NumberFormat.h"
#include "analysis/SpanResults.h"
#include "check/DataCheck.h"
#include "drawing/DiagramPainter.h"
#include "model/Version.h"
#include "report/DesignSections.h"
#include "report/ReportPages.h"
#include "report/ReportSections.h"
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

using namespace report_pages;

namespace {

QString field(float v) {
    return QString::fromStdString(fieldText(v));
}

QString endSupportKindName(std::int16_t kind) {
    switch (kind) {
    case Cantilever:
        return QStringLiteral("悬臂");
    case Fixed:
        return QStringLiteral("固端");
    default:
        return QStringLiteral("简支");
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

ReportOutcome writeReport(const BeamOutcome& outcome, const std::string& projectName,
                          const QString& path, const QDateTime& when) {
    // the design's hand calculation belongs to the report
    const BeamOutcome worked = hasSections(outcome.beam()) && outcome.working == Working::Omitted
                                   ? withWorking(outcome)
                                   : outcome;
    // the pages are counted first, so that every page can say "共 m 页"
    QBuffer counting;
    counting.open(QIODevice::WriteOnly);
    const ReportOutcome counted = layOutReport(worked, projectName, counting, when, 0);
    if (!counted.ok) {
        return counted;
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return {false, "无法写入文件", 0};
    }
    ReportOutcome written = layOutReport(worked, projectName, file, when, counted.pages);
    file.close();
    if (written.ok && file.error() != QFileDevice::NoError) {
        return {false, "无法写入文件", 0};
    }
    return written;
}

ReportOutcome layOutReport(const BeamOutcome& beamOutcome, const std::string& projectName,
                           QIODevice& device, const QDateTime& when, int pageCount) {
    const Calculation& calculation = beamOutcome.calculation;
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
                  .arg(endSupportKindName(beam.leftSupport), endSupportKindName(beam.rightSupport)),
              body);
    std::vector<QStringList> spans;
    for (int s = 1; s <= N; ++s) {
        spans.push_back({QStringLiteral("第%1跨").arg(s), field(beam.span(s).length),
                         field(beam.span(s).ei), field(beam.span(s).lineStiffness),
                         QString::number(beam.span(s).loadCount())});
    }
    page.table({QStringLiteral("跨号"), QStringLiteral("跨度L(m)"), QStringLiteral("EI(kN*m*m)"),
                QStringLiteral("线刚度i(kN*m)"), QStringLiteral("荷载数")},
               spans, {1, 1.2, 1.4, 1.4, 1}, body);
    designInput(page, beam, body, small);
    page.gap(6);
    loadTable(page, beam, body, small);
    page.gap(10);
    // the sketch of a long beam in rows of a few spans each, so that its loads stay legible
    constexpr int kSpansPerRow = 5;
    const int sketchRows = N > kSpansPerRow + 1 ? (N + kSpansPerRow - 1) / kSpansPerRow : 1;
    QFont sketchFont = reportFont(7);
    sketchFont.setPixelSize(7); // one point a pixel: the page is drawn at 72 dots an inch
    for (int row = 0; row < sketchRows; ++row) {
        const int first = sketchRows == 1 ? 1 : row * kSpansPerRow + 1;
        const int last = sketchRows == 1 ? N : std::min(N, first + kSpansPerRow - 1);
        const Beam part = spansOfBeam(beam, first, last);
        // tall enough for every load's value at its size, however the loads stack
        const double sketchHeight = std::max(sketchRows == 1 ? 110.0 : 95.0,
                                             loadSketchHeight(part, page.width(), sketchFont));
        painter.setFont(sketchFont);
        paintLoadSketch(painter,
                        QRectF(page.left(), page.take(sketchHeight), page.width(), sketchHeight),
                        part, 0, sketchFont.pixelSize(), first);
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
    const bool design = hasDesignData(beam);
    if (live) {
        page.gap(8);
        envelopeSection(page, painter, beamOutcome, heading, body, small);
    }
    page.gap(8);
    workingSection(page, calculation,
                   live ? QStringLiteral("六、弯矩分配过程") : QStringLiteral("五、弯矩分配过程"),
                   heading, small);
    page.gap(8);
    deflectionSection(page, painter, beamOutcome,
                      live ? QStringLiteral("七、挠度验算") : QStringLiteral("六、挠度验算"),
                      heading, body, small);
    if (design) {
        page.gap(8);
        designForcesSection(page, beamOutcome,
                            live ? QStringLiteral("八、设计内力") : QStringLiteral("七、设计内力"),
                            heading, body, small);
        if (hasSections(beam)) {
            page.gap(8);
            designSection(page, painter, beamOutcome,
                          live ? QStringLiteral("九、截面设计") : QStringLiteral("八、截面设计"),
                          heading, body, small);
            if (beamOutcome.design.get() && beamOutcome.design.get()->designed) {
                detailingSection(page, beamOutcome,
                                 live ? QStringLiteral("十、配筋详图")
                                      : QStringLiteral("九、配筋详图"),
                                 heading, body, small);
            }
        }
    }

    page.finishPage();
    painter.end();
    outcome.ok = true;
    outcome.pages = page.pages();
    return outcome;
}

} // namespace spanwise
