// A plain text label.
#pragma once

#include <QLabel>
#include <QMouseEvent>

namespace platform {

class StdLabel : public QLabel {
    Q_OBJECT

public:
    explicit StdLabel(QWidget *parent = nullptr)
        : QLabel(parent) {}
Q_SIGNALS:
    // A press here moves the window: the stored layout binds it to the window's handler.
    void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);

protected:
    void mousePressEvent(QMouseEvent *event) override {
        Q_EMIT mousePressed(event->button(), event->modifiers(), event->position().toPoint());
    }
};

} // namespace platform
