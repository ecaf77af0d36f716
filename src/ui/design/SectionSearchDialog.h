// 计算 → 选择截面…: the candidate sections of the beam (depths from a range and step, widths from
// a list, one section for every span or each span its own), each calculated and designed whole
// by the core's search; the table of candidates with ✔/✘, the first failure, the largest ρ,
// the concrete and the steel, the least passing one marked; 采用 sets the chosen (or the row
// selected) on the spans in one undo step.
#pragma once

#include "edit/Editor.h"
#include "outcome/SectionSearch.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace spanwise {

class SectionSearchDialog : public QDialog {
    Q_OBJECT

public:
    SectionSearchDialog(Editor& editor, QWidget* parent = nullptr);

private:
    void search();
    void adopt();

    Editor& m_editor;
    QLineEdit* m_minDepthField;
    QLineEdit* m_maxDepthField;
    QLineEdit* m_stepField;
    QLineEdit* m_widthsField;
    QCheckBox* m_perSpanBox;
    QTableWidget* m_table;
    QLabel* m_words;
    QPushButton* m_adoptButton;
    std::optional<SectionSearch> m_search;
};

} // namespace spanwise
