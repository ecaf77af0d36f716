// Span count, current span and the single-span panel.
#include "ui/main/MainWindow.h"

#include "ui/common/Controls.h"

#include "analysis/NumberFormat.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <cmath>

namespace spanwise {

using controls::setFieldText;

namespace {

QString integerText(double v) {
    return QString::number(v, 'f', 0);
}

// The whole-number part of a count field's text; nothing for "." and anything numbercheck
// refuses, or a number beyond the double range.
std::optional<double> wholeNumber(const QLineEdit* field) {
    const auto value = parseCountNumber(field->text().toStdString());
    if (!value) {
        return std::nullopt;
    }
    return std::trunc(*value);
}

} // namespace

void MainWindow::MarkEdited() {
    m_model.ProjectSaved = false;
    m_done->setEnabled(false);
    m_Command6->setEnabled(false);
    m_check->setEnabled(true);
    emit edited();
}

void MainWindow::number_Change() {
    MarkEdited();
    const auto value = wholeNumber(m_number);
    if (!value) {
        setFieldText(m_number, QString::number(m_model.SpanCount));
        return;
    }
    setFieldText(m_number, integerText(*value)); // 2.7 becomes 2, 02 becomes 2
    if (*value > kMaxSpans || *value < 1) {
        setFieldText(m_number, QString::number(m_model.SpanCount));
    } else {
        m_model.SpanCount = static_cast<std::int16_t>(*value);
        if (m_model.SpanCount > m_model.CurrentSpan) {
            m_back->setEnabled(true);
        } else {
            m_model.CurrentSpan = m_model.SpanCount;
            setFieldText(m_Currentnumber, QString::number(m_model.CurrentSpan));
            m_back->setEnabled(false);
        }
    }
    const bool single = m_model.SpanCount < 2;
    if (single) {
        // a one-span beam rests on two simple supports, whatever the user answers to the
        // question about the end span's loads; a Cancel there puts its list back, so the lists
        // are set once more after the model (which then passes without a question)
        m_LL->setCurrentIndex(0);
        m_RR->setCurrentIndex(0);
        m_model.LeftSupport = Simple;
        m_model.RightSupport = Simple;
        m_LL->setCurrentIndex(0);
        m_RR->setCurrentIndex(0);
    }
    m_LL->setEnabled(!single);
    m_RR->setEnabled(!single);
    m_Command4->setEnabled(!single);
    const bool full = m_model.SpanCount == kMaxSpans;
    m_Command5->setEnabled(!full);
    m_PLUS->setEnabled(!full);
    m_Command4->setEnabled(m_model.SpanCount != 1);
    m_REDUCE->setEnabled(m_model.SpanCount != 1);
    Currentnumber_Change();
}

void MainWindow::PLUS_Click() {
    setFieldText(m_number, integerText(m_number->text().toDouble() + 1));
    m_model.SpanCount = static_cast<std::int16_t>(m_number->text().toInt());
}

void MainWindow::REDUCE_Click() {
    setFieldText(m_number, integerText(m_number->text().toDouble() - 1));
    m_model.SpanCount = static_cast<std::int16_t>(m_number->text().toInt());
}

void MainWindow::Currentnumber_Change() {
    m_model.ProjectSaved = false;
    const auto value = wholeNumber(m_Currentnumber);
    if (!value) {
        setFieldText(m_Currentnumber, QString::number(m_model.CurrentSpan));
        return;
    }
    setFieldText(m_Currentnumber, integerText(*value));
    if (*value > m_model.SpanCount || *value < 1) {
        setFieldText(m_Currentnumber, QString::number(m_model.CurrentSpan));
    } else {
        m_model.CurrentSpan = static_cast<std::int16_t>(*value);
        setFieldText(m_length, QString::fromStdString(fieldText(m_model.SpanLength[s()])));
        setFieldText(m_I, QString::fromStdString(fieldText(m_model.SpanLineStiffness[s()])));
        setFieldText(m_EI, QString::fromStdString(fieldText(m_model.SpanEI[s()])));
        clearSketch(m_Image2);
    }
    m_Command3->setEnabled(m_model.CurrentSpan >= 2);
    m_back->setEnabled(m_model.CurrentSpan != m_model.SpanCount);
    m_front->setEnabled(m_model.CurrentSpan != 1);
    ANOTHER_SHOWPICTURE();

    const int count = m_model.LoadCount[s()];
    if (count == 0) {
        m_add->setEnabled(true);
        m_remove->setEnabled(false);
        m_clear->setEnabled(false);
        m_List2->clear();
        shownone();
        SHOWSHOW();
        return;
    }
    m_add->setEnabled(count != kMaxLoads);
    m_clear->setEnabled(true);
    showLoadList();
}

void MainWindow::showLoadList() {
    m_List2->clear();
    for (int j = 1; j <= m_model.LoadCount[s()]; ++j) {
        auto* item = new QListWidgetItem(QString::fromStdString(m_model.LoadText[s()][j]));
        item->setData(Qt::UserRole, int{m_model.LoadKindOf[s()][j]});
        m_List2->addItem(item);
    }
    if (k() != 0) {
        m_remove->setEnabled(true);
        SHOWWHAT();
        SHOWSHOW();
        selectLoadRow(k() - 1); // its fields, values and picture
        SHOWPICTURE();
    } else {
        m_remove->setEnabled(false);
        shownone();
        SHOWSHOW();
        clearSketch(m_Image2);
    }
}

void MainWindow::front_Click() {
    setFieldText(m_Currentnumber, integerText(m_Currentnumber->text().toDouble() - 1));
    m_model.CurrentSpan = static_cast<std::int16_t>(m_Currentnumber->text().toInt());
}

void MainWindow::back_Click() {
    setFieldText(m_Currentnumber, integerText(m_Currentnumber->text().toDouble() + 1));
    m_model.CurrentSpan = static_cast<std::int16_t>(m_Currentnumber->text().toInt());
}

void MainWindow::shownone() {
    for (const ParameterRow* row : {&m_rowQ, &m_rowP, &m_rowA, &m_rowB, &m_rowC}) {
        row->setShown(false);
    }
}

void MainWindow::SHOWSHOW() {
    // the slot is read afresh for every field: writing one field may move nothing, but the
    // nested change handling of each field stores into the same slot
    auto text = [](float v) { return QString::fromStdString(fieldText(v)); };
    setFieldText(m_length, text(m_model.SpanLength[s()]));
    setFieldText(m_rowQ.field, text(m_model.LoadQ[s()][k()]));
    setFieldText(m_rowP.field, text(m_model.LoadP[s()][k()]));
    setFieldText(m_rowA.field, text(m_model.LoadA[s()][k()]));
    setFieldText(m_rowB.field, text(m_model.LoadB[s()][k()]));
    setFieldText(m_rowC.field, text(m_model.LoadC[s()][k()]));
    setFieldText(m_I, text(m_model.SpanLineStiffness[s()]));
    setFieldText(m_EI, text(m_model.SpanEI[s()]));
}

void MainWindow::SHOWWHAT() {
    const QListWidgetItem* item = m_List2->currentItem();
    if (item == nullptr || m_List2->currentRow() < 0) {
        return;
    }
    switch (item->data(Qt::UserRole).toInt()) {
    case Concentrated:
        m_rowQ.setShown(false);
        m_rowP.setShown(true);
        m_rowA.setShown(true);
        m_rowB.setShown(true);
        m_rowC.setShown(false);
        break;
    case Uniform:
        m_rowQ.setShown(true);
        m_rowP.setShown(false);
        m_rowA.setShown(false);
        m_rowB.setShown(false);
        m_rowC.setShown(false);
        break;
    case Trapezoidal:
        m_rowQ.setShown(true);
        m_rowP.setShown(false);
        m_rowA.setShown(true);
        m_rowB.setShown(false);
        m_rowC.setShown(false);
        break;
    default:
        break;
    }
}

void MainWindow::selectLoadRow(int row) {
    if (m_List2->currentRow() != row) {
        m_List2->setCurrentRow(row);
    }
}

} // namespace spanwise
