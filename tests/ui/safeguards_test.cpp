// What a new user relies on without thinking about it: Save never replaces another project's
// file behind the user's back, a refused keystroke leaves the field exactly as it was, a
// deflection without a real EI is not judged, a calculation that overflows says so, and the
// small conveniences (places beside check messages, Enter on a button, the help) are there.
#include "UiTestSupport.h"

#include "io/ProjectFile.h"
#include "ui/dialogs/ResultWindow.h"
#include "ui/dialogs/TextWindows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCryptographicHash>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace spanwise;
using namespace spanwise::testing_support;

class SafeguardsTest : public QObject, public MainWindowHarness {
    Q_OBJECT

    // The texts of one column of a table.
    static QStringList column(QTableWidget* table, int c) {
        QStringList texts;
        for (int r = 0; r < table->rowCount(); ++r) {
            texts << (table->item(r, c) ? table->item(r, c)->text() : QString());
        }
        return texts;
    }
    void calculate() {
        click(b("checkButton"));
        click(b("calculateButton"));
    }

private slots:
    void init() { open(); }
    void cleanup() { QVERIFY2(close(), "something expected did not happen"); }

    // Another project's "新工程.BMD" in the working folder stays as it was: Save (and Ctrl+S,
    // and Exit's Yes) on a project that has no file yet asks for one.
    void saveOnAProjectWithoutAFileAsksForItsName() {
        QTemporaryDir dir;
        const QString before = QDir::currentPath();
        QDir::setCurrent(dir.path());
        QFile other(dir.filePath(QStringLiteral("新工程.BMD")));
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.write("another project\r\n");
        other.close();

        loadedSpans(1);
        prompter->expectFile(QString()); // the user cancels: nothing is written
        action("saveAction")->trigger();
        QVERIFY(!window->editor().isSaved());
        const QString chosen = dir.filePath(QStringLiteral("次梁.BMD"));
        prompter->expectFile(chosen);
        QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(window->editor().isSaved());
        QCOMPARE(window->projectName(), chosen);
        QCOMPARE(readProjectFile(chosen).project->beam, project().beam);
        // a project with its file saves there at once
        retype(w("spanLengthField"), QStringLiteral("5"));
        action("saveAction")->trigger();
        QCOMPARE(readProjectFile(chosen).project->beam.span(1).length, 5.0f);

        // Exit's Yes on a new project asks for a name too; cancelling it keeps the program
        action("newAction")->trigger(); // saved: no question
        retype(w("spanLengthField"), QStringLiteral("7"));
        prompter->expectQuestion(QStringLiteral("在退出之前,您要保存现有资料吗？"), Prompter::Yes);
        prompter->expectFile(QString());
        action("exitAction")->trigger();
        QVERIFY(window->isVisible());

        QVERIFY(other.open(QIODevice::ReadOnly));
        QCOMPARE(other.readAll(), QByteArray("another project\r\n"));
        other.close();
        QDir::setCurrent(before);
    }

    // One visit of a field spans a save: q = 10 typed, saved, "5" typed on. Undo comes back to
    // the saved 10 exactly (no "*", nothing to ask at Exit), redo to 105 unsaved again. The
    // report's stamp follows: the saved state carries the SHA-256 of the file's bytes (computed
    // here from the file itself), the unsaved one none ("未保存的修改").
    void undoAcrossASaveReturnsToTheSavedState() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("跨.BMD"));
        loadedSpans(1); // the intensity field keeps the focus, its visit goes on
        auto* intensity = w("intensityField");
        prompter->expectFile(file);
        action("saveAction")->trigger();
        QVERIFY(!window->isWindowModified());
        QTest::keyClicks(intensity, QStringLiteral("5")); // the same visit of the field
        QCOMPARE(project().beam.span(1).loads.at(0).q, 105.0f);
        QVERIFY(window->isWindowModified());
        QVERIFY(window->editor().hasUnsavedWork());

        action("undoAction")->trigger();
        QCOMPARE(project().beam.span(1).loads.at(0).q, 10.0f);
        QCOMPARE(intensity->text(), QStringLiteral("10"));
        QVERIFY(!window->isWindowModified());        // the title's "[*]" shows no "*"
        QVERIFY(!window->editor().hasUnsavedWork()); // Exit would not ask
        QCOMPARE(readProjectFile(file).project->beam, project().beam);
        calculate();
        QFile saved(file);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray digest =
            QCryptographicHash::hash(saved.readAll(), QCryptographicHash::Sha256).toHex();
        QCOMPARE(QString::fromStdString(window->outcome()->calculation.source.sha256),
                 QString::fromLatin1(digest));

        action("redoAction")->trigger();
        QCOMPARE(project().beam.span(1).loads.at(0).q, 105.0f);
        QVERIFY(window->isWindowModified());
        QVERIFY(window->editor().hasUnsavedWork());
        calculate();
        QVERIFY(window->outcome()->calculation.source.sha256.empty());
        QCOMPARE(QString::fromStdString(window->outcome()->calculation.source.file), file);
    }

    // The report's title block and its stamp tell one state: the file's, or "未保存的修改" (no
    // digest) once the title block differs from it; a Save brings both back to the file.
    void theTitleBlockAndTheStampTellOneState() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("梁.BMD"));
        loadedSpans(2);
        prompter->expectFile(file);
        action("saveAction")->trigger();
        calculate();
        auto digestOfFile = [&] {
            QFile saved(file);
            return saved.open(QIODevice::ReadOnly)
                       ? QCryptographicHash::hash(saved.readAll(), QCryptographicHash::Sha256)
                             .toHex()
                             .toStdString()
                       : std::string();
        };
        ResultWindow* results = window->resultWindow();
        QCOMPARE(results->outcome()->calculation.source.sha256, digestOfFile());
        results->findChild<QAction*>(QStringLiteral("projectInfoAction"))->trigger();
        auto* dialog = find<QDialog>(results, "projectInfoDialog");
        find<QLineEdit>(dialog, "designerField")->setText(QStringLiteral("张三"));
        click(find<QDialogButtonBox>(dialog, "projectInfoButtons")->button(QDialogButtonBox::Ok));
        QTRY_VERIFY(results->findChild<QDialog*>(QStringLiteral("projectInfoDialog")) == nullptr);
        // the title block the report prints is not the file's: no digest
        QCOMPARE(results->outcome()->beam().info.designer, std::string("张三"));
        QVERIFY(results->outcome()->calculation.source.sha256.empty());
        action("saveAction")->trigger();
        QCOMPARE(results->outcome()->calculation.source.sha256, digestOfFile());
        QCOMPARE(readProjectFile(file).project->beam.info, results->outcome()->beam().info);
        // looking at another span is no edit: New asks nothing
        showSpan(1);
        click(b("nextSpanButton"));
        QCOMPARE(project().currentSpan, 2);
        QVERIFY(!window->isWindowModified());
        action("newAction")->trigger(); // the scripted prompter fails on any question
        QCOMPARE(window->projectName(), QStringLiteral("新工程"));
    }

    // Typing 2.0e5 into EI gives 200000 (not 25), "-6" over a selected 6 in L leaves 6 (not 66):
    // a refused key changes neither the text, the caret nor the selection.
    void aRefusedKeystrokeLeavesTheFieldAsItWas() {
        auto* rigidity = w("rigidityField");
        retype(rigidity, QStringLiteral("2.0e5"));
        QCOMPARE(project().beam.span(1).ei, 200000.0f);
        QCOMPARE(rigidity->text(), QStringLiteral("2.0e5"));
        leave(rigidity);
        QCOMPARE(rigidity->text(), QStringLiteral("200000"));
        retype(rigidity, QStringLiteral("2.0E+07")); // what the field itself shows, typed back
        QCOMPARE(project().beam.span(1).ei, 2e7f);
        leave(rigidity);
        QCOMPARE(rigidity->text(), QStringLiteral("2E+07"));

        auto* length = w("spanLengthField");
        retype(length, QStringLiteral("6"));
        length->selectAll();
        QTest::keyClicks(length, QStringLiteral("-6"));
        QCOMPARE(length->text(), QStringLiteral("6"));
        QCOMPARE(project().beam.span(1).length, 6.0f);
        QVERIFY(window->statusBar()->currentMessage() == QStringLiteral("只能输入非负数"));

        retype(length, QStringLiteral("6.5"));
        length->setSelection(2, 1); // the 5
        QTest::keyClick(length, Qt::Key_Comma);
        QCOMPARE(length->text(), QStringLiteral("6.5"));
        QCOMPARE(length->selectionStart(), 2);
        QCOMPARE(length->selectedText(), QStringLiteral("5"));
        length->setCursorPosition(1);
        QTest::keyClick(length, Qt::Key_X);
        QCOMPARE(length->cursorPosition(), 1);
        QTest::keyClick(length, Qt::Key_2); // lands where the caret was
        QCOMPARE(length->text(), QStringLiteral("62.5"));
        QCOMPARE(project().beam.span(1).length, 62.5f);
    }

    // With EI left at 1 the check says so (a notice, not an error) and the deflection tab shows
    // the span without a verdict; with a real EI the span is judged by GB 50010 Table 3.4.3.
    void aDeflectionWithoutARealRigidityIsNotJudged() {
        loadedSpans(2);
        click(b("checkButton"));
        auto* notices = find<QTableWidget>(window.get(), "noticeTable");
        QVERIFY(
            column(notices, 1)
                .contains(QStringLiteral("第1、2跨 EI 为默认值 1，挠度需输入实际 EI 后方可验算")));
        QVERIFY(find<QWidget>(window.get(), "fitLineStiffnessButton")->isHidden());
        click(b("calculateButton"));
        auto* deflections = find<QTableWidget>(window->resultWindow(), "deflectionTable");
        const int verdict = deflections->columnCount() - 1;
        QCOMPARE(column(deflections, verdict),
                 QStringList({QStringLiteral("需输入实际 EI"), QStringLiteral("需输入实际 EI")}));
        QVERIFY(find<QLabel>(window->resultWindow(), "deflectionNote")
                    ->text()
                    .contains(QStringLiteral("EI 为默认值 1")));

        for (int s = 1; s <= 2; ++s) { // EI = 20000: w = 0.0054 qL^4/EI = 3.51 mm, 1709 > 200
            showSpan(s);
            retype(w("rigidityField"), QStringLiteral("20000"));
        }
        calculate();
        QCOMPARE(column(deflections, verdict),
                 QStringList({QStringLiteral("✔"), QStringLiteral("✔")}));
        QCOMPARE(column(deflections, verdict - 1),
                 QStringList({QStringLiteral("l0/200"), QStringLiteral("l0/200")}));
    }

    // 1E+38 kN/m live on 5 m: the loads as entered calculate (qL²/8 = 3.1E+38), their factored
    // envelope (x 1.5) does not: the envelope and deflection tabs stay and say why.
    void anEnvelopeThatOverflowsSaysSo() {
        retype(w("spanLengthField"), QStringLiteral("5"));
        retype(w("rigidityField"), QStringLiteral("20000"));
        auto* next = find<QComboBox>(window.get(), "newLoadCaseList");
        next->setFocus();
        QTest::keyClick(next, Qt::Key_Down);
        addLoad(1);
        retype(w("intensityField"), QStringLiteral("1E+38"));
        QCOMPARE(project().beam.span(1).load(1).q, 1e38f);
        calculate();
        ResultWindow* results = window->resultWindow();
        QVERIFY(results != nullptr);
        auto* tabs = find<QTabWidget>(results, "resultTabs");
        for (const char* page : {"envelopePage", "envelopeDiagramPage", "deflectionPage"}) {
            QVERIFY2(tabs->isTabVisible(tabs->indexOf(find<QWidget>(results, page))), page);
        }
        const QString overflow = QStringLiteral("计算失败：第1跨出现数值溢出，请检查输入数据。");
        QCOMPARE(find<QLabel>(results, "factorsLabel")->text(), overflow);
        QCOMPARE(find<QLabel>(results, "envelopeQueryText")->text(), overflow);
        QCOMPARE(find<QLabel>(results, "deflectionFailure")->text(), overflow);
    }

    // Four spans with dead and live loads: the result window opens within 1366 x 768 (less
    // a title bar and a task bar), the deflection tables show every row at its first size,
    // and at its smallest every tab's tables still show rows (they scroll within themselves).
    void theResultWindowFitsALaptopScreen() {
        loadedSpans(4);
        for (int s = 1; s <= 4; ++s) {
            showSpan(s);
            retype(w("rigidityField"), QStringLiteral("20000"));
            addLoad(1);
            auto* own = find<QComboBox>(window.get(), "selectedLoadCaseList");
            own->setFocus();
            QTest::keyClick(own, Qt::Key_Down);
            retype(w("intensityField"), QStringLiteral("5"));
        }
        calculate();
        ResultWindow* results = window->resultWindow();
        QVERIFY(QTest::qWaitForWindowExposed(results));
        const QSize screen(1366, 768 - 80);
        QVERIFY(results->minimumSizeHint().width() <= screen.width());
        QVERIFY(results->minimumSizeHint().height() <= screen.height());
        QVERIFY(results->width() <= screen.width() && results->height() <= screen.height());
        auto* tabs = find<QTabWidget>(results, "resultTabs");
        tabs->setCurrentWidget(find<QWidget>(results, "deflectionPage"));
        QApplication::processEvents();
        auto* deflectionTables = find<QTabWidget>(results, "deflectionTables");
        for (int t = 0; t < 3; ++t) {
            deflectionTables->setCurrentIndex(t);
            QApplication::processEvents();
            auto* table = qobject_cast<QTableWidget*>(deflectionTables->currentWidget());
            QVERIFY(table->rowCount() == 4);
            QVERIFY2(table->viewport()->height() >= table->verticalHeader()->length(),
                     qPrintable(table->objectName()));
        }
        results->resize(results->minimumSizeHint());
        for (int t = 0; t < tabs->count(); ++t) {
            tabs->setCurrentIndex(t);
            QApplication::processEvents();
            for (QTableWidget* table : tabs->currentWidget()->findChildren<QTableWidget*>()) {
                if (table->isVisible()) {
                    QVERIFY2(table->viewport()->height() >= 2 * table->rowHeight(0),
                             qPrintable(table->objectName()));
                }
            }
        }
    }

    void theSmallConveniencesAreThere() {
        // each check message with its place beside it
        enterSpanCount(2);
        addLoad(0);
        click(b("checkButton"));
        auto* messages = find<QTableWidget>(window.get(), "messageTable");
        QCOMPARE(column(messages, 0), QStringList({"第1跨", "第1跨第1个荷载", "第2跨"}));
        QCOMPARE(column(messages, 1),
                 QStringList({"第1跨跨度为零!", "第1跨集中力为零!", "第2跨跨度为零!"}));
        find<QWidget>(window.get(), "confirmButton")->setFocus();
        QTest::keyClick(find<QWidget>(window.get(), "confirmButton"), Qt::Key_Return);

        QCOMPARE(b("computeLineStiffnessButton")->toolTip(), QStringLiteral("i = EI / L"));
        // Enter presses the button that has the focus, as Space does
        b("addLoadButton")->setFocus();
        QTest::keyClick(b("addLoadButton"), Qt::Key_Return);
        QTRY_COMPARE(project().beam.span(1).loadCount(), 2);
        QTest::keyClick(b("addLoadButton"), Qt::Key_Space);
        QTRY_COMPARE(project().beam.span(1).loadCount(), 3);

        // the help explains what the windows now offer
        const QString help = helpParagraphs().join(QLatin1Char('\n'));
        for (const char* topic : {"恒载 G", "活载 Q", "基本组合", "包络", "准永久组合", "表 3.4.3",
                                  "验证算例", "2.0E+07"}) {
            QVERIFY2(help.contains(QString::fromUtf8(topic)), topic);
        }
    }

    void theCombinationDialogSetsTheFactorsOrSaysWhyNot() {
        auto setFactors = [this](const char* dead, bool favourable) {
            action("combinationAction")->trigger();
            auto* dialog = find<QDialog>(window.get(), "combinationDialog");
            retype(find<QLineEdit>(dialog, "deadFactorField"), QString::fromLatin1(dead));
            find<QCheckBox>(dialog, "deadFavourableBox")->setChecked(favourable);
            click(
                find<QDialogButtonBox>(dialog, "combinationButtons")->button(QDialogButtonBox::Ok));
            QTRY_VERIFY(window->findChild<QDialog*>(QStringLiteral("combinationDialog")) ==
                        nullptr);
        };
        setFactors("1.35", true);
        QCOMPARE(project().beam.factors.dead, 1.35f);
        QCOMPARE(project().beam.factors.deadFavourable, std::optional<float>(1.0f));
        QCOMPARE(action("undoAction")->text(), QStringLiteral("撤销 荷载组合"));
        prompter->expectMessage(QString()); // any reason will do: the value is refused
        setFactors("0", false);
        QCOMPARE(project().beam.factors.dead, 1.35f);

        // the deflection settings: psi_q and a limit from the list, in the same step
        action("combinationAction")->trigger();
        auto* dialog = find<QDialog>(window.get(), "combinationDialog");
        retype(find<QLineEdit>(dialog, "quasiPermanentField"), QStringLiteral("0.4"));
        auto* limits = find<QComboBox>(dialog, "deflectionLimitList");
        QCOMPARE(limits->currentText(), QStringLiteral("按 GB 50010 表 3.4.3"));
        QVERIFY(!find<QLineEdit>(dialog, "deflectionLimitField")->isEnabled());
        limits->setFocus();
        QTest::keyClick(limits, Qt::Key_Down); // a fixed l0/200
        QCOMPARE(find<QLineEdit>(dialog, "deflectionLimitField")->text(), QStringLiteral("200"));
        click(find<QDialogButtonBox>(dialog, "combinationButtons")->button(QDialogButtonBox::Ok));
        QTRY_VERIFY(window->findChild<QDialog*>(QStringLiteral("combinationDialog")) == nullptr);
        QCOMPARE(project().beam.deflection, (DeflectionSettings{0.4f, 200}));
        action("undoAction")->trigger();
        QCOMPARE(project().beam.deflection, DeflectionSettings{});
    }
};

QTEST_MAIN(SafeguardsTest)
#include "safeguards_test.moc"
