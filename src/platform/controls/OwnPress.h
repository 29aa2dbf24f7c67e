// Qt hands a press that a control ignores (the right or middle button on a push
// button, a press on a disabled control) on to the widget behind it, the point
// still inside that control. A surface that holds controls and moves the window
// announces only the presses on its own bare area.
#pragma once

#include <QMouseEvent>
#include <QWidget>

namespace platform {

[[nodiscard]] inline bool isOwnPress(const QWidget &surface, const QMouseEvent &press) {
    return surface.childAt(press.position().toPoint()) == nullptr;
}

} // namespace platform
