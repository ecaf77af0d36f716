#include "ui/dialogs/SplashWindow.h"

#include "ui/main/SketchPictures.h"

#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>
#include <QTimer>

namespace spanwise {

SplashWindow::SplashWindow(QWidget* blocked)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), m_blocked(blocked) {
    setObjectName(QStringLiteral("splashWindow"));
    setWindowTitle(QStringLiteral("Spanwise"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_picture = new QLabel(this);
    m_picture->setObjectName(QStringLiteral("splashPicture"));
    m_picture->setPixmap(
        svgPixmap(QStringLiteral(":/splash.svg"), devicePixelRatioF(), QSize(420, 304), Qt::gray));
    m_picture->setFocusPolicy(Qt::StrongFocus);
    m_picture->move(0, 0);
    m_picture->resize(420, 304);
    m_picture->installEventFilter(this);
    setFixedSize(m_picture->size());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    setFocusPolicy(Qt::StrongFocus);
    if (m_blocked != nullptr) {
        m_blocked->setEnabled(false);
    }
    QTimer::singleShot(kSplashMilliseconds, this, [this] { dismiss(); });
}

void SplashWindow::mousePressEvent(QMouseEvent* /*event*/) {
    dismiss();
}

void SplashWindow::keyPressEvent(QKeyEvent* /*event*/) {
    dismiss();
}

bool SplashWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_picture &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::KeyPress)) {
        dismiss();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void SplashWindow::dismiss() {
    if (m_dismissed) {
        return;
    }
    m_dismissed = true;
    if (m_blocked != nullptr) {
        m_blocked->setEnabled(true);
        m_blocked->activateWindow();
        m_blocked = nullptr;
    }
    emit dismissed();
    close();
}

} // namespace spanwise
