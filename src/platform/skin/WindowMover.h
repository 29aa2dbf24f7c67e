// Moves a window with the pointer after a press, as dragging its caption does,
// until the button is released. The move loop is our own, so it works under X11
// with no window manager too; on Wayland, where a client cannot place its own
// window, the window system's move takes over.
#pragma once

#include "skin/EdgeSnapping.h"

#include <QObject>
#include <QPoint>
#include <QPointer>

#include <optional>

class QWidget;

namespace platform {

class WindowMover : public QObject {
    Q_OBJECT

public:
    // Starts moving `window` from the pointer's current place. With a distance above
    // 0 its edges snap to the work area of its screen within that many pixels.
    static void moveWithPointer(QWidget *window, int magneticDistance);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    WindowMover(QWidget *window, QPoint pointer, int magneticDistance);

    QPointer<QWidget> window_;
    QPoint pointerAtStart_;
    QPoint windowAtStart_;
    std::optional<EdgeSnapper> snapper_;
};

} // namespace platform
