// The result window: its table and the section query.
#include "UiTestSupport.h"

#include "analysis/Calculation.h"
#include "ui/dialogs/ResultWindow.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include <memory>

using namespace spanwise;
using namespace spanwise::testing_support;

namespace {

BeamModel beam(std::initializer_list<float> lengths) {
    BeamModel m;
    m.SpanCount = static_cast<std::int16_t>(lengths.size());
    int s = 1;
    for (float L : lengths) {
        m.SpanLength[s++] = L;
    }
    return m;
}

void addUniform(BeamModel& m, int s, float q) {
    const int k = ++m.LoadCount[s];
    m.LoadKindOf[s][k] = Uniform;
    m.LoadQ[s][k] = q;
}

void addForce(BeamModel& m, int s, float P, float a) {
    const int k = ++m.LoadCount[s];
    m.LoadKindOf[s][k] = Concentrated;
    m.LoadP[s][k] = P;
    m.LoadA[s][k] = a;
    m.LoadB[s][k] = m.SpanLength[s] - a;
}

QStringList row(const QTableWidget* grid, int r) {
    QStringList texts;
    for (int c = 0; c < grid->columnCount(); ++c) {
        texts << grid->item(r, c)->text();
    }
    return texts;
}

} // namespace

class ResultWindowTest : public QObject {
    Q_OBJECT

private:
    BeamModel model;
    BeamResults results;
    ScriptedPrompter prompter;
    std::unique_ptr<ResultWindow> window;

    template <typename T = QLineEdit> T* w(const char* name) { return find<T>(window.get(), name); }

    void open(const BeamModel& m) {
        model = m;
        calculate(model, results);
        window = std::make_unique<ResultWindow>(model, results, prompter);
        window->show();
        window->fill();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

private slots:
    void cleanup() { window.reset(); }

    void twoLoadedSpansFillTheTableWithTheHandSolution() {
        BeamModel m = beam({6, 6});
        addUniform(m, 1, 10);
        addUniform(m, 2, 10);
        open(m);
        auto* grid = w<QTableWidget>("Grid");
        QCOMPARE(window->windowTitle(), QStringLiteral("结果输出"));
        QCOMPARE(grid->columnCount(), 8);
        QCOMPARE(grid->rowCount(), 2);
        QCOMPARE(grid->horizontalHeaderItem(0)->text(), QStringLiteral("跨   号"));
        QCOMPARE(grid->horizontalHeaderItem(7)->text(), QStringLiteral("右端M(kN*m)"));
        QCOMPARE(row(grid, 0),
                 QStringList({"第1跨", "6", "22.5", "0", "25.313", "2.25", "-37.5", "-45"}));
        QCOMPARE(row(grid, 1),
                 QStringList({"第2跨", "6", "37.5", "-45", "25.313", "3.75", "-22.5", "0"}));
        const int widths[] = {43, 46, 66, 83, 106, 83, 66, 83}; // twips / 15
        for (int c = 0; c < 8; ++c) {
            QCOMPARE(grid->columnWidth(c), widths[c]);
        }
        QVERIFY(w<QLabel>("staleNotice")->isHidden());
    }

    void threeEqualSpansGiveATenthOfQLSquaredOverTheSupports() {
        BeamModel m = beam({6, 6, 6});
        for (int s = 1; s <= 3; ++s) {
            addUniform(m, s, 10);
        }
        open(m);
        auto* grid = w<QTableWidget>("Grid");
        QCOMPARE(grid->item(0, 7)->text(), QStringLiteral("-36"));
        QCOMPARE(grid->item(1, 3)->text(), QStringLiteral("-36"));
        QCOMPARE(grid->item(1, 7)->text(), QStringLiteral("-36"));
        QCOMPARE(grid->item(2, 3)->text(), QStringLiteral("-36"));
    }

    void theQueryShowsMAndVAtTheTypedDistance() {
        BeamModel m = beam({6});
        addForce(m, 1, 10, 2);
        open(m);
        QVERIFY(w<QPushButton>("front")->isHidden() == false);
        QVERIFY(!w<QPushButton>("front")->isEnabled());
        QVERIFY(!w<QPushButton>("back")->isEnabled()); // one span
        QCOMPARE(w("length")->text(), QStringLiteral("6"));
        QLineEdit* TX = w("TX");
        retype(TX, QStringLiteral("1"));
        QCOMPARE(w("CM")->text(), QStringLiteral("6.667"));
        QCOMPARE(w("CV1")->text(), QStringLiteral("6.667"));
        QVERIFY(w("CV2")->isHidden());
        QVERIFY(w<QLabel>("LV2")->isHidden());
        retype(TX, QStringLiteral("2"));
        QCOMPARE(w("CM")->text(), QStringLiteral("13.333"));
        QCOMPARE(w("CV1")->text(), QStringLiteral("6.667"));
        QVERIFY(w("CV2")->isVisible());
        QVERIFY(w<QLabel>("LV2")->isVisible());
        QCOMPARE(w("CV2")->text(), QStringLiteral("-3.333"));
        retype(TX, QStringLiteral("6.5")); // beyond the span: set back to 6 after "6" was taken
        QCOMPARE(TX->text(), QStringLiteral("6"));
        QCOMPARE(w("CM")->text(), QStringLiteral("0"));
        retype(TX, QStringLiteral("-"));
        QCOMPARE(TX->text(), QStringLiteral("6"));
    }

    void aPointOrNothingInTheDistanceMeansTheLeftEnd() {
        BeamModel m = beam({6});
        addUniform(m, 1, 10);
        open(m);
        QLineEdit* TX = w("TX");
        retype(TX, QStringLiteral("3"));
        QCOMPARE(w("CM")->text(), QStringLiteral("45"));
        retype(TX, QStringLiteral("."));
        QCOMPARE(TX->text(), QStringLiteral("."));
        QCOMPARE(w("CM")->text(), QStringLiteral("45"));
        leave(TX);
        QCOMPARE(TX->text(), QStringLiteral("0"));
        QCOMPARE(w("CV1")->text(), QStringLiteral("30"));
        retype(TX, QStringLiteral("2"));
        erase(TX);
        QCOMPARE(TX->text(), QStringLiteral("0"));
        QCOMPARE(w("CM")->text(), QStringLiteral("0"));
        QCOMPARE(w("CV1")->text(), QStringLiteral("30"));
    }

    void theSpanNumberStepsThroughTheSpansAndClampsTheDistance() {
        BeamModel m = beam({6, 4, 6});
        for (int s = 1; s <= 3; ++s) {
            addUniform(m, s, 10);
        }
        open(m);
        retype(w("TX"), QStringLiteral("5"));
        click(w<QPushButton>("back"));
        QCOMPARE(w("Currentnumber")->text(), QStringLiteral("2"));
        QCOMPARE(w("length")->text(), QStringLiteral("4"));
        // 5 m lies beyond the 4 m span: the query moves to its right end
        QCOMPARE(w("TX")->text(), QStringLiteral("4"));
        QCOMPARE(w("CM")->text(), w<QTableWidget>("Grid")->item(1, 7)->text());
        QVERIFY(w<QPushButton>("front")->isEnabled());
        retype(w("Currentnumber"), QStringLiteral("2.5"));
        QCOMPARE(w("Currentnumber")->text(), QStringLiteral("2"));
        retype(w("Currentnumber"), QStringLiteral("4"));
        QCOMPARE(w("Currentnumber")->text(), QStringLiteral("2"));
        click(w<QPushButton>("back"));
        QVERIFY(!w<QPushButton>("back")->isEnabled());
        click(w<QPushButton>("front"));
        click(w<QPushButton>("front"));
        QVERIFY(!w<QPushButton>("front")->isEnabled());
        QCOMPARE(w("Currentnumber")->text(), QStringLiteral("1"));
    }

    void anEditedModelIsFlaggedAboveTheTable() {
        BeamModel m = beam({6, 6});
        addUniform(m, 1, 10);
        open(m);
        QVERIFY(w<QLabel>("staleNotice")->isHidden());
        model.LoadQ[1][1] = 12;
        window->checkStale();
        QVERIFY(w<QLabel>("staleNotice")->isVisible());
        QCOMPARE(w<QLabel>("staleNotice")->text(),
                 QStringLiteral("数据已修改，结果为上次计算结果"));
        model.LoadQ[1][1] = 10; // back as calculated
        window->checkStale();
        QVERIFY(w<QLabel>("staleNotice")->isHidden());
        model.SpanEI[2] = 5; // EI does not enter the calculation
        window->checkStale();
        QVERIFY(w<QLabel>("staleNotice")->isHidden());
    }

    void theFieldsAreNamedForScreenReaders() {
        open(beam({6}));
        QCOMPARE(w<QLabel>("distanceCaption")->buddy(), w<QWidget>("TX"));
        QCOMPARE(w("TX")->accessibleName(), QStringLiteral("请输入到梁左端的距离:"));
        QCOMPARE(w("CM")->accessibleName(), QStringLiteral("弯距M="));
        QCOMPARE(w("CV1")->accessibleName(), QStringLiteral("剪力V="));
        QCOMPARE(w("CV2")->accessibleName(), QStringLiteral("剪力V=(右)"));
        QCOMPARE(w<QTableWidget>("Grid")->verticalHeaderItem(0)->text(), QStringLiteral("第1跨"));
    }

    void returnClosesTheWindow() {
        open(beam({6}));
        QPointer<ResultWindow> guard(window.release());
        QAction* outBack = guard->findChild<QAction*>(QStringLiteral("OUTBACK"));
        QVERIFY(outBack != nullptr);
        QCOMPARE(outBack->text(), QStringLiteral("返回"));
        outBack->trigger();
        QTRY_VERIFY(guard.isNull()); // unloaded on close
    }
};

QTEST_MAIN(ResultWindowTest)
#include "result_window_test.moc"
