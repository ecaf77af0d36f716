// The File menu: New, Open, Save, Save as, Exit and the close box, with every answer.
#include "UiTestSupport.h"

#include "ui/main/MainWindow.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace spanwise;
using namespace spanwise::testing_support;

namespace {

// The two-span example: left simple, right fixed, span 1 of 6 m with q = 10 selected, span 2
// of 4.5 m with EI = 2 and i = 2.5.
const QByteArray kExample = QByteArrayLiteral(
    "2,1,0,2\r\n6,1,1,1,1\r\n10,0,0,0,0\r\n\"\xBE\xF9\xB2\xBC\xBA\xC9\xD4\xD8\",1\r\n"
    "4.5,2,2.5,0,0\r\n");

void putFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class FileCommandsTest : public QObject, public MainWindowHarness {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir;
    QString oldWorkingDirectory;

    void run(const char* command) {
        auto* action = window->findChild<QAction*>(QString::fromLatin1(command));
        QVERIFY(action != nullptr);
        action->trigger();
    }
    QString path(const char* name) const { return dir->filePath(QString::fromUtf8(name)); }
    void edit() { retype(w("length"), QStringLiteral("7")); }
    void saveAs(const QString& file) {
        prompter->expectFile(file);
        run("Saveas");
    }

private slots:
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        oldWorkingDirectory = QDir::currentPath();
        QDir::setCurrent(dir->path());
        open();
    }

    void cleanup() {
        QVERIFY2(close(), "a scripted answer was not used");
        QDir::setCurrent(oldWorkingDirectory);
        dir.reset();
    }

    void openingTheExampleRestoresEveryFieldAndThePanel() {
        putFile(path("example.BMD"), kExample);
        edit();
        prompter->expect(Prompter::No); // do not save the current project
        prompter->expectFile(path("example.BMD"));
        run("Open");
        QCOMPARE(prompter->asked[0].text, QStringLiteral("当前文件尚未保存,要保存吗?"));
        QCOMPARE(prompter->dialogTitles[0], QStringLiteral("打开工程"));
        QCOMPARE(window->windowTitle(), MainWindow::titleFor(path("example.BMD")));
        QCOMPARE(model().SpanCount, 2);
        QCOMPARE(model().RightSupport, Fixed);
        QCOMPARE(model().SpanLength[2], 4.5f);
        QCOMPARE(model().SpanLineStiffness[2], 2.5f);
        QCOMPARE(model().LoadText[1][1], std::string("均布荷载"));
        QCOMPARE(w("number")->text(), QStringLiteral("2"));
        QCOMPARE(w<QComboBox>("RR")->currentIndex(), 2);
        QCOMPARE(w("length")->text(), QStringLiteral("6"));
        QCOMPARE(w("q")->text(), QStringLiteral("10"));
        QVERIFY(w("q")->isVisible());
        QVERIFY(model().ProjectSaved);
        QVERIFY(b("check")->isEnabled());
        QVERIFY(!b("Command6")->isEnabled());
        QCOMPARE(prompter->asked.size(), std::size_t{1}); // no support question on Open
        // a saved project opens another without asking
        prompter->expectFile(path("example.BMD"));
        run("Open");
        QCOMPARE(prompter->asked.size(), std::size_t{1});
        QVERIFY(model().ProjectSaved);
    }

    void aCancelledOpenDialogChangesNothing() {
        edit();
        const BeamModel before = model();
        prompter->expect(Prompter::No);
        prompter->expectFile(QString());
        run("Open");
        QVERIFY(model() == before);
        QCOMPARE(window->windowTitle(), QStringLiteral("Spanwise ( 新工程 )"));
    }

    void badFilesAreReportedAndLeaveANewProject_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ends early") << QByteArrayLiteral("2,1,0,0\r\n6,1,1,0,0\r\n");
        QTest::newRow("not a number") << QByteArrayLiteral("1,1,0,0\r\nsix,1,1,0,0\r\n");
        QTest::newRow("too many spans") << QByteArrayLiteral("21,1,0,0\r\n");
        QTest::newRow("kind code")
            << QByteArrayLiteral("1,1,0,0\r\n6,1,1,1,1\r\n1,0,0,0,0\r\n\"x\",7\r\n");
    }

    void badFilesAreReportedAndLeaveANewProject() {
        QFETCH(QByteArray, bytes);
        putFile(path("bad.BMD"), bytes);
        edit();
        prompter->expect(Prompter::No);
        prompter->expectFile(path("bad.BMD"));
        run("Open");
        QCOMPARE(prompter->told.size(), std::size_t{1});
        QVERIFY(prompter->told[0].text.contains(QStringLiteral("bad.BMD")));
        QCOMPARE(model().ProjectFileName, std::string("新工程"));
        QVERIFY(!model().ProjectSaved);
        QCOMPARE(model().SpanLength[1], 0.0f);
        QCOMPARE(w("length")->text(), QStringLiteral("0"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Spanwise ( 新工程 )"));
    }

    void saveOfANeverNamedProjectWritesNewProjectFile() {
        edit();
        run("Save");
        const QString file = path("新工程.BMD");
        QVERIFY(QFile::exists(file));
        QCOMPARE(fileBytes(file), QByteArrayLiteral("1,1,0,0\r\n7,1,1,0,0\r\n"));
        QVERIFY(model().ProjectSaved);
        QCOMPARE(window->windowTitle(), QStringLiteral("Spanwise ( 新工程 )"));
        retype(w("length"), QStringLiteral("8"));
        run("Save"); // the same file again
        QCOMPARE(fileBytes(file), QByteArrayLiteral("1,1,0,0\r\n8,1,1,0,0\r\n"));
    }

    void saveAsNamesTheProject() {
        edit();
        saveAs(path("beam.BMD"));
        QCOMPARE(prompter->dialogTitles[0], QStringLiteral("保存工程"));
        QVERIFY(QFile::exists(path("beam.BMD")));
        QVERIFY(model().ProjectSaved);
        QCOMPARE(window->windowTitle(), MainWindow::titleFor(path("beam.BMD")));
    }

    void aFailedSaveSaysWhyAndKeepsTheProjectUnsaved() {
        QDir(dir->path()).mkdir(QStringLiteral("folder.BMD"));
        edit();
        saveAs(path("folder.BMD")); // the target is a folder
        QCOMPARE(prompter->told.size(), std::size_t{1});
        QVERIFY(prompter->told[0].text.contains(QStringLiteral("folder.BMD")));
        QVERIFY(!model().ProjectSaved);
        QCOMPARE(window->windowTitle(), QStringLiteral("Spanwise ( 新工程 )"));
        // Save of a project named after a folder fails the same way
        QDir(dir->path()).mkdir(QStringLiteral("新工程.BMD"));
        run("Save");
        QCOMPARE(prompter->told.size(), std::size_t{2});
        QVERIFY(!model().ProjectSaved);
    }

    void newAsksToSaveAndStopsWhenTheSaveDoesNotHappen() {
        edit();
        prompter->expect(Prompter::Yes);
        prompter->expectFile(QString()); // Save as cancelled
        run("New");
        QCOMPARE(model().SpanLength[1], 7.0f); // the project is still there
        prompter->expect(Prompter::Yes);
        prompter->expectFile(path("kept.BMD"));
        run("New");
        QVERIFY(QFile::exists(path("kept.BMD")));
        QCOMPARE(model().SpanLength[1], 0.0f);
        QCOMPARE(model().ProjectFileName, std::string("新工程"));
        QVERIFY(!model().ProjectSaved);
        prompter->expect(Prompter::No); // a new project counts as unsaved: asked again
        run("New");
        QCOMPARE(prompter->asked.size(), std::size_t{3});
    }

    void exitOfASavedProjectAsksWhetherToQuit() {
        saveAs(path("a.BMD"));
        prompter->expect(Prompter::No);
        run("Exit");
        QCOMPARE(prompter->asked[0].text, QStringLiteral("真要退出吗?"));
        QCOMPARE(prompter->asked[0].defaultButton, Prompter::No);
        QVERIFY(window->isVisible());
        prompter->expect(Prompter::Yes);
        run("Exit");
        QVERIFY(!window->isVisible());
    }

    void exitOfAnUnsavedProjectOffersToSave() {
        edit();
        prompter->expect(Prompter::Cancel);
        run("Exit");
        QCOMPARE(prompter->asked[0].text, QStringLiteral("在退出之前,您要保存现有资料吗？"));
        QCOMPARE(prompter->asked[0].defaultButton, Prompter::Cancel);
        QCOMPARE(prompter->asked[0].icon, Prompter::Icon::Question);
        QVERIFY(window->isVisible());
        // Yes saves without asking for a name, but a save that fails keeps the program open
        QDir(dir->path()).mkdir(QStringLiteral("新工程.BMD"));
        prompter->expect(Prompter::Yes);
        run("Exit");
        QCOMPARE(prompter->told.size(), std::size_t{1});
        QVERIFY(window->isVisible());
        QDir(dir->path()).rmdir(QStringLiteral("新工程.BMD"));
        prompter->expect(Prompter::Yes);
        run("Exit");
        QVERIFY(QFile::exists(path("新工程.BMD")));
        QVERIFY(!window->isVisible());
    }

    void exitWithoutSavingEnds() {
        edit();
        prompter->expect(Prompter::No);
        run("Exit");
        QVERIFY(!window->isVisible());
        QVERIFY(!QFile::exists(path("新工程.BMD")));
    }

    void theCloseBoxAsksForANameAndStaysWhenNoneIsGiven() {
        edit();
        prompter->expect(Prompter::Yes);
        prompter->expectFile(QString());
        window->close();
        QVERIFY(window->isVisible());
        prompter->expect(Prompter::Yes);
        prompter->expectFile(path("closing.BMD"));
        window->close();
        QVERIFY(!window->isVisible());
        QVERIFY(QFile::exists(path("closing.BMD")));
    }

    void theCloseBoxWithNoOrASavedProjectJustCloses() {
        edit();
        prompter->expect(Prompter::No);
        window->close();
        QVERIFY(!window->isVisible());
        window->show();
        saveAs(path("b.BMD"));
        window->close(); // saved: no question
        QVERIFY(!window->isVisible());
        QCOMPARE(prompter->asked.size(), std::size_t{1});
    }
};

QTEST_MAIN(FileCommandsTest)
#include "file_commands_test.moc"
