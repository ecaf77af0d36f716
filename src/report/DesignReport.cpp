// The report's 截面设计: the materials and covers taken, the tables of the steel, the shear and
// the deflections, and for every span its sections drawn with their bars and the hand
// calculation of every design section, each line with its clause of GB 50010.
#include "report/DesignSections.h"

#include "analysis/CalculationError.h"
#include "design/BeamDesign.h"
#include "design/DesignTable.h"
#include "design/HandCalculation.h"
#include "drawing/SectionSketch.h"

#include <QPainter>

namespace spanwise::report_pages {

namespace {

std::vector<QStringList> rowsOf(const TextTable& table) {
    std::vector<QStringList> out;
    for (const auto& row : table.rows) {
        out.push_back(texts(row));
    }
    return out;
}

void steps(PageCursor& page, const CalculationSteps& list, const QFont& font) {
    for (const CalculationStep& step : list) {
        page.line(QStringLiteral("  ") + QString::fromStdString(stepText(step)) +
                      (step.clause.empty()
                           ? QString()
                           : QStringLiteral("  （%1）").arg(QString::fromStdString(step.clause))),
                  font);
    }
}

void failureLines(PageCursor& page, const std::vector<std::string>& failures, const QFont& font) {
    for (const std::string& f : failures) {
        page.line(QStringLiteral("  ✘ ") + QString::fromStdString(f), font);
    }
}

void table(PageCursor& page, const QString& title, const TextTable& t, const QFont& body,
           const QFont& small) {
    if (t.rows.empty()) {
        return;
    }
    page.keepTogether(40 + 16 * static_cast<double>(std::min<std::size_t>(t.rows.size(), 20)));
    page.line(title, body);
    page.table(texts(t.headers), rowsOf(t), std::vector<double>(t.headers.size(), 1.0), small);
    page.gap(4);
}

// One span: its sections drawn, then the hand calculation of each design section, the shear,
// the hangers and the deflection.
void spanWorking(PageCursor& page, QPainter& painter, const SpanDesign& d, const Materials& m,
                 const QFont& body, const QFont& small) {
    const double sketchHeight = 150;
    page.keepTogether(sketchHeight + 40);
    const SpanSection& s = d.section;
    page.line(QStringLiteral("第%1跨：b×h = %2×%3 mm%4，h0 = %5 mm")
                  .arg(d.span)
                  .arg(static_cast<double>(s.width))
                  .arg(static_cast<double>(s.depth))
                  .arg(s.hasFlange() ? QStringLiteral("，翼缘 bf'×hf' = %1×%2 mm")
                                           .arg(static_cast<double>(s.flangeWidth))
                                           .arg(static_cast<double>(s.flangeDepth))
                                     : QString())
                  .arg(d.effectiveDepth),
              body);
    const SpanSketches sketches = spanSketches(d);
    const double top = page.take(sketchHeight);
    const double w = page.width() / 3;
    painter.setFont(small);
    auto draw = [&](int k, const std::optional<SectionBars>& bars, const QString& caption) {
        if (bars) {
            paintSectionSketch(painter, QRectF(page.left() + k * w, top, w, sketchHeight), s, m,
                               *bars, caption);
        }
    };
    draw(0, sketches.left, QString::fromStdString(d.leftFaceName));
    draw(1, sketches.middle, QStringLiteral("跨中"));
    draw(2, sketches.right, QString::fromStdString(d.rightFaceName));

    for (const SteelRow& row : d.rows) {
        page.keepTogether(60);
        page.line(QStringLiteral("%1：M = %2 kN·m%3")
                      .arg(QString::fromStdString(d.placeName(row.place)),
                           QString::fromStdString(forceText(row.moment)),
                           row.tension ? QString()
                                       : QStringLiteral("（不使该处钢筋受拉，按最小配筋率配筋）")),
                  small);
        steps(page, row.flexure.steps, small);
        steps(page, row.bars.steps, small);
        if (row.compression) {
            steps(page, row.compression->steps, small);
        }
        if (row.ductility) {
            steps(page, row.ductility->steps, small);
            if (row.ductility->notice) {
                page.line(QStringLiteral("  注：") + QString::fromStdString(*row.ductility->notice),
                          small);
            }
        }
        steps(page, row.crack.steps, small);
        if (row.crack.state == CheckState::NotChecked && !row.crack.words.empty()) {
            page.line(QStringLiteral("  裂缝：") + QString::fromStdString(row.crack.words), small);
        }
        failureLines(page, row.failures(), small);
    }
    for (const FaceShear* face : {&d.left, &d.right}) {
        if (!face->present) {
            continue;
        }
        page.keepTogether(50);
        page.line(QStringLiteral("%1受剪：V = %2 kN%3")
                      .arg(QString::fromStdString(d.faceName(*face)),
                           QString::fromStdString(forceText(face->shear)),
                           face->concentratedRule ? QStringLiteral("（独立梁，集中荷载为主）")
                                                  : QString()),
                  small);
        steps(page, face->result.steps, small);
        failureLines(page, face->result.failures, small);
    }
    page.line(
        QStringLiteral("箍筋%1：")
            .arg(d.stirrupsProvided ? QStringLiteral("（实配）") : QStringLiteral("（建议）")),
        small);
    steps(page, d.stirrups.steps, small);
    failureLines(page, d.stirrups.failures, small);
    for (const Hanger& h : d.hangers) {
        page.line(QStringLiteral("x = %1 m 处集中力的附加横向钢筋：")
                      .arg(QString::fromStdString(trimmedText(h.x))),
                  small);
        steps(page, h.steel.steps, small);
    }
    page.keepTogether(50);
    page.line(QStringLiteral("挠度（长期刚度）："), small);
    steps(page, d.deflection.steps, small);
    if (!d.deflection.words.empty()) {
        page.line((d.deflection.state == CheckState::Failed ? QStringLiteral("  ✘ ")
                                                            : QStringLiteral("  ")) +
                      QString::fromStdString(d.deflection.words),
                  small);
    }
    page.gap(6);
}

} // namespace

void designSection(PageCursor& page, QPainter& painter, const BeamOutcome& outcome,
                   const QString& title, const QFont& heading, const QFont& body,
                   const QFont& small) {
    if (!designSectionStarts(page, title, outcome, heading, body)) {
        return;
    }
    if (!outcome.design.made()) {
        page.line(QStringLiteral("无法设计：") + QString::fromStdString(outcome.design.whyNot()),
                  body);
        return;
    }
    const BeamDesign& design = *outcome.design.get();
    if (!design.designed) {
        page.line(QString::fromStdString(design.summary()), body);
        return;
    }
    const Materials& m = design.materials;
    page.line(QStringLiteral("依据 GB 50010-2010（2015年版）《混凝土结构设计规范》。"), body);
    page.line(QStringLiteral("混凝土 %1：fc = %2，ft = %3，ftk = %4，Ec = %5 N/mm²，α1 = %6，β1 = "
                             "%7；纵筋 %8：fy = fy' = %9 N/mm²，Es = %10 N/mm²，ξb = %11；")
                      .arg(QString::fromStdString(m.concreteName))
                      .arg(m.fc)
                      .arg(m.ft)
                      .arg(m.ftk)
                      .arg(m.Ec)
                      .arg(QString::fromStdString(factorText(m.alpha1)),
                           QString::fromStdString(factorText(m.beta1)),
                           QString::fromStdString(m.steelName))
                      .arg(m.fy)
                      .arg(m.Es)
                      .arg(QString::fromStdString(relativeText(m.balancedDepth))) +
                  QStringLiteral("箍筋 %1：fyv = %2 N/mm²；环境类别 %3：保护层 c = %4 mm（至箍筋外"
                                 "表面），as = %5 mm，裂缝限值 wlim = %6 mm。")
                      .arg(QString::fromStdString(m.stirrupSteelName))
                      .arg(m.fyv)
                      .arg(QString::fromStdString(m.environmentName))
                      .arg(m.cover)
                      .arg(m.tensionCover)
                      .arg(m.crackLimit),
              small);
    page.line(QStringLiteral("结论：") + QString::fromStdString(design.summary()), body);
    for (const std::string& notice : design.notices()) {
        page.line(QStringLiteral("注意：") + QString::fromStdString(notice), body);
    }
    const DesignTables tables = designTables(design);
    table(page, QStringLiteral("正截面受弯与裂缝宽度"), tables.steel, body, small);
    table(page, QStringLiteral("斜截面受剪"), tables.shear, body, small);
    table(page, QStringLiteral("集中力处的附加横向钢筋（9.2.11）"), tables.hangers, body, small);
    table(page, QStringLiteral("挠度（7.2 节长期刚度 B，θ = 2.0）"), tables.deflection, body,
          small);
    page.line(QStringLiteral("注：钢筋后带 * 者为程序建议；每跨一种刚度，未校核 7.2.1 条 0.5～2 的"
                             "条件；钢筋截断与锚固、抗扭、抗震构造由设计人另行处理。"),
              small);
    page.gap(6);
    for (const SpanDesign& d : design.spans) {
        spanWorking(page, painter, d, m, body, small);
    }
}

} // namespace spanwise::report_pages
