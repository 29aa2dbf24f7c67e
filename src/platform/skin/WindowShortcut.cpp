#include "skin/WindowShortcut.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace platform {

WindowShortcut::WindowShortcut(QWidget *inWindow, QList<QKeyCombination> keys)
    : QObject(inWindow)
    , inWindow_(inWindow)
    , keys_(std::move(keys)) {
    qApp->installEventFilter(this);
}

bool WindowShortcut::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *target = qobject_cast<QWidget *>(watched);
    if (!target || target->window() != inWindow_->window())
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    const QKeyCombination typed(key->modifiers() & ~Qt::KeypadModifier, Qt::Key(key->key()));
    if (!keys_.contains(typed))
        return false;
    // A held key acts once; its repeats are swallowed so that no control types them.
    if (!key->isAutoRepeat())
        Q_EMIT activated();
    return true;
}

} // namespace platform
