// The splash window: one picture, shown at start-up while the main window refuses input. It
// goes by itself after kSplashMilliseconds, or at once when the user clicks it or presses a
// key.
#pragma once

#include <QWidget>

class QLabel;

namespace spanwise {

inline constexpr int kSplashMilliseconds = 2000;

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
    QLabel* m_picture;
    bool m_dismissed = false;
};

} // namespace spanwise
