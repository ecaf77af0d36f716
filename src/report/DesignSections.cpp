#include "report/DesignSections.h"
#include "model/Axes.h"

#include "analysis/CalculationError.h"
#include "analysis/NumberFormat.h"
#include "analysis/Reactions.h"
#include "design/DesignForcesTable.h"
#include "design/Materials.h"

namespace spanwise::report_pages {

namespace {

QString number(float v) {
    return QString::fromStdString(formatResult(v));
}

std::vector<QStringList> rowsOf(const std::vector<std::vector<std::string>>& rows) {
    std::vector<QStringList> out;
    for (const auto& row : rows) {
        out.push_back(texts(row));
    }
    return out;
}

} // namespace

void designInput(PageCursor& page, const Beam& beam, const QFont& body, const QFont& small) {
    if (!hasDesignData(beam) || designSettingsProblem(beam.design)) {
        return;
    }
    const Materials m = materialsOf(beam.design);
    page.gap(6);
    page.line(QStringLiteral("设计参数：混凝土 %1（fc = %2，ft = %3，Ec = %4 N/mm²），纵筋 %5，"
                             "箍筋 %6，环境类别 %7，as = %8 mm，γ0 = %9。")
                  .arg(QString::fromStdString(m.concreteName))
                  .arg(m.fc)
                  .arg(m.ft)
                  .arg(m.Ec)
                  .arg(QString::fromStdString(m.steelName),
                       QString::fromStdString(m.stirrupSteelName),
                       QString::fromStdString(m.environmentName))
                  .arg(m.tensionCover)
                  .arg(static_cast<double>(beam.design.importance)),
              body);
    std::vector<QStringList> sections;
    for (int s = 1; s <= beam.spanCount(); ++s) {
        const auto& section = beam.span(s).section;
        if (!section) {
            sections.push_back({QStringLiteral("第%1跨").arg(s), QStringLiteral("—"), QString(),
                                QString(), QStringLiteral("按输入的 EI")});
            continue;
        }
        sections.push_back(
            {QStringLiteral("第%1跨").arg(s),
             number(section->width) + QStringLiteral("×") + number(section->depth),
             section->hasFlange()
                 ? number(section->flangeWidth) + QStringLiteral("×") + number(section->flangeDepth)
                 : QStringLiteral("矩形"),
             section->independent ? QStringLiteral("是") : QStringLiteral("否"),
             QString::fromStdString(fieldText(beam.span(s).ei))});
    }
    page.table({QStringLiteral("跨号"), QStringLiteral("b×h(mm)"), QStringLiteral("bf'×hf'(mm)"),
                QStringLiteral("独立梁"), QStringLiteral("EI = Ec·I(kN*m*m)")},
               sections, {1, 1.2, 1.2, 0.8, 1.6}, body);
    std::vector<QStringList> supports;
    for (int j = 0; j <= beam.spanCount(); ++j) {
        if (isFreeEnd(beam, j)) {
            continue;
        }
        const SupportDesign& d = supportDesign(beam, j);
        supports.push_back({QString::fromStdString(supportName(beam, j)), number(d.width),
                            number(d.redistribution)});
    }
    page.table({QStringLiteral("支座"), QStringLiteral("宽度(m)"), QStringLiteral("调幅系数 β")},
               supports, {1.4, 1, 1}, body);
    page.line(
        QStringLiteral("注：有截面的跨按毛截面（含受压翼缘）惯性矩 I 计算 EI = Ec·I、i = EI/L，"
                       "弯矩分配、包络与挠度均用此值。"),
        small);
}

bool designSectionStarts(PageCursor& page, const QString& title, const BeamOutcome& outcome,
                         const QFont& heading, const QFont& body) {
    page.keepTogether(120);
    page.line(title, heading);
    if (!outcome.envelope.made()) {
        page.line(QString::fromStdString(outcome.envelope.whyNot()), body);
        return false;
    }
    return true;
}

void designForcesSection(PageCursor& page, const BeamOutcome& outcome, const QString& title,
                         const QFont& heading, const QFont& body, const QFont& small) {
    if (!designSectionStarts(page, title, outcome, heading, body)) {
        return;
    }
    const Beam& beam = outcome.beam();
    if (!outcome.forces.made()) {
        page.line(QStringLiteral("无法计算设计内力：") +
                      QString::fromStdString(outcome.forces.whyNot()),
                  body);
        return;
    }
    const BeamForces& forces = *outcome.forces.get();
    const DesignForcesTable table = designForcesTable(beam, forces);
    page.line(QString::fromStdString(designForcesSummary(beam, forces)), body);
    page.line(
        QStringLiteral("设计截面取支座边缘：左边缘 x = wl/2，右边缘 x = L − wr/2（w 为支座宽度）。"
                       "弯矩设计值取基本组合包络（全部活载布置）在该处的最小值 × γ0；剪力设计值取"
                       "支座边缘跨内一侧绝对值最大者 × γ0；跨内取两边缘之间的最大弯矩及其位置，"
                       "并取该位置的最小弯矩为跨中负弯矩。"),
        small);
    if (forces.redistributed) {
        page.line(
            QStringLiteral("弯矩调幅（GB 50010 第 5.4.1～5.4.3 条；跨中弯矩与塑性铰区箍筋按 "
                           "CECS 51:93《钢筋混凝土连续梁和框架考虑内力重分布设计规程》）：支座"
                           "边缘弯矩为负时 M设计 = (1 − β)·M弹性，为正时不调幅；"
                           "相邻跨的跨内 M设计 取 M弹性、1.02M0 − (Ml + Mr)/2、M0/3 三者中的"
                           "最大值，M0 为按简支梁计算的跨内最大弯矩设计值，Ml、Mr 为调幅后"
                           "支座中线弯矩的绝对值（该侧边缘弯矩不为负时取 0）；支座边缘剪力取"
                           "弹性值与简支梁剪力 + (Mr − Ml)/L 中绝对值较大者，调幅不降低剪力"
                           "设计值；调幅支座两侧塑性铰区箍筋 Asv/s 取 1.2 倍且不小于 "
                           "0.3·ft/fyv·b。"),
            small);
        for (const std::string& line : redistributionWorking(forces)) {
            page.line(QString::fromStdString(line), small);
        }
    }
    page.line(QStringLiteral("准永久组合 G + ψq·Q 取全部活载布置的最不利值，不乘 γ0，不调幅。"),
              small);
    page.gap(4);
    // a table stays on one page where it can (its rows are some 16 points each)
    auto rowsHeight = [](std::size_t rows) { return 40 + 16 * static_cast<double>(rows); };
    page.keepTogether(rowsHeight(table.faceRows.size()));
    page.line(QStringLiteral("支座边缘"), body);
    page.table(texts(table.faceHeaders), rowsOf(table.faceRows),
               std::vector<double>(table.faceHeaders.size(), 1.0), small);
    page.gap(4);
    page.keepTogether(rowsHeight(table.spanRows.size()) + 20);
    page.line(QStringLiteral("跨内（两支座边缘之间）"), body);
    page.table(texts(table.spanHeaders), rowsOf(table.spanRows),
               std::vector<double>(table.spanHeaders.size(), 1.0), small);
    page.line(QStringLiteral("注：“(调幅)”表示该剪力由调幅后的简支梁剪力控制；"
                             "“(右)”表示集中力偶处右侧的弯矩。"),
              small);
}

} // namespace spanwise::report_pages
