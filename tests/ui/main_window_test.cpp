// The main window's wiring, as a user drives it: fields typed key by key reach the project, the
// window shows what the editor holds, and check, calculation, files, undo, closing, the splash
// and the menus work through the window's controls. The editing rules are the editor's tests.
#include "UiTestSupport.h"

#include "io/ProjectFile.h"
#include "ui/common/Translations.h"
#include "ui/dialogs/CheckWindow.h"
#include "ui/dialogs/ResultWindow.h"
#include "ui/dialogs/SplashWindow.h"
#include "ui/main/BeamSketch.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace spanwise;
using namespace spanwise::testing_support;

class MainWindowTest : public QObject, public MainWindowHarness {
    Q_OBJECT

    QStringList checkMessages() {
        auto* table = find<QTableWidget>(window.get(), "messageTable");
        QStringList texts;
        for (int r = 0; table != nullptr && r < table->rowCount(); ++r) {
            texts << table->item(r, 1)->text();
        }
        return texts;
    }

    QStringList resultRow(int row) {
        auto* table = find<QTableWidget>(window->resultWindow(), "resultTable");
        QStringList texts;
        for (int c = 0; c < table->columnCount(); ++c) {
            texts << table->item(row, c)->text();
        }
        return texts;
    }

private slots:
    void init() { open(); }
    void cleanup() { QVERIFY2(close(), "something expected did not happen"); }

    void fieldsTypedKeyByKeyReachTheProject() {
        auto* length = w("spanLengthField");
        retype(length, QStringLiteral("6.5"));
        QCOMPARE(project().beam.span(1).length, 6.5f);
        QTest::keyClicks(length, QStringLiteral("x")); // refused: the field shows 6.5 again
        QCOMPARE(length->text(), QStringLiteral("6.5"));
        retype(length, QStringLiteral("6."));
        leave(length);
        QCOMPARE(length->text(), QStringLiteral("6"));

        QVERIFY(w("forceField")->isHidden());
        addLoad(1);
        QCOMPARE(list("spanLoadList")->currentItem()->text(), QStringLiteral("均布荷载 q=0"));
        QVERIFY(w("intensityField")->isVisible() && w("forceField")->isHidden());
        retype(w("intensityField"), QStringLiteral("10"));
        addLoad(0);
        QVERIFY(w("forceField")->isVisible() && w("intensityField")->isHidden());
        retype(w("distanceAField"), QStringLiteral("2"));
        QCOMPARE(w("distanceBField")->text(), QStringLiteral("4"));
        QCOMPARE(list("spanLoadList")->item(1)->text(), QStringLiteral("集中力 P=0 a=2 b=4"));
        QCOMPARE(list("spanLoadList")->item(0)->text(), QStringLiteral("均布荷载 q=10"));
        clickRow(list("spanLoadList"), 0);
        QCOMPARE(w("intensityField")->text(), QStringLiteral("10"));
        QCOMPARE(project().beam.span(1).load(2).b, 4.0f);
        QVERIFY(!window->editor().isSaved());
    }

    void theSpanCountActsWhenItsEntryIsFinished() {
        retype(w("spanCountField"), QStringLiteral("12"));
        QCOMPARE(project().beam.spanCount(), 1); // nothing happens while typing
        QTest::keyClick(w("spanCountField"), Qt::Key_Return);
        QCOMPARE(project().beam.spanCount(), 12);

        for (const char* refused : {"0", "21", ""}) {
            prompter->expectMessage(QStringLiteral("总跨数应为 1 到 20 之间的整数"));
            retype(w("spanCountField"), QString::fromLatin1(refused));
            leave(w("spanCountField"));
            QCOMPARE(w("spanCountField")->text(), QStringLiteral("12"));
        }
        click(b("moreSpansButton"));
        click(b("moreSpansButton"));
        QCOMPARE(project().beam.spanCount(), 14);
        click(b("fewerSpansButton"));
        QCOMPARE(w("spanCountField")->text(), QStringLiteral("13"));
    }

    void oneSpanKeepsBothSupportsAfterOneQuestion() {
        enterSpanCount(2);
        auto* left = w<QComboBox>("leftSupportList");
        auto* right = w<QComboBox>("rightSupportList");
        left->setFocus();
        QTest::keyClick(left, Qt::Key_Down); // 悬臂
        QTest::keyClick(left, Qt::Key_Down); // 固端
        right->setFocus();
        QTest::keyClick(right, Qt::Key_Down); // 悬臂
        QCOMPARE(project().beam.leftSupport, Fixed);
        QCOMPARE(project().beam.rightSupport, Cantilever);
        addLoad(1);
        // span 1 would end in the cantilever: its loads may no longer suit it
        const Project before = project();
        prompter->expectQuestion(QStringLiteral("支座情况将会改变,删除该支座的荷载吗?"),
                                 Prompter::Cancel);
        enterSpanCount(1);
        QCOMPARE(project(), before);
        QCOMPARE(w("spanCountField")->text(), QStringLiteral("2"));
        prompter->expectQuestion(QStringLiteral("支座情况将会改变,删除该支座的荷载吗?"),
                                 Prompter::No);
        enterSpanCount(1);
        QCOMPARE(project().beam.spanCount(), 1);
        QCOMPARE(project().beam.span(1).loadCount(), 1);
        // a cantilever from a fixed end, both lists still usable
        QCOMPARE(left->currentText(), QStringLiteral("固端"));
        QCOMPARE(right->currentText(), QStringLiteral("悬臂"));
        QVERIFY(left->isEnabled() && right->isEnabled());
    }

    void spanButtonsAskAndTheEditMenuUndoesThem() {
        enterSpanCount(2);
        showSpan(2);
        prompter->expectQuestion(QStringLiteral("真的要插入一跨吗?"), Prompter::Ok);
        click(b("insertSpanButton"));
        QCOMPARE(w("spanCountField")->text(), QStringLiteral("3"));
        QCOMPARE(action("undoAction")->text(), QStringLiteral("撤销 插入一跨"));
        prompter->expectQuestion(QStringLiteral("本跨将被删除,继续否?"), Prompter::Cancel);
        click(b("deleteSpanButton"));
        addLoad(2);
        QCOMPARE(action("undoAction")->text(), QStringLiteral("撤销 添加荷载"));

        // Ctrl+Z in a field is the window's undo, not the field's own
        w("spanLengthField")->setFocus();
        QTest::keyClick(w("spanLengthField"), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(list("spanLoadList")->count(), 0);
        QCOMPARE(action("redoAction")->text(), QStringLiteral("重做 添加荷载"));
        QTest::keyClick(w("spanLengthField"), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(list("spanLoadList")->count(), 1);
        action("undoAction")->trigger();
        action("undoAction")->trigger();
        QCOMPARE(w("spanCountField")->text(), QStringLiteral("2"));
        QTest::keyClick(w("spanLengthField"), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(w("spanCountField")->text(), QStringLiteral("3"));
    }

    void theCheckUnlocksTheCalculationUntilTheNextEdit() {
        click(b("checkButton")); // one span of length 0
        QCOMPARE(checkMessages(), QStringList({QStringLiteral("第1跨跨度为零!")}));
        QVERIFY(find<QLabel>(window.get(), "errorListLabel")->isVisible());
        QVERIFY(!b("calculateButton")->isEnabled());
        loadedSpans(2);
        click(b("checkButton"));
        QCOMPARE(checkMessages(), QStringList({QStringLiteral("没有错误!")}));
        QVERIFY(find<QLabel>(window.get(), "checkPassedLabel")->isVisible());
        QCOMPARE(find<QProgressBar>(window.get(), "checkProgressBar")->maximum(), 4);
        QVERIFY(!b("checkButton")->isEnabled());
        QVERIFY(b("calculateButton")->isEnabled());

        click(b("calculateButton"));
        QCOMPARE(resultRow(0),
                 QStringList({"第1跨", "6", "22.5", "0", "25.313", "2.25", "-37.5", "-45"}));
        QCOMPARE(resultRow(1),
                 QStringList({"第2跨", "6", "37.5", "-45", "25.313", "3.75", "-22.5", "0"}));

        // an edit locks the calculation and flags the results; undo is an edit too
        auto* stale = find<QLabel>(window->resultWindow(), "staleNotice");
        retype(w("intensityField"), QStringLiteral("20"));
        QVERIFY(stale->isVisible());
        QVERIFY(!b("calculateButton")->isEnabled());
        click(b("checkButton"));
        // checked but not calculated: the results are still the old beam's, and say so
        QVERIFY(b("calculateButton")->isEnabled());
        QVERIFY(stale->isVisible());
        for (const char* export_ : {"exportReportAction", "exportCsvAction"}) {
            prompter->expectMessage(QStringLiteral("模型在计算之后已修改"));
            window->resultWindow()->findChild<QAction*>(QString::fromLatin1(export_))->trigger();
        }
        action("undoAction")->trigger();
        QVERIFY(stale->isHidden()); // the beam is the calculated one again
        QVERIFY(!b("calculateButton")->isEnabled());

        // the query answers for the beam as calculated, not as edited since
        retype(w("spanLengthField"), QStringLiteral("4.2"));
        auto* distance = find<QLineEdit>(window->resultWindow(), "queryDistanceField");
        retype(distance, QStringLiteral("5"));
        QCOMPARE(distance->text(), QStringLiteral("5"));
        QCOMPARE(find<QLineEdit>(window->resultWindow(), "querySpanLengthField")->text(),
                 QStringLiteral("6"));
    }

    // 2 x 6 m, q = 10, EI = 78000 and i = EI/L = 13000; then span 2 becomes 3 m long.
    void aLineStiffnessLeftBehindIsNoticedAndMended() {
        loadedSpans(2);
        for (int s = 1; s <= 2; ++s) {
            showSpan(s);
            retype(w("rigidityField"), QStringLiteral("78000"));
            retype(w("lineStiffnessField"), QStringLiteral("13000"));
        }
        retype(w("spanLengthField"), QStringLiteral("3"));
        showSpan(1);
        click(b("checkButton"));
        QCOMPARE(checkMessages(), QStringList({QStringLiteral("没有错误!")}));
        auto* notices = find<QTableWidget>(window.get(), "noticeTable");
        QVERIFY(notices->isVisible());
        QCOMPARE(notices->item(0, 0)->text(), QStringLiteral("第2跨"));
        QCOMPARE(notices->item(0, 1)->text(),
                 QStringLiteral("第2跨线刚度 i = 13000 与 EI/L = 26000 不成比例"));
        QVERIFY(b("calculateButton")->isEnabled()); // a notice does not block

        // a double-click goes to the span named
        QVERIFY(QTest::qWaitForWindowExposed(notices->window()));
        const QRect row = notices->visualItemRect(notices->item(0, 1));
        QTest::mouseClick(notices->viewport(), Qt::LeftButton, {}, row.center());
        QTest::mouseDClick(notices->viewport(), Qt::LeftButton, {}, row.center());
        QCOMPARE(w("shownSpanField")->text(), QStringLiteral("2"));

        // the button sets i = EI/L everywhere in one step and checks again
        click(find<QAbstractButton>(window.get(), "fitLineStiffnessButton"));
        QCOMPARE(w("lineStiffnessField")->text(), QStringLiteral("26000"));
        QVERIFY(notices->isHidden());
        QCOMPARE(action("undoAction")->text(), QStringLiteral("撤销 按 EI/L 重算线刚度"));
        click(b("calculateButton"));
        QCOMPARE(resultRow(0).last(), QStringLiteral("-33.75"));

        // Enter closes the check window
        QPointer<QWidget> checkWindow = find<QWidget>(window.get(), "checkWindow");
        QTest::keyClick(checkWindow, Qt::Key_Return);
        QTRY_VERIFY(checkWindow.isNull() || checkWindow->isHidden());
    }

    // Each load shows and edits its own case; the case of the next load is a choice of its own
    // that changes no load already there, and a new project starts with dead loads.
    void aLoadIsDeadOrLiveAndTheNextLoadsCaseIsAChoiceOfItsOwn() {
        loadedSpans(1); // a dead uniform load, selected
        auto* next = find<QComboBox>(window.get(), "newLoadCaseList");
        auto* own = find<QComboBox>(window.get(), "selectedLoadCaseList");
        QCOMPARE(next->currentText(), QStringLiteral("恒载 G"));
        QCOMPARE(own->currentText(), QStringLiteral("恒载 G"));
        const Project before = project();
        const QString lastStep = action("undoAction")->text();
        next->setFocus();
        QTest::keyClick(next, Qt::Key_Down); // 活载 Q for the next load, before 添加
        QCOMPARE(project(), before);         // no load changed, no step taken
        QCOMPARE(action("undoAction")->text(), lastStep);
        addLoad(1);
        QCOMPARE(project().beam.span(1).load(2).loadCase, Live);
        QCOMPARE(own->currentText(), QStringLiteral("活载 Q"));
        QCOMPARE(list("spanLoadList")->item(1)->text(), QStringLiteral("活 均布荷载 q=0"));
        clickRow(list("spanLoadList"), 0);
        QCOMPARE(own->currentText(), QStringLiteral("恒载 G"));
        QCOMPARE(next->currentText(), QStringLiteral("活载 Q"));
        own->setFocus();
        QTest::keyClick(own, Qt::Key_Down); // the selected load itself becomes live
        QCOMPARE(project().beam.span(1).load(1).loadCase, Live);
        QCOMPARE(list("spanLoadList")->item(0)->text(), QStringLiteral("活 均布荷载 q=10"));
        action("undoAction")->trigger();
        QCOMPARE(project().beam.span(1).load(1).loadCase, Dead);
        action("redoAction")->trigger();
        QCOMPARE(project().beam.span(1).load(1).loadCase, Live);
        clickRow(list("spanLoadList"), 1);
        click(b("deleteLoadButton")); // the empty live load goes; the first stays live
        click(b("checkButton"));
        click(b("calculateButton"));
        QVERIFY(find<QLabel>(window->resultWindow(), "loadsCaption")->isVisible());
        // the envelope: 1.5 x 10 x 6² / 8 at midspan with the span live
        auto* envelope = find<QTableWidget>(window->resultWindow(), "envelopeSpanTable");
        QCOMPARE(envelope->rowCount(), 1);
        QStringList cells;
        for (int c = 0; c < envelope->columnCount(); ++c) {
            cells << envelope->item(0, c)->text();
        }
        QVERIFY2(cells.contains(QStringLiteral("67.5")) && cells.contains(QStringLiteral("3")),
                 qPrintable(cells.join(QLatin1Char('|'))));

        prompter->expectQuestion(QStringLiteral("当前文件尚未保存,要保存吗?"), Prompter::No);
        action("newAction")->trigger();
        QCOMPARE(next->currentText(), QStringLiteral("恒载 G"));
    }

    void aRefusedKeystrokeSaysWhatTheFieldTakes() {
        retype(w("spanLengthField"), QStringLiteral("6,5"));
        QCOMPARE(w("spanLengthField")->text(), QStringLiteral("65"));
        QCOMPARE(window->statusBar()->currentMessage(), QStringLiteral("只能输入非负数"));
        QVERIFY(w("spanLengthField")->property("refused").toBool());
        QTRY_VERIFY(!w("spanLengthField")->property("refused").toBool()); // the flash ends
        addLoad(0);
        window->statusBar()->clearMessage();
        retype(w("forceField"), QStringLiteral("-12"));
        QCOMPARE(project().beam.span(1).load(1).P, -12.0f); // an upward force
        QCOMPARE(window->statusBar()->currentMessage(), QString());
        retype(w("forceField"), QStringLiteral("x"));
        QCOMPARE(window->statusBar()->currentMessage(), QStringLiteral("只能输入数字"));
    }

    void theReportsTitleBlockIsEditedInTheResultWindowAndKeptInTheProject() {
        loadedSpans(1);
        click(b("checkButton"));
        click(b("calculateButton"));
        ResultWindow* results = window->resultWindow();
        auto enter = [&](const QString& designer) {
            results->findChild<QAction*>(QStringLiteral("projectInfoAction"))->trigger();
            auto* dialog = find<QDialog>(results, "projectInfoDialog");
            // Chinese comes through an input method, not key by key: the fields take it whole
            find<QLineEdit>(dialog, "designerField")->setText(designer);
            find<QLineEdit>(dialog, "checkerField")->setText(QStringLiteral("李四"));
            click(
                find<QDialogButtonBox>(dialog, "projectInfoButtons")->button(QDialogButtonBox::Ok));
            QTRY_VERIFY(results->findChild<QDialog*>(QStringLiteral("projectInfoDialog")) ==
                        nullptr);
        };
        enter(QStringLiteral("张三"));
        QCOMPARE(project().beam.info.designer, std::string("张三"));
        QCOMPARE(project().beam.info.checker, std::string("李四"));
        QCOMPARE(action("undoAction")->text(), QStringLiteral("撤销 工程信息"));
        // the title block is no input of the calculation: nothing to check or calculate again
        QVERIFY(b("calculateButton")->isEnabled());
        QVERIFY(find<QLabel>(results, "staleNotice")->isHidden());
        // a quote cannot be kept in the file: refused, nothing changes
        prompter->expectMessage(QStringLiteral("“设计”不能含有双引号或换行"));
        enter(QStringLiteral("张\"三"));
        QCOMPARE(project().beam.info.designer, std::string("张三"));
    }

    void saveAndOpenKeepTheProjectAndItsName() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("beam.BMD"));
        loadedSpans(2);
        prompter->expectFile(path);
        action("saveAsAction")->trigger();
        QCOMPARE(window->windowTitle(), MainWindow::titleFor(path));
        QVERIFY(window->editor().isSaved());
        const Project saved = project();

        // New asks first; a save that does not happen keeps the work
        retype(w("spanLengthField"), QStringLiteral("4"));
        prompter->expectQuestion(QStringLiteral("当前文件尚未保存,要保存吗?"), Prompter::Yes);
        prompter->expectFile(QString());
        action("newAction")->trigger();
        QCOMPARE(project().beam.span(2).length, 4.0f);
        prompter->expectQuestion(QStringLiteral("当前文件尚未保存,要保存吗?"), Prompter::No);
        action("newAction")->trigger();
        QCOMPARE(project(), Editor::freshProject());
        QVERIFY(!action("undoAction")->isEnabled());
        QVERIFY(!window->isWindowModified());

        // an untouched new project has nothing to lose: no question
        prompter->expectFile(path);
        action("openAction")->trigger();
        QCOMPARE(project().beam, saved.beam);
        QCOMPARE(w("spanCountField")->text(), QStringLiteral("2"));
        QVERIFY(window->editor().isSaved());

        // a file that cannot be written says why and keeps the work unsaved
        retype(w("spanLengthField"), QStringLiteral("5"));
        prompter->expectFile(dir.filePath(QStringLiteral("no/such/folder/x.BMD")));
        prompter->expectMessage(QStringLiteral("保存工程文件"));
        action("saveAsAction")->trigger();
        QVERIFY(!window->editor().isSaved());
        QCOMPARE(window->windowTitle(), MainWindow::titleFor(path));
        QCOMPARE(readProjectFile(path).project->beam, saved.beam);

        prompter->expectQuestion(QStringLiteral("当前文件尚未保存,要保存吗?"), Prompter::No);
        prompter->expectFile(dir.filePath(QStringLiteral("missing.BMD")));
        prompter->expectMessage(QStringLiteral("missing.BMD"));
        action("openAction")->trigger();
        QCOMPARE(project(), Editor::freshProject()); // never a half-read project
    }

    void everyPathOutOfTheProgramAsksBeforeWorkIsLost() {
        QVERIFY(!window->isWindowModified());
        retype(w("spanLengthField"), QStringLiteral("6"));
        QVERIFY(window->isWindowModified());
        // New and Open: Cancel (and Escape) keep the work
        for (const char* command : {"newAction", "openAction"}) {
            prompter->expectQuestion(QStringLiteral("当前文件尚未保存,要保存吗?"),
                                     Prompter::Cancel);
            action(command)->trigger();
            QCOMPARE(prompter->lastButtons, Prompter::Yes | Prompter::No | Prompter::Cancel);
            QCOMPARE(project().beam.span(1).length, 6.0f);
        }
        const QString question = QStringLiteral("在退出之前,您要保存现有资料吗？");
        // the close box: Cancel (or Escape) and a cancelled save dialog keep the program open
        prompter->expectQuestion(question, Prompter::Cancel);
        QVERIFY(!window->close());
        QCOMPARE(prompter->lastButtons, Prompter::Yes | Prompter::No | Prompter::Cancel);
        prompter->expectQuestion(question, Prompter::Yes);
        prompter->expectFile(QString());
        QVERIFY(!window->close());
        // the Exit command: Cancel stays, and so does No to quitting a saved project
        prompter->expectQuestion(question, Prompter::Cancel);
        action("exitAction")->trigger();
        QVERIFY(window->isVisible());
        QTemporaryDir dir;
        prompter->expectFile(dir.filePath(QStringLiteral("kept.BMD")));
        action("saveAsAction")->trigger();
        prompter->expectQuestion(QStringLiteral("真要退出吗?"), Prompter::No);
        action("exitAction")->trigger();
        QVERIFY(window->isVisible());
        QVERIFY(window->close()); // saved: no question
        open();
        retype(w("spanLengthField"), QStringLiteral("6"));
        prompter->expectQuestion(question, Prompter::No);
        action("exitAction")->trigger();
        QVERIFY(!window->isVisible());
    }

    void theMainWindowRefusesInputUntilTheSplashIsClicked() {
        auto* splash = new SplashWindow(window.get());
        splash->show();
        QVERIFY(QTest::qWaitForWindowExposed(splash));
        QCOMPARE(splash->size(), QSize(420, 304));
        auto* number = find<QLineEdit>(window.get(), "spanCountField");
        QVERIFY(!number->isEnabled() || !window->isEnabled());
        QTest::keyClicks(number, QStringLiteral("5"));
        QTest::keyClick(number, Qt::Key_Return);
        QCOMPARE(project().beam.spanCount(), 1);
        QPointer<SplashWindow> guard(splash);
        QTest::mouseClick(find<QLabel>(splash, "splashPicture"), Qt::LeftButton);
        QTRY_VERIFY(guard.isNull());
        QVERIFY(window->isEnabled());
        enterSpanCount(5);
        QCOMPARE(project().beam.spanCount(), 5);

        // untouched, the splash goes by itself
        QPointer<SplashWindow> waiting(new SplashWindow(window.get()));
        waiting->show();
        QVERIFY(!window->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(waiting.isNull(), kSplashMilliseconds * 3);
        QVERIFY(window->isEnabled());
    }

    void theMenusCarryTheirNamesAndTexts() {
        // clang-format off
        const std::pair<const char*, const char*> commands[] = {
            {"openAction", "旧工程(&Open)"}, {"newAction", "新工程(&New)"}, {"saveAction", "保存(&Save)"},
            {"saveAsAction", "保存为(S&ave as)"}, {"exitAction", "退出(&Exit)"}, {"undoAction", "撤销"},
            {"redoAction", "重做"}, {"introductionAction", "产品介绍(&Introduction)"},
            {"declarationAction", "版权说明(&Declare)"}, {"helpAction", "帮助(&Help)"}};
        // clang-format on
        for (const auto& [name, text] : commands) {
            QCOMPARE(action(name)->text(), QString::fromUtf8(text));
        }
        QStringList menus;
        for (const QAction* menu : window->menuBar()->actions()) {
            menus << menu->text();
        }
        QCOMPARE(menus, QStringList({"文件(&File)", "编辑(&Edit)", "荷载(&Load)",
                                     "计算(&Calculate)", "信息(&News)"}));
        const std::pair<const char*, const char*> shortcuts[] = {{"newAction", "Ctrl+N"},
                                                                 {"openAction", "Ctrl+O"},
                                                                 {"saveAction", "Ctrl+S"},
                                                                 {"saveAsAction", "Ctrl+Shift+S"},
                                                                 {"helpAction", "F1"}};
        for (const auto& [name, keys] : shortcuts) {
            QCOMPARE(action(name)->shortcut().toString(), QString::fromLatin1(keys));
        }
    }

    void qtsOwnButtonsSpeakChinese() {
        QVERIFY(installChineseTranslations(*QCoreApplication::instance()));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("取消"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
