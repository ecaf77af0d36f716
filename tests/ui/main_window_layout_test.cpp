// The main window's shape as the user sees it: the sketch of the whole beam, the layout at its
// smallest and enlarged, and the keyboard order.
#include "UiTestSupport.h"

#include "ui/main/BeamSketch.h"

#include <QComboBox>
#include <QGroupBox>
#include <QtTest>

using namespace spanwise;
using namespace spanwise::testing_support;

class MainWindowLayoutTest : public QObject, public MainWindowHarness {
    Q_OBJECT

private slots:
    void init() { open(); }
    void cleanup() { QVERIFY2(close(), "something expected did not happen"); }

    void theBeamSketchFollowsTheSpanAndAClickPicksOne() {
        loadedSpans(3);
        auto* sketch = find<BeamSketch>(window.get(), "beamSketch");
        QCOMPARE(sketch->currentSpan(), 3);
        // three equal spans drawn to scale: a sixth of the width in is the first
        auto* length = w("spanLengthField");
        length->setFocus();
        const QString lastStep = action("undoAction")->text();
        QTest::mouseClick(sketch, Qt::LeftButton, {}, QPoint(sketch->width() / 6, 20));
        QCOMPARE(w("shownSpanField")->text(), QStringLiteral("1"));
        QCOMPARE(project().currentSpan, 1);
        QCOMPARE(sketch->currentSpan(), 1);
        QVERIFY(!length->hasFocus()); // the entry in the field is finished first
        QTest::mouseClick(sketch, Qt::LeftButton, {}, QPoint(sketch->width() / 2, 20));
        QCOMPARE(project().currentSpan, 2);
        QCOMPARE(action("undoAction")->text(), lastStep); // showing a span changes nothing
    }

    void theWindowKeepsItsShapeSmallestAndEnlarged() {
        // no two controls overlap, and each caption stays beside its field
        auto controlsOverlap = [this]() -> QString {
            QList<QWidget*> controls;
            for (QWidget* c : window->centralWidget()->findChildren<QWidget*>()) {
                if (c->isVisible() && !c->objectName().isEmpty() &&
                    qobject_cast<QGroupBox*>(c) == nullptr) {
                    controls << c;
                }
            }
            for (QWidget* a : controls) {
                for (QWidget* b : controls) {
                    const QRect ra(a->mapTo(window.get(), QPoint()), a->size());
                    const QRect rb(b->mapTo(window.get(), QPoint()), b->size());
                    if (a < b && !a->isAncestorOf(b) && !b->isAncestorOf(a) && ra.intersects(rb)) {
                        return a->objectName() + QStringLiteral(" / ") + b->objectName();
                    }
                }
            }
            return {};
        };
        auto gap = [this](const char* caption, const char* field) {
            QWidget* c = find<QWidget>(window.get(), caption);
            QWidget* f = find<QWidget>(window.get(), field);
            return f->mapTo(window.get(), QPoint()).x() -
                   (c->mapTo(window.get(), QPoint()).x() + c->width());
        };
        addLoad(0); // P, a and b shown
        window->resize(window->minimumSizeHint());
        QTRY_COMPARE(window->size(), window->minimumSizeHint());
        QVERIFY2(controlsOverlap().isEmpty(), qPrintable(controlsOverlap()));
        const int smallList = list("spanLoadList")->height();
        const int smallSketch = find<QWidget>(window.get(), "beamSketch")->height();

        window->resize(1600, 1000);
        QTRY_COMPARE(window->width(), 1600);
        QVERIFY2(controlsOverlap().isEmpty(), qPrintable(controlsOverlap()));
        QVERIFY(list("spanLoadList")->height() > smallList + 100);
        QVERIFY(find<QWidget>(window.get(), "beamSketch")->height() > smallSketch);
        for (const auto& [caption, field] : {std::pair{"spanCountLabel", "spanCountField"},
                                             {"spanLengthLabel", "spanLengthField"},
                                             {"leftSupportLabel", "leftSupportList"},
                                             {"forceLabel", "forceField"},
                                             {"distanceALabel", "distanceAField"},
                                             {"rigidityLabel", "rigidityField"}}) {
            const int between = gap(caption, field);
            QVERIFY2(between >= 0 && between < 24, caption);
        }
    }

    void tabGoesThroughTheWindowInReadingOrder() {
        enterSpanCount(3); // the middle span: every span button enabled
        showSpan(2);
        addLoad(0);
        const QStringList expected{"spanCountField",
                                   "moreSpansButton",
                                   "fewerSpansButton",
                                   "leftSupportList",
                                   "rightSupportList",
                                   "shownSpanField",
                                   "previousSpanButton",
                                   "nextSpanButton",
                                   "spanLengthField",
                                   "sectionButton",
                                   "copyPreviousSpanButton",
                                   "deleteSpanButton",
                                   "insertSpanButton",
                                   "loadKindList",
                                   "newLoadCaseList",
                                   "addLoadButton",
                                   "deleteLoadButton",
                                   "deleteAllLoadsButton",
                                   "spanLoadList",
                                   "forceField",
                                   "distanceAField",
                                   "selectedLoadCaseList",
                                   "distanceBField",
                                   "rigidityField",
                                   "lineStiffnessField",
                                   "computeLineStiffnessButton",
                                   "checkButton"};
        QStringList visited;
        QWidget* at = w("spanCountField");
        for (int i = 0; i < 40 && visited.size() < expected.size(); ++i) {
            if (at->isVisible() && at->isEnabled() && (at->focusPolicy() & Qt::TabFocus) &&
                !at->objectName().isEmpty() && at->window() == window.get()) {
                visited << at->objectName();
            }
            at = at->nextInFocusChain();
        }
        QCOMPARE(visited.join(QLatin1Char(' ')), expected.join(QLatin1Char(' ')));
    }
};

QTEST_MAIN(MainWindowLayoutTest)
#include "main_window_layout_test.moc"
