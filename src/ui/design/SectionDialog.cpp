#include "ui/design/SectionDialog.h"

#include "analysis/NumberFormat.h"
#include "design/BarText.h"
#include "design/SectionStiffness.h"
#include "ui/common/Controls.h"
#include "ui/common/NumberValidator.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace spanwise {

using namespace controls;

namespace {

QString text(float v) {
    return QString::fromStdString(fieldText(v));
}

} // namespace

SectionDialog::SectionDialog(int span, float length, const std::optional<SpanSection>& section,
                             float tensionCover, QWidget* parent)
    : CommittingDialog(parent), m_length(length), m_tensionCover(tensionCover) {
    setObjectName(QStringLiteral("sectionDialog"));
    setWindowTitle(QStringLiteral("第%1跨截面").arg(span));
    const SpanSection shown = section.value_or(SpanSection{250, 500, 0, 0, false, {}, {}, {}});
    auto number = [](const char* name, const QString& value) {
        QLineEdit* f = field(name, value);
        f->setValidator(new NumberValidator(false, {}, f));
        return f;
    };
    m_widthField = number("sectionWidthField", text(shown.width));
    m_depthField = number("sectionDepthField", text(shown.depth));
    m_flangeBox = named<QCheckBox>("flangeBox", QStringLiteral("T 形截面（受压翼缘）"));
    m_flangeBox->setChecked(shown.hasFlange());
    m_flangeWidthField = number("flangeWidthField", text(shown.flangeWidth));
    m_flangeDepthField = number("flangeDepthField", text(shown.flangeDepth));
    m_clearDistanceField = number("clearDistanceField", QString());
    m_tableNote = label("flangeTableNote", QString());
    m_tableNote->setWordWrap(true);
    auto* byTable = button("flangeByTableButton", QStringLiteral("按 GB 50010 表 5.2.4"));
    m_independentBox = named<QCheckBox>("independentBox", QStringLiteral("独立梁（不与板整浇）"));
    m_independentBox->setChecked(shown.independent);
    auto bars = [](const char* name, const auto& set, auto write) {
        QLineEdit* f = field(name, set ? QString::fromStdString(write(*set)) : QString());
        f->setMaximumWidth(140);
        f->setPlaceholderText(QStringLiteral("自动选配"));
        return f;
    };
    m_bottomBarsField =
        bars("bottomBarsField", shown.bottomBars, [](const BarSet& b) { return typedBarText(b); });
    m_topBarsField =
        bars("spanTopBarsField", shown.topBars, [](const BarSet& b) { return typedBarText(b); });
    m_stirrupsField = bars("stirrupsField", shown.stirrups,
                           [](const StirrupSet& s) { return typedStirrupText(s); });

    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("梁宽 b (mm)"), m_widthField);
    form->addRow(QStringLiteral("梁高 h (mm)"), m_depthField);
    form->addRow(QString(), m_flangeBox);
    form->addRow(QStringLiteral("翼缘宽度 bf' (mm)"), m_flangeWidthField);
    form->addRow(QStringLiteral("翼缘高度 hf' (mm)"), m_flangeDepthField);
    auto* helper = new QHBoxLayout;
    helper->addWidget(m_clearDistanceField);
    helper->addWidget(byTable);
    form->addRow(QStringLiteral("梁肋净距 sn (mm)"), helper);
    form->addRow(m_tableNote);
    form->addRow(QString(), m_independentBox);
    form->addRow(QStringLiteral("下部钢筋（如 4Φ22 或 4C22）"), m_bottomBarsField);
    form->addRow(QStringLiteral("跨中上部钢筋"), m_topBarsField);
    form->addRow(QStringLiteral("箍筋（如 Φ8@150(2) 或 C8@150(2)）"), m_stirrupsField);
    form->addRow(statusLine());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->setObjectName(QStringLiteral("sectionButtons"));
    QPushButton* remove =
        buttons->addButton(QStringLiteral("删除截面"), QDialogButtonBox::DestructiveRole);
    remove->setObjectName(QStringLiteral("removeSectionButton"));
    remove->setEnabled(section.has_value());
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(remove, &QPushButton::clicked, this, [this] {
        m_removed = true;
        accept();
    });
    connect(byTable, &QPushButton::clicked, this, [this] { fillFlangeByTable(); });
    connect(m_flangeBox, &QCheckBox::toggled, this, [this] { showFlangeFields(); });
    showFlangeFields();
}

void SectionDialog::showFlangeFields() {
    const bool flange = m_flangeBox->isChecked();
    for (QLineEdit* f : {m_flangeWidthField, m_flangeDepthField, m_clearDistanceField}) {
        f->setEnabled(flange);
    }
}

// bf' by the table from b, hf', h0 = h - as and sn as typed: the least of the three limits.
void SectionDialog::fillFlangeByTable() {
    const auto b = parseFieldNumber(m_widthField->text().toStdString());
    const auto h = parseFieldNumber(m_depthField->text().toStdString());
    const auto hf = parseFieldNumber(m_flangeDepthField->text().toStdString());
    const auto sn = parseFieldNumber(m_clearDistanceField->text().toStdString());
    if (!b || !h || !hf || !sn) {
        m_tableNote->setText(QStringLiteral("请先输入 b、h、hf' 和梁肋净距 sn"));
        return;
    }
    SpanSection typed;
    typed.width = *b;
    typed.flangeDepth = *hf;
    typed.independent = m_independentBox->isChecked();
    std::string working;
    const double bf = flangeWidthByTable(m_length, typed, *h - m_tensionCover, *sn, &working);
    m_flangeWidthField->setText(QString::fromStdString(fieldText(static_cast<float>(bf))));
    m_tableNote->setText(QString::fromStdString(working));
}

std::variant<std::optional<SpanSection>, CommittingDialog::Refusal> SectionDialog::typed() const {
    if (m_removed) {
        return std::optional<SpanSection>();
    }
    const bool flange = m_flangeBox->isChecked();
    SpanSection s;
    s.independent = m_independentBox->isChecked();
    const std::pair<QLineEdit*, float*> numbers[] = {{m_widthField, &s.width},
                                                     {m_depthField, &s.depth},
                                                     {m_flangeWidthField, &s.flangeWidth},
                                                     {m_flangeDepthField, &s.flangeDepth}};
    for (const auto& [f, into] : numbers) {
        if (!flange && (f == m_flangeWidthField || f == m_flangeDepthField)) {
            continue; // a rectangle: no flange
        }
        const auto value = parseFieldNumber(f->text().toStdString());
        if (!value) {
            return Refusal{f, QStringLiteral("应为数字")};
        }
        *into = *value;
    }
    auto bars = [](QLineEdit* f, std::optional<BarSet>& into) -> std::optional<Refusal> {
        const std::string text = f->text().trimmed().toStdString();
        if (text.empty()) {
            return std::nullopt; // proposed by the design
        }
        const Parsed<BarSet> parsed = parseBars(text);
        into = parsed.value;
        return parsed.ok() ? std::nullopt
                           : std::optional(Refusal{f, QString::fromStdString(parsed.problem)});
    };
    for (const auto& [f, into] :
         {std::pair{m_bottomBarsField, &s.bottomBars}, std::pair{m_topBarsField, &s.topBars}}) {
        if (auto refusal = bars(f, *into)) {
            return *refusal;
        }
    }
    if (const std::string text = m_stirrupsField->text().trimmed().toStdString(); !text.empty()) {
        const Parsed<StirrupSet> parsed = parseStirrups(text);
        if (!parsed.ok()) {
            return Refusal{m_stirrupsField, QString::fromStdString(parsed.problem)};
        }
        s.stirrups = parsed.value;
    }
    return std::optional<SpanSection>(s);
}

QWidget* SectionDialog::controlOf(SectionPart part) const {
    switch (part) {
    case SectionPart::Width:
        return m_widthField;
    case SectionPart::Depth:
        return m_depthField;
    case SectionPart::FlangeWidth:
        return m_flangeWidthField;
    case SectionPart::FlangeDepth:
        return m_flangeDepthField;
    case SectionPart::BottomBars:
        return m_bottomBarsField;
    case SectionPart::TopBars:
        return m_topBarsField;
    default:
        return m_stirrupsField;
    }
}

} // namespace spanwise
