// The design data as a user enters them: a section typed key by key in its dialog, the stiffness
// fields showing what it gives, a support's width and beta in the supports' table (refused
// where out of range), every step undone by name; then the check, the calculation and the 设计内力
// tab with the forces worked by hand.
#include "UiTestSupport.h"

#include "ui/dialogs/ResultWindow.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>

using namespace spanwise;
using namespace spanwise::testing_support;

class DesignWindowTest : public QObject, public MainWindowHarness {
    Q_OBJECT

    // Types b and h (width, depth) into the section dialog of the span shown and presses OK.
    void typeSection(const QString& width, const QString& depth) {
        click(b("sectionButton"));
        auto* dialog = find<QDialog>(window.get(), "sectionDialog");
        retype(find<QLineEdit>(dialog, "sectionWidthField"), width);
        retype(find<QLineEdit>(dialog, "sectionDepthField"), depth);
        click(find<QDialogButtonBox>(dialog, "sectionButtons")->button(QDialogButtonBox::Ok));
        QTRY_VERIFY(window->findChild<QDialog*>(QStringLiteral("sectionDialog")) == nullptr);
    }

    // Types the width and beta of support j into the supports' dialog and presses OK.
    void typeSupport(int j, const QString& width, const QString& beta) {
        action("supportsAction")->trigger();
        auto* dialog = find<QDialog>(window.get(), "supportsDialog");
        const QByteArray n = QByteArray::number(j);
        retype(find<QLineEdit>(dialog, ("supportWidthField" + n).constData()), width);
        retype(find<QLineEdit>(dialog, ("redistributionField" + n).constData()), beta);
        QVERIFY(!find<QLineEdit>(dialog, "redistributionField0")->isEnabled()); // a simple end
        click(find<QDialogButtonBox>(dialog, "supportsButtons")->button(QDialogButtonBox::Ok));
        QTRY_VERIFY(window->findChild<QDialog*>(QStringLiteral("supportsDialog")) == nullptr);
    }

    QString cell(QTableWidget* table, int row, int column) {
        return table->item(row, column) ? table->item(row, column)->text() : QString();
    }

private slots:
    void init() { open(); }
    void cleanup() { QVERIFY2(close(), "something expected did not happen"); }

    void aSectionAWidthAndABetaThenTheDesignForces() {
        QVERIFY(
            window->openProjectFile(QStringLiteral(SPANWISE_TEST_DATA_DIR "/two_equal_spans.BMD")));
        // span 1: 250 x 500 of C30 gives EI = 3.0e4 x 250 x 500^3 / 12 x 1e-9 = 78125 kN m^2
        typeSection(QStringLiteral("250"), QStringLiteral("500"));
        QCOMPARE(project().beam.span(1).section->depth, 500.0f);
        QCOMPARE(action("undoAction")->text(), QStringLiteral("撤销 修改截面"));
        QCOMPARE(w("rigidityField")->text(), QStringLiteral("78125"));
        QCOMPARE(w("lineStiffnessField")->text(), QStringLiteral("13020.83"));
        QVERIFY(w("rigidityField")->isReadOnly());
        QCOMPARE(find<QLabel>(window.get(), "stiffnessSource")->text(),
                 QStringLiteral("EI、i 由截面 250×500、C30 计算"));
        click(b("nextSpanButton"));
        QVERIFY(!w("rigidityField")->isReadOnly()); // span 2 has none yet: typed EI
        typeSection(QStringLiteral("250"), QStringLiteral("500"));

        // beta 0.3 is out of its range: said, and nothing changes
        prompter->expectMessage(QStringLiteral("调幅系数 β 应在 0～0.25 之间"));
        typeSupport(1, QStringLiteral("0.3"), QStringLiteral("0.3"));
        QCOMPARE(supportDesign(project().beam, 1), SupportDesign{});
        typeSupport(1, QStringLiteral("0.3"), QStringLiteral("0.2"));
        QCOMPARE(supportDesign(project().beam, 1), (SupportDesign{0.3f, 0.2f, std::nullopt}));
        QCOMPARE(action("undoAction")->text(), QStringLiteral("撤销 支座宽度与调幅"));
        action("undoAction")->trigger();
        QCOMPARE(supportDesign(project().beam, 1), SupportDesign{});
        action("redoAction")->trigger();

        click(b("checkButton"));
        click(b("calculateButton"));
        ResultWindow* results = window->resultWindow();
        QVERIFY(results != nullptr);
        auto* tabs = find<QTabWidget>(results, "resultTabs");
        auto* page = find<QWidget>(results, "designForcesPage");
        QVERIFY(tabs->isTabVisible(tabs->indexOf(page)));
        QCOMPARE(tabs->tabText(tabs->indexOf(page)), QStringLiteral("设计内力"));

        // q = 1.3 x 10 = 13 kN/m on two 6 m spans: R_A = 3/8 x 13 x 6 = 29.25; at the face
        // 0.15 m left of B: M = 29.25 x 5.85 - 6.5 x 5.85^2 = -51.334, x 0.8 = -41.067; V =
        // 29.25 - 13 x 5.85 = -46.8, more than the redistributed -37.05 - 0.8 x 58.5 / 6 =
        // -44.85. In the span: elastic 29.25^2 / 26 = 32.906, against 1.02 x 58.5 - 46.8 / 2 =
        // 36.27 (and 58.5 / 3): the redistributed value governs, at mid-span.
        auto* faces = find<QTableWidget>(results, "designFaceTable");
        QCOMPARE(faces->rowCount(), 4);
        QCOMPARE(cell(faces, 1, 2), QStringLiteral("第1支座"));
        QCOMPARE(cell(faces, 1, 3), QStringLiteral("5.85"));
        QCOMPARE(cell(faces, 1, 4), QStringLiteral("0.2"));
        QCOMPARE(cell(faces, 1, 5), QStringLiteral("-51.334"));
        QCOMPARE(cell(faces, 1, 6), QStringLiteral("-41.067"));
        QCOMPARE(cell(faces, 1, 8), QStringLiteral("-46.8"));
        auto* spans = find<QTableWidget>(results, "designSpanTable");
        QCOMPARE(cell(spans, 0, 1), QStringLiteral("32.906"));
        QCOMPARE(cell(spans, 0, 3), QStringLiteral("58.5"));
        QCOMPARE(cell(spans, 0, 4), QStringLiteral("36.27"));
        QCOMPARE(cell(spans, 0, 5), QStringLiteral("3"));
        QCOMPARE(cell(spans, 0, 6), QStringLiteral("1.02M0−(Ml+Mr)/2"));

        // a width changed after the calculation makes the results stale, like any edit
        typeSupport(1, QStringLiteral("0.4"), QStringLiteral("0.2"));
        QVERIFY(find<QWidget>(results, "staleNotice")->isVisible());
    }

    void aProjectWithoutDesignDataHasNoDesignTab() {
        QVERIFY(
            window->openProjectFile(QStringLiteral(SPANWISE_TEST_DATA_DIR "/two_equal_spans.BMD")));
        click(b("checkButton"));
        click(b("calculateButton"));
        ResultWindow* results = window->resultWindow();
        QVERIFY(results != nullptr);
        auto* tabs = find<QTabWidget>(results, "resultTabs");
        QVERIFY(!tabs->isTabVisible(tabs->indexOf(find<QWidget>(results, "designForcesPage"))));
        QCOMPARE(find<QLabel>(window.get(), "stiffnessSource")->text(), QString());
    }
};

QTEST_MAIN(DesignWindowTest)
#include "design_window_test.moc"
