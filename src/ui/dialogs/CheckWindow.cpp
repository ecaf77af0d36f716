#include "ui/dialogs/CheckWindow.h"

#include "ui/common/Controls.h"

#include <QHeaderView>
#include <QProgressBar>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

namespace spanwise {

using namespace controls;

namespace {

// A list of messages with, beside each, the span and load it belongs to.
QTableWidget* placedMessages(const char* name) {
    auto* table = named<QTableWidget>(name);
    table->setColumnCount(2);
    table->setHorizontalHeaderLabels({QStringLiteral("位置"), QStringLiteral("内容")});
    table->horizontalHeader()->setStretchLastSection(true);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setWordWrap(false);
    return table;
}

} // namespace

CheckWindow::CheckWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("checkWindow"));
    setWindowTitle(QStringLiteral("数据检查"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_errorListLabel = label("errorListLabel", QStringLiteral("有以下错误:"));
    m_messageList = placedMessages("messageTable");
    m_messageList->setAccessibleName(m_errorListLabel->text());
    m_errorListLabel->setBuddy(m_messageList);
    m_correctErrorsLabel =
        label("correctErrorsLabel",
              QStringLiteral("    请改正以上错误,只有通过数据检查,才能进行后面的计算."));
    m_correctErrorsLabel->setWordWrap(true);
    m_checkPassedLabel =
        label("checkPassedLabel", QStringLiteral("   数据检查通过了,可以进行后面的计算！"));
    m_progressBar = named<QProgressBar>("checkProgressBar");
    m_confirmButton = button("confirmButton", QStringLiteral("确认"));
    m_noticeLabel = label("noticeLabel", QStringLiteral("提示（不妨碍计算）："));
    m_noticeLabel->setWordWrap(true);
    m_noticeList = placedMessages("noticeTable");
    m_noticeList->setAccessibleName(m_noticeLabel->text());
    m_noticeList->setMaximumHeight(90);
    m_fitLineStiffnessButton = button("fitLineStiffnessButton", QStringLiteral("各跨取 i = EI/L"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_errorListLabel);
    layout->addWidget(m_messageList, 1);
    layout->addWidget(m_correctErrorsLabel);
    layout->addWidget(m_checkPassedLabel);
    layout->addWidget(m_noticeLabel);
    layout->addWidget(m_noticeList);
    layout->addWidget(m_fitLineStiffnessButton, 0, Qt::AlignLeft);
    layout->addWidget(m_progressBar);
    layout->addWidget(m_confirmButton, 0, Qt::AlignHCenter);
    resize(560, 320);
    m_noticeLabel->hide();
    m_noticeList->hide();
    m_fitLineStiffnessButton->hide();
    connect(m_confirmButton, &QPushButton::clicked, this, [this] { confirm(); });
    for (const auto key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        connect(new QShortcut(QKeySequence(key), this), &QShortcut::activated, this,
                [this] { confirm(); });
    }
    connect(m_messageList, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { choosePlace(m_places, row); });
    connect(m_noticeList, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { choosePlace(m_noticePlaces, row); });
    connect(m_fitLineStiffnessButton, &QPushButton::clicked, this,
            [this] { emit lineStiffnessFitRequested(); });
}

void CheckWindow::choosePlace(const std::vector<CheckPlace>& places, int row) {
    if (row >= 0 && row < static_cast<int>(places.size()) &&
        places[static_cast<std::size_t>(row)].span != 0) {
        const CheckPlace place = places[static_cast<std::size_t>(row)];
        emit placeChosen(place.span, place.load);
    }
}

void CheckWindow::fill(QTableWidget* table, const std::vector<std::string>& messages,
                       const std::vector<CheckPlace>& places) {
    table->setRowCount(static_cast<int>(messages.size()));
    for (std::size_t r = 0; r < messages.size(); ++r) {
        const CheckPlace place = r < places.size() ? places[r] : CheckPlace{};
        table->setItem(static_cast<int>(r), 0,
                       new QTableWidgetItem(QString::fromStdString(checkPlaceText(place))));
        table->setItem(static_cast<int>(r), 1,
                       new QTableWidgetItem(QString::fromStdString(messages[r])));
    }
    table->resizeColumnToContents(0);
}

void CheckWindow::start(int steps) {
    m_messageList->setRowCount(0);
    m_progressBar->setVisible(true);
    m_progressBar->setRange(0, 0);
    m_progressBar->setValue(0);
    m_errorListLabel->hide();
    m_checkPassedLabel->hide();
    m_correctErrorsLabel->hide();
    m_noticeList->setRowCount(0);
    m_noticeLabel->hide();
    m_noticeList->hide();
    m_fitLineStiffnessButton->hide();
    m_confirmButton->setEnabled(false);
    m_progressBar->setRange(0, steps);
    m_progressBar->setValue(0);
}

void CheckWindow::progress(int done) {
    m_progressBar->setValue(done);
}

void CheckWindow::finish(const CheckResult& result) {
    m_places = result.places;
    m_noticePlaces = result.noticePlaces;
    // the verdict alone has no place
    fill(m_messageList, result.messages,
         result.passed ? std::vector<CheckPlace>{CheckPlace{}} : result.places);
    if (result.passed) {
        m_messageList->item(0, 0)->setText(QString());
    }
    fill(m_noticeList, result.notices, result.noticePlaces);
    const bool notices = !result.notices.empty();
    m_noticeLabel->setVisible(notices);
    m_noticeList->setVisible(notices);
    m_fitLineStiffnessButton->setVisible(result.lineStiffnessMismatch);
    const bool passed = result.passed;
    m_errorListLabel->setVisible(!passed);
    m_correctErrorsLabel->setVisible(!passed);
    m_checkPassedLabel->setVisible(passed);
    m_progressBar->hide();
    m_confirmButton->setEnabled(true);
}

void CheckWindow::confirm() {
    m_messageList->setRowCount(0);
    close();
}

} // namespace spanwise
