// The base of a window built from a stored layout: announces when it is complete,
// and a press on its bare client area, so the layout can bind both to handlers.
#pragma once

#include "controls/OwnPress.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

namespace platform {

class Form : public QWidget {
    Q_OBJECT

public:
    explicit Form(QWidget *parent = nullptr)
        : QWidget(parent) {
        // A plain QWidget draws no style-sheet background unless asked to.
        setAttribute(Qt::WA_StyledBackground);
    }

    // Called by Application::createForm once construction is complete.
    void notifyCreated() { Q_EMIT created(); }

Q_SIGNALS:
    void created();
    // A press here moves the window: the stored layout binds it to the window's handler.
    void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);

protected:
    // A window manager closes a window on Alt+F4; without one (or frameless) we do.
    // The controls pass the key on to their window, which may not count as active
    // where no window manager activates it, so no shortcut would fire.
    void keyPressEvent(QKeyEvent *event) override {
        if (event->key() == Qt::Key_F4 && event->modifiers() == Qt::AltModifier)
            window()->close();
        else
            QWidget::keyPressEvent(event);
    }
    void mousePressEvent(QMouseEvent *event) override {
        if (isOwnPress(*this, *event))
            Q_EMIT mousePressed(event->button(), event->modifiers(), event->position().toPoint());
    }
};

} // namespace platform
