// The main window: a view of the one project the program edits.
//
// The upper group shows the whole beam (span count, end supports), the lower group one span at
// a time (length, stiffness, loads). The window never changes the project itself: every user
// intent (a keystroke, a click, a choice in a list) goes to the Editor, and then refresh()
// derives every text, picture and enabled state from the editor's project, its check state
// and the last calculation. refresh() writes with the controls' signals blocked, and the
// window listens only to signals the user causes (textEdited, activated, clicked), so nothing
// the window writes comes back as an edit.
//
// The implementation is split by concern: MainWindow.cpp (controls and layout),
// MainWindowRefresh.cpp (refresh), UserIntents.cpp (controls to editor, questions),
// FileCommands.cpp (File menu and closing), Commands.cpp (menus, check, calculation, help),
// DesignCommands.cpp (the design data's dialogs).
#pragma once

#include "edit/Editor.h"
#include "outcome/BeamOutcome.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <memory>
#include <optional>

class QAction;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTimer;

namespace spanwise {

class BeamSketch;
class CheckWindow;
class HelpWindow;
class VerificationWindow;
class IntroductionWindow;
class Prompter;
class ResultWindow;
class RecoveryCopy;

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(Prompter& prompter, QWidget* parent = nullptr);
    ~MainWindow() override;

    const Editor& editor() const { return m_editor; }
    // The last calculation that succeeded: the beam it was computed from and its results.
    const std::optional<BeamOutcome>& outcome() const { return m_outcome; }
    // The project's file as the user chose it, or "新工程" while it has none.
    const QString& projectName() const { return m_projectName; }

    // The reset project under the name "新工程", as at start-up and after New.
    void startNewProject();

    // Opens a project file as Open does after its dialog; on a bad file the user is told why
    // and gets a new project. Returns whether the file was read.
    bool openProjectFile(const QString& path);

    // The window title for a project name: "Spanwise ( name )".
    static QString titleFor(const QString& projectName);

    // The result window while it is open, else null.
    ResultWindow* resultWindow() const;

    // From now on, while the project has unsaved changes, a copy of it is kept in folder
    // (written within a second of an edit, at most once a second) and removed once the work is
    // saved or given up (Recovery.cpp).
    void keepRecoveryCopies(const QString& folder);
    // At start: offers the newest copy in folder left by a Spanwise that did not end normally
    // (恢复 / 丢弃 / 以后再说). True when the user took it back.
    bool offerRecovery(const QString& folder);
    // The folder of the copies under the user's application data.
    static QString recoveryFolder();

private:
    struct ParameterRow {
        QLabel* label = nullptr;
        QLineEdit* field = nullptr;
        QLabel* unit = nullptr;
        void setShown(bool shown) const;
    };

    // -- recovery copies (Recovery.cpp)
    void followRecovery();    // after every change: a copy due, or none needed
    void writeRecoveryCopy(); // the timer's
    // False when the project's file changed on disk since it was opened or saved here and the
    // user does not want it overwritten.
    bool mayOverwrite(const QString& path);

    // -- construction (MainWindow.cpp; the menus in Commands.cpp)
    void createMenus();
    void createControls();
    void createLoadControls();
    void layOutControls();
    void connectControls();
    QLineEdit* valueField(ValueField field) const {
        return m_valueFields[static_cast<std::size_t>(field)];
    }

    // -- the one way from the editor to the widgets (MainWindowRefresh.cpp)
    void refresh();
    // The results follow the project where they still belong to it (ResultsFollow.cpp): an edit
    // of the bars alone has the design made again; the title block and the stamp follow.
    void followProject();
    void refreshBeamGroup();
    void refreshSpanGroup();
    void refreshLoads();
    void refreshCommands();
    void showSketch(QLabel* image, std::optional<LoadKind> kind);
    void showParameterRows(std::optional<LoadKind> kind);
    // Puts the P field's row in row 1 (beside a) or row 2 of the parameters (MainWindow.cpp).
    void placeForceRow(int row);

    // -- user intents (UserIntents.cpp)
    Answer askUser(Question question);
    Answerer answerer() {
        return [this](Question q) { return askUser(q); };
    }
    void typeIntoValueField(ValueField field);
    // A keystroke was refused: the field flashes and the status bar says what it takes.
    void sayWhatTheFieldTakes(ValueField field);
    void leaveValueField(ValueField field);
    void finishSpanCountEntry();
    void changeSpanCountBy(int step);
    void typeShownSpan();
    void showNeighbourSpan(int step);
    void chooseSupport(BeamEnd end, int listIndex);
    void offerLoadKind(int row);
    void addOfferedLoad();
    void chooseLoad(int row);
    void deleteLoadAtRow(int row);
    void undo();
    void redo();

    // -- file commands (FileCommands.cpp)
    bool offerToSaveFirst();
    void newCommand();
    void openCommand();
    bool save();
    bool saveAs();
    // Writes the project to path and makes it the project's file; says why when it cannot.
    bool saveTo(const QString& path);
    void exitCommand();
    void endProgram();
    void closeEvent(QCloseEvent* event) override;

    // -- check and calculation, help (Commands.cpp)
    void checkData();
    void editCombination(); // the combination settings dialog
    void addSlabLoad();     // the two-way slab helper
    void calculate();
    void showResults();
    void showHelp();
    void showIntroduction();
    void showVerification();
    // A verification problem as a new project, after the question about unsaved work.
    void openVerificationProblem(const Project& project);

    // -- the design data (DesignCommands.cpp): each dialog's values go to the editor as one
    // step, or the user is told why they cannot be used and nothing changes
    void editDesignSettings();
    void editSection(); // of the span shown
    void editSupports();
    void editMember();
    void editSelfWeight();
    void searchSections();
    // The caption under the stiffness fields: where EI and i come from.
    void refreshStiffnessSource();

    Prompter& m_prompter;
    Editor m_editor;
    QString m_projectName;
    QString m_diskStamp; // the SHA-256 of the project's file when opened or saved, or empty
    std::unique_ptr<RecoveryCopy> m_recovery;
    QTimer* m_recoveryTimer = nullptr;
    std::optional<BeamOutcome> m_outcome; // of the last calculation
    bool m_stampedUnsaved = true;         // the state its stamp was made in
    int m_offeredKindRow = 0;             // the row of the load-kind list the user last chose
    LoadCase m_chosenCase = Dead;         // the case the next new load takes
    bool m_finishingSpanCount = false;    // a question about the count is open
    bool m_ending = false;                // Exit answered: close without asking again

    QPointer<CheckWindow> m_checkWindow;
    QPointer<ResultWindow> m_resultWindow;
    QPointer<HelpWindow> m_help;
    QPointer<IntroductionWindow> m_introduction;
    QPointer<VerificationWindow> m_verification;

    QAction* m_undoAction = nullptr;
    QAction* m_redoAction = nullptr;

    QLabel* m_banner = nullptr;
    QGroupBox* m_beamGroup = nullptr;
    QLabel* m_spanCountLabel = nullptr;
    QLineEdit* m_spanCountField = nullptr;
    QPushButton* m_moreSpansButton = nullptr;
    QPushButton* m_fewerSpansButton = nullptr;
    QLabel* m_leftSupportLabel = nullptr;
    QComboBox* m_leftSupportList = nullptr;
    QLabel* m_rightSupportLabel = nullptr;
    QComboBox* m_rightSupportList = nullptr;

    BeamSketch* m_beamSketch = nullptr;

    QGroupBox* m_spanGroup = nullptr;
    QLabel* m_shownSpanLabel = nullptr;
    QLineEdit* m_shownSpanField = nullptr;
    QPushButton* m_previousSpanButton = nullptr;
    QPushButton* m_nextSpanButton = nullptr;
    QLabel* m_spanLengthLabel = nullptr;
    QLabel* m_spanLengthUnit = nullptr;
    QLabel* m_spanEditLabel = nullptr;
    QPushButton* m_copyPreviousSpanButton = nullptr;
    QPushButton* m_deleteSpanButton = nullptr;
    QPushButton* m_insertSpanButton = nullptr;
    QPushButton* m_sectionButton = nullptr;

    QLabel* m_loadKindLabel = nullptr;
    QLabel* m_loadKindSketch = nullptr;
    QListWidget* m_loadKindList = nullptr;
    QLabel* m_newLoadCaseLabel = nullptr;
    QComboBox* m_newLoadCaseList = nullptr; // 恒载 G / 活载 Q of the next load added
    QLabel* m_selectedLoadCaseLabel = nullptr;
    QComboBox* m_selectedLoadCaseList = nullptr; // the case of the selected load
    QLabel* m_spanLoadsLabel = nullptr;
    QLabel* m_selectedLoadSketch = nullptr;
    QListWidget* m_spanLoadList = nullptr;
    QPushButton* m_addLoadButton = nullptr;
    QPushButton* m_deleteLoadButton = nullptr;
    QPushButton* m_deleteAllLoadsButton = nullptr;
    QLabel* m_loadParametersLabel = nullptr;
    ParameterRow m_forceRow, m_intensityRow, m_distanceARow, m_distanceBRow, m_distanceCRow;
    QGridLayout* m_parameterGrid = nullptr;
    int m_forceRowAt = 1; // the grid row of the P field's row

    QLabel* m_rigidityLabel = nullptr;
    QLabel* m_rigidityUnit = nullptr;
    QLabel* m_lineStiffnessLabel = nullptr;
    QLabel* m_lineStiffnessUnit = nullptr;
    QPushButton* m_computeLineStiffnessButton = nullptr;
    QLabel* m_stiffnessSource = nullptr; // "由截面 250×500、C30 计算" where the span has one
    std::array<QLineEdit*, kValueFieldCount> m_valueFields{};

    QPushButton* m_checkButton = nullptr;
    QPushButton* m_diagramButton = nullptr;
    QPushButton* m_calculateButton = nullptr;
};

} // namespace spanwise
