// The menus, the road from a checked project to its results, and the help windows.
#include "ui/main/MainWindow.h"

#include "analysis/CalculationError.h"
#include "check/DataCheck.h"
#include "design/SectionStiffness.h"
#include "exports/CalculationSourceOf.h"
#include "ui/common/Prompter.h"
#include "ui/dialogs/CheckWindow.h"
#include "ui/dialogs/CombinationDialog.h"
#include "ui/dialogs/ResultWindow.h"
#include "ui/dialogs/SlabLoadDialog.h"
#include "ui/dialogs/TextWindows.h"
#include "ui/dialogs/VerificationWindow.h"

#include <QMenuBar>

namespace spanwise {

void MainWindow::createMenus() {
    auto action = [this](QMenu* menu, const char* name, const QString& text, auto handler) {
        QAction* a = menu->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    QMenu* file = menuBar()->addMenu(QStringLiteral("文件(&File)"));
    file->setObjectName(QStringLiteral("fileMenu"));
    action(file, "openAction", QStringLiteral("旧工程(&Open)"), [this] {
        openCommand();
    })->setShortcut(QKeySequence::Open);
    action(file, "newAction", QStringLiteral("新工程(&New)"), [this] {
        newCommand();
    })->setShortcut(QKeySequence::New);
    file->addSeparator();
    action(file, "saveAction", QStringLiteral("保存(&Save)"), [this] {
        save();
    })->setShortcut(QKeySequence::Save);
    action(file, "saveAsAction", QStringLiteral("保存为(S&ave as)"), [this] {
        saveAs();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    file->addSeparator();
    action(file, "exitAction", QStringLiteral("退出(&Exit)"), [this] { exitCommand(); });

    QMenu* edit = menuBar()->addMenu(QStringLiteral("编辑(&Edit)"));
    edit->setObjectName(QStringLiteral("editMenu"));
    m_undoAction = action(edit, "undoAction", QStringLiteral("撤销"), [this] { undo(); });
    m_undoAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_redoAction = action(edit, "redoAction", QStringLiteral("重做"), [this] { redo(); });
    m_redoAction->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});

    QMenu* loads = menuBar()->addMenu(QStringLiteral("荷载(&Load)"));
    loads->setObjectName(QStringLiteral("loadMenu"));
    action(loads, "slabLoadAction", QStringLiteral("双向板传来…"), [this] { addSlabLoad(); });
    action(loads, "selfWeightAction", QStringLiteral("梁自重…"), [this] { editSelfWeight(); });

    QMenu* calculation = menuBar()->addMenu(QStringLiteral("计算(&Calculate)"));
    calculation->setObjectName(QStringLiteral("calculationMenu"));
    action(calculation, "combinationAction", QStringLiteral("荷载组合…"),
           [this] { editCombination(); });
    calculation->addSeparator();
    action(calculation, "designSettingsAction", QStringLiteral("设计参数…"),
           [this] { editDesignSettings(); });
    action(calculation, "sectionAction", QStringLiteral("本跨截面…"), [this] { editSection(); });
    action(calculation, "supportsAction", QStringLiteral("支座宽度与调幅…"),
           [this] { editSupports(); });
    action(calculation, "memberAction", QStringLiteral("构件…"), [this] { editMember(); });
    action(calculation, "sectionSearchAction", QStringLiteral("选择截面…"),
           [this] { searchSections(); });

    QMenu* info = menuBar()->addMenu(QStringLiteral("信息(&News)"));
    info->setObjectName(QStringLiteral("infoMenu"));
    action(info, "introductionAction", QStringLiteral("产品介绍(&Introduction)"),
           [this] { showIntroduction(); });
    action(info, "declarationAction", QStringLiteral("版权说明(&Declare)"),
           [this] { showIntroduction(); });
    action(info, "helpAction", QStringLiteral("帮助(&Help)"), [this] {
        showHelp();
    })->setShortcut(QKeySequence(Qt::Key_F1));
    action(info, "verificationAction", QStringLiteral("验证算例"), [this] { showVerification(); });
}

void MainWindow::checkData() {
    if (m_checkWindow.isNull()) {
        m_checkWindow = new CheckWindow(this);
        connect(m_checkWindow, &CheckWindow::placeChosen, this, [this](int span, int load) {
            m_editor.showSpan(span);
            if (load != 0) {
                m_editor.selectLoad(load);
            }
            refresh();
            activateWindow();
            raise();
        });
        connect(m_checkWindow, &CheckWindow::lineStiffnessFitRequested, this, [this] {
            m_editor.fitLineStiffnessToRigidity();
            checkData(); // the check runs again on the mended beam
        });
    }
    m_checkWindow->show();
    m_checkWindow->raise();
    const Beam& beam = m_editor.project().beam;
    m_checkWindow->start(checkStepCount(beam));
    const CheckResult outcome =
        checkBeam(beam, [this](int done, int /*total*/) { m_checkWindow->progress(done); });
    m_checkWindow->finish(outcome);
    if (outcome.passed) {
        m_editor.markCheckPassed();
    }
    refresh();
}

void MainWindow::editCombination() {
    const Beam& beam = m_editor.project().beam;
    auto* dialog = new CombinationDialog(beam.factors, beam.deflection, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        const std::optional<CombinationFactors> typed = dialog->factors();
        const std::optional<DeflectionSettings> deflection = dialog->deflection();
        const std::string problem = typed && deflection
                                        ? m_editor.setCombinationSettings(*typed, *deflection)
                                        : std::string("组合系数与挠度设置应为数字");
        if (!problem.empty()) { // a bad value changes nothing
            m_prompter.tell(Prompter::Icon::Exclamation, QString::fromStdString(problem));
        }
        refresh();
    });
    dialog->open();
}

void MainWindow::addSlabLoad() {
    auto* dialog = new SlabLoadDialog(m_editor.shownSpan().length, m_chosenCase, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        const std::optional<SlabPanels> panels = dialog->panels();
        const std::string problem = panels ? m_editor.addSlabLoad(*panels, dialog->loadCase())
                                           : std::string("板面荷载与板的边长应为数字");
        if (!problem.empty()) { // nothing is added
            m_prompter.tell(Prompter::Icon::Exclamation, QString::fromStdString(problem));
        }
        refresh();
    });
    dialog->open();
}

void MainWindow::calculate() {
    try {
        m_outcome = outcomeOf(m_editor.project().beam);
        // a project never saved has no file; one with edits since its save has no digest
        const bool named = m_projectName != QString::fromUtf8(kNewProjectName);
        m_outcome->calculation.source =
            calculationSourceOf(named ? m_projectName : QString(), m_editor.hasUnsavedWork());
        m_stampedUnsaved = m_editor.hasUnsavedWork();
    } catch (const CalculationError& error) {
        // the last calculation stays as it was, and so does the result window
        m_prompter.tell(Prompter::Icon::Critical, QString::fromStdString(describe(error)));
        return;
    }
    showResults();
}

ResultWindow* MainWindow::resultWindow() const {
    return m_resultWindow.data();
}

void MainWindow::showResults() {
    if (m_resultWindow.isNull()) {
        m_resultWindow = new ResultWindow(m_prompter, this);
        connect(m_resultWindow, &ResultWindow::helpRequested, this, [this] { showHelp(); });
        connect(m_resultWindow, &ResultWindow::proposedBarsAccepted, this,
                [this](const ProvidedBars& bars) {
                    const std::string problem = m_editor.provideBars(bars);
                    if (!problem.empty()) {
                        m_prompter.tell(Prompter::Icon::Exclamation,
                                        QString::fromStdString(problem));
                    }
                    refresh();
                });
        connect(m_resultWindow, &ResultWindow::projectInfoEdited, this,
                [this](const ProjectInfo& info) {
                    m_editor.setProjectInfo(info); // checked by the window already
                    refresh();                     // the results' title block and stamp follow
                });
    }
    m_resultWindow->show();
    m_resultWindow->showOutcome(*m_outcome, m_projectName.toStdString());
    m_resultWindow->raise();
    refresh();
}

namespace {

// Shows a modeless window of the given kind, loading it first when it is not open.
template <typename Window> void showLoaded(QPointer<Window>& window, QWidget* parent) {
    if (window.isNull()) {
        window = new Window(parent);
    }
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

void MainWindow::showHelp() {
    showLoaded(m_help, this);
}

void MainWindow::showIntroduction() {
    showLoaded(m_introduction, this);
}

void MainWindow::showVerification() {
    if (m_verification.isNull()) {
        m_verification = new VerificationWindow(this);
        connect(m_verification, &VerificationWindow::openProblemRequested, this,
                [this](const Project& project) { openVerificationProblem(project); });
    }
    showLoaded(m_verification, this);
}

void MainWindow::openVerificationProblem(const Project& project) {
    if (!offerToSaveFirst()) {
        return;
    }
    m_editor.startProjectFrom(project);
    m_projectName = QString::fromUtf8(kNewProjectName);
    m_offeredKindRow = 0;
    m_chosenCase = Dead;
    refresh();
    raise();
    activateWindow();
}

} // namespace spanwise
