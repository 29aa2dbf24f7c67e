#include "skin/WindowMover.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace platform {

WindowMover::WindowMover(QWidget *window, QPoint pointer, int magneticDistance)
    : QObject(window)
    , window_(window)
    , pointerAtStart_(pointer)
    , windowAtStart_(window->pos()) {
    if (magneticDistance > 0 && window->screen()) {
        snapper_.emplace(window->screen()->availableGeometry(), magneticDistance);
        snapper_->start(window->frameGeometry(), pointer);
    }
    qApp->installEventFilter(this);
}

void WindowMover::moveWithPointer(QWidget *window, int magneticDistance) {
    window = window->window();
    if (QGuiApplication::platformName() == QLatin1String("wayland") && window->windowHandle() &&
        window->windowHandle()->startSystemMove())
        return;
    new WindowMover(window, QCursor::pos(), magneticDistance);
}

bool WindowMover::eventFilter(QObject *, QEvent *event) {
    switch (event->type()) {
    case QEvent::MouseMove:
        if (window_) {
            const QPoint pointer = static_cast<QMouseEvent *>(event)->globalPosition().toPoint();
            window_->move(snapper_ ? snapper_->move(pointer)
                                   : windowAtStart_ + pointer - pointerAtStart_);
        }
        return true;
    case QEvent::MouseButtonRelease:
        deleteLater();
        qApp->removeEventFilter(this);
        return true;
    default:
        return false;
    }
}

} // namespace platform
