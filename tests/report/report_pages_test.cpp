// The calculation report as a checker reads it: every page of the reports of the example
// projects is read back from the PDF (the words with their boxes, as poppler's pdftotext finds
// them, and the page as poppler draws it) and no word may be cut, broken or covered. A table
// border or an arrow running through a word, two words on top of each other, a word beyond the
// page: each fails. The cells the report must hold (the result table, the reactions, the load
// values of the sketch, the limits) must each stand whole as one word.
#include "analysis/Calculation.h"
#include "analysis/NumberFormat.h"
#include "analysis/SpanResults.h"
#include "io/ProjectFile.h"
#include "report/Report.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

using namespace spanwise;

namespace {

struct Word {
    QRectF box; // points, from the page's top left
    QString text;
};

struct Page {
    QRectF size;
    std::vector<Word> words;
    QImage picture; // one pixel a point, grey
};

// Runs a poppler tool; fails the test when it does not run.
bool run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

// The pages of a PDF: their words with boxes (pdftotext -bbox) and their pictures (pdftoppm).
std::vector<Page> readBack(const QString& pdf, const QString& folder) {
    const QString html = folder + QStringLiteral("/words.html");
    std::vector<Page> pages;
    if (!run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, html}) ||
        !run(QStringLiteral("pdftoppm"),
             {QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-gray"), pdf,
              folder + QStringLiteral("/page")})) {
        return pages;
    }
    QFile file(html);
    if (!file.open(QIODevice::ReadOnly)) {
        return pages;
    }
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            continue;
        }
        const auto a = xml.attributes();
        auto at = [&](const char* name) { return a.value(QLatin1String(name)).toDouble(); };
        if (xml.name() == QLatin1String("page")) {
            pages.push_back({QRectF(0, 0, at("width"), at("height")), {}, {}});
        } else if (xml.name() == QLatin1String("word") && !pages.empty()) {
            const QRectF box(QPointF(at("xMin"), at("yMin")), QPointF(at("xMax"), at("yMax")));
            pages.back().words.push_back({box, xml.readElementText()});
        }
    }
    const QStringList pictures =
        QDir(folder).entryList({QStringLiteral("page-*.pgm")}, QDir::Files, QDir::Name);
    for (std::size_t p = 0; p < pages.size() && p < static_cast<std::size_t>(pictures.size());
         ++p) {
        pages[p].picture.load(folder + QLatin1Char('/') + pictures[static_cast<qsizetype>(p)]);
    }
    return pages;
}

bool dark(const QImage& image, int x, int y) {
    return x >= 0 && y >= 0 && x < image.width() && y < image.height() &&
           qGray(image.pixel(x, y)) < 140;
}

// A line through the word: a column dark from above the word's box to below it, or a row dark
// from its left to its right. Glyphs stay inside their box; borders and arrows do not.
bool crossedByALine(const QImage& image, const QRectF& box) {
    const int top = static_cast<int>(std::floor(box.top())) - 2;
    const int bottom = static_cast<int>(std::ceil(box.bottom())) + 2;
    const int left = static_cast<int>(std::floor(box.left())) - 2;
    const int right = static_cast<int>(std::ceil(box.right())) + 2;
    for (int x = left + 4; x <= right - 4; ++x) {
        bool through = true;
        for (int y = top; y <= bottom && through; ++y) {
            through = dark(image, x, y);
        }
        if (through) {
            return true;
        }
    }
    for (int y = top + 4; y <= bottom - 4; ++y) {
        bool through = true;
        for (int x = left; x <= right && through; ++x) {
            through = dark(image, x, y);
        }
        if (through) {
            return true;
        }
    }
    return false;
}

// What the report must hold whole: the result table, the reactions' values, the load values
// as the sketch writes them, the deflection limits.
QStringList expectedTexts(const Calculation& calculation) {
    const Beam& beam = calculation.beam;
    QStringList texts;
    for (int s = 1; s <= beam.spanCount(); ++s) {
        for (const std::string& cell : resultRowTexts(spanResult(beam, calculation.results, s))) {
            texts << QString::fromStdString(cell);
        }
        for (const Load& load : beam.span(s).loads) {
            const QString value =
                QString::fromStdString(load.kind == Concentrated ? "P=" + formatResult(load.P)
                                                                 : "q=" + formatResult(load.q));
            texts << (load.loadCase == Live ? value + QStringLiteral("(活)") : value);
        }
    }
    for (const char* header : kResultHeaders) {
        // "跨   号" is written with blanks: its characters stand as words of their own
        texts << QString::fromUtf8(header).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    }
    return texts;
}

} // namespace

class ReportPagesTest : public QObject {
    Q_OBJECT

private slots:
    void everyWordOfEveryExampleReportStandsWholeAndFree_data() {
        QTest::addColumn<QString>("project");
        const QDir examples(QStringLiteral(SPANWISE_EXAMPLES_DIR));
        for (const QString& name : examples.entryList({QStringLiteral("*.BMD")}, QDir::Files)) {
            QTest::newRow(qPrintable(name)) << examples.filePath(name);
        }
        // a main beam with dead and live forces at the same thirds: both must show
        QTest::newRow("main_beam_thirds")
            << QStringLiteral(SPANWISE_TEST_DATA_DIR "/main_beam_thirds.BMD");
    }

    void everyWordOfEveryExampleReportStandsWholeAndFree() {
        QFETCH(QString, project);
        const ReadResult read = readProjectFile(project);
        QVERIFY2(read.ok(), read.error.message().c_str());
        const BeamOutcome outcome = outcomeOf(read.project->beam);
        QTemporaryDir folder;
        const QString pdf = folder.filePath(QStringLiteral("report.pdf"));
        QVERIFY(writeReport(outcome, QFileInfo(project).fileName().toStdString(), pdf).ok);
        const std::vector<Page> pages = readBack(pdf, folder.path());
        QVERIFY2(!pages.empty(), "poppler read no page back");

        QSet<QString> words;
        for (std::size_t p = 0; p < pages.size(); ++p) {
            const Page& page = pages[p];
            QVERIFY(!page.picture.isNull());
            const QString where = QStringLiteral("page %1: ").arg(p + 1);
            for (std::size_t i = 0; i < page.words.size(); ++i) {
                const Word& word = page.words[i];
                words.insert(word.text);
                QVERIFY2(page.size.contains(word.box), qPrintable(where + word.text));
                QVERIFY2(!crossedByALine(page.picture, word.box),
                         qPrintable(where + QStringLiteral("a line runs through ") + word.text));
                for (std::size_t j = i + 1; j < page.words.size(); ++j) {
                    const QRectF both = word.box.intersected(page.words[j].box);
                    QVERIFY2(both.width() < 0.5 || both.height() < 0.5,
                             qPrintable(where + word.text + QStringLiteral(" covers ") +
                                        page.words[j].text));
                }
            }
        }
        for (const QString& text : expectedTexts(outcome.calculation)) {
            QVERIFY2(words.contains(text), qPrintable(QStringLiteral("not whole: ") + text));
        }
    }
};

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    ReportPagesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "report_pages_test.moc"
