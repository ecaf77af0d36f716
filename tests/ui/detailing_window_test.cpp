// The detailing as a user reaches it: the member typed in 构件… (a number out of range refused
// with the visit kept, one undo step), the 配筋详图 tab with the drawing and its tables after a
// calculation, renaming the member following at once, the DXF exported through the file
// dialog and read back; a stale result or an undetailed beam refused in words.
#include "UiTestSupport.h"

#include "ui/dialogs/ResultWindow.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace spanwise;
using namespace spanwise::testing_support;

class DetailingWindowTest : public QObject, public MainWindowHarness {
    Q_OBJECT

    QDialog* openMember() {
        action("memberAction")->trigger();
        return find<QDialog>(window.get(), "memberDialog");
    }
    void pressOk(QDialog* dialog) {
        click(find<QDialogButtonBox>(dialog, "memberButtons")->button(QDialogButtonBox::Ok));
    }
    void chooseRow(QComboBox* box, int row) {
        box->setFocus();
        while (box->currentIndex() < row) {
            QTest::keyClick(box, Qt::Key_Down);
        }
    }
    // The row of the tab's table titled `title` whose first cell is `first`, tab-joined.
    static QString rowStarting(QWidget* page, const QString& title, const QString& first) {
        for (auto* table : page->findChildren<QTableWidget*>()) {
            if (table->accessibleName() != title) {
                continue;
            }
            for (int r = 0; r < table->rowCount(); ++r) {
                if (table->item(r, 0) && table->item(r, 0)->text() == first) {
                    QStringList cells;
                    for (int c = 0; c < table->columnCount(); ++c) {
                        cells << (table->item(r, c) ? table->item(r, c)->text() : QString());
                    }
                    return cells.join(QLatin1Char('\t'));
                }
            }
        }
        return {};
    }

private slots:
    void init() { open(); }
    void cleanup() { QVERIFY2(close(), "something expected did not happen"); }

    void memberTypedShowsInTheTabAndTheDxf() {
        // two 6 m spans, 250×500, C30, HRB400, 6C12 at the bottom of each span
        QVERIFY(window->openProjectFile(
            QStringLiteral(SPANWISE_TEST_DATA_DIR "/redistributed_two_spans.BMD")));
        click(b("checkButton"));
        click(b("calculateButton"));
        ResultWindow* results = window->resultWindow();
        QVERIFY(results != nullptr);
        auto* tabs = find<QTabWidget>(results, "resultTabs");
        auto* page = find<QWidget>(results, "detailingPage");
        QVERIFY(tabs->isTabVisible(tabs->indexOf(page)));
        tabs->setCurrentWidget(page);
        QApplication::processEvents();
        auto* summary = find<QLabel>(page, "detailingSummary");
        QVERIFY(summary->text().startsWith(QStringLiteral("构件：L1(2)（非框架梁")));
        QVERIFY(find<QWidget>(page, "detailingSheetView")->height() > 100);
        // the schedule's bottom bars: 2 × 6 bars of 6290 mm = 75.48 m; 12 mm weighs
        // 0.00617 × 12² = 0.88848 kg/m, 75.48 × 0.88848 = 67.06 kg
        QCOMPARE(rowStarting(page, QStringLiteral("钢筋表"), QStringLiteral("1"))
                     .section(QLatin1Char('\t'), 3),
                 QStringLiteral("C12\t6290\t12\t75.48\t67.06"));

        // the member typed: 0 is no number a drawing gives; the rest of the visit kept
        QDialog* dialog = openMember();
        chooseRow(find<QComboBox>(dialog, "memberCodeList"), 1);
        retype(find<QLineEdit>(dialog, "memberNumberField"), QStringLiteral("0"));
        retype(find<QLineEdit>(dialog, "secondaryWidthField"), QStringLiteral("250"));
        pressOk(dialog);
        QVERIFY(dialog->isVisible());
        QCOMPARE(find<QLabel>(dialog, "dialogStatus")->text(),
                 QStringLiteral("构件编号应为 1～999"));
        QCOMPARE(dialog->focusWidget(), find<QLineEdit>(dialog, "memberNumberField"));
        QCOMPARE(find<QLineEdit>(dialog, "secondaryWidthField")->text(), QStringLiteral("250"));
        QCOMPARE(project().beam.member.number, 1);
        retype(find<QLineEdit>(dialog, "memberNumberField"), QStringLiteral("2.5"));
        pressOk(dialog);
        QCOMPARE(find<QLabel>(dialog, "dialogStatus")->text(), QStringLiteral("应为整数"));
        retype(find<QLineEdit>(dialog, "memberNumberField"), QStringLiteral("2"));
        pressOk(dialog);
        QTRY_VERIFY(window->findChild<QDialog*>(QStringLiteral("memberDialog")) == nullptr);
        QCOMPARE(project().beam.member.code, MemberCode::Frame);
        QCOMPARE(project().beam.member.number, 2);
        QCOMPARE(project().beam.member.secondaryWidth, 250);
        QCOMPARE(action("undoAction")->text(), QStringLiteral("撤销 构件"));
        // the forces are the same: the tab follows at once, nothing stale
        QVERIFY(!find<QWidget>(results, "staleNotice")->isVisible());
        QVERIFY(summary->text().startsWith(QStringLiteral("构件：KL2(2)（框架梁")));

        // the DXF: the file dialog answered, the drawing written and named in it
        QTemporaryDir folder;
        const QString dxf = folder.filePath(QStringLiteral("KL2.dxf"));
        prompter->expectFile(dxf);
        find<QAction>(results, "exportDxfAction")->trigger();
        QFile file(dxf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("0\r\nSECTION\r\n2\r\nHEADER"));
        QVERIFY(bytes.contains("KL2(2)"));
        QVERIFY(bytes.trimmed().endsWith("EOF"));

        // undone: L1 again, and the tab with it
        action("undoAction")->trigger();
        QCOMPARE(project().beam.member.code, MemberCode::NonFrame);
        QTRY_VERIFY(summary->text().startsWith(QStringLiteral("构件：L1(2)")));
    }

    void staleResultsAreNotExported() {
        QVERIFY(window->openProjectFile(
            QStringLiteral(SPANWISE_TEST_DATA_DIR "/redistributed_two_spans.BMD")));
        click(b("checkButton"));
        click(b("calculateButton"));
        ResultWindow* results = window->resultWindow();
        QVERIFY(results != nullptr);
        // a support made wider: the forces change, the drawing would not be the beam's
        action("supportsAction")->trigger();
        auto* dialog = find<QDialog>(window.get(), "supportsDialog");
        retype(find<QLineEdit>(dialog, "supportWidthField1"), QStringLiteral("0.5"));
        click(find<QDialogButtonBox>(dialog, "supportsButtons")->button(QDialogButtonBox::Ok));
        QTRY_VERIFY(window->findChild<QDialog*>(QStringLiteral("supportsDialog")) == nullptr);
        QVERIFY(find<QWidget>(results, "staleNotice")->isVisible());
        prompter->expectMessage(QStringLiteral("这些结果已过时，不能导出 DXF"));
        find<QAction>(results, "exportDxfAction")->trigger();
    }
};

QTEST_MAIN(DetailingWindowTest)
#include "detailing_window_test.moc"
