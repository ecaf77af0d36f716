// 计算 → 支座宽度与调幅…: one row per support of the beam (a cantilever's free end is none):
// its width, the redistribution factor beta of its moment and the top bars provided over it.
// beta can be typed only where the code allows redistribution (a row says why not); a value
// kept from before stays editable so that it can be cleared. The dialog gathers what was typed;
// the editor decides whether it can be used.
#pragma once

#include "model/Beam.h"

#include "ui/common/CommittingDialog.h"

#include <string>
#include <variant>
#include <vector>

class QLineEdit;

namespace spanwise {

class SupportsDialog : public CommittingDialog {
    Q_OBJECT

public:
    explicit SupportsDialog(const Beam& beam, QWidget* parent = nullptr);

    // The data of every support 0..spanCount (a free end keeps what it held), or the field that
    // holds no number or no bar text, and why.
    std::variant<std::vector<SupportDesign>, Refusal> typed() const;
    // The field that holds a value of support j (the dialog's first where it has none).
    QWidget* controlOf(int support, SupportPart part) const;

private:
    struct Row {
        int support = 0;
        std::string name; // as tables name the support
        QLineEdit* width = nullptr;
        QLineEdit* beta = nullptr;
        QLineEdit* topBars = nullptr;
    };

    std::vector<SupportDesign> m_kept;
    std::vector<Row> m_rows;
};

} // namespace spanwise
