// A smooth progress bar.
#pragma once

#include <QMouseEvent>
#include <QProgressBar>

namespace platform {

class ProgressBar : public QProgressBar {
    Q_OBJECT

public:
    explicit ProgressBar(QWidget *parent = nullptr)
        : QProgressBar(parent) {}
Q_SIGNALS:
    // A press here moves the window: the stored layout binds it to the window's handler.
    void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);

protected:
    void mousePressEvent(QMouseEvent *event) override {
        Q_EMIT mousePressed(event->button(), event->modifiers(), event->position().toPoint());
    }
};

} // namespace platform
