#include "ui/common/FocusLoss.h"

#include <QEvent>
#include <QObject>
#include <QWidget>

namespace spanwise {

namespace {

const QString kFilterName = QStringLiteral("focusLossFilter");

class FocusLossFilter : public QObject {
public:
    FocusLossFilter(QObject* watched, std::function<void()> handler)
        : QObject(watched), m_handler(std::move(handler)) {
        setObjectName(kFilterName);
    }

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::FocusOut) {
            m_handler();
        }
        return false;
    }

private:
    std::function<void()> m_handler;
};

} // namespace

void onFocusLost(QWidget* widget, std::function<void()> handler) {
    widget->installEventFilter(new FocusLossFilter(widget, std::move(handler)));
}

void removeFocusLossHandlers(QObject* root) {
    qDeleteAll(root->findChildren<QObject*>(kFilterName));
}

} // namespace spanwise
