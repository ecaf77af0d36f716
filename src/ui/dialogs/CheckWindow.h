// The data-check window: progress and verdict of the data check. Modeless; the
// check brings it up each time it runs and reruns in the same window; "确认", Enter and Escape
// close it. Every message shows beside it the span (and load) it belongs to; a double-click
// goes there in the main window. Notices that do not block the calculation (line stiffness
// not proportional to EI/L, EI still the default) show below the verdict, with a button that
// sets i = EI/L on every span where that mends them.
#pragma once

#include "check/DataCheck.h"

#include <QWidget>

#include <string>
#include <vector>

class QLabel;
class QTableWidget;
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
    static void fill(QTableWidget* table, const std::vector<std::string>& messages,
                     const std::vector<CheckPlace>& places);

    std::vector<CheckPlace> m_places;
    std::vector<CheckPlace> m_noticePlaces;
    QLabel* m_noticeLabel;
    QTableWidget* m_noticeList;
    QPushButton* m_fitLineStiffnessButton;
    QTableWidget* m_messageList;
    QLabel* m_errorListLabel;
    QLabel* m_correctErrorsLabel;
    QLabel* m_checkPassedLabel;
    QProgressBar* m_progressBar;
    QPushButton* m_confirmButton;
};

} // namespace spanwise
