// The combination settings of the basic combination gammaG*G + gammaQ*gammaL*Q: three factors
// and whether a favourable dead load takes its own factor. The dialog only gathers the values;
// the editor decides whether they are usable.
#pragma once

#include "model/Beam.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;

namespace spanwise {

class CombinationDialog : public QDialog {
    Q_OBJECT

public:
    CombinationDialog(const CombinationFactors& factors, QWidget* parent = nullptr);

    // The factors as typed; nothing when a field does not hold a number.
    std::optional<CombinationFactors> factors() const;

private:
    QLineEdit* m_deadField;
    QLineEdit* m_liveField;
    QLineEdit* m_designLifeField;
    QCheckBox* m_favourableBox;
    QLineEdit* m_favourableField;
};

} // namespace spanwise
