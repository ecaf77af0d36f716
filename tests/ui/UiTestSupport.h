// What the GUI tests share: a prompter that answers the program's questions from a script,
// and small helpers that act on the window as a user would.
#pragma once

#include "ui/common/Prompter.h"
#include "ui/main/MainWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QWidget>

#include <deque>
#include <memory>

namespace spanwise::testing_support {

// Answers queued questions in order and records every question asked. A question that was not
// expected fails the test instead of blocking it.
class ScriptedPrompter : public Prompter {
public:
    struct Question {
        Icon icon;
        QString text;
        int buttons;
        Button defaultButton;
    };

    void expect(Button answer) { m_answers.push_back(answer); }
    void expectFile(const QString& path) { m_files.push_back(path); }

    Button ask(Icon icon, const QString& text, int buttons, Button defaultButton) override {
        asked.push_back({icon, text, buttons, defaultButton});
        if (m_answers.empty()) {
            QTest::qFail(qPrintable(QStringLiteral("unexpected question: ") + text), __FILE__,
                         __LINE__);
            return (buttons & Cancel) ? Cancel : No;
        }
        const Button answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }

    void tell(Icon icon, const QString& text) override { told.push_back({icon, text, Ok, Ok}); }

    QString openFileName(const QString& title, const QString& /*filter*/) override {
        return nextFile(title);
    }
    QString saveFileName(const QString& title, const QString& /*filter*/,
                         const QString& /*suffix*/) override {
        return nextFile(title);
    }

    bool allAnswered() const { return m_answers.empty() && m_files.empty(); }

    std::vector<Question> asked;
    std::vector<Question> told;
    std::vector<QString> dialogTitles;

private:
    QString nextFile(const QString& title) {
        dialogTitles.push_back(title);
        if (m_files.empty()) {
            QTest::qFail(qPrintable(QStringLiteral("unexpected file dialog: ") + title), __FILE__,
                         __LINE__);
            return {};
        }
        QString path = m_files.front();
        m_files.pop_front();
        return path;
    }

    std::deque<Button> m_answers;
    std::deque<QString> m_files;
};

template <typename T = QWidget> T* find(QWidget* window, const char* name) {
    T* w = window->findChild<T*>(QString::fromLatin1(name));
    if (w == nullptr) {
        QTest::qFail(qPrintable(QStringLiteral("no control ") + QString::fromLatin1(name)),
                     __FILE__, __LINE__);
    }
    return w;
}

// Moves the keyboard focus away from a field, as clicking elsewhere would.
inline void leave(QWidget* field) {
    QFocusEvent out(QEvent::FocusOut, Qt::MouseFocusReason);
    QApplication::sendEvent(field, &out);
}

// Empties a field the way a user does: select everything, press Backspace.
inline void erase(QLineEdit* field) {
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
}

// Replaces a field's whole text by typing, key by key.
inline void retype(QLineEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
}

inline void click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

inline void clickRow(QListWidget* list, int row) {
    const QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

// A real double click: the first click selects the row, the second press is the double one.
inline void doubleClickRow(QListWidget* list, int row) {
    const QPoint at = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

inline QStringList itemTexts(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) {
        texts << list->item(i)->text();
    }
    return texts;
}

// A main window opened as at start-up, answering to a scripted prompter, with the ways a test
// acts on it. Test classes derive from it beside QObject and call open() in init() and
// close() in cleanup().
class MainWindowHarness {
public:
    void open() {
        prompter = std::make_unique<ScriptedPrompter>();
        window = std::make_unique<MainWindow>(*prompter);
        window->Form_Load();
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get())) {
            QTest::qFail("the main window did not show", __FILE__, __LINE__);
        }
    }

    // Closes the window; false when a scripted answer was left unused.
    bool close() {
        const bool answered = prompter->allAnswered();
        window.reset();
        prompter.reset();
        return answered;
    }

    template <typename T = QLineEdit> T* w(const char* name) { return find<T>(window.get(), name); }
    QPushButton* b(const char* name) { return find<QPushButton>(window.get(), name); }
    QListWidget* list(const char* name) { return find<QListWidget>(window.get(), name); }
    const BeamModel& model() const { return window->model(); }

    void goTo(int span) { retype(w("Currentnumber"), QString::number(span)); }
    // A load of the kind at that row of the kind list, added to the current span and selected.
    void addLoad(int kind) {
        clickRow(list("List1"), kind);
        click(b("add"));
    }

    std::unique_ptr<ScriptedPrompter> prompter;
    std::unique_ptr<MainWindow> window;
};

} // namespace spanwise::testing_support
