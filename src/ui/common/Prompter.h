// Every question the program asks and every file name it asks for goes through a Prompter, so
// that the application shows real message boxes and file dialogs while the tests answer them.
#pragma once

#include <QString>

class QWidget;

namespace spanwise {

class Prompter {
public:
    enum class Icon { Information, Question, Exclamation, Critical };
    enum Button { Ok = 0x1, Cancel = 0x2, Yes = 0x4, No = 0x8 };

    virtual ~Prompter() = default;

    // Modal message box with the program's title. buttons is an OR of Button values; the box
    // answers with the button pressed (closing it counts as Cancel, or as No without Cancel).
    virtual Button ask(Icon icon, const QString& text, int buttons, Button defaultButton) = 0;

    // The same with buttons of their own words (yes, no, cancel: the texts of Yes, No and
    // Cancel); a prompter that cannot name them answers as ask() does.
    struct ButtonTexts {
        QString yes, no, cancel;
    };
    virtual Button choose(Icon icon, const QString& text, int buttons, Button defaultButton,
                          const ButtonTexts& texts) {
        (void)texts;
        return ask(icon, text, buttons, defaultButton);
    }

    // Modal message with an OK button only.
    virtual void tell(Icon icon, const QString& text) = 0;

    // File dialogs; an empty string when the user cancels. filter is in the toolkit's form
    // ("Spanwise文件 (*.bmd *.BMD)").
    virtual QString openFileName(const QString& title, const QString& filter) = 0;
    virtual QString saveFileName(const QString& title, const QString& filter,
                                 const QString& defaultSuffix) = 0;
};

// The application's prompter: QMessageBox and QFileDialog over the given window.
class QtPrompter : public Prompter {
public:
    explicit QtPrompter(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }

    Button ask(Icon icon, const QString& text, int buttons, Button defaultButton) override;
    Button choose(Icon icon, const QString& text, int buttons, Button defaultButton,
                  const ButtonTexts& texts) override;
    void tell(Icon icon, const QString& text) override;
    QString openFileName(const QString& title, const QString& filter) override;
    QString saveFileName(const QString& title, const QString& filter,
                         const QString& defaultSuffix) override;

private:
    QWidget* m_parent;
};

// The program's name, the title of every message box.
inline const QString kProgramTitle = QStringLiteral("Spanwise");

} // namespace spanwise
