#include "ui/common/Prompter.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace spanwise {

namespace {

QMessageBox::Icon toQt(Prompter::Icon icon) {
    switch (icon) {
    case Prompter::Icon::Question:
        return QMessageBox::Question;
    case Prompter::Icon::Exclamation:
        return QMessageBox::Warning;
    case Prompter::Icon::Critical:
        return QMessageBox::Critical;
    default:
        return QMessageBox::Information;
    }
}

QMessageBox::StandardButton toQt(Prompter::Button b) {
    switch (b) {
    case Prompter::Ok:
        return QMessageBox::Ok;
    case Prompter::Cancel:
        return QMessageBox::Cancel;
    case Prompter::Yes:
        return QMessageBox::Yes;
    default:
        return QMessageBox::No;
    }
}

} // namespace

Prompter::Button QtPrompter::ask(Icon icon, const QString& text, int buttons,
                                 Button defaultButton) {
    return choose(icon, text, buttons, defaultButton, {});
}

Prompter::Button QtPrompter::choose(Icon icon, const QString& text, int buttons,
                                    Button defaultButton, const ButtonTexts& texts) {
    QMessageBox box(toQt(icon), kProgramTitle, text, QMessageBox::NoButton, m_parent);
    for (Button b : {Yes, No, Ok, Cancel}) {
        if (buttons & b) {
            QPushButton* added = box.addButton(toQt(b));
            const QString& own = b == Yes ? texts.yes : b == No ? texts.no : texts.cancel;
            if (b != Ok && !own.isEmpty()) {
                added->setText(own);
            }
        }
    }
    box.setDefaultButton(toQt(defaultButton));
    const int answer = box.exec();
    for (Button b : {Yes, No, Ok, Cancel}) {
        if ((buttons & b) && answer == toQt(b)) {
            return b;
        }
    }
    return (buttons & Cancel) ? Cancel : No;
}

void QtPrompter::tell(Icon icon, const QString& text) {
    QMessageBox box(toQt(icon), kProgramTitle, text, QMessageBox::Ok, m_parent);
    box.exec();
}

QString QtPrompter::openFileName(const QString& title, const QString& filter) {
    return QFileDialog::getOpenFileName(m_parent, title, QString(), filter);
}

QString QtPrompter::saveFileName(const QString& title, const QString& filter,
                                 const QString& defaultSuffix) {
    QFileDialog dialog(m_parent, title, QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
               ? dialog.selectedFiles().constFirst()
               : QString();
}

} // namespace spanwise
