// The supports' axes as a user names them: typed key by key in the supports' dialog (a name
// given twice refused with the rest of the visit kept), then seen under the supports of the
// beam sketch, in the result window's tables and in the 计算书 read back from the PDF; renamed
// after a calculation, the results follow without a new one.
#include "UiTestSupport.h"
#include "model/Axes.h"

#include "ui/dialogs/ResultWindow.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QProcess>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace spanwise;
using namespace spanwise::testing_support;

class AxesWindowTest : public QObject, public MainWindowHarness {
    Q_OBJECT

    QDialog* openSupports() {
        action("supportsAction")->trigger();
        return find<QDialog>(window.get(), "supportsDialog");
    }
    void pressOk(QDialog* dialog) {
        click(find<QDialogButtonBox>(dialog, "supportsButtons")->button(QDialogButtonBox::Ok));
    }
    // Chooses the style as a user does from the keyboard: focus on the list, arrows to the row.
    void chooseStyle(QDialog* dialog, int row) {
        auto* box = find<QComboBox>(dialog, "axisStyleBox");
        box->setFocus();
        while (box->currentIndex() < row) {
            QTest::keyClick(box, Qt::Key_Down);
        }
        while (box->currentIndex() > row) {
            QTest::keyClick(box, Qt::Key_Up);
        }
    }
    QLineEdit* axisField(QDialog* dialog, int j) {
        return find<QLineEdit>(dialog, ("axisField" + QByteArray::number(j)).constData());
    }
    static QString cell(QTableWidget* table, int row, int column) {
        return table->item(row, column) ? table->item(row, column)->text() : QString();
    }

private slots:
    void init() { open(); }
    void cleanup() { QVERIFY2(close(), "something expected did not happen"); }

    void typedAxesShowEverywhereAndFollowARename() {
        // two 6 m spans with sections, beta 0.2 over the middle support
        QVERIFY(window->openProjectFile(
            QStringLiteral(SPANWISE_TEST_DATA_DIR "/redistributed_two_spans.BMD")));
        QDialog* dialog = openSupports();
        // numbered by default; the fields show the numbers and cannot be typed into
        QCOMPARE(axisField(dialog, 0)->text(), QStringLiteral("①"));
        QVERIFY(!axisField(dialog, 1)->isEnabled());
        // 逐个输入, passing A B C… on the way down: the names last shown are where typing starts
        chooseStyle(dialog, 2);
        QVERIFY(axisField(dialog, 1)->isEnabled());
        QCOMPARE(axisField(dialog, 2)->text(), QStringLiteral("C"));
        retype(axisField(dialog, 0), QStringLiteral("A"));
        retype(axisField(dialog, 1), QStringLiteral("A"));
        retype(axisField(dialog, 2), QStringLiteral("C"));
        retype(find<QLineEdit>(dialog, "supportWidthField1"), QStringLiteral("0.4"));
        pressOk(dialog);
        // one axis given twice: refused, the visit kept, the second A marked
        QVERIFY(dialog->isVisible());
        QCOMPARE(find<QLabel>(dialog, "dialogStatus")->text(),
                 QStringLiteral("轴号“A”重复（从左数第 1、2 个支座）"));
        QCOMPARE(dialog->focusWidget(), axisField(dialog, 1));
        QCOMPARE(find<QLineEdit>(dialog, "supportWidthField1")->text(), QStringLiteral("0.4"));
        QCOMPARE(project().beam.axisStyle, AxisStyle::Numbers);
        retype(axisField(dialog, 1), QStringLiteral("B"));
        pressOk(dialog);
        QTRY_VERIFY(window->findChild<QDialog*>(QStringLiteral("supportsDialog")) == nullptr);
        QCOMPARE(project().beam.axisStyle, AxisStyle::Typed);
        QCOMPARE(axisLabel(project().beam, 1), std::string("B"));
        QCOMPARE(supportDesign(project().beam, 1).width, 0.4f);
        QCOMPARE(action("undoAction")->text(), QStringLiteral("撤销 支座宽度与调幅"));

        click(b("checkButton"));
        click(b("calculateButton"));
        ResultWindow* results = window->resultWindow();
        QVERIFY(results != nullptr);
        auto* reactions = find<QTableWidget>(results, "reactionTable");
        QCOMPARE(cell(reactions, 0, 0), QStringLiteral("A轴支座"));
        QCOMPARE(cell(reactions, 1, 0), QStringLiteral("B轴支座"));
        QCOMPARE(cell(reactions, 2, 0), QStringLiteral("C轴支座"));
        auto* supports = find<QTableWidget>(results, "envelopeSupportTable");
        QCOMPARE(cell(supports, 1, 0), QStringLiteral("B轴支座"));
        auto* faces = find<QTableWidget>(results, "designFaceTable");
        QCOMPARE(cell(faces, 1, 1), QStringLiteral("B轴支座左边缘"));
        QCOMPARE(cell(faces, 2, 1), QStringLiteral("B轴支座右边缘"));
        auto* steel = find<QTableWidget>(results, "designSteelTable2");
        QCOMPARE(cell(steel, 0, 0), QStringLiteral("B轴支座右边缘"));
        // at the size the window opens with (within a laptop's 1366 x 768) the faces' and the
        // steel's tables show every column: no sideways scrolling
        QVERIFY(results->width() <= 1366 && results->height() <= 768);
        auto* tabs = find<QTabWidget>(results, "resultTabs");
        for (const char* page : {"designForcesPage", "designPage"}) {
            tabs->setCurrentWidget(find<QWidget>(results, page));
            QApplication::processEvents();
        }
        for (QTableWidget* table :
             {faces, steel, find<QTableWidget>(results, "designShearTable1")}) {
            QCOMPARE(table->horizontalScrollBar()->maximum(), 0);
        }

        // the 计算书: the sketch has the axes under its supports, between the spans' names,
        // and the tables name the supports by them
        QTemporaryDir folder;
        const QString pdf = folder.filePath(QStringLiteral("axes.pdf"));
        prompter->expectFile(pdf);
        find<QAction>(results, "exportReportAction")->trigger();
        QProcess text;
        text.start(QStringLiteral("pdftotext"),
                   {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        QVERIFY(text.waitForFinished(60000));
        const QString words = QString::fromUtf8(text.readAllStandardOutput());
        QVERIFY(words.contains(
            QRegularExpression(QStringLiteral("A\\s+第1跨 L=6\\s+B\\s+第2跨 L=6\\s+C"))));
        QVERIFY(words.contains(QStringLiteral("B轴支座左边缘")));
        QVERIFY(words.contains(QStringLiteral("调幅：B轴支座 β = 0.2")));
        QVERIFY(!words.contains(QStringLiteral("第1支座")));

        // lettered after the calculation: the results follow at once, nothing stale
        dialog = openSupports();
        chooseStyle(dialog, 1);
        QCOMPARE(axisField(dialog, 1)->text(), QStringLiteral("B"));
        QVERIFY(!axisField(dialog, 1)->isEnabled());
        pressOk(dialog);
        QTRY_VERIFY(window->findChild<QDialog*>(QStringLiteral("supportsDialog")) == nullptr);
        QCOMPARE(project().beam.axisStyle, AxisStyle::Letters);
        QVERIFY(!find<QWidget>(results, "staleNotice")->isVisible());
        QCOMPARE(cell(reactions, 0, 0), QStringLiteral("A轴支座"));
        QCOMPARE(cell(faces, 1, 1), QStringLiteral("B轴支座左边缘"));
        // and numbered again: ① in every table at once
        dialog = openSupports();
        chooseStyle(dialog, 0);
        pressOk(dialog);
        QTRY_VERIFY(window->findChild<QDialog*>(QStringLiteral("supportsDialog")) == nullptr);
        QCOMPARE(cell(reactions, 0, 0), QStringLiteral("①轴支座"));
        QCOMPARE(cell(faces, 3, 1), QStringLiteral("③轴支座左边缘"));
        QVERIFY(!find<QWidget>(results, "staleNotice")->isVisible());
    }
};

QTEST_MAIN(AxesWindowTest)
#include "axes_window_test.moc"
