// The main window `window`: the editor of the one BeamModel of the program.
//
// The upper group edits the whole beam (span count, end supports), the lower group one span at
// a time (length, stiffness, loads). Every accepted keystroke goes into the model at once and
// every refused one is undone at once. Handlers keep the program's own names (number_Change,
// PLUS_Click, ...) and are re-entrant: a text or list selection set by the program runs that
// control's handler at once, nested, exactly like the user's own change, and every handler
// gives the same result when it runs nested. The implementation is split by concern:
// MainWindow.cpp (controls and layout), FileCommands.cpp (File menu), Commands.cpp (check and
// calculation), Navigation.cpp (span count, current span, panel), NumericFields.cpp (value fields),
// LoadList.cpp (load lists), SpanOperations.cpp (insert, delete, copy a span), Supports.cpp (end
// supports), Sketches.cpp (load pictures).
#pragma once

#include "model/BeamModel.h"

#include <QMainWindow>
#include <QPointer>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace spanwise {

class CheckWindow;
class HelpWindow;
class IntroductionWindow;
class Prompter;
class ResultWindow;

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(Prompter& prompter, QWidget* parent = nullptr);
    ~MainWindow() override;

    const BeamModel& model() const { return m_model; }
    const BeamResults& results() const { return m_results; }

    // The opening sequence: reset model, name "新工程", title, span 1 shown.
    void Form_Load();

    // Rebuilds the single-span panel from the model (also after span operations and Open).
    void Currentnumber_Change();

    // Opens a project file as Open does after its dialog; on a bad file the user is told why
    // and gets a new project. Returns whether the file was read.
    bool openProject(const QString& path);

    // The window title for a project name: "Spanwise ( name )".
    static QString titleFor(const QString& projectName);

    // The result window while it is open, else null.
    ResultWindow* resultWindow() const;

signals:
    // The model may have changed (sent by every editing handler, before it changes the model).
    void edited();

private:
    // -- construction (MainWindow.cpp)
    void createMenus();
    void createControls();
    void layOutControls();
    void connectHandlers();

    // -- navigation and panel (Navigation.cpp)
    void MarkEdited();
    void number_Change();
    void PLUS_Click();
    void REDUCE_Click();
    void front_Click();
    void back_Click();
    void shownone();
    void SHOWSHOW();
    void SHOWWHAT();
    // Fills List2 with the current span's loads and reselects its selected load.
    void showLoadList();

    // -- value fields (NumericFields.cpp)
    void loadFieldChanged(QLineEdit* field, LoadArray<float>& values);
    void loadFieldLostFocus(QLineEdit* field, LoadArray<float>& values);
    void spanFieldChanged(QLineEdit* field, SpanArray<float>& values, const char* emptyText);
    void complement(QLineEdit* other, LoadArray<float>& changed, LoadArray<float>& follower);
    void P_Change();
    void q_Change();
    void a_Change();
    void b_Change();
    void c_Change();
    void EI_Change();
    void I_Change();
    void length_Change();
    void EI_LostFocus();
    void I_LostFocus();
    void length_LostFocus();
    void Command1_Click();

    // -- load lists (LoadList.cpp)
    void List1_Click();
    void List1_DblClick();
    void add_Click();
    void appendLoadOfSelectedKind();
    void List2_Click();
    void List2_DblClick();
    void List2_LostFocus();
    void remove_Click();
    void clear_Click();
    void DELONE();
    void DELALL();

    // -- file commands (FileCommands.cpp)
    void showProject();
    void newProject();
    bool offerToSaveFirst();
    void New_Click();
    void Open_Click();
    bool Save_Click();
    bool Saveas_Click();
    void Exit_Click();
    void endProgram();
    void closeEvent(QCloseEvent* event) override;

    // -- check and calculation, help (Commands.cpp)
    void check_Click();
    void Command6_Click();
    void RESULT();
    void Help_Click();
    void Introdoction_Click();
    void Declare_Click();

    // -- span operations (SpanOperations.cpp)
    bool confirmed(const QString& question);
    void Command5_Click();
    void Command4_Click();
    void Command3_Click();

    // -- end supports (Supports.cpp)
    void LL_Click();
    void RR_Click();
    void supportChanged(QComboBox* list, std::int16_t& support, int endSpan);
    void DELLEFT();
    void DELRIGHT();
    void deleteLoadsOfSpan(int s);

    // -- load pictures (Sketches.cpp)
    void ANOTHER_SHOWPICTURE();
    void SHOWPICTURE();
    void showSketch(QLabel* image, int kind);
    void clearSketch(QLabel* image);

    // -- helpers
    int s() const { return m_model.CurrentSpan; }
    int k() const { return m_model.SelectedLoad[m_model.CurrentSpan]; }
    void selectLoadRow(int row);
    void updateTitle();

    Prompter& m_prompter;
    BeamModel m_model;
    BeamResults m_results;
    int m_complementDepth = 0;
    bool m_ending = false; // Exit answered: close without asking again
    QPointer<CheckWindow> m_checkWindow;
    QPointer<ResultWindow> m_output;
    QPointer<HelpWindow> m_help;
    QPointer<IntroductionWindow> m_introduction;

    // controls, named as the program names them
    QLabel* m_HEAD = nullptr;
    QGroupBox* m_Frame1 = nullptr;
    QLabel* m_Label1 = nullptr;
    QLineEdit* m_number = nullptr;
    QPushButton* m_PLUS = nullptr;
    QPushButton* m_REDUCE = nullptr;
    QLabel* m_Label3 = nullptr;
    QComboBox* m_LL = nullptr;
    QLabel* m_Label4 = nullptr;
    QComboBox* m_RR = nullptr;

    QGroupBox* m_Frame2 = nullptr;
    QLabel* m_Label2 = nullptr;
    QLineEdit* m_Currentnumber = nullptr;
    QPushButton* m_front = nullptr;
    QPushButton* m_back = nullptr;
    QLabel* m_Label6 = nullptr;
    QLineEdit* m_length = nullptr;
    QLabel* m_Label11 = nullptr;
    QLabel* m_Label7 = nullptr;
    QPushButton* m_Command3 = nullptr;
    QPushButton* m_Command4 = nullptr;
    QPushButton* m_Command5 = nullptr;
    QLabel* m_Label8 = nullptr;
    QLabel* m_Image1 = nullptr;
    QListWidget* m_List1 = nullptr;
    QLabel* m_Label9 = nullptr;
    QLabel* m_Image2 = nullptr;
    QListWidget* m_List2 = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_remove = nullptr;
    QPushButton* m_clear = nullptr;
    QLabel* m_setup = nullptr;

    // load parameter rows: label, field, unit
    struct ParameterRow {
        QLabel* label = nullptr;
        QLineEdit* field = nullptr;
        QLabel* unit = nullptr;
        void setShown(bool shown) const;
    };
    ParameterRow m_rowP, m_rowQ, m_rowA, m_rowB, m_rowC;

    QLabel* m_Label16 = nullptr;
    QLineEdit* m_EI = nullptr;
    QLabel* m_Label17 = nullptr;
    QLabel* m_ii = nullptr;
    QLineEdit* m_I = nullptr;
    QLabel* m_Label18 = nullptr;
    QPushButton* m_Command1 = nullptr;

    QPushButton* m_check = nullptr;
    QPushButton* m_done = nullptr;
    QPushButton* m_Command6 = nullptr;
};

} // namespace spanwise
