#include "report/ReportSections.h"

#include "analysis/CalculationError.h"

#include "analysis/Deflection.h"
#include "analysis/DeflectionTable.h"
#include "analysis/DistributionWorking.h"
#include "analysis/Envelope.h"
#include "analysis/EnvelopeTable.h"
#include "analysis/NumberFormat.h"
#include "check/DataCheck.h"
#include "drawing/DiagramPainter.h"

#include <array>
#include <optional>

namespace spanwise::report_pages {

void loadTable(PageCursor& page, const Beam& beam, const QFont& body, const QFont& small) {
    // the columns of the kinds the beam has: a moment and a second intensity only where used
    bool moments = false, linear = false, stretches = false;
    for (const Span& span : beam.spans) {
        for (const Load& load : span.loads) {
            moments = moments || load.kind == Couple;
            linear = linear || load.kind == Linear;
            stretches = stretches || load.kind == PartialUniform || load.kind == Linear;
        }
    }
    QStringList headers{QStringLiteral("跨号"), QStringLiteral("序号"), QStringLiteral("荷载形式"),
                        QStringLiteral("恒/活"), QStringLiteral("P(kN)")};
    if (moments) {
        headers << QStringLiteral("M(kN*m)");
    }
    headers << (linear ? QStringLiteral("q/q1(kN/m)") : QStringLiteral("q(kN/m)"));
    if (linear) {
        headers << QStringLiteral("q2(kN/m)");
    }
    headers << QStringLiteral("a(m)") << QStringLiteral("b(m)");
    if (stretches) {
        headers << QStringLiteral("c(m)");
    }
    std::vector<QStringList> rows;
    for (int s = 1; s <= beam.spanCount(); ++s) {
        for (int k = 1; k <= beam.span(s).loadCount(); ++k) {
            const Load& load = beam.span(s).load(k);
            const LoadKind kind = load.kind;
            auto cell = [](bool used, float v) {
                return used ? QString::fromStdString(fieldText(v)) : QString();
            };
            QStringList row{QStringLiteral("第%1跨").arg(s), QString::number(k),
                            QString::fromStdString(load.text),
                            load.loadCase == Live ? QStringLiteral("活") : QStringLiteral("恒"),
                            cell(kind == Concentrated, load.P)};
            if (moments) {
                row << cell(kind == Couple, load.P);
            }
            row << cell(kind != Concentrated && kind != Couple, load.q);
            if (linear) {
                row << cell(kind == Linear, load.P);
            }
            row << cell(kind != Uniform, load.a)
                << cell(kind == Concentrated || kind == Couple || kind == PartialUniform ||
                            kind == Linear,
                        load.b);
            if (stretches) {
                row << cell(kind == PartialUniform || kind == Linear, load.c);
            }
            rows.push_back(row);
        }
    }
    if (rows.empty()) {
        return;
    }
    page.table(headers, rows, std::vector<double>(static_cast<std::size_t>(headers.size()), 1.0),
               body);
    QString note =
        QStringLiteral("注：悬臂端跨上各荷载的 a 自自由端量起；梯形荷载两端斜坡长度均为 a。");
    if (linear) {
        note += QStringLiteral("线性分布荷载由 a 处的 q1 线性变化到 a+c 处的 q2。");
    }
    if (moments) {
        note += QStringLiteral("集中力偶 M 以顺时针为正。");
    }
    page.line(note, small);
}

// The basic combination over every live-load arrangement: factors, the extremes of every span
// and support with the arrangements that give them, and the envelope diagrams.
void envelopeSection(PageCursor& page, QPainter& painter, const BeamOutcome& outcome,
                     const QFont& heading, const QFont& body, const QFont& small) {
    const Calculation& calculation = outcome.calculation;
    const Envelope* envelope = outcome.envelope.get();
    page.keepTogether(120);
    page.line(QStringLiteral("五、荷载组合与包络"), heading);
    if (envelope == nullptr) {
        page.line(QString::fromStdString(outcome.envelope.whyNot()), body);
        return;
    }
    page.line(QStringLiteral("基本组合 ") +
                  QString::fromStdString(factorsText(calculation.beam.factors)) +
                  QStringLiteral("；活荷载按各跨满跨布置或不布置的全部组合取最不利值。"),
              body);
    const EnvelopeTable table = envelopeTable(calculation.beam, *envelope);
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
void deflectionSection(PageCursor& page, QPainter& painter, const BeamOutcome& outcome,
                       const QString& title, const QFont& heading, const QFont& body,
                       const QFont& small) {
    const Beam& beam = outcome.beam();
    page.keepTogether(120);
    page.line(title, heading);
    const BeamDeflection* asEntered = outcome.deflection.get();
    const std::array<BeamDeflection, 2>* combinations = nullptr;
    // the combinations where the beam has live loads and an envelope to take them from
    const bool withCombinations = hasLiveLoads(beam) && outcome.envelope.made();
    const auto whyNot = [&](const auto& product) {
        return product.template failedWith<CalculationError>()
                   ? QString::fromStdString(product.whyNot())
                   : QStringLiteral("挠度无法计算：有跨的 EI 不是正数。");
    };
    if (asEntered == nullptr) {
        page.line(whyNot(outcome.deflection), body);
        return;
    }
    if (withCombinations) {
        combinations = outcome.deflectionCombinations.get();
        if (combinations == nullptr) {
            page.line(whyNot(outcome.deflectionCombinations), body);
            return;
        }
    }
    // a designed beam's deflection is checked with B in its design section: one verdict
    const bool verdicts = !deflectionCheckedWithB(outcome);
    if (verdicts) {
        page.line(QString::fromUtf8(kElasticDeflectionNote) +
                      QStringLiteral("（钢筋混凝土梁应输入长期刚度 B）；") +
                      QString::fromStdString(combinations
                                                 ? deflectionSettingsText(beam.deflection)
                                                 : "限值 " + limitRuleText(beam.deflection)) +
                      QStringLiteral("；悬臂跨的 l0 取其跨度的两倍。"),
                  body);
    } else {
        page.line(QString::fromUtf8(kElasticDeflectionNote) +
                      QStringLiteral("（截面 EI = Ec·I）；") +
                      QString::fromUtf8(kDeflectionCheckedWithB) + QStringLiteral("。"),
                  body);
    }
    if (const std::string note = defaultRigidityNote(beam); !note.empty()) {
        page.line(QStringLiteral("注意：") + QString::fromStdString(note) + QStringLiteral("。"),
                  body);
    }
    if (!lineStiffnessNotices(beam, nullptr).empty()) {
        page.line(QStringLiteral("注意：各跨线刚度 i 与 EI/L 不成比例，弯矩按 i 分配而挠度按 EI "
                                 "计算，两者来自不同的刚度。"),
                  small);
    }
    auto table = [&](const QString& caption, const BeamDeflection& d, bool arrangements) {
        const DeflectionTable t = deflectionTable(d, arrangements, verdicts);
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

} // namespace spanwise::report_pages
