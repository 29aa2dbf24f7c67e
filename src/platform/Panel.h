// A panel: a plain or framed area that holds controls and draws no caption.
#pragma once

#include <QMouseEvent>
#include <QFrame>

namespace platform {

class Panel : public QFrame {
    Q_OBJECT
    // Transparent panels show their parent's background through.
    Q_PROPERTY(bool transparent READ isTransparent WRITE setTransparent)

public:
    explicit Panel(QWidget *parent = nullptr) : QFrame(parent) {}
    [[nodiscard]] bool isTransparent() const { return !autoFillBackground(); }
    void setTransparent(bool transparent) { setAutoFillBackground(!transparent); }
Q_SIGNALS:
    // A press here moves the window: the stored layout binds it to the window's handler.
    void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        Q_EMIT mousePressed(event->button(), event->modifiers(), event->position().toPoint());
    }
};

} // namespace platform
