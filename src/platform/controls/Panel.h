// A panel: a plain or framed area that holds controls and draws no caption.
#pragma once

#include "controls/OwnPress.h"

#include <QFrame>
#include <QMouseEvent>

namespace platform {

class Panel : public QFrame {
    Q_OBJECT
    // Transparent panels show their parent's background through.
    Q_PROPERTY(bool transparent READ isTransparent WRITE setTransparent)
    // A framed panel draws a one-pixel frame around what it holds.
    Q_PROPERTY(bool framed READ isFramed WRITE setFramed)

public:
    explicit Panel(QWidget *parent = nullptr)
        : QFrame(parent) {}
    [[nodiscard]] bool isTransparent() const { return !autoFillBackground(); }
    void setTransparent(bool transparent) { setAutoFillBackground(!transparent); }
    [[nodiscard]] bool isFramed() const { return frameShape() == QFrame::Box; }
    void setFramed(bool framed) {
        setFrameShape(framed ? QFrame::Box : QFrame::NoFrame);
        setLineWidth(1);
    }
Q_SIGNALS:
    // A press here moves the window: the stored layout binds it to the window's handler.
    void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);

protected:
    void mousePressEvent(QMouseEvent *event) override {
        if (isOwnPress(*this, *event))
            Q_EMIT mousePressed(event->button(), event->modifiers(), event->position().toPoint());
    }
};

} // namespace platform
