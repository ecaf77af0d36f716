// The result window's query of one section: its span and distance typed or clicked, M and V
// there (on both sides where they jump), and the envelope's extremes at that section.
#include "ui/dialogs/ResultWindow.h"

#include "analysis/NumberFormat.h"
#include "analysis/SectionForces.h"
#include "ui/common/Controls.h"
#include "ui/dialogs/DeflectionPage.h"
#include "ui/dialogs/DiagramPanel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>

namespace spanwise {

using namespace controls;

namespace {

QString result(float v) {
    return QString::fromStdString(formatResult(v));
}
QString canonical(float v) {
    return QString::fromStdString(fieldText(v));
}

} // namespace

// The query's span, its length and the buttons beside it.
void ResultWindow::showQuerySpan() {
    setFieldText(m_querySpanField, QString::number(m_querySpan));
    m_querySpanLengthField->setText(canonical(beam().span(m_querySpan).length));
    m_nextSpanButton->setEnabled(m_querySpan != beam().spanCount());
    m_previousSpanButton->setEnabled(m_querySpan != 1);
}

void ResultWindow::typeQuerySpan() {
    const auto value = parseCountNumber(m_querySpanField->text().toStdString());
    if (value && std::floor(*value) >= 1 && std::floor(*value) <= beam().spanCount()) {
        queryAt(static_cast<int>(std::floor(*value)), m_queryDistance);
    } else {
        showQuerySpan(); // the field shows the span in force again
    }
}

void ResultWindow::showNeighbourSpan(int step) {
    const int span = m_querySpan + step;
    if (span >= 1 && span <= beam().spanCount()) {
        queryAt(span, m_queryDistance);
    }
}

void ResultWindow::typeQueryDistance() {
    const QString text = m_queryDistanceField->text();
    if (text.isEmpty()) {
        setFieldText(m_queryDistanceField, QStringLiteral("0"));
    } else if (numberEntryOf(text.toStdString()) == NumberEntry::Partial) {
        return; // a number is on its way
    } else if (!parseFieldNumber(text.toStdString())) {
        // not a distance: the field shows the one last queried again
        setFieldText(m_queryDistanceField, canonical(m_queryDistance));
        flashRefused(m_queryDistanceField);
    }
    applyQueryDistanceText();
}

void ResultWindow::applyQueryDistanceText() {
    const float L = beam().span(m_querySpan).length;
    const auto value = parseFieldNumber(m_queryDistanceField->text().toStdString());
    m_queryOutOfRange = value && *value > L;
    if (m_queryOutOfRange) {
        m_queryRangeNotice->setText(QStringLiteral("超出本跨范围 0～%1 m").arg(canonical(L)));
        m_queryRangeNotice->show();
        for (QLineEdit* shown : {m_queryMomentField, m_queryShearField, m_queryShearRightField,
                                 m_queryMomentRightField}) {
            shown->clear();
        }
        m_diagrams->setMarker(std::nullopt);
        return;
    }
    m_queryRangeNotice->hide();
    if (value) {
        m_queryDistance = *value;
    }
    showQuery();
}

void ResultWindow::leaveQueryDistance() {
    if (m_queryOutOfRange) {
        return; // the distance stays as typed, with the span's range beside it
    }
    if (m_queryDistanceField->text() == QStringLiteral(".")) {
        m_queryDistance = 0;
        setFieldText(m_queryDistanceField, QStringLiteral("0"));
    } else if (!m_queryDistanceField->text().isEmpty()) {
        setFieldText(m_queryDistanceField, canonical(m_queryDistance));
    }
}

// Queries span `span` at x, moved into the span: never evaluated beyond its ends.
void ResultWindow::queryAt(int span, float x) {
    m_querySpan = span;
    m_queryOutOfRange = false;
    m_queryRangeNotice->hide();
    m_queryDistance = std::fmax(std::fmin(x, beam().span(span).length), 0.0f);
    showQuerySpan();
    setFieldText(m_queryDistanceField, canonical(m_queryDistance));
    showQuery();
}

void ResultWindow::showQuery() {
    m_diagrams->setMarker(BeamSection{m_querySpan, m_queryDistance});
    m_envelopeDiagrams->setMarker(BeamSection{m_querySpan, m_queryDistance});
    m_deflectionPage->setQuery(m_querySpan, m_queryDistance);
    showEnvelopeQuery();
    const SectionForce force =
        sectionForceAt(beam(), m_outcome->calculation.results, m_querySpan, m_queryDistance);
    m_queryMomentField->setText(result(force.M));
    // on a concentrated moment M jumps: left and right of it
    const bool onMoment = force.M != force.MR;
    for (QWidget* side : {static_cast<QWidget*>(m_queryMomentRightField),
                          static_cast<QWidget*>(m_queryMomentRightUnit),
                          static_cast<QWidget*>(m_queryMomentRightCaption)}) {
        side->setVisible(onMoment);
    }
    m_queryMomentCaption->setText(onMoment ? QStringLiteral("弯距M左=") : QStringLiteral("弯距M="));
    if (onMoment) {
        m_queryMomentRightField->setText(result(force.MR));
    }
    m_queryShearField->setText(result(force.VL));
    const bool onForce = force.VL != force.VR;
    m_queryShearRightField->setVisible(onForce);
    m_queryShearRightUnit->setVisible(onForce);
    m_queryShearRightCaption->setVisible(onForce);
    // at a concentrated force the shear jumps: left and right of it
    m_queryShearCaption->setText(onForce ? QStringLiteral("剪力V左=") : QStringLiteral("剪力V="));
    if (onForce) {
        m_queryShearRightField->setText(result(force.VR));
    }
}

void ResultWindow::showEnvelopeQuery() {
    if (!envelope()) {
        return;
    }
    EnvelopeSection e;
    try {
        e = envelope()->at(m_querySpan, m_queryDistance);
    } catch (const std::exception&) {
        m_envelopeQueryText->clear();
        return;
    }
    auto line = [](const char* name, const Extreme& extreme, const char* unit) {
        return QStringLiteral("%1 = %2 %3（%4）")
            .arg(QString::fromUtf8(name), result(extreme.value), QString::fromUtf8(unit),
                 QString::fromStdString(arrangementText(extreme.arrangement)));
    };
    QStringList lines{
        QStringLiteral("第%1跨 x = %2 m").arg(m_querySpan).arg(canonical(m_queryDistance))};
    // on a concentrated moment the moment jumps: both sides
    const bool momentJumps =
        e.maxMoment.value != e.maxMomentRight.value || e.minMoment.value != e.minMomentRight.value;
    lines << line(momentJumps ? "M左max" : "Mmax", e.maxMoment, "kN*m")
          << line(momentJumps ? "M左min" : "Mmin", e.minMoment, "kN*m");
    if (momentJumps) {
        lines << line("M右max", e.maxMomentRight, "kN*m")
              << line("M右min", e.minMomentRight, "kN*m");
    }
    // at a concentrated force the shear jumps: both sides
    const bool jumps = e.maxShearLeft.value != e.maxShearRight.value ||
                       e.minShearLeft.value != e.minShearRight.value;
    lines << line(jumps ? "V左max" : "Vmax", e.maxShearLeft, "kN")
          << line(jumps ? "V左min" : "Vmin", e.minShearLeft, "kN");
    if (jumps) {
        lines << line("V右max", e.maxShearRight, "kN") << line("V右min", e.minShearRight, "kN");
    }
    m_envelopeQueryText->setText(lines.join(QLatin1Char('\n')));
}

} // namespace spanwise
