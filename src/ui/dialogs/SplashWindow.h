// The splash window `Start`: one picture, shown at start-up while the main window refuses
// input, until the user clicks it or presses a key. There is no timer.
#pragma once

#include <QWidget>

class QLabel;

namespace spanwise {

class SplashWindow : public QWidget {
    Q_OBJECT

public:
    // Makes `blocked` unusable until the splash is dismissed.
    explicit SplashWindow(QWidget* blocked);

signals:
    void dismissed();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void dismiss();

    QWidget* m_blocked;
    QLabel* m_Picture1;
};

} // namespace spanwise
