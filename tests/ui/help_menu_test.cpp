// The 信息 menu: 验证算例 lists every shipped problem's values against the exact ones, and a
// problem opened as a project replaces the user's work only after the usual question;
// 版权说明 and 产品介绍 name the program's version.
#include "UiTestSupport.h"

#include "ui/dialogs/ResultWindow.h"
#include "ui/dialogs/TextWindows.h"
#include "ui/dialogs/VerificationWindow.h"
#include "verify/Verification.h"

#include <QAction>
#include <QLabel>
#include <QTableWidget>
#include <QtTest>

using namespace spanwise;
using namespace spanwise::testing_support;

class HelpMenuTest : public QObject, public MainWindowHarness {
    Q_OBJECT

    VerificationWindow* openVerification() {
        window->findChild<QAction*>(QStringLiteral("verificationAction"))->trigger();
        auto* verification = window->findChild<VerificationWindow*>();
        if (verification == nullptr || !verification->isVisible()) {
            QTest::qFail("the verification window did not show", __FILE__, __LINE__);
        }
        return verification;
    }
    // The first row of the problem whose title starts with the given text.
    static int rowOf(QTableWidget* table, const QString& title) {
        for (int r = 0; r < table->rowCount(); ++r) {
            if (table->item(r, 0)->text().section(QLatin1Char(' '), 1).startsWith(title)) {
                return r;
            }
        }
        return -1;
    }
    static void clickCell(QTableWidget* table, int row, int column) {
        const QRect cell = table->visualItemRect(table->item(row, column));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    }

private slots:
    void init() { open(); }
    void cleanup() { QVERIFY(close()); }

    void declarationAndIntroductionNameTheProjectVersion() {
        for (const char* name : {"declarationAction", "introductionAction"}) {
            window->findChild<QAction*>(QString::fromLatin1(name))->trigger();
            auto* introduction = window->findChild<IntroductionWindow*>();
            QVERIFY(introduction != nullptr && introduction->isVisible());
            QVERIFY(introduction->paragraphs().contains(
                QStringLiteral("Spanwise %1 版").arg(QStringLiteral(SPANWISE_PROJECT_VERSION))));
            introduction->close();
        }
    }

    void everyShippedValueIsListedAndAgrees() {
        VerificationWindow* verification = openVerification();
        const ProblemsRead read = readProblems(shippedProblemsText());
        const VerificationOutcome outcome = runVerification(read.problems);
        auto* table = find<QTableWidget>(verification, "verificationTable");
        QCOMPARE(table->rowCount(), static_cast<int>(outcome.rows.size()));
        QCOMPARE(table->columnCount(), 6);
        QCOMPARE(table->horizontalHeaderItem(5)->text(), QStringLiteral("结论"));
        for (int r = 0; r < table->rowCount(); ++r) {
            QCOMPARE(table->item(r, 5)->text(), QStringLiteral("✔"));
        }
        const int n = static_cast<int>(read.problems.size());
        QCOMPARE(find<QLabel>(verification, "verificationSummary")->text(),
                 QStringLiteral("验证算例 %1/%1 通过").arg(n));
        const int first = rowOf(table, QStringLiteral("二跨等跨梁，各跨满布均布荷载"));
        QCOMPARE(table->item(first, 1)->text(), QStringLiteral("支座B弯矩"));
        QCOMPARE(table->item(first, 2)->text(), QStringLiteral("-1/8 qL² = -45"));
        QCOMPARE(table->item(first, 3)->text(), QStringLiteral("-45"));
    }

    void aProblemOpensAsAProjectAfterTheQuestion() {
        enterSpanCount(3); // work the user has not saved
        VerificationWindow* verification = openVerification();
        auto* table = find<QTableWidget>(verification, "verificationTable");
        auto* openButton = find<QPushButton>(verification, "openProblemButton");
        QVERIFY(!openButton->isEnabled());
        const int row = rowOf(table, QStringLiteral("外伸梁"));
        QVERIFY(row >= 0);
        clickCell(table, row, 1);
        QVERIFY(openButton->isEnabled());
        QVERIFY(find<QLabel>(verification, "problemSource")
                    ->text()
                    .startsWith(QStringLiteral("出处：")));

        // Cancel keeps the work
        prompter->expectQuestion(QStringLiteral("当前文件尚未保存,要保存吗?"), Prompter::Cancel);
        click(openButton);
        QCOMPARE(project().beam.spanCount(), 3);
        QCOMPARE(project().beam.leftSupport, Simple);

        prompter->expectQuestion(QStringLiteral("当前文件尚未保存,要保存吗?"), Prompter::No);
        click(openButton);
        QCOMPARE(project().beam.spanCount(), 3);
        QCOMPARE(project().beam.leftSupport, Cantilever);
        QCOMPARE(project().beam.span(1).length, 2.0f);
        QCOMPARE(w("spanCountField")->text(), QStringLiteral("3"));
        QVERIFY(!window->editor().isSaved());

        // the project calculates to the values the table shows
        click(b("checkButton"));
        click(b("calculateButton"));
        auto* results = find<QTableWidget>(window->resultWindow(), "resultTable");
        QCOMPARE(results->item(0, 7)->text(), QStringLiteral("-40")); // -P c at the root
        QCOMPARE(results->item(1, 7)->text(), QStringLiteral("-35"));

        // a project the program supplied is offered for saving like any new one
        prompter->expectQuestion(QStringLiteral("当前文件尚未保存,要保存吗?"), Prompter::No);
        clickCell(table, rowOf(table, QStringLiteral("二跨等跨梁，各跨满布均布荷载")), 0);
        click(openButton);
        QCOMPARE(project().beam.spanCount(), 2);
    }
};

QTEST_MAIN(HelpMenuTest)
#include "help_menu_test.moc"
