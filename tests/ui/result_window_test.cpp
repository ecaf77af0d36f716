// The result window shows, queries and exports one calculation, whatever happens to the beam
// being edited afterwards.
#include "UiTestSupport.h"

#include "analysis/Calculation.h"
#include "analysis/Envelope.h"
#include "drawing/DiagramPainter.h"
#include "drawing/DrawingParts.h"
#include "exports/ResultCsv.h"
#include "support/BeamBuilder.h"
#include "ui/dialogs/DiagramPanel.h"
#include "ui/dialogs/ResultWindow.h"

#include <QAction>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace spanwise;
using namespace spanwise::testing_support;

class ResultWindowTest : public QObject {
    Q_OBJECT

    ScriptedPrompter prompter;
    std::unique_ptr<ResultWindow> window;
    QTemporaryDir dir;

    // 6 m with P = 10 kN at 2 m, then 4 m with q = 12 kN/m
    static BeamOutcome twoSpans() {
        return outcomeOf(test::BeamBuilder({6, 4}).force(1, 10, 2).uniform(2, 12).beam());
    }
    QLineEdit* field(const char* name) { return find<QLineEdit>(window.get(), name); }
    void run(const char* action) {
        window->findChild<QAction*>(QString::fromLatin1(action))->trigger();
    }

private slots:
    void init() {
        window = std::make_unique<ResultWindow>(prompter);
        window->show();
        window->showOutcome(twoSpans(), "梁.BMD");
    }
    void cleanup() {
        window.reset();
        QCOMPARE(prompter.pending(), 0);
    }

    void theQueryAnswersWithinTheCalculatedSpans() {
        window->showOutcome(outcomeOf(test::BeamBuilder({6}).force(1, 10, 2).beam()), "");
        QCOMPARE(field("querySpanLengthField")->text(), QStringLiteral("6"));
        retype(field("queryDistanceField"), QStringLiteral("2"));
        QCOMPARE(field("queryShearField")->text(), QStringLiteral("6.667"));
        QVERIFY(field("queryShearRightField")->isVisible()); // on the force: both shears
        QCOMPARE(field("queryShearRightField")->text(), QStringLiteral("-3.333"));
        QCOMPARE(find<QLabel>(window.get(), "shearCaption")->text(), QStringLiteral("剪力V左="));
        QVERIFY(find<QLabel>(window.get(), "shearRightCaption")->isVisible());
        // beyond the span: no values for another section, the range beside the field
        auto* range = find<QLabel>(window.get(), "queryRangeNotice");
        for (const char* typed : {"25", "6.5"}) {
            retype(field("queryDistanceField"), QString::fromLatin1(typed));
            QCOMPARE(field("queryDistanceField")->text(), QString::fromLatin1(typed));
            QCOMPARE(field("queryMomentField")->text(), QString());
            QCOMPARE(field("queryShearField")->text(), QString());
            QVERIFY(range->isVisible());
            QCOMPARE(range->text(), QStringLiteral("超出本跨范围 0～6 m"));
        }
        retype(field("queryDistanceField"), QStringLiteral("6"));
        QVERIFY(range->isHidden());
        QCOMPARE(field("queryMomentField")->text(), QStringLiteral("0"));

        // the next span is 4 m: the distance moves to its end
        window->showOutcome(twoSpans(), "");
        retype(field("queryDistanceField"), QStringLiteral("5"));
        click(find<QPushButton>(window.get(), "nextSpanButton"));
        QCOMPARE(field("querySpanField")->text(), QStringLiteral("2"));
        QCOMPARE(field("queryDistanceField")->text(), QStringLiteral("4"));
        QCOMPARE(field("queryMomentField")->text(), QStringLiteral("0"));
        QVERIFY(field("queryShearRightField")->isHidden());
        QVERIFY(!find<QPushButton>(window.get(), "nextSpanButton")->isEnabled());
    }

    void clickingTheDiagramMovesTheQuery() {
        auto* tabs = find<QTabWidget>(window.get(), "resultTabs");
        tabs->setCurrentIndex(1);
        window->resize(900, 700);
        auto* panel = find<DiagramPanel>(window.get(), "diagramPanel");
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        // the drawing spans the panel's width: 90 % of it lies in the second span
        QTest::mouseClick(panel, Qt::LeftButton, {},
                          QPoint(panel->width() * 9 / 10, panel->height() / 2));
        QCOMPARE(field("querySpanField")->text(), QStringLiteral("2"));
        QVERIFY(panel->marker().has_value());
        QCOMPARE(panel->marker()->span, 2);
    }

    void theExportsWriteTheCalculationShown() {
        const QString csv = dir.filePath(QStringLiteral("t.csv"));
        prompter.expectFile(csv);
        run("exportCsvAction");
        QFile file(csv);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().toStdString(), outcomeCsv(twoSpans(), false));

        const QString pdf = dir.filePath(QStringLiteral("t.pdf"));
        prompter.expectFile(pdf);
        run("exportReportAction");
        QVERIFY(QFileInfo(pdf).size() > 1000);

        prompter.expectFile(dir.filePath(QStringLiteral("no/folder/r.pdf")));
        prompter.expectMessage(QStringLiteral("导出计算书"));
        run("exportReportAction");
        prompter.expectFile(QString()); // cancelled: nothing written, nothing said
        run("exportCsvAction");

        // results the beam has left behind are not exported: no file is asked for
        window->setStale(true);
        for (const char* export_ : {"exportReportAction", "exportCsvAction"}) {
            prompter.expectMessage(QStringLiteral("模型在计算之后已修改"));
            run(export_);
        }
    }

    void theEnvelopeDiagramQueriesEveryArrangement() {
        // two 6 m spans, q = 10 live on both: at the middle support the worst hogging moment
        // is 1.5 x 10 x 6² / 8 with both spans loaded, the least hogging none at all
        Beam beam = test::BeamBuilder({6, 6}).uniform(1, 10).uniform(2, 10).beam();
        for (int s : {1, 2}) {
            beam.span(s).load(1).loadCase = Live;
        }
        window->showOutcome(outcomeOf(beam), "");
        auto* tabs = find<QTabWidget>(window.get(), "resultTabs");
        auto* page = find<QWidget>(window.get(), "envelopeDiagramPage");
        QVERIFY(tabs->isTabVisible(tabs->indexOf(page)));
        tabs->setCurrentWidget(page);
        window->resize(900, 700);
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));

        auto* text = find<QLabel>(window.get(), "envelopeQueryText");
        retype(field("queryDistanceField"), QStringLiteral("6"));
        QVERIFY2(text->text().contains(QStringLiteral("Mmin = -67.5 kN*m（活载布置：1,2跨）")),
                 qPrintable(text->text()));
        QVERIFY(text->text().startsWith(QStringLiteral("第1跨 x = 6 m")));
        // left of the support: the shear of span 1 alone live is not the worst, 1,2 is
        QVERIFY2(text->text().contains(QStringLiteral("Vmin = -56.25 kN（活载布置：1,2跨）")),
                 qPrintable(text->text()));

        // a click on the envelope diagram moves the query like one on the diagram of the loads
        auto* panel = find<DiagramPanel>(window.get(), "envelopeDiagramPanel");
        QTest::mouseClick(panel, Qt::LeftButton, {},
                          QPoint(panel->width() * 9 / 10, panel->height() / 2));
        QCOMPARE(field("querySpanField")->text(), QStringLiteral("2"));
        QVERIFY(text->text().startsWith(QStringLiteral("第2跨")));
        // both bands are drawn
        const QImage image = panel->grab().toImage();
        int momentPixels = 0;
        int shearPixels = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                momentPixels += image.pixelColor(x, y) == drawing::kMomentFill;
                shearPixels += image.pixelColor(x, y) == drawing::kShearFill;
            }
        }
        QVERIFY(momentPixels > 1000);
        QVERIFY(shearPixels > 1000);

        // the exported table carries the envelope after the loads as entered
        const QString csv = dir.filePath(QStringLiteral("e.csv"));
        prompter.expectFile(csv);
        run("exportCsvAction");
        QFile file(csv);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().toStdString(), outcomeCsv(outcomeOf(beam), true));
    }

    void diagramValuesKeepOffCurvesAndEachOther() {
        QImage image(400, 200, QImage::Format_ARGB32);
        QPainter painter(&image);
        drawing::Labels labels(painter);
        const QLineF query(QPointF(100, 0), QPointF(100, 200));
        labels.avoid(QPolygonF{query.p1(), query.p2()});
        // a slope rising to the right from (200, 150): a value above its foot may not cover it
        labels.avoid(QPolygonF{QPointF(200, 150), QPointF(260, 90)});
        struct Case {
            QPointF at;
            bool above;
            int side;
            int expectedSide; // where it goes: -1 left of at, +1 right, 0 over it, 2 nowhere
        } cases[] = {
            {{100, 100}, true, 0, -1},  // centred on the query line: beside it, on the left
            {{100, 100}, true, 0, +1},  // the same place again: the right is still free
            {{100, 100}, true, 0, 2},   // and then no place is left
            {{200, 150}, true, +1, -1}, // the slope takes the right: the value goes left
            {{40, 50}, false, 0, 0},    // a free place is taken as asked
        };
        for (const Case& c : cases) {
            const std::optional<QRectF> box =
                labels.add(c.at, QStringLiteral("-12.345"), c.above, c.side);
            if (c.expectedSide == 2) {
                QVERIFY(!box);
                continue;
            }
            QVERIFY(box);
            QCOMPARE(box->bottom() <= c.at.y(), c.above);
            const int side = box->right() < c.at.x() ? -1 : box->left() > c.at.x() ? +1 : 0;
            QCOMPARE(side, c.expectedSide);
        }
    }

    void theDeflectionTabChecksEverySpanAndAnswersTheQuery() {
        // 6 m, EI = 20000, q = 10: 5qL^4/384EI = 8.4375 mm at mid-span, l0/w = 711 >= 250
        Beam beam = test::BeamBuilder({6}).stiffness(1, 20000, 20000.0f / 6).uniform(1, 10).beam();
        window->showOutcome(outcomeOf(beam), "");
        auto* tabs = find<QTabWidget>(window.get(), "resultTabs");
        auto* page = find<QWidget>(window.get(), "deflectionPage");
        QVERIFY(tabs->isTabVisible(tabs->indexOf(page)));
        QCOMPARE(tabs->tabText(tabs->indexOf(page)), QStringLiteral("挠度"));
        auto* table = find<QTableWidget>(window.get(), "deflectionTable");
        QStringList row;
        for (int c = 0; c < table->columnCount(); ++c) {
            row << table->item(0, c)->text();
        }
        QCOMPARE(row.join(QLatin1Char('|')), QStringLiteral("第1跨|6|8.438|3|0|0|711|l0/200|✔"));
        QVERIFY(find<QLabel>(window.get(), "deflectionNote")
                    ->text()
                    .startsWith(QStringLiteral("按输入 EI 计算的弹性挠度")));
        auto* deflectionTables = find<QTabWidget>(window.get(), "deflectionTables");
        QVERIFY(!deflectionTables->isTabVisible(1) && !deflectionTables->isTabVisible(2));
        retype(field("queryDistanceField"), QStringLiteral("3"));
        QCOMPARE(find<QLabel>(window.get(), "deflectionQueryText")->text(),
                 QStringLiteral("第1跨 x = 3 m：w = 8.438 mm"));

        // i left behind after a change of EI: moments and deflections from different stiffnesses
        beam.spans.push_back(beam.span(1));
        beam.span(1).lineStiffness = 1;
        window->showOutcome(outcomeOf(beam), "");
        QVERIFY(find<QLabel>(window.get(), "deflectionNote")
                    ->text()
                    .contains(QStringLiteral("来自不同的刚度")));
        // live loads add both combinations
        beam.span(2).load(1).loadCase = Live;
        window->showOutcome(outcomeOf(beam), "");
        QVERIFY(deflectionTables->isTabVisible(1) && deflectionTables->isTabVisible(2));
        QCOMPARE(deflectionTables->tabText(2), QStringLiteral("准永久组合 G+ψqQ"));
    }

    void theTablesAndTheNoticeFollowTheCalculation() {
        auto* table = find<QTableWidget>(window.get(), "resultTable");
        QCOMPARE(find<QTableWidget>(window.get(), "reactionTable")->rowCount(), 3);
        auto* stale = find<QLabel>(window.get(), "staleNotice");
        window->setStale(true);
        QVERIFY(stale->isVisible());
        window->showOutcome(outcomeOf(test::BeamBuilder({5}).uniform(1, 8).beam()), "");
        QVERIFY(stale->isHidden());
        QCOMPARE(table->rowCount(), 1);
        QCOMPARE(table->item(0, 2)->text(), QStringLiteral("20"));
        QCOMPARE(field("querySpanField")->text(), QStringLiteral("1"));
    }

    void theWorkingTabShowsEveryStepAndTheSums() {
        // the two spans are pinned outside: S = 3i each, mu = 1/2, nothing carried to the pins;
        // 8.889 (P a b (1 + a/L) / 2L) and -24 (qL^2/8) leave 15.111 to share at the joint
        auto* tabs = find<QTabWidget>(window.get(), "resultTabs");
        QTabBar* bar = tabs->tabBar();
        int index = 0;
        while (index < tabs->count() && tabs->tabText(index) != QStringLiteral("分配过程")) {
            ++index;
        }
        QVERIFY(index < tabs->count());
        auto* table = find<QTableWidget>(window.get(), "workingTable");
        QCOMPARE(table->rowCount(), 0); // nothing recorded for a tab not yet opened
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
        QCOMPARE(tabs->currentWidget()->objectName(), QStringLiteral("workingPanel"));
        QCOMPARE(table->columnCount(), 7);
        QCOMPARE(table->horizontalHeaderItem(2)->text(), QStringLiteral("不平衡弯矩"));
        QCOMPARE(table->horizontalHeaderItem(4)->text(), QStringLiteral("第1跨右端"));
        QCOMPARE(table->rowCount(), 7); // factors, fixed-end moments, two rounds, sums
        auto text = [&](int row, int column) {
            return table->item(row, column) ? table->item(row, column)->text() : QString();
        };
        QCOMPARE(text(1, 4), QStringLiteral("0.5"));
        QCOMPARE(text(3, 4), QStringLiteral("8.889"));
        QCOMPARE(text(3, 5), QStringLiteral("-24"));
        QCOMPARE(text(4, 1), QStringLiteral("1"));
        QCOMPARE(text(4, 2), QStringLiteral("-15.111"));
        QCOMPARE(text(4, 4), QStringLiteral("7.556"));
        QCOMPARE(text(4, 3), QString()); // nothing carried to the pin
        QCOMPARE(text(6, 0), QStringLiteral("合计"));
        QCOMPARE(text(6, 4), QStringLiteral("16.444"));
        // the sums are the member-end moments: the result table's right-end M with its sign
        QCOMPARE(find<QTableWidget>(window.get(), "resultTable")->item(0, 7)->text(),
                 QStringLiteral("-16.444"));
        QVERIFY(
            find<QLabel>(window.get(), "workingNote")->text().contains(QStringLiteral("共 2 轮")));

        // a new calculation replaces the working
        window->showOutcome(outcomeOf(test::BeamBuilder({5}).uniform(1, 8).beam()), "");
        QCOMPARE(table->rowCount(), 5);
        QCOMPARE(table->columnCount(), 5);
    }

    void backClosesAndUnloadsTheWindow() {
        QPointer<ResultWindow> guard(window.release());
        guard->findChild<QAction*>(QStringLiteral("backAction"))->trigger();
        QTRY_VERIFY(guard.isNull());
    }
};

QTEST_MAIN(ResultWindowTest)
#include "result_window_test.moc"
