// The File menu: New, Open, Save, Save as and Exit, and the question when the window closes.
// A save that fails never loses work: the user is told why, the project stays unsaved, and no
// command that asked to save first goes on as if it had.
#include "ui/main/MainWindow.h"

#include "exports/CalculationSourceOf.h"
#include "io/ProjectFile.h"
#include "ui/common/Prompter.h"

#include <QCloseEvent>

namespace spanwise {

namespace {

const QString kFilter = QStringLiteral("Spanwise文件 (*.bmd *.BMD)");

QString saveFailure(const QString& path, const std::string& reason) {
    return QStringLiteral("保存工程文件“%1”失败：%2").arg(path, QString::fromStdString(reason));
}

} // namespace

void MainWindow::startNewProject() {
    m_editor.newProject();
    m_projectName = QString::fromUtf8(kNewProjectName);
    m_diskStamp.clear();
    m_offeredKindRow = 0;
    m_chosenCase = Dead;
    refresh();
}

// True when the command may go on: nothing to lose, or saved, or the user chose not to save.
// Cancel (and Escape) keep the work and stop the command.
bool MainWindow::offerToSaveFirst() {
    if (!m_editor.hasUnsavedWork()) {
        return true;
    }
    const auto answer =
        m_prompter.ask(Prompter::Icon::Exclamation, QStringLiteral("当前文件尚未保存,要保存吗?"),
                       Prompter::Yes | Prompter::No | Prompter::Cancel, Prompter::Yes);
    return answer == Prompter::No || (answer == Prompter::Yes && saveAs());
}

void MainWindow::newCommand() {
    if (offerToSaveFirst()) { // else the save the user asked for did not happen: keep the work
        startNewProject();
    }
}

void MainWindow::openCommand() {
    if (!offerToSaveFirst()) {
        return;
    }
    const QString path = m_prompter.openFileName(QStringLiteral("打开工程"), kFilter);
    if (!path.isEmpty()) {
        openProjectFile(path);
    }
}

bool MainWindow::openProjectFile(const QString& path) {
    const ReadResult read = readProjectFile(path);
    if (!read.ok()) {
        // never a half-read project: the user gets the reset project and the reason
        startNewProject();
        m_prompter.tell(Prompter::Icon::Critical, QString::fromStdString(read.error.message()));
        return false;
    }
    m_editor.openProject(*read.project);
    m_projectName = path;
    m_diskStamp = QString::fromStdString(fileSha256(path));
    m_chosenCase = Dead;
    refresh();
    return true;
}

// Save writes to the project's file; a project that has none yet is saved as a file the user
// names, so that no other project's file is ever replaced without the user's choice.
bool MainWindow::save() {
    if (m_projectName == QString::fromUtf8(kNewProjectName)) {
        return saveAs();
    }
    return saveTo(m_projectName);
}

bool MainWindow::saveAs() {
    const QString path =
        m_prompter.saveFileName(QStringLiteral("保存工程"), kFilter, QStringLiteral("bmd"));
    return !path.isEmpty() && saveTo(path);
}

bool MainWindow::saveTo(const QString& path) {
    if (!mayOverwrite(path)) {
        return false; // the other program's version stays; the work stays unsaved here
    }
    const SaveResult saved = writeProjectFile(m_editor.project(), path);
    if (!saved.ok) {
        m_prompter.tell(Prompter::Icon::Critical, saveFailure(path, saved.reason));
        return false;
    }
    m_projectName = path;
    m_diskStamp = QString::fromStdString(fileSha256(path));
    m_editor.markSaved();
    refresh();
    return true;
}

void MainWindow::exitCommand() {
    if (!m_editor.hasUnsavedWork()) {
        if (m_prompter.ask(Prompter::Icon::Exclamation, QStringLiteral("真要退出吗?"),
                           Prompter::Yes | Prompter::No, Prompter::No) == Prompter::Yes) {
            endProgram();
        }
        return;
    }
    const auto answer =
        m_prompter.ask(Prompter::Icon::Question, QStringLiteral("在退出之前,您要保存现有资料吗？"),
                       Prompter::Yes | Prompter::No | Prompter::Cancel, Prompter::Cancel);
    if (answer == Prompter::No || (answer == Prompter::Yes && save())) {
        endProgram();
    }
}

void MainWindow::endProgram() {
    m_ending = true;
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!m_ending && m_editor.hasUnsavedWork()) {
        // Cancel (and Escape) keep the program open with the work in it
        const auto answer = m_prompter.ask(
            Prompter::Icon::Question, QStringLiteral("在退出之前,您要保存现有资料吗？"),
            Prompter::Yes | Prompter::No | Prompter::Cancel, Prompter::Yes);
        if (answer == Prompter::Cancel || (answer == Prompter::Yes && !save())) {
            event->ignore();
            return;
        }
    }
    m_ending = false;
    // the other windows go with the main window
    for (QWidget* other : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (other->isWindow()) {
            other->close();
        }
    }
    event->accept();
}

} // namespace spanwise
