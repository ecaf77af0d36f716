// Small factories for the windows' controls: every control carries its program name as its
// objectName, so that tests and screen readers find it.
#pragma once

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QTimer>

#include <utility>

namespace spanwise::controls {

template <typename W, typename... Args> W* named(const char* name, Args&&... args) {
    auto* w = new W(std::forward<Args>(args)...);
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

inline QLabel* label(const char* name, const QString& text) {
    return named<QLabel>(name, text);
}

inline QLineEdit* field(const char* name, const QString& text) {
    auto* f = named<QLineEdit>(name, text);
    f->setMaximumWidth(90);
    return f;
}

// Enter (or Return) presses the button that has the focus, as Space does.
class EnterPressesButton : public QObject {
public:
    explicit EnterPressesButton(QPushButton* button) : QObject(button), m_button(button) {}

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
                key->modifiers() == Qt::NoModifier && m_button->isEnabled()) {
                m_button->animateClick();
                return true;
            }
        }
        return false;
    }

private:
    QPushButton* m_button;
};

inline QPushButton* button(const char* name, const QString& text) {
    auto* b = named<QPushButton>(name, text);
    b->setAutoDefault(false);
    b->installEventFilter(new EnterPressesButton(b));
    return b;
}

// Sets a field's text only when it differs, so that the field's change handling runs (nested,
// at once) exactly when the text really changes, as it does for the user's own typing.
inline void setFieldText(QLineEdit* field, const QString& text) {
    if (field->text() != text) {
        field->setText(text);
    }
}

// A refused keystroke: the field flashes for half a second (its "refused" property is true
// meanwhile), so that a comma typed for a point does not slip by unnoticed.
inline void flashRefused(QLineEdit* field) {
    field->setProperty("refused", true);
    field->setStyleSheet(QStringLiteral("QLineEdit { background-color: #ffc8c8; }"));
    QTimer::singleShot(500, field, [field] {
        field->setProperty("refused", false);
        field->setStyleSheet(QString());
    });
}

// A label that names a control for the keyboard and for screen readers.
inline void labelFor(QLabel* caption, QWidget* control) {
    caption->setBuddy(control);
    control->setAccessibleName(caption->text());
}

} // namespace spanwise::controls
