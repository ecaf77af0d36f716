// What the GUI tests share: a prompter that answers exactly the questions, messages and file
// dialogs a test told it to expect, and helpers that act on a window as a user would.
#pragma once

#include "ui/common/Prompter.h"
#include "ui/main/MainWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <deque>
#include <memory>

namespace spanwise::testing_support {

// Every question, message and file dialog must have been expected, in order: anything else
// fails the test instead of blocking it. `pending()` says what was expected and never came.
class ScriptedPrompter : public Prompter {
public:
    // The next question must contain `text`; it is answered with `answer`.
    void expectQuestion(const QString& text, Button answer) { m_events.push_back({text, answer}); }
    // The next message must contain `text`.
    void expectMessage(const QString& text) { m_events.push_back({text, Ok, true}); }
    // The next file dialog is answered with `path` (empty: the user cancels).
    void expectFile(const QString& path) { m_events.push_back({path, Ok, false, true}); }

    Button ask(Icon /*icon*/, const QString& text, int buttons, Button /*dflt*/) override {
        lastButtons = buttons;
        const Event event = next(text, false, false);
        return event.answer;
    }
    Button choose(Icon icon, const QString& text, int buttons, Button dflt,
                  const ButtonTexts& texts) override {
        lastTexts = {texts.yes, texts.no, texts.cancel};
        return ask(icon, text, buttons, dflt);
    }
    void tell(Icon /*icon*/, const QString& text) override { next(text, true, false); }
    QString openFileName(const QString& title, const QString& /*filter*/) override {
        return next(title, false, true).text;
    }
    QString saveFileName(const QString& title, const QString& /*filter*/,
                         const QString& /*suffix*/) override {
        return next(title, false, true).text;
    }

    int pending() const { return static_cast<int>(m_events.size()); }
    int lastButtons = 0;   // the buttons of the last question
    QStringList lastTexts; // the words of its buttons, where they had their own

private:
    struct Event {
        QString text;
        Button answer = Ok;
        bool message = false;
        bool file = false;
    };

    Event next(const QString& shown, bool message, bool file) {
        const char* what = file ? "file dialog " : message ? "message " : "question ";
        if (m_events.empty() || m_events.front().message != message ||
            m_events.front().file != file || (!file && !shown.contains(m_events.front().text))) {
            QTest::qFail(
                qPrintable(QStringLiteral("unexpected ") + QString::fromLatin1(what) + shown),
                __FILE__, __LINE__);
            return {QString(), (message || file) ? Ok : Cancel};
        }
        const Event event = m_events.front();
        m_events.pop_front();
        return event;
    }

    std::deque<Event> m_events;
};

template <typename T = QWidget> T* find(QWidget* window, const char* name) {
    T* w = window->findChild<T*>(QString::fromLatin1(name));
    if (w == nullptr) {
        QTest::qFail(qPrintable(QStringLiteral("no control ") + QString::fromLatin1(name)),
                     __FILE__, __LINE__);
    }
    return w;
}

// Replaces a field's whole text by typing, key by key.
inline void retype(QLineEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    if (text.isEmpty()) {
        QTest::keyClick(field, Qt::Key_Backspace);
    }
    // key by key; a character no key of the keyboard names (Φ, the full-width comma) comes as
    // an input method gives it, a key event that carries the text
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(field, c.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}

// Moves the keyboard focus away from a field, as clicking elsewhere does.
inline void leave(QWidget* field) {
    QFocusEvent out(QEvent::FocusOut, Qt::MouseFocusReason);
    QApplication::sendEvent(field, &out);
}

inline void click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

inline void clickRow(QListWidget* list, int row) {
    const QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

// A main window as at start-up, answering to a scripted prompter.
class MainWindowHarness {
public:
    void open() {
        prompter = std::make_unique<ScriptedPrompter>();
        window = std::make_unique<MainWindow>(*prompter);
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get())) {
            QTest::qFail("the main window did not show", __FILE__, __LINE__);
        }
    }
    // Closes the window; false when something expected never happened.
    bool close() {
        const bool answered = prompter->pending() == 0;
        window.reset();
        prompter.reset();
        return answered;
    }

    template <typename T = QLineEdit> T* w(const char* name) { return find<T>(window.get(), name); }
    QAbstractButton* b(const char* name) { return find<QAbstractButton>(window.get(), name); }
    QListWidget* list(const char* name) { return find<QListWidget>(window.get(), name); }
    const Project& project() const { return window->editor().project(); }

    // Types a span count and finishes it with Enter.
    void enterSpanCount(int count) {
        retype(w("spanCountField"), QString::number(count));
        QTest::keyClick(w("spanCountField"), Qt::Key_Return);
    }
    void showSpan(int span) { retype(w("shownSpanField"), QString::number(span)); }
    QAction* action(const char* name) {
        auto* a = window->findChild<QAction*>(QString::fromLatin1(name));
        if (a == nullptr) {
            QTest::qFail(name, __FILE__, __LINE__);
        }
        return a;
    }

    // n spans of 6 m, each with a uniform load of 10 kN/m
    void loadedSpans(int n) {
        enterSpanCount(n);
        for (int s = 1; s <= n; ++s) {
            showSpan(s);
            retype(w("spanLengthField"), QStringLiteral("6"));
            addLoad(1);
            retype(w("intensityField"), QStringLiteral("10"));
        }
    }

    // A load of the kind at that row of the load-kind list, added to the span shown.
    void addLoad(int kindRow) {
        clickRow(list("loadKindList"), kindRow);
        click(b("addLoadButton"));
    }

    std::unique_ptr<ScriptedPrompter> prompter;
    std::unique_ptr<MainWindow> window;
};

} // namespace spanwise::testing_support
