// The road from editing to results: data check window, calculation and result window.
#include "UiTestSupport.h"

#include "ui/dialogs/CheckWindow.h"
#include "ui/dialogs/ResultWindow.h"
#include "ui/main/MainWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include <memory>

using namespace spanwise;
using namespace spanwise::testing_support;

class CheckCalculateTest : public QObject, public MainWindowHarness {
    Q_OBJECT

private:
    CheckWindow* checkWindow() { return window->findChild<CheckWindow*>(); }

    // equal spans of 6 m with q = 10 on each
    void loadedSpans(int n) {
        retype(w("number"), QString::number(n));
        for (int s = 1; s <= n; ++s) {
            goTo(s);
            retype(w("length"), QStringLiteral("6"));
            addLoad(1);
            retype(w("q"), QStringLiteral("10"));
        }
    }
    QStringList checkMessages() { return itemTexts(find<QListWidget>(checkWindow(), "List1")); }

private slots:
    void init() { open(); }

    void cleanup() { QVERIFY2(close(), "a scripted answer was not used"); }

    void aFailedCheckListsTheErrorsAndKeepsTheCalculationLocked() {
        click(b("check")); // one span of length 0, no loads
        CheckWindow* check = checkWindow();
        QVERIFY(check != nullptr && check->isVisible());
        QCOMPARE(check->windowTitle(), QStringLiteral("数据检查"));
        QCOMPARE(checkMessages(), QStringList({QStringLiteral("第1跨跨度为零!")}));
        QVERIFY(find<QLabel>(check, "ERRORLIST")->isVisible());
        QVERIFY(find<QLabel>(check, "Label2")->isVisible());
        QVERIFY(find<QLabel>(check, "Label4")->isHidden());
        auto* bar = find<QProgressBar>(check, "BAR");
        QVERIFY(bar->isHidden());
        QCOMPARE(bar->maximum(), 1);
        QCOMPARE(bar->value(), 1);
        QVERIFY(find<QPushButton>(check, "Command1")->isEnabled());
        QVERIFY(b("check")->isEnabled());
        QVERIFY(!b("Command6")->isEnabled());
        // the main window stays usable, and a rerun replaces the old content
        retype(w("length"), QStringLiteral("6"));
        click(b("check"));
        QCOMPARE(checkWindow(), check);
        QCOMPARE(checkMessages(), QStringList({QStringLiteral("没有错误!")}));
        QVERIFY(find<QLabel>(check, "ERRORLIST")->isHidden());
        QVERIFY(find<QLabel>(check, "Label4")->isVisible());
        QVERIFY(!b("check")->isEnabled());
        QVERIFY(b("Command6")->isEnabled());
        QVERIFY(b("done")->isEnabled());
        QPointer<CheckWindow> guard(check);
        click(find<QPushButton>(check, "Command1"));
        QTRY_VERIFY(guard.isNull());
    }

    void twentySpansOfTenLoadsTake220Steps() {
        retype(w("number"), QStringLiteral("20"));
        for (int s = 1; s <= 20; ++s) {
            goTo(s);
            for (int k = 0; k < 10; ++k) {
                addLoad(1);
            }
        }
        click(b("check"));
        auto* bar = find<QProgressBar>(checkWindow(), "BAR");
        QCOMPARE(bar->maximum(), 220);
        QCOMPARE(bar->value(), 220);
        QCOMPARE(checkMessages().size(), 20 * 10 + 20); // zero loads and zero lengths
    }

    void twoLoadedSpansCalculateToTheHandSolution() {
        loadedSpans(2);
        click(b("check"));
        click(b("Command6"));
        ResultWindow* output = window->resultWindow();
        QVERIFY(output != nullptr && output->isVisible());
        auto* grid = find<QTableWidget>(output, "Grid");
        QStringList first, second;
        for (int c = 0; c < 8; ++c) {
            first << grid->item(0, c)->text();
            second << grid->item(1, c)->text();
        }
        QCOMPARE(first, QStringList({"第1跨", "6", "22.5", "0", "25.313", "2.25", "-37.5", "-45"}));
        QCOMPARE(second,
                 QStringList({"第2跨", "6", "37.5", "-45", "25.313", "3.75", "-22.5", "0"}));
        // an edit after the calculation is flagged, and a new calculation refills the window
        goTo(1);
        retype(w("q"), QStringLiteral("20"));
        QTRY_VERIFY(find<QLabel>(output, "staleNotice")->isVisible());
        QVERIFY(!b("Command6")->isEnabled());
        click(b("check"));
        click(b("Command6"));
        QCOMPARE(window->resultWindow(), output);
        QVERIFY(find<QLabel>(output, "staleNotice")->isHidden());
        QCOMPARE(grid->item(0, 7)->text(), QStringLiteral("-67.5"));
    }

    void aQueryOnAConcentratedForceShowsBothShears() {
        retype(w("length"), QStringLiteral("6"));
        addLoad(0);
        retype(w("P"), QStringLiteral("10"));
        retype(w("a"), QStringLiteral("2"));
        click(b("check"));
        QCOMPARE(checkMessages(), QStringList({QStringLiteral("没有错误!")}));
        click(b("Command6"));
        ResultWindow* output = window->resultWindow();
        retype(find<QLineEdit>(output, "TX"), QStringLiteral("2"));
        QCOMPARE(find<QLineEdit>(output, "CV1")->text(), QStringLiteral("6.667"));
        QVERIFY(find<QLineEdit>(output, "CV2")->isVisible());
        QCOMPARE(find<QLineEdit>(output, "CV2")->text(), QStringLiteral("-3.333"));
    }

    void aCalculationFaultIsReportedAndChangesNothing() {
        loadedSpans(2);
        click(b("check"));
        click(b("Command6"));
        ResultWindow* output = window->resultWindow();
        auto* grid = find<QTableWidget>(output, "Grid");
        // a load of 3e38 kN/m passes the check but overflows the calculation
        goTo(2);
        retype(w("q"), QStringLiteral("300000000000000000000000000000000000000"));
        QCOMPARE(model().LoadQ[2][1], 3e38f);
        click(b("check"));
        const BeamModel before = model();
        click(b("Command6"));
        QCOMPARE(prompter->told.size(), std::size_t{1});
        QCOMPARE(prompter->told[0].icon, Prompter::Icon::Critical);
        QVERIFY(prompter->told[0].text.startsWith(QStringLiteral("计算失败：")));
        QVERIFY(prompter->told[0].text.contains(QStringLiteral("第2跨")));
        QVERIFY(model() == before);
        QCOMPARE(grid->item(0, 7)->text(), QStringLiteral("-45")); // the old results stay
        QVERIFY(window->isEnabled());
    }
};

QTEST_MAIN(CheckCalculateTest)
#include "check_calculate_test.moc"
