// The data-check window: progress and verdict of the data check. Modeless; the
// check brings it up each time it runs and reruns in the same window; "确认" closes it.
#pragma once

#include <QWidget>

#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace spanwise {

class CheckWindow : public QWidget {
    Q_OBJECT

public:
    explicit CheckWindow(QWidget* parent = nullptr);

    // Busy state: empty list, bar at 0 of `steps`, verdict labels hidden, button disabled.
    void start(int steps);
    void progress(int done);
    // Resting state: the messages, and the success or error labels.
    void finish(const std::vector<std::string>& messages, bool passed);

private:
    void confirm();

    QListWidget* m_messageList;
    QLabel* m_errorListLabel;
    QLabel* m_correctErrorsLabel;
    QLabel* m_checkPassedLabel;
    QProgressBar* m_progressBar;
    QPushButton* m_confirmButton;
};

} // namespace spanwise
