// 计算 → 支座宽度与调幅…: one row per support of the beam (a cantilever's free end is none):
// its width, the redistribution factor beta of its moment and the top bars provided over it.
// beta can be typed only where the code allows redistribution (a row says why not); a value
// kept from before stays editable so that it can be cleared. The dialog gathers what was typed;
// the editor decides whether it can be used.
#pragma once

#include "model/Beam.h"

#include <QDialog>

#include <string>
#include <vector>

class QLineEdit;

namespace spanwise {

class SupportsDialog : public QDialog {
    Q_OBJECT

public:
    explicit SupportsDialog(const Beam& beam, QWidget* parent = nullptr);

    // The data of every support 0..spanCount (a free end keeps what it held), or nothing when a
    // field holds no number or no bar text: problem() says which.
    std::optional<std::vector<SupportDesign>> supports() const;
    const std::string& problem() const { return m_problem; }

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
    mutable std::string m_problem;
};

} // namespace spanwise
