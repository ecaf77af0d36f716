#include "ui/dialogs/SplashWindow.h"

#include "ui/main/SketchPictures.h"

#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>

namespace spanwise {

SplashWindow::SplashWindow(QWidget* blocked)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), m_blocked(blocked) {
    setObjectName(QStringLiteral("splashWindow"));
    setWindowTitle(QStringLiteral("Spanwise"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_Picture1 = new QLabel(this);
    m_Picture1->setObjectName(QStringLiteral("splashPicture"));
    m_Picture1->setPixmap(
        svgPixmap(QStringLiteral(":/splash.svg"), devicePixelRatioF(), QSize(420, 304), Qt::gray));
    m_Picture1->setFocusPolicy(Qt::StrongFocus);
    m_Picture1->move(0, 0);
    m_Picture1->resize(420, 304);
    m_Picture1->installEventFilter(this);
    setFixedSize(m_Picture1->size());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    setFocusPolicy(Qt::StrongFocus);
    if (m_blocked != nullptr) {
        m_blocked->setEnabled(false);
    }
}

void SplashWindow::mousePressEvent(QMouseEvent* /*event*/) {
    dismiss();
}

void SplashWindow::keyPressEvent(QKeyEvent* /*event*/) {
    dismiss();
}

bool SplashWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_Picture1 &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::KeyPress)) {
        dismiss();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void SplashWindow::dismiss() {
    if (m_blocked != nullptr) {
        m_blocked->setEnabled(true);
        m_blocked->activateWindow();
        m_blocked = nullptr;
    }
    emit dismissed();
    close();
}

} // namespace spanwise
