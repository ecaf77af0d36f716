#include "ui/design/SupportsDialog.h"
#include "model/Axes.h"

#include "analysis/NumberFormat.h"
#include "analysis/Reactions.h"
#include "design/BarText.h"
#include "ui/common/Controls.h"
#include "ui/common/NumberValidator.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

namespace spanwise {

using namespace controls;

namespace {

QString text(float v) {
    return QString::fromStdString(fieldText(v));
}

} // namespace

SupportsDialog::SupportsDialog(const Beam& beam, QWidget* parent)
    : CommittingDialog(parent), m_beam(beam) {
    setObjectName(QStringLiteral("supportsDialog"));
    setWindowTitle(QStringLiteral("支座宽度与调幅"));
    const int n = beam.spanCount();
    m_axisStyle = named<QComboBox>("axisStyleBox");
    m_axisStyle->addItems({QStringLiteral("①②③…"), QStringLiteral("A B C…（不用 I、O、Z）"),
                           QStringLiteral("逐个输入")});
    m_axisStyle->setCurrentIndex(static_cast<int>(beam.axisStyle));
    auto* axisCaption = new QLabel(QStringLiteral("轴号(&X)"));
    labelFor(axisCaption, m_axisStyle);
    auto* styleLine = new QHBoxLayout;
    styleLine->addWidget(axisCaption);
    styleLine->addWidget(m_axisStyle);
    styleLine->addStretch(1);

    auto* grid = new QGridLayout;
    int line = 0;
    for (const char* caption : {"轴号", "宽度 (m)", "调幅系数 β", "支座上部钢筋"}) {
        grid->addWidget(new QLabel(QString::fromUtf8(caption)), 0, line++);
    }
    for (int j = 0; j <= n; ++j) {
        const SupportDesign& d = supportDesign(beam, j);
        m_kept.push_back(d);
        if (isFreeEnd(beam, j)) {
            continue;
        }
        const std::string suffix = std::to_string(j);
        auto number = [&](const char* name, float value) {
            QLineEdit* f = field((name + suffix).c_str(), text(value));
            f->setValidator(new NumberValidator(false, {}, f));
            return f;
        };
        Row row{j, field(("axisField" + suffix).c_str(), QString()),
                number("supportWidthField", d.width),
                number("redistributionField", d.redistribution),
                field(("supportTopBarsField" + suffix).c_str(),
                      d.topBars ? QString::fromStdString(typedBarText(*d.topBars)) : QString())};
        row.axis->setText(QString::fromStdString(axisLabel(beam, j)));
        row.axis->setMaximumWidth(80);
        row.axis->setMaxLength(kAxisLabelLength);
        row.topBars->setPlaceholderText(QStringLiteral("自动选配"));
        row.topBars->setMaximumWidth(120);
        if (!redistributionAllowed(beam, j)) {
            // a beta kept from before stays editable so that it can be set back to 0
            row.beta->setEnabled(d.redistribution != 0);
            row.beta->setToolTip(QString::fromStdString(whyNoRedistribution(beam, j)));
        }
        const int r = static_cast<int>(m_rows.size()) + 1;
        grid->addWidget(row.axis, r, 0);
        grid->addWidget(row.width, r, 1);
        grid->addWidget(row.beta, r, 2);
        grid->addWidget(row.topBars, r, 3);
        m_rows.push_back(row);
    }
    grid->setRowStretch(static_cast<int>(m_rows.size()) + 1, 1);
    showAxes();
    connect(m_axisStyle, &QComboBox::currentIndexChanged, this, [this] { showAxes(); });

    auto* rows = new QWidget;
    rows->setLayout(grid);
    auto* scroll = named<QScrollArea>("supportRows");
    scroll->setWidget(rows);
    scroll->setWidgetResizable(true);
    scroll->setMinimumWidth(rows->sizeHint().width() + 24);
    auto* note =
        label("supportsNote",
              QStringLiteral("轴号标在梁简图、各表格与计算书中，逐个输入时每个最多 8 个字；"
                             "宽度为柱、墙或主梁沿梁轴线的尺寸，弯矩与剪力取支座边缘处的值；"
                             "β 为支座弯矩调幅系数（0～0.25，GB 50010 5.4.3），只调负弯矩；"
                             "跨中弯矩按 CECS 51:93 相应增大（GB 50010 5.4）。"));
    note->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->setObjectName(QStringLiteral("supportsButtons"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* page = new QVBoxLayout(this);
    page->addLayout(styleLine);
    page->addWidget(scroll, 1);
    page->addWidget(note);
    page->addWidget(statusLine());
    page->addWidget(buttons);
}

// The axis fields under the chosen style: typed ones editable, starting from the names shown
// before; the others showing the name the style gives.
void SupportsDialog::showAxes() {
    const auto style = static_cast<AxisStyle>(m_axisStyle->currentIndex());
    Beam named = m_beam;
    named.axisStyle = style;
    for (const Row& row : m_rows) {
        if (style != AxisStyle::Typed) {
            row.axis->setText(QString::fromStdString(axisLabel(named, row.support)));
        }
        row.axis->setEnabled(style == AxisStyle::Typed);
    }
}

std::variant<SupportsDialog::Visit, CommittingDialog::Refusal> SupportsDialog::typed() const {
    Visit visit{m_kept, static_cast<AxisStyle>(m_axisStyle->currentIndex())};
    std::vector<SupportDesign>& out = visit.supports;
    for (const Row& row : m_rows) {
        const QString where =
            QString::fromStdString(supportName(m_beam, row.support)) + QStringLiteral("：");
        SupportDesign& d = out[static_cast<std::size_t>(row.support)];
        if (visit.axes == AxisStyle::Typed) {
            d.axis = row.axis->text().trimmed().toStdString();
        }
        for (const auto& [f, into] :
             {std::pair{row.width, &d.width}, std::pair{row.beta, &d.redistribution}}) {
            const auto value = parseFieldNumber(f->text().toStdString());
            if (!value) {
                return Refusal{f, where + QStringLiteral("应为数字")};
            }
            *into = *value;
        }
        d.topBars.reset();
        if (const std::string text = row.topBars->text().trimmed().toStdString(); !text.empty()) {
            const Parsed<BarSet> parsed = parseBars(text);
            if (!parsed.ok()) {
                return Refusal{row.topBars, where + QString::fromStdString(parsed.problem)};
            }
            d.topBars = parsed.value;
        }
    }
    return visit;
}

QWidget* SupportsDialog::controlOf(int support, SupportPart part) const {
    for (const Row& row : m_rows) {
        if (row.support == support) {
            return part == SupportPart::Width            ? row.width
                   : part == SupportPart::Redistribution ? row.beta
                   : part == SupportPart::Axis           ? row.axis
                                                         : row.topBars;
        }
    }
    return m_rows.empty() ? nullptr : m_rows.front().width;
}

} // namespace spanwise
