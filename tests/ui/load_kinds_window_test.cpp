// The partial, linear and concentrated-moment loads as a user enters them: each kind added from
// the list, its fields captioned for it and typed key by key, the list's text and the sketch,
// the check and the calculation with the moment's two sides in the query; and the two-way slab
// helper of the 荷载 menu.
#include "UiTestSupport.h"

#include "ui/dialogs/ResultWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QRadioButton>
#include <QTableWidget>
#include <QtTest>

using namespace spanwise;
using namespace spanwise::testing_support;

class LoadKindsWindowTest : public QObject, public MainWindowHarness {
    Q_OBJECT

    QString caption(const char* row) { return find<QLabel>(window.get(), row)->text(); }
    int picture() {
        return find<QLabel>(window.get(), "selectedLoadSketch")->property("picture").toInt();
    }

private slots:
    void init() { open(); }
    void cleanup() { QVERIFY2(close(), "something expected did not happen"); }

    void everyLaterKindIsEnteredCheckedAndCalculated() {
        retype(w("spanLengthField"), QStringLiteral("6"));
        retype(w("rigidityField"), QStringLiteral("20000"));
        auto* kinds = list("loadKindList");
        QCOMPARE(kinds->count(), 6);
        QCOMPARE(kinds->item(3)->text(), QStringLiteral("局部均布荷载"));
        QCOMPARE(kinds->item(4)->text(), QStringLiteral("线性分布荷载"));
        QCOMPARE(kinds->item(5)->text(), QStringLiteral("集中力偶"));

        // partial: q, a, c and b; a + c + b = L as a and c are typed
        addLoad(3);
        QVERIFY(w("intensityField")->isVisible() && w("distanceCField")->isVisible());
        QVERIFY(w("forceField")->isHidden());
        QCOMPARE(picture(), 118);
        retype(w("intensityField"), QStringLiteral("10"));
        retype(w("distanceAField"), QStringLiteral("1"));
        retype(w("distanceCField"), QStringLiteral("3"));
        QCOMPARE(w("distanceBField")->text(), QStringLiteral("2"));
        QCOMPARE(list("spanLoadList")->item(0)->text(),
                 QStringLiteral("局部均布荷载 q=10 a=1 c=3"));

        // linear: q1 and q2, the second in the field a force uses, captioned for it
        addLoad(4);
        QCOMPARE(caption("intensityLabel"), QStringLiteral("q1="));
        QCOMPARE(caption("forceLabel"), QStringLiteral("q2="));
        QCOMPARE(caption("forceUnit"), QStringLiteral("kN/m"));
        QCOMPARE(picture(), 121);
        retype(w("forceField"), QStringLiteral("12"));
        retype(w("distanceCField"), QStringLiteral("6"));
        QCOMPARE(project().beam.span(1).load(2).P, 12.0f);
        QCOMPARE(list("spanLoadList")->item(1)->text(),
                 QStringLiteral("线性分布荷载 q1=0 q2=12 a=0 c=6"));

        // a concentrated moment: M, clockwise positive as its caption says; a with b
        addLoad(5);
        QCOMPARE(caption("forceLabel"), QStringLiteral("M="));
        QVERIFY(caption("forceUnit").contains(QStringLiteral("顺时针为正")));
        QVERIFY(w("distanceCField")->isHidden() && w("intensityField")->isHidden());
        QCOMPARE(picture(), 124);
        retype(w("forceField"), QStringLiteral("-60"));
        retype(w("distanceAField"), QStringLiteral("4"));
        QCOMPARE(w("distanceBField")->text(), QStringLiteral("2"));
        QCOMPARE(list("spanLoadList")->item(2)->text(), QStringLiteral("集中力偶 M=-60 a=4"));

        click(b("checkButton"));
        QVERIFY(b("calculateButton")->isEnabled());
        click(b("calculateButton"));
        ResultWindow* results = window->resultWindow();
        QVERIFY(results != nullptr);
        // the query on the moment gives M on both sides: its jump is the moment, 60 anticlockwise
        auto* distance = find<QLineEdit>(results, "queryDistanceField");
        retype(distance, QStringLiteral("4"));
        QCOMPARE(find<QLabel>(results, "momentCaption")->text(), QStringLiteral("弯距M左="));
        const double left = find<QLineEdit>(results, "queryMomentField")->text().toDouble();
        const double right = find<QLineEdit>(results, "queryMomentRightField")->text().toDouble();
        QVERIFY(std::fabs((right - left) + 60) < 0.002);
        retype(distance, QStringLiteral("3"));
        QVERIFY(find<QLineEdit>(results, "queryMomentRightField")->isHidden());
        QCOMPARE(find<QLabel>(results, "momentCaption")->text(), QStringLiteral("弯距M="));
    }

    // Panels of 3 x 4.5 m on both sides of a 4.5 m beam along their long sides, p = 5 kN/m2:
    // a trapezoid of 2 x 5 x 3 / 2 = 15 kN/m with ramps of 1.5 m, live as chosen.
    void theSlabHelperAddsTheLoadOfItsPanels() {
        retype(w("spanLengthField"), QStringLiteral("4.5"));
        action("slabLoadAction")->trigger();
        auto* dialog = find<QDialog>(window.get(), "slabLoadDialog");
        retype(find<QLineEdit>(dialog, "slabPressureField"), QStringLiteral("5"));
        retype(find<QLineEdit>(dialog, "slabShortSideField"), QStringLiteral("3"));
        retype(find<QLineEdit>(dialog, "slabLongSideField"), QStringLiteral("4.5"));
        // the span is as long as the panels' long side: the beam lies along it
        QVERIFY(find<QRadioButton>(dialog, "alongLongSideButton")->isChecked());
        auto* bothSides = find<QCheckBox>(dialog, "bothSidesBox");
        bothSides->setFocus();
        QTest::keyClick(bothSides, Qt::Key_Space);
        auto* cases = find<QComboBox>(dialog, "slabCaseList");
        cases->setFocus();
        QTest::keyClick(cases, Qt::Key_Down);
        click(find<QDialogButtonBox>(dialog, "slabButtons")->button(QDialogButtonBox::Ok));
        QTRY_VERIFY(window->findChild<QDialog*>(QStringLiteral("slabLoadDialog")) == nullptr);
        QCOMPARE(list("spanLoadList")->item(0)->text(), QStringLiteral("活 梯形荷载 q=15 a=1.5"));
        QCOMPARE(action("undoAction")->text(), QStringLiteral("撤销 双向板传来荷载"));

        // panels whose short side passes the span's length cannot load it: nothing is added
        action("slabLoadAction")->trigger();
        dialog = find<QDialog>(window.get(), "slabLoadDialog");
        retype(find<QLineEdit>(dialog, "slabPressureField"), QStringLiteral("5"));
        retype(find<QLineEdit>(dialog, "slabShortSideField"), QStringLiteral("6"));
        retype(find<QLineEdit>(dialog, "slabLongSideField"), QStringLiteral("8"));
        click(find<QRadioButton>(dialog, "alongLongSideButton"));
        prompter->expectMessage(QStringLiteral("斜坡长 lx/2 超过本跨跨度的一半"));
        click(find<QDialogButtonBox>(dialog, "slabButtons")->button(QDialogButtonBox::Ok));
        QTRY_VERIFY(window->findChild<QDialog*>(QStringLiteral("slabLoadDialog")) == nullptr);
        QCOMPARE(project().beam.span(1).loadCount(), 1);
    }
};

QTEST_MAIN(LoadKindsWindowTest)
#include "load_kinds_window_test.moc"
