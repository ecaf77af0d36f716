// The data-check window: progress and verdict of the data check. Modeless; the
// check brings it up each time it runs and reruns in the same window; "确认", Enter and Escape
// close it. A double-click on a message goes to its span (and load) in the main window.
// Notices that do not block the calculation (line stiffness not proportional to EI/L) show
// below the verdict with a button that sets i = EI/L on every span.
#pragma once

#include "check/DataCheck.h"

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
    // Resting state: the messages, the success or error labels and the notices.
    void finish(const CheckResult& result);

signals:
    void placeChosen(int span, int load); // load 0: the span itself
    void lineStiffnessFitRequested();

private:
    void confirm();
    void choosePlace(const std::vector<CheckPlace>& places, int row);

    std::vector<CheckPlace> m_places;
    std::vector<CheckPlace> m_noticePlaces;
    QLabel* m_noticeLabel;
    QListWidget* m_noticeList;
    QPushButton* m_fitLineStiffnessButton;
    QListWidget* m_messageList;
    QLabel* m_errorListLabel;
    QLabel* m_correctErrorsLabel;
    QLabel* m_checkPassedLabel;
    QProgressBar* m_progressBar;
    QPushButton* m_confirmButton;
};

} // namespace spanwise
