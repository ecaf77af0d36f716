// The load lists, the end supports and the load sketches of the main window.
#include "UiTestSupport.h"

#include "ui/main/MainWindow.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

using namespace spanwise;
using namespace spanwise::testing_support;

class LoadListTest : public QObject, public MainWindowHarness {
    Q_OBJECT

private:
    int picture(const char* image) { return w<QLabel>(image)->property("picture").toInt(); }

private slots:
    void init() { open(); }

    void cleanup() { QVERIFY2(close(), "a scripted answer was not used"); }

    void addingLoadsListsTheirKindsAndSelectsTheNewOne() {
        addLoad(0);
        addLoad(1);
        addLoad(0);
        QCOMPARE(itemTexts(list("List2")),
                 QStringList({QStringLiteral("集中力"), QStringLiteral("均布荷载"),
                              QStringLiteral("集中力")}));
        QCOMPARE(model().LoadCount[1], 3);
        QCOMPARE(model().SelectedLoad[1], 3);
        QCOMPARE(model().LoadKindOf[1][2], Uniform);
        QCOMPARE(model().LoadText[1][2], std::string("均布荷载"));
        QCOMPARE(list("List2")->currentRow(), 2);
        for (const char* shown : {"P", "a", "b"}) {
            QVERIFY2(w(shown)->isVisible(), shown);
            QCOMPARE(w(shown)->text(), QStringLiteral("0"));
        }
        QVERIFY(w("q")->isHidden());
        QVERIFY(b("remove")->isEnabled());
        QVERIFY(b("clear")->isEnabled());
    }

    void selectingALoadShowsExactlyTheFieldsOfItsKind() {
        addLoad(2);
        QVERIFY(w("q")->isVisible() && w("a")->isVisible());
        QVERIFY(w("P")->isHidden() && w("b")->isHidden() && w("c")->isHidden());
        addLoad(1);
        QVERIFY(w("q")->isVisible());
        QVERIFY(w("a")->isHidden() && w("P")->isHidden());
        retype(w("q"), QStringLiteral("7.5"));
        clickRow(list("List2"), 0);
        QCOMPARE(model().SelectedLoad[1], 1);
        QCOMPARE(w("q")->text(), QStringLiteral("0"));
        clickRow(list("List2"), 1);
        QCOMPARE(w("q")->text(), QStringLiteral("7.5"));
    }

    void theTenthLoadDisablesAddAndADeletionEnablesItAgain() {
        for (int i = 0; i < 10; ++i) {
            addLoad(i % 3);
        }
        QCOMPARE(model().LoadCount[1], 10);
        QVERIFY(!b("add")->isEnabled());
        doubleClickRow(list("List1"), 1); // only disables add
        QCOMPARE(model().LoadCount[1], 10);
        clickRow(list("List2"), 4);
        click(b("remove"));
        QCOMPARE(model().LoadCount[1], 9);
        QVERIFY(b("add")->isEnabled());
    }

    void deletingTheMiddleOfThreeLoadsClosesTheGap() {
        addLoad(0);
        retype(w("P"), QStringLiteral("1"));
        addLoad(1);
        retype(w("q"), QStringLiteral("2"));
        addLoad(2);
        retype(w("q"), QStringLiteral("3"));
        retype(w("a"), QStringLiteral("0.5"));
        clickRow(list("List2"), 1);
        click(b("remove"));
        QCOMPARE(model().LoadCount[1], 2);
        QCOMPARE(model().SelectedLoad[1], 0);
        QCOMPARE(model().LoadKindOf[1][2], Trapezoidal);
        QCOMPARE(model().LoadText[1][2], std::string("梯形荷载"));
        QCOMPARE(model().LoadQ[1][2], 3.0f);
        QCOMPARE(model().LoadA[1][2], 0.5f);
        QCOMPARE(model().LoadP[1][1], 1.0f);
        QCOMPARE(model().LoadQ[1][3], 0.0f);
        for (const char* field : {"P", "q", "a", "b"}) {
            QVERIFY2(w(field)->isHidden(), field);
        }
        QVERIFY(!b("remove")->isEnabled());
        QCOMPARE(itemTexts(list("List2")),
                 QStringList({QStringLiteral("集中力"), QStringLiteral("梯形荷载")}));
    }

    void deletingTheLastOrOnlyLoadLowersTheCount() {
        addLoad(1);
        retype(w("q"), QStringLiteral("4"));
        doubleClickRow(list("List2"), 0); // no question asked
        QCOMPARE(model().LoadCount[1], 0);
        QCOMPARE(model().LoadQ[1][1], 0.0f);
        QVERIFY(!b("clear")->isEnabled());
        QVERIFY(!b("remove")->isEnabled());
        addLoad(0);
        addLoad(1);
        retype(w("q"), QStringLiteral("9"));
        addLoad(1);
        click(b("remove"));
        QCOMPARE(model().LoadCount[1], 2);
        QCOMPARE(model().LoadQ[1][2], 9.0f);
    }

    void eachSpanRemembersItsSelectedLoad() {
        retype(w("number"), QStringLiteral("2"));
        addLoad(0);
        addLoad(1);
        clickRow(list("List2"), 0);
        retype(w("P"), QStringLiteral("8"));
        click(b("back"));
        QCOMPARE(list("List2")->count(), 0);
        QVERIFY(w("P")->isHidden());
        addLoad(2);
        click(b("front"));
        QCOMPARE(list("List2")->currentRow(), 0);
        QCOMPARE(model().SelectedLoad[1], 1);
        QCOMPARE(w("P")->text(), QStringLiteral("8"));
        QVERIFY(w("P")->isVisible());
    }

    void clearAsksAndOnlyOkDeletesEveryLoad() {
        addLoad(0);
        addLoad(1);
        prompter->expect(Prompter::Cancel);
        click(b("clear"));
        QCOMPARE(model().LoadCount[1], 2);
        QCOMPARE(list("List2")->count(), 2);
        prompter->expect(Prompter::Ok);
        click(b("clear"));
        QCOMPARE(prompter->asked.size(), std::size_t{2});
        const auto& question = prompter->asked.back();
        QCOMPARE(question.text, QStringLiteral("真的要删除本跨所有荷载吗？"));
        QCOMPARE(question.icon, Prompter::Icon::Exclamation);
        QCOMPARE(question.buttons, Prompter::Ok | Prompter::Cancel);
        QCOMPARE(question.defaultButton, Prompter::Cancel);
        QCOMPARE(model().LoadCount[1], 0);
        QCOMPARE(model().SelectedLoad[1], 0);
        QCOMPARE(list("List2")->count(), 0);
        QVERIFY(b("add")->isEnabled());
        QVERIFY(!b("clear")->isEnabled());
    }

    void theSketchesFollowTheKindAndTheEndSupports_data() {
        QTest::addColumn<int>("spans");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("span");
        QTest::addColumn<QList<int>>("pictures"); // for kinds 0, 1, 2
        QTest::newRow("span 1, cantilever left") << 3 << 1 << 0 << 1 << QList<int>{109, 110, 111};
        QTest::newRow("span 1, simple left") << 3 << 0 << 1 << 1 << QList<int>{117, 104, 105};
        QTest::newRow("last span, cantilever right")
            << 3 << 2 << 1 << 3 << QList<int>{112, 113, 114};
        QTest::newRow("interior span") << 3 << 1 << 1 << 2 << QList<int>{117, 104, 105};
        QTest::newRow("last span, fixed right") << 2 << 1 << 2 << 2 << QList<int>{117, 104, 105};
    }

    void theSketchesFollowTheKindAndTheEndSupports() {
        QFETCH(int, spans);
        QFETCH(int, left);
        QFETCH(int, right);
        QFETCH(int, span);
        QFETCH(QList<int>, pictures);
        retype(w("number"), QString::number(spans));
        w<QComboBox>("LL")->setCurrentIndex(left);
        w<QComboBox>("RR")->setCurrentIndex(right);
        retype(w("Currentnumber"), QString::number(span));
        for (int kind = 0; kind < 3; ++kind) {
            clickRow(list("List1"), kind);
            QCOMPARE(picture("Image1"), pictures[kind]);
            click(b("add"));
            QCOMPARE(picture("Image2"), pictures[kind]);
        }
        clickRow(list("List2"), 0);
        QCOMPARE(picture("Image2"), pictures[0]);
        QVERIFY(!w<QLabel>("Image2")->pixmap().isNull());
    }

    void aOneSpanBeamAlwaysShowsBothEndsSupported() {
        // the left list decides for span 1 even on a one-span beam; lists are forced simple
        retype(w("number"), QStringLiteral("2"));
        w<QComboBox>("LL")->setCurrentIndex(2);
        w<QComboBox>("RR")->setCurrentIndex(1);
        retype(w("number"), QStringLiteral("1"));
        QCOMPARE(model().LeftSupport, Simple);
        QCOMPARE(model().RightSupport, Simple);
        QCOMPARE(w<QComboBox>("LL")->currentIndex(), 0);
        clickRow(list("List1"), 1);
        QCOMPARE(picture("Image1"), 104);
    }

    void aSupportChangeOffersToDeleteTheEndSpansLoads_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("loadsAfter");
        QTest::addColumn<int>("supportAfter");
        QTest::newRow("yes") << int{Prompter::Yes} << 0 << 1;
        QTest::newRow("no") << int{Prompter::No} << 2 << 1;
        QTest::newRow("cancel") << int{Prompter::Cancel} << 2 << 0;
    }

    void aSupportChangeOffersToDeleteTheEndSpansLoads() {
        QFETCH(int, answer);
        QFETCH(int, loadsAfter);
        QFETCH(int, supportAfter);
        retype(w("number"), QStringLiteral("3"));
        addLoad(0);
        addLoad(1);
        click(b("back")); // span 2 is shown while span 1 changes
        prompter->expect(static_cast<Prompter::Button>(answer));
        w<QComboBox>("LL")->setCurrentIndex(1);
        QCOMPARE(prompter->asked.size(), std::size_t{1});
        QCOMPARE(prompter->asked[0].text, QStringLiteral("支座情况将会改变,删除该支座的荷载吗?"));
        QCOMPARE(prompter->asked[0].defaultButton, Prompter::No);
        QCOMPARE(prompter->asked[0].buttons, Prompter::Yes | Prompter::No | Prompter::Cancel);
        QCOMPARE(int{model().LoadCount[1]}, loadsAfter);
        QCOMPARE(int{model().LeftSupport}, supportAfter);
        QCOMPARE(w<QComboBox>("LL")->currentIndex(), supportAfter);
        QCOMPARE(model().CurrentSpan, 2);
        QVERIFY(!model().ProjectSaved);
        QVERIFY(b("check")->isEnabled());
        // the same item again changes nothing and asks nothing
        w<QComboBox>("LL")->setCurrentIndex(supportAfter);
        QCOMPARE(prompter->asked.size(), std::size_t{1});
    }

    void goingToOneSpanAsksAboutACantileverSpansLoads_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("loadsAfter");
        QTest::newRow("yes") << int{Prompter::Yes} << 0;
        QTest::newRow("no") << int{Prompter::No} << 1;
        QTest::newRow("cancel") << int{Prompter::Cancel} << 1;
    }

    void goingToOneSpanAsksAboutACantileverSpansLoads() {
        QFETCH(int, answer);
        QFETCH(int, loadsAfter);
        retype(w("number"), QStringLiteral("2"));
        w<QComboBox>("LL")->setCurrentIndex(1); // span 1 has no loads yet: no question
        addLoad(1);
        prompter->expect(static_cast<Prompter::Button>(answer));
        retype(w("number"), QStringLiteral("1"));
        QCOMPARE(prompter->asked.size(), std::size_t{1});
        QCOMPARE(int{model().LoadCount[1]}, loadsAfter);
        QCOMPARE(model().LeftSupport, Simple);
        QCOMPARE(model().RightSupport, Simple);
        QCOMPARE(w<QComboBox>("LL")->currentIndex(), 0);
        QCOMPARE(w<QComboBox>("RR")->currentIndex(), 0);
        QVERIFY(!w<QComboBox>("LL")->isEnabled());
    }

    void aSupportChangeOnTheShownSpanEmptiesItsList() {
        retype(w("number"), QStringLiteral("2"));
        click(b("back"));
        addLoad(1);
        prompter->expect(Prompter::Yes);
        w<QComboBox>("RR")->setCurrentIndex(2);
        QCOMPARE(model().LoadCount[2], 0);
        QCOMPARE(list("List2")->count(), 0);
        QVERIFY(w("q")->isHidden());
        QCOMPARE(model().RightSupport, Fixed);
        QCOMPARE(model().LoadCount[1], 0);
    }
};

QTEST_MAIN(LoadListTest)
#include "load_list_test.moc"
