// Inserting, deleting and copying spans in the main window.
#include "UiTestSupport.h"

#include "ui/main/MainWindow.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

using namespace spanwise;
using namespace spanwise::testing_support;

class SpanOperationsTest : public QObject, public MainWindowHarness {
    Q_OBJECT

private:
    // spans of the given lengths; span 1 carries a uniform load of 10 and a force of 20
    void threeSpans() {
        retype(w("number"), QStringLiteral("3"));
        const char* lengths[] = {"4", "5", "6"};
        for (int s = 1; s <= 3; ++s) {
            goTo(s);
            retype(w("length"), QString::fromLatin1(lengths[s - 1]));
        }
        goTo(1);
        addLoad(1);
        retype(w("q"), QStringLiteral("10"));
        addLoad(0);
        retype(w("P"), QStringLiteral("20"));
    }

    QList<float> lengths() const {
        QList<float> l;
        for (int s = 1; s <= model().SpanCount; ++s) {
            l << model().SpanLength[s];
        }
        return l;
    }

private slots:
    void init() { open(); }

    void cleanup() { QVERIFY2(close(), "a scripted answer was not used"); }

    void insertingAtSpanOnePutsAnUnloadedCopyBeforeIt() {
        threeSpans();
        prompter->expect(Prompter::Ok);
        click(b("Command5"));
        QCOMPARE(prompter->asked.back().text, QStringLiteral("真的要插入一跨吗?"));
        QCOMPARE(prompter->asked.back().defaultButton, Prompter::Cancel);
        QCOMPARE(lengths(), QList<float>({4, 4, 5, 6}));
        QCOMPARE(model().LoadCount[1], 0);
        QCOMPARE(model().LoadCount[2], 2);
        QCOMPARE(model().LoadQ[2][1], 10.0f);
        QCOMPARE(model().CurrentSpan, 1);
        QCOMPARE(w("number")->text(), QStringLiteral("4"));
        QCOMPARE(list("List2")->count(), 0);
        QVERIFY(!b("Command6")->isEnabled());
    }

    void deletingTheMiddleSpanPullsTheNextOneDown() {
        threeSpans();
        goTo(2);
        prompter->expect(Prompter::Ok);
        click(b("Command4"));
        QCOMPARE(prompter->asked.back().text, QStringLiteral("本跨将被删除,继续否?"));
        QCOMPARE(lengths(), QList<float>({4, 6}));
        QCOMPARE(model().CurrentSpan, 2);
        QCOMPARE(w("length")->text(), QStringLiteral("6"));
        // the vacated span is back at its reset values
        retype(w("number"), QStringLiteral("3"));
        goTo(3);
        QCOMPARE(w("length")->text(), QStringLiteral("0"));
        QCOMPARE(w("EI")->text(), QStringLiteral("1"));
        QCOMPARE(w("I")->text(), QStringLiteral("1"));
        QCOMPARE(model().LoadCount[3], 0);
    }

    void deletingAnEndSpanMakesThatEndSimple() {
        threeSpans();
        prompter->expect(Prompter::Yes); // span 1 has loads: keep asking about them
        w<QComboBox>("LL")->setCurrentIndex(1);
        w<QComboBox>("RR")->setCurrentIndex(2);
        goTo(1);
        prompter->expect(Prompter::Ok);
        click(b("Command4"));
        QCOMPARE(model().LeftSupport, Simple);
        QCOMPARE(w<QComboBox>("LL")->currentIndex(), 0);
        QCOMPARE(model().RightSupport, Fixed);
        QCOMPARE(lengths(), QList<float>({5, 6}));
        goTo(2);
        prompter->expect(Prompter::Ok);
        click(b("Command4"));
        QCOMPARE(model().RightSupport, Simple);
        QCOMPARE(w<QComboBox>("RR")->currentIndex(), 0);
        QCOMPARE(model().SpanCount, 1);
        QCOMPARE(model().CurrentSpan, 1);
    }

    void sameAsPreviousCopiesLengthStiffnessAndLoads() {
        threeSpans();
        goTo(2);
        for (int i = 0; i < 10; ++i) {
            addLoad(1);
        }
        QVERIFY(!b("add")->isEnabled());
        prompter->expect(Prompter::Ok);
        click(b("Command3"));
        QCOMPARE(prompter->asked.back().text,
                 QStringLiteral("本跨的跨度、荷载及刚度将会与前一跨相同，继续吗？"));
        QCOMPARE(model().SpanLength[2], 4.0f);
        QCOMPARE(model().LoadCount[2], 2);
        QCOMPARE(model().SelectedLoad[2], 2);
        QCOMPARE(model().LoadP[2][2], 20.0f);
        QVERIFY(b("add")->isEnabled());
        QCOMPARE(itemTexts(list("List2")),
                 QStringList({QStringLiteral("均布荷载"), QStringLiteral("集中力")}));
        QCOMPARE(list("List2")->currentRow(), 1);
        QCOMPARE(w("P")->text(), QStringLiteral("20"));
        QCOMPARE(w("length")->text(), QStringLiteral("4"));
        // copying a span of ten loads disables add
        goTo(3);
        prompter->expect(Prompter::Ok);
        click(b("Command3"));
        QCOMPARE(model().LoadCount[3], 2);
        goTo(2);
        for (int i = 0; i < 8; ++i) {
            addLoad(2);
        }
        goTo(3);
        prompter->expect(Prompter::Ok);
        click(b("Command3"));
        QCOMPARE(model().LoadCount[3], 10);
        QVERIFY(!b("add")->isEnabled());
    }

    void cancelLeavesModelSavedFlagAndButtonsAlone() {
        threeSpans();
        goTo(2);
        const BeamModel before = model();
        const bool checkEnabled = b("check")->isEnabled();
        for (const char* command : {"Command3", "Command4", "Command5"}) {
            prompter->expect(Prompter::Cancel);
            click(b(command));
            QVERIFY2(model() == before, command);
            QCOMPARE(b("check")->isEnabled(), checkEnabled);
        }
        QCOMPARE(prompter->asked.size(), std::size_t{3});
    }
};

QTEST_MAIN(SpanOperationsTest)
#include "span_operations_test.moc"
