// The two load sketches: one of nine pictures, chosen by the load kind and by how the current
// span is supported in the calculation (both ends, free left end, free right end).
#include "ui/main/MainWindow.h"

#include "ui/main/SketchPictures.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace spanwise {

namespace {

// The base system as the window shows it, from the current-span text and the support lists;
// nothing when a list has no selection.
std::optional<SketchSupport> shownSupport(const QString& currentText, int spanCount,
                                          int leftPosition, int rightPosition) {
    auto fromList = [](int position, SketchSupport freeEnd) -> std::optional<SketchSupport> {
        switch (position) {
        case 1:
            return freeEnd;
        case 0:
        case 2:
            return SketchSupport::BothEnds;
        default:
            return std::nullopt;
        }
    };
    if (currentText == QStringLiteral("1")) {
        return fromList(leftPosition, SketchSupport::FreeLeft);
    }
    if (currentText == QString::number(spanCount)) {
        return fromList(rightPosition, SketchSupport::FreeRight);
    }
    return SketchSupport::BothEnds;
}

} // namespace

void MainWindow::showSketch(QLabel* image, int kind) {
    const auto support = shownSupport(m_Currentnumber->text(), m_model.SpanCount,
                                      m_LL->currentIndex(), m_RR->currentIndex());
    if (!support) {
        return;
    }
    const int number = sketchNumber(*support, kind);
    if (number == 0) {
        return;
    }
    image->setPixmap(sketchPixmap(number, image->devicePixelRatioF()));
    image->setProperty("picture", number);
}

void MainWindow::clearSketch(QLabel* image) {
    image->clear();
    image->setProperty("picture", 0);
}

void MainWindow::ANOTHER_SHOWPICTURE() {
    showSketch(m_Image1, m_List1->currentRow());
}

void MainWindow::SHOWPICTURE() {
    const QListWidgetItem* item = m_List2->currentItem();
    if (item != nullptr && m_List2->currentRow() >= 0) {
        showSketch(m_Image2, item->data(Qt::UserRole).toInt());
    }
}

} // namespace spanwise
