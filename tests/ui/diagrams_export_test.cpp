// The result window beyond the table: diagrams, reactions, the report and the CSV export.
#include "UiTestSupport.h"

#include "analysis/Calculation.h"
#include "report/DiagramPainter.h"
#include "ui/dialogs/DiagramPanel.h"
#include "ui/dialogs/ResultWindow.h"

#include <QAction>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QProcess>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace spanwise;
using namespace spanwise::testing_support;

namespace {

// Two spans of 6 m, q = 10 on both, and a force of 20 kN at 2 m on span 1.
BeamModel twoSpans() {
    BeamModel m;
    m.SpanCount = 2;
    m.SpanLength[1] = m.SpanLength[2] = 6;
    for (int s = 1; s <= 2; ++s) {
        m.LoadCount[s] = 1;
        m.LoadKindOf[s][1] = Uniform;
        m.LoadText[s][1] = "均布荷载";
        m.LoadQ[s][1] = 10;
    }
    m.LoadCount[1] = 2;
    m.LoadKindOf[1][2] = Concentrated;
    m.LoadText[1][2] = "集中力";
    m.LoadP[1][2] = 20;
    m.LoadA[1][2] = 2;
    m.LoadB[1][2] = 4;
    m.ProjectFileName = "/projects/双跨梁.BMD";
    return m;
}

QStringList csvFields(const QString& line) {
    return line.split(QLatin1Char(','));
}

} // namespace

class DiagramsExportTest : public QObject {
    Q_OBJECT

private:
    BeamModel model;
    BeamResults results;
    ScriptedPrompter prompter;
    std::unique_ptr<ResultWindow> window;
    std::unique_ptr<QTemporaryDir> dir;

    template <typename T = QLineEdit> T* w(const char* name) { return find<T>(window.get(), name); }
    void run(const char* command) {
        auto* action = window->findChild<QAction*>(QString::fromLatin1(command));
        QVERIFY(action != nullptr);
        action->trigger();
    }

private slots:
    void init() {
        prompter.asked.clear();
        prompter.told.clear();
        dir = std::make_unique<QTemporaryDir>();
        model = twoSpans();
        calculate(model, results);
        window = std::make_unique<ResultWindow>(model, results, prompter);
        window->show();
        window->fill();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    void cleanup() {
        QVERIFY(prompter.allAnswered());
        window.reset();
    }

    void clickingTheDiagramMovesTheQuery() {
        auto* tabs = w<QTabWidget>("resultTabs");
        auto* panel = w<DiagramPanel>("DiagramPanel");
        tabs->setCurrentWidget(panel);
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        // the beam spans the middle 86 % of the drawing: a click at three quarters of it lies
        // in span 2
        const QRectF area = QRectF(panel->rect()).adjusted(6, 6, -6, -6);
        const double x = area.left() + area.width() * (0.08 + 0.86 * 0.75);
        QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(int(x), panel->height() / 2));
        QCOMPARE(w("Currentnumber")->text(), QStringLiteral("2"));
        const float distance = w("TX")->text().toFloat();
        QVERIFY2(std::fabs(distance - 3.0f) < 0.05f, qPrintable(w("TX")->text()));
        QVERIFY(panel->marker().has_value());
        QCOMPARE(panel->marker()->span, 2);
        QVERIFY(!w("CM")->text().isEmpty());
        // typing a distance moves the marker too
        retype(w("TX"), QStringLiteral("1"));
        QCOMPARE(panel->marker()->x, 1.0f);
        QVERIFY(!panel->grab().isNull());
    }

    void theReactionsTableBalancesTheLoads() {
        auto* table = w<QTableWidget>("Reactions");
        QCOMPARE(table->horizontalHeaderItem(1)->text(), QStringLiteral("反力(kN)"));
        QCOMPARE(table->rowCount(), 3);
        double sum = 0;
        for (int r = 0; r < 3; ++r) {
            sum += table->item(r, 1)->text().toDouble();
        }
        QVERIFY(std::fabs(sum - (10 * 12 + 20)) < 0.003);
        QCOMPARE(table->item(0, 0)->text(), QStringLiteral("左端支座"));
    }

    void theCsvExportReadsBackAsTheTable() {
        const QString path = dir->filePath(QStringLiteral("结果.csv"));
        prompter.expectFile(path);
        run("ExportCsv");
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        const QStringList lines =
            QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(csvFields(lines[0]).size(), 8);
        QCOMPARE(csvFields(lines[0])[0], QStringLiteral("跨   号"));
        auto* grid = w<QTableWidget>("Grid");
        for (int r = 0; r < 2; ++r) {
            const QStringList fields = csvFields(lines[r + 1]);
            for (int c = 0; c < 8; ++c) {
                QCOMPARE(fields[c], grid->item(r, c)->text());
            }
        }
        QVERIFY(lines.contains(QStringLiteral("支座反力")));
    }

    void theReportNamesTheProjectAndCarriesTheTable() {
        const QString path = dir->filePath(QStringLiteral("计算书.pdf"));
        prompter.expectFile(path);
        run("ExportReport");
        QVERIFY(QFile::exists(path));
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"),
                        {QStringLiteral("-layout"), path, QStringLiteral("-")});
        QVERIFY(pdftotext.waitForFinished(60000));
        const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
        QVERIFY2(text.contains(QStringLiteral("双跨梁.BMD")), qPrintable(text.left(400)));
        QVERIFY(text.contains(QStringLiteral("跨中Mmax(kN*m)")));
        QVERIFY(text.contains(QStringLiteral("内力图"))); // the characters themselves, no radicals
        QVERIFY(text.contains(w<QTableWidget>("Grid")->item(0, 7)->text()));
    }

    void sectionsThatCannotBeEvaluatedGiveASentenceNotACrash() {
        BeamModel broken = twoSpans();
        broken.SpanLength[1] = 0; // 0/0 in every section of span 1
        QImage image(600, 400, QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        paintDiagrams(painter, QRectF(0, 0, 600, 400), broken, results, BeamSection{1, 0});
        painter.end();
        QVERIFY(reactionRows(broken, results).empty());
        QImage blank(600, 400, QImage::Format_ARGB32);
        blank.fill(Qt::white);
        QVERIFY(image != blank); // the sentence was written
    }

    void aReportThatCannotBeWrittenIsReported() {
        prompter.expectFile(dir->filePath(QStringLiteral("missing/folder/r.pdf")));
        run("ExportReport");
        QCOMPARE(prompter.told.size(), std::size_t{1});
        QVERIFY(prompter.told[0].text.contains(QStringLiteral("导出计算书")));
    }
};

QTEST_MAIN(DiagramsExportTest)
#include "diagrams_export_test.moc"
