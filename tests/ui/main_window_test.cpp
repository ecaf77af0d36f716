// The main window as an editor: span count, navigation and the value fields.
#include "UiTestSupport.h"

#include "ui/main/MainWindow.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

using namespace spanwise;
using namespace spanwise::testing_support;

class MainWindowTest : public QObject, public MainWindowHarness {
    Q_OBJECT

private:
    void setSpans(int n) { retype(w("number"), QString::number(n)); }

private slots:
    void init() { open(); }

    void cleanup() { QVERIFY2(close(), "a scripted answer was not used"); }

    void aNewWindowShowsOneEmptySpan() {
        QCOMPARE(window->windowTitle(), QStringLiteral("Spanwise ( 新工程 )"));
        QCOMPARE(w("number")->text(), QStringLiteral("1"));
        QCOMPARE(w("Currentnumber")->text(), QStringLiteral("1"));
        QCOMPARE(w("length")->text(), QStringLiteral("0"));
        QCOMPARE(w("EI")->text(), QStringLiteral("1"));
        QCOMPARE(w("I")->text(), QStringLiteral("1"));
        for (const char* off :
             {"REDUCE", "front", "back", "Command3", "Command4", "remove", "clear", "Command6"}) {
            QVERIFY2(!b(off)->isEnabled(), off);
        }
        QVERIFY(!w<QComboBox>("LL")->isEnabled());
        QVERIFY(!w<QComboBox>("RR")->isEnabled());
        for (const char* on : {"PLUS", "Command5", "add", "check"}) {
            QVERIFY2(b(on)->isEnabled(), on);
        }
        QVERIFY(b("done")->isHidden());
        for (const char* field : {"P", "q", "a", "b", "c"}) {
            QVERIFY2(w(field)->isHidden() && !w(field)->isEnabled(), field);
        }
        QCOMPARE(model().SpanCount, 1);
        QVERIFY(!model().ProjectSaved);
    }

    void theSpanCountRefusesWhatIsNoCountOfOneToTwenty() {
        QLineEdit* number = w("number");
        retype(number, QStringLiteral("25"));
        QCOMPARE(number->text(), QStringLiteral("2")); // "2" was accepted, then "25" refused
        QCOMPARE(model().SpanCount, 2);
        retype(number, QStringLiteral("2.5"));
        QCOMPARE(number->text(), QStringLiteral("2"));
        QCOMPARE(model().SpanCount, 2);
        erase(number);
        QCOMPARE(number->text(), QStringLiteral("2"));
        QTest::keyClicks(number, QStringLiteral("0"));
        QCOMPARE(number->text(), QStringLiteral("20"));
        QCOMPARE(model().SpanCount, 20);
        QVERIFY(!b("PLUS")->isEnabled());
        QVERIFY(!b("Command5")->isEnabled());
        QVERIFY(b("REDUCE")->isEnabled());
        QVERIFY(b("back")->isEnabled());
        QVERIFY(w<QComboBox>("LL")->isEnabled());
        // a count beyond the double range, pasted at once
        number->selectAll();
        number->insert(QString(400, QLatin1Char('9')));
        QCOMPARE(number->text(), QStringLiteral("20"));
    }

    void plusAndMinusStepTheCountAndTheButtonsFollow() {
        click(b("PLUS"));
        click(b("PLUS"));
        QCOMPARE(model().SpanCount, 3);
        QCOMPARE(w("number")->text(), QStringLiteral("3"));
        QVERIFY(b("REDUCE")->isEnabled());
        QVERIFY(b("Command4")->isEnabled());
        click(b("REDUCE"));
        click(b("REDUCE"));
        QCOMPARE(model().SpanCount, 1);
        QVERIFY(!b("REDUCE")->isEnabled());
        QVERIFY(!b("Command4")->isEnabled());
        QVERIFY(!w<QComboBox>("LL")->isEnabled());
    }

    void loweringTheCountKeepsTheSpansAboveIt() {
        setSpans(5);
        for (int s = 1; s <= 5; ++s) {
            if (s > 1) {
                click(b("back"));
            }
            QCOMPARE(model().CurrentSpan, s);
            retype(w("length"), QString::number(s + 1));
        }
        QVERIFY(!b("back")->isEnabled());
        setSpans(3);
        QCOMPARE(model().CurrentSpan, 3);
        QCOMPARE(w("Currentnumber")->text(), QStringLiteral("3"));
        QCOMPARE(w("length")->text(), QStringLiteral("4"));
        QVERIFY(!b("back")->isEnabled());
        setSpans(5);
        retype(w("Currentnumber"), QStringLiteral("5"));
        QCOMPARE(w("length")->text(), QStringLiteral("6"));
        QCOMPARE(model().SpanLength[4], 5.0f);
        // a span number beyond the count is set back
        retype(w("Currentnumber"), QStringLiteral("7"));
        QCOMPARE(w("Currentnumber")->text(), QStringLiteral("5"));
        QCOMPARE(model().CurrentSpan, 5);
        click(b("front"));
        QCOMPARE(model().CurrentSpan, 4);
        QVERIFY(b("Command3")->isEnabled());
    }

    void movingToASpanWithOtherValuesCountsAsAnEdit() {
        setSpans(2);
        retype(w("length"), QStringLiteral("6"));
        click(b("back"));
        QVERIFY(!model().ProjectSaved);
        QVERIFY(b("check")->isEnabled());
        QVERIFY(!b("Command6")->isEnabled());
        QCOMPARE(w("length")->text(), QStringLiteral("0"));
    }

    void aLoadValueIsStoredKeystrokeByKeystroke() {
        click(b("add")); // a concentrated force, selected
        QLineEdit* P = w("P");
        QVERIFY(P->isVisible());
        P->setFocus();
        P->selectAll();
        const QString keys = QStringLiteral("12.5");
        const float expected[] = {1, 12, 12, 12.5f};
        for (int i = 0; i < keys.size(); ++i) {
            QTest::keyClick(P, keys[i].toLatin1());
            QCOMPARE(model().LoadP[1][1], expected[i]);
        }
        QTest::keyClick(P, '.');
        QCOMPARE(P->text(), QStringLiteral("12.5"));
        QCOMPARE(model().LoadP[1][1], 12.5f);
    }

    void signsLettersAndBlanksAreUndoneInEveryValueField() {
        click(b("add"));
        retype(w("length"), QStringLiteral("6"));
        for (const char* name : {"P", "a", "b", "length", "EI", "I"}) {
            QLineEdit* field = w(name);
            retype(field, QStringLiteral("3"));
            for (const char* key : {"-", "x", " "}) {
                QTest::keyClicks(field, QString::fromLatin1(key));
                QCOMPARE(field->text(), QStringLiteral("3"));
            }
        }
        QCOMPARE(model().SpanEI[1], 3.0f);
        QCOMPARE(model().SpanLineStiffness[1], 3.0f);
        QCOMPARE(model().LoadP[1][1], 3.0f);
        QCOMPARE(model().SpanLength[1], 3.0f);
    }

    void anEmptiedFieldShowsItsValueOfNothing() {
        retype(w("EI"), QStringLiteral("25"));
        erase(w("EI"));
        QCOMPARE(w("EI")->text(), QStringLiteral("1"));
        QCOMPARE(model().SpanEI[1], 1.0f);
        retype(w("length"), QStringLiteral("25"));
        erase(w("length"));
        QCOMPARE(w("length")->text(), QStringLiteral("0"));
        QCOMPARE(model().SpanLength[1], 0.0f);
        w<QListWidget>("List1")->setCurrentRow(1);
        click(b("add")); // uniform load
        retype(w("q"), QStringLiteral("10"));
        erase(w("q"));
        QCOMPARE(w("q")->text(), QStringLiteral("0"));
        QCOMPARE(model().LoadQ[1][1], 0.0f);
    }

    void leavingAFieldCanonicalisesItsText() {
        click(b("add"));
        retype(w("a"), QStringLiteral("."));
        QCOMPARE(w("a")->text(), QStringLiteral("."));
        leave(w("a"));
        QCOMPARE(w("a")->text(), QStringLiteral("0"));
        QCOMPARE(model().LoadA[1][1], 0.0f);
        retype(w("a"), QStringLiteral("5."));
        leave(w("a"));
        QCOMPARE(w("a")->text(), QStringLiteral("5"));
        retype(w("EI"), QStringLiteral("."));
        leave(w("EI"));
        QCOMPARE(w("EI")->text(), QStringLiteral("1"));
        retype(w("length"), QStringLiteral("."));
        leave(w("length"));
        QCOMPARE(w("length")->text(), QStringLiteral("0"));
        retype(w("length"), QStringLiteral(".50"));
        leave(w("length"));
        QCOMPARE(w("length")->text(), QStringLiteral("0.5"));
    }

    void aAndBOfAForceAddUpToTheSpan() {
        retype(w("length"), QStringLiteral("6"));
        click(b("add"));
        retype(w("a"), QStringLiteral("2"));
        QCOMPARE(w("b")->text(), QStringLiteral("4"));
        QCOMPARE(model().LoadB[1][1], 4.0f);
        retype(w("b"), QStringLiteral("1.5"));
        QCOMPARE(w("a")->text(), QStringLiteral("4.5"));
        retype(w("a"), QStringLiteral("6"));
        QCOMPARE(w("b")->text(), QStringLiteral("1.5")); // a = L: b stays
        retype(w("a"), QStringLiteral("7"));
        QCOMPARE(w("b")->text(), QStringLiteral("1.5"));
        retype(w("a"), QStringLiteral("0"));
        QCOMPARE(w("b")->text(), QStringLiteral("1.5"));
        // a trapezoid's b never follows
        w<QListWidget>("List1")->setCurrentRow(2);
        click(b("add"));
        retype(w("a"), QStringLiteral("2"));
        QCOMPARE(model().LoadB[1][2], 0.0f);
    }

    void theComplementSettlesForEveryKindOfText() {
        retype(w("length"), QStringLiteral("100000000"));
        leave(w("length"));
        QCOMPARE(w("length")->text(), QStringLiteral("1E+08"));
        click(b("add"));
        retype(w("a"), QStringLiteral("3"));
        QCOMPARE(model().LoadA[1][1], 3.0f);
        QCOMPARE(w("b")->text(), QStringLiteral("1E+08"));
        retype(w("length"), QStringLiteral("6.3"));
        retype(w("a"), QStringLiteral("2.1"));
        QCOMPARE(w("b")->text(), QStringLiteral("4.2"));
        QCOMPARE(model().LoadB[1][1], 4.2f);
    }

    void theLineStiffnessButtonDividesEIByL() {
        retype(w("length"), QStringLiteral("5"));
        retype(w("EI"), QStringLiteral("20000"));
        click(b("Command1"));
        QCOMPARE(w("I")->text(), QStringLiteral("4000"));
        QCOMPARE(model().SpanLineStiffness[1], 4000.0f);
        erase(w("length"));
        retype(w("I"), QStringLiteral("7"));
        click(b("Command1"));
        QCOMPARE(w("I")->text(), QStringLiteral("1"));
        QCOMPARE(model().SpanLineStiffness[1], 1.0f);
    }

    void anExponentFormValueRefusesSingleKeystrokes() {
        retype(w("EI"), QStringLiteral("30000000"));
        QCOMPARE(model().SpanEI[1], 3e7f);
        leave(w("EI"));
        QCOMPARE(w("EI")->text(), QStringLiteral("3E+07"));
        QLineEdit* EI = w("EI");
        EI->end(false);
        QTest::keyClick(EI, '5');
        QCOMPARE(EI->text(), QStringLiteral("3E+07"));
        QTest::keyClick(EI, Qt::Key_Backspace);
        QCOMPARE(EI->text(), QStringLiteral("3E+07"));
        QCOMPARE(model().SpanEI[1], 3e7f);
        retype(EI, QStringLiteral("12"));
        QCOMPARE(model().SpanEI[1], 12.0f);
    }

    void valuesBeyondTheFloatRangeAreRefused() {
        retype(w("length"), QStringLiteral("7"));
        QLineEdit* length = w("length");
        length->selectAll();
        length->insert(QString(39, QLatin1Char('9')));
        QCOMPARE(length->text(), QStringLiteral("7"));
        QCOMPARE(model().SpanLength[1], 7.0f);
        click(b("add"));
        QLineEdit* P = w("P");
        P->selectAll();
        P->insert(QString(39, QLatin1Char('9')));
        QCOMPARE(P->text(), QStringLiteral("0"));
        // a very long paste of digits still ends
        P->selectAll();
        P->insert(QStringLiteral("1.") + QString(20000, QLatin1Char('5')));
        QCOMPARE(model().LoadP[1][1], 1.5555556f);
    }

    void everyFieldAndListIsNamedByItsLabel() {
        struct Named {
            const char* control;
            const char* name;
        };
        const Named names[] = {{"number", "总跨数"},
                               {"Currentnumber", "当前跨号"},
                               {"length", "跨度 L"},
                               {"P", "P="},
                               {"q", "q="},
                               {"a", "a="},
                               {"b", "b="},
                               {"c", "c="},
                               {"EI", "EI="},
                               {"I", "线刚度i="},
                               {"List1", "可选荷载形式"},
                               {"List2", "实际荷载形式"},
                               {"PLUS", "增"},
                               {"check", "数据检查"}};
        for (const auto& n : names) {
            QWidget* control = w<QWidget>(n.control);
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(control);
            QVERIFY(iface != nullptr);
            QCOMPARE(iface->text(QAccessible::Name), QString::fromUtf8(n.name));
        }
        QCOMPARE(w<QLabel>("Label6")->buddy(), w<QWidget>("length"));
        // on Linux a drop-down list's name is its value; its label comes as a relation
        for (const Named& n : {Named{"LL", "左支座"}, Named{"RR", "右支座"}}) {
            QAccessibleInterface* iface =
                QAccessible::queryAccessibleInterface(w<QWidget>(n.control));
            QStringList labels;
            for (const auto& [other, relation] : iface->relations(QAccessible::Label)) {
                labels << other->text(QAccessible::Name);
            }
            QVERIFY2(labels.contains(QString::fromUtf8(n.name)),
                     qPrintable(QString::fromLatin1(n.control) + QStringLiteral(": ") +
                                labels.join(QLatin1Char(','))));
        }
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
