// The section search as a user runs it: 计算 → 选择截面… on the examples' main beam, a range
// typed key by key, 搜索, the table with the least passing section marked, 采用 setting it on
// every span in one undo step (the flange kept), and a range that cannot be searched said in
// words.
#include "UiTestSupport.h"

#include <QDialog>
#include <QTableWidget>
#include <QtTest>

using namespace spanwise;
using namespace spanwise::testing_support;

class SectionSearchWindowTest : public QObject, public MainWindowHarness {
    Q_OBJECT

    QDialog* openSearch() {
        action("sectionSearchAction")->trigger();
        return find<QDialog>(window.get(), "sectionSearchDialog");
    }
    void typeRange(QDialog* d, const char* from, const char* to, const char* step,
                   const char* widths) {
        retype(find<QLineEdit>(d, "minDepthField"), QString::fromLatin1(from));
        retype(find<QLineEdit>(d, "maxDepthField"), QString::fromLatin1(to));
        retype(find<QLineEdit>(d, "depthStepField"), QString::fromLatin1(step));
        retype(find<QLineEdit>(d, "widthsField"), QString::fromLatin1(widths));
    }

private slots:
    void init() { open(); }
    void cleanup() { QVERIFY2(close(), "something expected did not happen"); }

    void theLeastPassingSectionIsMarkedAndAdopted() {
        QVERIFY(window->openProjectFile(QStringLiteral(SPANWISE_EXAMPLES_DIR "/main_beam.BMD")));
        QDialog* dialog = openSearch();
        // the rule of thumb of a 6.3 m non-frame beam: 6300/18 = 350 to 6300/12 = 525 → 550
        QCOMPARE(find<QLineEdit>(dialog, "minDepthField")->text(), QStringLiteral("350"));
        QCOMPARE(find<QLineEdit>(dialog, "maxDepthField")->text(), QStringLiteral("550"));
        QCOMPARE(find<QLineEdit>(dialog, "widthsField")->text(), QStringLiteral("300"));
        typeRange(dialog, "500", "600", "50", "250,300");
        click(find<QPushButton>(dialog, "searchButton"));
        auto* table = find<QTableWidget>(dialog, "candidateTable");
        QCOMPARE(table->rowCount(), 6); // 3 depths × 2 widths, by h then b
        QCOMPARE(table->item(0, 0)->text(), QStringLiteral("500"));
        QCOMPARE(table->item(0, 1)->text(), QStringLiteral("250"));
        QCOMPARE(table->item(0, 7)->text(), QStringLiteral("★"));
        QCOMPARE(find<QLabel>(dialog, "searchWords")->text(),
                 QStringLiteral("最小满足要求的截面：250×500"));
        click(find<QPushButton>(dialog, "adoptSectionButton"));
        QTRY_VERIFY(window->findChild<QDialog*>(QStringLiteral("sectionSearchDialog")) == nullptr);
        for (const Span& span : project().beam.spans) {
            QCOMPARE(span.section->width, 250.0f);
            QCOMPARE(span.section->depth, 500.0f);
            QCOMPARE(span.section->flangeWidth, 2100.0f); // the T keeps its flange
        }
        QCOMPARE(action("undoAction")->text(), QStringLiteral("撤销 选择截面"));
        action("undoAction")->trigger();
        QCOMPARE(project().beam.span(1).section->depth, 650.0f);
    }

    void aRangeThatCannotBeSearchedIsSaid() {
        QVERIFY(window->openProjectFile(QStringLiteral(SPANWISE_EXAMPLES_DIR "/main_beam.BMD")));
        QDialog* dialog = openSearch();
        typeRange(dialog, "800", "450", "50", "300");
        click(find<QPushButton>(dialog, "searchButton"));
        QCOMPARE(find<QLabel>(dialog, "searchWords")->text(),
                 QStringLiteral("最小梁高 800 大于最大梁高 450"));
        QVERIFY(!find<QPushButton>(dialog, "adoptSectionButton")->isEnabled());
        dialog->reject();
    }
};

QTEST_MAIN(SectionSearchWindowTest)
#include "section_search_window_test.moc"
