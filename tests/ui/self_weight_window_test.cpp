// The beam's own weight as a user sets it: 荷载 → 梁自重…, a unit weight out of range refused
// with the rule's words and the visit kept, then the derived line in the load list (never
// selected), one undo step, and the results with it: two 6 m spans under 35 kN/m (20 dead, 15
// live, all on) of 250 × 500 carry 25 × 0.25 × 0.5 = 3.125 kN/m more, so the middle support's
// moment becomes −(35 + 3.125) × 6² / 8 = −171.5625 kN·m (−157.5 without it).
#include "UiTestSupport.h"

#include "ui/dialogs/ResultWindow.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QTableWidget>
#include <QtTest>

using namespace spanwise;
using namespace spanwise::testing_support;

class SelfWeightWindowTest : public QObject, public MainWindowHarness {
    Q_OBJECT

private slots:
    void init() { open(); }
    void cleanup() { QVERIFY2(close(), "something expected did not happen"); }

    void theOwnWeightIsSetListedAndCalculated() {
        QVERIFY(window->openProjectFile(
            QStringLiteral(SPANWISE_TEST_DATA_DIR "/redistributed_two_spans.BMD")));
        QListWidget* loads = list("spanLoadList");
        const int typed = loads->count();
        action("selfWeightAction")->trigger();
        auto* dialog = find<QDialog>(window.get(), "selfWeightDialog");
        auto* counted = find<QCheckBox>(dialog, "selfWeightCountedBox");
        QVERIFY(!counted->isChecked()); // a file without the setting
        counted->setFocus();
        QTest::keyClick(counted, Qt::Key_Space);
        QVERIFY(counted->isChecked());
        auto* gamma = find<QLineEdit>(dialog, "unitWeightField");
        QCOMPARE(gamma->text(), QStringLiteral("25"));
        retype(gamma, QStringLiteral("250"));
        auto* ok =
            find<QDialogButtonBox>(dialog, "selfWeightButtons")->button(QDialogButtonBox::Ok);
        click(ok);
        QVERIFY(dialog->isVisible());
        QCOMPARE(find<QLabel>(dialog, "dialogStatus")->text(),
                 QStringLiteral("梁自重的重度 γ 应在 1～100 kN/m³ 之间（0 为不计梁自重）"));
        QCOMPARE(dialog->focusWidget(), gamma);
        retype(gamma, QStringLiteral("25"));
        click(ok);
        QTRY_VERIFY(window->findChild<QDialog*>(QStringLiteral("selfWeightDialog")) == nullptr);
        QCOMPARE(project().beam.selfWeight, 25.0f);
        QCOMPARE(action("undoAction")->text(), QStringLiteral("撤销 梁自重"));

        // listed after the typed loads, greyed, not to be selected or edited
        QCOMPARE(loads->count(), typed + 1);
        QListWidgetItem* derived = loads->item(typed);
        QCOMPARE(derived->text(), QStringLiteral("梁自重 q=3.125（250×500）"));
        QVERIFY(!(derived->flags() & Qt::ItemIsSelectable));
        QCOMPARE(project().beam.span(1).loadCount(), typed); // not one of the typed loads

        click(b("checkButton"));
        click(b("calculateButton"));
        ResultWindow* results = window->resultWindow();
        QVERIFY(results != nullptr);
        auto* table = find<QTableWidget>(results, "resultTable");
        // three decimals half up (towards +∞): −171.5625 shows as −171.562
        QCOMPARE(table->item(0, 7)->text(), QStringLiteral("-171.562"));

        // undone: the line goes, the results are stale
        action("undoAction")->trigger();
        QCOMPARE(loads->count(), typed);
        QVERIFY(find<QWidget>(results, "staleNotice")->isVisible());
    }
};

QTEST_MAIN(SelfWeightWindowTest)
#include "self_weight_window_test.moc"
