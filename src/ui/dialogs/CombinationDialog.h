// The combination settings of the basic combination gammaG*G + gammaQ*gammaL*Q: three factors
// and whether a favourable dead load takes its own factor; and those of the deflection check:
// the quasi-permanent share psi_q and the limit l0/n (a usual n from the list, or any typed).
// The dialog only gathers the values; the editor decides whether they are usable.
#pragma once

#include "model/Beam.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace spanwise {

class CombinationDialog : public QDialog {
    Q_OBJECT

public:
    CombinationDialog(const CombinationFactors& factors, const DeflectionSettings& deflection,
                      QWidget* parent = nullptr);

    // The factors as typed; nothing when a field does not hold a number.
    std::optional<CombinationFactors> factors() const;
    std::optional<DeflectionSettings> deflection() const;

private:
    QLineEdit* m_deadField;
    QLineEdit* m_liveField;
    QLineEdit* m_designLifeField;
    QCheckBox* m_favourableBox;
    QLineEdit* m_favourableField;
    QLineEdit* m_quasiPermanentField;
    QComboBox* m_limitList;
    QLineEdit* m_limitField;
};

} // namespace spanwise
