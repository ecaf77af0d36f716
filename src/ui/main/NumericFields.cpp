// The value fields of the single-span panel: keystroke filtering, focus loss, the complement
// of a concentrated force's a and b, and the line-stiffness button.
#include "ui/main/MainWindow.h"

#include "ui/common/Controls.h"

#include "analysis/NumberFormat.h"

#include <QLineEdit>
#include <QPushButton>

#include <cmath>
#include <limits>

namespace spanwise {

using controls::setFieldText;

namespace {

QString canonical(float v) {
    return QString::fromStdString(fieldText(v));
}

// The complement of a and b writes back and forth until the texts agree, which takes a step or
// two; the limit only guards against texts that never settle.
constexpr int kMaxComplementDepth = 8;

} // namespace

void MainWindow::loadFieldChanged(QLineEdit* field, LoadArray<float>& values) {
    MarkEdited();
    float& value = values[s()][k()];
    std::string text = field->text().toStdString();
    NUMBERDEAL1(text, value);
    setFieldText(field, QString::fromStdString(text));
}

void MainWindow::loadFieldLostFocus(QLineEdit* field, LoadArray<float>& values) {
    float& value = values[s()][k()];
    std::string text = field->text().toStdString();
    NUMBERDEAL2(text, value);
    setFieldText(field, QString::fromStdString(text));
}

void MainWindow::P_Change() {
    loadFieldChanged(m_rowP.field, m_model.LoadP);
}
void MainWindow::q_Change() {
    loadFieldChanged(m_rowQ.field, m_model.LoadQ);
}
void MainWindow::c_Change() {
    loadFieldChanged(m_rowC.field, m_model.LoadC);
}

void MainWindow::a_Change() {
    loadFieldChanged(m_rowA.field, m_model.LoadA);
    complement(m_rowB.field, m_model.LoadA, m_model.LoadB);
}

void MainWindow::b_Change() {
    loadFieldChanged(m_rowB.field, m_model.LoadB);
    complement(m_rowA.field, m_model.LoadB, m_model.LoadA);
}

// After a (or b) of a concentrated force changed, the other becomes L minus it, so the force
// stays on the span: only while 0 < changed < L.
void MainWindow::complement(QLineEdit* other, LoadArray<float>& changed,
                            LoadArray<float>& follower) {
    const float L = m_model.SpanLength[s()];
    const float value = changed[s()][k()];
    if (m_model.LoadKindOf[s()][k()] != Concentrated || L == 0 || !(L > value) || value == 0) {
        return;
    }
    if (m_complementDepth >= kMaxComplementDepth) {
        return;
    }
    ++m_complementDepth;
    follower[s()][k()] = L - value; // float difference: correctly rounded
    setFieldText(other, canonical(follower[s()][k()]));
    --m_complementDepth;
}

void MainWindow::spanFieldChanged(QLineEdit* field, SpanArray<float>& values,
                                  const char* emptyText) {
    MarkEdited();
    float& value = values[s()];
    const QString text = field->text();
    if (text.isEmpty()) {
        setFieldText(field, QString::fromLatin1(emptyText));
        if (const auto parsed = parseFieldNumber(field->text().toStdString())) {
            value = *parsed;
        }
    } else if (text == QStringLiteral(".")) {
        return;
    } else if (const auto parsed = parseFieldNumber(text.toStdString())) {
        value = *parsed;
    } else {
        // refused: not a plain number, or beyond the float range
        setFieldText(field, canonical(value));
    }
}

void MainWindow::EI_Change() {
    spanFieldChanged(m_EI, m_model.SpanEI, "1");
}
void MainWindow::I_Change() {
    spanFieldChanged(m_I, m_model.SpanLineStiffness, "1");
}
void MainWindow::length_Change() {
    spanFieldChanged(m_length, m_model.SpanLength, "0");
}

void MainWindow::EI_LostFocus() {
    if (m_EI->text() == QStringLiteral(".")) {
        setFieldText(m_EI, QStringLiteral("1"));
    }
    setFieldText(m_EI, canonical(m_model.SpanEI[s()]));
}

void MainWindow::I_LostFocus() {
    if (m_I->text() == QStringLiteral(".")) {
        setFieldText(m_I, QStringLiteral("1"));
    }
    setFieldText(m_I, canonical(m_model.SpanLineStiffness[s()]));
}

void MainWindow::length_LostFocus() {
    if (m_length->text() != QStringLiteral(".")) {
        setFieldText(m_length, canonical(m_model.SpanLength[s()]));
    } else {
        setFieldText(m_length, QStringLiteral("0"));
        m_model.SpanLength[s()] = 0;
    }
}

void MainWindow::Command1_Click() {
    m_done->setEnabled(false);
    m_Command6->setEnabled(false);
    m_check->setEnabled(true);
    const float L = m_model.SpanLength[s()];
    const float EI = m_model.SpanEI[s()];
    const double quotient = L != 0 && EI != 0 ? double{EI} / L : 0;
    // a quotient beyond the float range (EI 3e38 over 1 mm) is treated like a zero length
    if (quotient != 0 && std::fabs(quotient) <= std::numeric_limits<float>::max()) {
        m_model.SpanLineStiffness[s()] = static_cast<float>(quotient);
        setFieldText(m_I, canonical(m_model.SpanLineStiffness[s()]));
    } else {
        setFieldText(m_I, QStringLiteral("1"));
        m_model.SpanLineStiffness[s()] = 1;
    }
}

} // namespace spanwise
