// The File menu: New, Open, Save, Save as and Exit, and the question when the window closes.
// A save that fails never loses work: the user is told why, the project stays unsaved, and no
// command that asked to save first goes on as if it had.
#include "ui/main/MainWindow.h"

#include "ui/common/Controls.h"

#include "io/ProjectFile.h"
#include "ui/common/Prompter.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace spanwise {

using controls::setFieldText;

namespace {

const QString kFilter = QStringLiteral("Spanwise文件 (*.bmd *.BMD)");

QString saveFailure(const QString& path, const std::string& reason) {
    return QStringLiteral("保存工程文件“%1”失败：%2").arg(path, QString::fromStdString(reason));
}

} // namespace

void MainWindow::showProject() {
    updateTitle();
    // the supports first, then their lists: the lists' handlers find nothing changed
    m_LL->setCurrentIndex(m_model.LeftSupport);
    m_RR->setCurrentIndex(m_model.RightSupport);
    setFieldText(m_number, QString::number(m_model.SpanCount));
    setFieldText(m_Currentnumber, QString::number(m_model.CurrentSpan));
    Currentnumber_Change();
}

void MainWindow::newProject() {
    zero(m_model, m_results);
    m_model.ProjectFileName = kNewProjectName;
    m_model.LeftSupport = Simple;
    m_model.RightSupport = Simple;
    updateTitle();
    setFieldText(m_number, QStringLiteral("1"));
    setFieldText(m_Currentnumber, QStringLiteral("1"));
    m_LL->setCurrentIndex(0);
    m_RR->setCurrentIndex(0);
    m_List1->setCurrentRow(0);
    ANOTHER_SHOWPICTURE();
    Currentnumber_Change();
    m_model.ProjectSaved = false;
    emit edited();
}

bool MainWindow::offerToSaveFirst() {
    if (m_model.ProjectSaved) {
        return true;
    }
    const auto answer =
        m_prompter.ask(Prompter::Icon::Exclamation, QStringLiteral("当前文件尚未保存,要保存吗?"),
                       Prompter::Yes | Prompter::No, Prompter::Yes);
    return answer != Prompter::Yes || Saveas_Click();
}

void MainWindow::New_Click() {
    if (!offerToSaveFirst()) {
        return; // the save the user asked for did not happen: keep the project
    }
    newProject();
}

void MainWindow::Open_Click() {
    if (!offerToSaveFirst()) {
        return;
    }
    const QString path = m_prompter.openFileName(QStringLiteral("打开工程"), kFilter);
    if (path.isEmpty()) {
        return;
    }
    openProject(path);
}

bool MainWindow::openProject(const QString& path) {
    ReadResult read = readProjectFile(path);
    if (!read.ok()) {
        // never a half-read model: the user gets the reset project and the reason
        newProject();
        m_prompter.tell(Prompter::Icon::Critical, QString::fromStdString(read.error.message()));
        return false;
    }
    m_model = std::move(*read.model);
    ZERO1(m_results);
    m_model.ProjectFileName = path.toStdString();
    showProject();
    m_model.ProjectSaved = true;
    m_check->setEnabled(true);
    m_done->setEnabled(false);
    m_Command6->setEnabled(false);
    emit edited();
    return true;
}

bool MainWindow::Save_Click() {
    const QString before = QString::fromStdString(m_model.ProjectFileName);
    const SaveResult saved = qSAVE(m_model);
    if (!saved.ok) {
        const QString target =
            before == QString::fromUtf8(kNewProjectName) ? QStringLiteral("新工程.BMD") : before;
        m_prompter.tell(Prompter::Icon::Critical, saveFailure(target, saved.reason));
        return false;
    }
    return true;
}

bool MainWindow::Saveas_Click() {
    const QString path =
        m_prompter.saveFileName(QStringLiteral("保存工程"), kFilter, QStringLiteral("bmd"));
    if (path.isEmpty()) {
        return false;
    }
    const SaveResult saved = writeProjectFile(m_model, path);
    if (!saved.ok) {
        m_prompter.tell(Prompter::Icon::Critical, saveFailure(path, saved.reason));
        return false;
    }
    m_model.ProjectFileName = path.toStdString();
    m_model.ProjectSaved = true;
    updateTitle();
    return true;
}

void MainWindow::Exit_Click() {
    if (m_model.ProjectSaved) {
        if (m_prompter.ask(Prompter::Icon::Exclamation, QStringLiteral("真要退出吗?"),
                           Prompter::Yes | Prompter::No, Prompter::No) == Prompter::Yes) {
            endProgram();
        }
        return;
    }
    const auto answer =
        m_prompter.ask(Prompter::Icon::Question, QStringLiteral("在退出之前,您要保存现有资料吗？"),
                       Prompter::Yes | Prompter::No | Prompter::Cancel, Prompter::Cancel);
    if (answer == Prompter::No || (answer == Prompter::Yes && Save_Click())) {
        endProgram();
    }
}

void MainWindow::endProgram() {
    m_ending = true;
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!m_ending && !m_model.ProjectSaved) {
        const auto answer = m_prompter.ask(Prompter::Icon::Question,
                                           QStringLiteral("在退出之前,您要保存现有资料吗？"),
                                           Prompter::Yes | Prompter::No, Prompter::Yes);
        if (answer == Prompter::Yes && !Saveas_Click()) {
            event->ignore(); // the work the user wanted kept is not on disk yet
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
