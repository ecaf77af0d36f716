// Unsaved work survives the program's death: a Spanwise killed (SIGKILL) a second after an edit
// typed key by key leaves its copy, and the next start offers it (恢复 / 丢弃 / 以后再说) as a
// modified project that belongs to its file, 丢弃 removes it; a running Spanwise's copy is
// never offered; saving or giving the work up removes the copy; and a save over a file another
// program changed since it was opened asks first.
#include "UiTestSupport.h"

#include "io/ProjectFile.h"
#include "io/RecoveryCopies.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>
#include <iostream>

using namespace spanwise;
using namespace spanwise::testing_support;

namespace {

const QString kProject = QStringLiteral(SPANWISE_TEST_DATA_DIR "/two_equal_spans.BMD");

QStringList copiesIn(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("*.BMD")}, QDir::Files);
}

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) {
        f.write(bytes);
    }
}

// The child's part: open the project, type a length into span 1 key by key, wait for the copy
// and say so; then wait to be killed.
int editAndWaitToBeKilled(const QString& project, const QString& folder) {
    ScriptedPrompter prompter;
    MainWindow window(prompter);
    window.show();
    window.keepRecoveryCopies(folder);
    if (!window.openProjectFile(project)) {
        return 1;
    }
    retype(find<QLineEdit>(&window, "spanLengthField"), QStringLiteral("7.5"));
    if (!QTest::qWaitFor([&] { return !copiesIn(folder).isEmpty(); }, 5000)) {
        return 2;
    }
    std::cout << "ready" << std::endl;
    QTest::qWait(60000);
    return 3; // never reached: the parent kills it
}

} // namespace

class RecoveryWindowTest : public QObject, public MainWindowHarness {
    Q_OBJECT

private slots:
    void init() { open(); }
    void cleanup() { QVERIFY2(close(), "something expected did not happen"); }

    void workOfAKilledSpanwiseIsOfferedAndRecovered() {
        QTemporaryDir temp;
        const QString folder = temp.filePath(QStringLiteral("recovery"));
        const QString file = temp.filePath(QStringLiteral("梁.BMD"));
        QVERIFY(QFile::copy(kProject, file));
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--edit-and-wait"), file, folder});
        QVERIFY(child.waitForStarted());
        QByteArray said;
        QTRY_VERIFY2_WITH_TIMEOUT(
            (said += child.readAllStandardOutput()).contains("ready"),
            qPrintable(QString::fromUtf8(said + child.readAllStandardError())), 60000);
        child.kill(); // SIGKILL: nothing of the program runs after it
        QVERIFY(child.waitForFinished());
        QCOMPARE(copiesIn(folder).size(), 1);

        // put off: kept and offered again at the next start
        prompter->expectQuestion(QStringLiteral("发现上次未保存的工程（梁.BMD，"),
                                 Prompter::Cancel);
        QVERIFY(!window->offerRecovery(folder));
        QCOMPARE(prompter->lastTexts, (QStringList{QStringLiteral("恢复"), QStringLiteral("丢弃"),
                                                   QStringLiteral("以后再说")}));
        QCOMPARE(copiesIn(folder).size(), 1);

        window->keepRecoveryCopies(folder);
        prompter->expectQuestion(QStringLiteral("发现上次未保存的工程（梁.BMD，"), Prompter::Yes);
        QVERIFY(window->offerRecovery(folder));
        // the work as typed, modified, belonging to its file; the dead one's copy replaced by
        // this window's own
        QCOMPARE(project().beam.span(1).length, 7.5f);
        QVERIFY(window->editor().hasUnsavedWork());
        QCOMPARE(window->projectName(), file);
        QCOMPARE(copiesIn(folder).size(), 1);

        // saved over its file (unchanged on disk since it was opened): no question, no copy
        action("saveAction")->trigger();
        QVERIFY(!window->editor().hasUnsavedWork());
        QVERIFY(copiesIn(folder).isEmpty());
        const ReadResult saved = readProjectFile(file);
        QVERIFY(saved.ok());
        QCOMPARE(saved.project->beam.span(1).length, 7.5f);
    }

    void aRunningSpanwisesCopyIsNeverOfferedAndGoesWhenTheWorkIsGivenUp() {
        QTemporaryDir temp;
        const QString folder = temp.filePath(QStringLiteral("recovery"));
        window->keepRecoveryCopies(folder);
        QVERIFY(window->openProjectFile(kProject));
        QVERIFY(copiesIn(folder).isEmpty()); // nothing unsaved
        retype(w("spanLengthField"), QStringLiteral("8"));
        QTRY_VERIFY_WITH_TIMEOUT(!copiesIn(folder).isEmpty(), 5000);
        // the copy is the project as the file would hold it
        std::string expected;
        QVERIFY(projectFileBytes(project(), expected).ok);
        QCOMPARE(bytesOf(QDir(folder).filePath(copiesIn(folder).front())),
                 QByteArray::fromStdString(expected));

        // a second Spanwise starting now: its owner runs, nothing is asked, nothing taken
        ScriptedPrompter otherPrompter;
        MainWindow other(otherPrompter);
        QVERIFY(!other.offerRecovery(folder));
        QCOMPARE(otherPrompter.pending(), 0);
        QCOMPARE(copiesIn(folder).size(), 1);

        // New with "don't save": the work is given up, and its copy with it
        prompter->expectQuestion(QStringLiteral("当前文件尚未保存"), Prompter::No);
        action("newAction")->trigger();
        QVERIFY(copiesIn(folder).isEmpty());
    }

    void aSaveOverAFileChangedElsewhereAsksFirst() {
        QTemporaryDir temp;
        const QString file = temp.filePath(QStringLiteral("beam.BMD"));
        QVERIFY(QFile::copy(kProject, file));
        QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
        QVERIFY(window->openProjectFile(file));
        retype(w("spanLengthField"), QStringLiteral("9"));
        // another program writes the file meanwhile
        QByteArray theirs = bytesOf(kProject);
        theirs.replace(theirs.indexOf("6,1,1,1,1"), 1, "5"); // span 1 made 5 m long there
        writeBytes(file, theirs);
        prompter->expectQuestion(QStringLiteral("文件已在其他地方被修改"), Prompter::No);
        action("saveAction")->trigger();
        QCOMPARE(bytesOf(file), theirs); // theirs stays
        QVERIFY(window->editor().hasUnsavedWork());
        prompter->expectQuestion(QStringLiteral("文件已在其他地方被修改"), Prompter::Yes);
        action("saveAction")->trigger();
        QVERIFY(!window->editor().hasUnsavedWork());
        QCOMPARE(readProjectFile(file).project->beam.span(1).length, 9.0f);
        // now the file is this window's again: the next save asks nothing
        retype(w("spanLengthField"), QStringLiteral("10"));
        action("saveAction")->trigger();
        QVERIFY(!window->editor().hasUnsavedWork());
    }

    void aDiscardedCopyIsGone() {
        QTemporaryDir temp;
        const QString folder = temp.filePath(QStringLiteral("recovery"));
        {
            // a copy left as a killed Spanwise leaves it: no lock held, an untitled project
            RecoveryCopy left(folder);
            Project work;
            work.beam.spans = {spanWith(5, 1, 1)};
            QVERIFY(left.write(work, {QString(), QString(), QDateTime::currentDateTime()}).ok);
            QFile::copy(QDir(folder).filePath(left.id() + QStringLiteral(".BMD")),
                        QDir(folder).filePath(QStringLiteral("dead.BMD")));
            QFile::copy(QDir(folder).filePath(left.id() + QStringLiteral(".info")),
                        QDir(folder).filePath(QStringLiteral("dead.info")));
        } // its owner ends normally and takes its own copy; the dead one stays
        QCOMPARE(copiesIn(folder), QStringList{QStringLiteral("dead.BMD")});
        prompter->expectQuestion(QStringLiteral("发现上次未保存的工程（新工程，"), Prompter::No);
        QVERIFY(!window->offerRecovery(folder));
        QVERIFY(copiesIn(folder).isEmpty());
        QCOMPARE(project().beam, Editor::freshProject().beam); // nothing taken into the window
    }

    void anUnreadableCopyIsReportedAndKeptAside() {
        QTemporaryDir temp;
        const QString folder = temp.filePath(QStringLiteral("recovery"));
        QVERIFY(QDir().mkpath(folder));
        writeBytes(QDir(folder).filePath(QStringLiteral("x.BMD")), "garbage");
        writeBytes(QDir(folder).filePath(QStringLiteral("x.info")),
                   "belongsTo=\ndiskStamp=\nwrittenAt=2026-12-08T10:00:00\n");
        prompter->expectQuestion(QStringLiteral("发现上次未保存的工程（新工程，2026-12-08 10:00）"),
                                 Prompter::Yes);
        prompter->expectMessage(QStringLiteral("恢复文件无法读取"));
        QVERIFY(!window->offerRecovery(folder));
        QCOMPARE(bytesOf(QDir(folder).filePath(QStringLiteral("x.BMD.unreadable"))),
                 QByteArray("garbage"));
    }
};

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc == 4 && std::strcmp(argv[1], "--edit-and-wait") == 0) {
        return editAndWaitToBeKilled(QString::fromLocal8Bit(argv[2]),
                                     QString::fromLocal8Bit(argv[3]));
    }
    RecoveryWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "recovery_window_test.moc"
