// 计算 → 支座宽度与调幅…: how the axes are named (①②③…, A B C… or typed), then one row per
// support of the beam (a cantilever's free end is none): its axis, its width, the redistribution
// factor beta of its moment and the top bars provided over it. An axis is typed only where the
// axes are; otherwise its field shows the name the style gives.
// beta can be typed only where the code allows redistribution (a row says why not); a value
// kept from before stays editable so that it can be cleared. The dialog gathers what was typed;
// the editor decides whether it can be used.
#pragma once

#include "model/Beam.h"

#include "ui/common/CommittingDialog.h"

#include <string>
#include <variant>
#include <vector>

class QComboBox;
class QLineEdit;

namespace spanwise {

class SupportsDialog : public CommittingDialog {
    Q_OBJECT

public:
    explicit SupportsDialog(const Beam& beam, QWidget* parent = nullptr);

    struct Visit {
        std::vector<SupportDesign> supports;
        AxisStyle axes = AxisStyle::Numbers;
    };
    // The data of every support 0..spanCount (a free end keeps what it held) and the axes' style,
    // or the field that holds no number or no bar text, and why.
    std::variant<Visit, Refusal> typed() const;
    // The field that holds a value of support j (the dialog's first where it has none).
    QWidget* controlOf(int support, SupportPart part) const;

private:
    struct Row {
        int support = 0;
        QLineEdit* axis = nullptr;
        QLineEdit* width = nullptr;
        QLineEdit* beta = nullptr;
        QLineEdit* topBars = nullptr;
    };

    void showAxes();

    Beam m_beam; // as it was when the dialog opened, for the names a style gives
    QComboBox* m_axisStyle = nullptr;
    std::vector<SupportDesign> m_kept;
    std::vector<Row> m_rows;
};

} // namespace spanwise
