// Puts the windows into the states the README shows and saves them as PNG files:
//   make_screenshots OUTPUT_FOLDER
#include "UiTestSupport.h"

#include "report/Report.h"
#include "ui/dialogs/ResultWindow.h"
#include "ui/main/MainWindow.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFont>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

using namespace spanwise;
using namespace spanwise::testing_support;

namespace {

// The main beam of the examples, with its sections and supports: the main window, the section
// dialog, the design forces, the design and its detailing, the section search.
bool designScreenshots(ScriptedPrompter& prompter, const QDir& out) {
    MainWindow window(prompter);
    window.show();
    if (!window.openProjectFile(QStringLiteral(SPANWISE_EXAMPLES_DIR "/main_beam.BMD"))) {
        return false;
    }
    QApplication::processEvents();
    bool ok = window.grab().save(out.filePath(QStringLiteral("main-window-design.png")));
    click(find<QPushButton>(&window, "checkButton"));
    click(find<QPushButton>(&window, "calculateButton"));
    ResultWindow* output = window.resultWindow();
    if (output == nullptr) {
        return false;
    }
    auto* tabs = find<QTabWidget>(output, "resultTabs");
    tabs->setCurrentWidget(output->findChild<QWidget*>(QStringLiteral("designForcesPage")));
    // at the size the window opens with, within a laptop's 1366 x 768
    QApplication::processEvents();
    ok = output->grab().save(out.filePath(QStringLiteral("design-forces.png"))) && ok;
    tabs->setCurrentWidget(output->findChild<QWidget*>(QStringLiteral("designPage")));
    QApplication::processEvents();
    ok = output->grab().save(out.filePath(QStringLiteral("design.png"))) && ok;
    // the section search over the rule of thumb's range, 250 and 300 wide
    find<QAction>(&window, "sectionSearchAction")->trigger();
    auto* search = find<QDialog>(&window, "sectionSearchDialog");
    retype(find<QLineEdit>(search, "widthsField"), QStringLiteral("250,300"));
    click(find<QPushButton>(search, "searchButton"));
    QApplication::processEvents();
    ok = search->grab().save(out.filePath(QStringLiteral("section-search.png"))) && ok;
    search->reject();
    tabs->setCurrentWidget(output->findChild<QWidget*>(QStringLiteral("detailingPage")));
    QApplication::processEvents();
    return output->grab().save(out.filePath(QStringLiteral("detailing.png"))) && ok;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QFont font = QApplication::font();
    font.setFamilies({QStringLiteral("SimSun"), QStringLiteral("Noto Serif CJK SC"),
                      QStringLiteral("Noto Sans CJK SC")});
    QApplication::setFont(font);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));

    ScriptedPrompter prompter;
    MainWindow window(prompter);
    window.show();
    auto* count = find<QLineEdit>(&window, "spanCountField");
    retype(count, QStringLiteral("3"));
    QTest::keyClick(count, Qt::Key_Return);
    const char* lengths[] = {"6", "4.5", "6"};
    for (int s = 0; s < 3; ++s) {
        if (s > 0) {
            click(find<QPushButton>(&window, "nextSpanButton"));
        }
        retype(find<QLineEdit>(&window, "spanLengthField"), QString::fromLatin1(lengths[s]));
        retype(find<QLineEdit>(&window, "rigidityField"), QStringLiteral("20000"));
        click(find<QPushButton>(&window, "computeLineStiffnessButton"));
    }
    click(find<QPushButton>(&window, "previousSpanButton"));
    auto* kinds = find<QListWidget>(&window, "loadKindList");
    clickRow(kinds, 1);
    click(find<QPushButton>(&window, "addLoadButton"));
    retype(find<QLineEdit>(&window, "intensityField"), QStringLiteral("12"));
    clickRow(kinds, 0);
    click(find<QPushButton>(&window, "addLoadButton"));
    retype(find<QLineEdit>(&window, "forceField"), QStringLiteral("50"));
    retype(find<QLineEdit>(&window, "distanceAField"), QStringLiteral("1.5"));
    QApplication::processEvents();
    // the window opens at its smallest; then enlarged, as on a large screen
    window.resize(window.minimumSizeHint());
    QApplication::processEvents();
    bool ok = window.grab().save(out.filePath(QStringLiteral("main-window.png")));
    const QSize usual = window.size();
    window.resize(1500, 950);
    QApplication::processEvents();
    ok = window.grab().save(out.filePath(QStringLiteral("main-window-large.png"))) && ok;
    window.resize(usual);

    // the result of that beam, with a query on the concentrated force
    click(find<QPushButton>(&window, "nextSpanButton"));
    clickRow(kinds, 2);
    click(find<QPushButton>(&window, "addLoadButton"));
    retype(find<QLineEdit>(&window, "intensityField"), QStringLiteral("20"));
    retype(find<QLineEdit>(&window, "distanceAField"), QStringLiteral("1.5"));
    retype(find<QLineEdit>(&window, "shownSpanField"), QStringLiteral("1"));
    clickRow(kinds, 1);
    click(find<QPushButton>(&window, "addLoadButton"));
    retype(find<QLineEdit>(&window, "intensityField"), QStringLiteral("8"));
    click(find<QPushButton>(&window, "checkButton"));
    click(find<QPushButton>(&window, "calculateButton"));
    if (ResultWindow* output = window.resultWindow()) {
        click(find<QPushButton>(output, "nextSpanButton"));
        retype(find<QLineEdit>(output, "queryDistanceField"), QStringLiteral("1.5"));
        QApplication::processEvents();
        ok = output->grab().save(out.filePath(QStringLiteral("result-window.png"))) && ok;
        // the diagrams of the same beam, with the query's section marked
        auto* tabs = find<QTabWidget>(output, "resultTabs");
        tabs->setCurrentIndex(1);
        output->resize(900, 720);
        QApplication::processEvents();
        ok = tabs->currentWidget()->grab().save(out.filePath(QStringLiteral("diagrams.png"))) && ok;
        // its deflections, checked against l0/250
        tabs->setCurrentWidget(output->findChild<QWidget*>(QStringLiteral("deflectionPage")));
        QApplication::processEvents();
        ok = tabs->currentWidget()->grab().save(out.filePath(QStringLiteral("deflection.png"))) &&
             ok;
        ok = writeReport(*window.outcome(), "新工程", out.filePath(QStringLiteral("report.pdf")))
                 .ok &&
             ok;
    } else {
        ok = false;
    }

    // a span shortened after its line stiffness was computed: the check's notice
    retype(find<QLineEdit>(&window, "shownSpanField"), QStringLiteral("1"));
    retype(find<QLineEdit>(&window, "spanLengthField"), QStringLiteral("3"));
    click(find<QPushButton>(&window, "checkButton"));
    if (auto* check = window.findChild<QWidget*>(QStringLiteral("checkWindow"))) {
        QApplication::processEvents();
        ok = check->grab().save(out.filePath(QStringLiteral("check-notice.png"))) && ok;
    } else {
        ok = false;
    }
    ok = designScreenshots(prompter, out) && ok;
    return ok ? 0 : 1;
}
