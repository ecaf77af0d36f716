// A dialog whose OK takes what was typed in it whole, or nothing: the caller's commit either
// applies the visit (one undo step) and the dialog closes, or names the control it cannot take
// and why. The dialog then stays open with every field as typed, the reason on its status line,
// the refused control marked and holding the focus; nothing is applied until every value can
// be. 取消 and Escape discard the whole visit.
#pragma once

#include <QDialog>
#include <QString>

#include <functional>
#include <optional>

class QLabel;

namespace spanwise {

class CommittingDialog : public QDialog {
    Q_OBJECT

public:
    // A value that cannot be taken: the control that holds it and the rule's words.
    struct Refusal {
        QWidget* control = nullptr;
        QString reason;
    };
    // Applies the visit, or says which value it cannot take.
    using Commit = std::function<std::optional<Refusal>()>;

    explicit CommittingDialog(QWidget* parent = nullptr);

    void setCommit(Commit commit) { m_commit = std::move(commit); }
    // The line that shows the reason of a refusal (objectName "dialogStatus"); a dialog puts it
    // above its buttons.
    QLabel* statusLine() const { return m_status; }
    // The control refused last, or null.
    QWidget* refusedControl() const { return m_refused; }

    void accept() override;

protected:
    // Marks the control and says why; the focus goes to it.
    void refuse(const Refusal& refusal);

private:
    void clearMark();

    Commit m_commit;
    QLabel* m_status;
    QWidget* m_refused = nullptr;
};

} // namespace spanwise
