#include "ui/common/FocusLoss.h"

#include <QEvent>
#include <QKeyEvent>
#include <QKeySequence>
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

class UndoKeyFilter : public QObject {
public:
    explicit UndoKeyFilter(QObject* watched) : QObject(watched) {}

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
                key->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y)) {
                // not taken by the field: the shortcut of the window's action runs
                event->ignore();
                return true;
            }
        }
        return false;
    }
};

} // namespace

void leaveUndoKeysToWindow(QWidget* field) {
    field->installEventFilter(new UndoKeyFilter(field));
}

void onFocusLost(QWidget* widget, std::function<void()> handler) {
    widget->installEventFilter(new FocusLossFilter(widget, std::move(handler)));
}

void removeFocusLossHandlers(QObject* root) {
    qDeleteAll(root->findChildren<QObject*>(kFilterName));
}

} // namespace spanwise
